// One bay of the school corridor of the main menu. The program tiles it six
// times across and, 340 pixels apart, down, so everything that touches an
// edge is drawn on both opposite edges: the pilasters straddle the left and
// right seam, and the underside of the floor above is the top of the bay.
//
// The doors are not part of the bay: the captions they belong to do not
// repeat bay by bay, so the menu lays every door (the first frame of its
// opening, a 118-high leaf at y 170 or 510) and its casing where its
// opening plays. The bay gives them a wall whose foot, at y 288 of the bay,
// is where those leaves end in both rows, and a floor in front of it on
// which the walking student, the back button and the year stand.
#include "dibujos.h"
#include "pincel.h"

#include <QLinearGradient>

namespace dibujo {

namespace {

constexpr int anchoBahia = 171;
constexpr int altoBahia = 340;

constexpr qreal techo = 12;        // bottom of the cornice
constexpr qreal friso = 40;        // the sky-blue stripe along the wall
constexpr qreal zocaloAlto = 226;  // chair rail, top of the coloured dado
constexpr qreal rodapie = 278;     // top of the skirting
constexpr qreal pisoY = 288;       // where the wall meets the floor: the doors' foot
constexpr qreal losa = 334;        // front edge of the floor slab

const QColor zocalo{234, 166, 146};   // soft coral dado
const QColor baldosa{214, 219, 230};

void paredes(QPainter &p)
{
    QLinearGradient g(0, techo, 0, zocaloAlto);
    g.setColorAt(0.0, luz(pared, 0.25));
    g.setColorAt(1.0, pared);
    p.fillRect(QRectF(0, techo, anchoBahia, zocaloAlto - techo), g);

    QLinearGradient d(0, zocaloAlto, 0, rodapie);
    d.setColorAt(0.0, zocalo);
    d.setColorAt(1.0, sombra(zocalo, 0.06));
    p.fillRect(QRectF(0, zocaloAlto, anchoBahia, rodapie - zocaloAlto), d);

    // Sky-blue stripe with a thin cream line on each side.
    p.fillRect(QRectF(0, friso, anchoBahia, 7), mezcla(cielo, pared, 0.45));
    p.fillRect(QRectF(0, friso - 2, anchoBahia, 1), luz(cielo, 0.7));
    p.fillRect(QRectF(0, friso + 8, anchoBahia, 1), luz(cielo, 0.7));

    // Wooden chair rail with its shadow on the dado.
    p.fillRect(QRectF(0, zocaloAlto - 3, anchoBahia, 6), madera);
    p.fillRect(QRectF(0, zocaloAlto - 3, anchoBahia, 1.5), luz(madera, 0.35));
    p.fillRect(QRectF(0, zocaloAlto + 3, anchoBahia, 3), conAlfa(sombra(zocalo, 0.6), 50));

    // Skirting.
    p.fillRect(QRectF(0, rodapie, anchoBahia, pisoY - rodapie), maderaOscura);
    p.fillRect(QRectF(0, rodapie, anchoBahia, 2), luz(maderaOscura, 0.3));
}

void suelo(QPainter &p)
{
    // Two rows of tiles seen from the front; 6 tiles per bay keeps the joints
    // on the same place at both side edges.
    const qreal fila = (losa - pisoY) / 2;
    for (int f = 0; f < 2; ++f) {
        for (int i = 0; i < 6; ++i) {
            const qreal ancho = anchoBahia / 6.0;
            const QRectF b(i * ancho, pisoY + f * fila, ancho, fila);
            const bool clara = (i + f) % 2 == 0;
            QLinearGradient g(b.topLeft(), b.bottomLeft());
            const QColor base = clara ? luz(baldosa, 0.3) : baldosa;
            g.setColorAt(0.0, sombra(base, f == 0 ? 0.08 : 0.0));
            g.setColorAt(1.0, base);
            p.fillRect(b, g);
        }
    }
    p.setPen(QPen(sombra(baldosa, 0.12), 1.0));
    p.drawLine(QPointF(0, pisoY + fila), QPointF(anchoBahia, pisoY + fila));
    // The skirting casts a short shadow on the floor.
    QLinearGradient s(0, pisoY, 0, pisoY + 5);
    s.setColorAt(0.0, QColor(60, 40, 30, 70));
    s.setColorAt(1.0, QColor(60, 40, 30, 0));
    p.fillRect(QRectF(0, pisoY, anchoBahia, 5), s);
}

// The slab between storeys: its front edge at the bottom of the bay and its
// underside (with the cornice) at the top. dy moves it one bay up or down.
void losaEntrePisos(QPainter &p, qreal dy)
{
    const QRectF frente(0, losa + dy, anchoBahia, altoBahia - losa);
    QLinearGradient g(frente.topLeft(), frente.bottomLeft());
    g.setColorAt(0.0, QColor(176, 150, 128));
    g.setColorAt(1.0, QColor(150, 124, 104));
    p.fillRect(frente, g);
    p.fillRect(QRectF(0, losa + dy, anchoBahia, 1.5), QColor(236, 222, 206));

    // Cornice under the slab, seen at the top of the next bay down.
    const qreal y0 = altoBahia + dy;
    p.fillRect(QRectF(0, y0, anchoBahia, 6), QColor(150, 124, 104));
    p.fillRect(QRectF(0, y0 + 6, anchoBahia, techo - 6), QColor(250, 240, 222));
    p.fillRect(QRectF(0, y0 + 6, anchoBahia, 1), QColor(255, 252, 244));
    p.fillRect(QRectF(0, y0 + techo - 1, anchoBahia, 1), sombra(pared, 0.25));
    QLinearGradient s(0, y0 + techo, 0, y0 + techo + 8);
    s.setColorAt(0.0, QColor(90, 60, 30, 45));
    s.setColorAt(1.0, QColor(90, 60, 30, 0));
    p.fillRect(QRectF(0, y0 + techo, anchoBahia, 8), s);
}

// A flat pilaster centred on x, drawn at both side seams.
void pilastra(QPainter &p, qreal x)
{
    const qreal medio = 8;
    const QRectF cuerpo(x - medio, techo, 2 * medio, pisoY - techo);
    QLinearGradient g(cuerpo.topLeft(), cuerpo.topRight());
    g.setColorAt(0.0, luz(pared, 0.45));
    g.setColorAt(0.5, luz(pared, 0.2));
    g.setColorAt(1.0, sombra(pared, 0.08));
    p.fillRect(cuerpo, g);
    // Shadow it casts on the wall to its right.
    QLinearGradient s(x + medio, 0, x + medio + 5, 0);
    s.setColorAt(0.0, QColor(90, 60, 30, 50));
    s.setColorAt(1.0, QColor(90, 60, 30, 0));
    p.fillRect(QRectF(x + medio, techo, 5, rodapie - techo), s);
    // Capital and base.
    pieza(p, QRectF(x - medio - 3, techo, 2 * medio + 6, 6), 1.5, luz(pared, 0.5), 0.8);
    pieza(p, QRectF(x - medio - 2, rodapie - 4, 2 * medio + 4, pisoY - rodapie + 4), 1.5,
          maderaOscura, 0.8);
}

} // namespace

QImage parte()
{
    QImage imagen = lienzo(anchoBahia, altoBahia, pared);
    QPainter p(&imagen);
    preparar(p);
    p.setClipRect(QRect(0, 0, anchoBahia, altoBahia));

    paredes(p);
    suelo(p);
    losaEntrePisos(p, 0);
    losaEntrePisos(p, -altoBahia);
    pilastra(p, 0);
    pilastra(p, anchoBahia);
    return imagen;
}

} // namespace dibujo
