#include "medio.h"

#include <QTimer>

namespace norvela {

TForm3::TForm3(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm3"))
{
    heli = new QTimer(this);
    heli->setInterval(1);
}

} // namespace norvela
