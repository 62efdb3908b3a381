// General study-guidance icons: studies, places, dates, interests.
#include "iconos.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>
#include <cmath>

namespace dibujo::icon {

namespace {

QPainterPath estrellaForma(QPointF c, qreal fuera, qreal dentro)
{
    QPainterPath forma;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal r = i % 2 ? dentro : fuera;
        const QPointF q = c + QPointF(std::cos(a), std::sin(a)) * r;
        if (i == 0)
            forma.moveTo(q);
        else
            forma.lineTo(q);
    }
    forma.closeSubpath();
    return forma;
}

} // namespace

void universidad(QPainter &p)
{
    // A mortarboard with its golden tassel.
    QPainterPath gorro;
    gorro.moveTo(8, 13);
    gorro.lineTo(8, 20);
    gorro.cubicTo(12, 23.5, 18, 23.5, 22, 20);
    gorro.lineTo(22, 13);
    gorro.closeSubpath();
    pieza(p, gorro, QColor(62, 62, 92), 1.0);
    QPainterPath tabla;
    tabla.moveTo(15, 4);
    tabla.lineTo(29, 10.5);
    tabla.lineTo(15, 17);
    tabla.lineTo(1, 10.5);
    tabla.closeSubpath();
    pieza(p, tabla, QColor(80, 80, 116), 1.0);
    p.setPen(QPen(oro, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 10.5), QPointF(24, 14));
    p.drawLine(QPointF(24, 14), QPointF(24, 21));
    pieza(p, QRectF(22.6, 20.5, 2.8, 5.5), 1, oro, 0.7);
    ovalo(p, QRectF(13.5, 9.3, 3, 2.4), oro, 0.6);
}

void lugar(QPainter &p)
{
    // A map pin over its shadow.
    sombraSuelo(p, QRectF(8, 24.5, 14, 5), 90);
    QPainterPath pin;
    pin.moveTo(15, 27);
    pin.cubicTo(11, 21, 5.5, 16, 5.5, 11);
    pin.cubicTo(5.5, 5.5, 10, 1.5, 15, 1.5);
    pin.cubicTo(20, 1.5, 24.5, 5.5, 24.5, 11);
    pin.cubicTo(24.5, 16, 19, 21, 15, 27);
    pin.closeSubpath();
    pin.addEllipse(QPointF(15, 11), 3.6, 3.6);
    pin.setFillRule(Qt::OddEvenFill);
    pieza(p, pin, rojo, 1.1);
    brillo(p, QRectF(8, 4, 10, 12), 150);
}

void redes(QPainter &p)
{
    // A router with two aerials sending out its signal: networks,
    // electronics and telecommunications.
    p.setPen(QPen(azul, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {4.0, 7.5})
        p.drawArc(QRectF(15 - r, 9 - r, 2 * r, 2 * r), 40 * 16, 100 * 16);
    trazo(p, {QPointF(8, 18), QPointF(6, 6)}, 1.4, gris);
    trazo(p, {QPointF(22, 18), QPointF(24, 6)}, 1.4, gris);
    pieza(p, QRectF(2.5, 17, 25, 9), 2.5, metal, 1.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 0 ? verde : QColor(120, 230, 140));
        p.drawEllipse(QPointF(7 + i * 3.2, 21.5), 1.1, 1.1);
    }
    p.setBrush(sombra(metal, 0.35));
    p.drawRoundedRect(QRectF(20, 20.5, 5, 2), 0.6, 0.6);
    brillo(p, QRectF(5, 17.5, 12, 3), 110);
}

void atencionPersonas(QPainter &p)
{
    // A grown-up with a hand on a child's shoulder and a heart above them:
    // caring for people.
    const QColor piel(255, 216, 188);
    persona(p, 11, 28.5, 22, azul);
    persona(p, 21.5, 28.5, 15, coral);
    trazo(p, {QPointF(14.5, 16.5), QPointF(19, 17.5)}, 1.6, piel);
    QPainterPath corazon;
    corazon.moveTo(21.5, 11);
    corazon.cubicTo(18.5, 8.5, 16.5, 6.5, 16.5, 4.5);
    corazon.cubicTo(16.5, 2.5, 18, 1.5, 19.3, 1.5);
    corazon.cubicTo(20.4, 1.5, 21.1, 2.3, 21.5, 3.2);
    corazon.cubicTo(21.9, 2.3, 22.6, 1.5, 23.7, 1.5);
    corazon.cubicTo(25, 1.5, 26.5, 2.5, 26.5, 4.5);
    corazon.cubicTo(26.5, 6.5, 24.5, 8.5, 21.5, 11);
    corazon.closeSubpath();
    pieza(p, corazon, rojo, 0.9);
}

