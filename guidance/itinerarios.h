// The itineraries screen.
#pragma once

#include "pantalla.h"

class QLabel;
class QPushButton;

namespace norvela {

class TForm2 : public Pantalla {
    Q_OBJECT
public:
    TForm2(Enlace &e, Pantallas &p);

    QPushButton *BotLOMCE = nullptr;
    QPushButton *botCuestio = nullptr;
    QLabel *degradeIti = nullptr;
};

} // namespace norvela
