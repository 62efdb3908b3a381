#include "pasarelaFP.h"

namespace norvela {

TForm6::TForm6(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm6"))
{
}

} // namespace norvela
