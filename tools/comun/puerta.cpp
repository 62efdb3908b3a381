#include "puerta.h"

#include "pincel.h"

#include <QLinearGradient>
#include <QPainter>

namespace dibujo {

void hojaDePuerta(QPainter &p, const QRectF &hoja, const QColor &color)
{
    pieza(p, hoja.adjusted(0.5, 0.5, -0.5, -0.5), 1, color, 1.0);
    QLinearGradient veta(hoja.topLeft(), hoja.topRight());
    veta.setColorAt(0.0, QColor(255, 255, 255, 28));
    veta.setColorAt(0.5, QColor(255, 255, 255, 0));
    veta.setColorAt(1.0, QColor(0, 0, 0, 22));
    p.fillRect(hoja, veta);

    // Small vision window below the plain upper rail, where a caption
    // board may hang in front, with the sky reflected in it.
    const QRectF ventanita(hoja.left() + 11, hoja.top() + 44, hoja.width() - 22, 30);
    pieza(p, ventanita.adjusted(-3, -3, 3, 3), 3, sombra(color, 0.12), 1.0);
    QLinearGradient cristal(ventanita.topLeft(), ventanita.bottomRight());
    cristal.setColorAt(0.0, luz(cielo, 0.8));
    cristal.setColorAt(1.0, luz(cielo, 0.45));
    p.setPen(Qt::NoPen);
    p.setBrush(cristal);
    p.drawRoundedRect(ventanita, 2, 2);
    p.save();
    p.setClipRect(ventanita);
    p.setPen(QPen(QColor(255, 255, 255, 150), 4));
    p.drawLine(ventanita.topLeft() + QPointF(7, -2), ventanita.bottomLeft() + QPointF(-6, 2));
    p.restore();

    // Recessed panel: shadow on the upper-left inner edge, light below right.
    const QRectF panel(hoja.left() + 8, hoja.top() + 88, hoja.width() - 16, 22);
    p.fillRect(panel, sombra(color, 0.06));
    p.fillRect(QRectF(panel.left(), panel.top(), panel.width(), 2), sombra(color, 0.3));
    p.fillRect(QRectF(panel.left(), panel.top(), 2, panel.height()), sombra(color, 0.25));
    p.fillRect(QRectF(panel.left(), panel.bottom() - 1.5, panel.width(), 1.5), luz(color, 0.3));
    p.fillRect(QRectF(panel.right() - 1.5, panel.top(), 1.5, panel.height()), luz(color, 0.25));

    // Brass lever handle on the free (right) side, between window and panel.
    const QPointF eje(hoja.right() - 8, hoja.top() + 81);
    pieza(p, QRectF(eje.x() - 3, eje.y() - 8, 6, 16), 3, QColor(218, 176, 72), 0.8);
    pieza(p, QRectF(eje.x() - 13, eje.y() - 3, 15, 5), 2.5, QColor(236, 196, 92), 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 20, 60));
    p.drawRoundedRect(QRectF(eje.x() - 12, eje.y() + 2.5, 14, 2.5), 1.2, 1.2);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(eje.x() - 10, eje.y() - 1.5), 1.2, 0.8);
}

} // namespace dibujo
