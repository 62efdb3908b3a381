#include "animacion.h"

namespace norvela {

Tform9::Tform9(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("Tform9"))
{
}

} // namespace norvela
