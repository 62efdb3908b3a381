#include "programa_prueba.h"

#include "datos_entregados.h"
#include "panel_efectos.h"
#include "principal.h"
#include "transiciones_paneles.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace norvela::pruebas {

ProgramaEntregado::ProgramaEntregado(const QString &nombre, int idioma, const QString &rutaPrograma, bool conReloj,
                                     Mensajes *cajas)
    : e(cajas ? *cajas : m)
{
    OpcionesInicio o = OpcionesEntregadas(nombre, idioma);
    if (!rutaPrograma.isEmpty())
        o.rutaPrograma = rutaPrograma;
    Inicializar(e, o);
    arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
    if (conReloj)
        arranque->pantallas.RelojAnimaciones = &reloj;
    creadas = arranque->CrearPantallas();
    // The first window shows, as the program shows it: the welcome window goes.
    if (creadas)
        arranque->VentanaPrincipal()->show();
    if (TransicionesPaneles *t = arranque->pantallas.Transiciones)
        for (TTransitionEffect *efecto : t->findChildren<TTransitionEffect *>())
            efecto->Milliseconds = 0;
}

void ProgramaEntregado::AbrirPuerta(int codigo)
{
    s().form0->AbrirDestinoPuerta(codigo);
    s().form0->hide();
    // The student sees the screen before reaching for it: a screen built in
    // two steps builds its hidden rest once its first picture is on screen.
    QList<QPointer<QWidget>> vistas;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            vistas.append(w);
    for (const QPointer<QWidget> &w : vistas)
        if (w && w->isVisible() && !QTest::qWaitForWindowExposed(w))
            qWarning("%s never reached the screen", qPrintable(w->objectName()));
    QCoreApplication::processEvents();
}

} // namespace norvela::pruebas
