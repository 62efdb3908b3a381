#include "grados.h"

#include "transiciones.h"

namespace norvela {

namespace {

QRect Limites(const QWidget *control)
{
    return control->geometry();
}

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

void MostrarCon(TTransitionEffect &efecto, QWidget *control, int modo)
{
    if (!control)
        return;
    if (modo == 0) {
        control->setVisible(false);
        efecto.Prepare(control->parentWidget(), Limites(control));
    } else if (modo == 1) {
        control->setVisible(true);
        EjecutarYLiberar(efecto);
    }
}

} // namespace

TForm1::TForm1(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm1"))
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    TransitionList1 = new TTransitionList(this);
    auto *roll = new TRollTransition(TransitionList1);
    roll->Milliseconds = 1000;
    rollo = roll;
    auto *rollArriba = new TRollTransition(TransitionList1);
    rollArriba->Milliseconds = 1000;
    rollArriba->Direction = TTransitionDirection::tedUp;
    rollo2 = rollArriba;
    auto *radial = new TRadialTransition(TransitionList1);
    radial->Milliseconds = 1000;
    radial->Style = 4;
    radial->SmoothingLevel = 2;
    circle = radial;
    auto *pagina = new TPageTransition(TransitionList1);
    pagina->Milliseconds = 1000;
    pagina->Direction = TTransitionDirection::tedRight;
    centro = pagina;
}

void TForm1::botinformacionClick()
{
    // The screen has no views yet: it is already at its start.
}

void TForm1::MostrarConRollo(QWidget *control, int modo)
{
    MostrarCon(*rollo, control, modo);
}

void TForm1::MostrarConCirculo(QWidget *control, int modo)
{
    MostrarCon(*circle, control, modo);
}

void TForm1::OcultarConRollo2(QWidget *control)
{
    if (!control)
        return;
    rollo2->Prepare(control->parentWidget(), Limites(control));
    control->setVisible(false);
    EjecutarYLiberar(*rollo2);
}

} // namespace norvela
