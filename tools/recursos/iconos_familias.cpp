// Icons of the professional families of vocational training.
#include "iconos.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace dibujo::icon {

namespace {

QPainterPath poligono(std::initializer_list<QPointF> puntos)
{
    QPainterPath camino;
    camino.addPolygon(QPolygonF(puntos));
    camino.closeSubpath();
    return camino;
}

} // namespace

void mecanica(QPainter &p)
{
    engranaje(p, QPointF(12, 12), 10, 8, metal);
    llave(p, QPointF(27, 27), QPointF(15, 15), 3.6, naranja);
}

void agraria(QPainter &p)
{
    // A sprout coming out of a mound of earth.
    QPainterPath tierra;
    tierra.moveTo(2, 27);
    tierra.cubicTo(6, 19, 24, 19, 28, 27);
    tierra.closeSubpath();
    trazo(p, {QPointF(15, 22), QPointF(15, 12)}, 2.2, sombra(verde, 0.1));
    for (int lado : {-1, 1}) {
        QPainterPath hoja;
        hoja.moveTo(15, 13);
        hoja.cubicTo(15 + lado * 3, 5, 15 + lado * 10, 4, 15 + lado * 13, 5);
        hoja.cubicTo(15 + lado * 12, 12, 15 + lado * 6, 15, 15, 13);
        hoja.closeSubpath();
        pieza(p, hoja, lado < 0 ? luz(verde, 0.1) : verde, 1.0);
        p.setPen(QPen(sombra(verde, 0.3), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15 + lado * 1.5, 12), QPointF(15 + lado * 9, 7));
    }
    pieza(p, tierra, QColor(160, 110, 70), 1.0);
}

void administracion(QPainter &p)
{
    // A yellow folder with papers sticking out.
    QPainterPath trasera;
    trasera.moveTo(2.5, 25);
    trasera.lineTo(2.5, 7);
    trasera.quadTo(2.5, 5, 4.5, 5);
    trasera.lineTo(10, 5);
    trasera.lineTo(12.5, 8);
    trasera.lineTo(25.5, 8);
    trasera.quadTo(27.5, 8, 27.5, 10);
    trasera.lineTo(27.5, 25);
    trasera.closeSubpath();
    pieza(p, trasera, sombra(amarillo, 0.12), 1.0);
    pieza(p, QRectF(6, 6.5, 17, 15), 1, blanco, 0.9);
    pieza(p, QRectF(8.5, 4, 16, 14), 1, QColor(246, 248, 252), 0.9);
    p.setPen(QPen(QColor(160, 176, 200), 1.0));
    for (qreal y : {8.0, 10.5, 13.0})
        p.drawLine(QPointF(11, y), QPointF(22, y));
    QPainterPath frente;
    frente.moveTo(2.5, 27);
    frente.lineTo(4.5, 13);
    frente.lineTo(29, 13);
    frente.lineTo(27, 27);
    frente.closeSubpath();
    pieza(p, frente, amarillo, 1.0);
}

void comercio(QPainter &p)
{
    // A shopping cart with a coral basket.
    trazo(p, {QPointF(2, 5), QPointF(6, 5), QPointF(9, 20), QPointF(25, 20)}, 1.8, gris);
    QPainterPath cesta = poligono({QPointF(6.5, 8), QPointF(28, 8), QPointF(25.5, 17), QPointF(8.5, 17)});
    pieza(p, cesta, rojo, 1.0);
    p.setPen(QPen(luz(rojo, 0.55), 1.0));
    for (qreal x : {12.5, 17.5, 22.5})
        p.drawLine(QPointF(x, 9.5), QPointF(x - 0.5, 15.5));
    p.drawLine(QPointF(8, 12.5), QPointF(26.5, 12.5));
    ovalo(p, QRectF(8.5, 21.5, 5, 5), gris, 1.0);
    ovalo(p, QRectF(20.5, 21.5, 5, 5), gris, 1.0);
}

