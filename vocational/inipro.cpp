#include "inipro.h"

#include "ansi.h"
#include "cadenas.h"
#include "colores.h"
#include "controles_fp.h"
#include "nivel_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "inipro_delegados.h"
#include "mapa_regiones.h"
#include "marco.h"
#include "panel_efectos.h"
#include "paleta.h"
#include "pantallas.h"
#include "piezas_fp.h"
#include "ruta_lugares_fp.h"
#include "textos_propios.h"
#include "transiciones_paneles.h"
#include "vista_mapa.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

// The map is shown 303 pixels wide.
constexpr double kEscalaMapa = 303.0 / 281.0;
// The family list's height.
constexpr int kAltoFamilias = 135;

} // namespace

TablasFPB TFIniPro::PrepararDatos(Enlace &e)
{
    TablasFPB tablas;
    CargarTablasFPB(e, tablas);
    if (e.ErrorFicheros)
        return tablas;
    e.SeleccionFija = false;
    IniciarCodigosProvincia(e.CodigoProvincia);
    return tablas;
}

TFIniPro::TFIniPro(Enlace &e, Pantallas &p, TablasFPB tablas)
    : PantallaFP(e, p, QStringLiteral("TFIniPro")), datos(std::move(tablas))
{
    // The close box goes back home without asking.
    PonerCierre(CierreVentana::Volver);
    Pitido = [] { QApplication::beep(); };
    Construir();
    estado.Imprimiendo = false;
    Captions();
    propio.GrupoRaton = 0;

    if (enlace.ErrorFicheros)
        return;
    for (int g = 1; g <= kGruposFPB; ++g) {
        auto *item = new QListWidgetItem(DesdeAnsi(datos.Grupos.GruposFPBasica[static_cast<size_t>(g)]), ListSelFp);
        item->setData(Qt::DecorationRole, IconoEstudios(IconoGrupoFPB(g - 1)));
    }
    PanelSelTit0->show();

    Estilo();
    CrearRuta();
    Conectar();
    propio.ContadorParpadeo = 0;
    // The group list's heading blinks from the start.
    TimerAyu->Iniciar([this](bool mostrar) { PanelSelTit0->setText(mostrar ? T(577).trimmed() : QString()); });
}

void TFIniPro::CrearRuta()
{
    ControlesRutaFP c = ControlesRuta();
    c.listSelFP = Listsel;
    NivelFPDatos nivel = NivelBasica(enlace, datos.CentrosFPB2);
    nivel.gruposFamilias = &datos.Grupos.FamiliasGrupoFPBasica;
    nivel.numGrupos = kGruposFPB;
    CrearRutaFP(std::move(nivel), c, panelsel);
    Ruta->ComunidadElegida = [this](int) { propio.ComunidadElegidaFPB = true; };
    Ruta->SinCentros = [this] {
        if (Pitido)
            Pitido();
    };
    mapa->PonerPista(PistaMapaFP(PanelMapa));
}

