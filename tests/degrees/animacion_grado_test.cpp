// The degree-structure animation's steps, driven tick by tick as its two
// 10 ms timers would drive them.
#include "animacion_grado.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

using A = AnimacionGrado;

// Runs both timers until they stop, checking that no cover ever gets a
// negative width. Returns the ticks (the bound means it never stopped).
int Correr(A &a, int tope = 5000)
{
    int ticks = 0;
    for (; (a.timerGrado || a.timerFrase) && ticks < tope; ++ticks) {
        if (a.timerGrado)
            a.TickGrado();
        if (a.timerFrase)
            a.TickFrase();
        for (const RectCubierta &c : a.cubiertas)
            EXPECT_GE(c.width, 0) << "step " << a.PasoGrado;
    }
    return ticks;
}

const FraseGrado kFrases[] = {{539, 0}, {540, 0}, {541, 542}, {543, 0}, {544, 0},
                              {545, 0}, {546, 0}, {547, 0}, {548, 549}};
// The cover each step 3..8 takes away.
const int kCubierta[] = {0, 2, 3, 4, 5, 6};

void CorrerTodo(A &a)
{
    for (int paso = 0; paso <= A::kUltimoPaso; ++paso) {
        SCOPED_TRACE(paso);
        EXPECT_LT(Correr(a), 5000);
        if (paso < A::kUltimoPaso) {
            EXPECT_EQ(a.frase, kFrases[paso]);
            EXPECT_GT(a.anchoFrase, A::kAnchoFraseMax);
        }
        if (paso >= 3 && paso < A::kUltimoPaso) {
            const RectCubierta &c = a.cubiertas[kCubierta[paso - 3]];
            const RectCubierta &inicio = A::kInicio[kCubierta[paso - 3]];
            EXPECT_EQ(c.width, 0);
            EXPECT_EQ(c.left, inicio.left + inicio.width); // shrunk from its left edge
            for (int k = paso - 2; k < 6; ++k) // later parts still covered
                EXPECT_EQ(a.cubiertas[kCubierta[k]], A::kInicio[kCubierta[k]]);
        }
        a.Avanzar();
    }
}

} // namespace

TEST(AnimacionGrados, EachStepUncoversItsPartThenShowsItsSentence)
{
    A a;
    CorrerTodo(a);
    for (const RectCubierta &c : a.cubiertas)
        EXPECT_EQ(c.width, 0);
    EXPECT_FALSE(a.avanzaActivo);
    EXPECT_EQ(a.PasoGrado, 9);

    // Speeds: the degree box (nudged a pixel by each of steps 0-2) goes a
    // pixel a tick, the long doctorate bar three; the sentence widens two
    // pixels a tick and stops once past 600.
    A b;
    for (int paso = 0; paso < 3; ++paso)
        Correr(b), b.Avanzar();
    EXPECT_EQ(b.cubiertas[0].width, 171);
    EXPECT_EQ(Correr(b), 171 + 301);
    for (int paso = 4; paso < 7; ++paso)
        b.Avanzar(), Correr(b);
    b.Avanzar();
    b.TickGrado();
    EXPECT_EQ(b.cubiertas[5], (RectCubierta{192, 247, 342, 36}));
    EXPECT_EQ(Correr(b), 114 + 301);
}

TEST(AnimacionGrados, ArrowDuringAnUncoveringOrARevealMovesOn)
{
    A a;
    for (int paso = 0; paso < 3; ++paso)
        Correr(a), a.Avanzar();
    for (int i = 0; i < 50; ++i)
        a.TickGrado();
    a.Avanzar();
    a.TickGrado();
    // The half-uncovered degree box is cleared; its sentence never shows.
    EXPECT_EQ(a.cubiertas[0].width, 0);
    EXPECT_EQ(a.cubiertas[2].width, 45 - 1);
    EXPECT_EQ(a.frase, (FraseGrado{541, 542}));
    while (a.timerGrado)
        a.TickGrado();
    EXPECT_EQ(a.frase, (FraseGrado{544, 0}));
    // Mid-reveal, on to the master box: its sentence starts again from 0.
    for (int i = 0; i < 40; ++i)
        a.TickFrase();
    a.Avanzar();
    Correr(a, 185);
    EXPECT_EQ(a.frase, (FraseGrado{545, 0}));
    EXPECT_LT(a.anchoFrase, 20);
}

TEST(AnimacionGrados, ReopeningStartsAgainAndCoversStayAtZero)
{
    A a;
    CorrerTodo(a);
    a.Abrir();
    EXPECT_EQ(a.PasoGrado, 0);
    EXPECT_EQ(a.cubiertas, A::kInicio);
    EXPECT_EQ(a.frase, (FraseGrado{539, 0}));
    EXPECT_EQ(a.anchoFrase, 0);
    EXPECT_TRUE(a.avanzaActivo && a.timerGrado && !a.timerFrase);
    // Closed mid-step with the sentence half shown, reopened: the second
    // run goes as the first.
    for (int paso = 0; paso < 5; ++paso)
        Correr(a), a.Avanzar();
    for (int i = 0; i < 30; ++i)
        a.TickGrado(), a.TickFrase();
    a.Abrir();
    CorrerTodo(a);
    EXPECT_FALSE(a.avanzaActivo);

    // A cover already gone shows its sentence at once and stays at 0.
    A b;
    for (int paso = 0; paso < 3; ++paso)
        Correr(b), b.Avanzar();
    b.cubiertas[0].width = 0;
    b.TickGrado();
    EXPECT_EQ(b.frase, (FraseGrado{543, 0}));
    EXPECT_EQ(b.cubiertas[0], (RectCubierta{15, 72, 0, 209}));
}
