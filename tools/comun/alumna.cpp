// The girl student seen from the front. She is also printed very small in
// report headers, so the shapes are big and the outlines clear.
#include "alumna.h"
#include "pincel.h"

#include <QLinearGradient>

namespace dibujo {

namespace {

using namespace alumnaColor;
const QColor falda = granate;
const QColor chaqueta = marino;

void peloDetras(QPainter &p)
{
    // Two bunches tied with coral bands, behind the head.
    for (int lado : {-1, 1}) {
        const qreal x = 35 + lado * 21;
        QPainterPath coleta;
        coleta.moveTo(x - lado * 4, 26);
        coleta.cubicTo(x + lado * 10, 28, x + lado * 9, 46, x + lado * 3, 54);
        coleta.cubicTo(x - lado * 1, 48, x - lado * 4, 40, x - lado * 4, 26);
        coleta.closeSubpath();
        pieza(p, coleta, pelo, 1.0);
        ovalo(p, QRectF(x - 4, 27, 8, 6), coral, 0.8);
    }
    // The back of the hair, framing the face.
    ovalo(p, QRectF(15, 6, 40, 44), pelo, 1.0);
}

void cara(QPainter &p)
{
    // Ears and face.
    ovalo(p, QRectF(15.5, 28, 6, 8), piel, 0.8);
    ovalo(p, QRectF(48.5, 28, 6, 8), piel, 0.8);
    ovalo(p, QRectF(18, 12, 34, 35), piel, 1.0);

    // Fringe: a cap of hair with a soft scalloped edge.
    QPainterPath flequillo;
    flequillo.moveTo(17, 31);
    flequillo.cubicTo(15, 14, 25, 7, 35, 7);
    flequillo.cubicTo(46, 7, 55, 14, 53, 31);
    flequillo.cubicTo(51, 24, 49, 21, 46, 19);
    flequillo.quadTo(42, 24, 36, 22);
    flequillo.quadTo(30, 25, 25, 20);
    flequillo.cubicTo(21, 23, 19, 26, 17, 31);
    flequillo.closeSubpath();
    pieza(p, flequillo, pelo, 1.0);
    brillo(p, QRectF(22, 10, 18, 14), 90);

    // Eyes with a highlight, brows, cheeks and a smile.
    for (qreal x : {28.5, 41.5}) {
        p.setPen(Qt::NoPen);
        p.setBrush(tinta);
        p.drawEllipse(QPointF(x, 31), 2.6, 3.3);
        p.setBrush(blanco);
        p.drawEllipse(QPointF(x + 0.9, 29.8), 0.95, 0.95);
        p.setPen(QPen(sombra(pelo, 0.2), 1.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 3, 24.5, 6, 3), 30 * 16, 120 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(mejillas);
        p.drawEllipse(QPointF(x + (x < 35 ? -3.5 : 3.5), 37), 3.2, 2.0);
    }
    QPainterPath sonrisa;
    sonrisa.moveTo(31, 38.5);
    sonrisa.quadTo(35, 43.5, 39, 38.5);
    sonrisa.quadTo(35, 40, 31, 38.5);
    sonrisa.closeSubpath();
    p.setPen(QPen(sombra(coral, 0.35), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(coral);
    p.drawPath(sonrisa);
}

void cuerpo(QPainter &p)
{
    // Legs, socks and shoes first: the skirt overlaps them.
    for (qreal x : {29.5, 40.5}) {
        pieza(p, QRectF(x - 2.8, 86, 5.6, 14), 2, piel, 0.8);
        pieza(p, QRectF(x - 3, 96, 6, 7), 1.5, blanco, 0.8);
        QPainterPath zapato;
        zapato.addRoundedRect(QRectF(x - 4 + (x < 35 ? -1.5 : 1.5), 101.5, 8, 5.5), 2.7, 2.7);
        pieza(p, zapato, sombra(granate, 0.25), 0.8);
    }
    sombraSuelo(p, QRectF(20, 104, 30, 6), 55);

    // Pleated skirt.
    QPainterPath faldaForma;
    faldaForma.moveTo(24, 74);
    faldaForma.lineTo(46, 74);
    faldaForma.lineTo(51, 90);
    faldaForma.quadTo(35, 93, 19, 90);
    faldaForma.closeSubpath();
    pieza(p, faldaForma, falda, 1.0);
    p.setPen(QPen(sombra(falda, 0.35), 0.8));
    for (qreal x : {29.0, 35.0, 41.0})
        p.drawLine(QPointF(x, 76), QPointF(x + (x - 35) * 0.35, 91));

    // Jacket with rounded shoulders.
    QPainterPath torso;
    torso.moveTo(22, 57);
    torso.cubicTo(23, 51, 28, 49, 35, 49);
    torso.cubicTo(42, 49, 47, 51, 48, 57);
    torso.lineTo(47, 77);
    torso.lineTo(23, 77);
    torso.closeSubpath();
    pieza(p, torso, chaqueta, 1.0);

    // Neck, white collar and coral tie.
    pieza(p, QRectF(31.5, 44, 7, 7), 2, sombra(piel, 0.06), 0.6);
    QPainterPath cuello;
    cuello.moveTo(29, 49);
    cuello.lineTo(35, 53);
    cuello.lineTo(41, 49);
    cuello.lineTo(39.5, 55);
    cuello.lineTo(35, 54);
    cuello.lineTo(30.5, 55);
    cuello.closeSubpath();
    pieza(p, cuello, blanco, 0.8);
    QPainterPath corbata;
    corbata.moveTo(33.5, 53.5);
    corbata.lineTo(36.5, 53.5);
    corbata.lineTo(37.5, 61);
    corbata.lineTo(35, 63);
    corbata.lineTo(32.5, 61);
    corbata.closeSubpath();
    pieza(p, corbata, coral, 0.7);

    // Backpack straps over the shoulders.
    p.setPen(QPen(cielo, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 52), QPointF(26, 66));
    p.drawLine(QPointF(45, 52), QPointF(44, 66));

    // Arms hugging a sky-blue book to the chest.
    for (int lado : {-1, 1}) {
        QPainterPath manga;
        manga.moveTo(35 + lado * 12.5, 53);
        manga.cubicTo(35 + lado * 16, 58, 35 + lado * 15, 66, 35 + lado * 9, 70);
        manga.lineTo(35 + lado * 6, 66);
        manga.cubicTo(35 + lado * 10, 63, 35 + lado * 10, 58, 35 + lado * 9, 55);
        manga.closeSubpath();
        pieza(p, manga, luz(chaqueta, 0.12), 1.0);
    }
    p.save();
    p.translate(35, 66);
    p.rotate(-8);
    const QRectF libro(-10, -9, 20, 15);
    pieza(p, libro.translated(1.2, 1.2), 1.5, blanco, 0.7);   // the pages
    pieza(p, libro, 1.5, cielo, 1.0);
    p.fillRect(QRectF(libro.left() + 2.5, libro.top(), 2, libro.height()), sombra(cielo, 0.2));
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-3, -4.5), QPointF(6, -4.5));
    p.drawLine(QPointF(-3, -1.5), QPointF(3, -1.5));
    p.restore();
    // Hands over the book's edges.
    ovalo(p, QRectF(24, 66, 6.5, 6), piel, 0.8);
    ovalo(p, QRectF(39.5, 64, 6.5, 6), piel, 0.8);
}

} // namespace

void alumna(QPainter &p)
{
    peloDetras(p);
    cuerpo(p);
    cara(p);
}

} // namespace dibujo
