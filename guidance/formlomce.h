// The education-system diagram.
#pragma once

#include "pantalla.h"

namespace norvela {

class TFlomce : public Pantalla {
    Q_OBJECT
public:
    TFlomce(Enlace &enlace, Pantallas &pantallas);
};

} // namespace norvela
