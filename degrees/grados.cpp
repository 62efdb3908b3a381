#include "grados.h"

namespace norvela {

TForm1::TForm1(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm1"))
{
}

} // namespace norvela
