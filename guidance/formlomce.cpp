#include "formlomce.h"

namespace norvela {

TFlomce::TFlomce(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TFlomce"))
{
}

} // namespace norvela
