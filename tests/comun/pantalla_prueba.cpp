#include "pantalla_prueba.h"

#include "aviso.h"
#include "mano.h"
#include "mapa_regiones.h"
#include "vista_mapa.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace norvela::pruebas {

QPoint Pixel(const MapaBytes &mapa, int valor)
{
    for (int x = 2; x < mapa.Ancho(); ++x)
        for (int y = 2; y < mapa.Alto(); ++y) {
            bool dentro = true;
            for (int dx = -1; dx <= 1 && dentro; ++dx)
                for (int dy = -1; dy <= 1 && dentro; ++dy)
                    dentro = mapa.Valor(x + dx, y + dy) == valor;
            if (dentro)
                return {x, y};
        }
    return {-1, -1};
}

void Mover(QWidget *w, QPoint p)
{
    QWidget *ventana = w->window();
    QTest::mouseMove(ventana->windowHandle(), w->mapTo(ventana, p));
}

void Clic(VistaMapa *mapa, QPoint p)
{
    QVERIFY2(p.x() > 0, "a pixel inside the region");
    ClicEn(mapa, mapa->PuntoDe(p.x(), p.y()));
}

void SobreFila(QListWidget *lista, int fila)
{
    QVERIFY2(fila >= 0 && fila < lista->count(),
             qPrintable(QStringLiteral("row %1 of %2").arg(fila).arg(lista->count())));
    lista->scrollToItem(lista->item(fila));
    Mover(lista->viewport(), lista->visualItemRect(lista->item(fila)).center());
}

namespace {

// The row's centre in the viewport, scrolled into view; (-1, -1) for no row.
QPoint CentroFila(QListWidget *lista, int fila)
{
    if (fila < 0 || fila >= lista->count()) {
        QTest::qFail(qPrintable(QStringLiteral("row %1 of %2").arg(fila).arg(lista->count())), __FILE__, __LINE__);
        return {-1, -1};
    }
    lista->scrollToItem(lista->item(fila));
    return lista->visualItemRect(lista->item(fila)).center();
}

QPoint CentroFila(QTableWidget *rejilla, int fila)
{
    if (fila < 0 || fila >= rejilla->rowCount() || !rejilla->item(fila, 0)) {
        QTest::qFail(qPrintable(QStringLiteral("row %1 of %2").arg(fila).arg(rejilla->rowCount())), __FILE__, __LINE__);
        return {-1, -1};
    }
    // The rows are laid out, as the event loop does before any click.
    rejilla->doItemsLayout();
    rejilla->scrollToItem(rejilla->item(fila, 0));
    return rejilla->visualItemRect(rejilla->item(fila, 0)).center();
}

} // namespace

void ClicFila(QListWidget *lista, int fila)
{
    if (const QPoint p = CentroFila(lista, fila); p.x() >= 0)
        ClicEn(lista->viewport(), p);
}

void ClicFila(QTableWidget *rejilla, int fila)
{
    if (const QPoint p = CentroFila(rejilla, fila); p.x() >= 0)
        ClicEn(rejilla->viewport(), p);
}

void DobleClicFila(QListWidget *lista, int fila)
{
    if (const QPoint p = CentroFila(lista, fila); p.x() >= 0)
        DobleClicEn(lista->viewport(), p);
}

void DobleClicFila(QTableWidget *rejilla, int fila)
{
    if (const QPoint p = CentroFila(rejilla, fila); p.x() >= 0)
        DobleClicEn(rejilla->viewport(), p);
}

QStringList Textos(const QListWidget *lista, bool recortados)
{
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << (recortados ? lista->item(i)->text().trimmed() : lista->item(i)->text());
    return r;
}

QStringList Columna(const QTableWidget *rejilla, int columna)
{
    QStringList r;
    for (int i = 0; i < rejilla->rowCount(); ++i)
        r << (rejilla->item(i, columna) ? rejilla->item(i, columna)->text() : QString());
    return r;
}

bool Cabe(const QWidget *w, const QString &texto, int margen)
{
    return w->fontMetrics().horizontalAdvance(texto) + margen <= w->width();
}

bool CabeEnEtiqueta(const QLabel *l, const QString &texto)
{
    const QFontMetrics fm(l->font());
    if (!l->wordWrap())
        return fm.horizontalAdvance(texto) <= l->width() && fm.height() <= l->height();
    return fm.boundingRect(QRect(0, 0, l->width(), 10000), Qt::TextWordWrap, texto).height() <= l->height();
}

bool Visible(const QWidget *w)
{
    return !w->isHidden();
}