void extractivas(QPainter &p)
{
    // A pickaxe over a heap of rock with a gold nugget.
    QPainterPath roca;
    roca.moveTo(1.5, 28);
    roca.lineTo(5, 20);
    roca.lineTo(11, 17);
    roca.lineTo(17, 19);
    roca.lineTo(22, 16);
    roca.lineTo(28.5, 22);
    roca.lineTo(28.5, 28);
    roca.closeSubpath();
    pieza(p, roca, QColor(150, 130, 118), 1.0);
    ovalo(p, QRectF(16, 22, 5, 3.5), oro, 0.8);
    trazo(p, {QPointF(8, 23), QPointF(20, 6)}, 2.6, QColor(176, 112, 60));
    QPainterPath cabeza;
    cabeza.moveTo(9, 4);
    cabeza.quadTo(19, 0.5, 28, 8);
    cabeza.quadTo(20, 5.5, 19.5, 8.5);
    cabeza.quadTo(16, 5.5, 9, 4);
    cabeza.closeSubpath();
    pieza(p, cabeza, metal, 1.0);
}

void vehiculos(QPainter &p)
{
    // A small car with a spanner over its bonnet.
    QPainterPath coche;
    coche.moveTo(2, 20);
    coche.lineTo(2, 16);
    coche.quadTo(2, 13, 5, 13);
    coche.lineTo(8, 13);
    coche.lineTo(11, 7.5);
    coche.quadTo(12, 6.5, 14, 6.5);
    coche.lineTo(20, 6.5);
    coche.quadTo(22, 6.5, 23, 8);
    coche.lineTo(25, 13);
    coche.quadTo(28, 13.5, 28, 16);
    coche.lineTo(28, 20);
    coche.closeSubpath();
    pieza(p, coche, azul, 1.0);
    QPainterPath ventanas = poligono({QPointF(10, 13), QPointF(12.5, 8.5), QPointF(16.5, 8.5), QPointF(16.5, 13)});
    ventanas.addPolygon(QPolygonF({QPointF(18, 13), QPointF(18, 8.5), QPointF(21, 8.5), QPointF(23, 13)}));
    plano(p, ventanas, luz(cielo, 0.6));
    ovalo(p, QRectF(5, 16.5, 7, 7), gris, 1.0);
    ovalo(p, QRectF(18.5, 16.5, 7, 7), gris, 1.0);
    ovalo(p, QRectF(7.2, 18.7, 2.6, 2.6), metal, 0.6);
    ovalo(p, QRectF(20.7, 18.7, 2.6, 2.6), metal, 0.6);
    llave(p, QPointF(12, 28.5), QPointF(25, 24.5), 2.8, naranja);
}

void artesania(QPainter &p)
{
    // A painter's palette with blobs of colour and a brush across it.
    QPainterPath paleta;
    paleta.moveTo(15, 4);
    paleta.cubicTo(24, 4, 29, 10, 28, 16);
    paleta.cubicTo(27, 21, 22, 20, 20, 22);
    paleta.cubicTo(18, 25, 20, 28, 14, 28);
    paleta.cubicTo(6, 28, 2, 22, 2, 16);
    paleta.cubicTo(2, 9, 7, 4, 15, 4);
    paleta.addEllipse(QPointF(11, 21), 2.3, 2.3);
    paleta.setFillRule(Qt::OddEvenFill);
    pieza(p, paleta, QColor(222, 176, 120), 1.0);
    const QColor manchas[] = {rojo, amarillo, azul, verde};
    const QPointF sitios[] = {{8, 11}, {14, 8}, {20.5, 9.5}, {23.5, 15}};
    for (int i = 0; i < 4; ++i)
        ovalo(p, QRectF(sitios[i] - QPointF(2.4, 2.2), QSizeF(4.8, 4.4)), manchas[i], 0.8);
    trazo(p, {QPointF(27.5, 28.5), QPointF(17, 17)}, 1.8, QColor(176, 112, 60));
    QPainterPath punta;
    punta.moveTo(17.8, 17.8);
    punta.quadTo(13, 16, 12.5, 12.5);
    punta.quadTo(16, 13, 17.8, 17.8);
    punta.closeSubpath();
    pieza(p, punta, morado, 0.8);
}

