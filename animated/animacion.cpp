#include "animacion.h"

namespace norvela {

Tform9::Tform9(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("Tform9"))
{
}

} // namespace norvela
