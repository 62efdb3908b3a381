// How the degrees screen draws its lists, grids and tree: the branch list
// with its icons, the degree grid with its group headers and "+" column,
// the tree's colours, and the marks grid with its community headings.
// The items keep their texts, so accessibility tools read them as they are;
// where a text is only a marker, the item carries what tools say instead.
#pragma once

#include <QList>
#include <QPixmap>
#include <QStyledItemDelegate>

class QTableWidgetItem;

namespace norvela {

// What screen readers say for a cell of the marks grids: a "<" line (the
// university icon) without its marker, an unpublished mark (drawn "-") in
// words, headings and separators as every grid says them.
void TextoAccesibleNotas(QTableWidgetItem *celda);

// The 40 x 40 branch icons (ImageListRamas), taken from the program's
// compiled-in icons. The small ones (ImageList1) are the shared
// IconosPequenos() of iconos.h.
QList<QPixmap> IconosRamas();

// The branch list's icon of item 0..5.
int IconoDeRama(int item);

class DibujoRamas : public QStyledItemDelegate {
public:
    DibujoRamas(const QList<QPixmap> &iconos, QObject *padre) : QStyledItemDelegate(padre), iconos_(iconos) {}
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
    QSize sizeHint(const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;

private:
    QList<QPixmap> iconos_;
};

// The degree grid. A header row carries Qt::UserRole = true on its cell.
class DibujoRejillaGrados : public QStyledItemDelegate {
public:
    static constexpr int kRolCabecera = Qt::UserRole + 1;
    DibujoRejillaGrados(const QList<QPixmap> &iconos, QObject *padre) : QStyledItemDelegate(padre), iconos_(iconos) {}
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;

private:
    QList<QPixmap> iconos_;
};

class DibujoArbol : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
};

// The marks grid: "-" cells are maroon and bold, "<" cells get the list
// icon and lose their "<".
class DibujoNotas : public QStyledItemDelegate {
public:
    DibujoNotas(const QList<QPixmap> &iconos, QObject *padre) : QStyledItemDelegate(padre), iconos_(iconos) {}
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;

private:
    QList<QPixmap> iconos_;
};

} // namespace norvela
