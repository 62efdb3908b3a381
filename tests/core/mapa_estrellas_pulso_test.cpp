// The pulse of the map markers on a plain picture: which pixels each tick
// covers, the colours it cycles through, and the shared phase counters.
#include "datos_lugares.h"
#include "mapa_estrellas_pulso.h"
#include "mapa_regiones.h"

#include <QImage>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace norvela;

namespace {

const QRgb kVerde = qRgb(0, 255, 0);

struct Pulso : ::testing::Test {
    Pulso() : lienzo(281, 196, QImage::Format_RGB32)
    {
        IniciarPuntosMapa(d->PosicionComunidadX, d->PosicionComunidadY);
        for (int c = 1; c <= kNumComunidades; ++c)
            d->MarcasEstrellas[c] = 0;
        lienzo.fill(kVerde);
    }
    QPoint Punto(int c) const { return {d->PosicionComunidadX[c], d->PosicionComunidadY[c]}; }
    // The smallest rectangle holding every pixel that is no longer green.
    QRect Pintado() const
    {
        QRect r;
        for (int y = 0; y < lienzo.height(); ++y)
            for (int x = 0; x < lienzo.width(); ++x)
                if (lienzo.pixel(x, y) != kVerde)
                    r |= QRect(x, y, 1, 1);
        return r;
    }

    std::unique_ptr<DatosLugares> d = std::make_unique<DatosLugares>();
    QImage lienzo;
    PincelEstrellas pincel;
};

} // namespace

TEST_F(Pulso, EachTickCoversTwicePhasePixelsFromThePointLeftAndUp)
{
    d->MarcasEstrellas[13] = 1;
    const QPoint p = Punto(13);
    // Phases 1, 2, 3, each ellipse over the one before it.
    for (int fase = 1; fase <= 3; ++fase) {
        PulsoEstrellas(lienzo, *d, pincel);
        EXPECT_EQ(Pintado(), QRect(p.x() - fase, p.y() - fase, 2 * fase, 2 * fase)) << fase;
    }
    // The drawing stays: the next, smaller ellipse leaves the larger one.
    PulsoEstrellas(lienzo, *d, pincel);
    EXPECT_EQ(Pintado(), QRect(p.x() - 3, p.y() - 3, 6, 6));
    // The two phases give the two half-axes.
    lienzo.fill(kVerde);
    d->FaseEstrellas = 2;
    d->FaseEstrellas2 = 1;
    PulsoEstrellas(lienzo, *d, pincel);
    EXPECT_EQ(Pintado(), QRect(p.x() - 3, p.y() - 2, 6, 4));
}

TEST_F(Pulso, OnlyMarkedCommunitiesAreDrawnWithTheColoursTheTickBeforeLeft)
{
    d->MarcasEstrellas[2] = 1;
    d->MarcasEstrellas[13] = 1;
    std::vector<std::pair<int, QRgb>> vistos;
    for (int tic = 0; tic < 8; ++tic) {
        PulsoEstrellas(lienzo, *d, pincel);
        vistos.push_back({d->FaseEstrellas, pincel.relleno.rgb()});
        EXPECT_EQ(d->FaseEstrellas2, d->FaseEstrellas);
        if (tic == 2) {
            // The radius-3 disc in the navy the second tick left, its rim white.
            EXPECT_EQ(lienzo.pixel(Punto(13)), qRgb(0, 0, 128));
            EXPECT_EQ(lienzo.pixel(Punto(2) + QPoint(1, 1)), qRgb(0, 0, 128));
            EXPECT_EQ(lienzo.pixel(Punto(13) - QPoint(3, 0)), qRgb(255, 255, 255));
        }
    }
    const QRgb amarillo = qRgb(255, 255, 0), azul = qRgb(0, 0, 128), granate = qRgb(128, 0, 0);
    const std::vector<std::pair<int, QRgb>> esperado = {{1, amarillo}, {2, azul}, {0, granate}, {1, amarillo},
                                                        {2, azul},     {0, granate}, {1, amarillo}, {2, azul}};
    EXPECT_EQ(vistos, esperado);
    EXPECT_EQ(pincel.pluma, QColor(Qt::white));
    EXPECT_EQ(lienzo.pixel(Punto(2) + QPoint(10, 0)), kVerde);
    // Every other community's point is as the picture was.
    for (int c = 1; c <= kNumComunidades; ++c) {
        const bool cerca = (Punto(c) - Punto(2)).manhattanLength() <= 8 || (Punto(c) - Punto(13)).manhattanLength() <= 8;
        if (!cerca) {
            EXPECT_EQ(lienzo.pixel(Punto(c)), kVerde) << c;
        }
    }
}

TEST_F(Pulso, TheFirstTickUsesThePenAndBrushTheCanvasHad)
{
    d->MarcasEstrellas[13] = 1;
    d->FaseEstrellas = d->FaseEstrellas2 = 2;
    PulsoEstrellas(lienzo, *d, pincel);
    EXPECT_EQ(lienzo.pixel(Punto(13)), qRgb(255, 255, 255));
    EXPECT_EQ(lienzo.pixel(Punto(13) - QPoint(3, 0)), qRgb(0, 0, 0));
    EXPECT_EQ(pincel.relleno, QColor(128, 0, 0));
    EXPECT_EQ(d->FaseEstrellas, 0);
}

TEST_F(Pulso, WithoutAPictureOrBeyondTheCycleOnlyThePhasesMove)
{
    d->MarcasEstrellas[13] = 1;
    QImage nada;
    PulsoEstrellas(nada, *d, pincel);
    EXPECT_TRUE(nada.isNull());
    EXPECT_EQ(d->FaseEstrellas, 1);
    EXPECT_EQ(pincel.relleno, QColor(255, 255, 0));
    // A phase another screen left beyond 3 comes back into the cycle; no
    // colour belongs to it, so the brush stays.
    d->FaseEstrellas = d->FaseEstrellas2 = 7;
    PulsoEstrellas(nada, *d, pincel);
    EXPECT_EQ(d->FaseEstrellas, 0);
    EXPECT_EQ(d->FaseEstrellas2, 0);
    EXPECT_EQ(pincel.relleno, QColor(255, 255, 0));
}
