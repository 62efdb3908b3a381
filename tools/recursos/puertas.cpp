// A corridor door opening in five steps. The program lays step 0 at every
// door of the corridor and plays the steps over it, so step 0 is the closed
// wooden leaf, with its small window and brass handle, and the leaf then
// swings into a bright classroom: hinged on the left, it turns away from the
// viewer and, seen in perspective, gets narrower and shorter. The leaf fills
// the top altoHoja rows; below it the picture is clear, except that step k
// is played 10 x k pixels higher, so it carries the classroom's floor 10 x k
// rows further down, over the closed leaf it rises from.
#include "pincel.h"
#include "puerta.h"
#include "recursos.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <QtMath>
#include <cmath>

namespace dibujo {

namespace {

constexpr int ancho = 56;
constexpr int alto = altoHoja;        // the doorway; the picture is 168 high
constexpr int altoImagen = 168;
constexpr int subidaPorPaso = 10;     // how much higher the menu plays each step

// The viewer's eye: where the lines going into the room meet, and how far
// the eye is from the doorway (in pixels of the picture).
const QPointF fuga(28, 68);
constexpr qreal distancia = 200;
constexpr qreal fondoSala = 250;    // depth of the classroom's back wall

const QColor paredSala(255, 244, 212);
const QColor sueloSala(236, 200, 150);
const QColor pizarra(70, 120, 96);

// Where a point of the room, at depth z behind the doorway, is seen.
QPointF proyectar(QPointF punto, qreal z)
{
    return fuga + (punto - fuga) * (distancia / (distancia + z));
}

// The closed leaf, at 56 x altoHoja.
QImage hojaCerrada()
{
    const QRectF hoja(0, 0, ancho, alto);
    const QColor color = maderaPuerta;
    QImage imagen = lienzo(ancho, alto, color);
    QPainter p(&imagen);
    preparar(p);

    hojaDePuerta(p, hoja, color);
    return imagen;
}

// The classroom behind the door: a warm back wall with a sunny window and
// the edge of a blackboard, a wooden floor and a desk, all lit. Laid out for
// a doorway 168 high.
void salaAlta(QPainter &p)
{
    constexpr int alto = altoImagen;
    const QPointF fuga(28, 90);
    const auto proyectar = [&fuga](QPointF punto, qreal z) {
        return fuga + (punto - fuga) * (distancia / (distancia + z));
    };
    const qreal zocalo = proyectar({0, alto}, fondoSala).y();

    QRadialGradient lampara(QPointF(34, 40), 90);
    lampara.setColorAt(0.0, luz(paredSala, 0.6));
    lampara.setColorAt(1.0, paredSala);
    p.fillRect(QRectF(0, 0, ancho, zocalo), lampara);

    // Floor boards running towards the back wall.
    QLinearGradient piso(0, zocalo, 0, alto);
    piso.setColorAt(0.0, sombra(sueloSala, 0.05));
    piso.setColorAt(1.0, luz(sueloSala, 0.25));
    p.fillRect(QRectF(0, zocalo, ancho, alto - zocalo), piso);
    p.setPen(QPen(sombra(sueloSala, 0.12), 0.8));
    for (qreal x = -60; x <= 120; x += 14)
        p.drawLine(proyectar({x, alto}, fondoSala), QPointF(x, alto));
    p.fillRect(QRectF(0, zocalo - 2, ancho, 2.5), sombra(paredSala, 0.25));

    // Blackboard on the left, a window full of sky on the right.
    const QRectF tablero(-8, 48, 26, 30);
    pieza(p, tablero.adjusted(-1.5, -1.5, 1.5, 1.5), 1, madera, 0.8);
    p.fillRect(tablero, pizarra);
    p.setPen(QPen(QColor(255, 255, 255, 170), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2, 55), QPointF(13, 55));
    p.drawLine(QPointF(2, 60), QPointF(10, 60));
    p.drawLine(QPointF(2, 65), QPointF(14, 65));

    const QRectF ventana(28, 38, 22, 40);
    pieza(p, ventana.adjusted(-2, -2, 2, 2), 1.5, blanco, 0.8);
    QLinearGradient azul(ventana.topLeft(), ventana.bottomLeft());
    azul.setColorAt(0.0, luz(cielo, 0.35));
    azul.setColorAt(1.0, luz(cielo, 0.75));
    p.fillRect(ventana, azul);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 220));
    p.drawEllipse(QPointF(44, 46), 3.5, 3.5);
    p.setBrush(QColor(120, 190, 110));
    p.drawEllipse(QRectF(26, 64, 16, 16));
    p.drawEllipse(QRectF(36, 68, 16, 12));
    p.fillRect(QRectF(ventana.center().x() - 0.75, ventana.top(), 1.5, ventana.height()), blanco);
    p.fillRect(QRectF(ventana.left(), ventana.center().y() - 0.75, ventana.width(), 1.5), blanco);

