// The small hanging sign of the main menu. The program prints a two-line
// caption over its middle, so the board's centre stays plain and light.
#include "dibujos.h"
#include "pincel.h"

#include <QLinearGradient>

namespace dibujo {

namespace {

// A short chain of alternating links from a hook down to the board.
void cadena(QPainter &p, QPointF arriba, qreal abajo)
{
    const QColor metal(150, 150, 164);
    // Hook screwed to the wall.
    p.setPen(QPen(sombra(metal, 0.4), 0.8));
    p.setBrush(luz(metal, 0.3));
    p.drawEllipse(arriba, 2.4, 2.4);
    p.setBrush(Qt::NoBrush);
    const qreal paso = 3.6;
    bool deFrente = true;
    for (qreal y = arriba.y() + 2.5; y < abajo; y += paso, deFrente = !deFrente) {
        if (deFrente) {
            p.setPen(QPen(sombra(metal, 0.25), 1.2));
            p.drawEllipse(QRectF(arriba.x() - 1.6, y - 0.4, 3.2, paso + 0.8));
        } else {
            p.setPen(QPen(luz(metal, 0.1), 1.3));
            p.drawLine(QPointF(arriba.x(), y - 0.4), QPointF(arriba.x(), y + paso + 0.4));
        }
    }
}

} // namespace

QImage rotulo()
{
    const int ancho = 97, alto = 57;
    // Same colour as the corridor wall it hangs on.
    QImage imagen = lienzo(ancho, alto, pared);
    QPainter p(&imagen);
    preparar(p);

    const QRectF tabla(2, 12, ancho - 4, alto - 14);
    sombraSuelo(p, tabla.translated(1.5, 3).adjusted(2, 4, -2, 2), 45);

    cadena(p, QPointF(20, 2.5), tabla.top() + 2);
    cadena(p, QPointF(ancho - 20, 2.5), tabla.top() + 2);

    // Wooden border and a cream board inside it.
    pieza(p, tabla, 5, madera, 1.2);
    p.save();
    p.setPen(QPen(luz(madera, 0.3), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tabla.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    p.restore();

    const QRectF centro = tabla.adjusted(5, 5, -5, -5);
    QLinearGradient g(centro.topLeft(), centro.bottomLeft());
    g.setColorAt(0.0, luz(crema, 0.45));
    g.setColorAt(1.0, crema);
    p.setPen(QPen(sombra(madera, 0.3), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(centro, 2.5, 2.5);
    // Inner shadow along the top, the board sits a little behind the border.
    p.fillRect(QRectF(centro.left() + 1, centro.top() + 1, centro.width() - 2, 1.5),
               QColor(120, 80, 40, 40));

    // Rings where the chains hold the board.
    for (qreal x : {20.0, ancho - 20.0}) {
        p.setPen(QPen(QColor(110, 110, 124), 1.0));
        p.setBrush(QColor(236, 208, 120));
        p.drawEllipse(QPointF(x, tabla.top() + 2.5), 1.8, 1.8);
    }
    return imagen;
}

} // namespace dibujo
