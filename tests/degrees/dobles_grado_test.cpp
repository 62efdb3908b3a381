// The double-degree lists: the menu by branch, one degree's double degrees
// by university (all, or those of one community) and the grids built from them.
#include "dobles_grado.h"
#include "grados_prueba.h"

#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::GradosPrueba;

namespace {

// Derecho (3) pairs with ADE, Ciencias Políticas and a long-named degree
// at one university of community 13; Física and Matemáticas (2) pair at a
// university of community 9, which also pairs Derecho with ADE.
struct Dobles : ::testing::Test {
    Dobles()
    {
        derecho = g.Grado({"Derecho", 3});
        ade = g.Grado({"Administraci\xF3n y Direcci\xF3n de Empresas", 3});
        politicas = g.Grado({"Ciencias Pol\xEDticas y de la Administraci\xF3n P\xFA" "blica", 3});
        largo = g.Grado({"Un grado de nombre tan largo que no cabe en cuarenta y cinco", 3});
        fisica = g.Grado({"F\xEDsica", 2});
        matematicas = g.Grado({"Matem\xE1ticas", 2});
        historia = g.Grado({"Historia", 1});
        madrid = g.Doble({13, "Universidad Complutense de Madrid", {{derecho, ade, "Mad "}, {politicas, derecho, ""},
                                                                     {derecho, largo, "Bil "}}});
        barcelona = g.Doble({9, "Universitat de Barcelona", {{fisica, matematicas, ""}, {ade, derecho, "Eng "}}});
    }
    GradosPrueba g;
    int derecho, ade, politicas, largo, fisica, matematicas, historia, madrid, barcelona;
};

} // namespace

TEST_F(Dobles, MenuListsParticipatingDegreesUnderEveryBranchHeading)
{
    // A pair with an unknown degree code (row 0) takes no part in the list.
    g.Doble({1, "Universidad de Sevilla", {{0, historia, ""}}});
    const auto filas = ListaMenuDobles(g.e);
    std::vector<std::pair<std::string, int>> vistas;
    for (const auto &f : filas) {
        EXPECT_EQ(f.encabezado, f.grado == 0);
        vistas.emplace_back(f.encabezado ? f.texto : std::string(), f.grado);
    }
    const std::vector<std::pair<std::string, int>> esperadas = {
        {"- Artes y Humanidades", 0},
        {"- Ciencias", 0}, {"", fisica}, {"", matematicas},
        {"- Ciencias Sociales y Jur\xED" "dicas", 0}, {"", derecho}, {"", ade}, {"", politicas}, {"", largo},
        {"- Ingenier\xED" "a y Arquitectura", 0},
        {"- Ciencias de la Salud", 0}};
    EXPECT_EQ(vistas, esperadas);
    // Degree rows keep the name as stored.
    EXPECT_EQ(filas[2].texto, g.e.NombresGrado[fisica]);
}

TEST_F(Dobles, OneDegreeGetsAHeadingPerUniversityAndItsPartnersInEntryOrder)
{
    const auto lineas = LineasDobles(g.e, derecho);
    const std::string madridTitulo = "- Universidad Complutense de Madrid";
    ASSERT_EQ(lineas.size(), 6u);
    EXPECT_TRUE(lineas[0].encabezado);
    EXPECT_EQ(lineas[0].texto.substr(0, madridTitulo.size()), madridTitulo);
    EXPECT_EQ(lineas[1].pareja, ade);
    EXPECT_EQ(lineas[2].pareja, politicas);   // Derecho is the second degree of that entry
    EXPECT_EQ(lineas[3].pareja, largo);
    EXPECT_TRUE(lineas[4].encabezado);
    EXPECT_EQ(lineas[5].pareja, ade);
    EXPECT_EQ(lineas[5].grupo, barcelona);

    // The tag starts at character 48 whatever the partner's name: short
    // names are padded, long ones cut.
    EXPECT_EQ(lineas[1].texto, "+ " + std::string("Administraci\xF3n y Direcci\xF3n de Empresas") +
                                   std::string(45 - 38, ' ') + "Mad ");
    EXPECT_EQ(lineas[3].texto, "+ " + g.e.NombresGrado[largo].substr(0, 45) + "Bil ");
    for (const auto &l : lineas) {
        if (!l.encabezado) {
            EXPECT_EQ(l.texto.size(), 51u) << l.texto;
        }
    }

    EXPECT_TRUE(LineasDobles(g.e, historia).empty());
    EXPECT_TRUE(LineasDobles(g.e, 0).empty());
    EXPECT_TRUE(LineasDobles(g.e, g.e.NumGrados + 1).empty());
}

