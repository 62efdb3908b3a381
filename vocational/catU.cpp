#include "catU.h"

namespace norvela {

TFormCat::TFormCat(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TFormCat"))
{
}

} // namespace norvela
