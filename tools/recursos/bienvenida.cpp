// The picture shown while the program starts: the girl student stands where
// a country path forks, beside a signpost whose arrows point to the three
// ways on after secondary school, each with the pictogram the program uses
// for it elsewhere (the icons drawn in iconos*.cpp).
#include "alumna.h"
#include "iconos.h"
#include "recursos.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

namespace dibujo {

namespace {

constexpr int lado = 500;
constexpr qreal horizonte = 318;

const QColor prado(150, 206, 118);
const QColor colina(176, 216, 150);
const QColor colinaLejos(196, 224, 190);
const QColor arena(238, 214, 164);
const QColor poste = madera;

void firmamento(QPainter &p)
{
    QLinearGradient g(0, 0, 0, horizonte);
    g.setColorAt(0.0, mezcla(fondo, cielo, 0.22));
    g.setColorAt(1.0, luz(fondo, 0.4));
    p.fillRect(QRectF(0, 0, lado, horizonte + 40), g);

    // The sun with a soft glow, top left.
    QRadialGradient halo(QPointF(78, 78), 90);
    halo.setColorAt(0.0, QColor(255, 250, 210, 200));
    halo.setColorAt(1.0, QColor(255, 250, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(78, 78), 90, 90);
    ovalo(p, QRectF(52, 52, 52, 52), QColor(255, 222, 110), 0);

    // Puffy clouds: overlapping circles on a flat base.
    auto nube = [&p](QPointF c, qreal s) {
        QPainterPath forma;
        forma.addEllipse(c + QPointF(-26, -2) * s, 18 * s, 14 * s);
        forma.addEllipse(c + QPointF(0, -12) * s, 22 * s, 20 * s);
        forma.addEllipse(c + QPointF(24, -4) * s, 18 * s, 15 * s);
        forma.addRoundedRect(QRectF(c + QPointF(-40, -4) * s, QSizeF(80, 16) * s), 8 * s, 8 * s);
        forma = forma.simplified();
        p.save();
        p.translate(2, 4);
        plano(p, forma, QColor(120, 150, 200, 40));
        p.restore();
        QLinearGradient g(0, c.y() - 32 * s, 0, c.y() + 12 * s);
        g.setColorAt(0.0, blanco);
        g.setColorAt(1.0, QColor(232, 240, 250));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(forma);
    };
    nube(QPointF(225, 70), 1.0);
    nube(QPointF(410, 110), 0.8);
    nube(QPointF(130, 180), 0.6);
}

void campo(QPainter &p)
{
    // Far hills, nearer hills, then the meadow.
    QPainterPath lejos;
    lejos.moveTo(0, horizonte);
    lejos.cubicTo(80, 270, 170, 280, 240, 300);
    lejos.cubicTo(320, 270, 420, 262, lado, 292);
    lejos.lineTo(lado, horizonte + 20);
    lejos.lineTo(0, horizonte + 20);
    lejos.closeSubpath();
    plano(p, lejos, colinaLejos);

    QPainterPath cerca;
    cerca.moveTo(0, 300);
    cerca.cubicTo(90, 290, 150, 318, 250, 322);
    cerca.cubicTo(350, 326, 420, 296, lado, 306);
    cerca.lineTo(lado, lado);
    cerca.lineTo(0, lado);
    cerca.closeSubpath();
    plano(p, cerca, colina);

    QLinearGradient g(0, horizonte, 0, lado);
    g.setColorAt(0.0, luz(prado, 0.15));
    g.setColorAt(1.0, prado);
    QPainterPath pradera;
    pradera.moveTo(0, 330);
    pradera.cubicTo(150, 318, 350, 318, lado, 330);
    pradera.lineTo(lado, lado);
    pradera.lineTo(0, lado);
    pradera.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(pradera);

    // Small round trees on the hills.
    auto arbol = [&p](QPointF pie, qreal s) {
        p.fillRect(QRectF(pie.x() - 1.5 * s, pie.y() - 8 * s, 3 * s, 8 * s), sombra(madera, 0.2));
        ovalo(p, QRectF(pie.x() - 8 * s, pie.y() - 22 * s, 16 * s, 17 * s), sombra(prado, 0.12), 0.8);
    };
    arbol(QPointF(120, 312), 0.9);
    arbol(QPointF(18, 318), 0.8);
    arbol(QPointF(300, 324), 0.7);
}

// A tiny faculty with columns far away, where the left path leads.
void facultad(QPainter &p)
{
    const QPointF b(66, 318);
    pieza(p, QRectF(b.x() - 26, b.y() - 4, 52, 5), 1, crema, 0.8);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(b.x() - 21 + i * 10, b.y() - 22, 3, 18), luz(crema, 0.3));
    QPainterPath fronton;
    fronton.moveTo(b.x() - 28, b.y() - 22);
    fronton.lineTo(b.x(), b.y() - 36);
    fronton.lineTo(b.x() + 28, b.y() - 22);
    fronton.closeSubpath();
    pieza(p, fronton, crema, 0.8);
}

// The path comes from the bottom and splits in three at the signpost.
void camino(QPainter &p)
{
    QPainterPath forma;
    forma.moveTo(150, lado);
    forma.cubicTo(200, 440, 230, 400, 236, 372);
    // Left branch, towards the far left hills.
    forma.cubicTo(180, 352, 90, 340, 20, 334);
    forma.lineTo(28, 328);
    forma.cubicTo(110, 334, 200, 344, 246, 352);
    // Middle branch, up to the horizon.
    forma.cubicTo(250, 340, 252, 330, 250, 322);
    forma.lineTo(258, 322);
    forma.cubicTo(262, 332, 266, 342, 268, 350);
    // Right branch, to the faculty.
    forma.cubicTo(320, 336, 380, 314, 408, 299);
    forma.lineTo(418, 301);
    forma.cubicTo(390, 322, 330, 352, 292, 372);
    forma.cubicTo(300, 410, 330, 450, 350, lado);
    forma.closeSubpath();
    QLinearGradient g(0, 320, 0, lado);
    g.setColorAt(0.0, luz(arena, 0.2));
    g.setColorAt(1.0, arena);
    p.setPen(QPen(sombra(arena, 0.15), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(forma);
    // A few pebbles.
    for (const QPointF c : {QPointF(230, 470), QPointF(300, 440), QPointF(255, 410), QPointF(200, 488)})
        ovalo(p, QRectF(c.x() - 4, c.y() - 2.5, 8, 5), QColor(214, 200, 180), 0.8);
}

void flores(QPainter &p)
{
    const QColor colores[] = {coral, QColor(250, 204, 80), blanco, QColor(170, 140, 220)};
    const QPointF sitios[] = {{40, 420}, {70, 465}, {120, 395}, {30, 370}, {430, 430},
                              {470, 470}, {400, 475}, {460, 380}, {100, 350}, {350, 350}};
    int i = 0;
    for (const QPointF c : sitios) {
        // A tuft of grass with a flower on top.
        p.setPen(QPen(sombra(prado, 0.25), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(-5, -8));
        p.drawLine(c, c + QPointF(0, -11));
        p.drawLine(c, c + QPointF(5, -8));
        const QColor color = colores[i++ % 4];
        for (int k = 0; k < 5; ++k) {
            const qreal a = k * 2 * M_PI / 5;
            ovalo(p, QRectF(c.x() - 3 + 4 * std::cos(a), c.y() - 17 + 4 * std::sin(a), 6, 6), color, 0.7);
        }
        ovalo(p, QRectF(c.x() - 2.5, c.y() - 16.5, 5, 5), QColor(250, 190, 60), 0.6);
    }
}

// One arrow board with a white badge holding the pictogram.
void flecha(QPainter &p, qreal y, qreal desde, qreal hasta, const QColor &color, const QString &texto,
            void (*pictograma)(QPainter &))
{
    const bool derecha = hasta > desde;
    const qreal alto = 46, punta = 24;
    const qreal base = derecha ? hasta - punta : hasta + punta;
    QPainterPath forma;
    forma.moveTo(desde, y);
    forma.lineTo(base, y);
    forma.lineTo(hasta, y + alto / 2);
    forma.lineTo(base, y + alto);
    forma.lineTo(desde, y + alto);
    forma.closeSubpath();
    p.save();
    p.translate(3, 5);
    plano(p, forma, QColor(60, 40, 30, 50));
    p.restore();
    pieza(p, forma, color, 2.0);
    p.setPen(QPen(luz(color, 0.4), 1.5));
    p.drawLine(QPointF(desde + 4, y + 4), QPointF(base, y + 4));

    // The badge sits at the end by the post.
    const qreal bx = derecha ? desde + 28 : desde - 28;
    ovalo(p, QRectF(bx - 19, y + alto / 2 - 19, 38, 38), blanco, 1.5);
    p.save();
    p.translate(bx - 15 * 1.05, y + alto / 2 - 15 * 1.05);
    p.scale(1.05, 1.05);
    pictograma(p);
    p.restore();

    const QRectF caja = derecha ? QRectF(bx + 22, y, base - bx - 12, alto)
                                : QRectF(base, y, bx - 22 - base, alto);
    // The biggest bold letters that fit the board.
    QFont letra(QStringLiteral("DejaVu Sans"));
    letra.setBold(true);
    for (int talla = 24; talla >= 10; --talla) {
        letra.setPixelSize(talla);
        if (QFontMetricsF(letra).horizontalAdvance(texto) <= caja.width() - 4)
            break;
    }
    p.setFont(letra);
    p.setPen(sombra(color, 0.45));
    p.drawText(caja.translated(1, 1.5), Qt::AlignCenter, texto);
    p.setPen(blanco);
    p.drawText(caja, Qt::AlignCenter, texto);
}

void letrero(QPainter &p)
{
    const qreal x = 372;
    sombraSuelo(p, QRectF(x - 30, 458, 60, 16), 70);
    pieza(p, QRectF(x - 9, 126, 18, 340), 3, poste, 1.5);
    p.fillRect(QRectF(x - 5, 130, 3, 330), luz(poste, 0.25));
    QPainterPath tejadillo;
    tejadillo.moveTo(x - 16, 132);
    tejadillo.lineTo(x, 116);
    tejadillo.lineTo(x + 16, 132);
    tejadillo.closeSubpath();
    pieza(p, tejadillo, coral, 1.5);

    flecha(p, 146, x - 72, 494, coral, QStringLiteral("Universidad"), icon::universidad);
    flecha(p, 212, x + 62, 262, QColor(245, 150, 60), QStringLiteral("FP"), icon::mecanica);
    flecha(p, 278, x - 72, 494, QColor(66, 140, 220), QStringLiteral("Bachillerato"), icon::libro);
}

} // namespace

QImage bienvenida()
{
    QImage imagen = lienzo(lado, lado, fondo);
    QPainter p(&imagen);
    preparar(p);
    firmamento(p);
    campo(p);
    facultad(p);
    camino(p);
    flores(p);
    letrero(p);

    // The girl, much bigger than in the logo, on the path before the fork.
    p.save();
    p.translate(72, 186);
    p.scale(2.6, 2.6);
    alumna(p);
    p.restore();
    return imagen;
}

} // namespace dibujo
