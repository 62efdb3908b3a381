#include "pasarelaFP.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "dibujo.h"
#include "enlace.h"
#include "grados_dibujo.h"
#include "marco.h"
#include "rejilla_accesible.h"
#include "grados.h"
#include "pantallas.h"
#include "textos_propios.h"
#include "universidades_grado.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace norvela {

namespace {

const QColor kFondoLista(255, 239, 206);
constexpr int kAltoFila = 18;

void Nombrar(QWidget *w, const char *nombre)
{
    w->setObjectName(QString::fromLatin1(nombre));
}

// A full-window picture with the white-to-navy gradient behind a panel.
QLabel *Degradado(QWidget *panel, const char *nombre)
{
    auto *imagen = new QLabel(panel);
    imagen->setGeometry(0, 0, Pantalla::kAncho, Pantalla::kAlto);
    PixmapAlMostrarse(imagen, [] {
        QPixmap lienzo(Pantalla::kAncho, Pantalla::kAlto);
        {
            QPainter p(&lienzo);
            PintarDegradado(p, 0, 0, lienzo.width(), lienzo.height(), Qt::white, QColor(0, 0, 128));
        }
        return lienzo;
    });
    Nombrar(imagen, nombre);
    imagen->setAccessibleName(TextoPropio(Propio::Fondo));
    return imagen;
}

// A two-column grid of degrees or universities on white: no headers, one
// row selected at a time, never edited.
QTableWidget *Rejilla(QWidget *padre, int x, int y, int alto, const char *nombre)
{
    auto *g = new QTableWidget(0, 2, padre);
    Nombrar(g, nombre);
    g->setFont(QFont(QStringLiteral("Arial"), 10));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->verticalHeader()->setDefaultSectionSize(kAltoFila);
    g->setColumnWidth(0, 340);
    g->setColumnWidth(1, 70);
    g->setShowGrid(false);
    g->setWordWrap(false);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setStyleSheet(QStringLiteral("QTableWidget { background: white; }"));
    // Room for both columns and the scroll bar.
    g->setGeometry(x, y, 340 + 70 + 2 * g->frameWidth() + g->verticalScrollBar()->sizeHint().width(), alto);
    return g;
}

QTableWidgetItem *Celda(const QString &texto)
{
    auto *item = new QTableWidgetItem(texto);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

QStringList NombresPdf(const QString &carpeta)
{
    QStringList nombres;
    const QDir dir(carpeta);
    if (!dir.exists())
        return nombres;
    for (const QString &nombre : dir.entryList(QDir::Files | QDir::Hidden))
        if (nombre.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            nombres.append(nombre);
    std::sort(nombres.begin(), nombres.end(), [](const QString &a, const QString &b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return nombres;
}

TForm6::TForm6(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm6"))
{
    setFont(QFont(QStringLiteral("Arial"), 10));
    // The weightings lie under the high marks, as both fill the window.
    CrearPanelPonderacion();
    CrearPanelCorte();
}

void TForm6::CrearPanelCorte()
{
    PanelCorte = new QWidget(this);
    Nombrar(PanelCorte, "PanelCorte");
    PanelCorte->setGeometry(0, 0, kAncho, kAlto);
    Imagecorte = Degradado(PanelCorte, "Imagecorte");

    LabelCorteSelecti = Etiqueta(PanelCorte, 40, 20, 940, 24, enlace.Texto(696) + QStringLiteral("  2019/20"));
    LabelCorte1 = Etiqueta(PanelCorte, 40, 50, 940, 24, enlace.Texto(695));
    Buttoncorte6 = Boton(PanelCorte, 40, 84, 150, 30, enlace.Texto(690), 10);
    Buttoncorte7 = Boton(PanelCorte, 210, 84, 150, 30, enlace.Texto(691), 10);
    ButtonCorte8 = Boton(PanelCorte, 380, 84, 150, 30, enlace.Texto(692), 10);
    LabelMasde = Etiqueta(PanelCorte, 560, 88, 420, 24);
    LabelCorte2 = Etiqueta(PanelCorte, 44, 128, 336, 22, enlace.Texto(694));
    LabelTotal = Etiqueta(PanelCorte, 384, 128, 110, 22, enlace.Texto(693));
    L = Rejilla(PanelCorte, 40, 152, 560, "L");
    L->viewport()->setCursor(Qt::PointingHandCursor);
    L->hide();
    LabelCorte3 = Etiqueta(PanelCorte, 510, 128, 480, 22);
    listcalc = Rejilla(PanelCorte, 510, 152, 560, "listcalc");
    listcalc->hide();
    // The captions above the grids name them and their columns for screen
    // readers; the universities' grid takes the chosen degree's name.
    L->setAccessibleName(enlace.Texto(696));
    listcalc->setAccessibleName(enlace.Texto(296));
    NombrarColumnas(L, {enlace.Texto(694), enlace.Texto(693)});
    NombrarColumnas(listcalc, {enlace.Texto(503), enlace.Texto(296)});
    BotCerrar3 = Boton(PanelCorte, 870, 722, 120, 32, enlace.Texto(13), 10);

    Nombrar(LabelCorteSelecti, "LabelCorteSelecti");
    Nombrar(LabelCorte1, "LabelCorte1");
    Nombrar(LabelMasde, "LabelMasde");
    Nombrar(LabelCorte2, "LabelCorte2");
    Nombrar(LabelTotal, "LabelTotal");
    Nombrar(LabelCorte3, "LabelCorte3");
    Buttoncorte6->setObjectName(QStringLiteral("Buttoncorte6"));
    Buttoncorte7->setObjectName(QStringLiteral("Buttoncorte7"));
    ButtonCorte8->setObjectName(QStringLiteral("ButtonCorte8"));
    BotCerrar3->setObjectName(QStringLiteral("BotCerrar3"));

    connect(Buttoncorte6, &QPushButton::clicked, this, &TForm6::Buttoncorte6Click);
    connect(Buttoncorte7, &QPushButton::clicked, this, &TForm6::Buttoncorte7Click);
    connect(ButtonCorte8, &QPushButton::clicked, this, &TForm6::ButtonCorte8Click);
    connect(L, &QTableWidget::cellClicked, this, [this](int fila, int) { LClick(fila); });
    connect(BotCerrar3, &QPushButton::clicked, this, &TForm6::BotCerrar3Click);
}

void TForm6::CrearPanelPonderacion()
{
    PanelPonderacion = new QWidget(this);
    Nombrar(PanelPonderacion, "PanelPonderacion");
    PanelPonderacion->setGeometry(0, 0, kAncho, kAlto);
    ImagePonderacion = Degradado(PanelPonderacion, "ImagePonderacion");

    PanelPonderacion2 = new QWidget(PanelPonderacion);
    Nombrar(PanelPonderacion2, "PanelPonderacion2");
    PanelPonderacion2->setGeometry(162, 60, 700, 640);
    PanelPonderacion2->setAutoFillBackground(true);
    QPalette fondo = PanelPonderacion2->palette();
    fondo.setColor(QPalette::Window, kFondoLista);
    PanelPonderacion2->setPalette(fondo);

    LabelPondera1 = Etiqueta(PanelPonderacion2, 20, 16, 660, 24, enlace.Texto(689));
    LabelUnis = Etiqueta(PanelPonderacion2, 20, 52, 660, 24, enlace.Texto(678) + ' ' + enlace.Texto(239));
    Nombrar(LabelPondera1, "LabelPondera1");
    Nombrar(LabelUnis, "LabelUnis");

    ListUnis = new QListWidget(PanelPonderacion2);
    Nombrar(ListUnis, "ListUnis");
    // Item views take no name from a caption label's buddy: the list is
    // named by the caption right above it.
    ListUnis->setAccessibleName(LabelUnis->text());
    ListUnis->setGeometry(20, 80, 660, 490);
    ListUnis->setFont(QFont(QStringLiteral("Arial"), 10));
    ListUnis->setCursor(Qt::PointingHandCursor);
    QPalette lista = ListUnis->palette();
    lista.setColor(QPalette::Base, kFondoLista);
    ListUnis->setPalette(lista);
    connect(ListUnis, &QListWidget::itemDoubleClicked, this, [this] { ListUnisDblClick(); });

    Botcerrar4 = Boton(PanelPonderacion2, 560, 590, 120, 32, enlace.Texto(13), 10);
    Botcerrar4->setObjectName(QStringLiteral("Botcerrar4"));
    connect(Botcerrar4, &QPushButton::clicked, this, &TForm6::Botcerrar4Click);
}

void TForm6::MostrarNotaCorte()
{
    PanelPonderacion->hide();
    PanelCorte->show();
    PanelCorte->raise();
}

void TForm6::MostrarPonderaciones()
{
    PanelCorte->hide();
    PanelPonderacion->hide();
    PanelPonderacion->show();
    PanelPonderacion->raise();
    ListarPDF(enlace.RutaDatos + QStringLiteral("pdf"));
    if (ListUnis->count() > 0)
        ListUnis->setCurrentRow(0);
}

void TForm6::ListarPDF(const QString &carpeta)
{
    ListUnis->clear();
    ListUnis->addItems(NombresPdf(carpeta));
}

void TForm6::Buttoncorte6Click()
{
    PulsarUmbral(Buttoncorte6, 60);
}

void TForm6::Buttoncorte7Click()
{
    PulsarUmbral(Buttoncorte7, 80);
}

void TForm6::ButtonCorte8Click()
{
    PulsarUmbral(ButtonCorte8, 100);
}

void TForm6::PulsarUmbral(QPushButton *boton, int umbral)
{
    VaciarListcalc();
    LabelCorte3->clear();
    LabelMasde->setText(boton->text());
    CalcularNotasCorte(umbral);
}

void TForm6::VaciarListcalc()
{
    listcalc->clearContents();
    listcalc->setRowCount(0);
}

void TForm6::CalcularNotasCorte(int umbral)
{
    L->show();
    VaciarListcalc();
    filas_ = norvela::CalcularNotasCorte(enlace, umbral);
    L->clearContents();
    L->clearSelection();
    L->scrollToTop();
    if (filas_.empty()) {
        // The last threshold's degrees must not stay under the new caption:
        // one row that says so, which no click selects.
        L->setRowCount(1);
        auto *ninguno = new QTableWidgetItem(enlace.Texto(41));
        ninguno->setFlags(Qt::ItemIsEnabled);
        L->setItem(0, 0, ninguno);
        return;
    }
    L->setRowCount(static_cast<int>(filas_.size()));
    for (int r = 0; r < static_cast<int>(filas_.size()); ++r) {
        const FilaCorte &f = filas_[static_cast<size_t>(r)];
        L->setItem(r, 0, Celda(DesdeAnsi(f.nombre)));
        L->setItem(r, 1, Celda(DesdeAnsi(f.cuenta)));
    }
}

void TForm6::LClick(int fila)
{
    // The "none" row, or a row past the list, names no degree.
    if (fila < 0 || fila >= static_cast<int>(filas_.size()))
        return;
    const FilaCorte &f = filas_[static_cast<size_t>(fila)];
    LabelCorte3->setText(DesdeAnsi(f.nombre));
    listcalc->setAccessibleName(LabelCorte3->text().trimmed());
    listcalc->show();
    VaciarListcalc();
    listcalc->setRowCount(static_cast<int>(f.notas.size()));
    for (int k = 0; k < static_cast<int>(f.notas.size()); ++k) {
        const int u = f.universidades[static_cast<size_t>(k)];
        const bool conocida = u >= 1 && u <= enlace.NumUniversidades && enlace.NombresUniversidad.Contiene(u);
        listcalc->setItem(k, 0, Celda(conocida ? DesdeAnsi(enlace.NombresUniversidad[u]).trimmed() : QString()));
        QTableWidgetItem *nota = Celda(DesdeAnsi(TextoNota(f.notas[static_cast<size_t>(k)])));
        TextoAccesibleNotas(nota);
        listcalc->setItem(k, 1, nota);
    }
    listcalc->clearSelection();
    listcalc->setCurrentItem(nullptr);
}

void TForm6::ListUnisDblClick()
{
    // An empty list has no document to open.
    const QListWidgetItem *item = ListUnis->currentItem();
    if (!item)
        return;
    AbrirFichero(enlace.RutaDatos + QStringLiteral("pdf/") + item->text().trimmed(), enlace.RutaDatos);
}

void TForm6::BotCerrar3Click()
{
    PanelCorte->hide();
    VolverAGrados();
}

void TForm6::Botcerrar4Click()
{
    PanelPonderacion->hide();
    VolverAGrados();
}

void TForm6::VolverAGrados()
{
    if (Pantalla *grados = pantallas.Por(Papel::Grados))
        grados->Mostrar();
    hide();
}

// The close box goes back to the screen that opened this one.
Pantalla *TForm6::DestinoAlCerrar()
{
    return pantallas.Por(Papel::Grados);
}

} // namespace norvela
