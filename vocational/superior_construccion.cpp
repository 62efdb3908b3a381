// How the higher-cycle screen is put together, area by area, in the order
// its widgets stack: frame and start panel, the lists and grid, the title
// menu, the maps and place lists, the community selection, and the maps'
// hover caption over everything.
#include "superior.h"

#include "impresion_fp.h"

#include "colores.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "marco.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "piezas_fp.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

// The maps are shown half as large again as their pictures.
constexpr double kEscalaMapa = 1.5;

} // namespace

bool TForm8::ConstruirPrimero()
{
    ConstruirInicio();
    TimerParpadeo = new Parpadeo(this);
    TimerParpadeo->setObjectName(QStringLiteral("TimerParpadeo"));
    // Their look and captions as Estilo and Captions give them.
    setFont(QFont(QStringLiteral("Arial"), 10));
    PonerColor({this}, QPalette::Window, paleta::ColorCrema);
    PonerColor({PanelFP}, QPalette::Window, paleta::ColorFondo);
    LabelFP1->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    PonerColor({LabelFP1}, QPalette::WindowText, paleta::ColorTitulo);
    setWindowTitle(T(338));
    LabelFP1->setText(T(513));
    ConectarBotonesPrimero<TForm8>({{MenuFP1, 316, &TForm8::MenuFP1Click},
                                    {MenuFP2, 317, &TForm8::MenuFP2Click},
                                    {menuFP3, 82, &TForm8::menuFP3Click}});
    return true;
}

void TForm8::Construir()
{
    ConstruirListas();
    ConstruirMenuTitulo();
    ConstruirMapas();
    ConstruirSeleccion();
    ConstruirPista();
}

// The frame, the heading and the start panel.
void TForm8::ConstruirInicio()
{
    degradeini = new EtiquetaActiva(this);
    degradeini->setMouseTracking(true);
    PonerMarcoFP(degradeini);

    LabelFP1 = ConstruirTituloFP(QRect(600, 62, 380, 44));
    LabelFP1->hide();

    // Start panel.
    PanelFP = ConstruirColumnaBotones(QStringLiteral("PanelFP"), QRect(620, 230, 340, 230), QRect(20, 20, 300, 50), 70,
                                      {{&MenuFP1, "MenuFP1"}, {&MenuFP2, "MenuFP2"}, {&menuFP3, "menuFP3"}});
}

// The captions over the lists, and PanelSel with the lists, the grid and their buttons.
void TForm8::ConstruirListas()
{
    ConstruirRotulos(this, QRect(40, 96, 500, 24), QRect(40, 122, 500, 26));

    // Lists, grid and their buttons.
    PanelSel = ConstruirPanelListas(QStringLiteral("PanelSel"), QRect(40, 150, 500, 590));
    PanelSel->PonerTranslucencia(220);
    reja = CrearRejillaCentros(PanelSel, QStringLiteral("reja"));
    reja->setGeometry(10, 10, 480, 520);
    reja->hide();
    listSelFP = ListaFP(PanelSel, QStringLiteral("listSelFP"), 10, 10, 480, 520);
    listSelFP->setItemDelegate(new DelegadoVista(listSelFP));
    listSelFP->hide();
    ConstruirFamilias(PanelSel, QRect(10, 10, 480, 301), QRect(10, 321, 480, 22));
    Ocultar({ListPreFam, Labeltitulo});
    ListTitFP = ListaPulsableFP(PanelSel, QStringLiteral("ListTitFP"), 10, 346, 480, 180);
    ListTitFP->setAccessibleName(T(190));
    ListTitFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListTitFP));
    ListTitFP->hide();
    BotRetrocederFP = BotonNombrado(PanelSel, QStringLiteral("BotRetrocederFP"), 10, 540, 100, 36);
    BotImprimir = BotonNombrado(PanelSel, QStringLiteral("BotImprimir"), 115, 540, 100, 36);
    botTodaFP = BotonNombrado(PanelSel, QStringLiteral("botTodaFP"), 220, 540, 180, 36);
    BotInternetC = BotonNombrado(PanelSel, QStringLiteral("BotInternetC"), 405, 540, 85, 36);
    BotInternetC->setText(QStringLiteral("www"));
    for (QPushButton *b : {BotRetrocederFP, BotImprimir, botTodaFP, BotInternetC})
        b->hide();
    PanelSel->hide();
}

void TForm8::ConstruirMenuTitulo()
{
    // Title menu and statistics.
    PanelFpTit = ConstruirColumnaBotones(QStringLiteral("PanelFpTit"), QRect(590, 150, 390, 376),
                                         QRect(15, 12, 360, 44), 52,
                                         {{&MenuFpTit1, "MenuFpTit1"},
                                          {&MenuFpTit2, "MenuFpTit2"},
                                          {&MenuFpTit3, "MenuFpTit3"},
                                          {&MenuFpTit4, "MenuFpTit4"},
                                          {&MenuFpTit5, "MenuFpTit5"},
                                          {&MenuFpTit6, "MenuFpTit6"},
                                          {&MenuFPTitEst, "MenuFPTitEst"}});
    PanelEstadistica = ConstruirColumnaBotones(
        QStringLiteral("PanelEstadistica"), QRect(590, 540, 390, 170), QRect(10, 10, 370, 44), 52,
        {{&ButtonEstad1, "ButtonEstad1"}, {&ButtonEstad2, "ButtonEstad2"}, {&ButtonEstad3, "ButtonEstad3"}});
}

void TForm8::ConstruirMapas()
{
    // Maps: Spain in PanelEstrellas; the detail maps and the place lists in its place.
    PanelEstrellas = new QWidget(this);
    PanelEstrellas->setObjectName(QStringLiteral("PanelEstrellas"));
    mapa = new VistaMapa(this, enlace.BmpMapa, QStringLiteral("mapa"), TextoPropio(Propio::MapaEspana), kEscalaMapa);
    PanelEstrellas->setGeometry(570, 200, mapa->width(), mapa->height());
    mapa->setParent(PanelEstrellas);
    mapa->move(0, 0);
    mapa->show();
    PanelEstrellas->hide();
    ConstruirMapasDetalle(QPoint(570, 150), kEscalaMapa);
    ListSelLugFP = ListaPulsableFP(this, QStringLiteral("ListSelLugFP"), 590, 170, 390, 440);
    ListSelLugFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListSelLugFP));
    ListSelLugFP->hide();
    listBarcelona = ListaPulsableFP(this, QStringLiteral("listBarcelona"), 590, 490, 290, 250);
    listBarcelona->hide();
    BotCerrar = BotonNombrado(this, QStringLiteral("BotCerrar"), 885, 490, 95, 30);
    BotCerrar->hide();
}

void TForm8::ConstruirSeleccion()
{
    // Communities for a long title sheet, below the map they are picked on.
    Seleccion = new SeleccionImpresionFP(enlace, this, 590, 500);
    PanelImp = Seleccion->PanelImp;
    LabelSelCom1 = Seleccion->LabelSelCom1;
    LabelSelCom2 = Seleccion->LabelSelCom2;
    ListImp = Seleccion->ListImp;
    BotAceptar = Seleccion->BotAceptar;
}

void TForm8::ConstruirPista()
{
    // The hover caption of the maps, over everything.
    ConstruirPanelMapa();
    for (VistaMapa *m : {mapa, mapac, mapam})
        m->PonerPista(PistaMapaFP(PanelMapa));
}

} // namespace norvela
