// The family statistics charts.
#pragma once

#include "pantalla.h"

namespace norvela {

class TEstadisticas : public Pantalla {
    Q_OBJECT
public:
    TEstadisticas(Enlace &enlace, Pantallas &pantallas);
};

} // namespace norvela
