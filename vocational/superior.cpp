#include "superior.h"

#include <QLabel>

namespace norvela {

TForm8::TForm8(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm8"))
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    LabelFP1 = Etiqueta(this, 0, 0, 0, 0);
    LabelFP1->hide();
    PanelFP = new QWidget(this);
    PanelFP->hide();
}

} // namespace norvela
