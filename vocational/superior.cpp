#include "superior.h"

#include "ansi.h"
#include "cargas_columnas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "lugares_fp.h"
#include "marco.h"
#include "mapa_regiones.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "transiciones_paneles.h"
#include "ruta_lugares_fp.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

const QColor kCrema(255, 239, 206);
const QColor kCeleste(223, 236, 249);
const QColor kGranate(128, 0, 0);
// The maps are shown half as large again as their pictures.
constexpr double kEscalaMapa = 1.5;

QListWidget *Lista(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    auto *l = new QListWidget(padre);
    l->setObjectName(nombre);
    l->setAccessibleName(nombre);
    l->setGeometry(x, y, w, h);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

QLabel *PanelTexto(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    auto *l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setGeometry(x, y, w, h);
    l->setAutoFillBackground(true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QWidget *Panel(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    auto *p = new QWidget(padre);
    p->setObjectName(nombre);
    p->setGeometry(x, y, w, h);
    p->setAutoFillBackground(true);
    return p;
}

} // namespace

TForm8::TForm8(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm8"))
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    DialogoImprimir = [this](const Informe &informe) { return ImprimirConDialogo(enlace, informe, this); };
    Construir();
    Estilo();
    Captions();
    CrearRuta();
    Conectar();

    IniciarCodigosProvincia(enlace.CodigoProvincia);
    // The districts of Catalonia and the zones of Madrid, and the centres'
    // codes in them, which the intermediate-cycle screen reads too.
    CargarCodigosSuperior(enlace, enlace.Fichero(QStringLiteral("comarcas")), enlace.NumComarcas, 20);
    CargarZonasSuperior(enlace, enlace.Fichero(QStringLiteral("comarcasm")), enlace.NumZonas, 25);
    for (int r = kPrimeraSubcomarca; r <= enlace.NumComarcas && enlace.NombresComarcas.Contiene(r); ++r)
        listBarcelona->addItem(DesdeAnsi(enlace.NombresComarcas[r]).trimmed());
    PrepararComarcasYZonas(enlace);

    enlace.FPSuperiorActivo = false;
    enlace.ListaDeLugares = false;
    enlace.ModoImpresion = false;
    AltoListaSel = listSelFP->height();
}

void TForm8::hideEvent(QHideEvent *evento)
{
    TimerEstrellas.stop();
    TimerParpadeo->Detener();
    Pantalla::hideEvent(evento);
}

QString TForm8::T(int k) const
{
    return enlace.Texto(k);
}

void TForm8::Ocultar(std::initializer_list<QWidget *> controles)
{
    for (QWidget *w : controles)
        w->hide();
}

void TForm8::MostrarControles(std::initializer_list<QWidget *> controles)
{
    for (QWidget *w : controles)
        w->show();
}

void TForm8::Construir()
{
    degradeini = new EtiquetaActiva(this);
    degradeini->setMouseTracking(true);
    const Marco marco = PonerMarco(this, enlace, degradeini);
    TilIzq = marco.izquierda;
    TilDer = marco.derecha;
    TilArr = marco.arriba;

    // The screen's buttons, named, in the screen's Arial 10.
    const auto boton = [this](QWidget *padre, const QString &nombre, int x, int y, int w, int h) {
        QPushButton *b = Boton(padre, x, y, w, h, {}, 10);
        b->setObjectName(nombre);
        return b;
    };

    auto *titulo = new EtiquetaSombreada(QString(), this);
    titulo->setObjectName(QStringLiteral("LabelFP1"));
    titulo->setGeometry(600, 62, 380, 44);
    LabelFP1 = titulo;
    LabelFP1->hide();

    // Start panel.
    PanelFP = Panel(this, QStringLiteral("PanelFP"), 620, 230, 340, 230);
    MenuFP1 = boton(PanelFP, QStringLiteral("MenuFP1"), 20, 20, 300, 50);
    MenuFP2 = boton(PanelFP, QStringLiteral("MenuFP2"), 20, 90, 300, 50);
    menuFP3 = boton(PanelFP, QStringLiteral("menuFP3"), 20, 160, 300, 50);
    PanelFP->hide();

    // Captions over the lists.
    PanelSelTit = PanelTexto(this, QStringLiteral("PanelSelTit"), 40, 96, 500, 24);
    PanelCarSel = PanelTexto(this, QStringLiteral("PanelCarSel"), 40, 122, 500, 26);
    PanelSelTit->hide();
    PanelCarSel->hide();

    // Lists, grid and their buttons.
    PanelSel = new TEffectsPanel(this);
    PanelSel->setObjectName(QStringLiteral("PanelSel"));
    PanelSel->setGeometry(40, 150, 500, 590);
    PanelSel->PonerTranslucencia(220);
    reja = CrearRejillaCentros(PanelSel, QStringLiteral("reja"));
    reja->setGeometry(10, 10, 480, 520);
    reja->hide();
    listSelFP = Lista(PanelSel, QStringLiteral("listSelFP"), 10, 10, 480, 520);
    listSelFP->setItemDelegate(new DelegadoVista(listSelFP));
    listSelFP->hide();
    ListPreFam = Lista(PanelSel, QStringLiteral("ListPreFam"), 10, 10, 480, 301);
    ListPreFam->setItemDelegate(new DelegadoIconoTexto(40, 4, 33, ListPreFam));
    ListPreFam->setCursor(Qt::PointingHandCursor);
    ListPreFam->hide();
    Labeltitulo = new QLabel(PanelSel);
    Labeltitulo->setObjectName(QStringLiteral("Labeltitulo"));
    Labeltitulo->setGeometry(10, 321, 480, 22);
    Labeltitulo->hide();
    ListTitFP = Lista(PanelSel, QStringLiteral("ListTitFP"), 10, 346, 480, 180);
    ListTitFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListTitFP));
    ListTitFP->setCursor(Qt::PointingHandCursor);
    ListTitFP->hide();
    BotRetrocederFP = boton(PanelSel, QStringLiteral("BotRetrocederFP"), 10, 540, 100, 36);
    BotImprimir = boton(PanelSel, QStringLiteral("BotImprimir"), 115, 540, 100, 36);
    botTodaFP = boton(PanelSel, QStringLiteral("botTodaFP"), 220, 540, 180, 36);
    BotInternetC = boton(PanelSel, QStringLiteral("BotInternetC"), 405, 540, 85, 36);
    BotInternetC->setText(QStringLiteral("www"));
    for (QPushButton *b : {BotRetrocederFP, BotImprimir, botTodaFP, BotInternetC})
        b->hide();
    PanelSel->hide();

    // Title menu and statistics.
    PanelFpTit = Panel(this, QStringLiteral("PanelFpTit"), 590, 150, 390, 376);
    QPushButton **menu[] = {&MenuFpTit1, &MenuFpTit2, &MenuFpTit3,  &MenuFpTit4,
                            &MenuFpTit5, &MenuFpTit6, &MenuFPTitEst};
    const char *nombresMenu[] = {"MenuFpTit1", "MenuFpTit2", "MenuFpTit3",  "MenuFpTit4",
                                 "MenuFpTit5", "MenuFpTit6", "MenuFPTitEst"};
    for (int k = 0; k < 7; ++k)
        *menu[k] = boton(PanelFpTit, QString::fromLatin1(nombresMenu[k]), 15, 12 + 52 * k, 360, 44);
    PanelFpTit->hide();
    PanelEstadistica = Panel(this, QStringLiteral("PanelEstadistica"), 590, 540, 390, 170);
    ButtonEstad1 = boton(PanelEstadistica, QStringLiteral("ButtonEstad1"), 10, 10, 370, 44);
    ButtonEstad2 = boton(PanelEstadistica, QStringLiteral("ButtonEstad2"), 10, 62, 370, 44);
    ButtonEstad3 = boton(PanelEstadistica, QStringLiteral("ButtonEstad3"), 10, 114, 370, 44);
    PanelEstadistica->hide();

    // Maps: Spain in PanelEstrellas; the detail maps and the place lists in its place.
    PanelEstrellas = new QWidget(this);
    PanelEstrellas->setObjectName(QStringLiteral("PanelEstrellas"));
    mapa = new VistaMapa(this, enlace.BmpMapa, QStringLiteral("mapa"), kEscalaMapa);
    PanelEstrellas->setGeometry(570, 200, mapa->width(), mapa->height());
    mapa->setParent(PanelEstrellas);
    mapa->move(0, 0);
    mapa->show();
    PanelEstrellas->hide();
    mapac = new VistaMapa(this, enlace.BmpMapaC, QStringLiteral("mapac"), kEscalaMapa);
    mapac->move(570, 150);
    mapac->hide();
    mapam = new VistaMapa(this, enlace.BmpMapaM, QStringLiteral("mapam"), kEscalaMapa);
    mapam->move(570, 150);
    mapam->hide();
    ListSelLugFP = Lista(this, QStringLiteral("ListSelLugFP"), 590, 170, 390, 440);
    ListSelLugFP->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListSelLugFP));
    ListSelLugFP->setCursor(Qt::PointingHandCursor);
    ListSelLugFP->hide();
    listBarcelona = Lista(this, QStringLiteral("listBarcelona"), 590, 490, 290, 250);
    listBarcelona->setCursor(Qt::PointingHandCursor);
    listBarcelona->hide();
    BotCerrar = boton(this, QStringLiteral("BotCerrar"), 885, 490, 95, 30);
    BotCerrar->hide();

    // Communities for a long title sheet, below the map they are picked on.
    PanelImp = Panel(this, QStringLiteral("PanelImp"), 590, 500, 390, 240);
    LabelSelCom1 = new QLabel(PanelImp);
    LabelSelCom1->setGeometry(10, 6, 370, 34);
    LabelSelCom1->setWordWrap(true);
    LabelSelCom2 = new QLabel(PanelImp);
    LabelSelCom2->setGeometry(10, 40, 370, 34);
    LabelSelCom2->setWordWrap(true);
    ListImp = Lista(PanelImp, QStringLiteral("ListImp"), 10, 78, 370, 116);
    BotAceptar = boton(PanelImp, QStringLiteral("BotAceptar"), 10, 200, 140, 32);
    PanelImp->hide();

    // The hover caption of the maps, over everything.
    PanelMapa = PanelTexto(this, QStringLiteral("PanelMapa"), 0, 0, enlace.AnchoPanelMapa, 18);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();
    // Just below the mouse, kept off the window's right edge; over no region
    // there is nothing to say.
    PistaMapa pista;
    pista.etiqueta = PanelMapa;
    pista.desplazamiento = QPoint(0, 20);
    pista.margenDerecho = 30;
    pista.ocultarSinTexto = true;
    for (VistaMapa *m : {mapa, mapac, mapam})
        m->PonerPista(pista);

    TimerParpadeo = new Parpadeo(this);
    TimerEstrellas.setInterval(200);
}

