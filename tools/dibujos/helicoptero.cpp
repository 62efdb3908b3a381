// The assistant's little helicopter: a round coral cabin with a big window
// and a smiling pilot, spinning rotors drawn as soft blurred discs.
#include "dibujos.h"
#include "pincel.h"

#include <QLinearGradient>

namespace dibujo {

namespace {

const QColor fuselaje = coral;
const QColor metal(126, 132, 150);

void rotorPrincipal(QPainter &p)
{
    // The mast and hub.
    pieza(p, QRectF(68, 9, 6, 9), 1.5, metal, 0.8);
    // The spinning blades read as a faint disc with one visible blade.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 90, 120, 36));
    p.drawEllipse(QRectF(14, 4.5, 114, 9));
    p.setBrush(QColor(80, 90, 120, 30));
    p.drawEllipse(QRectF(26, 6, 90, 6));
    pieza(p, QRectF(24, 7, 94, 3.4), 1.7, sombra(metal, 0.2), 0.8);
    ovalo(p, QRectF(66.5, 5, 9, 6), fuselaje, 0.8);
}

void cola(QPainter &p)
{
    // Tapered boom from the cabin to the fin.
    QPainterPath boom;
    boom.moveTo(56, 26);
    boom.cubicTo(40, 27, 24, 28, 12, 28);
    boom.lineTo(12, 34);
    boom.cubicTo(24, 35, 40, 38, 56, 40);
    boom.closeSubpath();
    pieza(p, boom, fuselaje, 1.0);
    p.fillRect(QRectF(28, 30, 16, 2.2), QColor(255, 255, 255, 200));

    // Fin.
    QPainterPath aleta;
    aleta.moveTo(6, 18);
    aleta.quadTo(11, 16, 16, 27);
    aleta.lineTo(17, 35);
    aleta.lineTo(9, 36);
    aleta.quadTo(5, 28, 6, 18);
    aleta.closeSubpath();
    pieza(p, aleta, sombra(fuselaje, 0.1), 1.0);

    // Tail rotor spinning.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 90, 120, 45));
    p.drawEllipse(QPointF(10, 29), 8.5, 8.5);
    p.setPen(QPen(sombra(metal, 0.1), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 24), QPointF(15, 34));
    ovalo(p, QRectF(8, 27, 4, 4), metal, 0.6);
}

void patines(QPainter &p)
{
    p.setPen(QPen(sombra(metal, 0.15), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(66, 47), QPointF(63, 54));
    p.drawLine(QPointF(88, 47), QPointF(91, 54));
    QPainterPath patin;
    patin.moveTo(52, 55);
    patin.lineTo(98, 55);
    patin.quadTo(104, 55, 105, 50);
    p.setPen(QPen(metal, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(patin);
    p.setPen(QPen(QColor(255, 255, 255, 120), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(55, 54.3), QPointF(96, 54.3));
}

void cabina(QPainter &p)
{
    // Round cabin, bulging to the front (right).
    QPainterPath cuerpo;
    cuerpo.moveTo(52, 34);
    cuerpo.cubicTo(52, 22, 62, 16, 78, 16);
    cuerpo.cubicTo(96, 16, 108, 26, 108, 36);
    cuerpo.cubicTo(108, 44, 100, 49, 86, 49);
    cuerpo.lineTo(64, 49);
    cuerpo.cubicTo(56, 49, 52, 42, 52, 34);
    cuerpo.closeSubpath();
    pieza(p, cuerpo, fuselaje, 1.2);

    // White band along the bottom of the cabin.
    p.save();
    p.setClipPath(cuerpo);
    p.fillRect(QRectF(40, 41, 80, 3), QColor(255, 255, 255, 210));
    p.restore();

    // Big front window with the pilot inside.
    QPainterPath ventana;
    ventana.moveTo(80, 19.5);
    ventana.cubicTo(94, 19.5, 104.5, 27, 104.5, 35);
    ventana.lineTo(80, 35);
    ventana.closeSubpath();
    QLinearGradient vidrio(80, 19, 104, 35);
    vidrio.setColorAt(0.0, luz(cielo, 0.75));
    vidrio.setColorAt(1.0, luz(cielo, 0.4));
    p.setPen(QPen(sombra(fuselaje, 0.4), 1.0));
    p.setBrush(vidrio);
    p.drawPath(ventana);

    p.save();
    p.setClipPath(ventana);
    // Pilot: a round face with a navy cap and headphones.
    const QPointF cara(89, 29.5);
    ovalo(p, QRectF(cara.x() - 5, cara.y() - 5, 10, 10), QColor(255, 214, 186), 0.8);
    pieza(p, QRectF(cara.x() - 7, cara.y() + 5, 14, 8), 3, marino, 0.8);
    QPainterPath gorra;
    gorra.moveTo(cara.x() - 5.3, cara.y() - 2.5);
    gorra.cubicTo(cara.x() - 5.3, cara.y() - 8, cara.x() + 5.3, cara.y() - 8, cara.x() + 5.3, cara.y() - 2.5);
    gorra.lineTo(cara.x() + 8, cara.y() - 2.5);
    gorra.lineTo(cara.x() + 8, cara.y() - 1.5);
    gorra.lineTo(cara.x() - 5.3, cara.y() - 1.5);
    gorra.closeSubpath();
    pieza(p, gorra, marino, 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawEllipse(QPointF(cara.x() + 2.4, cara.y() + 1.2), 0.8, 1.0);
    p.setPen(QPen(tinta, 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cara.x() + 0.5, cara.y() + 1.5, 4, 3), 200 * 16, 140 * 16);
    // Reflection over the glass.
    p.setPen(QPen(QColor(255, 255, 255, 140), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96, 20), QPointF(101, 29));
    p.restore();

    // Side door with a small round porthole.
    p.setPen(QPen(sombra(fuselaje, 0.35), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(62, 22, 15, 19), 3, 3);
    ovalo(p, QRectF(65.5, 24.5, 8, 8), luz(cielo, 0.55), 0.8);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(66.5, 25.5, 6, 6), 100 * 16, 70 * 16);
    p.fillRect(QRectF(73, 34, 3, 1.4), sombra(fuselaje, 0.35));
}

} // namespace

QImage helicoptero()
{
    QImage imagen = lienzo(120, 60, fondo);
    QPainter p(&imagen);
    preparar(p);
    cola(p);
    patines(p);
    cabina(p);
    rotorPrincipal(p);
    return imagen;
}

} // namespace dibujo
