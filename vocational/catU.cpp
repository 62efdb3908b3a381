#include "catU.h"

#include "ansi.h"
#include "cargas_listas.h"
#include "colores.h"
#include "columnas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "marco.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "piezas_fp.h"
#include "tapas.h"
#include "textos_propios.h"
#include "titulos_fp.h"
#include "transiciones_paneles.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextEdit>

namespace norvela {

namespace {

// Where the hint starts and where it stops sliding.
constexpr int kAyudaDesde = 300;
constexpr int kAyudaHasta = 101;

struct Sitio {
    int xLabel, yLabel, x, y, w, h;
};
// Captions and lists: degrees, higher, intermediate, basic cycles, certificates.
constexpr Sitio kSitios[kListasCatalogo] = {
    {442, 78, 440, 96, 401, 97},  {560, 198, 560, 216, 377, 89}, {409, 310, 408, 328, 409, 89},
    {530, 424, 528, 440, 417, 81}, {448, 531, 450, 552, 415, 81},
};
constexpr int kTextoLista[kListasCatalogo] = {299, 47, 113, 263, 580};
const char *const kNombreLista[kListasCatalogo] = {"ListCat1", "ListCat2", "ListCat3", "ListCat4", "ListCat5"};
const char *const kNombreLabel[kListasCatalogo] = {"Label1", "Label2", "Label3", "Label4", "Label5"};

// The width beside the icon where a family's name shows whole, left of the
// scroll bar (26 rows never fit the list's height).
constexpr int kSangriaFamilia = 32;

// A name too wide for that width is drawn in a smaller size, just enough to
// show its last letter too.
void AjustarNombresFamilia(QListWidget *lista)
{
    const int ancho = lista->width() - 2 * lista->frameWidth() -
                      lista->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lista) - kSangriaFamilia - 2;
    for (int i = 0; i < lista->count(); ++i) {
        QListWidgetItem *item = lista->item(i);
        QFont fuente = lista->font();
        while (QFontMetrics(fuente).horizontalAdvance(item->text()) > ancho && fuente.pointSizeF() > 7)
            fuente.setPointSizeF(fuente.pointSizeF() - 0.5);
        if (fuente != lista->font())
            item->setFont(fuente);
    }
}

} // namespace

TFormCat::TFormCat(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFormCat")), ImpresionConDialogo(e, this)
{
    // The close box goes home, wherever the screen was opened from.
    PonerCierre(CierreVentana::Volver);
    Construir();
    Estilo();

    for (int f = 1; f <= enlace.NumFamilias; ++f) {
        auto *item = new QListWidgetItem(DesdeAnsi(Columnas(enlace.NombresFamilias[f], 2, 61)).trimmed(), ListFam);
        item->setData(Qt::DecorationRole, IconoEstudios(IconoFamilia(f, -1)));
    }
    AjustarNombresFamilia(ListFam);
    if (enlace.ErrorFicheros)
        return;
    estado.InicioFamiliaFPB = IniciosFamiliaFPB(enlace.NombresFPBasica, enlace.NumFPBasica);
    Captions();
    Conectar();
    TimerAyu.start();
}

void TFormCat::PrepararDatos(Enlace &e)
{
    CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fpba")), e.NombresFPBasica, e.NumFPBasica, 60);
}

void TFormCat::Construir()
{
    degradeMapa2 = new EtiquetaActiva(this);
    const Marco marco = PonerMarco(this, enlace, degradeMapa2);
    TilIzq = marco.izquierda;
    TilDer = marco.derecha;
    TilArr = marco.arriba;

    LabelFami = Etiqueta(this, 48, 81, 329, 25, {}, 11);
    LabelFami->setObjectName(QStringLiteral("LabelFami"));
    LabelFami->setAlignment(Qt::AlignCenter);
    ListFam = ListaPulsableFP(this, QStringLiteral("ListFam"), 48, 105, 329, 580);
    ListFam->setItemDelegate(new DelegadoIconoTexto(kSangriaFamilia, 5, 30, ListFam));
    // Every row is the delegate's height and every name fits the list's
    // width: the first row's size stands for all, and the list is laid out
    // without measuring 26 names again.
    ListFam->setUniformItemSizes(true);
    LabelAyu0 = Etiqueta(this, kAyudaDesde, 59, 560, 20, {}, 11);
    LabelAyu0->setObjectName(QStringLiteral("LabelAyu0"));
    LabelAyu0->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int k = 0; k < kListasCatalogo; ++k) {
        const Sitio &s = kSitios[k];
        Label[static_cast<size_t>(k)] = Etiqueta(this, s.xLabel, s.yLabel, 10, 18, {}, 11);
        Label[static_cast<size_t>(k)]->setObjectName(QString::fromLatin1(kNombreLabel[k]));
        ListCat[static_cast<size_t>(k)] = ListaPulsableFP(this, QString::fromLatin1(kNombreLista[k]), s.x, s.y, s.w, s.h);
    }

    panelsel = new TEffectsPanel(this);
    panelsel->setObjectName(QStringLiteral("panelsel"));
    // The pop-up paints itself: screen readers say what it shows.
    panelsel->setAccessibleName(TextoPropio(Propio::InformacionTitulo));
    panelsel->setGeometry(ListFam->x() + ListFam->width() + 10, 0, 425, 257);
    ListSel = new QTextEdit(panelsel);
    ListSel->setObjectName(QStringLiteral("ListSel"));
    ListSel->setGeometry(1, 1, 423, 232);
    ListSel->setReadOnly(true);
    ListSel->setAccessibleName(panelsel->accessibleName());
    botcerrar = Boton(panelsel, 328, 232, 49, 25, {}, 9);
    botcerrar->setObjectName(QStringLiteral("botcerrar"));
    panelsel->hide();
    // The details stand over the lists: what they cover whole is out of
    // reach of the keyboard and of screen readers while they show.
    HacerTapa(panelsel);

    BotRetroceder = Boton(this, 539, 644, 110, 32, {}, 11);
    BotRetroceder->setObjectName(QStringLiteral("BotRetroceder"));
    BotImprimir = Boton(this, 656, 644, 110, 32, {}, 11);
    BotImprimir->setObjectName(QStringLiteral("BotImprimir"));
    // Nothing to print before a family is chosen.
    BotImprimir->setEnabled(false);
    for (QPushButton *b : {botcerrar, BotRetroceder, BotImprimir})
        b->setCursor(Qt::PointingHandCursor);

    TimerAyu.setParent(this);
    TimerAyu.setObjectName(QStringLiteral("TimerAyu"));
    TimerAyu.setInterval(50);
}

