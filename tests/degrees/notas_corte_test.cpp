// The high cut-off marks list: which degrees reach a threshold, how their
// marks are counted, and that the list grows with the data.
#include "grados_prueba.h"
#include "notas_corte.h"

#include <gtest/gtest.h>

using norvela::CalcularNotasCorte;
using norvela::FilaCorte;
using norvela::pruebas::GradoPrueba;
using norvela::pruebas::GradosPrueba;

namespace {

// A degree whose k-th mark belongs to university 10 * degree + k.
int GradoConNotas(GradosPrueba &g, const std::string &nombre, const std::vector<int> &notas)
{
    const int d = g.Grado(GradoPrueba(nombre, 1, 0, {}, notas));
    for (size_t j = 0; j < notas.size(); ++j)
        g.e.NotasCorteUni.Poner(d, static_cast<int>(j) + 1, static_cast<uint8_t>(10 * d + static_cast<int>(j) + 1));
    return d;
}

} // namespace

TEST(NotasCorte, CountsPublishedMarksAndKeepsOnlyThoseReachingTheThreshold)
{
    GradosPrueba g;
    GradoConNotas(g, "Medicina", {95, 62, 10});
    GradoConNotas(g, "Solo sin publicar", {10, 10});
    GradoConNotas(g, "Sin universidades", {});
    const int justa = GradoConNotas(g, "Justo en el umbral", {59, 60});

    const auto a6 = CalcularNotasCorte(g.e, 60);
    ASSERT_EQ(a6.size(), 2u);
    EXPECT_EQ(a6[0].nombre, "Medicina");   // trailing padding gone
    EXPECT_EQ(a6[0].cuenta, " 2  ( 2)");
    EXPECT_EQ(a6[0].notas, (std::vector<int>{95, 62}));
    EXPECT_EQ(a6[0].universidades, (std::vector<int>{11, 12}));
    EXPECT_EQ(a6[1].grado, justa);
    EXPECT_EQ(a6[1].cuenta, " 1  ( 2)");
    EXPECT_EQ(a6[1].universidades, (std::vector<int>{4 * 10 + 2}));

    const auto a8 = CalcularNotasCorte(g.e, 80);
    ASSERT_EQ(a8.size(), 1u);
    EXPECT_EQ(a8[0].cuenta, " 1  ( 2)");
    EXPECT_EQ(a8[0].universidades, (std::vector<int>{11}));

    // A mark of 10 stands for no mark: it never reaches even the lowest threshold.
    const auto todos = CalcularNotasCorte(g.e, 1);
    ASSERT_EQ(todos.size(), 2u);
    EXPECT_EQ(todos[0].cuenta, " 2  ( 2)");
}

TEST(NotasCorte, NoDegreeReachingTheThresholdGivesAnEmptyList)
{
    GradosPrueba g;
    GradoConNotas(g, "Historia", {50, 99});
    EXPECT_TRUE(CalcularNotasCorte(g.e, 100).empty());
    GradosPrueba vacio;
    EXPECT_TRUE(CalcularNotasCorte(vacio.e, 60).empty());
}

TEST(NotasCorte, ListsEveryDegreeAndMarkWhateverTheirNumber)
{
    // More degrees and marks than fixed 300 x 80 tables would hold.
    GradosPrueba g;
    for (int d = 1; d <= 340; ++d)
        g.Grado(GradoPrueba("Grado " + std::to_string(d), 1, 0, {}, std::vector<int>(120, 60 + d % 41)));
    const auto filas = CalcularNotasCorte(g.e, 60);
    ASSERT_EQ(filas.size(), 340u);
    EXPECT_EQ(filas.back().grado, 340);
    EXPECT_EQ(filas.back().notas.size(), 120u);
    EXPECT_EQ(filas.back().cuenta, "120  (120)");
    // Names are cut to 50 characters.
    GradosPrueba largo;
    GradoConNotas(largo, std::string(55, 'x'), {90});
    EXPECT_EQ(CalcularNotasCorte(largo.e, 60)[0].nombre.size(), 50u);
}
