// Showing and hiding a panel, list or picture of any screen with a
// transition: the program's one set of panel effects and the routines every
// screen calls for its own panels. A change is made in two steps around it:
// the first hides the control and captures its area, the second shows it
// and animates the area from the capture to its new look.
#pragma once

#include "transiciones.h"

#include <functional>

namespace norvela {

enum class PasoTransicion {
    OcultarYCapturar,   // hides the control, then captures its area
    MostrarYAnimar,     // shows the control and animates from the capture (at once when none)
};

class TransicionesPaneles : public TTransitionList {
    Q_OBJECT
public:
    // The four effects: rolls down and up, radial, and a page turn that
    // nothing runs; 1000 ms each.
    explicit TransicionesPaneles(QObject *padre = nullptr);

    void MostrarConRollo(QWidget *control, PasoTransicion paso);
    void MostrarConCirculo(QWidget *control, PasoTransicion paso);
    // Captures the control as it is shown, hides it and rolls the area up.
    void OcultarConRollo2(QWidget *control);

    // Both steps round `cambio`, which fills the control while it is hidden.
    void CambiarConRollo(QWidget *control, const std::function<void()> &cambio);
    void CambiarConCirculo(QWidget *control, const std::function<void()> &cambio);

    // A run that fails still releases its capture, and the error reaches the caller.
    TTransitionEffect *rollo = nullptr;
    TTransitionEffect *rollo2 = nullptr;
    TTransitionEffect *circle = nullptr;
    TTransitionEffect *centro = nullptr;
};

// Changes a screen's panel with a roll or a circle when the screen is on view
// and the effects are there; otherwise changes it at once and shows it.
void CambiarPanel(TransicionesPaneles *efectos, QWidget *panel, bool circulo, const std::function<void()> &cambio);

} // namespace norvela