TEST_F(Dobles, AnEntryPairingADegreeWithItselfIsListedTwiceAndUnknownPartnersAreLeftOut)
{
    const int grupo = g.Doble({4, "Universitat de les Illes Balears", {{historia, historia, "A   "}, {historia, 0, ""}}});
    const auto lineas = LineasDobles(g.e, historia);
    ASSERT_EQ(lineas.size(), 3u);
    EXPECT_EQ(lineas[0].grupo, grupo);
    EXPECT_EQ(lineas[1].pareja, historia);
    EXPECT_EQ(lineas[2].pareja, historia);
}

TEST_F(Dobles, MarksTheCommunitiesOfTheDegreesUniversities)
{
    g.e.MarcasEstrellas[5] = 1;   // left over from an earlier listing
    EXPECT_TRUE(MarcarComunidadesDobles(g.e, derecho, g.e.MarcasEstrellas));
    for (int c = 1; c <= kNumComunidades; ++c)
        EXPECT_EQ(g.e.MarcasEstrellas[c], (c == 9 || c == 13) ? 1 : 0) << c;
    EXPECT_TRUE(MarcarComunidadesDobles(g.e, fisica, g.e.MarcasEstrellas));
    EXPECT_EQ(g.e.MarcasEstrellas[13], 0);
    EXPECT_EQ(g.e.MarcasEstrellas[9], 1);
    EXPECT_FALSE(MarcarComunidadesDobles(g.e, historia, g.e.MarcasEstrellas));
    for (int c = 1; c <= kNumComunidades; ++c)
        EXPECT_EQ(g.e.MarcasEstrellas[c], 0) << c;
}

TEST_F(Dobles, DegreeGridSplitsTheTagIntoItsOwnColumn)
{
    const auto filas = RejillaDoblesGrado(g.e, derecho, g.e.Textos[242], g.e.Textos[393], g.e.Textos[593]);
    ASSERT_EQ(filas.size(), 3u + 6u);
    EXPECT_EQ(filas[0].col0, "- " + g.e.NombresGrado[derecho]);
    EXPECT_EQ(filas[1].col0, "     T593...");
    EXPECT_EQ(filas[2].col0, "");
    EXPECT_EQ(filas[4].col0, "+ Administraci\xF3n y Direcci\xF3n de Empresas" + std::string(7, ' '));
    EXPECT_EQ(filas[4].col0.size(), 47u);
    EXPECT_EQ(filas[4].col1, " Mad ");
    EXPECT_EQ(filas[3].col1, " ");   // a heading has no tag
    for (size_t i = 3; i < filas.size(); ++i)
        EXPECT_LE(filas[i].col0.size(), 47u);
}

TEST_F(Dobles, DegreeWithoutDoubleDegreesGetsTheFourRowNotice)
{
    const auto filas = RejillaDoblesGrado(g.e, historia, "Dobles grados", g.e.Textos[393], g.e.Textos[593]);
    ASSERT_EQ(filas.size(), 4u);
    EXPECT_EQ(filas[0].col0, "     Dobles grados de...");
    EXPECT_EQ(filas[1].col0, "- " + g.e.NombresGrado[historia]);
    EXPECT_EQ(filas[2].col0, "");
    EXPECT_EQ(filas[3].col0, "     T393");
    for (const auto &f : filas)
        EXPECT_EQ(f.col1, "");
    // Text 242 at its longest still leaves room for " de...".
    const auto largo = RejillaDoblesGrado(g.e, historia, std::string(25, 'x'), "", "");
    EXPECT_EQ(largo[0].col0, "     " + std::string(25, 'x') + " de...");
    EXPECT_TRUE(RejillaDoblesGrado(g.e, 0, "", "", "").empty());
}

TEST_F(Dobles, CommunityGridHasThreeHeadingRowsThenTheLines)
{
    const auto filas = RejillaDoblesComunidad(g.e, derecho, 13, "T242", "T593");
    ASSERT_EQ(filas.size(), 3u + 4u);
    EXPECT_EQ(filas[0].col0, "     T242 de...");
    EXPECT_EQ(filas[1].col0, "- " + g.e.NombresGrado[derecho]);
    EXPECT_EQ(filas[2].col0, "     T593...");
    EXPECT_EQ(filas[6].col1, " Bil ");
    EXPECT_EQ(RejillaDoblesComunidad(g.e, derecho, 1, "T242", "T593").size(), 3u);
    EXPECT_TRUE(RejillaDoblesComunidad(g.e, derecho, 20, "T242", "T593").empty());
}
