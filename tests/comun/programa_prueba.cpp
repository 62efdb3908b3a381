#include "programa_prueba.h"

#include "datos_entregados.h"
#include "panel_efectos.h"
#include "principal.h"
#include "transiciones_paneles.h"

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
}

} // namespace norvela::pruebas
