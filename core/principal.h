// The main menu: the classic home screen, and the main window unless the
// animated home screen is on.
#pragma once

#include "pantalla.h"

namespace norvela {

class Tform0 : public Pantalla {
    Q_OBJECT
public:
    Tform0(Enlace &enlace, Pantallas &pantallas);

protected:
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
};

} // namespace norvela
