// The basic-cycle screen.
#pragma once

#include "pantalla.h"

class QListWidget;
class QPushButton;

namespace norvela {

class TFIniPro : public Pantalla {
    Q_OBJECT
public:
    TFIniPro(Enlace &e, Pantallas &p);

    QListWidget *ListSelFp;
    QPushButton *BotLug;
    QPushButton *BotRetrocederFP;
};

} // namespace norvela