void informatica(QPainter &p)
{
    // A monitor on its foot, and a keyboard.
    pieza(p, QRectF(2.5, 3, 25, 17), 2, gris, 1.0);
    QLinearGradient pantalla(4.5, 5, 25.5, 18);
    pantalla.setColorAt(0.0, luz(cielo, 0.3));
    pantalla.setColorAt(1.0, azul);
    p.setPen(Qt::NoPen);
    p.setBrush(pantalla);
    p.drawRect(QRectF(4.5, 5, 21, 13));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 8.5), QPointF(15, 8.5));
    p.drawLine(QPointF(7, 11.5), QPointF(19, 11.5));
    p.drawLine(QPointF(7, 14.5), QPointF(12, 14.5));
    pieza(p, QRectF(12.5, 20, 5, 3), 0.5, metal, 0.8);
    pieza(p, QRectF(4, 23, 22, 5), 1.5, luz(metal, 0.3), 1.0);
    p.setPen(QPen(sombra(metal, 0.2), 1.0));
    for (qreal x = 6.5; x < 25; x += 3)
        p.drawPoint(QPointF(x, 25.5));
}

void sociocultural(QPainter &p)
{
    // Three people holding hands.
    const QColor ropa[] = {coral, azul, verde};
    const qreal xs[] = {6.5, 15, 23.5};
    trazo(p, {QPointF(6.5, 17), QPointF(23.5, 17)}, 1.6, QColor(255, 216, 188));
    for (int i = 0; i < 3; ++i)
        persona(p, xs[i], i == 1 ? 27 : 28, i == 1 ? 23 : 20, ropa[i]);
}

void sanidad(QPainter &p)
{
    // A red cross on a white round badge.
    ovalo(p, QRectF(1.5, 1.5, 27, 27), blanco, 1.2);
    p.setPen(QPen(QColor(170, 180, 196), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1.5, 1.5, 27, 27));
    QPainterPath cruz = redondeado(QRectF(11.5, 6, 7, 18), 1.2).united(redondeado(QRectF(6, 11.5, 18, 7), 1.2));
    pieza(p, cruz, rojo, 1.0);
}

void hosteleria(QPainter &p)
{
    // A chef's hat: a puffed crown on a band.
    QPainterPath gorro;
    gorro.moveTo(8, 20);
    gorro.cubicTo(3, 19, 1, 12, 6, 9);
    gorro.cubicTo(6, 4, 12, 2, 15, 5);
    gorro.cubicTo(18, 2, 24, 4, 24, 9);
    gorro.cubicTo(29, 12, 27, 19, 22, 20);
    gorro.closeSubpath();
    pieza(p, gorro, QColor(250, 250, 252), 1.2);
    p.setPen(QPen(QColor(200, 206, 220), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 12), QPointF(12, 19));
    p.drawLine(QPointF(18, 12), QPointF(18, 19));
    pieza(p, QRectF(7.5, 19.5, 15, 7), 1.5, QColor(236, 238, 244), 1.2);
    p.fillRect(QRectF(8.5, 22, 13, 1.6), luz(rojo, 0.2));
}

