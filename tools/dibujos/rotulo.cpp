// The small sign of the main menu for students who want to leave studying.
// The program prints a two-line caption on its upper part, in navy that
// turns yellow under the mouse, so the board is a mid-tone terracotta on
// which both read (about 4:1 each); a small arrow below points the way out.
// The caption's place (x 13..86, y 5..39 of the picture) lies wholly on the
// board, away from its frame; the sign is fixed to the wall, with no chains.
#include "dibujos.h"
#include "pincel.h"

#include <QLinearGradient>

namespace dibujo {

QImage rotulo()
{
    const int ancho = 97, alto = 57;
    // The corners keep the corridor wall's colour: the program makes the
    // colour of the bottom-left pixel transparent.
    QImage imagen = lienzo(ancho, alto, pared);
    QPainter p(&imagen);
    preparar(p);

    const QRectF tabla(1.5, 1.5, ancho - 3, alto - 3);
    pieza(p, tabla, 5, maderaOscura, 1.0);
    const QRectF cara = tabla.adjusted(2.5, 2, -2.5, -2.5);
    const QColor terracota(200, 90, 50);
    QLinearGradient g(cara.topLeft(), cara.bottomLeft());
    g.setColorAt(0.0, luz(terracota, 0.06));
    g.setColorAt(1.0, sombra(terracota, 0.06));
    p.setPen(QPen(sombra(terracota, 0.35), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(cara, 3, 3);

    // The arrow under the caption, pointing out to the right.
    const qreal y = 46;
    QPainterPath flecha;
    flecha.moveTo(32, y - 1.5);
    flecha.lineTo(58, y - 1.5);
    flecha.lineTo(58, y - 4.5);
    flecha.lineTo(66, y);
    flecha.lineTo(58, y + 4.5);
    flecha.lineTo(58, y + 1.5);
    flecha.lineTo(32, y + 1.5);
    flecha.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 236, 214));
    p.drawPath(flecha);
    return imagen;
}

} // namespace dibujo
