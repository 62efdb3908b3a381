// The university-degrees screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class TForm1 : public Pantalla {
    Q_OBJECT
public:
    TForm1(Enlace &enlace, Pantallas &pantallas);

    // Brings the screen back to its start menu before it is shown.
    void botinformacionClick();
};

} // namespace norvela
