#include "superior.h"

#include <QLabel>

namespace norvela {

TForm8::TForm8(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm8"))
{
    LabelFP1 = Etiqueta(this, 0, 0, 0, 0);
    LabelFP1->hide();
    PanelFP = new QWidget(this);
    PanelFP->hide();
}

} // namespace norvela
