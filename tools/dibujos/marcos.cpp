// The screens' frame: background tile, side strips and top band. The strips
// go from navy at the outer edge to a lighter blue at the inner edge, where
// a fine light line sets them off from the screen's content.
#include "dibujos.h"
#include "pincel.h"

#include <QLinearGradient>

namespace dibujo {

namespace {

const QColor marcoClaro{46, 104, 196};    // inner side of the frame
const QColor marcoLinea{178, 214, 250};   // the fine light line
const QColor marcoRemache{92, 146, 226};

// Gradient of a frame strip, from its outer edge to its inner edge.
void bandaMarco(QPainter &p, const QRectF &caja, QPointF exterior, QPointF interior)
{
    QLinearGradient g(exterior, interior);
    g.setColorAt(0.0, sombra(marino, 0.25));
    g.setColorAt(0.12, marino);
    g.setColorAt(0.85, marcoClaro);
    g.setColorAt(1.0, luz(marcoClaro, 0.15));
    p.fillRect(caja, g);
}

// A small rounded diamond, the only ornament of the frame.
void remache(QPainter &p, QPointF centro, qreal r)
{
    QPainterPath rombo;
    rombo.moveTo(centro.x(), centro.y() - r);
    rombo.lineTo(centro.x() + r, centro.y());
    rombo.lineTo(centro.x(), centro.y() + r);
    rombo.lineTo(centro.x() - r, centro.y());
    rombo.closeSubpath();
    p.save();
    p.setPen(QPen(conAlfa(marcoLinea, 150), 1.0));
    p.setBrush(marcoRemache);
    p.drawPath(rombo);
    p.restore();
}

} // namespace

QImage suelo()
{
    const int lado = 64;
    QImage imagen = lienzo(lado, lado, luz(fondo, 0.3));
    QPainter p(&imagen);
    preparar(p);

    // A diamond lattice of very faint lines; drawn over a wider area so the
    // pattern wraps around the edges and the tile repeats seamlessly.
    p.setPen(QPen(mezcla(fondo, cielo, 0.06), 1.0));
    for (int k = -2 * lado; k <= 2 * lado; k += lado / 2) {
        p.drawLine(QPointF(k, 0), QPointF(k + lado, lado));
        p.drawLine(QPointF(k + lado, 0), QPointF(k, lado));
    }
    // Soft dots in the middle of each diamond, alternately light and tinted.
    for (int dx = -lado; dx <= lado; dx += lado) {
        for (int dy = -lado; dy <= lado; dy += lado) {
            p.setPen(Qt::NoPen);
            p.setBrush(luz(fondo, 0.75));
            p.drawEllipse(QPointF(dx + 16, dy + 0), 2.6, 2.6);
            p.drawEllipse(QPointF(dx + 48, dy + 32), 2.6, 2.6);
            p.setBrush(mezcla(fondo, cielo, 0.05));
            p.drawEllipse(QPointF(dx + 16, dy + 32), 1.8, 1.8);
            p.drawEllipse(QPointF(dx + 48, dy + 0), 1.8, 1.8);
        }
    }
    return imagen;
}

QImage marcoDerecho()
{
    const int ancho = 24, alto = 64;
    QImage imagen = lienzo(ancho, alto, marino);
    QPainter p(&imagen);
    preparar(p);
    // The outer edge is on the right, facing away from the screen.
    bandaMarco(p, QRectF(0, 0, ancho, alto), QPointF(ancho, 0), QPointF(0, 0));
    p.fillRect(QRectF(0, 0, 1, alto), marcoLinea);
    p.fillRect(QRectF(1, 0, 1, alto), conAlfa(marcoLinea, 70));
    p.fillRect(QRectF(ancho - 1, 0, 1, alto), sombra(marino, 0.4));
    // One ornament per tile, centred so it never touches the seams.
    remache(p, QPointF(12.5, 32), 3.5);
    return imagen;
}

QImage marcoIzquierdo()
{
    return marcoDerecho().mirrored(true, false);
}

QImage marcoSuperior()
{
    const int ancho = 1024, alto = 50;
    QImage imagen = lienzo(ancho, alto, marino);
    QPainter p(&imagen);
    preparar(p);
    bandaMarco(p, QRectF(0, 0, ancho, alto), QPointF(0, 0), QPointF(0, alto - 2));
    p.fillRect(QRectF(0, alto - 3, ancho, 1), conAlfa(marcoLinea, 80));
    p.fillRect(QRectF(0, alto - 2, ancho, 1), marcoLinea);
    p.fillRect(QRectF(0, alto - 1, ancho, 1), sombra(marino, 0.2));
    p.fillRect(QRectF(0, 0, ancho, 1), sombra(marino, 0.4));
    // The same diamonds as the side strips, on the same 64-pixel step.
    for (int x = 32; x < ancho; x += 64)
        remache(p, QPointF(x, 26), 3.5);
    return imagen;
}

} // namespace dibujo
