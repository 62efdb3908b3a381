// A degree's universities by community with their cut-off marks.
#include "navegador_prueba.h"
#include "universidades_grado.h"

#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::Navegable;

TEST(MarkText, TenthsWithACommaAndADashForAnUnpublishedMark)
{
    EXPECT_EQ(TextoNota(65), " 6,5");
    EXPECT_EQ(TextoNota(80), " 8,0");
    EXPECT_EQ(TextoNota(105), "10,5");
    EXPECT_EQ(TextoNota(140), "14,0");
    EXPECT_EQ(TextoNota(5), "  ,5");
    EXPECT_EQ(TextoNota(0), "  ,0");
    EXPECT_EQ(TextoNota(255), "25,5");
    EXPECT_EQ(TextoNota(kNotaSinPublicar), "  - ");
}

namespace {

// Medicine at four universities in two communities, listed out of
// community order; a degree taught nowhere.
struct Medicina : Navegable {
    Medicina()
    {
        const int g = Grupo("Salud");
        medicina = Grado({"Medicina", 5, g, 3});
        nada = Grado({"Sin universidades", 5, g, 3});
        const int madrid = Universidad(13, "Universidad Complutense de Madrid");
        const int sevilla = Universidad(1, "Universidad de Sevilla");
        const int europea = Universidad(13, "Universidad Europea de Madrid");
        const int granada = Universidad(1, "Universidad de Granada");
        Ensenar(medicina, madrid, 134);
        Ensenar(medicina, sevilla, 131);
        Ensenar(medicina, europea, kNotaSinPublicar);
        Ensenar(medicina, granada, 129);
    }
    int medicina, nada;
};

std::string Linea(const std::string &universidad, const std::string &nota)
{
    return "<" + LineaRellena(universidad, 35) + nota;
}

} // namespace

TEST(UniversitiesOfADegree, CommunitiesInNumberOrderUniversitiesInEntryOrder)
{
    Medicina n;
    const auto u = UniversidadesDeGrado(n.e, n.medicina, "T593");
    const std::vector<std::string> esperadas{
        "-" + std::string(17, ' ') + "T593",
        "Not.",
        "- " + LineaRellena("Comunidad 1", 53),
        Linea("Universidad de Sevilla", "13,1"),
        Linea("Universidad de Granada", "12,9"),
        "- " + LineaRellena("Comunidad 13", 53),
        Linea("Universidad Complutense de Madrid", "13,4"),
        Linea("Universidad Europea de Madrid", "  - "),
    };
    EXPECT_EQ(u.lineas, esperadas);
    for (int c = 1; c <= kComunidades; ++c) {
        const bool con = c == 1 || c == 13;
        EXPECT_EQ(u.MarcasEstrellas[static_cast<size_t>(c)], con) << c;
        EXPECT_EQ(u.FilaComunidadNotas[static_cast<size_t>(c)], c == 1 ? 2 : c == 13 ? 5 : 0) << c;
    }
}

TEST(UniversitiesOfADegree, ADegreeTaughtNowhereOrUnknownGivesTheTwoTitleLines)
{
    Medicina n;
    for (int g : {n.nada, 0, -1, 351}) {
        const auto u = UniversidadesDeGrado(n.e, g, "T593");
        EXPECT_EQ(u.lineas.size(), 2u) << g;
        for (int c = 1; c <= kComunidades; ++c)
            EXPECT_FALSE(u.MarcasEstrellas[static_cast<size_t>(c)]);
    }
}

TEST(UniversitiesOfADegree, GridCellsSplitTheMarkOffEveryLineAfterTheTitles)
{
    Medicina n;
    const auto u = UniversidadesDeGrado(n.e, n.medicina, "T593");
    const auto celdas = CeldasDeNotas(u.lineas);
    ASSERT_EQ(celdas.size(), u.lineas.size());
    EXPECT_EQ(celdas[0].col0, u.lineas[0]);
    EXPECT_EQ(celdas[0].col1, "");
    EXPECT_EQ(celdas[1].col0, "");
    EXPECT_EQ(celdas[1].col1, "Not.");
    EXPECT_EQ(celdas[2].col0, "- " + LineaRellena("Comunidad 1", 49));
    EXPECT_EQ(celdas[2].col1, "     ");
    EXPECT_EQ(celdas[3].col0, "<" + LineaRellena("Universidad de Sevilla", 35));
    EXPECT_EQ(celdas[3].col1, " 13,1");
    EXPECT_EQ(celdas[7].col1, "   - ");
}

TEST(UniversitiesOfADegree, PrintModeLeavesTheLinesInListaAuxAndMarksTheSecondLineBold)
{
    Medicina n;
    n.e.NumLineasInforme = 0;
    const auto u = UniversidadesEnInforme(n.e, n.medicina, "T593");
    EXPECT_EQ(n.e.NumLineasInforme, 8);
    EXPECT_EQ(n.e.LineasNegrita[1], 2);
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(n.e.ListaAux[i], u.lineas[static_cast<size_t>(i - 1)]);

    n.e.NumLineasInforme = 0;
    UniversidadesEnInforme(n.e, n.nada, "T593");
    EXPECT_EQ(n.e.NumLineasInforme, 2);
}
