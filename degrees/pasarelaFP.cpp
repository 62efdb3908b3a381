#include "pasarelaFP.h"

#include "grados.h"
#include "pantallas.h"

namespace norvela {

TForm6::TForm6(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm6"))
{
}

// The close box goes back to the screen that opened this one.
Pantalla *TForm6::DestinoAlCerrar()
{
    return pantallas.Form1;
}

} // namespace norvela