void alimentarias(QPainter &p)
{
    // A loaf of bread with scored top, and an ear of wheat.
    p.save();
    p.translate(15, 17);
    p.rotate(-10);
    QPainterPath pan;
    pan.addRoundedRect(QRectF(-13, -7, 26, 14), 7, 7);
    pieza(p, pan, QColor(222, 150, 70), 1.0);
    p.setPen(QPen(luz(QColor(240, 200, 130), 0.2), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {-6.0, 0.0, 6.0})
        p.drawLine(QPointF(x - 2, -4), QPointF(x + 2, 1));
    p.restore();
    trazo(p, {QPointF(21, 13), QPointF(26, 2)}, 0.8, oro);
    for (int i = 0; i < 3; ++i) {
        const QPointF c(23.5 + i * 0.9, 9.5 - i * 2.6);
        ovalo(p, QRectF(c.x() - 3.3, c.y() - 1.2, 3.2, 2.4), oro, 0.6);
        ovalo(p, QRectF(c.x() + 0.3, c.y() - 1.6, 3.2, 2.4), oro, 0.6);
    }
}

void quimica(QPainter &p)
{
    // A conical flask with green liquid and bubbles.
    QPainterPath matraz;
    matraz.moveTo(12, 3);
    matraz.lineTo(18, 3);
    matraz.lineTo(18, 11);
    matraz.lineTo(26, 24);
    matraz.quadTo(27.5, 28, 23.5, 28);
    matraz.lineTo(6.5, 28);
    matraz.quadTo(2.5, 28, 4, 24);
    matraz.lineTo(12, 11);
    matraz.closeSubpath();
    QPainterPath liquido;
    liquido.addRect(QRectF(0, 17, 30, 13));
    liquido = liquido.intersected(matraz);
    pieza(p, matraz, QColor(232, 242, 250), 1.0);
    pieza(p, liquido, verde, 0);
    p.setPen(QPen(sombra(QColor(200, 214, 230), 0.35), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(matraz);
    pieza(p, QRectF(10.5, 2, 9, 3), 1, metal, 0.8);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(13, 22), 1.4, 1.4);
    p.drawEllipse(QPointF(17.5, 24.5), 1.0, 1.0);
    p.drawEllipse(QPointF(15, 14), 1.1, 1.1);
    brillo(p, QRectF(6, 16, 12, 14), 160);
}

void edificacion(QPainter &p)
{
    // A tower crane lifting a load over a brick wall.
    trazo(p, {QPointF(9, 28), QPointF(9, 4)}, 2.2, amarillo);
    trazo(p, {QPointF(3, 5), QPointF(28, 5)}, 1.8, amarillo);
    p.setPen(QPen(gris, 0.7));
    p.drawLine(QPointF(24, 6), QPointF(24, 11));
    pieza(p, QRectF(21.5, 11, 5, 3), 0.5, azul, 0.8);
    const QColor ladrillo = terracota;
    for (int fila = 0; fila < 3; ++fila) {
        const qreal y = 16 + fila * 4;
        const qreal desfase = fila % 2 ? 3 : 0;
        for (qreal x = 12 - desfase; x < 28; x += 6) {
            const qreal izq = std::max<qreal>(x, 12), der = std::min<qreal>(x + 6, 28);
            pieza(p, QRectF(izq + 0.3, y, der - izq - 0.6, 3.6), 0.6, ladrillo, 0.8);
        }
    }
}

void deporte(QPainter &p)
{
    // A basketball.
    ovalo(p, QRectF(2.5, 2.5, 25, 25), naranja, 1.2);
    p.setPen(QPen(sombra(naranja, 0.5), 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(15, 2.5), QPointF(15, 27.5));
    p.drawLine(QPointF(2.5, 15), QPointF(27.5, 15));
    p.drawArc(QRectF(-9, 4, 17, 22), -60 * 16, 120 * 16);
    p.drawArc(QRectF(22, 4, 17, 22), 120 * 16, 120 * 16);
    brillo(p, QRectF(6, 6, 14, 14), 120);
}

void graficas(QPainter &p)
{
    // A printer with a printed page in cyan, magenta and yellow.
    pieza(p, QRectF(7, 3, 16, 9), 1, blanco, 1.0);
    pieza(p, QRectF(2.5, 10, 25, 11), 2.5, metal, 1.0);
    p.fillRect(QRectF(21, 13, 3, 1.6), verde);
    pieza(p, QRectF(7, 17, 16, 11), 0.8, blanco, 1.0);
    const QColor tintas[] = {QColor(60, 190, 230), QColor(230, 70, 150), amarillo};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(9 + i * 4.2, 20, 3.6, 5.5), tintas[i]);
}

void electricidad(QPainter &p)
{
    // A lightning bolt.
    QPainterPath rayo = poligono({QPointF(18, 1.5), QPointF(6, 17), QPointF(14, 17), QPointF(11, 28.5),
                                  QPointF(24, 11.5), QPointF(16, 11.5), QPointF(20, 1.5)});
    pieza(p, rayo, amarillo, 1.2);
}

void energia(QPainter &p)
{
    // A water drop with the sun behind it.
    p.setPen(QPen(naranja, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        const QPointF c(21, 9);
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * 7, c + QPointF(std::cos(a), std::sin(a)) * 8.8);
    }
    ovalo(p, QRectF(15.5, 3.5, 11, 11), amarillo, 1.0);
    QPainterPath gota;
    gota.moveTo(11, 5);
    gota.cubicTo(14, 11, 19, 15, 19, 20.5);
    gota.cubicTo(19, 25, 15.5, 28.5, 11, 28.5);
    gota.cubicTo(6.5, 28.5, 3, 25, 3, 20.5);
    gota.cubicTo(3, 15, 8, 11, 11, 5);
    gota.closeSubpath();
    pieza(p, gota, azul, 1.0);
    brillo(p, QRectF(5.5, 16, 9, 10), 180);
}

void instalacion(QPainter &p)
{
    // A red toolbox with a spanner on the lid.
    trazo(p, redondeado(QRectF(10, 4, 10, 8), 2), 1.4, gris);
    pieza(p, QRectF(2.5, 9, 25, 18), 2, rojo, 1.0);
    p.fillRect(QRectF(3, 14, 24, 1.6), sombra(rojo, 0.35));
    pieza(p, QRectF(12.5, 12.5, 5, 4), 1, metal, 0.8);
    llave(p, QPointF(5, 22), QPointF(21, 22), 2.4, metal);
}

void imagenSonido(QPainter &p)
{
    // A film camera with its two reels and a lens.
    ovalo(p, QRectF(3, 2, 10, 10), gris, 1.0);
    ovalo(p, QRectF(13, 1, 11, 11), gris, 1.0);
    for (const QPointF c : {QPointF(8, 7), QPointF(18.5, 6.5)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(luz(metal, 0.3));
        p.drawEllipse(c, 1.6, 1.6);
    }
    pieza(p, QRectF(2.5, 12, 19, 13), 2, QColor(70, 76, 96), 1.0);
    QPainterPath objetivo = poligono({QPointF(21, 15.5), QPointF(28, 12), QPointF(28, 25), QPointF(21, 21.5)});
    pieza(p, objetivo, gris, 1.0);
    ovalo(p, QRectF(5, 15, 4, 4), rojo, 0.7);
}

void imagenPersonal(QPainter &p)
{
    // Open scissors with coral handles.
    p.save();
    p.translate(15, 13);
    for (int lado : {-1, 1}) {
        p.save();
        p.rotate(lado * 16);
        QPainterPath hoja;
        hoja.moveTo(-1.6, 2);
        hoja.lineTo(0, -13);
        hoja.lineTo(1.6, 2);
        hoja.closeSubpath();
        pieza(p, hoja, metal, 0.9);
        p.restore();
    }
    for (int lado : {-1, 1}) {
        const QPointF c(lado * 5.5, 10.5);
        trazo(p, {QPointF(0, 2), c + QPointF(-lado * 1.5, -3)}, 1.4, coral);
        QPainterPath anillo;
        anillo.addEllipse(c, 4, 4);
        anillo.addEllipse(c, 2.1, 2.1);
        anillo.setFillRule(Qt::OddEvenFill);
        pieza(p, anillo, coral, 0.9);
    }
    ovalo(p, QRectF(-1.4, 0.6, 2.8, 2.8), gris, 0.6);
    p.restore();
}

void maderaMueble(QPainter &p)
{
    // A log seen from its end, and a hand saw cutting into it.
    ovalo(p, QRectF(5, 12, 17, 17), QColor(176, 112, 60), 1.0);
    ovalo(p, QRectF(7.3, 14.3, 12.4, 12.4), QColor(236, 196, 140), 0.8);
    p.setPen(QPen(QColor(200, 150, 96), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(13.5, 20.5), 4, 4);
    p.drawEllipse(QPointF(13.5, 20.5), 1.7, 1.7);
    // The blade, toothed along its lower edge, and the handle at the right.
    QPainterPath hoja;
    hoja.moveTo(22, 5.5);
    hoja.lineTo(3.5, 8.5);
    hoja.lineTo(3.5, 11.5);
    const QPointF desde(3.5, 11.5), hasta(22, 14);
    for (int i = 1; i <= 8; ++i) {
        const QPointF q = desde + (hasta - desde) * (i / 8.0);
        hoja.lineTo(q - (hasta - desde) / 16.0 + QPointF(0, 1.8));
        hoja.lineTo(q);
    }
    hoja.closeSubpath();
    pieza(p, hoja, metal, 0.8);
    QPainterPath mango = redondeado(QRectF(20.5, 4, 8, 12), 3);
    QPainterPath agujero = redondeado(QRectF(22.8, 6.8, 3.4, 6.4), 1.5);
    pieza(p, mango.subtracted(agujero), rojo, 0.9);
}

void maritima(QPainter &p)
{
    // An anchor with its ring.
    const QColor ancla = marino;
    QPainterPath anillo;
    anillo.addEllipse(QPointF(15, 5), 3.2, 3.2);
    anillo.addEllipse(QPointF(15, 5), 1.5, 1.5);
    anillo.setFillRule(Qt::OddEvenFill);
    pieza(p, anillo, luz(ancla, 0.2), 0.9);
    trazo(p, {QPointF(15, 8), QPointF(15, 26)}, 2.6, luz(ancla, 0.2));
    trazo(p, {QPointF(9, 12), QPointF(21, 12)}, 2.2, luz(ancla, 0.2));
    QPainterPath brazos;
    brazos.moveTo(4, 17);
    brazos.cubicTo(5, 25, 10, 27, 15, 27);
    brazos.cubicTo(20, 27, 25, 25, 26, 17);
    trazo(p, brazos, 2.4, luz(ancla, 0.2));
    for (int lado : {-1, 1})
        pieza(p, poligono({QPointF(15 + lado * 11, 15), QPointF(15 + lado * 13.5, 19.5),
                           QPointF(15 + lado * 8.5, 19)}),
              luz(ancla, 0.2), 0.9);
}

void seguridad(QPainter &p)
{
    // A blue shield with a green leaf.
    QPainterPath escudo;
    escudo.moveTo(15, 2);
    escudo.quadTo(21, 5, 27, 5);
    escudo.cubicTo(27, 17, 23, 24, 15, 28.5);
    escudo.cubicTo(7, 24, 3, 17, 3, 5);
    escudo.quadTo(9, 5, 15, 2);
    escudo.closeSubpath();
    pieza(p, escudo, azul, 1.2);
    QPainterPath hoja;
    hoja.moveTo(10, 21);
    hoja.cubicTo(8, 13, 13, 8, 21, 8);
    hoja.cubicTo(22, 16, 17, 21, 10, 21);
    hoja.closeSubpath();
    pieza(p, hoja, luz(verde, 0.1), 1.0);
    p.setPen(QPen(sombra(verde, 0.35), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 21), QPointF(18, 11));
}

void textil(QPainter &p)
{
    // A spool of coral thread and a needle with the loose thread.
    pieza(p, QRectF(4, 4, 14, 3), 1, QColor(222, 176, 120), 0.9);
    pieza(p, QRectF(5.5, 7, 11, 14), 1, coral, 1.0);
    p.setPen(QPen(sombra(coral, 0.25), 0.7));
    for (qreal y = 9; y < 21; y += 2.2)
        p.drawLine(QPointF(6, y), QPointF(16, y + 0.8));
    pieza(p, QRectF(4, 21, 14, 3), 1, QColor(222, 176, 120), 0.9);
    QPainterPath hilo;
    hilo.moveTo(16, 14);
    hilo.cubicTo(22, 16, 16, 26, 24, 25);
    p.setPen(QPen(coral, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hilo);
    trazo(p, {QPointF(20, 28), QPointF(27.5, 5)}, 1.2, metal);
    p.setPen(QPen(blanco, 0.8));
    p.drawLine(QPointF(26.4, 8.5), QPointF(26.9, 7));
}

void vidrio(QPainter &p)
{
    // A round-bellied vase with a band of pattern.
    QPainterPath jarron;
    jarron.moveTo(10.5, 3);
    jarron.lineTo(19.5, 3);
    jarron.quadTo(18, 6, 18.5, 8);
    jarron.cubicTo(27, 11, 27, 24, 21, 28);
    jarron.lineTo(9, 28);
    jarron.cubicTo(3, 24, 3, 11, 11.5, 8);
    jarron.quadTo(12, 6, 10.5, 3);
    jarron.closeSubpath();
    pieza(p, jarron, QColor(60, 170, 180), 1.1);
    p.save();
    p.setClipPath(jarron);
    p.fillRect(QRectF(0, 15, 30, 3.5), amarillo);
    p.setPen(Qt::NoPen);
    p.setBrush(rojo);
    for (qreal x = 6; x < 26; x += 4)
        p.drawEllipse(QPointF(x, 16.75), 1, 1);
    p.restore();
    brillo(p, QRectF(6, 10, 10, 14), 170);
}

void todas(QPainter &p)
{
    // Four small coloured tiles: every family at once.
    const QColor colores[] = {rojo, amarillo, azul, verde};
    for (int i = 0; i < 4; ++i)
        pieza(p, QRectF(2.5 + (i % 2) * 13, 2.5 + (i / 2) * 13, 12, 12), 2.5, colores[i], 1.0);
}

} // namespace dibujo::icon
