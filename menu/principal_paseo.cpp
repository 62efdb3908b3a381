// The student walking in and her greeting, and the help panel played when
// the menu is reached from the animated screen.
#include "principal.h"

#include "enlace.h"
#include "etiquetas.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace norvela {

void Tform0::pilotoTimer()
{
    anda->setPixmap(ImageList1.value(Fotograma));
    anda->move(anda->x() + 8, anda->y());
    anda->show();
    ++Fotograma;
    if (Fotograma < ImageList1.size())
        return;
    piloto.stop();
    TimerTexto.start();
    ActivarHint(LabelCarreras, true);
    ActivarHint(LabelCat, true);
    Bocadillo1->show();
    LabelBocadillo1->show();
    labelBocadillo2->hide();
}

void Tform0::TimerTextoTimer()
{
    labelBocadillo2->show();
    LabelBocadillo1->hide();
    TimerTexto.stop();
}

void Tform0::TimerAyudaTimer()
{
    PanelAyuda->show();
    BotRetroce->show();
    const int cuenta = ++ContadorAyuda;
    if (cuenta < 9) {
        const int textos[9] = {0, 14, 15, 0, 16, 0, 17, 0, 18};
        const int lineas[9] = {0, 0, 1, 0, 2, 0, 3, 0, 4};
        if (textos[cuenta] != 0)
            LabelAyu[lineas[cuenta]]->setText(enlace.Texto(textos[cuenta]));
        chica->setPixmap(ImageList1.value(cuenta - 1));
        return;
    }
    TimerAyuda.stop();
    ContadorAyuda = 0;
}

} // namespace norvela