void TFIniPro::Construir()
{
    degradeMapa2 = new EtiquetaActiva(this);
    degradeMapa2->setMouseTracking(true);
    PonerMarcoFP(degradeMapa2);
    degradeMapa2->setObjectName(QStringLiteral("degradeMapa2"));

    LabelFPIp1 = new QLabel(this);
    LabelFPIp1->setObjectName(QStringLiteral("LabelFPIp1"));
    LabelFPIp1->setGeometry(60, 56, 620, 44);
    LabelAno = new QLabel(this);
    LabelAno->setObjectName(QStringLiteral("LabelAno"));
    LabelAno->setGeometry(700, 56, 280, 44);
    LabelAno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The map, under the group list that covers it.
    mapa = new VistaMapa(this, enlace.BmpMapa, QStringLiteral("mapa"), TextoPropio(Propio::MapaEspana), kEscalaMapa);
    mapa->move(130, 158);
    mapa->setCursor(Qt::PointingHandCursor);
    mapa->hide();
    ListSelLugFP = ListaPulsableFP(this, QStringLiteral("ListSelLugFP"), 148, 176, 245, 217);
    ListSelLugFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListSelLugFP));
    ListSelLugFP->hide();

    // Groups.
    PanelSelTit0 = PanelTextoFP(this, QStringLiteral("PanelSelTit0"), 112, 110, 321, 30);
    ListSelFp = ListaPulsableFP(this, QStringLiteral("ListSelFp"), 112, 144, 321, 281);
    ListSelFp->setAccessibleName(T(577));
    ListSelFp->setItemDelegate(new DelegadoIconoTexto(50, 6, 31, ListSelFp));
    ListSelFp->setMouseTracking(true);
    ListSelFp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListSelFp->hide();
    BotLug = BotonNombrado(this, QStringLiteral("BotLug"), 112, 436, 321, 36);
    BotLug->hide();

    // Captions over the lists.
    ConstruirRotulos(this, QRect(488, 130, 445, 28), QRect(488, 98, 445, 28));

    // The lists and grid of the chosen group, family and title.
    panelsel = ConstruirPanelListas(QStringLiteral("panelsel"), QRect(488, 164, 445, 345));
    ConstruirFamilias(panelsel, QRect(10, 10, 425, 103), QRect(10, 107, 425, 22));
    Labeltitulo->hide();
    ListTitFP = ListaPulsableFP(panelsel, QStringLiteral("ListTitFP"), 10, 132, 425, 96);
    ListTitFP->setAccessibleName(T(190));
    ListTitFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListTitFP));
    ListTitFP->setMouseTracking(true);
    ListTitFP->hide();
    ListFPExpli = ListaFP(panelsel, QStringLiteral("ListFPExpli"), 25, 238, 410, 100);
    ListFPExpli->setSelectionMode(QAbstractItemView::NoSelection);
    ListFPExpli->setAccessibleName(TextoPropio(Propio::InformacionTitulo));
    ListFPExpli->setFocusPolicy(Qt::NoFocus);
    ListFPExpli->hide();
    reja = CrearRejillaCentros(panelsel, QStringLiteral("reja"));
    reja->setGeometry(10, 10, 425, 325);
    reja->setColumnWidth(0, 335);
    reja->setColumnWidth(1, 72);
    reja->hide();
    Listsel = ListaFP(panelsel, QStringLiteral("Listsel"), 10, 10, 425, 325);
    Listsel->setAccessibleName(TextoPropio(Propio::InformacionTitulo));
    Listsel->setItemDelegate(new DelegadoListsel(Listsel));
    Listsel->hide();
    panelsel->hide();

    // Buttons of a chosen title, and back.
    BotRequisitos = BotonNombrado(this, QStringLiteral("BotRequisitos"), 488, 520, 145, 36);
    BotAsig = BotonNombrado(this, QStringLiteral("BotAsig"), 638, 520, 145, 36);
    BotTra = BotonNombrado(this, QStringLiteral("BotTra"), 788, 520, 145, 36);
    BotImprimir = BotonNombrado(this, QStringLiteral("BotImprimir"), 638, 562, 145, 36);
    BotRetrocederFP = BotonNombrado(this, QStringLiteral("BotRetrocederFP"), 788, 562, 145, 36);
    Ocultar({BotRequisitos, BotAsig, BotTra, BotImprimir, BotRetrocederFP});

    // The hover caption of the map, over everything.
    ConstruirPanelMapa();

    TimerParpadeo = new Parpadeo(this, 8, &propio.ContadorParpadeo);
    TimerParpadeo->setObjectName(QStringLiteral("TimerParpadeo"));
    TimerAyu = new Parpadeo(this, 12, &propio.ContadorParpadeo);
    TimerAyu->setObjectName(QStringLiteral("TimerAyu"));
}

void TFIniPro::Estilo()
{
    EstiloFP(this, paleta::ColorFondo, reja, PanelCarSel, PanelMapa, {PanelSelTit0, PanelSelTit, PanelCarSel, PanelMapa},
             {PanelSelTit0, PanelSelTit, PanelCarSel, Labeltitulo});
    for (QLabel *l : {PanelSelTit0, PanelSelTit})
        l->setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    for (QListWidget *l : findChildren<QListWidget *>())
        l->setFont(QFont(QStringLiteral("Arial"), 10));
    reja->setFont(QFont(QStringLiteral("Arial"), 9));
    Labeltitulo->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    PonerColor({LabelFPIp1, LabelAno}, QPalette::WindowText, paleta::ColorTitulo);
    LabelFPIp1->setFont(QFont(QStringLiteral("Arial"), 22, QFont::Bold));
    LabelAno->setFont(QFont(QStringLiteral("Arial"), 22));
}

