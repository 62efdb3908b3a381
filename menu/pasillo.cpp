#include "pasillo.h"

#include "dibujo.h"

#include <QPainter>

namespace norvela {

namespace {

const QColor kMarco(244, 236, 222);
const QColor kMarcoSombra(150, 128, 104);
const QColor kMadera(150, 96, 56);

// The casing around a leaf whose top-left corner is `p`, with its shadow on
// the wall, and the threshold under it.
void Casing(QPainter &lienzo, const QPoint &p, int ancho)
{
    const QRect exterior(p.x() - 6, p.y() - 8, ancho + 12, kAltoHoja + 8);
    lienzo.fillRect(exterior.translated(3, 2), QColor(90, 60, 30, 50));
    lienzo.fillRect(exterior, kMarco);
    lienzo.setPen(kMarcoSombra);
    lienzo.drawRect(exterior.adjusted(0, 0, -1, -1));
    lienzo.setPen(QColor(255, 252, 244));
    lienzo.drawLine(exterior.left() + 1, exterior.top() + 1, exterior.right() - 1, exterior.top() + 1);
    lienzo.drawLine(exterior.left() + 1, exterior.top() + 1, exterior.left() + 1, exterior.bottom());
    // The doorway's depth, seen at its edges around the leaf.
    lienzo.fillRect(QRect(p.x() - 1, p.y() - 1, ancho + 2, kAltoHoja + 1), QColor(120, 96, 80));
    lienzo.fillRect(QRect(exterior.left() - 2, p.y() + kAltoHoja, exterior.width() + 4, 3), QColor(176, 150, 128));
}

} // namespace

QImage PintarPasillo(const QSize &tamano, const QImage &bahia, const QImage &puertaCerrada,
                     const QList<QPoint> &puertas, const QList<QRect> &rotulos)
{
    // Painted straight at three bytes a pixel, as the menu keeps it.
    QImage imagen = Mosaico(tamano, bahia, QImage::Format_RGB888);
    QPainter lienzo(&imagen);
    for (const QPoint &p : puertas) {
        Casing(lienzo, p, puertaCerrada.width());
        lienzo.drawImage(p, puertaCerrada, QRect(0, 0, puertaCerrada.width(), kAltoHoja));
    }
    lienzo.setRenderHint(QPainter::Antialiasing);
    for (const QRect &r : rotulos) {
        const QRectF tabla = QRectF(r).adjusted(-3.5, -3.5, 3.5, 3.5);
        lienzo.setPen(Qt::NoPen);
        lienzo.setBrush(QColor(90, 60, 30, 60));
        lienzo.drawRoundedRect(tabla.translated(2, 2), 3, 3);
        lienzo.setPen(QPen(kMadera.darker(140), 1.0));
        lienzo.setBrush(kMadera);
        lienzo.drawRoundedRect(tabla, 3, 3);
    }
    return imagen;
}

QPixmap PixmapPasillo(const QImage &pasillo)
{
    return QPixmap::fromImage(pasillo.convertToFormat(QImage::Format_RGB888), Qt::NoFormatConversion);
}

} // namespace norvela
