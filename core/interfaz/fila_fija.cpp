#include "fila_fija.h"

#include "rejilla_accesible.h"

#include <QEvent>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>

namespace norvela {

namespace {

class SoloPrimeraFila : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int fila, const QModelIndex &padre) const override
    {
        return fila == 0 && !padre.isValid();
    }
};

class FilaFija : public QTableView {
public:
    explicit FilaFija(QTableView *rejilla);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Colocar();
    void Apilar();
    void CopiarAnchos(const QHeaderView *franja);

    // Plain widgets: events reach the filter while the grid and its strip
    // are being torn down, and only their widget part is left by then.
    QPointer<QWidget> rejilla_;
    QPointer<QWidget> franja_;
    const QObject *const vigilada_;
    const QObject *const vigiladaFranja_;
    bool apilando_ = false;
};

FilaFija::FilaFija(QTableView *rejilla)
    : QTableView(rejilla->parentWidget()), rejilla_(rejilla), franja_(rejilla->horizontalHeader()),
      vigilada_(rejilla), vigiladaFranja_(rejilla->horizontalHeader())
{
    setObjectName(rejilla->objectName() + QStringLiteral("Fija"));
    auto *primera = new SoloPrimeraFila(this);
    primera->setSourceModel(rejilla->model());
    setModel(primera);
    setItemDelegate(rejilla->itemDelegate());
    setShowGrid(rejilla->showGrid());
    const int alto = rejilla->verticalHeader()->defaultSectionSize();
    verticalHeader()->setMinimumSectionSize(rejilla->verticalHeader()->minimumSectionSize());
    verticalHeader()->setDefaultSectionSize(alto);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setPalette(rejilla->palette());
    setFont(rejilla->font());

    // The strip: as tall as a row; its texts never show.
    QHeaderView *franja = rejilla->horizontalHeader();
    franja->setFixedHeight(alto);
    franja->setSectionsClickable(false);
    franja->setHighlightSections(false);
    franja->show();
    connect(franja, &QHeaderView::sectionResized, this, [this](int columna, int, int ancho) {
        setColumnWidth(columna, ancho);
    });
    connect(franja, &QHeaderView::sectionCountChanged, this, [this, franja] { CopiarAnchos(franja); });
    connect(rejilla->horizontalScrollBar(), &QScrollBar::valueChanged, horizontalScrollBar(), &QScrollBar::setValue);

    // Row 0 leaves the grid's rows whenever the rows change. The grid's
    // row header carries the hiding: it goes before the model when the grid
    // is destroyed, taking these connections with it, so the model's last
    // signals never reach a grid half torn down.
    QHeaderView *filas = rejilla->verticalHeader();
    QAbstractItemModel *modelo = rejilla->model();
    const auto apartar = [filas] {
        if (filas->count() > 0)
            filas->setSectionHidden(0, true);
    };
    connect(modelo, &QAbstractItemModel::rowsInserted, filas, apartar);
    connect(modelo, &QAbstractItemModel::rowsRemoved, filas, apartar);
    connect(modelo, &QAbstractItemModel::modelReset, filas, apartar);
    connect(modelo, &QAbstractItemModel::layoutChanged, filas, apartar);
    apartar();
    // The strip's texts never show, but screen readers name the columns by
    // them: they take the heading row's texts, not "1" and "2".
    // A table widget's header takes texts only through its own items.
    auto *widget = qobject_cast<QTableWidget *>(rejilla);
    const auto nombrar = [this, modelo, widget](const QModelIndex &desde, const QModelIndex &) {
        if (desde.row() != 0)
            return;
        // The fixed row is read as part of its grid, under the grid's name.
        setAccessibleName(rejilla_ ? rejilla_->accessibleName() : QString());
        QStringList textos;
        for (int c = 0; c < modelo->columnCount(); ++c)
            textos << modelo->index(0, c).data().toString().simplified();
        if (widget)
            NombrarColumnas(widget, textos);
        else
            for (int c = 0; c < textos.size(); ++c)
                modelo->setHeaderData(c, Qt::Horizontal, textos[c]);
    };
    connect(modelo, &QAbstractItemModel::dataChanged, filas, nombrar);
    // The delegate and the model go with the grid: no painting after that.
    connect(rejilla, &QObject::destroyed, this, [this] {
        hide();
        deleteLater();
    });
    rejilla->installEventFilter(this);
    franja->installEventFilter(this);

    CopiarAnchos(franja);
    Apilar();
    Colocar();
    setVisible(!rejilla->isHidden());
}

bool FilaFija::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == vigilada_) {
        switch (evento->type()) {
        case QEvent::ShowToParent:
            Colocar();
            show();
            break;
        case QEvent::HideToParent:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            Colocar();
            break;
        case QEvent::ZOrderChange:
            Apilar();
            break;
        case QEvent::PaletteChange:
            setPalette(rejilla_->palette());
            break;
        case QEvent::FontChange:
            setFont(rejilla_->font());
            break;
        default:
            break;
        }
    } else if (objeto == vigiladaFranja_ && (evento->type() == QEvent::Move || evento->type() == QEvent::Resize)) {
        Colocar();
    }
    return false;
}

// Over the strip, in the grid's parent.
void FilaFija::Colocar()
{
    if (!rejilla_ || !franja_)
        return;
    setGeometry(QRect(rejilla_->pos() + franja_->pos(), franja_->size()));
}

// Right above the grid, wherever the grid is among its siblings.
void FilaFija::Apilar()
{
    if (!rejilla_ || apilando_)
        return;
    apilando_ = true;
    stackUnder(rejilla_);
    rejilla_->stackUnder(this);
    apilando_ = false;
}

void FilaFija::CopiarAnchos(const QHeaderView *franja)
{
    for (int c = 0; c < franja->count(); ++c)
        setColumnWidth(c, franja->sectionSize(c));
}

} // namespace

QTableView *FijarPrimeraFila(QTableView *rejilla)
{
    return new FilaFija(rejilla);
}

} // namespace norvela
