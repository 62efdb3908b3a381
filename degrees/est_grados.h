// The degree statistics charts.
#pragma once

#include "pantalla.h"

namespace norvela {

class TFormEstGra : public Pantalla {
    Q_OBJECT
public:
    TFormEstGra(Enlace &e, Pantallas &p);

protected:
    Pantalla *DestinoAlCerrar() override;
};

} // namespace norvela
