// The intermediate-cycle screen.
#pragma once

#include "pantalla.h"

class QTimer;

namespace norvela {

class TForm3 : public Pantalla {
    Q_OBJECT
public:
    TForm3(Enlace &e, Pantallas &p);

    // The helicopter intro, played when the screen is shown with it enabled.
    QTimer *heli = nullptr;
};

} // namespace norvela