void TForm8::Estilo()
{
    QFont arial(QStringLiteral("Arial"), 10);
    setFont(arial);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, kCrema);
    setPalette(fondo);
    for (QWidget *p : {PanelFP, PanelFpTit, PanelEstadistica, PanelImp, static_cast<QWidget *>(PanelSelTit),
                       static_cast<QWidget *>(PanelCarSel), static_cast<QWidget *>(PanelMapa)}) {
        QPalette q = p->palette();
        q.setColor(QPalette::Window, kCeleste);
        p->setPalette(q);
    }
    for (QListWidget *l : findChildren<QListWidget *>()) {
        QPalette q = l->palette();
        q.setColor(QPalette::Base, kCrema);
        l->setPalette(q);
    }
    QPalette q = reja->palette();
    q.setColor(QPalette::Base, kCrema);
    reja->setPalette(q);
    for (QLabel *l : {PanelSelTit, PanelCarSel, Labeltitulo}) {
        QPalette r = l->palette();
        r.setColor(QPalette::WindowText, kGranate);
        l->setPalette(r);
    }
    QFont f9 = arial;
    f9.setPointSize(9);
    for (QPushButton *b : {ButtonEstad1, ButtonEstad2, ButtonEstad3})
        b->setFont(f9);
    LabelSelCom1->setFont(f9);
    LabelSelCom2->setFont(f9);
    QFont f8 = arial;
    f8.setPointSize(8);
    PanelMapa->setFont(f8);
    QFont negrita = arial;
    negrita.setBold(true);
    PanelCarSel->setFont(negrita);

    QFont grande(QStringLiteral("Arial"), 24, QFont::Bold);
    LabelFP1->setFont(grande);
    QPalette t = LabelFP1->palette();
    t.setColor(QPalette::WindowText, QColor(0, 0, 128));
    LabelFP1->setPalette(t);
}

