#include "itinerarios.h"

#include <QLabel>
#include <QPushButton>

namespace norvela {

TForm2::TForm2(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm2"))
{
    BotLOMCE = Boton(this, 0, 0, 0, 0);
    BotLOMCE->hide();
    botCuestio = Boton(this, 0, 0, 0, 0);
    botCuestio->hide();
    degradeIti = Etiqueta(this, 0, 0, 0, 0);
    degradeIti->hide();
}

} // namespace norvela
