// Every control of the degrees screen at its place, its look by kind, and
// the signals that lead to the handlers.
#include "grados.h"

#include "enlace.h"
#include "etiquetas.h"
#include "fila_fija.h"
#include "grados_dibujo.h"
#include "marco.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "vista_mapa.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

#include <type_traits>

namespace norvela {

namespace {

// The start menu's buttons, top to bottom.
constexpr int kBotonMenuAlto = 36;
constexpr int kBotonMenuPaso = 44;
// The selection panel's buttons, in two rows under the marks grid.
constexpr int kBotonSelAncho = 117;
constexpr int kBotonSelHueco = 2;
constexpr int kBotonSelAlto = 30;

// The object name is the code's; screen readers read a control by its
// caption, its items or the name its texts give it, never by this one.
template <typename T> T *Nombrado(T *control, const char *nombre)
{
    control->setObjectName(QString::fromLatin1(nombre));
    return control;
}

TEffectsPanel *Panel(QWidget *padre, const char *nombre, int x, int y, int w, int h)
{
    auto *panel = Nombrado(new TEffectsPanel(padre), nombre);
    panel->setGeometry(x, y, w, h);
    return panel;
}

QTableWidget *Rejilla(QWidget *padre, const char *nombre, const QRect &r)
{
    auto *rejilla = Nombrado(new QTableWidget(0, 2, padre), nombre);
    rejilla->setGeometry(r);
    rejilla->horizontalHeader()->hide();
    rejilla->verticalHeader()->hide();
    rejilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rejilla->setSelectionMode(QAbstractItemView::SingleSelection);
    rejilla->setSelectionBehavior(QAbstractItemView::SelectRows);
    rejilla->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rejilla->setWordWrap(false);
    return rejilla;
}

// The selection panel's views take one place: the one shown hides the
// others, which screen readers would otherwise read under it.
class UnaVistaALaVez : public QObject {
public:
    UnaVistaALaVez(std::initializer_list<QWidget *> vistas, QObject *padre) : QObject(padre), vistas_(vistas)
    {
        for (QWidget *v : vistas_)
            v->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::ShowToParent)
            for (QWidget *v : vistas_)
                if (v != objeto)
                    v->hide();
        return false;
    }

private:
    QList<QWidget *> vistas_;
};

} // namespace

void TForm1::DisponerInicio()
{
    Panelinicio = Nombrado(new QWidget(this), "Panelinicio");
    Panelinicio->setGeometry(rect());
    const Marco marco = PonerMarco(Panelinicio, enlace);
    degradeini = marco.fondo;
    TilIzq = marco.izquierda;
    TilDer = marco.derecha;
    TilArr = marco.arriba;

    // The map of universities by region: shown by its menu button.
    PanelEstrellas = Nombrado(new QWidget(Panelinicio), "PanelEstrellas");
    PanelEstrellas->setGeometry(72, 78, 281, 196);
    mapa = new VistaMapa(PanelEstrellas, enlace.BmpMapa, QStringLiteral("mapa"), TextoPropio(Propio::MapaEspana));
    mapa->setGeometry(0, 0, 281, 196);
    PanelEstrellas->hide();

    ListComunidad = Nombrado(new QListWidget(Panelinicio), "ListComunidad");
    ListComunidad->setGeometry(60, 56, 320, 297);
    ListComunidad->hide();
    BotImprimir = Nombrado(Boton(Panelinicio, 60, 700, 150, 30), "BotImprimir");
    BotImprimir->hide();
    BotRetroceder = Nombrado(Boton(Panelinicio, 230, 700, 150, 30), "BotRetroceder");
    BotRetroceder->hide();
}

