// The education-system diagram.
#pragma once

#include "pantalla.h"

namespace norvela {

class TFlomce : public Pantalla {
    Q_OBJECT
public:
    TFlomce(Enlace &e, Pantallas &p);
};

} // namespace norvela