void TFormCat::Estilo()
{
    QFont arial9(QStringLiteral("Arial"), 9);
    for (QListWidget *l : ListCat) {
        l->setFont(arial9);
        PonerColor({l}, QPalette::Base, paleta::ColorCrema);
    }
    ListFam->setFont(QFont(QStringLiteral("Arial"), 11));
    PonerColor({ListFam}, QPalette::Base, paleta::ColorCrema);
    std::vector<QLabel *> rotulos(Label.begin(), Label.end());
    rotulos.push_back(LabelFami);
    for (QLabel *l : rotulos) {
        l->setAutoFillBackground(true);
        PonerColor({l}, QPalette::WindowText, paleta::ColorGranate);
        PonerColor({l}, QPalette::Window, paleta::ColorCeleste);
    }
}

void TFormCat::Captions()
{
    setWindowTitle(enlace.Texto(338));
    LabelFami->setText(enlace.Texto(575));
    LabelAyu0->setText(enlace.Texto(578) + ' ' + enlace.Texto(442));
    for (int k = 0; k < kListasCatalogo; ++k) {
        QLabel *l = Label[static_cast<size_t>(k)];
        l->setText(' ' + enlace.Texto(kTextoLista[k]) + ' ');
        l->adjustSize();
        // Screen readers name each list by the caption over it.
        ListCat[static_cast<size_t>(k)]->setAccessibleName(enlace.Texto(kTextoLista[k]).trimmed());
    }
    ListFam->setAccessibleName(LabelFami->text());
    botcerrar->setText(enlace.Texto(13));
    BotRetroceder->setText(enlace.Texto(82));
    BotImprimir->setText(enlace.Texto(36));
}

void TFormCat::Conectar()
{
    connect(ListFam, &QListWidget::itemClicked, this, [this](QListWidgetItem *i) { ListFamClick(ListFam->row(i)); });
    for (int k = 0; k < kListasCatalogo; ++k) {
        QListWidget *l = ListCat[static_cast<size_t>(k)];
        connect(l, &QListWidget::itemClicked, this, [this, k, l](QListWidgetItem *i) { ListCatClick(k, l->row(i)); });
    }
    connect(botcerrar, &QPushButton::clicked, this, &TFormCat::botcerrarClick);
    connect(degradeMapa2, &EtiquetaActiva::clic, this, &TFormCat::botcerrarClick);
    connect(BotRetroceder, &QPushButton::clicked, this, &TFormCat::BotRetrocederMouseUp);
    connect(BotImprimir, &QPushButton::clicked, this, &TFormCat::BotImprimirMouseUp);
    connect(&TimerAyu, &QTimer::timeout, this, &TFormCat::TimerAyuTimer);
}

void TFormCat::showEvent(QShowEvent *evento)
{
    Pantalla::showEvent(evento);
    FormActivate();
}

void TFormCat::changeEvent(QEvent *evento)
{
    Pantalla::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TFormCat::FormActivate()
{
    LabelAyu0->move(kAyudaDesde, LabelAyu0->y());
    TimerAyu.start();
}

void TFormCat::TimerAyuTimer()
{
    if (LabelAyu0->x() >= kAyudaHasta)
        LabelAyu0->move(LabelAyu0->x() - 4, LabelAyu0->y());
    if (LabelAyu0->x() < kAyudaHasta)
        TimerAyu.stop();
}

void TFormCat::botcerrarClick()
{
    if (panelsel->isHidden())
        return;
    if (TransicionesPaneles *efectos = pantallas.Transiciones; efectos && isVisible())
        efectos->OcultarConRollo2(panelsel);
    panelsel->hide();
}

void TFormCat::BotRetrocederMouseUp()
{
    // The screen has no flag of its own for the assistant.
    bool ninguno = false;
    Salir(ninguno);
}

} // namespace norvela
