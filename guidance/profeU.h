// The professions questionnaire.
#pragma once

#include "pantalla.h"

namespace norvela {

class Tprofe : public Pantalla {
    Q_OBJECT
public:
    Tprofe(Enlace &enlace, Pantallas &pantallas);
};

} // namespace norvela