void TFIniPro::Captions()
{
    LabelAno->setText(T(175) + QStringLiteral("  2019/20"));
    PonerTextos(0, {{BotRequisitos, 277}, {BotAsig, 30}, {BotTra, 278}, {BotImprimir, 36}, {BotLug, 584},
                 {BotRetrocederFP, 82}});
    PanelSelTit0->setText(T(577));
    const std::string cabecera = enlace.NumRequisitos >= 54 ? enlace.Requisitos[54] : std::string();
    LabelFPIp1->setText(DesdeAnsi(Cortar(cabecera.size() > 3 ? cabecera.substr(3) : std::string(), 60)).trimmed());
}

void TFIniPro::Conectar()
{
    // The group and title lists follow the mouse row by row.
    ListSelFp->viewport()->installEventFilter(this);
    ListTitFP->viewport()->installEventFilter(this);
    connect(ListSelFp, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { ListSelFpMouseUp(ListSelFp->row(i)); });
    PonerListaTitulos(ListTitFP, kAltoFamilias, [this](int fila) { ListTitFPMouseUp(fila); });
    ConectarBotones<TFIniPro>({{BotRequisitos, &TFIniPro::BotRequisitosClick}, {BotAsig, &TFIniPro::botAsigClick},
                               {BotTra, &TFIniPro::BotTraClick}, {BotLug, &TFIniPro::BotLugClick},
                               {BotImprimir, &TFIniPro::BotImprimirClick},
                               {BotRetrocederFP, &TFIniPro::BotRetrocederFPClick}});
    ConectarRuta(degradeMapa2);
}

bool TFIniPro::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::MouseMove) {
        const QPoint punto = static_cast<QMouseEvent *>(evento)->position().toPoint();
        if (objeto == ListSelFp->viewport())
            ListSelFpMouseMove(ListSelFp->indexAt(punto).row());
        else if (objeto == ListTitFP->viewport())
            ListTitFPMouseMove(ListTitFP->indexAt(punto).row());
    }
    return Pantalla::eventFilter(objeto, evento);
}

void TFIniPro::AbrirPorTitulo()
{
    Ruta->estado.RutaPorTitulo = true;
    Ruta->estado.RutaPorLugar = false;
    MostrarControles({ListSelFp, BotLug, BotRetrocederFP});
    Mostrar();
}

void TFIniPro::IrAInicio()
{
    // The screen has no flag of its own among those the assistant sets.
    bool propia = false;
    Salir(propia);
}

void TFIniPro::AlVolverPorCierre()
{
    BotRetrocederFPClick();
}

void TFIniPro::BotRetrocederFPClick()
{
    // Out of a province's localities or centres, to the province list.
    if (Ruta->VolverAProvincias())
        return;
    if (Ruta->estado.RutaPorLugar) {
        mapa->Redibujar();
        TimerEstrellas.stop();
        if (!mapa->isHidden()) {
            Ocultar({reja, PanelSelTit, PanelCarSel, BotImprimir, ListSelLugFP, panelsel, Listsel, mapa, PanelMapa,
                     BotRetrocederFP});
            VaciarRejilla(reja);
            IrAInicio();
            return;
        }
        // Back to the map.
        Ruta->VolverAlMapa();
        Ocultar({BotImprimir, ListSelFp, PanelSelTit0, ListFPExpli, panelsel, Listsel, PanelCarSel});
        PanelSelTit->setText(T(190));
        return;
    }
    if (!Ruta->estado.RutaPorTitulo)
        return;
    if (ListSelFp->isHidden()) {
        // A title was chosen: its families and titles again.
        Listsel->hide();
        VaciarRejilla(reja);
        reja->hide();
        MostrarControles({ListSelFp, PanelSelTit0, PanelSelTit, PanelCarSel, panelsel, ListPreFam, ListFPExpli,
                          ListTitFP, Labeltitulo});
        ListSelFp->raise();
        mapa->Redibujar();
        TimerEstrellas.stop();
        return;
    }
    Ocultar({ListSelFp, PanelSelTit0, panelsel, ListPreFam, ListTitFP, ListFPExpli, Labeltitulo, Listsel, reja,
             PanelSelTit, PanelCarSel, mapa, PanelMapa, ListSelLugFP, BotLug, BotRequisitos, BotAsig, BotTra,
             BotImprimir, BotRetrocederFP});
    IrAInicio();
}

} // namespace norvela
