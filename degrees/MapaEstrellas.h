// The region-map window of the degrees screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class TForm7 : public Pantalla {
    Q_OBJECT
public:
    TForm7(Enlace &e, Pantallas &p);
};

} // namespace norvela
