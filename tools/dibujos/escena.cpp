// The little scene at the foot of the main menu's wall: a wise owl in a
// graduation cap perched on a pile of books, standing on the corridor floor
// in front of the first lower bay, where no door is in use. The program
// shows the picture as it is at (48, 584), so its background is that very
// piece of the corridor and the owl blends into the wall. The picture ends
// on the lower floor; the owl and books are drawn at `escala` to fit above it.
#include "dibujos.h"
#include "pincel.h"

#include <QPoint>

namespace dibujo {

namespace {

constexpr int ancho = 124;
constexpr int alto = 92;
// Where the picture falls inside the bay: the lower row of bays starts at
// y 340 and the first one at x 0, so (48, 584) is (48, 244) of the bay.
const QPoint origen(48, 244);
constexpr qreal pie = 158;   // where the pile of books stands, in drawing units
constexpr qreal escala = 0.5;
constexpr qreal pieSuelo = 80;  // the corridor floor (y 664) in the picture

const QColor plumaje(126, 112, 196);
const QColor pico(246, 170, 62);
const QColor verde(120, 190, 110);
const QColor amarillo(250, 204, 80);
const QColor papel(255, 250, 236);
const QColor birrete(62, 62, 92);

// The piece of the corridor behind the picture. It runs a pixel past the
// bay's right edge, so the bay is laid twice side by side.
void fondoPasillo(QPainter &p)
{
    const QImage bahia = parte();
    for (int x = -origen.x(); x < ancho; x += bahia.width())
        p.drawImage(x, -origen.y(), bahia);
}

// A book lying flat, seen from its spine.
void libroTumbado(QPainter &p, const QRectF &b, const QColor &color)
{
    pieza(p, b.adjusted(3, -2, -1, 0), 1.5, papel, 0.8);   // pages peeking behind
    pieza(p, b, 2.5, color, 1.0);
    p.fillRect(QRectF(b.left() + 7, b.top() + 2, 3, b.height() - 4), luz(color, 0.45));
    p.fillRect(QRectF(b.right() - 10, b.top() + 2, 3, b.height() - 4), luz(color, 0.45));
    p.fillRect(QRectF(b.left() + 22, b.center().y() - 2, b.width() - 44, 4), QColor(255, 255, 255, 120));
}

// A pile of four books on the floor; returns where the top one starts.
qreal libros(QPainter &p)
{
    sombraSuelo(p, QRectF(4, pie - 7, 112, 13), 80);
    const struct { qreal x, ancho, alto; QColor color; } pila[] = {
        {10, 98, 18, marino}, {8, 92, 16, coral}, {12, 84, 12, amarillo}, {16, 88, 15, verde},
    };
    qreal y = pie;
    for (const auto &l : pila) {
        y -= l.alto;
        libroTumbado(p, QRectF(l.x, y, l.ancho, l.alto), l.color);
    }
    return y;
}

// The owl is drawn about the point where it perches: x is its middle and
// y = 0 the top of the book under its feet.
void cuerpo(QPainter &p)
{
    // Egg-shaped body with two small ear tufts poking out under the cap.
    QPainterPath forma;
    forma.moveTo(0, -72);
    forma.cubicTo(22, -72, 34, -50, 33, -26);
    forma.cubicTo(32, -6, 20, 2, 0, 2);
    forma.cubicTo(-20, 2, -32, -6, -33, -26);
    forma.cubicTo(-34, -50, -22, -72, 0, -72);
    forma.closeSubpath();
    for (int lado : {-1, 1}) {
        QPainterPath penacho;
        penacho.moveTo(lado * 16, -66);
        penacho.quadTo(lado * 30, -72, lado * 36, -76);
        penacho.quadTo(lado * 34, -62, lado * 28, -52);
        penacho.closeSubpath();
        forma = forma.united(penacho);
    }
    pieza(p, forma, plumaje, 1.1);

    // Cream breast with rows of little feather scallops.
    ovalo(p, QRectF(-19, -32, 38, 32), luz(crema, 0.2), 0.9);
    p.setPen(QPen(mezcla(crema, plumaje, 0.45), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int fila = 0; fila < 3; ++fila) {
        const int cuantas = fila == 1 ? 2 : 3;
        for (int i = 0; i < cuantas; ++i) {
            const qreal x = (i - (cuantas - 1) / 2.0) * 9;
            p.drawArc(QRectF(x - 3.5, -25 + fila * 7, 7, 5), 200 * 16, 140 * 16);
        }
    }

    // Wings folded along the sides.
    for (int lado : {-1, 1}) {
        p.save();
        p.translate(lado * 29, -18);
        p.rotate(lado * -14);
        QPainterPath ala;
        ala.moveTo(0, -20);
        ala.cubicTo(lado * 9, -14, lado * 10, 8, lado * 2, 18);
        ala.cubicTo(lado * -6, 10, lado * -7, -10, 0, -20);
        ala.closeSubpath();
        pieza(p, ala, sombra(plumaje, 0.14), 1.0);
        p.setPen(QPen(luz(plumaje, 0.3), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(lado * 1.5, -8), QPointF(lado * 2.5, 8));
        p.restore();
    }

    // Feet gripping the book.
    for (int lado : {-1, 1}) {
        for (int dedo = -1; dedo <= 1; ++dedo)
            ovalo(p, QRectF(lado * 11 + dedo * 4 - 2.2, -4, 4.4, 8), pico, 0.8);
    }
}

void cara(QPainter &p)
{
    // The pale facial disc: two overlapping rings round the eyes.
    QPainterPath disco;
    disco.addEllipse(QPointF(-12, -46), 15, 14);
    QPainterPath otro;
    otro.addEllipse(QPointF(12, -46), 15, 14);
    pieza(p, disco.united(otro), luz(plumaje, 0.6), 0.9);

    for (int lado : {-1, 1}) {
        const QPointF ojo(lado * 12, -46);
        ovalo(p, QRectF(ojo.x() - 10, ojo.y() - 10, 20, 20), blanco, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(tinta);
        const QPointF nina = ojo + QPointF(-lado * 1.5, 0.5);
        p.drawEllipse(nina, 5.8, 6.2);
        p.setBrush(blanco);
        p.drawEllipse(nina + QPointF(1.8, -2.4), 2.0, 2.0);
        p.drawEllipse(nina + QPointF(-2.0, 2.4), 0.9, 0.9);
        // Rosy cheeks under the eyes.
        p.setBrush(QColor(246, 150, 160, 130));
        p.drawEllipse(QPointF(lado * 21, -33), 4.2, 2.4);
    }

    // Small hooked beak between the eyes.
    QPainterPath boca;
    boca.moveTo(-5, -40);
    boca.quadTo(0, -43, 5, -40);
    boca.quadTo(2, -34, 0, -30);
    boca.quadTo(-2, -34, -5, -40);
    boca.closeSubpath();
    pieza(p, boca, pico, 0.9);
}

void gorro(QPainter &p)
{
    // Skull cap, square board seen at an angle, cord and tassel.
    const QPointF c(0, -80);
    pieza(p, QRectF(c.x() - 17, c.y() + 1, 34, 13), 4, sombra(birrete, 0.2), 1.0);
    QPainterPath tabla;
    tabla.moveTo(c.x(), c.y() - 10);
    tabla.lineTo(c.x() + 36, c.y());
    tabla.lineTo(c.x(), c.y() + 9);
    tabla.lineTo(c.x() - 36, c.y());
    tabla.closeSubpath();
    pieza(p, tabla, birrete, 1.0);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - 30, c.y() - 1), QPointF(c.x() - 2, c.y() - 8.5));

    p.setPen(QPen(amarillo, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cordon;
    cordon.moveTo(c);
    cordon.quadTo(c.x() + 20, c.y() + 1, c.x() + 29, c.y() + 4);
    cordon.lineTo(c.x() + 29, c.y() + 17);
    p.drawPath(cordon);
    pieza(p, QRectF(c.x() + 26.5, c.y() + 16, 5, 10), 2, amarillo, 0.8);
    ovalo(p, QRectF(c.x() - 2.5, c.y() - 2.5, 5, 5), amarillo, 0.8);
}

} // namespace

QImage escena()
{
    QImage imagen = lienzo(ancho, alto, pared);
    QPainter p(&imagen);
    preparar(p);
    fondoPasillo(p);
    p.translate(ancho / 2.0 - escala * 60, pieSuelo - escala * pie);
    p.scale(escala, escala);
    const qreal percha = libros(p);
    p.translate(60, percha);
    cuerpo(p);
    cara(p);
    gorro(p);
    return imagen;
}

} // namespace dibujo
