// The speech balloon of the assistant: white, with a soft blue-grey outline
// and a tail down to the left, towards whoever speaks. The program writes up
// to four short lines in it, in the box (8, 8, 177 x 75), which stays plain.
#include "pincel.h"
#include "recursos.h"

#include <QLinearGradient>

namespace dibujo {

namespace {

constexpr int ancho = 195;
constexpr int alto = 140;

// One closed outline, body and tail together, so the stroke has no seams.
QPainterPath globo()
{
    const QRectF caja(2.5, 2.5, ancho - 7, 94);
    constexpr qreal r = 15;   // small enough to keep the text box's corners white
    const qreal d = 2 * r;
    QPainterPath forma;
    forma.moveTo(caja.left() + r, caja.top());
    forma.arcTo(QRectF(caja.right() - d, caja.top(), d, d), 90, -90);
    forma.arcTo(QRectF(caja.right() - d, caja.bottom() - d, d, d), 0, -90);
    // The tail leaves the bottom edge under the left third.
    forma.lineTo(66, caja.bottom());
    forma.cubicTo(58, 112, 40, 126, 12, 135.5);
    forma.quadTo(9, 136, 11, 134);
    forma.cubicTo(24, 122, 32, 110, 34, caja.bottom());
    forma.arcTo(QRectF(caja.left(), caja.bottom() - d, d, d), 270, -90);
    forma.arcTo(QRectF(caja.left(), caja.top(), d, d), 180, -90);
    forma.closeSubpath();
    return forma;
}

} // namespace

QImage bocadillo()
{
    QImage imagen = transparente(ancho, alto);
    QPainter p(&imagen);
    preparar(p);
    const QPainterPath forma = globo();

    // A soft shadow a little below, as if it floated over the screen.
    p.save();
    p.translate(1.5, 2.5);
    for (int i = 3; i >= 1; --i) {
        p.setPen(QPen(QColor(40, 50, 90, 14), i * 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(40, 50, 90, 18));
        p.drawPath(forma);
    }
    p.restore();

    // White, only a touch bluer at the bottom, with the outline.
    QLinearGradient g(0, 0, 0, alto);
    g.setColorAt(0.0, blanco);
    g.setColorAt(0.6, blanco);
    g.setColorAt(1.0, mezcla(blanco, fondo, 0.6));
    p.setPen(QPen(QColor(150, 172, 204), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(forma);

    return imagen;
}

} // namespace dibujo
