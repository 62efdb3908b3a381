#include "estadistica.h"

#include "superior.h"
#include "pantallas.h"

namespace norvela {

TEstadisticas::TEstadisticas(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TEstadisticas"))
{
}

// The close box goes back to the screen that opened this one.
Pantalla *TEstadisticas::DestinoAlCerrar()
{
    return pantallas.Form8;
}

} // namespace norvela
