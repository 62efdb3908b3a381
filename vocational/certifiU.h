// The professional certificates screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class TCertifica : public Pantalla {
    Q_OBJECT
public:
    TCertifica(Enlace &e, Pantallas &p);
};

} // namespace norvela