void TForm8::Captions()
{
    setWindowTitle(T(338));
    LabelFP1->setText(T(513));
    MenuFP1->setText(T(316));
    MenuFP2->setText(T(317));
    menuFP3->setText(T(82));
    BotRetrocederFP->setText(T(82));
    BotImprimir->setText(T(36));
    BotCerrar->setText(T(13));
    botTodaFP->setText(T(391));
    LabelSelCom1->setText(T(558) + ' ' + T(559));
    LabelSelCom2->setText(T(560) + ' ' + T(561));
    BotAceptar->setText(T(19));
    Labeltitulo->setText(T(307));
    ButtonEstad1->setText(T(228));
    ButtonEstad2->setText(T(231));
    ButtonEstad3->setText(T(232));
    PanelSelTit->clear();
}

void TForm8::Conectar()
{
    connect(MenuFP1, &QPushButton::clicked, this, &TForm8::MenuFP1Click);
    connect(MenuFP2, &QPushButton::clicked, this, &TForm8::MenuFP2Click);
    connect(menuFP3, &QPushButton::clicked, this, &TForm8::menuFP3Click);
    connect(ListPreFam, &QListWidget::itemPressed, this,
            [this](QListWidgetItem *i) { ListPreFamMouseDown(ListPreFam->row(i)); });
    connect(ListTitFP, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { ListTitFPClick(ListTitFP->row(i)); });
    connect(MenuFpTit1, &QPushButton::clicked, this, &TForm8::MenuFpTit1Click);
    connect(MenuFpTit2, &QPushButton::clicked, this, &TForm8::MenuFpTit2Click);
    connect(MenuFpTit3, &QPushButton::clicked, this, &TForm8::MenuFpTit3Click);
    connect(MenuFpTit4, &QPushButton::clicked, this, &TForm8::MenuFpTit4Click);
    connect(MenuFpTit5, &QPushButton::clicked, this, &TForm8::MenuFpTit5Click);
    connect(MenuFpTit6, &QPushButton::clicked, this, &TForm8::MenuFpTit6Click);
    connect(MenuFPTitEst, &QPushButton::clicked, this, &TForm8::MenuFPTitEstClick);
    connect(ButtonEstad1, &QPushButton::clicked, this, &TForm8::ButtonEstad1Click);
    connect(ButtonEstad2, &QPushButton::clicked, this, &TForm8::ButtonEstad2Click);
    connect(ButtonEstad3, &QPushButton::clicked, this, &TForm8::ButtonEstad3Click);
    connect(BotImprimir, &QPushButton::clicked, this, &TForm8::BotImprimirClick);
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TForm8::BotRetrocederFPClick);
    connect(BotAceptar, &QPushButton::clicked, this, &TForm8::BotAceptarClick);
    Ruta->Conectar();
    connect(degradeini, &EtiquetaActiva::movido, Ruta, &RutaLugaresFP::OcultarPista);
    connect(ListImp, &QListWidget::itemClicked, this, [this](QListWidgetItem *i) { ListImpClick(ListImp->row(i)); });
    connect(&TimerEstrellas, &QTimer::timeout, this, &TForm8::TimerEstrellasTimer);
}

