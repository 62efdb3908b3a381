// The education-system diagram.
#pragma once

#include "pantalla.h"

class QPushButton;

namespace norvela {

class TFlomce : public Pantalla {
    Q_OBJECT
public:
    TFlomce(Enlace &e, Pantallas &p);

protected:
    Pantalla *DestinoAlCerrar() override;

private:
    // Back to the itinerary screen that opened it.
    void BotSalirLomceClick();

    // Named after its member, as every control.
    QPushButton *BotSalirLomce = nullptr;
};

} // namespace norvela
