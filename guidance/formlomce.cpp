#include "formlomce.h"

namespace norvela {

TFlomce::TFlomce(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFlomce"))
{
}

} // namespace norvela