void TForm1::DisponerMenu()
{
    PanelMenu = Panel(Panelinicio, "PanelMenu", 72, 150, 300, 7 * kBotonMenuPaso + 12);
    QPushButton **botones[] = {&BotMenuGrados, &BotMenuUni, &BotMenuDobles, &BotMenuInfo,
                               &BotMenuArtes,  &BotMenuDepor, &BotMenuRetro};
    const char *nombres[] = {"BotMenuGrados", "BotMenuUni",   "BotMenuDobles", "BotMenuInfo",
                             "BotMenuArtes",  "BotMenuDepor", "BotMenuRetro"};
    for (int i = 0; i < 7; ++i)
        *botones[i] = Nombrado(Boton(PanelMenu, 10, 10 + i * kBotonMenuPaso, 280, kBotonMenuAlto), nombres[i]);

    PanelMenu2 = Panel(Panelinicio, "PanelMenu2", 0, 0, 300, 5 * kBotonMenuPaso + 12);
    QPushButton **info[] = {&BotMaster, &botinfo1, &ButEstadisticas, &botinfo2, &botinfo3};
    const char *nombresInfo[] = {"BotMaster", "botinfo1", "ButEstadisticas", "botinfo2", "botinfo3"};
    for (int i = 0; i < 5; ++i)
        *info[i] = Nombrado(Boton(PanelMenu2, 10, 10 + i * kBotonMenuPaso, 280, kBotonMenuAlto), nombresInfo[i]);
    PanelMenu2->hide();

    PanelMenu4 = Panel(Panelinicio, "PanelMenu4", 0, 0, 300, 4 * kBotonMenuPaso + 12);
    QPushButton **artes[] = {&BotArtesPlas, &BotMusica, &BotDanza, &BotDramatico};
    const char *nombresArtes[] = {"BotArtesPlas", "BotMusica", "BotDanza", "BotDramatico"};
    for (int i = 0; i < 4; ++i)
        *artes[i] = Nombrado(Boton(PanelMenu4, 10, 10 + i * kBotonMenuPaso, 280, kBotonMenuAlto), nombresArtes[i]);
    PanelMenu4->hide();
}

void TForm1::DisponerNavegador()
{
    PanelTree = Panel(Panelinicio, "PanelTree", 30, 56, 450, 704);
    ComboAgru = Nombrado(new QComboBox(PanelTree), "ComboAgru");
    ComboAgru->setGeometry(10, 8, 430, 26);
    ButtonRetroN = Nombrado(Boton(PanelTree, 10, 42, 100, 30), "ButtonRetroN");
    LabelBusTit = Nombrado(Etiqueta(PanelTree, 120, 40, 320, 18), "LabelBusTit");
    LabelBusTit2 = Nombrado(Etiqueta(PanelTree, 120, 58, 320, 16), "LabelBusTit2");
    EditBusTit = Nombrado(new QLineEdit(PanelTree), "EditBusTit");
    // The search box is read by the caption above it.
    LabelBusTit->setBuddy(EditBusTit);
    EditBusTit->setGeometry(120, 76, 280, 24);
    BitBusTit = Nombrado(Boton(PanelTree, 406, 76, 34, 24, QStringLiteral("?")), "BitBusTit");

    const QRect vista(10, 108, 430, 586);
    Listramas = Nombrado(new QListWidget(PanelTree), "Listramas");
    Listramas->setGeometry(vista);
    Listramas->setItemDelegate(new DibujoRamas(ImageListRamas, Listramas));
    Listramas->setCursor(Qt::PointingHandCursor);

    listgrados = Rejilla(PanelTree, "listgrados", vista);
    listgrados->setShowGrid(false);
    listgrados->verticalHeader()->setMinimumSectionSize(19);
    listgrados->verticalHeader()->setDefaultSectionSize(19);
    listgrados->setItemDelegate(new DibujoRejillaGrados(ImageList1, listgrados));
    listgrados->setCursor(Qt::PointingHandCursor);
    listgrados->setMouseTracking(true);
    listgrados->hide();

    Tree = Nombrado(new QTreeWidget(PanelTree), "Tree");
    Tree->setGeometry(vista);
    Tree->setHeaderHidden(true);
    Tree->setIndentation(19);
    Tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tree->setMouseTracking(true);
    Tree->viewport()->setAttribute(Qt::WA_Hover);
    Tree->setItemDelegate(new DibujoArbol(Tree));
    Tree->setCursor(Qt::PointingHandCursor);
    Tree->hide();
    PanelTree->hide();
}

