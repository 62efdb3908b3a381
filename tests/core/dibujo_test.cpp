#include "dibujo.h"
#include "enlace.h"
#include "plataforma.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QSoundEffect>
#include <gtest/gtest.h>

using namespace norvela;

TEST(Drawing, GradientStopsOneStepShortOfItsEndColour)
{
    QImage im(10, 100, QImage::Format_RGB32);
    im.fill(Qt::green);
    {
        QPainter p(&im);
        PintarDegradado(p, 0, 0, 10, 100, QColor(255, 255, 255), QColor(0, 0, 128));
    }
    EXPECT_EQ(QColor(im.pixel(0, 0)), QColor(255, 255, 255));
    EXPECT_EQ(QColor(im.pixel(9, 99)), QColor(3, 3, 129));

    // The right edge is excluded, and an empty rectangle draws nothing.
    QImage otra(10, 10, QImage::Format_RGB32);
    otra.fill(Qt::green);
    {
        QPainter p(&otra);
        PintarDegradado(p, 0, 0, 5, 10, Qt::white, Qt::black);
        PintarDegradado(p, 0, 5, 10, 5, Qt::red, Qt::red);
        PintarDegradado(p, 0, 8, 10, 3, Qt::red, Qt::red);
    }
    EXPECT_EQ(QColor(otra.pixel(4, 0)), QColor(Qt::white));
    EXPECT_EQ(QColor(otra.pixel(5, 0)), QColor(Qt::green));
    EXPECT_EQ(QColor(otra.pixel(8, 8)), QColor(Qt::green));
}

TEST(Drawing, TilesRepeatFromTheCornerAndAreCutAtTheEdges)
{
    QImage tesela(3, 2, QImage::Format_RGB32);
    tesela.fill(Qt::blue);
    tesela.setPixel(0, 0, qRgb(255, 0, 0));
    const QImage mosaico = Mosaico(QSize(8, 5), tesela);
    ASSERT_EQ(mosaico.size(), QSize(8, 5));
    for (int x : {0, 3, 6})
        for (int y : {0, 2, 4})
            EXPECT_EQ(QColor(mosaico.pixel(x, y)), QColor(Qt::red)) << x << "," << y;
    EXPECT_EQ(QColor(mosaico.pixel(7, 4)), QColor(Qt::blue));
    EXPECT_EQ(QColor(mosaico.pixel(1, 1)), QColor(Qt::blue));
    // An empty picture draws nothing (and does not loop forever).
    const QImage vacio = Mosaico(QSize(4, 4), QImage());
    EXPECT_EQ(QColor(vacio.pixel(2, 2)), QColor(Qt::black));
}

namespace {

// A desktop that reports a mode and may list others.
class ModosDePrueba : public ModosPantalla {
public:
    ModoPantalla actual;
    std::vector<ModoPantalla> lista;
    std::vector<ModoPantalla> aplicados;
    ModoPantalla Actual() const override { return actual; }
    std::vector<ModoPantalla> Listar() const override { return lista; }
    void Aplicar(const ModoPantalla &m) override { aplicados.push_back(m); }
};

} // namespace

TEST(DisplayDecision, WhenTheSwitchIsOffered)
{
    EXPECT_FALSE(OfrecerCambioResolucion(0, {1280, 1024, 8}));   // tall enough
    EXPECT_FALSE(OfrecerCambioResolucion(0, {800, 600, 32}));    // deep enough
    EXPECT_TRUE(OfrecerCambioResolucion(0, {800, 600, 8}));
    EXPECT_TRUE(OfrecerCambioResolucion(1, {1280, 1024, 32}));
    EXPECT_TRUE(OfrecerCambioResolucion(1, {1024, 768, 8}));
    EXPECT_FALSE(OfrecerCambioResolucion(1, {1024, 768, 24}));
    EXPECT_FALSE(OfrecerCambioResolucion(2, {640, 480, 4}));
}

TEST(DisplayDecision, QuestionAndSwitch)
{
    MensajesRegistrados m;
    Enlace e(m);
    e.Textos.Poner(253, "La pantalla no es de 1024 x 768 puntos.");
    e.Textos.Poner(254, "Quieres que la cambie mientras dura el programa?");
    ModosDePrueba modos;
    modos.actual = {1280, 1024, 32};

    // No: nothing changes.
    m.respuestas = {false};
    CambiarResolucion(e, 1, modos);
    ASSERT_EQ(m.textos.size(), 1);
    EXPECT_EQ(m.textos[0].size(), 71);   // the two texts joined and cut
    // Text 253 holds 35 characters; with its blank the first part is 36.
    EXPECT_TRUE(m.textos[0].startsWith(QStringLiteral("La pantalla no es de 1024 x 768 pun Quieres")));
    EXPECT_FALSE(e.PantallaCambiada);

    // Yes with no such mode listed (this platform): nothing changes either.
    m.respuestas = {true};
    CambiarResolucion(e, 1, modos);
    EXPECT_FALSE(e.PantallaCambiada);
    EXPECT_TRUE(modos.aplicados.empty());

    // Yes with the mode listed: width and height change, the depth stays.
    modos.lista = {{800, 600, 16}, {1024, 768, 16}};
    m.respuestas = {true};
    CambiarResolucion(e, 1, modos);
    EXPECT_TRUE(e.PantallaCambiada);
    ASSERT_EQ(modos.aplicados.size(), 1u);
    EXPECT_EQ(modos.aplicados[0].ancho, 1024);
    EXPECT_EQ(modos.aplicados[0].bits, 32);

    // Modo 0 on a large deep screen asks nothing.
    const auto preguntas = m.textos.size();
    CambiarResolucion(e, 0, modos);
    EXPECT_EQ(m.textos.size(), preguntas);
}

TEST(DisplayDecision, ClockFromCycleCounters)
{
    EXPECT_EQ(MegahercioDeContadores(1000, 2'400'001'000ULL), 2400);
    EXPECT_EQ(MegahercioDeContadores(0, 2'500'000ULL), 2);   // halves to even
    EXPECT_EQ(MegahercioDeContadores(0, 3'500'000ULL), 4);
}

TEST(EngineSound, StartsWithoutWaitingAndEndsWithTheSharedState)
{
    {
        MensajesRegistrados m;
        Enlace e(m);
        e.RutaDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
        QElapsedTimer reloj;
        reloj.start();
        SonidoMotor(e, true);
        SonidoMotor(e, true);   // a second start while the first may still play
        SonidoMotor(e, false);
        EXPECT_LT(reloj.elapsed(), 1000);
        EXPECT_NE(e.Sonido, nullptr);
        // No file: silence, and nothing said.
        e.RutaDatos = QStringLiteral("/no-existe/");
        SonidoMotor(e, true);
        EXPECT_TRUE(m.textos.isEmpty());
        // The shared state ends at once, its sound maybe still loading.
    }
    // Nothing of the sound outlives the shared state, so nothing of it can
    // outlive the application (its file loader would then post to an
    // application that is gone).
    EXPECT_TRUE(QCoreApplication::instance()->findChildren<QSoundEffect *>().isEmpty());
}
