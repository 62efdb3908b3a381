// The university-degrees screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class TForm1 : public Pantalla {
    Q_OBJECT
public:
    TForm1(Enlace &enlace, Pantallas &pantallas);
};

} // namespace norvela