    // Sunlight from the window on the floor.
    QPolygonF rayo;
    rayo << QPointF(28, zocalo) << QPointF(50, zocalo) << QPointF(60, alto) << QPointF(26, alto);
    p.setBrush(QColor(255, 255, 230, 90));
    p.drawPolygon(rayo);

    // A pupil's desk and chair in the middle of the room.
    pieza(p, QRectF(20, 130, 22, 4), 1, madera, 0.8);
    p.setPen(QPen(sombra(QColor(126, 132, 150), 0.1), 1.4));
    p.drawLine(QPointF(22, 134), QPointF(22, 148));
    p.drawLine(QPointF(40, 134), QPointF(40, 148));
    pieza(p, QRectF(12, 130, 4, 9), 1, coral, 0.7);
    pieza(p, QRectF(12, 138, 9, 3), 1, coral, 0.7);
    p.drawLine(QPointF(13, 141), QPointF(13, 150));
    p.drawLine(QPointF(20, 141), QPointF(20, 150));
}

// The classroom pressed into the leaf's height.
void sala(QPainter &p)
{
    p.save();
    p.scale(1.0, double(alto) / altoImagen);
    salaAlta(p);
    p.restore();
}

} // namespace

QImage puerta(int paso)
{
    QImage imagen = transparente(ancho, altoImagen);
    QPainter p(&imagen);
    preparar(p);
    const QImage hoja = hojaCerrada();
    if (paso <= 0) {
        p.drawImage(0, 0, hoja);
        return imagen;
    }
    paso = std::min(paso, pasosPuerta - 1);
    p.fillRect(QRectF(0, 0, ancho, alto), paredSala);
    sala(p);
    // The classroom's floor carried down over the closed leaf below.
    const QColor suelo = luz(sueloSala, 0.25);
    p.fillRect(QRectF(0, alto, ancho, subidaPorPaso * paso), suelo);
    p.setPen(QPen(sombra(sueloSala, 0.12), 0.8));
    for (qreal x = 4; x < ancho; x += 14)
        p.drawLine(QPointF(x, alto), QPointF(x, alto + subidaPorPaso * paso));
    p.fillRect(QRectF(0, alto + subidaPorPaso * paso - 1.5, ancho, 1.5), sombra(sueloSala, 0.2));

    // The free edge of the leaf, turned `giro` degrees into the room.
    static constexpr qreal giros[pasosPuerta] = {0, 26, 50, 70, 84};
    const qreal giro = qDegreesToRadians(giros[paso]);
    const qreal lado = ancho * std::cos(giro);
    const qreal z = ancho * std::sin(giro);
    const QPointF arriba = proyectar({lado, 0}, z);
    const QPointF abajo = proyectar({lado, alto}, z);
    const QPolygonF plana({QPointF(0, 0), QPointF(ancho, 0), QPointF(ancho, alto), QPointF(0, alto)});
    const QPolygonF girada({QPointF(0, 0), arriba, abajo, QPointF(0, alto)});

    // The leaf casts a soft shadow on the floor and wall next to it.
    QLinearGradient penumbra(arriba.x(), 0, arriba.x() + 14, 0);
    penumbra.setColorAt(0.0, QColor(90, 60, 30, 70));
    penumbra.setColorAt(1.0, QColor(90, 60, 30, 0));
    p.fillRect(QRectF(0, 0, arriba.x() + 14, alto), penumbra);

    QTransform perspectiva;
    if (QTransform::quadToQuad(plana, girada, perspectiva)) {
        p.save();
        p.setTransform(perspectiva);
        p.drawImage(0, 0, hoja);
        // Turned away from the corridor's light, the leaf darkens.
        p.fillRect(QRectF(0, 0, ancho, alto), QColor(40, 20, 10, int(110 * std::sin(giro))));
        p.restore();
    }
    // The hinge side of the doorway, in the leaf's shade.
    p.fillRect(QRectF(0, 0, 1.5, alto), QColor(90, 60, 30, 90));
    return imagen;
}

} // namespace dibujo
