// The intermediate-cycle screen's helicopter intro and questionnaire logic:
// where the intro leaves the buttons and when, the help line's stop, the
// two-pass matching of statements, the titles they lead to and the report.
#include "cuestionario_gm.h"
#include "intro_helicoptero.h"

#include <gtest/gtest.h>

#include <functional>

using namespace norvela;

namespace {

// Runs the intro as the two timers would, walking whenever the pilot walks,
// until `parar` says so or the intro ends; the flight ticks it took.
template <typename F> int Jugar(IntroHelicoptero &intro, F parar)
{
    int ticks = 0;
    for (int guarda = 0; guarda < 1000 && (intro.VueloEnMarcha() || intro.PilotoEnMarcha()); ++guarda) {
        if (parar(intro))
            break;
        if (intro.PilotoEnMarcha())
            intro.TickPiloto();
        else if (intro.TickVuelo())
            ++ticks;
    }
    return ticks;
}

TEST(IntroHelicoptero, FlownButtonsEndWhereTheMenuStands)
{
    IntroHelicoptero intro;
    intro.Entrar(true);
    EXPECT_FALSE(intro.BotTit2().visible);
    const int ticks = Jugar(intro, [](const IntroHelicoptero &) { return false; });
    EXPECT_EQ(ticks, 72);
    EXPECT_EQ(intro.BotTit2().pos, QPoint(240, 130));
    EXPECT_EQ(intro.BotLug2().pos, QPoint(240, 250));
    EXPECT_EQ(intro.BotSalir().pos, QPoint(240, 370));
    EXPECT_TRUE(intro.BotTit2().visible && intro.BotLug2().visible && intro.BotSalir().visible);
    // The second balloon stands by the second walk, whose height is the
    // flight's (150 + 6 x 20) lowered by 10.
    EXPECT_EQ(intro.Bocadillo(), 2);
    EXPECT_EQ(intro.RectBocadillo(), QRect(506, 226, 118, 53));
    // The first balloon still stands by the titles button, 120 pixels up.
    EXPECT_EQ(intro.RectBocadilloDe(1), QRect(506, 106, 118, 53));
    intro.OcultarBocadillo();
    EXPECT_TRUE(intro.RectBocadilloDe(1).isNull() && intro.RectBocadilloDe(2).isNull());

    IntroHelicoptero sin;
    sin.Entrar(false);
    EXPECT_FALSE(sin.VueloEnMarcha());
    EXPECT_EQ(sin.BotSalir().pos, QPoint(240, 370));
    EXPECT_TRUE(sin.BotSalir().visible);
}

TEST(IntroHelicoptero, StepsOfTheFlights)
{
    struct Caso {
        const char *momento;
        std::function<bool(const IntroHelicoptero &)> cuando;
        bool tit2, lug2, salir;
        int bocadillo;
    };
    const Caso casos[] = {
        {"first flight under way", [](const IntroHelicoptero &i) { return i.BotTit2().visible && i.BotTit2().pos.x() == 0; }, true, false, false, 0},
        {"first walk", [](const IntroHelicoptero &i) { return i.PilotoEnMarcha() && i.Fase() == 2; }, true, false, false, 0},
        {"first balloon", [](const IntroHelicoptero &i) { return i.Bocadillo() == 1; }, true, false, false, 1},
        {"second flight's last tick but one", [](const IntroHelicoptero &i) { return i.BotLug2().pos.x() == 225; }, true, true, false, 1},
        {"second walk", [](const IntroHelicoptero &i) { return i.PilotoEnMarcha() && i.Fase() == 3; }, true, true, true, 1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.momento);
        IntroHelicoptero intro;
        intro.Entrar(true);
        Jugar(intro, c.cuando);
        ASSERT_TRUE(c.cuando(intro));
        EXPECT_EQ(intro.BotTit2().visible, c.tit2);
        EXPECT_EQ(intro.BotLug2().visible, c.lug2);
        EXPECT_EQ(intro.BotSalir().visible, c.salir);
        EXPECT_EQ(intro.Bocadillo(), c.bocadillo);
    }
}

TEST(IntroHelicoptero, AMenuClickCutsItShort)
{
    IntroHelicoptero intro;
    intro.Entrar(true);
    Jugar(intro, [](const IntroHelicoptero &i) { return i.PilotoEnMarcha() && i.Fotograma() == 3; });
    EXPECT_EQ(intro.PosPiloto(), QPoint(540 + 30, 160));
    intro.Cortar();
    EXPECT_FALSE(intro.VueloEnMarcha() || intro.PilotoEnMarcha());
    EXPECT_EQ(intro.Fotograma(), -1);
    EXPECT_EQ(intro.Bocadillo(), 0);
    EXPECT_EQ(intro.BotTit2().pos, QPoint(240, 130));
    EXPECT_FALSE(intro.BotLug2().visible || intro.BotSalir().visible);
    EXPECT_FALSE(intro.TickVuelo());
}

TEST(IntroHelicoptero, HidingTheBalloonTakesThePilotButLeavesTheTimers)
{
    // During a walk there is no balloon: the pilot stays. After it the
    // balloon and the pilot who spoke it go; the next flight still comes.
    struct Caso {
        std::function<bool(const IntroHelicoptero &)> cuando;
        int fotograma;
    };
    const Caso casos[] = {
        {[](const IntroHelicoptero &i) { return i.PilotoEnMarcha() && i.Fotograma() == 4; }, 4},
        {[](const IntroHelicoptero &i) { return i.Bocadillo() == 1; }, -1},
    };
    for (const Caso &c : casos) {
        IntroHelicoptero intro;
        intro.Entrar(true);
        Jugar(intro, c.cuando);
        const bool vuelo = intro.VueloEnMarcha(), piloto = intro.PilotoEnMarcha();
        intro.OcultarBocadillo();
        EXPECT_EQ(intro.Bocadillo(), 0);
        EXPECT_EQ(intro.Fotograma(), c.fotograma);
        EXPECT_EQ(intro.VueloEnMarcha(), vuelo);
        EXPECT_EQ(intro.PilotoEnMarcha(), piloto);
    }
}

TEST(LineaAyuda, TowedInFromTheRightAndStopsUnder300)
{
    // The first line starts at the form's width less 30, a later one at the
    // width itself, the helicopter waiting where the last line stopped.
    struct Caso {
        bool primera;
        int ticks, left, heliLeft;
    };
    LineaAyuda l;
    for (const Caso &c : {Caso{true, 18, 274, 189}, Caso{false, 19, 264, 179}}) {
        if (c.primera) {
            l.Empezar(1024, 120);
            EXPECT_EQ(l.left, 994);
            EXPECT_EQ(l.heliLeft, 994);
            EXPECT_FALSE(l.heliVisible);
        } else {
            l.Reanudar(1024);
            EXPECT_EQ(l.left, 1024);
            EXPECT_EQ(l.heliLeft, 189);
        }
        int ticks = 1;
        const int desde = l.left;
        while (l.Tick(1024))
            ++ticks;
        EXPECT_EQ(ticks, c.ticks);
        EXPECT_EQ(l.left, c.left);
        EXPECT_EQ(l.heliLeft, c.heliLeft);
        EXPECT_EQ(l.heliTop, 115);
        EXPECT_TRUE(l.heliVisible);
        EXPECT_EQ(l.ancho, 1024 - 80 - (c.left + 40));
        EXPECT_EQ(desde - 40 * ticks, c.left);
        EXPECT_FALSE(l.Tick(1024));
        EXPECT_EQ(l.left, c.left);
    }
    l.OcultarHeli();
    EXPECT_FALSE(l.heliVisible || l.enMarcha);
}

TEST(CuestionarioGM, TwoPassMatching)
{
    // Statements 1..6 with their two digits.
    const std::vector<int> d1{1, 2, 0, 3, 2, 5};
    const std::vector<int> d2{2, 0, 1, 0, 3, 0};
    struct Caso {
        std::vector<int> opciones;   // ticked options, 1..10
        std::vector<int> lineas;
    };
    const Caso casos[] = {
        {{2}, {2, 5, 1}},
        {{1, 2}, {1, 2, 5, 1, 3}},   // statement 1 matches twice, once a pass
        {{10}, {3}},                  // option 10 is code 0: first digit only
        {{10, 3}, {3, 4, 5}},
        {{7}, {}},
    };
    for (const Caso &c : casos) {
        std::vector<int> codigos;
        for (int o : c.opciones)
            codigos.push_back(CodigoOpcionGM(o));
        EXPECT_EQ(LineasCoincidentesGM(codigos, d1, d2), c.lineas);
    }
}

TEST(CuestionarioGM, TitlesOfTheTickedStatements)
{
    // Fields 5..7 of titles 1..5.
    const std::vector<std::array<int, 3>> campos{{4, 0, 0}, {2, 9, 4}, {0, 0, 2}, {7, 7, 7}, {9, 0, 0}};
    EXPECT_EQ(TitulosDeLineasGM({4, 2}, campos), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(TitulosDeLineasGM({9, 4}, campos), (std::vector<int>{2, 5, 1}));
    EXPECT_EQ(TitulosDeLineasGM({7, 7}, campos), (std::vector<int>{4}));
    EXPECT_TRUE(TitulosDeLineasGM({8}, campos).empty());
    // A click on no row opens nothing.
    EXPECT_EQ(TituloEnFilaGM({4, 2}, 1), 2);
    EXPECT_EQ(TituloEnFilaGM({4, 2}, -1), 0);
    EXPECT_EQ(TituloEnFilaGM({4, 2}, 2), 0);
}

TEST(CuestionarioGM, ReportGrowsAndAClickedCommunityReplacesItsBlock)
{
    const InformeCuestionarioGM::Textos t{"Lo que me gusta:", "¿Qué área profesional te interesa?", "Títulos",
                                         "Centros de estudio", "Dónde se estudia"};
    InformeCuestionarioGM informe;
    informe.Opciones({"Cuidar a personas", "Cocinar"});
    EXPECT_EQ(informe.Construir(t).lineas, (QStringList{"Lo que me gusta:", "", "Cuidar a personas", "Cocinar"}));
    informe.Lineas({"Me gusta ayudar a los enfermos"});
    informe.Titulos({3, 5}, {"Cuidados Auxiliares de Enfermería", "Farmacia y Parafarmacia"});
    informe.Centros(3, 1, "Cuidados Auxiliares de Enfermería", {"IES Uno            Sevilla"});
    informe.Centros(3, 8, "Cuidados Auxiliares de Enfermería", {"IES Dos            Ávila"});
    informe.Centros(3, 1, "Cuidados Auxiliares de Enfermería", {"IES Tres           Málaga", "IES Cuatro         Jaén"});
    const auto r = informe.Construir(t);
    const QStringList esperado{"Lo que me gusta:", "", "Cuidar a personas", "Cocinar", "",
                               "¿Qué área profesional te interesa?", "", "Me gusta ayudar a los enfermos", "",
                               "Títulos", "Cuidados Auxiliares de Enfermería", "Farmacia y Parafarmacia",
                               // community 1, replaced by its second click, keeps its first place
                               "", "Centros de estudio", "Cuidados Auxiliares de Enfermería", "", "Dónde se estudia:", "",
                               "IES Tres           Málaga", "IES Cuatro         Jaén",
                               "", "Centros de estudio", "Cuidados Auxiliares de Enfermería", "", "Dónde se estudia:", "",
                               "IES Dos            Ávila"};
    EXPECT_EQ(r.lineas, esperado);
    EXPECT_EQ(r.negritas, (std::vector<int>{1, 6, 10, 22}));

    // Back and forward to other titles: the centres of the title left go.
    informe.Titulos({5}, {"Farmacia y Parafarmacia"});
    EXPECT_EQ(informe.Construir(t).lineas, esperado.mid(0, 10) << "Farmacia y Parafarmacia");
    // Hundreds of communities and rows fit: nothing is cut or lost.
    for (int c = 1; c <= 19; ++c)
        informe.Centros(5, c, "Farmacia y Parafarmacia", QStringList(120, QStringLiteral("IES")));
    EXPECT_EQ(informe.Construir(t).lineas.size(), 11 + 19 * (6 + 120));
    // A line longer than the report's width goes on on the next one.
    informe.Opciones({QString(80, 'x')});
    EXPECT_EQ(informe.Construir(t).lineas.mid(2, 2), (QStringList{QString(65, 'x'), "  " + QString(15, 'x')}));
}

} // namespace
