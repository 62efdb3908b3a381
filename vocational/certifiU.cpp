#include "certifiU.h"

namespace norvela {

TCertifica::TCertifica(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TCertifica"))
{
}

} // namespace norvela
