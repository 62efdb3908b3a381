// The pictures of the scene that move or change: the doors opening, the flag,
// the clouds, the birds and the bus.
#include "paquetes.h"
#include "pincel.h"
#include "puerta.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace dibujo {

namespace {

constexpr int altoPuerta = 104;
const QColor interior{46, 34, 30};

// The dark hall seen through an open doorway, its floor lit from outside.
void hueco(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, interior);
    g.setColorAt(1.0, luz(interior, 0.25));
    p.fillRect(r, g);
    p.fillRect(QRectF(r.left(), r.bottom() - 10, r.width(), 10), conAlfa(luz(pared, 0.1), 90));
}

// A leaf turning on its hinge at `bisagra`: it narrows as it opens, and
// darkens as it turns from the light.
void hojaGirada(QPainter &p, const QRectF &hoja, qreal bisagra, int paso)
{
    const qreal abierto = std::cos(qDegreesToRadians(paso * 20.0));
    p.save();
    p.translate(bisagra, 0);
    p.scale(abierto, 1.0);
    p.translate(-bisagra, 0);
    hojaDePuerta(p, hoja, sombra(maderaPuerta, paso * 0.06));
    p.restore();
}

} // namespace

QImage puertaEscena(int paso)
{
    QImage imagen = transparente(64, altoPuerta);
    QPainter p(&imagen);
    preparar(p);
    hueco(p, QRectF(0, 0, 64, altoPuerta));
    hojaGirada(p, QRectF(0, 0, 64, altoPuerta), 0, paso);
    return imagen;
}

QImage portalEscena(int paso)
{
    QImage imagen = transparente(96, altoPuerta);
    QPainter p(&imagen);
    preparar(p);
    hueco(p, QRectF(0, 0, 96, altoPuerta));
    hojaGirada(p, QRectF(0, 0, 48, altoPuerta), 0, paso);
    hojaGirada(p, QRectF(48, 0, 48, altoPuerta), 96, paso);
    return imagen;
}

QImage banderaEscena(int fase)
{
    QImage imagen = transparente(48, 32);
    QPainter p(&imagen);
    preparar(p);
    // A school pennant: a navy cloth with an open white book, waving in
    // vertical strips that ripple further from the pole.
    QImage tela = transparente(44, 26);
    {
        QPainter t(&tela);
        preparar(t);
        t.fillRect(QRectF(0, 0, 44, 26), marino);
        t.fillRect(QRectF(0, 20, 44, 6), coral);
        QPainterPath libro;
        libro.moveTo(22, 8);
        libro.quadTo(16, 5, 11, 7);
        libro.lineTo(11, 16);
        libro.quadTo(16, 14, 22, 17);
        libro.quadTo(28, 14, 33, 16);
        libro.lineTo(33, 7);
        libro.quadTo(28, 5, 22, 8);
        t.fillPath(libro, blanco);
    }
    for (int x = 0; x < tela.width(); ++x) {
        const qreal onda = 2.5 * (x / 44.0) * std::sin(x / 6.0 - fase * M_PI / 2);
        const qreal sombreado = 0.5 + 0.5 * std::cos(x / 6.0 - fase * M_PI / 2);
        p.drawImage(QPointF(x, 2 + onda), tela, QRectF(x, 0, 1, tela.height()));
        p.fillRect(QRectF(x, 2 + onda, 1, tela.height()), QColor(0, 0, 0, int(40 * sombreado * x / 44.0)));
    }
    return imagen;
}

QImage nubeEscena(int numero)
{
    const QSize tam[3] = {{200, 78}, {150, 60}, {240, 90}};
    const QSize t = tam[numero % 3];
    QImage imagen = transparente(t.width(), t.height());
    QPainter p(&imagen);
    preparar(p);
    p.setPen(Qt::NoPen);
    const qreal w = t.width(), h = t.height();
    // Puffs along a flat base, lit from above.
    const QRectF bolas[] = {
        {w * 0.05, h * 0.45, w * 0.3, h * 0.5}, {w * 0.2, h * 0.18, w * 0.34, h * 0.72},
        {w * 0.45, h * 0.05, w * 0.32, h * 0.8}, {w * 0.65, h * 0.35, w * 0.3, h * 0.6},
    };
    for (const QRectF &b : bolas) {
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0.0, QColor(255, 255, 255, 245));
        g.setColorAt(1.0, QColor(226, 236, 248, 240));
        p.setBrush(g);
        p.drawEllipse(b);
    }
    p.setBrush(QColor(226, 236, 248, 240));
    p.drawRoundedRect(QRectF(w * 0.08, h * 0.62, w * 0.84, h * 0.33), h * 0.16, h * 0.16);
    return imagen;
}

