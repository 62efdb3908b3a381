// The scene's layout and timing: where the places are, and the student's
// round through the doors, and where the bus and the clouds are when.
#include "escena.h"

#include <gtest/gtest.h>
#include <tuple>
#include <set>
#include <vector>

using namespace norvela;

TEST(EscenaLugares, PlacesAreApartInsideTheSceneAndFoundByPoint)
{
    for (int i = 0; i < kLugares; ++i) {
        const LugarEscena lugar = LugarEscena(i);
        const Caja caja = CajaLugar(lugar), puerta = CajaPuerta(lugar), rotulo = CajaRotulo(lugar);
        SCOPED_TRACE(i);
        EXPECT_GE(caja.x, 0);
        EXPECT_LE(caja.x + caja.ancho, escena::kAncho);
        // Board above its door, the door's foot on the pavement (the sign's post below it).
        EXPECT_LE(rotulo.y + rotulo.alto, puerta.y + 1);
        if (lugar != LugarEscena::Dejar) {
            EXPECT_EQ(puerta.y + puerta.alto, escena::kUmbral);
        }
        EXPECT_EQ(LugarEn(puerta.x + puerta.ancho / 2, puerta.y + puerta.alto / 2), i);
        EXPECT_EQ(LugarEn(rotulo.x + 2, rotulo.y + 2), i);
        for (int j = i + 1; j < kLugares; ++j) {
            const Caja otra = CajaLugar(LugarEscena(j));
            const bool aparte = caja.x + caja.ancho <= otra.x || otra.x + otra.ancho <= caja.x
                                || caja.y + caja.alto <= otra.y || otra.y + otra.alto <= caja.y;
            EXPECT_TRUE(aparte) << i << " and " << j << " overlap";
        }
    }
    EXPECT_EQ(LugarEn(500, 60), -1);    // sky
    EXPECT_EQ(LugarEn(500, 700), -1);   // road
}

TEST(EscenaAlumna, OneRoundTakesHerThroughEveryDoorOnceInOrder)
{
    const std::int64_t ronda = DuracionRonda();
    ASSERT_GT(ronda, 30000);
    std::vector<int> entradas;
    bool dentro = false;
    double anteriorX = -1e9;
    int anteriorPuerta = -1;
    for (std::int64_t t = 0; t < ronda; t += 10) {
        const EstadoEscena s = EstadoEn(t);
        ASSERT_GE(s.puerta, 0);
        ASSERT_LT(s.puerta, kPuertasAlumna);
        if (s.puerta != anteriorPuerta)
            anteriorX = -1e9;   // a new visit starts from the left
        anteriorPuerta = s.puerta;
        ASSERT_GE(s.pasoPuerta, 0);
        ASSERT_LE(s.pasoPuerta, 4);
        // She only fades in the doorway of a door standing open.
        if (s.alumnaVisible && s.alumnaOpacidad < 1) {
            ASSERT_EQ(s.pasoPuerta, 4) << t;
            const Caja puerta = CajaPuerta(PuertaAlumna(s.puerta));
            ASSERT_EQ(s.alumnaX + escena::kAnchoAndar / 2.0, puerta.x + puerta.ancho / 2.0) << t;
            ASSERT_LE(s.alumnaSuelo, escena::kSuelo);
            ASSERT_GE(s.alumnaSuelo, escena::kUmbral);
        }
        // She only goes right, and never walks off the pavement.
        if (s.alumnaVisible) {
            ASSERT_GE(s.alumnaX, anteriorX) << t;
            anteriorX = s.alumnaX;
            ASSERT_GE(s.alumnaFase, 0);
            ASSERT_LT(s.alumnaFase, kFasesAndar);
        }
        const bool ahoraDentro = !s.alumnaVisible && s.alumnaX > -escena::kAnchoAndar && s.alumnaX < escena::kAncho;
        if (ahoraDentro && !dentro)
            entradas.push_back(s.puerta);
        dentro = ahoraDentro;
    }
    EXPECT_EQ(entradas, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    // The round starts again the same way.
    const EstadoEscena a = EstadoEn(1234), b = EstadoEn(1234 + ronda);
    EXPECT_EQ(a.alumnaX, b.alumnaX);
    EXPECT_EQ(a.puerta, b.puerta);
    EXPECT_EQ(a.alumnaFase, b.alumnaFase);
}

TEST(EscenaAlumna, HerFeetStayPlantedAsSheWalks)
{
    // A new frame every step of 8 pixels, never a frame skipped.
    int cambios = 0;
    EstadoEscena antes = EstadoEn(0);
    for (std::int64_t t = 10; t < 1500; t += 10) {
        const EstadoEscena s = EstadoEn(t);
        if (s.alumnaFase != antes.alumnaFase) {
            ++cambios;
            EXPECT_EQ(s.alumnaFase, (antes.alumnaFase + 1) % kFasesAndar) << t;
        }
        antes = s;
    }
    const double recorrido = EstadoEn(1490).alumnaX - EstadoEn(0).alumnaX;
    EXPECT_NEAR(cambios, recorrido / escena::kPasoAndar, 1);
}

TEST(EscenaFiguras, CloudsBirdsAndBusKeepToTheirParts)
{
    std::set<int> fasesBandera, fasesPajaro;
    for (std::int64_t t = 0; t < 60000; t += 50) {
        const EstadoEscena s = EstadoEn(t);
        for (double x : s.nubeX) {
            ASSERT_GE(x, -260);
            ASSERT_LT(x, escena::kAncho);
        }
        for (double y : s.pajaroY)
            ASSERT_LT(y, 200);   // above the roofs
        fasesPajaro.insert(s.pajaroFase[0]);
        fasesBandera.insert(s.banderaFase);
    }
    EXPECT_EQ(fasesBandera.size(), size_t(kFasesBandera));
    EXPECT_EQ(fasesPajaro.size(), size_t(kFasesPajaro));
    // The bus: in at the right edge 6 s after the start and every 26 s after,
    // 200 pixels a second, gone once all its 300 pixels have left on the left.
    for (const auto &[t, visible, x] : {std::tuple<std::int64_t, bool, double>{5999, false, 0}, {6000, true, escena::kAncho},
                                        {11000, true, 24}, {12619, true, -299.8}, {12620, false, 0},
                                        {32000, true, escena::kAncho}}) {
        EXPECT_EQ(EstadoEn(t).autobusVisible, visible) << t;
        EXPECT_NEAR(visible ? EstadoEn(t).autobusX : 0, x, 1e-6) << t;
    }
    // The clouds drift right, the nearer the faster, and come back round out
    // of sight on the left as the right edge takes them.
    for (const auto &[nube, t, x] : {std::tuple<int, std::int64_t, double>{0, 0, 80}, {1, 0, 520}, {2, 0, 860},
                                     {0, 1000, 88}, {1, 1000, 532}, {2, 1000, 877}, {0, 117999, 1023.992},
                                     {0, 118001, -259.992}, {1, 41999, 1023.988}, {1, 42001, -259.988}})
        EXPECT_NEAR(EstadoEn(t).nubeX[nube], x, 1e-6) << nube << " at " << t;
    // Before it starts, the scene stands at its first moment.
    EXPECT_EQ(EstadoEn(-500).alumnaX, EstadoEn(0).alumnaX);
}
