#include "estadistica.h"

namespace norvela {

TEstadisticas::TEstadisticas(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TEstadisticas"))
{
}

} // namespace norvela
