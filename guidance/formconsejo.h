// The degree-area questionnaire.
#pragma once

#include "pantalla.h"

namespace norvela {

class TFormCon : public Pantalla {
    Q_OBJECT
public:
    TFormCon(Enlace &e, Pantallas &p);
};

} // namespace norvela
