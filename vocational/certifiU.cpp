#include "certifiU.h"

namespace norvela {

TCertifica::TCertifica(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TCertifica"))
{
}

} // namespace norvela