void periodico(QPainter &p)
{
    // A folded newspaper: a masthead, a photograph and columns of text, for
    // the social sciences, journalism and documentation.
    pieza(p, QRectF(6, 3, 22, 25), 1.0, QColor(236, 238, 242), 1.0);
    pieza(p, QRectF(2, 6, 22, 22), 1.0, blanco, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(gris);
    p.drawRect(QRectF(4.5, 8.5, 17, 3));
    p.setBrush(luz(azul, 0.2));
    p.drawRect(QRectF(4.5, 13.5, 7.5, 6));
    p.setPen(QPen(QColor(150, 158, 172), 1.0, Qt::SolidLine, Qt::FlatCap));
    for (qreal y : {14.0, 16.0, 18.0})
        p.drawLine(QPointF(14, y), QPointF(21.5, y));
    for (qreal y : {22.0, 24.0, 26.0}) {
        p.drawLine(QPointF(4.5, y), QPointF(12, y));
        p.drawLine(QPointF(14, y), QPointF(21.5, y));
    }
}

void calendario(QPainter &p)
{
    // A desk calendar page with a red header and rings.
    pieza(p, QRectF(3, 5, 24, 23), 2.5, blanco, 1.1);
    QPainterPath recorte;
    recorte.addRect(QRectF(3, 5, 24, 7));
    pieza(p, redondeado(QRectF(3, 5, 24, 23), 2.5).intersected(recorte), rojo, 1.0);
    for (qreal x : {9.0, 21.0})
        pieza(p, QRectF(x - 1.2, 2.5, 2.4, 6), 1.2, metal, 0.8);
    p.setPen(Qt::NoPen);
    for (int fila = 0; fila < 3; ++fila)
        for (int col = 0; col < 4; ++col) {
            const bool marcado = fila == 1 && col == 2;
            p.setBrush(marcado ? rojo : QColor(160, 176, 200));
            p.drawRoundedRect(QRectF(6 + col * 5, 15 + fila * 4, 3.2, 2.6), 0.6, 0.6);
        }
}

void teatro(QPainter &p)
{
    // The happy and the sad masks, overlapping.
    auto mascara = [&p](QPointF c, qreal giro, const QColor &color, bool alegre) {
        p.save();
        p.translate(c);
        p.rotate(giro);
        QPainterPath forma;
        forma.moveTo(-8, -9);
        forma.quadTo(0, -11, 8, -9);
        forma.cubicTo(9, 0, 6, 9, 0, 10);
        forma.cubicTo(-6, 9, -9, 0, -8, -9);
        forma.closeSubpath();
        pieza(p, forma, color, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(sombra(color, 0.55));
        for (int lado : {-1, 1}) {
            QPainterPath ojo;
            ojo.moveTo(lado * 4.5 - 2.2, -3);
            ojo.quadTo(lado * 4.5, alegre ? -6 : -1, lado * 4.5 + 2.2, -3);
            ojo.quadTo(lado * 4.5, alegre ? -2.5 : -4.5, lado * 4.5 - 2.2, -3);
            p.drawPath(ojo);
        }
        QPainterPath boca;
        if (alegre) {
            boca.moveTo(-4, 2.5);
            boca.quadTo(0, 9, 4, 2.5);
            boca.quadTo(0, 4.5, -4, 2.5);
        } else {
            boca.moveTo(-3.5, 6.5);
            boca.quadTo(0, 1.5, 3.5, 6.5);
            boca.quadTo(0, 4.5, -3.5, 6.5);
        }
        p.drawPath(boca);
        p.restore();
    };
    mascara(QPointF(19.5, 16.5), 14, luz(azul, 0.2), false);
    mascara(QPointF(10.5, 12.5), -12, amarillo, true);
}

void estrella(QPainter &p)
{
    pieza(p, estrellaForma(QPointF(15, 16), 13.5, 6), amarillo, 1.2);
    brillo(p, QRectF(9, 9, 10, 10), 170);
}

void idea(QPainter &p)
{
    // A glowing light bulb.
    p.setPen(QPen(oro, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF c(15, 11);
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 11, c + QPointF(std::cos(a), std::sin(a)) * 13.5);
    }
    QPainterPath bombilla;
    bombilla.moveTo(11.5, 21);
    bombilla.cubicTo(11.5, 17, 7, 16, 7, 11);
    bombilla.cubicTo(7, 6.5, 10.5, 3, 15, 3);
    bombilla.cubicTo(19.5, 3, 23, 6.5, 23, 11);
    bombilla.cubicTo(23, 16, 18.5, 17, 18.5, 21);
    bombilla.closeSubpath();
    pieza(p, bombilla, amarillo, 1.1);
    p.setPen(QPen(sombra(oro, 0.2), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(13, 20), QPointF(13, 14), QPointF(15, 16), QPointF(17, 14), QPointF(17, 20)}));
    brillo(p, QRectF(9, 5, 10, 10), 190);
    pieza(p, QRectF(11, 21, 8, 5), 1.5, metal, 0.9);
    p.setPen(QPen(sombra(metal, 0.3), 0.8));
    p.drawLine(QPointF(11.5, 23.5), QPointF(18.5, 23.5));
    pieza(p, QRectF(13, 26, 4, 2), 1, gris, 0.7);
}

void pregunta(QPainter &p)
{
    // A question mark on a sky-blue disc.
    ovalo(p, QRectF(1.5, 1.5, 27, 27), azul, 1.1);
    QPainterPath signo;
    signo.moveTo(10.5, 11);
    signo.cubicTo(10.5, 6.5, 19.5, 6, 19.5, 11);
    signo.cubicTo(19.5, 14.5, 15, 14, 15, 18);
    p.strokePath(signo, QPen(blanco, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(Qt::NoPen);
    p.setBrush(blanco);
    p.drawEllipse(QPointF(15, 22.5), 1.9, 1.9);
    brillo(p, QRectF(5, 5, 14, 14), 90);
}

void libro(QPainter &p)
{
    // A closed book with a bookmark, like the one the girl carries.
    pieza(p, QRectF(6, 4, 20, 24), 1.5, blanco, 1.0);
    p.setPen(QPen(QColor(200, 210, 226), 0.8));
    for (qreal x = 23.5; x > 21; x -= 1.2)
        p.drawLine(QPointF(x, 5.5), QPointF(x, 26.5));
    pieza(p, QRectF(4, 3, 18, 25), 1.5, cielo, 1.0);
    p.fillRect(QRectF(6.5, 3.5, 2.2, 24), sombra(cielo, 0.2));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.5, 9), QPointF(19, 9));
    p.drawLine(QPointF(11.5, 12.5), QPointF(17, 12.5));
    QPainterPath cinta;
    cinta.moveTo(16, 27);
    cinta.lineTo(19, 27);
    cinta.lineTo(19, 30);
    cinta.lineTo(17.5, 28.8);
    cinta.lineTo(16, 30);
    cinta.closeSubpath();
    pieza(p, cinta, coral, 0.6);
}

void derecho(QPainter &p)
{
    // Balanced scales of justice.
    trazo(p, {QPointF(15, 5), QPointF(15, 25)}, 1.8, oro);
    trazo(p, {QPointF(4, 8), QPointF(26, 8)}, 1.6, oro);
    pieza(p, QRectF(9, 24, 12, 4), 1.5, oro, 0.9);
    ovalo(p, QRectF(13, 2.5, 4, 4), oro, 0.8);
    for (qreal x : {6.0, 24.0}) {
        p.setPen(QPen(sombra(oro, 0.3), 0.8));
        p.drawLine(QPointF(x, 8.5), QPointF(x - 4, 17));
        p.drawLine(QPointF(x, 8.5), QPointF(x + 4, 17));
        QPainterPath plato;
        plato.moveTo(x - 5.5, 17);
        plato.lineTo(x + 5.5, 17);
        plato.quadTo(x, 23, x - 5.5, 17);
        plato.closeSubpath();
        pieza(p, plato, oro, 0.9);
    }
}

void microscopio(QPainter &p)
{
    // A microscope on its base.
    pieza(p, QRectF(4, 25, 22, 3.5), 1.5, gris, 1.0);
    QPainterPath brazo;
    brazo.moveTo(19, 25);
    brazo.cubicTo(26, 21, 26, 11, 20, 8);
    trazo(p, brazo, 2.6, gris);
    pieza(p, QRectF(9, 18, 12, 2.2), 0.8, gris, 0.8);
    p.save();
    p.translate(14, 11);
    p.rotate(-28);
    pieza(p, QRectF(-2.8, -9, 5.6, 15), 1.5, luz(azul, 0.1), 1.0);
    pieza(p, QRectF(-3.5, -11, 7, 3), 1, gris, 0.8);
    pieza(p, QRectF(-1.8, 6, 3.6, 3.5), 0.8, metal, 0.8);
    p.restore();
    ovalo(p, QRectF(19, 12, 4, 4), metal, 0.8);
}

void ingenieria(QPainter &p)
{
    // A pair of compasses over a set square.
    QPainterPath escuadra;
    escuadra.moveTo(3, 27);
    escuadra.lineTo(3, 9);
    escuadra.lineTo(21, 27);
    escuadra.closeSubpath();
    escuadra.moveTo(6, 23.5);
    escuadra.lineTo(6, 16);
    escuadra.lineTo(13.5, 23.5);
    escuadra.closeSubpath();
    escuadra.setFillRule(Qt::OddEvenFill);
    pieza(p, escuadra, amarillo, 1.0);
    trazo(p, {QPointF(19, 5), QPointF(12, 25)}, 1.8, metal);
    trazo(p, {QPointF(19, 5), QPointF(26, 25)}, 1.8, metal);
    trazo(p, {QPointF(26, 25), QPointF(26.5, 27.5)}, 0.8, gris);
    pieza(p, QRectF(17, 2, 4, 5), 1.5, rojo, 0.8);
    trazo(p, {QPointF(15, 16.5), QPointF(22.8, 16.5)}, 0.8, gris);
}

void corazon(QPainter &p)
{
    QPainterPath forma;
    forma.moveTo(15, 27);
    forma.cubicTo(9, 22, 2, 17, 2, 10);
    forma.cubicTo(2, 5.5, 5.5, 3, 9, 3);
    forma.cubicTo(12, 3, 14, 5, 15, 7);
    forma.cubicTo(16, 5, 18, 3, 21, 3);
    forma.cubicTo(24.5, 3, 28, 5.5, 28, 10);
    forma.cubicTo(28, 17, 21, 22, 15, 27);
    forma.closeSubpath();
    pieza(p, forma, rojo, 1.2);
    brillo(p, QRectF(4.5, 5.5, 9, 9), 180);
}

void atomo(QPainter &p)
{
    // Three electron orbits round a nucleus.
    const QColor orbita = luz(morado, 0.1);
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(15, 15);
        p.rotate(i * 60);
        p.setPen(QPen(sombra(orbita, 0.3), 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(0, 0), 13, 5);
        p.setPen(QPen(orbita, 1.4));
        p.drawEllipse(QPointF(0, 0), 13, 5);
        p.restore();
    }
    ovalo(p, QRectF(11.5, 11.5, 7, 7), rojo, 1.0);
    for (int i = 0; i < 3; ++i) {
        const qreal a = qDegreesToRadians(i * 60.0);
        const QPointF e(13 * std::cos(a), 13 * std::sin(a));
        ovalo(p, QRectF(15 + e.x() - 1.8, 15 + e.y() - 1.8, 3.6, 3.6), azul, 0.7);
    }
}

void trofeo(QPainter &p)
{
    // A golden cup with two handles on a dark base.
    for (int lado : {-1, 1}) {
        QPainterPath asa;
        asa.moveTo(15 + lado * 8, 6);
        asa.cubicTo(15 + lado * 14, 6, 15 + lado * 13, 15, 15 + lado * 6, 16);
        trazo(p, asa, 1.6, oro);
    }
    QPainterPath copa;
    copa.moveTo(6.5, 3);
    copa.lineTo(23.5, 3);
    copa.cubicTo(23.5, 13, 19, 17, 15, 17);
    copa.cubicTo(11, 17, 6.5, 13, 6.5, 3);
    copa.closeSubpath();
    pieza(p, copa, amarillo, 1.1);
    pieza(p, QRectF(13, 16.5, 4, 5), 0.5, oro, 0.8);
    pieza(p, QRectF(9.5, 21, 11, 3), 1, oro, 0.9);
    pieza(p, QRectF(7.5, 24, 15, 4.5), 1, QColor(110, 76, 60), 0.9);
    pieza(p, estrellaForma(QPointF(15, 9), 3.8, 1.7), luz(amarillo, 0.5), 0.7);
    brillo(p, QRectF(8, 4, 8, 10), 170);
}

} // namespace dibujo::icon
