// The place route of the intermediate-cycle screen: the shared FP route on
// this screen's maps, lists and grid, for the intermediate level; its entry
// from the menu, a title opened from the centre grid, and its back steps.
#include "medio.h"

#include "ansi.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "impresion_fp.h"
#include "lugares_fp.h"
#include "nivel_fp.h"
#include "piezas_fp.h"
#include "panel_efectos.h"
#include "ruta_lugares_fp.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

// The maps are shown half as large again as their pictures.
constexpr double kEscalaMapa = 1.5;
// The family list's height while it shows a group's families.
constexpr int kAltoFamilias = 169;

} // namespace

void TForm3::ConstruirLugares()
{
    ConstruirMapasDetalle(PanelEstrellas->pos(), kEscalaMapa);
    ListSelLugFP = ListaPulsableFP(this, QStringLiteral("ListSelLugFP"), 595, 150, 380, 440);
    ListSelLugFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListSelLugFP));
    listBarcelona = ListaPulsableFP(this, QStringLiteral("listBarcelona"), 595, 480, 290, 250);
    Ocultar({ListSelLugFP, listBarcelona});
    BotCerrar = BotonNombrado(this, QStringLiteral("BotCerrar"), 890, 480, 85, 30);
    BotCerrar->hide();
    LlenarComarcasBarcelona();

    // Communities for a long title sheet, below the map they are picked on.
    Seleccion = new SeleccionImpresionFP(enlace, this, 590, 450);

    // The maps' hover caption as on the other FP screens: it widens for a
    // long name.
    const PistaMapa pista = PistaMapaFP(PanelMapa);
    for (VistaMapa *m : {mapa, mapac, mapam})
        m->PonerPista(pista);

    ControlesRutaFP c = ControlesRuta();
    c.botTodaFP = BotTodoFP;
    CrearRutaFP(NivelMedio(enlace), c, PanelSelec);
    PonerListaTitulos(ListTit, kAltoFamilias, [this](int fila) { ListTitClick(fila); });
    Ruta->AnadirSeleccion = [this](int comunidad) {
        if (!Seleccion->Abierta())
            return false;
        Seleccion->Anadir(comunidad);
        return true;
    };
    Ruta->AbrirTitulo = [this](int titulo) { AbrirTituloDeRejilla(titulo); };
    Ruta->ComunidadElegida = [this](int comunidad) { propio.ComunidadGM = comunidad; };
    Ruta->CentrosListados = [this](const std::vector<FilaRejilla> &filas) { CentrosCuestionario(filas); };
}

void TForm3::ConectarLugares()
{
    // The panel shows before the route answers the click.
    connect(mapa, &VistaMapa::pulsado, this, &TForm3::mapaClick);
    ConectarRuta(degradeMapa2);
    connect(Seleccion->BotAceptar, &QPushButton::clicked, this, &TForm3::BotAceptarClick);
}

void TForm3::mapaClick()
{
    if (!Seleccion->Abierta())
        PanelSelec->show();
}

void TForm3::botLug2Click()
{
    Ruta->estado.RutaPorTitulo = false;
    Ruta->estado.RutaPorLugar = true;
    heli->stop();
    Seleccion->Terminar();
    OcultarMenu();
    Ocultar({ListPreFam, ListTit, Labeltitulo, listSelFP, BotRequisitos, BotPuesto, botAsig, BotImprimir, BotTodoFP});
    TimerEstrellas.stop();
    TimerParpadeo->Detener();
    mapa->Redibujar();
    MostrarMapaDeRuta();
    IniciarCodigosProvincia(enlace.CodigoProvincia);
    reja->setCursor(Qt::PointingHandCursor);
    Ruta->estado.CentrosEnRejilla = true;
    Ruta->estado.TodaFP = false;
    BotTodoFP->setText(T(391));
}

void TForm3::MostrarMapaDeRuta()
{
    PanelSelec->show();
    MostrarControles({PanelEstrellas, PanelCarSel, PanelSelTit, reja, BotRetrocederFP});
    PanelSelTit->setText(T(190) + QStringLiteral(" - ") + T(390));
    VaciarRejilla(reja);
    PanelCarSel->clear();
}

void TForm3::AbrirTituloDeRejilla(int titulo)
{
    enlace.ElementoElegido = titulo;
    estado.TituloDesdeRejilla = true;
    Ruta->estado.LocalidadesListadas = false;
    Ocultar({ListSelLugFP, BotImprimir, BotTodoFP, PanelMapa, BotRetrocederFP});
    VaciarRejilla(reja);
    MostrarControles({PanelSelec, listSelFP, PanelSelTit, PanelCarSel});
    Ruta->estado.RutaPorLugar = false;
    Ruta->estado.RutaPorTitulo = true;
    // The families behind the title are not known: back goes to the groups.
    estado.Titulos.FamiliasGrupoSel.clear();
    ListPreFam->clear();
    ListTitClick(-1);
}

void TForm3::VolverDeRutaPorLugar()
{
    // From the localities of a community with several provinces, to its provinces.
    if (Ruta->VolverAProvincias())
        return;
    if (PanelEstrellas->isVisible()) {
        CerrarRutaPorLugar();
        return;
    }
    // From a province, district or zone list (or the localities of a
    // one-province community) to the map as the route opened: the back
    // button stays, and closes the route from there.
    Ruta->VolverAlMapa();
    Ocultar({ListSelLugFP, BotImprimir, BotTodoFP, listSelFP});
    MostrarMapaDeRuta();
}

void TForm3::CerrarRutaPorLugar()
{
    Ocultar({BotImprimir, BotTodoFP, PanelEstrellas, mapac, mapam, listBarcelona, BotCerrar, PanelMapa, ListSelLugFP,
             reja, PanelSelTit, PanelCarSel, BotRetrocederFP, PanelSelec, listSelFP});
    mapa->Redibujar();
    TimerEstrellas.stop();
    VaciarRejilla(reja);
    reja->setCursor(Qt::ArrowCursor);
    Ruta->estado.CentrosEnRejilla = false;
    Ruta->estado.TodaFP = false;
    Ruta->estado.RutaPorLugar = false;
    MostrarMenu();
}

} // namespace norvela
