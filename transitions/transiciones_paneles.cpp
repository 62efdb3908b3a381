#include "transiciones_paneles.h"

namespace norvela {

namespace {

// Runs the effect when it was prepared; the capture is released even when
// the run fails.
void EjecutarYLiberar(TTransitionEffect &efecto)
{
    try {
        if (efecto.Prepared())
            efecto.Execute();
    } catch (...) {
        efecto.UnPrepare();
        throw;
    }
    efecto.UnPrepare();
}

void MostrarCon(TTransitionEffect &efecto, QWidget *control, PasoTransicion paso)
{
    if (!control)
        return;
    if (paso == PasoTransicion::OcultarYCapturar) {
        control->setVisible(false);
        efecto.Prepare(control->parentWidget(), control->geometry());
    } else {
        control->setVisible(true);
        EjecutarYLiberar(efecto);
    }
}

void CambiarCon(TTransitionEffect &efecto, QWidget *control, const std::function<void()> &cambio)
{
    MostrarCon(efecto, control, PasoTransicion::OcultarYCapturar);
    cambio();
    MostrarCon(efecto, control, PasoTransicion::MostrarYAnimar);
}

} // namespace

TransicionesPaneles::TransicionesPaneles(QObject *padre) : TTransitionList(padre)
{
    auto *roll = new TRollTransition(this);
    roll->Milliseconds = 1000;
    rollo = roll;
    auto *rollArriba = new TRollTransition(this);
    rollArriba->Milliseconds = 1000;
    rollArriba->Direction = TTransitionDirection::tedUp;
    rollo2 = rollArriba;
    auto *radial = new TRadialTransition(this);
    radial->Milliseconds = 1000;
    radial->Style = 4;
    radial->SmoothingLevel = 2;
    circle = radial;
    auto *pagina = new TPageTransition(this);
    pagina->Milliseconds = 1000;
    pagina->Direction = TTransitionDirection::tedRight;
    centro = pagina;
}

void TransicionesPaneles::MostrarConRollo(QWidget *control, PasoTransicion paso)
{
    MostrarCon(*rollo, control, paso);
}

void TransicionesPaneles::MostrarConCirculo(QWidget *control, PasoTransicion paso)
{
    MostrarCon(*circle, control, paso);
}

void TransicionesPaneles::OcultarConRollo2(QWidget *control)
{
    if (!control)
        return;
    rollo2->Prepare(control->parentWidget(), control->geometry());
    control->setVisible(false);
    EjecutarYLiberar(*rollo2);
}

void TransicionesPaneles::CambiarConRollo(QWidget *control, const std::function<void()> &cambio)
{
    CambiarCon(*rollo, control, cambio);
}

void TransicionesPaneles::CambiarConCirculo(QWidget *control, const std::function<void()> &cambio)
{
    CambiarCon(*circle, control, cambio);
}

void CambiarPanel(TransicionesPaneles *efectos, QWidget *panel, bool circulo, const std::function<void()> &cambio)
{
    if (!efectos || !panel->window()->isVisible()) {
        cambio();
        panel->show();
        return;
    }
    if (circulo)
        efectos->CambiarConCirculo(panel, cambio);
    else
        efectos->CambiarConRollo(panel, cambio);
}

} // namespace norvela
