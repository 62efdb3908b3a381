#include "est_grados.h"

#include "grados.h"
#include "pantallas.h"

namespace norvela {

TFormEstGra::TFormEstGra(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFormEstGra"))
{
}

// The close box goes back to the screen that opened this one.
Pantalla *TFormEstGra::DestinoAlCerrar()
{
    return pantallas.Form1;
}

} // namespace norvela
