#include "heli_peque.h"

#include <QPainter>
#include <QPainterPath>

namespace norvela {

namespace {

// The screen's colours: red body with navy lines, like the heading.
const QColor kCuerpo(205, 40, 40);
const QColor kCuerpoOscuro(150, 25, 25);
const QColor kTrazo(0, 0, 128);
const QColor kCristal(170, 215, 245);
const QColor kRotor(60, 60, 60);
const QColor kCuerda(120, 80, 40);

} // namespace

QPixmap DibujoHeliPeque()
{
    QPixmap px(kAnchoHeliPeque, kAltoHeliPeque);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);

    // Tow rope from the tail to where the line begins.
    QPainterPath cuerda;
    cuerda.moveTo(70, 17);
    cuerda.quadTo(75, 23, 80, 21);
    p.setPen(QPen(kCuerda, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cuerda);

    // Skids and their struts.
    p.setPen(QPen(kRotor, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 23), QPointF(17, 28));
    p.drawLine(QPointF(40, 23), QPointF(42, 28));
    QPainterPath patin;
    patin.moveTo(9, 25.5);
    patin.quadTo(10, 28, 13, 28);
    patin.lineTo(48, 28);
    p.drawPath(patin);

    // Tail boom and fin.
    p.setPen(QPen(kTrazo, 1));
    p.setBrush(kCuerpo);
    QPainterPath cola;
    cola.moveTo(47, 12);
    cola.lineTo(71, 14.5);
    cola.lineTo(71, 17);
    cola.lineTo(47, 20);
    cola.closeSubpath();
    p.drawPath(cola);
    p.setBrush(kCuerpoOscuro);
    QPainterPath deriva;
    deriva.moveTo(66, 15);
    deriva.lineTo(69, 5);
    deriva.lineTo(74, 5);
    deriva.lineTo(72, 16);
    deriva.closeSubpath();
    p.drawPath(deriva);

    // Cabin, nose to the left.
    p.setBrush(kCuerpo);
    QPainterPath cabina;
    cabina.moveTo(9, 18);
    cabina.cubicTo(9, 11, 17, 8, 28, 8);
    cabina.lineTo(40, 8);
    cabina.cubicTo(47, 8, 50, 12, 50, 16);
    cabina.lineTo(50, 19);
    cabina.cubicTo(50, 22, 47, 24, 43, 24);
    cabina.lineTo(16, 24);
    cabina.cubicTo(12, 24, 9, 22, 9, 18);
    cabina.closeSubpath();
    p.drawPath(cabina);
    p.setBrush(kCristal);
    QPainterPath cristal;
    cristal.moveTo(11.5, 17);
    cristal.cubicTo(12, 12.5, 17, 10.5, 25, 10.5);
    cristal.lineTo(25, 17);
    cristal.closeSubpath();
    p.drawPath(cristal);

    // Mast, main rotor and the tail rotor's disc.
    p.setPen(Qt::NoPen);
    p.setBrush(kRotor);
    p.drawRect(QRectF(29, 4, 3, 4.5));
    p.drawRoundedRect(QRectF(3, 1.5, 56, 2.5), 1.2, 1.2);
    p.setPen(QPen(kRotor, 1));
    p.setBrush(QColor(60, 60, 60, 60));
    p.drawEllipse(QPointF(72, 8), 4.5, 4.5);
    return px;
}

} // namespace norvela
