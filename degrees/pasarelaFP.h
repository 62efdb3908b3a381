// The cut-off marks and subject-weighting screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class TForm6 : public Pantalla {
    Q_OBJECT
public:
    TForm6(Enlace &e, Pantallas &p);

protected:
    Pantalla *DestinoAlCerrar() override;
};

} // namespace norvela
