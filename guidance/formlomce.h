// The education-system diagram.
#pragma once

#include "pantalla.h"

class QPushButton;

namespace norvela {

class TFlomce : public Pantalla {
    Q_OBJECT
public:
    TFlomce(Enlace &e, Pantallas &p);

    QPushButton *BotSalirLomce = nullptr;

    // Back to the itinerary screen that opened it.
    void BotSalirLomceClick();

protected:
    Pantalla *DestinoAlCerrar() override;
};

} // namespace norvela
