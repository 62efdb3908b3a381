#include "catU.h"

namespace norvela {

TFormCat::TFormCat(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFormCat"))
{
}

} // namespace norvela
