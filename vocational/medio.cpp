// The intermediate-cycle screen: its making, entry, the three menu buttons
// and leaving.
#include "medio.h"

#include "colores.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "impresion_fp.h"
#include "marco.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "piezas_fp.h"
#include "ruta_lugares_fp.h"
#include "vista_mapa.h"
#include "transiciones_paneles.h"

#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

namespace norvela {

namespace {

// The map is shown half as large again as its picture.
constexpr double kEscalaMapa = 1.5;
// Where the three menu buttons stand once the intro has flown them in.
constexpr int kMenuX = 240;
constexpr int kMenuY[3] = {130, 250, 370};

} // namespace

void TForm3::PrepararDatos(Enlace &e)
{
    e.NumGruposFamilias = 9;
}

TForm3::TForm3(Enlace &e, Pantallas &p) : PantallaFP(e, p, QStringLiteral("TForm3"))
{
    Montar(CierreVentana::PreguntarYTerminar);
}

void TForm3::Completado()
{
    estado.AltoListaSel = listSelFP->height();
    estado.Imprimiendo = false;
}

bool TForm3::ConstruirPrimero()
{
    degradeMapa2 = new EtiquetaActiva(this);
    degradeMapa2->setObjectName(QStringLiteral("degradeMapa2"));
    degradeMapa2->setMouseTracking(true);
    PonerMarcoFP(degradeMapa2);

    LabelFP1 = ConstruirTituloFP(QRect(600, 56, 380, 44));
    auto *ano = new EtiquetaSombreada(QString(), this);
    ano->setObjectName(QStringLiteral("LabelAno"));
    ano->setGeometry(600, 100, 380, 26);
    LabelAno = ano;

    botTit2 = BotonNombrado(this, QStringLiteral("botTit2"), kMenuX, kMenuY[0], 320, 64);
    botLug2 = BotonNombrado(this, QStringLiteral("botLug2"), kMenuX, kMenuY[1], 320, 64);
    botSalir = BotonNombrado(this, QStringLiteral("botSalir"), kMenuX, kMenuY[2], 320, 64);
    OcultarMenu();

    TimerParpadeo = new Parpadeo(this);
    TimerParpadeo->setObjectName(QStringLiteral("TimerParpadeo"));
    heli = new QTimer(this);
    heli->setObjectName(QStringLiteral("heli"));
    heli->setInterval(16);
    // The intro's layer is raised over everything whenever it flies.
    ConstruirIntro();

    // Their look and captions as Estilo and Captions give them.
    setFont(QFont(QStringLiteral("Arial"), 10));
    PonerColor({this}, QPalette::Window, paleta::ColorCrema);
    PonerColor({LabelFP1, LabelAno}, QPalette::WindowText, paleta::ColorTitulo);
    for (QLabel *l : {LabelFP1, LabelAno})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelFP1->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    LabelAno->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    setWindowTitle(T(338));
    LabelFP1->setText(T(512));
    LabelAno->setText(T(175) + QStringLiteral("  2019/20"));
    ConectarBotonesPrimero<TForm3>({{botTit2, 190, &TForm3::botTit2Click},
                                    {botLug2, 276, &TForm3::botLug2Click},
                                    {botSalir, 54, &TForm3::botSalirClick}});
    return true;
}

void TForm3::Construir()
{
    // Lists, grid, their captions and buttons, in the effects panel.
    PanelSelec = ConstruirPanelListas(QStringLiteral("PanelSelec"), QRect(30, 110, 520, 636));
    ConstruirRotulos(PanelSelec, QRect(10, 8, 500, 24), QRect(10, 34, 500, 26));
    ConstruirFamilias(PanelSelec, QRect(10, 66, 500, 301), QRect(10, 376, 500, 22));
    ListTit = ListaPulsableFP(PanelSelec, QStringLiteral("ListTit"), 10, 401, 500, 176);
    ListTit->setAccessibleName(T(190));
    ListTit->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListTit));
    listSelFP = ListaFP(PanelSelec, QStringLiteral("listSelFP"), 10, 66, 500, 511);
    listSelFP->setItemDelegate(new DelegadoVista(listSelFP));
    reja = CrearRejillaCentros(PanelSelec, QStringLiteral("reja"));
    reja->setGeometry(10, 66, 500, 511);
    BotRetrocederFP = BotonNombrado(PanelSelec, QStringLiteral("BotRetrocederFP"), 10, 588, 120, 38);
    BotImprimir = BotonNombrado(PanelSelec, QStringLiteral("BotImprimir"), 140, 588, 120, 38);
    BotTodoFP = BotonNombrado(PanelSelec, QStringLiteral("BotTodoFP"), 270, 588, 240, 38);
    Ocultar({PanelSelTit, PanelCarSel, ListPreFam, Labeltitulo, ListTit, listSelFP, reja, BotRetrocederFP,
             BotImprimir, BotTodoFP, PanelSelec});

    // The map of where a title is taught, and the title's views below it.
    PanelEstrellas = new QWidget(this);
    PanelEstrellas->setObjectName(QStringLiteral("PanelEstrellas"));
    mapa = new VistaMapa(PanelEstrellas, enlace.BmpMapa, QStringLiteral("mapa"), TextoPropio(Propio::MapaEspana),
                         kEscalaMapa);
    PanelEstrellas->setGeometry(575, 140, mapa->width(), mapa->height());
    mapa->move(0, 0);
    PanelEstrellas->hide();
    BotRequisitos = BotonNombrado(this, QStringLiteral("BotRequisitos"), 605, 460, 360, 42);
    BotPuesto = BotonNombrado(this, QStringLiteral("BotPuesto"), 605, 512, 360, 42);
    botAsig = BotonNombrado(this, QStringLiteral("botAsig"), 605, 564, 360, 42);
    Ocultar({BotRequisitos, BotPuesto, botAsig});

    // The hover caption of the maps, over everything.
    ConstruirPanelMapa();
    ConstruirLugares();
    PanelMapa->raise();
    ConstruirCuestionario();
}

