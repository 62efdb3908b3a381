// The title route of the intermediate-cycle screen: family groups,
// families and titles, the map of where the chosen title is taught, and its
// requirements, jobs and subjects.
#include "medio.h"

#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "grupos_fp.h"
#include "lugares_fp.h"
#include "impresion_fp.h"
#include "panel_efectos.h"
#include "ruta_lugares_fp.h"
#include "titulos_fp.h"
#include "titulos_medio.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

void TForm3::botTit2Click()
{
    OcultarMenu();
    PanelSelec->show();
    PanelSelTit->show();
    heli->stop();
    Ruta->estado.RutaPorTitulo = true;
    Ruta->estado.RutaPorLugar = false;
    Ruta->estado.CentrosEnRejilla = false;
    Seleccion->Terminar();
    BotRetrocederFP->show();
    IniciarCodigosProvincia(enlace.CodigoProvincia);
    reja->hide();
    AbrirGrupos();
}

void TForm3::ListTitClick(int fila)
{
    int titulo = 0;
    if (estado.TituloDesdeRejilla) {
        titulo = enlace.ElementoElegido;
    } else if (propio.TituloDesdeCuestionario) {
        titulo = estado.TituloSel;
    } else if (fila >= 0 && fila < static_cast<int>(estado.Titulos.TitulosFamilia.size())) {
        titulo = estado.Titulos.TitulosFamilia[static_cast<size_t>(fila)];
    }
    const bool desdeCuestionario = propio.TituloDesdeCuestionario;
    estado.TituloDesdeRejilla = false;
    propio.TituloDesdeCuestionario = false;
    if (titulo < 1 || titulo > enlace.NumFPMedio)
        return;
    OcultarBocadillo();
    estado.TituloSel = titulo;
    enlace.SeleccionFija = false;
    Ocultar({ListPreFam, ListTit, Labeltitulo, reja, LabAyuGM});
    TimerAyu.stop();
    ayudaGM.OcultarHeli();
    AplicarAyuda();
    const QString nombre = DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPMedio[estado.TituloSel]));
    if (desdeCuestionario) {
        // The title's name in the help line, below the map while the title
        // is open: in sight beside the centres, clear of the lists' captions.
        LabAyuGM->setText(nombre);
        LabAyuGM->adjustSize();
        LabAyuGM->move(PanelEstrellas->x(), PanelEstrellas->geometry().bottom() + 4);
        LabAyuGM->show();
    }
    listSelFP->show();
    PanelSelTit->show();
    PanelCarSel->show();
    // The questionnaire has its own arrows and print button.
    if (!desdeCuestionario)
        MostrarControles({BotPuesto, BotRequisitos, botAsig, BotImprimir, BotRetrocederFP});
    PanelSelTit->clear();
    listSelFP->clear();
    MarcarDondeSeEstudia(estado.TituloSel);
    PanelEstrellas->show();
    ParpadearTitulo(nombre);
}

void TForm3::MostrarVista(const std::vector<std::string> &lineas, int primeraFilaEncabezado, const QString &titulo)
{
    estado.PrimeraFilaEncabezado = primeraFilaEncabezado;
    PanelSelTit->setText(titulo);
    ConTransicion(true, [&] {
        // The print preview may have left its typewriter font and width.
        listSelFP->setFont(font());
        listSelFP->resize(listSelFP->width(), estado.AltoListaSel);
        listSelFP->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        listSelFP->setCursor(Qt::ArrowCursor);
        LlenarVista(listSelFP, lineas, EstilosVistaGM(lineas, primeraFilaEncabezado));
        reja->hide();
        listSelFP->show();
    });
}

void TForm3::BotRequisitosClick()
{
    const std::string codigo = CodigoRequisitosGM(estado.TituloSel, enlace.SeccionGMDesde, enlace.SeccionGMHasta);
    MostrarVista(LineasRequisitosGM(enlace.Requisitos, enlace.NumRequisitos, codigo, enlace.AnchoLista), 1001,
                 QString());
}

void TForm3::BotPuestoClick()
{
    MostrarVista(LineasPuestosGM(enlace, estado.TituloSel), 1001, T(199));
}

void TForm3::botAsigClick()
{
    MostrarVista(LineasAsignaturasGM(enlace, estado.TituloSel, true), 100, T(312));
}

void TForm3::VolverDeRutaPorTitulo()
{
    if (PanelEstrellas->isVisible()) {
        // Back from a title to the family's titles.
        Ocultar({reja, BotPuesto, BotRequisitos, botAsig, BotImprimir, BotTodoFP, PanelMapa, listSelFP});
        mapa->Redibujar();
        TimerEstrellas.stop();
        TimerParpadeo->Detener();
        PanelEstrellas->hide();
        PanelCarSel->clear();
        if (ListPreFam->count() == 0 || estado.Titulos.FamiliasGrupoSel.empty()) {
            // A title opened from the centre grid has no family behind it.
            MostrarGrupos();
            PanelSelTit->setText(T(595));
            ListPreFam->show();
            return;
        }
        estado.Titulos.ListaDeGrupos = false;
        PanelSelTit->setText(T(578));
        MostrarControles({ListPreFam, ListTit, Labeltitulo});
        return;
    }
    // Back from the groups or families: the route closes.
    MostrarGrupos();
    Ocultar({ListPreFam, ListTit, BotPuesto, BotRequisitos, botAsig, BotImprimir, BotTodoFP, PanelEstrellas, PanelMapa,
             PanelSelec, listSelFP, reja, Labeltitulo, BotRetrocederFP, PanelSelTit, PanelCarSel});
    Ruta->estado.RutaPorTitulo = false;
    MostrarMenu();
}

} // namespace norvela
