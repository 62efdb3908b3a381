// The animated home screen's backdrop: a small school seen from across the
// road on a sunny morning. Three doors, the main entrance and two more doors
// open on the pavement, each under a board for its name; the bus stop stands
// at the right. The doors and boards fall where the scene's layout says, so
// the program's captions and door openings land on them.
#include "escena.h"
#include "paquetes.h"
#include "pincel.h"
#include "puerta.h"

#include <QLinearGradient>
#include <cmath>
#include <QPainterPath>
#include <QRadialGradient>

namespace dibujo {

namespace {

using norvela::Caja;
using norvela::LugarEscena;
using namespace norvela::escena;

const QColor fachada{244, 226, 190};
const QColor fachadaEntrada{236, 206, 164};
const QColor teja{196, 96, 70};
const QColor zocaloPiedra{176, 160, 146};
const QColor acera{206, 204, 198};
const QColor asfalto{74, 78, 88};
const QColor hierba{128, 186, 96};
const QColor monte{150, 196, 120};

QRectF Rect(const Caja &c)
{
    return QRectF(c.x, c.y, c.ancho, c.alto);
}

void firmamento(QPainter &p)
{
    QLinearGradient g(0, 0, 0, 480);
    g.setColorAt(0.0, QColor(96, 176, 246));
    g.setColorAt(1.0, QColor(208, 234, 252));
    p.fillRect(QRectF(0, 0, kAncho, 480), g);
    // The sun, high on the right, with its glow.
    QRadialGradient halo(QPointF(930, 74), 120);
    halo.setColorAt(0.0, QColor(255, 250, 210, 200));
    halo.setColorAt(1.0, QColor(255, 250, 210, 0));
    p.fillRect(QRectF(810, 0, 214, 200), halo);
    ovalo(p, QRectF(898, 42, 64, 64), QColor(255, 222, 92), 1.0);
}

void montes(QPainter &p)
{
    const struct { qreal base, alto; QColor color; qreal fase; } capas[] = {
        {470, 70, luz(monte, 0.35), 0.0},
        {500, 60, monte, 1.7},
    };
    for (const auto &c : capas) {
        QPainterPath m;
        m.moveTo(0, kUmbral);
        for (int x = 0; x <= kAncho; x += 16)
            m.lineTo(x, c.base - c.alto * (0.55 + 0.45 * std::sin(x / 150.0 + c.fase) * std::sin(x / 63.0 + c.fase)));
        m.lineTo(kAncho, kUmbral);
        m.closeSubpath();
        plano(p, m, c.color);
    }
}

void arbol(QPainter &p, qreal x, qreal pie, qreal tam)
{
    pieza(p, QRectF(x - tam * 0.07, pie - tam * 0.9, tam * 0.14, tam * 0.9), 2, QColor(122, 84, 56), 1.0);
    const QColor hoja(92, 160, 84);
    ovalo(p, QRectF(x - tam * 0.45, pie - tam * 1.45, tam * 0.6, tam * 0.6), sombra(hoja, 0.1));
    ovalo(p, QRectF(x - tam * 0.1, pie - tam * 1.5, tam * 0.55, tam * 0.6), sombra(hoja, 0.05));
    ovalo(p, QRectF(x - tam * 0.35, pie - tam * 1.75, tam * 0.7, tam * 0.65), hoja);
    brillo(p, QRectF(x - tam * 0.25, pie - tam * 1.7, tam * 0.35, tam * 0.25), 70);
}

void ventana(QPainter &p, const QRectF &v)
{
    pieza(p, v.adjusted(-4, -4, 4, 6), 2, blanco, 1.0);
    QLinearGradient g(v.topLeft(), v.bottomRight());
    g.setColorAt(0.0, luz(cielo, 0.75));
    g.setColorAt(1.0, luz(cielo, 0.35));
    p.fillRect(v, g);
    p.setPen(QPen(blanco, 3));
    p.drawLine(QPointF(v.center().x(), v.top()), QPointF(v.center().x(), v.bottom()));
    p.drawLine(QPointF(v.left(), v.top() + v.height() * 0.4), QPointF(v.right(), v.top() + v.height() * 0.4));
    // A pot of flowers on the sill.
    p.fillRect(QRectF(v.left() - 6, v.bottom() + 4, v.width() + 12, 4), sombra(blanco, 0.1));
}

// A wing of the school: wall, roof band, upper windows, the plinth.
void ala(QPainter &p, qreal x0, qreal x1, qreal arriba)
{
    QLinearGradient g(0, arriba, 0, kUmbral);
    g.setColorAt(0.0, luz(fachada, 0.2));
    g.setColorAt(1.0, fachada);
    p.fillRect(QRectF(x0, arriba, x1 - x0, kUmbral - arriba), g);
    // Roof: a terracotta cornice with its shadow.
    pieza(p, QRectF(x0 - 8, arriba - 14, x1 - x0 + 16, 16), 2, teja, 1.0);
    p.fillRect(QRectF(x0, arriba + 2, x1 - x0, 4), conAlfa(sombra(fachada, 0.6), 60));
    // The band between the floors.
    p.fillRect(QRectF(x0, 398, x1 - x0, 8), luz(teja, 0.35));
    // Stone plinth along the foot.
    p.fillRect(QRectF(x0, kUmbral - 22, x1 - x0, 22), zocaloPiedra);
    p.fillRect(QRectF(x0, kUmbral - 22, x1 - x0, 2), luz(zocaloPiedra, 0.3));
}

void marcoPuerta(QPainter &p, const Caja &c)
{
    const QRectF hueco = Rect(c);
    pieza(p, hueco.adjusted(-6, -6, 6, 0), 3, luz(teja, 0.15), 1.0);
    p.fillRect(hueco, QColor(54, 40, 34));
}

void rotulo(QPainter &p, const Caja &c, const QColor &fondo, const QColor &borde)
{
    const QRectF r = Rect(c);
    // Two short brackets hold the board to the wall.
    p.fillRect(QRectF(r.left() + 10, r.top() - 4, 3, 6), sombra(borde, 0.2));
    p.fillRect(QRectF(r.right() - 13, r.top() - 4, 3, 6), sombra(borde, 0.2));
    sombraSuelo(p, r.translated(2, 4), 50);
    p.setPen(QPen(borde, 2));
    p.setBrush(fondo);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
}

void entrada(QPainter &p)
{
    const Caja portal = norvela::CajaPuerta(LugarEscena::Entrada);
    const qreal x0 = portal.x - 24, x1 = portal.x + portal.ancho + 24;
    const qreal arriba = 236;
    QLinearGradient g(0, arriba, 0, kUmbral);
    g.setColorAt(0.0, luz(fachadaEntrada, 0.15));
    g.setColorAt(1.0, fachadaEntrada);
    p.fillRect(QRectF(x0, arriba, x1 - x0, kUmbral - arriba), g);
    // Pediment.
    QPainterPath frontis;
    frontis.moveTo(x0 - 10, arriba + 2);
    frontis.lineTo((x0 + x1) / 2, arriba - 44);
    frontis.lineTo(x1 + 10, arriba + 2);
    frontis.closeSubpath();
    pieza(p, frontis, teja, 1.2);
    // The flagpole on top; the flag itself moves, so the program draws it.
    p.fillRect(QRectF(kBanderaX - 3, kBanderaY - 8, 3, arriba - 44 - kBanderaY + 10), QColor(150, 150, 160));
    ovalo(p, QRectF(kBanderaX - 5, kBanderaY - 12, 7, 7), QColor(236, 196, 80), 0.8);
    // Clock.
    ovalo(p, QRectF((x0 + x1) / 2 - 24, 268, 48, 48), blanco, 1.2);
    p.setPen(QPen(tinta, 2.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF centro((x0 + x1) / 2, 292);
    p.drawLine(centro, centro + QPointF(0, -15));
    p.drawLine(centro, centro + QPointF(11, 4));
    // Columns each side of the door and a canopy.
    for (qreal x : {x0 + 4.0, x1 - 18.0})
        pieza(p, QRectF(x, 330, 14, kUmbral - 330), 2, luz(fachadaEntrada, 0.45), 1.0);
    pieza(p, QRectF(x0 - 6, 458, x1 - x0 + 12, 8), 2, teja, 1.0);
    p.fillRect(QRectF(x0, kUmbral - 22, x1 - x0, 22), zocaloPiedra);
    // Steps in front.
    p.fillRect(QRectF(x0 - 10, kUmbral, x1 - x0 + 20, 6), luz(zocaloPiedra, 0.35));
    p.fillRect(QRectF(x0 - 18, kUmbral + 6, x1 - x0 + 36, 6), luz(zocaloPiedra, 0.2));
}

void parada(QPainter &p)
{
    const Caja poste = norvela::CajaPuerta(LugarEscena::Dejar);
    const Caja cartel = norvela::CajaRotulo(LugarEscena::Dejar);
    sombraSuelo(p, QRectF(poste.x - 14, poste.y + poste.alto - 6, poste.ancho + 28, 10), 70);
    pieza(p, Rect(poste).adjusted(2, -8, -2, 0), 2, QColor(150, 154, 164), 1.0);
    rotulo(p, cartel, marfil, cielo);
    // A little bus sign on top of the post.
    const QRectF senal(cartel.x + cartel.ancho / 2 - 14, cartel.y - 34, 28, 28);
    ovalo(p, senal, cielo, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(blanco);
    p.drawRoundedRect(QRectF(senal.left() + 6, senal.top() + 8, 16, 10), 2, 2);
    p.setBrush(cielo);
    p.drawRect(QRectF(senal.left() + 8, senal.top() + 10, 5, 4));
    p.drawRect(QRectF(senal.left() + 15, senal.top() + 10, 5, 4));
}

void calle(QPainter &p)
{
    // The pavement in front of the school.
    QLinearGradient g(0, kUmbral, 0, kCarreteraY + 16);
    g.setColorAt(0.0, sombra(acera, 0.08));
    g.setColorAt(1.0, luz(acera, 0.2));
    p.fillRect(QRectF(0, kUmbral, kAncho, kCarreteraY + 16 - kUmbral), g);
    p.setPen(QPen(sombra(acera, 0.14), 1));
    for (int x = 0; x < kAncho; x += 48)
        p.drawLine(QPointF(x, kUmbral), QPointF(x - 24, kCarreteraY + 16));
    p.drawLine(QPointF(0, 604), QPointF(kAncho, 604));
    // Kerb, road with its middle line, and the far pavement.
    p.fillRect(QRectF(0, kCarreteraY + 16, kAncho, 8), QColor(170, 168, 164));
    QLinearGradient r(0, kCarreteraY + 24, 0, 752);
    r.setColorAt(0.0, sombra(asfalto, 0.1));
    r.setColorAt(1.0, asfalto);
    p.fillRect(QRectF(0, kCarreteraY + 24, kAncho, 752 - kCarreteraY - 24), r);
    for (int x = 8; x < kAncho; x += 80)
        p.fillRect(QRectF(x, 700, 44, 5), QColor(236, 236, 228));
    p.fillRect(QRectF(0, 752, kAncho, 16), hierba);
}

} // namespace

QImage fondoEscena()
{
    QImage imagen = lienzo(kAncho, kAlto, fondo);
    QPainter p(&imagen);
    preparar(p);
    firmamento(p);
    montes(p);
    arbol(p, 20, kUmbral, 96);
    arbol(p, 800, kUmbral, 110);

    const Caja izquierda = norvela::CajaPuerta(LugarEscena::Carreras);
    const Caja derecha = norvela::CajaPuerta(LugarEscena::FPip);
    const Caja portal = norvela::CajaPuerta(LugarEscena::Entrada);
    ala(p, izquierda.x - 44, portal.x - 24, 300);
    ala(p, portal.x + portal.ancho + 24, derecha.x + derecha.ancho + 44, 300);
    entrada(p);

    for (int i = 0; i < norvela::kLugares; ++i) {
        const LugarEscena lugar = LugarEscena(i);
        if (lugar == LugarEscena::Dejar)
            continue;
        const Caja puerta = norvela::CajaPuerta(lugar);
        if (lugar != LugarEscena::Entrada)
            ventana(p, QRectF(puerta.x + 4, 322, puerta.ancho - 8, 52));
        marcoPuerta(p, puerta);
        p.drawImage(puerta.x, puerta.y,
                    lugar == LugarEscena::Entrada ? portalEscena(0) : puertaEscena(0));
        rotulo(p, norvela::CajaRotulo(lugar), marfil,
               lugar == LugarEscena::Entrada ? granate : marino);
    }
    calle(p);
    parada(p);
    return imagen;
}

} // namespace dibujo
