// The girl student walking to the right with her backpack, seen from her
// left side, in eight frames. The program shows one frame every 200 ms and
// moves the picture 8 px to the right each time, so the foot on the ground
// moves back exactly 8 px per frame and stays planted: one stride (two steps)
// is the whole cycle, 64 px. She is drawn at `escala` with her soles at row
// `pie`: the menu starts her at y 235, so she walks on the corridor's floor
// (y 288..334), in front of doors 118 pixels high.
#include "alumna.h"
#include "pincel.h"
#include "recursos.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace dibujo {

namespace {

using namespace alumnaColor;

constexpr int ancho = 56;
constexpr int alto = 168;
constexpr qreal suelo = 166.5;      // bottom of the soles, in drawing units
constexpr qreal escala = 0.68;      // drawing units to pixels
constexpr qreal pie = 96;           // row of the soles in the picture
constexpr qreal bx = 27;            // the body's vertical axis
constexpr qreal muslo = 27, pierna = 27;
constexpr qreal brazo = 16, antebrazo = 15;

const QColor chaqueta = marino;
const QColor falda = granate;
const QColor zapato = sombra(granate, 0.25);
const QColor mochila = cielo;

// Where a leg is at each phase: the foot's offset from the hip (x), how high
// a swinging foot is lifted, and the shoe's tilt (positive: heel up). Phases
// 0..4 are on the ground, 4..8 in the air; the other leg is 4 phases apart.
struct Paso {
    qreal dx, alza, giro;
};
constexpr Paso pasos[fasesCaminante] = {
    {16, 0, -8}, {8, 0, 0}, {0, 0, 0}, {-8, 0, 6}, {-16, 0, 22}, {-11, 7, 18}, {-5, 8, 14}, {8, 5, -10},
};

// A point of the sole in the shoe's own coordinates (origin at the ankle).
constexpr qreal suelaY = 4.5;

QPointF girar(QPointF q, qreal grados)
{
    const qreal a = qDegreesToRadians(grados);
    return {q.x() * std::cos(a) - q.y() * std::sin(a), q.x() * std::sin(a) + q.y() * std::cos(a)};
}

// The ankle of a leg, relative to the hip's x.
QPointF tobillo(const Paso &paso)
{
    // Feet move in pixels, 8 a frame: in drawing units that is 8 / escala.
    const qreal dx = paso.dx / escala;
    if (paso.alza > 0)
        return {dx, suelo - suelaY - paso.alza};
    // On the ground: the lowest point of the tilted sole touches the floor.
    const qreal bajo = std::max(girar({-4, suelaY}, paso.giro).y(), girar({10, suelaY}, paso.giro).y());
    return {dx, suelo - bajo};
}

// Two-bone leg or arm: the middle joint bends towards `lado` (+1 forward).
QPointF articulacion(QPointF a, QPointF b, qreal l1, qreal l2, int lado)
{
    QPointF d = b - a;
    qreal largo = std::hypot(d.x(), d.y());
    largo = std::clamp(largo, 0.01, l1 + l2 - 0.01);
    const QPointF u = d / std::hypot(d.x(), d.y());
    const qreal x = (l1 * l1 - l2 * l2 + largo * largo) / (2 * largo);
    const qreal h = std::sqrt(std::max(0.0, l1 * l1 - x * x));
    QPointF n(-u.y(), u.x());
    if (n.x() * lado < 0)
        n = -n;
    return a + u * x + n * h;
}

// A limb as a thick round-capped stroke with a darker rim.
void miembro(QPainter &p, std::initializer_list<QPointF> puntos, qreal grosor, const QColor &color)
{
    QPainterPath trazo;
    trazo.moveTo(*puntos.begin());
    for (auto it = puntos.begin() + 1; it != puntos.end(); ++it)
        trazo.lineTo(*it);
    p.strokePath(trazo, QPen(sombra(color, 0.42), grosor + 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.strokePath(trazo, QPen(color, grosor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void piernaEntera(QPainter &p, QPointF cadera, const Paso &paso, qreal oscuro)
{
    const QPointF t = tobillo(paso) + QPointF(bx, 0);
    const QPointF rodilla = articulacion(cadera, t, muslo, pierna, +1);
    miembro(p, {cadera, rodilla, t}, 6.5, sombra(piel, oscuro));
    // Knee socks: the lower part of the shin.
    const QPointF media = t + (rodilla - t) * 0.5;
    miembro(p, {media, t}, 7, sombra(blanco, 0.04 + oscuro));

    p.save();
    p.translate(t);
    p.rotate(paso.giro);
    pieza(p, QRectF(-5.5, -2.5, 17, 7), 3.4, sombra(zapato, oscuro), 0.9);
    p.fillRect(QRectF(-4.5, suelaY - 1.3, 15, 1.3), sombra(zapato, 0.35 + oscuro));
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3, -0.8), QPointF(8, 0.2));
    p.restore();
}

// An arm swinging from the shoulder; angulo > 0 brings the hand forward.
void brazoEntero(QPainter &p, QPointF hombro, qreal angulo, qreal oscuro)
{
    const qreal a = qDegreesToRadians(angulo);
    const QPointF codo = hombro + QPointF(std::sin(a), std::cos(a)) * brazo;
    // The forearm bends forward a little more when the arm swings forward.
    const qreal b = qDegreesToRadians(angulo + 12 + std::max(0.0, angulo) * 0.6);
    const QPointF mano = codo + QPointF(std::sin(b), std::cos(b)) * antebrazo;
    const QPointF puno = codo + (mano - codo) * 0.78;
    miembro(p, {hombro, codo, puno}, 7.5, sombra(luz(chaqueta, 0.12), oscuro));
    ovalo(p, QRectF(mano.x() - 3.3, mano.y() - 3.3, 6.6, 6.6), sombra(piel, oscuro), 0.8);
}

void mochilaEspalda(QPainter &p, qreal hombroY)
{
    const QRectF cuerpo(bx - 21, hombroY + 3, 13, 33);
    pieza(p, cuerpo, 4.5, mochila, 1.0);
    // Front pocket and the flap over the top.
    pieza(p, QRectF(bx - 23, hombroY + 19, 8, 14), 3, sombra(mochila, 0.08), 0.9);
    QPainterPath solapa;
    solapa.moveTo(bx - 21, hombroY + 9);
    solapa.cubicTo(bx - 21, hombroY + 1, bx - 8, hombroY + 1, bx - 8, hombroY + 9);
    solapa.lineTo(bx - 8, hombroY + 13);
    solapa.quadTo(bx - 15, hombroY + 16, bx - 21, hombroY + 13);
    solapa.closeSubpath();
    pieza(p, solapa, luz(mochila, 0.12), 0.9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 208, 120));
    p.drawEllipse(QPointF(bx - 14.5, hombroY + 13), 1.4, 1.4);
}

void tronco(QPainter &p, qreal hombroY, qreal caderaY, qreal vaiven)
{
    // Pleated skirt, its hem swaying a little with the steps.
    QPainterPath forma;
    forma.moveTo(bx - 8, caderaY - 11);
    forma.lineTo(bx + 8, caderaY - 11);
    forma.lineTo(bx + 13 + vaiven, caderaY + 17);
    forma.quadTo(bx + 1 + vaiven, caderaY + 20, bx - 12 + vaiven, caderaY + 17);
    forma.closeSubpath();
    pieza(p, forma, falda, 1.0);
    p.setPen(QPen(sombra(falda, 0.35), 0.8));
    for (qreal x : {-4.0, 1.0, 6.0})
        p.drawLine(QPointF(bx + x, caderaY - 8), QPointF(bx + x * 1.5 + vaiven, caderaY + 18));

    // Jacket, rounder at the back of the shoulder and the chest.
    QPainterPath torso;
    torso.moveTo(bx - 4, hombroY - 1);
    torso.cubicTo(bx - 9, hombroY, bx - 10, hombroY + 6, bx - 10, hombroY + 12);
    torso.lineTo(bx - 9, caderaY - 6);
    torso.lineTo(bx + 8, caderaY - 6);
    torso.cubicTo(bx + 9, hombroY + 22, bx + 10, hombroY + 12, bx + 8, hombroY + 5);
    torso.cubicTo(bx + 7, hombroY + 1, bx + 4, hombroY - 1, bx + 2, hombroY - 1);
    torso.closeSubpath();
    pieza(p, torso, chaqueta, 1.0);

    // White collar and the coral tie peeping out at the front.
    QPainterPath cuello;
    cuello.moveTo(bx + 1, hombroY - 2);
    cuello.lineTo(bx + 8.5, hombroY + 4);
    cuello.lineTo(bx + 4, hombroY + 6);
    cuello.closeSubpath();
    pieza(p, cuello, blanco, 0.8);
    QPainterPath corbata;
    corbata.moveTo(bx + 7, hombroY + 5);
    corbata.lineTo(bx + 9.5, hombroY + 6);
    corbata.lineTo(bx + 10, hombroY + 13);
    corbata.lineTo(bx + 8, hombroY + 12);
    corbata.closeSubpath();
    pieza(p, corbata, coral, 0.7);
}

void cabeza(QPainter &p, QPointF c, qreal coleta)
{
    // The far bunch peeks out behind the head.
    auto mechon = [&p, c](qreal dx, qreal dy, qreal angulo, const QColor &color) {
        p.save();
        p.translate(c + QPointF(dx, dy));
        p.rotate(angulo);
        QPainterPath forma;
        forma.moveTo(-3, 0);
        forma.cubicTo(-12, 3, -11, 17, -5, 24);
        forma.cubicTo(-2, 17, 2, 9, 3, 0);
        forma.closeSubpath();
        pieza(p, forma, color, 1.0);
        ovalo(p, QRectF(-4, -2.5, 7.5, 5.5), coral, 0.8);
        p.restore();
    };
    mechon(-10, -7, 18 + coleta, sombra(pelo, 0.18));

    // Neck, back of the hair, face and ear.
    pieza(p, QRectF(c.x() - 2, c.y() + 10, 7, 9), 2, sombra(piel, 0.06), 0.6);
    ovalo(p, QRectF(c.x() - 18, c.y() - 18, 34, 35), pelo, 1.0);
    ovalo(p, QRectF(c.x() - 10, c.y() - 14, 29, 31), piel, 1.0);

    // The hair over the top: down the back, a fringe over the forehead and
    // a lock in front of the ear.
    QPainterPath pelos;
    pelos.moveTo(c.x() - 17.5, c.y() + 6);
    pelos.cubicTo(c.x() - 20, c.y() - 12, c.x() - 6, c.y() - 20, c.x() + 5, c.y() - 17);
    pelos.cubicTo(c.x() + 13, c.y() - 15, c.x() + 19, c.y() - 9, c.x() + 18.5, c.y() - 2);
    pelos.quadTo(c.x() + 15, c.y() - 5, c.x() + 13, c.y() - 8);
    pelos.quadTo(c.x() + 9, c.y() - 3, c.x() + 4, c.y() - 6);
    pelos.quadTo(c.x() - 1, c.y() - 4, c.x() - 3, c.y() + 6);
    pelos.quadTo(c.x() - 10, c.y() + 11, c.x() - 17.5, c.y() + 6);
    pelos.closeSubpath();
    pieza(p, pelos, pelo, 1.0);
    brillo(p, QRectF(c.x() - 10, c.y() - 15, 18, 14), 90);
    ovalo(p, QRectF(c.x() - 3, c.y() + 0.5, 5, 6.5), sombra(piel, 0.04), 0.8);

    // Eye with its highlight, brow, cheek, a tiny nose and a smile.
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawEllipse(QPointF(c.x() + 11, c.y() + 1), 2.3, 3.1);
    p.setBrush(blanco);
    p.drawEllipse(QPointF(c.x() + 11.8, c.y() - 0.2), 0.9, 0.9);
    p.setPen(QPen(sombra(pelo, 0.2), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() + 8, c.y() - 5.5, 6, 3), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(mejillas);
    p.drawEllipse(QPointF(c.x() + 9.5, c.y() + 7), 3.0, 1.9);
    QPainterPath nariz;
    nariz.moveTo(c.x() + 18.3, c.y() + 1.5);
    nariz.quadTo(c.x() + 21, c.y() + 4.5, c.x() + 18.2, c.y() + 5.5);
    p.setPen(QPen(sombra(piel, 0.42), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(piel);
    p.drawPath(nariz);
    QPainterPath sonrisa;
    sonrisa.moveTo(c.x() + 13, c.y() + 9);
    sonrisa.quadTo(c.x() + 15.5, c.y() + 11.5, c.x() + 17.5, c.y() + 9);
    sonrisa.quadTo(c.x() + 15.5, c.y() + 10, c.x() + 13, c.y() + 9);
    p.setPen(QPen(sombra(coral, 0.35), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(coral);
    p.drawPath(sonrisa);

    // The near bunch, tied just behind the ear.
    mechon(-12, -2, 8 + coleta, pelo);
}

} // namespace

QImage caminante(int fase)
{
    QImage imagen = transparente(ancho, alto);
    QPainter p(&imagen);
    preparar(p);
    p.translate(ancho / 2.0 - escala * bx, pie - escala * suelo);
    p.scale(escala, escala);

    fase = ((fase % fasesCaminante) + fasesCaminante) % fasesCaminante;
    const Paso &cerca = pasos[fase];                                    // her left leg
    const Paso &lejos = pasos[(fase + fasesCaminante / 2) % fasesCaminante];

    // The hip is as high as the legs on the ground allow, slightly bent:
    // that gives the little up-and-down of a real walk.
    constexpr qreal alcance = (muslo + pierna) * 0.985;
    qreal caderaY = 0;
    for (const Paso *paso : {&cerca, &lejos}) {
        if (paso->alza > 0)
            continue;
        const QPointF t = tobillo(*paso);
        caderaY = std::max(caderaY, t.y() - std::sqrt(alcance * alcance - t.x() * t.x()));
    }
    const QPointF cadera(bx, caderaY);
    const qreal hombroY = caderaY - 47;
    const QPointF cara(bx + 1, hombroY - 20);
    const qreal vaiven = 1.2 * std::cos(fase * M_PI / 2);
    const qreal coleta = 4 * std::sin(fase * M_PI / 2 + 0.8);

    // Her shadow on the floor, under the hip.
    sombraSuelo(p, QRectF(bx - 20, suelo - 4, 40, 6), 50);

    // Each arm swings against the leg on its own side.
    brazoEntero(p, QPointF(bx + 1, hombroY + 5), -lejos.dx * 1.6, 0.16);
    piernaEntera(p, cadera + QPointF(-1, 0), lejos, 0.1);
    piernaEntera(p, cadera + QPointF(1, 0), cerca, 0.0);
    tronco(p, hombroY, caderaY, vaiven);
    mochilaEspalda(p, hombroY);
    // The strap of the backpack over her shoulder.
    p.setPen(QPen(sombra(mochila, 0.1), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath correa;
    correa.moveTo(bx - 9, hombroY + 4);
    correa.quadTo(bx - 1, hombroY - 1, bx + 5, hombroY + 5);
    correa.lineTo(bx + 6, hombroY + 20);
    p.drawPath(correa);
    cabeza(p, cara, coleta);
    brazoEntero(p, QPointF(bx, hombroY + 6), -cerca.dx * 1.6, 0.0);
    return imagen;
}

} // namespace dibujo
