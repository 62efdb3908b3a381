// Printing on the intermediate-cycle screen: the title's sheet (its
// requirements, jobs and subjects, then where it is taught), with the choice
// of communities when it would be long, and the centre list on the grid.
#include "medio.h"

#include "enlace.h"
#include "impresion_fp.h"
#include "informe_fp_seleccion.h"
#include "informe_fp_titulo.h"
#include "ruta_lugares_fp.h"
#include "titulos_medio.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

void TForm3::BotImprimirClick()
{
    estado.Imprimiendo = true;
    enlace.NumLineasCuestionario = 0;
    if (Ruta->estado.RutaPorLugar)
        ImprimirLista();
    else
        ImprimirTitulo();
    estado.Imprimiendo = false;
}

void TForm3::ImprimirTitulo()
{
    // The sections are built as the screen shows them; the title's name
    // comes from the title list, never from the blinking caption.
    const VistasTitulo vistas =
        VistasDeTituloGM(enlace, enlace.Requisitos, enlace.NumRequisitos, estado.TituloSel, enlace.AnchoLista);
    const std::optional<InformeFP> hoja = HojaDelTitulo(vistas);
    if (!hoja) {
        PedirComunidades();
        return;
    }
    VolcarInforme(*hoja, enlace, &DatosInforme::NumLineasCuestionario);
    reja->hide();
    estado.PrimeraFilaEncabezado = 1001;
    MostrarVistaPreviaFP(listSelFP, *hoja, enlace.AjusteFuente, estado.AltoListaSel);
    ImprimirInforme();
}

void TForm3::ImprimirLista()
{
    const std::optional<InformeFP> informe = Ruta->InformeDeLista();
    if (!informe)
        return;
    VolcarInforme(*informe, enlace, &DatosInforme::NumLineasCuestionario);
    ImprimirInforme();
}

void TForm3::PedirComunidades()
{
    // The student picks the communities on a clean map.
    Ocultar({BotRequisitos, BotPuesto, botAsig, mapac, mapam, listBarcelona, BotCerrar});
    TimerEstrellas.stop();
    mapa->Redibujar();
    PanelEstrellas->show();
    Seleccion->Pedir();
    BotRetrocederFP->show();
}

void TForm3::BotAceptarClick()
{
    if (!Seleccion->Aceptar())
        return;
    MostrarControles({BotRequisitos, BotPuesto, botAsig});
    TimerEstrellas.start();
    BotImprimirClick();
}

void TForm3::ImprimirInforme()
{
    Imprimir(Informe::Columnas(enlace.LineasInforme, enlace.NumLineasCuestionario, true));
}

} // namespace norvela
