// The intermediate-cycle screen.
#pragma once

#include "pantalla.h"

class QTimer;

namespace norvela {

class TForm3 : public Pantalla {
    Q_OBJECT
public:
    TForm3(Enlace &enlace, Pantallas &pantallas);

    // The helicopter intro, played when the screen is shown with it enabled.
    QTimer *heli;
};

} // namespace norvela
