// The higher-cycle screen.
#pragma once

#include "pantalla.h"

class QLabel;

namespace norvela {

class TForm8 : public Pantalla {
    Q_OBJECT
public:
    TForm8(Enlace &enlace, Pantallas &pantallas);

    QLabel *LabelFP1;
    QWidget *PanelFP;
};

} // namespace norvela
