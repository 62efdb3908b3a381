#include "medio.h"

#include <QTimer>

namespace norvela {

TForm3::TForm3(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm3"))
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    // The helicopter intro has nothing to play yet: its timer stays idle.
    heli = new QTimer(this);
}

} // namespace norvela
