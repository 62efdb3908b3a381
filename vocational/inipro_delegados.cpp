#include "inipro_delegados.h"

#include "controles_fp.h"
#include "paleta.h"

#include <QPainter>

namespace norvela {

namespace {

QString TextoMostrado(const QString &texto)
{
    return texto.startsWith('-') ? texto.mid(1, 60).trimmed() : texto;
}

} // namespace

void DelegadoListsel::paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    const QString texto = i.data(Qt::DisplayRole).toString();
    p->save();
    const bool elegida = o.state & QStyle::State_Selected;
    p->fillRect(o.rect, elegida ? o.palette.highlight() : o.palette.base());
    if (elegida)
        p->setPen(o.palette.highlightedText().color());
    else
        p->setPen(texto.startsWith(' ') ? paleta::ColorAzul : o.palette.text().color());
    if (texto.startsWith('-'))
        p->drawPixmap(o.rect.left(), o.rect.top(), IconoLista(3));
    const QVariant fuente = i.data(Qt::FontRole);
    p->setFont(fuente.isValid() ? fuente.value<QFont>() : o.font);
    p->drawText(o.rect.adjusted(18, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                TextoMostrado(texto));
    p->restore();
}

QSize DelegadoListsel::sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    const QSize base = QStyledItemDelegate::sizeHint(o, i);
    return QSize(base.width() + 18, std::max(base.height(), 16));
}

} // namespace norvela