void TForm3::Estilo()
{
    EstiloFP(this, paleta::ColorCrema, reja, PanelCarSel, PanelMapa, {PanelSelTit, PanelCarSel, PanelMapa},
             {PanelSelTit, PanelCarSel});
    PanelSelec->PonerColor(paleta::ColorFondo);
    PonerColor({Labeltitulo, LabelFP1, LabelAno}, QPalette::WindowText, paleta::ColorTitulo);
    Labeltitulo->setFont(QFont(QStringLiteral("Arial"), 12));
    for (QLabel *l : {LabelFP1, LabelAno})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LabelFP1->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    LabelAno->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
}

void TForm3::Captions()
{
    PonerTextos(512, {{botTit2, 190}, {botLug2, 276}, {botSalir, 54}, {BotImprimir, 36}, {BotRetrocederFP, 82},
                 {BotPuesto, 191}, {BotRequisitos, 29}, {botAsig, 30}, {BotTodoFP, 391}, {BotCerrar, 13}});
    LabelAno->setText(T(175) + QStringLiteral("  2019/20"));
}

void TForm3::Conectar()
{
    // The menu's buttons were wired with it.
    ConectarBotones<TForm3>({{BotRequisitos, &TForm3::BotRequisitosClick}, {BotPuesto, &TForm3::BotPuestoClick},
                             {botAsig, &TForm3::botAsigClick},
                             {BotRetrocederFP, &TForm3::BotRetrocederFPClick},
                             {BotImprimir, &TForm3::BotImprimirClick}});
    ConectarLugares();
}

void TForm3::showEvent(QShowEvent *evento)
{
    Pantalla::showEvent(evento);
    // A window the desktop gives back (after minimising, say) is not entered again.
    if (!evento->spontaneous())
        Entrar();
}

void TForm3::hideEvent(QHideEvent *evento)
{
    CortarIntro();
    TimerParpadeo->Detener();
    heli->stop();
    PantallaFP::hideEvent(evento);
}

void TForm3::MostrarConHelicoptero()
{
    heli->start();
    Mostrar();
}

void TForm3::PararHelicoptero()
{
    heli->stop();
}

void TForm3::Entrar()
{
    enlace.SeleccionFija = false;
    degradeMapa2->show();
    if (enlace.CuestionarioGM) {
        Completar();
        EntrarCuestionario();
        return;
    }
    // Any other opener: nothing of a questionnaire left on screen (a
    // questionnaire still to be built was never there).
    if (!ConstruccionPendiente())
        OcultarCuestionario();
    if (enlace.IntroHelicoptero) {
        enlace.IntroHelicoptero = false;
        EmpezarIntroHelicoptero();
        return;
    }
    heli->stop();
    MostrarMenu();
}

void TForm3::MostrarMenu()
{
    for (int k = 0; k < 3; ++k) {
        QPushButton *b = k == 0 ? botTit2 : k == 1 ? botLug2 : botSalir;
        b->move(kMenuX, kMenuY[k]);
        b->show();
        b->raise();
    }
}

void TForm3::OcultarMenu()
{
    Ocultar({botTit2, botLug2, botSalir});
}

void TForm3::BotRetrocederFPClick()
{
    degradeMapa2->show();
    // Back ends a community selection: nothing picked, panel gone.
    Seleccion->Terminar();
    if (Ruta->estado.RutaPorLugar)
        VolverDeRutaPorLugar();
    else
        VolverDeRutaPorTitulo();
}

void TForm3::botSalirClick()
{
    OcultarMenu();
    heli->stop();
    TimerEstrellas.stop();
    TimerParpadeo->Detener();
    Seleccion->Terminar();
    Ocultar({listBarcelona, BotCerrar, mapac, mapam, PanelEstrellas, PanelMapa, PanelSelec, listSelFP, reja, ListTit,
             Labeltitulo, PanelSelTit, PanelCarSel, BotRetrocederFP, BotImprimir, BotTodoFP, ListSelLugFP,
             BotRequisitos, BotPuesto, botAsig});
    Ruta->estado.RutaPorTitulo = false;
    Ruta->estado.RutaPorLugar = false;
    Salir(enlace.FPMedioDesdeAsistente);
}

} // namespace norvela
