// The family statistics charts.
#pragma once

#include "pantalla.h"

namespace norvela {

class TEstadisticas : public Pantalla {
    Q_OBJECT
public:
    TEstadisticas(Enlace &e, Pantallas &p);

protected:
    Pantalla *DestinoAlCerrar() override;
};

} // namespace norvela
