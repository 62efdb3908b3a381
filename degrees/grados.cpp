#include "grados.h"

namespace norvela {

TForm1::TForm1(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm1"))
{
}

void TForm1::botinformacionClick()
{
    // The screen has no views yet: it is already at its start.
}

} // namespace norvela
