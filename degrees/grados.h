// The university-degrees screen. It also owns the transition effects with
// which every screen shows and hides its panels.
#pragma once

#include "pantalla.h"

namespace norvela {

class TTransitionEffect;
class TTransitionList;

class TForm1 : public Pantalla {
    Q_OBJECT
public:
    TForm1(Enlace &e, Pantallas &p);

    // Brings the screen back to its start menu before it is shown.
    void botinformacionClick();

    // Showing and hiding a control with a transition, in two calls around
    // the change: mode 0 hides the control and captures the area, mode 1
    // shows it and animates the area from the capture (at once when nothing
    // was captured); other modes do nothing.
    void MostrarConRollo(QWidget *control, int modo);
    void MostrarConCirculo(QWidget *control, int modo);
    // Captures the control as it is shown, hides it and rolls the area up.
    void OcultarConRollo2(QWidget *control);

    TTransitionList *TransitionList1;
    TTransitionEffect *rollo;
    TTransitionEffect *rollo2;
    TTransitionEffect *circle;
    TTransitionEffect *centro;
};

} // namespace norvela
