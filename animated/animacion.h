// The animated home screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class Tform9 : public Pantalla {
    Q_OBJECT
public:
    Tform9(Enlace &e, Pantallas &p);
};

} // namespace norvela
