// The higher-cycle screen.
#pragma once

#include "pantalla.h"

class QLabel;

namespace norvela {

class TForm8 : public Pantalla {
    Q_OBJECT
public:
    TForm8(Enlace &e, Pantallas &p);

    QLabel *LabelFP1;
    QWidget *PanelFP;
};

} // namespace norvela
