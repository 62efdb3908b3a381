#include "profeU.h"

namespace norvela {

Tprofe::Tprofe(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("Tprofe"))
{
}

} // namespace norvela
