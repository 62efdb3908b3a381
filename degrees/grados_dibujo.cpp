#include "grados_dibujo.h"

#include "iconos.h"
#include "paleta.h"
#include "rejilla_accesible.h"
#include "textos_propios.h"

#include <QPainter>
#include <QTableWidget>
#include <QTreeWidget>

#include <span>

namespace norvela {

namespace {

// Compiled-in icon numbers: 11 university, 13 atom (the sciences, as in the
// statistics), 22 book, 24 law, 25 microscope, 26 engineering, 27 heart.
// Arts and humanities, social sciences and law, health, all degrees,
// engineering and architecture, sciences, and one spare.
constexpr int kRamas[] = {22, 24, 27, 11, 26, 13, 25};
constexpr int kIconoDeItem[] = {0, 5, 1, 4, 2, 3};

QString Texto(const QModelIndex &indice)
{
    return indice.data(Qt::DisplayRole).toString();
}

// The study icons `numeros`, in that order, each scaled to lado x lado.
QList<QPixmap> IconosEscalados(std::span<const int> numeros, int lado)
{
    const QList<QPixmap> iconos = CargarIconosEstudios();
    QList<QPixmap> lista;
    for (int n : numeros) {
        const QPixmap icono = iconos.value(n);
        lista.append(icono.isNull() ? QPixmap()
                                    : icono.scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return lista;
}

} // namespace

QList<QPixmap> IconosRamas()
{
    return IconosEscalados(kRamas, 40);
}

int IconoDeRama(int item)
{
    return item >= 0 && item < 6 ? kIconoDeItem[item] : 0;
}

void DibujoRamas::paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    const QRect r = opcion.rect;
    const bool elegido = opcion.state & QStyle::State_Selected;
    p->fillRect(r, elegido ? opcion.palette.highlight() : opcion.palette.base());
    p->setPen(elegido ? opcion.palette.highlightedText().color() : opcion.palette.text().color());
    p->setFont(opcion.font);
    p->drawText(QRect(r.left() + 65, r.top() + 10, r.width() - 65, r.height() - 10), Qt::AlignLeft | Qt::AlignTop,
                Texto(indice));
    p->drawPixmap(r.left() + 10, r.top(), iconos_.value(IconoDeRama(indice.row())));
}

QSize DibujoRamas::sizeHint(const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    return {QStyledItemDelegate::sizeHint(opcion, indice).width(), 40};
}

void DibujoRejillaGrados::paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    const QRect r = opcion.rect;
    const QString texto = Texto(indice);
    p->save();
    QFont fuente = opcion.font;
    if (indice.column() == 1) {
        fuente.setBold(true);
        p->fillRect(r, paleta::ColorAzul);
        p->setFont(fuente);
        p->setPen(QColor(255, 255, 0));
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop, texto);
    } else if (indice.data(kRolCabecera).toBool()) {
        fuente.setBold(true);
        p->fillRect(r, paleta::ColorCoral);
        p->setFont(fuente);
        p->setPen(Qt::white);
        p->drawText(r, Qt::AlignLeft | Qt::AlignTop, texto);
    } else {
        const bool elegido = opcion.state & QStyle::State_Selected;
        p->fillRect(r, elegido ? opcion.palette.highlight() : opcion.palette.base());
        p->drawPixmap(r.left() + 2, r.top(), iconos_.value(3));
        p->setFont(fuente);
        p->setPen(elegido ? opcion.palette.highlightedText().color() : opcion.palette.text().color());
        p->drawText(r.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, texto);
    }
    p->restore();
}

void DibujoArbol::paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    QStyleOptionViewItem o = opcion;
    initStyleOption(&o, indice);
    const bool cabeza = !indice.parent().isValid() && indice.model()->rowCount(indice) > 0;
    QColor color = cabeza ? paleta::ColorAzul : paleta::ColorTexto;
    if (!cabeza && (opcion.state & QStyle::State_MouseOver))
        color = paleta::ColorResalte;
    if (opcion.state & (QStyle::State_HasFocus | QStyle::State_Selected))
        color = Qt::white;
    o.palette.setColor(QPalette::Text, color);
    o.palette.setColor(QPalette::HighlightedText, color);
    QStyledItemDelegate::paint(p, o, indice);
}

void DibujoNotas::paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const
{
    const QRect r = opcion.rect;
    QString texto = Texto(indice);
    p->save();
    QFont fuente = opcion.font;
    QColor color = Qt::black;
    if (texto.startsWith('-')) {
        fuente.setBold(true);
        color = paleta::ColorGranate;
    }
    p->fillRect(r, opcion.palette.base());
    p->setFont(fuente);
    p->setPen(color);
    if (texto.startsWith('<')) {
        p->drawPixmap(r.left() + 2, r.top(), iconos_.value(3));
        p->drawText(r.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, texto.mid(1));
    } else {
        p->drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, texto);
    }
    // Vertical grid lines only.
    p->setPen(QColor(128, 128, 128));
    p->drawLine(r.topRight(), r.bottomRight());
    p->restore();
}

void TextoAccesibleNotas(QTableWidgetItem *celda)
{
    const QString texto = celda->text();
    if (texto.startsWith(QLatin1Char('<')))
        celda->setData(Qt::AccessibleTextRole, texto.mid(1).trimmed());
    else if (texto.trimmed() == QLatin1String("-"))
        celda->setData(Qt::AccessibleTextRole, TextoPropio(Propio::NotaSinPublicar));
    else
        TextoAccesibleCelda(celda);
}

} // namespace norvela