QImage pajaroEscena(int fase)
{
    QImage imagen = transparente(34, 20);
    QPainter p(&imagen);
    preparar(p);
    // Wings up, level, down: the tips' height against the body.
    const qreal puntas[3] = {2, 9, 16};
    const qreal y = puntas[fase % 3];
    QPainterPath alas;
    alas.moveTo(2, y);
    alas.quadTo(10, 6, 17, 11);
    alas.quadTo(24, 6, 32, y);
    p.setPen(QPen(QColor(52, 56, 70), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(alas);
    ovalo(p, QRectF(14, 9, 7, 5), QColor(52, 56, 70), 0.5);
    return imagen;
}

QImage autobusEscena()
{
    QImage imagen = transparente(300, 112);
    QPainter p(&imagen);
    preparar(p);
    const QColor amarillo(250, 196, 48);
    sombraSuelo(p, QRectF(10, 96, 284, 14), 90);
    // Body with a rounded front on the left, a dark stripe and a bumper.
    QPainterPath cuerpo;
    cuerpo.moveTo(30, 10);
    cuerpo.lineTo(288, 10);
    cuerpo.quadTo(296, 10, 296, 20);
    cuerpo.lineTo(296, 92);
    cuerpo.lineTo(6, 92);
    cuerpo.lineTo(6, 52);
    cuerpo.quadTo(8, 40, 18, 36);
    cuerpo.lineTo(22, 18);
    cuerpo.quadTo(24, 10, 30, 10);
    pieza(p, cuerpo, amarillo, 1.4);
    p.fillRect(QRectF(8, 66, 288, 5), sombra(amarillo, 0.45));
    pieza(p, QRectF(2, 84, 298, 9), 3, QColor(90, 92, 100), 1.0);
    // Windscreen, door and a row of windows with passengers' heads.
    QPainterPath parabrisas;
    parabrisas.moveTo(26, 18);
    parabrisas.lineTo(44, 18);
    parabrisas.lineTo(44, 46);
    parabrisas.lineTo(20, 46);
    parabrisas.closeSubpath();
    pieza(p, parabrisas, luz(cielo, 0.5), 1.0);
    pieza(p, QRectF(50, 18, 24, 62), 2, luz(cielo, 0.55), 1.0);
    p.fillRect(QRectF(61, 18, 2, 62), sombra(amarillo, 0.3));
    const QColor pelos[] = {QColor(112, 66, 42), QColor(40, 36, 34), QColor(214, 170, 90), QColor(90, 50, 30)};
    for (int i = 0; i < 6; ++i) {
        const QRectF v(84 + i * 35, 18, 28, 28);
        pieza(p, v, 3, luz(cielo, 0.5), 1.0);
        if (i % 2 == 0) {
            ovalo(p, QRectF(v.left() + 8, v.top() + 9, 12, 13), QColor(255, 216, 188), 0.8);
            ovalo(p, QRectF(v.left() + 7, v.top() + 6, 14, 8), pelos[(i / 2) % 4], 0.8);
        }
    }
    // Headlight, and the wheels.
    ovalo(p, QRectF(6, 70, 9, 9), QColor(255, 246, 200), 0.8);
    for (qreal x : {58.0, 232.0}) {
        ovalo(p, QRectF(x - 17, 74, 34, 34), QColor(40, 40, 46), 1.0);
        ovalo(p, QRectF(x - 8, 83, 16, 16), QColor(190, 190, 198), 0.8);
    }
    return imagen;
}

} // namespace dibujo