namespace {

// A row that shows something (a text or an icon) and says nothing: its
// cells give screen readers no text of their own.
void ItemsMudos(const QAbstractItemView *vista, const QModelIndex &padre, const QString &donde, QStringList &faltas)
{
    const QAbstractItemModel *m = vista->model();
    const auto *lista = qobject_cast<const QListView *>(vista);
    const auto *rejilla = qobject_cast<const QTableView *>(vista);
    for (int r = 0; m && r < m->rowCount(padre); ++r) {
        if ((lista && lista->isRowHidden(r)) || (rejilla && rejilla->isRowHidden(r)))
            continue;
        QString dicho, visto;
        bool icono = false;
        for (int c = 0; c < m->columnCount(padre); ++c) {
            const QModelIndex i = m->index(r, c, padre);
            const QVariant accesible = i.data(Qt::AccessibleTextRole);
            const QString t = (accesible.isValid() ? accesible : i.data(Qt::DisplayRole)).toString().simplified();
            if (!t.isEmpty() && !t.contains(QRegularExpression(QStringLiteral("[[:alnum:]]"))))
                faltas << QStringLiteral("%1: item %2,%3 says only \"%4\"").arg(donde).arg(r).arg(c).arg(t);
            dicho += t;
            visto += i.data(Qt::DisplayRole).toString().simplified();
            icono = icono || i.data(Qt::DecorationRole).isValid();
        }
        if (dicho.isEmpty() && (icono || !visto.isEmpty()))
            faltas << QStringLiteral("%1: item %2 says nothing").arg(donde).arg(r);
        ItemsMudos(vista, m->index(r, 0, padre), donde, faltas);
    }
}

void RecorrerAccesible(QAccessibleInterface *a, const QString &donde, QStringList &faltas)
{
    if (!a || a->state().invisible)
        return;
    const QString nombre = a->text(QAccessible::Name).simplified();
    const QAccessible::Role rol = a->role();
    // Items are read from their views' models below.
    if (rol == QAccessible::ListItem || rol == QAccessible::TreeItem || rol == QAccessible::Cell ||
        rol == QAccessible::ColumnHeader || rol == QAccessible::RowHeader)
        return;
    auto *w = qobject_cast<QWidget *>(a->object());
    if (w && w->isVisible()) {
        const QString clase = QString::fromLatin1(w->metaObject()->className());
        const QString aqui = QStringLiteral("%1 %2 \"%3\"").arg(clase, w->objectName(), nombre);
        const auto *etiqueta = qobject_cast<QLabel *>(w);
        const bool pulsable = qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) ||
                              qobject_cast<QLineEdit *>(w) ||
                              (!qobject_cast<QAbstractItemView *>(w) && w->cursor().shape() == Qt::PointingHandCursor);
        // Classes of our own paint themselves; so does a label with a picture.
        const bool pintado = !clase.startsWith(QLatin1Char('Q')) || (etiqueta && !etiqueta->pixmap().isNull());
        if (!w->objectName().isEmpty() && nombre == w->objectName())
            faltas << QStringLiteral("%1: code name").arg(aqui);
        else if (nombre.isEmpty() && (pulsable || pintado))
            faltas << QStringLiteral("%1: no name").arg(aqui);
        if (nombre.isEmpty() && qobject_cast<QAbstractItemView *>(w) && !qobject_cast<QHeaderView *>(w))
            faltas << QStringLiteral("%1: unnamed list").arg(aqui);
        if (pulsable && (rol == QAccessible::StaticText || rol == QAccessible::Graphic))
            faltas << QStringLiteral("%1: clicked, but read as a text or a picture").arg(aqui);
        if (const auto *vista = qobject_cast<QAbstractItemView *>(w))
            ItemsMudos(vista, vista->rootIndex(), aqui, faltas);
        if (const auto *rejilla = qobject_cast<QTableView *>(w))
            for (int c = 0; c < rejilla->model()->columnCount(); ++c) {
                const QString cabecera = rejilla->model()->headerData(c, Qt::Horizontal).toString().trimmed();
                bool numero = false;
                cabecera.toInt(&numero);
                if (!rejilla->isColumnHidden(c) && (cabecera.isEmpty() || numero))
                    faltas << QStringLiteral("%1: column \"%2\"").arg(aqui, cabecera);
            }
    }
    const QString dentro = w ? w->objectName() : donde;
    for (int i = 0; i < a->childCount(); ++i)
        RecorrerAccesible(a->child(i), dentro, faltas);
}

} // namespace

QStringList Inaudibles(QWidget *ventana)
{
    QStringList faltas;
    RecorrerAccesible(QAccessible::queryAccessibleInterface(ventana), ventana->objectName(), faltas);
    return faltas;
}

