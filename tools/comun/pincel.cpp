#include "pincel.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>

namespace dibujo {

QColor mezcla(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    auto canal = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(canal(a.red(), b.red()), canal(a.green(), b.green()), canal(a.blue(), b.blue()),
                  canal(a.alpha(), b.alpha()));
}

QColor luz(const QColor &c, double t) { return mezcla(c, blanco, t); }
QColor sombra(const QColor &c, double t) { return mezcla(c, QColor(0, 0, 0), t); }

QColor conAlfa(QColor c, int alfa)
{
    c.setAlpha(alfa);
    return c;
}

QImage lienzo(int ancho, int alto, const QColor &color)
{
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(color);
    return imagen;
}

QImage transparente(int ancho, int alto)
{
    QImage imagen(ancho, alto, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    return imagen;
}

void preparar(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void pieza(QPainter &p, const QPainterPath &forma, const QColor &color, qreal borde)
{
    const QRectF caja = forma.boundingRect();
    QLinearGradient g(caja.topLeft(), caja.bottomLeft());
    g.setColorAt(0.0, luz(color, 0.28));
    g.setColorAt(0.55, color);
    g.setColorAt(1.0, sombra(color, 0.12));
    p.save();
    p.setBrush(g);
    if (borde > 0)
        p.setPen(QPen(sombra(color, 0.42), borde, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.drawPath(forma);
    p.restore();
}

void pieza(QPainter &p, const QRectF &caja, qreal radio, const QColor &color, qreal borde)
{
    pieza(p, redondeado(caja, radio), color, borde);
}

void ovalo(QPainter &p, const QRectF &caja, const QColor &color, qreal borde)
{
    QPainterPath forma;
    forma.addEllipse(caja);
    pieza(p, forma, color, borde);
}

void plano(QPainter &p, const QPainterPath &forma, const QColor &color)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(forma);
    p.restore();
}

void sombraSuelo(QPainter &p, const QRectF &caja, int alfa)
{
    p.save();
    // A radial gradient in a unit circle, stretched to the ellipse.
    p.translate(caja.center());
    p.scale(caja.width() / 2.0, caja.height() / 2.0);
    QRadialGradient g(QPointF(0, 0), 1.0);
    g.setColorAt(0.0, QColor(40, 30, 60, alfa));
    g.setColorAt(0.6, QColor(40, 30, 60, alfa / 2));
    g.setColorAt(1.0, QColor(40, 30, 60, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

QPainterPath redondeado(const QRectF &caja, qreal radio)
{
    QPainterPath forma;
    forma.addRoundedRect(caja, radio, radio);
    return forma;
}

void brillo(QPainter &p, const QRectF &caja, int alfa)
{
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, alfa), std::max<qreal>(1.0, caja.width() / 6.0),
                  Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // An arc on the upper left, where the light comes from.
    p.drawArc(caja, 100 * 16, 60 * 16);
    p.restore();
}

} // namespace dibujo