void TForm1::DisponerSeleccion()
{
    PanelSelTit = Nombrado(new QLabel(Panelinicio), "PanelSelTit");
    PanelSelTit->setGeometry(490, 56, 490, 34);
    PanelSelTit->setAutoFillBackground(true);
    PanelSelTit->setAlignment(Qt::AlignCenter);
    PanelSelTit->hide();
    PanelCarSel = Nombrado(new QLabel(Panelinicio), "PanelCarSel");
    PanelCarSel->setGeometry(490, 56, 490, 34);
    PanelCarSel->setAutoFillBackground(true);
    PanelCarSel->setAlignment(Qt::AlignCenter);
    PanelCarSel->hide();

    PanelSel = Panel(Panelinicio, "PanelSel", 490, 94, 490, 540);
    PanelSel->PonerTranslucencia(60);
    GridNotas = Rejilla(PanelSel, "GridNotas", QRect(11, 10, 467, 407));
    GridNotas->setShowGrid(false);
    GridNotas->verticalHeader()->setMinimumSectionSize(19);
    GridNotas->verticalHeader()->setDefaultSectionSize(19);
    GridNotas->setItemDelegate(new DibujoNotas(ImageList1, GridNotas));
    // The heading row stays on top while the communities scroll under it.
    FijarPrimeraFila(GridNotas);
    GridNotas->hide();

    ListSel = Nombrado(new QListWidget(PanelSel), "ListSel");
    ListSel->setGeometry(19, 12, 457, 399);
    ListSel->setCursor(Qt::ForbiddenCursor);
    ListSel->hide();
    // Headings ("-") are maroon, whichever view fills the list.
    connect(ListSel->model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &, int desde, int hasta) {
        for (int r = desde; r <= hasta; ++r)
            if (QListWidgetItem *item = ListSel->item(r); item && item->text().startsWith(QLatin1Char('-')))
                item->setForeground(paleta::ColorGranate);
    });
    LabelMaster = Nombrado(Etiqueta(PanelSel, 19, 12, 457, 20, {}, 10, true), "LabelMaster");
    LabelMaster->hide();
    // The register's address is a link: screen readers offer it as a button.
    auto *registro = new EtiquetaActiva(PanelSel);
    registro->setGeometry(19, 34, 457, 20);
    registro->setFont(QFont(QStringLiteral("Arial"), 10));
    connect(registro, &EtiquetaActiva::soltado, this, &TForm1::LabelMaster2MouseUp);
    LabelMaster2 = Nombrado(registro, "LabelMaster2");
    LabelMaster2->setCursor(Qt::PointingHandCursor);
    LabelMaster2->hide();
    RichSalidas = Nombrado(new QTextEdit(PanelSel), "RichSalidas");
    RichSalidas->setGeometry(11, 10, 467, 407);
    RichSalidas->setReadOnly(true);
    RichSalidas->hide();
    listSel2 = Nombrado(new QTextEdit(PanelSel), "listSel2");
    listSel2->setGeometry(11, 10, 467, 407);
    listSel2->setReadOnly(true);
    listSel2->hide();
    new UnaVistaALaVez({GridNotas, ListSel, RichSalidas, listSel2}, this);

    QPushButton **botones[] = {&BotUni, &BotReq, &BotSal, &BotDoblesCar, &BotCorte, &BotPonde, &BotImprimirN};
    const char *nombres[] = {"BotUni", "BotReq", "BotSal", "BotDoblesCar", "BotCorte", "BotPonde", "BotImprimirN"};
    for (int i = 0; i < 7; ++i) {
        const int x = 11 + (i % 4) * (kBotonSelAncho + kBotonSelHueco);
        const int y = 425 + (i / 4) * (kBotonSelAlto + 6);
        *botones[i] = Nombrado(Boton(PanelSel, x, y, kBotonSelAncho, kBotonSelAlto), nombres[i]);
        (*botones[i])->hide();
    }
    // The university's web page, in the universities-by-region view.
    BotIntUni = Nombrado(
        Boton(PanelSel, 11, 425 + 2 * (kBotonSelAlto + 6), 2 * kBotonSelAncho + kBotonSelHueco, kBotonSelAlto),
        "BotIntUni");
    BotIntUni->hide();
    QPushButton **artes[] = {&BotArtesTit, &BotArtesEsp, &BotArtesLug};
    const char *nombresArtes[] = {"BotArtesTit", "BotArtesEsp", "BotArtesLug"};
    for (int i = 0; i < 3; ++i) {
        const int x = 11 + i * (kBotonSelAncho + kBotonSelHueco);
        *artes[i] = Nombrado(Boton(PanelSel, x, 425, kBotonSelAncho, kBotonSelAlto), nombresArtes[i]);
        (*artes[i])->hide();
    }
    PanelSel->hide();
}