namespace {

// The part of w its parents leave to show, in w's coordinates (a control
// slid out of its frame, as a sliding caption is, shows nothing).
QRect Recorte(const QWidget *w)
{
    QRect r = w->rect();
    for (const QWidget *a = w->parentWidget(); a && !r.isEmpty(); a = a->isWindow() ? nullptr : a->parentWidget())
        r &= QRect(w->mapFrom(a, QPoint(0, 0)), a->size());
    return r;
}

// Whether a control seen at a point hides what lies under it there: a bare
// container (a plain widget or frame that paints no background) lets it show.
bool Opaco(const QWidget *w)
{
    const QByteArray clase = w->metaObject()->className();
    return w->autoFillBackground() || (clase != "QWidget" && clase != "QFrame");
}

// Whether a lies above b in their window's stack (a parent lies under its
// children; of two branches, the later child of their common parent is on top).
bool Encima(const QWidget *a, const QWidget *b)
{
    if (a == b || a->isAncestorOf(b))
        return false;
    if (b->isAncestorOf(a))
        return true;
    QList<const QWidget *> ramaA, ramaB;
    for (const QWidget *x = a; x; x = x->parentWidget())
        ramaA.prepend(x);
    for (const QWidget *x = b; x; x = x->parentWidget())
        ramaB.prepend(x);
    qsizetype i = 0;
    while (i < ramaA.size() && i < ramaB.size() && ramaA[i] == ramaB[i])
        ++i;
    if (i == 0 || i >= ramaA.size() || i >= ramaB.size())
        return false;
    const QObjectList &hijos = ramaA[i - 1]->children();
    return hijos.indexOf(ramaA[i]) > hijos.indexOf(ramaB[i]);
}

// Whether some of the part r of w shows: at one of nine by nine points
// over it the control on top is w, one of its own, one under it (w lets the
// mouse through), or a bare container.
bool Asoma(QWidget *ventana, const QWidget *w, const QRect &r)
{
    const QRect dentro = r.adjusted(2, 2, -2, -2).isValid() ? r.adjusted(2, 2, -2, -2) : r;
    for (int i = 0; i <= 8; ++i)
        for (int j = 0; j <= 8; ++j) {
            const QPoint p(dentro.left() + dentro.width() * i / 8, dentro.top() + dentro.height() * j / 8);
            const QWidget *arriba = ventana->childAt(w->mapTo(ventana, p));
            if (!arriba || arriba == w || w->isAncestorOf(arriba) || !Encima(arriba, w) || !Opaco(arriba))
                return true;
        }
    return false;
}

} // namespace

QStringList Tapados(QWidget *ventana)
{
    QStringList tapados;
    for (const QWidget *w : ventana->findChildren<QWidget *>()) {
        const bool leido = qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLabel *>(w) ||
                           qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QLineEdit *>(w) ||
                           qobject_cast<const QComboBox *>(w);
        // A list's or a text box's own parts (headers, scroll bars) go with it.
        bool parte = false;
        for (const QWidget *a = w->parentWidget(); a && !parte; a = a->parentWidget())
            parte = qobject_cast<const QAbstractScrollArea *>(a) && !qobject_cast<const QScrollArea *>(a);
        if (leido && !parte && w->isVisible() && !Recorte(w).isEmpty() && !Asoma(ventana, w, Recorte(w)))
            tapados << QStringLiteral("%1 %2: covered").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
    }
    return tapados;
}

QList<QWidget *> VentanasVisibles()
{
    QList<QWidget *> visibles;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::ToolTip)
            visibles << w;
    return visibles;
}

void ResponderSiNo(TForm4 *dialogo, bool si, bool *preguntado)
{
    // Watched for, not awaited once: the hand may let the event loop run
    // (waiting for a window to show) before the press that asks.
    auto *vigia = new QTimer(dialogo);
    vigia->setInterval(5);
    auto desde = std::make_shared<QElapsedTimer>();
    desde->start();
    QObject::connect(vigia, &QTimer::timeout, dialogo, [=] {
        if (!dialogo->isVisible() && desde->elapsed() < 5000)
            return;
        vigia->stop();
        vigia->deleteLater();
        if (!dialogo->isVisible()) {
            QTest::qFail("the question shows", __FILE__, __LINE__);
            return;
        }
        *preguntado = true;
        Pulsar(si ? dialogo->ShadowSi : dialogo->ShadowNo);
    });
    vigia->start();
}

std::function<ResultadoInforme(const Informe &)> ResponderConPdf(Enlace &e, const QString &pdf, int &vistos,
                                                                 std::function<void()> alVerlo)
{
    return [&e, pdf, &vistos, alVerlo](const Informe &informe) {
        ++vistos;
        if (alVerlo)
            alVerlo();
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(pdf);
        return ImprimirTrasDialogo(e, informe, impresora, !pdf.isEmpty());
    };
}

QString TextoPdf(const QString &pdf, bool maquetado)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {maquetado ? QStringLiteral("-layout") : QStringLiteral("-raw"), pdf,
                                          QStringLiteral("-")});
    return p.waitForFinished(20000) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

bool Impresa(const QString &texto, const QString &linea)
{
    const QStringList partes = linea.split(QRegularExpression(QStringLiteral("\\s{2,}")), Qt::SkipEmptyParts);
    return !partes.isEmpty() && std::all_of(partes.begin(), partes.end(), [&](const QString &p) {
        return texto.contains(p.trimmed());
    });
}

} // namespace norvela::pruebas
