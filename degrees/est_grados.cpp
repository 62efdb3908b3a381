#include "est_grados.h"

namespace norvela {

TFormEstGra::TFormEstGra(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TFormEstGra"))
{
}

} // namespace norvela
