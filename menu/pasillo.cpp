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
    // Its outline and its lit edges, one pixel wide, as thin rectangles: a
    // picture of three bytes a pixel fills those far sooner than it strokes.
    lienzo.fillRect(QRect(exterior.left(), exterior.top(), exterior.width(), 1), kMarcoSombra);
    lienzo.fillRect(QRect(exterior.left(), exterior.bottom(), exterior.width(), 1), kMarcoSombra);
    lienzo.fillRect(QRect(exterior.left(), exterior.top(), 1, exterior.height()), kMarcoSombra);
    lienzo.fillRect(QRect(exterior.right(), exterior.top(), 1, exterior.height()), kMarcoSombra);
    const QColor luz(255, 252, 244);
    lienzo.fillRect(QRect(exterior.left() + 1, exterior.top() + 1, exterior.width() - 2, 1), luz);
    lienzo.fillRect(QRect(exterior.left() + 1, exterior.top() + 1, 1, exterior.height() - 1), luz);
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
