// The professions questionnaire.
#pragma once

#include "pantalla.h"

namespace norvela {

class Tprofe : public Pantalla {
    Q_OBJECT
public:
    Tprofe(Enlace &e, Pantallas &p);

    // Prepares the questionnaire for a new run.
    void BotCuestioClick();
};

} // namespace norvela
