// How the basic-cycle screen draws the rows of its information list.
#pragma once

#include <QStyledItemDelegate>

namespace norvela {

// A row that starts with a blank is written in blue; a row that starts
// with "-" gets the small arrow and shows its text from the second
// character, trimmed; the text stands 18 pixels in. A row's own font (the
// bold lines of a printed report) wins over the list's.
class DelegadoListsel : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
    QSize sizeHint(const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
};

} // namespace norvela
