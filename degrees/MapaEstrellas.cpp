#include "MapaEstrellas.h"

namespace norvela {

TForm7::TForm7(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm7"))
{
}

} // namespace norvela