void TForm8::ConTransicion(bool circulo, const std::function<void()> &cambio)
{
    TransicionesPaneles *efectos = pantallas.Transiciones;
    if (!efectos || !isVisible()) {
        cambio();
        PanelSel->show();
        return;
    }
    if (circulo)
        efectos->CambiarConCirculo(PanelSel, cambio);
    else
        efectos->CambiarConRollo(PanelSel, cambio);
}

void TForm8::menuFP3Click()
{
    LabelFP1->hide();
    PanelFP->hide();
    enlace.FPSuperiorActivo = false;
    Salir(enlace.FPSuperiorDesdeAsistente);
}

void TForm8::BotRetrocederFPClick()
{
    TerminarSeleccionImpresion();
    enlace.ModoImpresion = false;
    PanelSelTit->clear();
    BotImprimir->hide();
    if (Ruta->VolverAProvincias())
        return;
    if (ModoPorLugar && PanelEstrellas->isVisible()) {
        Ruta->estado.CentrosEnRejilla = false;
        reja->setCursor(Qt::ArrowCursor);
        Ocultar({mapac, mapam, listBarcelona, BotCerrar, PanelEstrellas, PanelSel, PanelSelTit, PanelCarSel, reja});
        mapa->Redibujar();
        TimerEstrellas.stop();
        PanelSelTit->clear();
        PanelCarSel->clear();
        PanelFP->show();
        BotRetrocederFP->hide();
        ModoPorLugar = false;
        return;
    }
    if (ModoPorLugar) {
        Ruta->VolverAlMapa();
        return;
    }
    // Title mode.
    reja->hide();
    PanelEstadistica->hide();
    VaciarRejilla(reja);
    if (PanelEstrellas->isVisible()) {
        PanelEstrellas->hide();
        mapa->Redibujar();
        TimerEstrellas.stop();
        Ocultar({mapam, mapac, listBarcelona, PanelMapa});
        PanelFpTit->show();
        listSelFP->show();
        return;
    }
    ListPreFam->resize(ListPreFam->width(), 301);
    Ocultar({listSelFP, ListTitFP, Labeltitulo, PanelFpTit, BotRetrocederFP});
    PanelSelTit->clear();
    PanelCarSel->clear();
    PanelFP->show();
}

} // namespace norvela