void TForm1::EstilarControles(QWidget *raiz)
{
    const QFont arial10(QStringLiteral("Arial"), 10);
    for (QLabel *l : raiz->findChildren<QLabel *>()) {
        if (l->pixmap().isNull())
            l->setFont(arial10);
    }
    for (QPushButton *b : raiz->findChildren<QPushButton *>()) {
        b->setFont(arial10);
        b->setCursor(Qt::PointingHandCursor);
        QPalette colores = b->palette();
        colores.setColor(QPalette::ButtonText, Qt::black);
        b->setPalette(colores);
    }
}

void TForm1::Reestilar()
{
    // The start panel's again: the same font and colour leave them as they are.
    EstilarControles(this);
    const QFont arial10(QStringLiteral("Arial"), 10);
    const auto crema = [](QAbstractItemView *v, int puntos) {
        v->setFont(QFont(QStringLiteral("Arial"), puntos));
        QPalette colores = v->palette();
        colores.setColor(QPalette::Base, paleta::ColorCrema);
        v->setPalette(colores);
    };
    for (QListWidget *l : findChildren<QListWidget *>())
        crema(l, 10);
    for (QTableWidget *t : findChildren<QTableWidget *>())
        crema(t, 10);
    crema(Tree, 9);

    QFont titulo(QStringLiteral("Arial"), 11);
    titulo.setBold(true);
    PanelSelTit->setFont(titulo);
    PanelCarSel->setFont(titulo);
    QFont pequena(QStringLiteral("Arial"), 9);
    LabelBusTit2->setFont(pequena);
    QFont negrita = arial10;
    negrita.setBold(true);
    LabelBusTit->setFont(negrita);
    LabelBusTit->setText(enlace.Texto(569) + QStringLiteral(" ..."));
    LabelBusTit2->setText(enlace.Texto(570));
    EditBusTit->clear();
    LabelMaster->setFont(negrita);

    listgrados->setColumnWidth(0, 375);
    listgrados->setColumnWidth(1, 12);

    // The marks grid: aqua, bold black, vertical lines only.
    GridNotas->setColumnWidth(0, 360);
    GridNotas->setColumnWidth(1, 60);
    GridNotas->setFont(negrita);
    QPalette aguamarina = GridNotas->palette();
    aguamarina.setColor(QPalette::Base, QColor(0, 255, 255));
    aguamarina.setColor(QPalette::Text, Qt::black);
    GridNotas->setPalette(aguamarina);

    // 60 fixed-pitch characters, the width of its lines, fit the list.
    QFont fija(QStringLiteral("Courier New"), 9);
    fija.setBold(true);
    ListSel->setFont(fija);
}

void TForm1::Conectar()
{
    connect(BotMenuGrados, &QPushButton::clicked, this, &TForm1::BotMenuGradosClick);
    connect(BotMenuRetro, &QPushButton::clicked, this, &TForm1::BotMenuRetroClick);
    ConectarAnimacion();
    connect(BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
    connect(ButtonRetroN, &QPushButton::clicked, this, &TForm1::ButtonRetroNClick);
    connect(Listramas, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        ListramasClick(Listramas->row(item));
    });
    connect(listgrados, &QTableWidget::cellClicked, this, [this](int fila, int) { listgradosMouseUp(fila); });
    connect(ComboAgru, &QComboBox::activated, this, &TForm1::ComboAgruChange);
    // A click already does what a double click does; a double click would
    // select the degree (and play its transitions) twice.
    connect(Tree, &QTreeWidget::itemClicked, this, [this] { TreeClick(); });
    connect(BotUni, &QPushButton::clicked, this, &TForm1::BotUniClick);
    connect(GridNotas, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) { GridNotasDblClick(fila); });
    connect(BotCorte, &QPushButton::released, this, &TForm1::BotCorteMouseUp);
    connect(BotPonde, &QPushButton::released, this, &TForm1::BotPondeMouseUp);
    connect(BotMenuDobles, &QPushButton::clicked, this, &TForm1::BotMenuDoblesClick);
    connect(BotDoblesCar, &QPushButton::released, this, &TForm1::BotDoblesCarMouseUp);
    connect(BotReq, &QPushButton::clicked, this, &TForm1::BotReqClick);
    connect(BotSal, &QPushButton::clicked, this, &TForm1::BotSalClick);
    connect(BotMaster, &QPushButton::clicked, this, &TForm1::BotMasterClick);
    ConectarMenu();
    ConectarBusqueda();
    ConectarInforme();
    ConectarArtes();
    ConectarComunidad();
}

} // namespace norvela
