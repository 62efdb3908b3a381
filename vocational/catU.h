// The title catalogue screen.
#pragma once

#include "pantalla.h"

namespace norvela {

class TFormCat : public Pantalla {
    Q_OBJECT
public:
    TFormCat(Enlace &e, Pantallas &p);
};

} // namespace norvela
