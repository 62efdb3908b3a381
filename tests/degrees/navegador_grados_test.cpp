// The browser's listings on a few degrees built in memory.
#include "navegador_grados.h"
#include "navegador_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace norvela;
using norvela::pruebas::GradoNavegable;
using norvela::pruebas::Navegable;

namespace {

std::vector<int> Grados(const std::vector<FilaNavegador> &filas)
{
    std::vector<int> g;
    for (const auto &f : filas)
        g.push_back(f.grado);
    return g;
}

std::vector<std::string> Textos(const std::vector<NodoArbol> &nodos)
{
    std::vector<std::string> t;
    for (const auto &n : nodos)
        t.push_back(std::string(n.nivel, '>') + n.texto);
    return t;
}

// Two groups (the second only with a science degree), a degree of no group.
struct Muestra : Navegable {
    Muestra()
    {
        salud = Grupo("Salud");
        fisica = Grupo("Física");
        vacio = Grupo("Sin grados");
        enfermeria = Grado({"Enfermería", 5, salud, 3});
        fisicaG = Grado({"Física", 2, fisica, 5});
        medicina = Grado({"Medicina", 5, salud, 3});
        quimica = Grado({"Química", 2, 0, 5});
        humanidades = Grado({"Humanidades", 1, salud, 1});
    }
    int salud, fisica, vacio, enfermeria, fisicaG, medicina, quimica, humanidades;
};

} // namespace

TEST(GridOfABranch, FlatBranchesListTheirDegreesInFileOrderWithTheirLinkMark)
{
    Muestra n;
    n.Ensenar(n.fisicaG, n.Universidad(1, "U1"), 80, n.Titulo("Física aplicada"));
    const auto filas = FilasRama(n.e, 2);
    EXPECT_EQ(Grados(filas), (std::vector<int>{n.fisicaG, n.quimica}));
    EXPECT_EQ(filas[0].texto, "Física");
    EXPECT_EQ(filas[0].marca, "+");
    EXPECT_EQ(filas[1].marca, "");
    for (const auto &f : filas)
        EXPECT_FALSE(f.cabecera);
    EXPECT_TRUE(FilasRama(n.e, 3).empty());
}

TEST(GridOfABranch, GroupedBranchesShowOnlyGroupsWithDegreesOfTheBranch)
{
    Muestra n;
    // Branch 5: the health group only; the science group has no health degree.
    const auto salud = FilasRama(n.e, 5);
    EXPECT_EQ(Grados(salud), (std::vector<int>{n.enfermeria, n.medicina}));   // flat branch
    const auto artes = FilasRama(n.e, 1);
    ASSERT_EQ(artes.size(), 2u);
    EXPECT_TRUE(artes[0].cabecera);
    EXPECT_EQ(artes[0].texto, "Salud");
    EXPECT_EQ(artes[0].grado, 0);
    EXPECT_EQ(artes[1].grado, n.humanidades);

    // All degrees: every group with degrees, in group order; the degree of no
    // group and the empty group are left out.
    const auto todas = FilasRama(n.e, kTodasLasRamas);
    EXPECT_EQ(Grados(todas), (std::vector<int>{0, n.enfermeria, n.medicina, n.humanidades, 0, n.fisicaG}));
    EXPECT_EQ(todas[4].texto, "Física");
}

TEST(Trees, ByGroupCountsChildrenAndKeepsUngroupedDegreesAtTheTop)
{
    Muestra n;
    const auto nodos = ArbolPorGrupos(n.e);
    EXPECT_EQ(Textos(nodos), (std::vector<std::string>{"Salud (3)", ">Enfermería", ">Medicina", ">Humanidades",
                                                       "Física (1)", ">Física", "Química"}));
    EXPECT_EQ(nodos[0].imagen, kImagenEncabezado);
    EXPECT_EQ(nodos[0].grado, 0);
    EXPECT_EQ(nodos[6].grado, n.quimica);
    EXPECT_EQ(nodos[6].imagen, kImagenGrado);
}

TEST(Trees, ByItineraryPutsTheTwelfthUnderTheEleventhAndRepeatsABothFieldsDegree)
{
    Navegable n;
    const int g = n.Grupo("G");
    const int a = n.Grado({"Doce", 1, g, 12});
    const int b = n.Grado({"Once y doce", 1, g, 11, 12});
    const int c = n.Grado({"Dos veces tres", 1, g, 3, 3});
    const auto nodos = ArbolPorItinerario(n.e);
    int encabezados = 0;
    for (const auto &nodo : nodos)
        encabezados += nodo.nivel == 0;
    EXPECT_EQ(encabezados, 11);
    std::vector<int> bajoOnce;
    std::vector<int> bajoTres;
    std::string actual;
    for (const auto &nodo : nodos) {
        if (nodo.nivel == 0)
            actual = nodo.texto;
        else if (actual == "Itinerario 11")
            bajoOnce.push_back(nodo.grado);
        else if (actual == "Itinerario 3")
            bajoTres.push_back(nodo.grado);
    }
    // Field 3 before field 4, each in degree order.
    EXPECT_EQ(bajoOnce, (std::vector<int>{b, a, b}));
    EXPECT_EQ(bajoTres, (std::vector<int>{c, c}));
}

TEST(Trees, ByActivitySkipsTwentyThreeAndTwentyFourAndMatchesEitherCode)
{
    Navegable n;
    const int g = n.Grupo("G");
    for (int a = 1; a <= 24; ++a)
        n.Actividad("AC" + std::string(a < 10 ? "0" : "") + std::to_string(a), "Actividad " + std::to_string(a));
    const int medico = n.Profesion("AC01", "AC02", "Médico");
    const int enfermero = n.Profesion("AC02", "", "Enfermero");
    const int oculta = n.Profesion("AC23", "", "Oculta");
    const int m = n.Grado({"Medicina", 5, g, 1, 0, {medico, enfermero}});
    const int x = n.Grado({"Solo oculta", 5, g, 1, 0, {oculta}});
    const auto nodos = ArbolPorActividad(n.e);
    std::map<std::string, std::vector<int>> hijos;
    std::string actual;
    for (const auto &nodo : nodos) {
        if (nodo.nivel == 0)
            actual = nodo.texto;
        else
            hijos[actual].push_back(nodo.grado);
    }
    EXPECT_EQ(hijos["Actividad 1"], std::vector<int>{m});
    // Marked by two professions of the activity, listed once.
    EXPECT_EQ(hijos["Actividad 2"], std::vector<int>{m});
    EXPECT_EQ(std::count_if(nodos.begin(), nodos.end(), [](const NodoArbol &k) { return k.nivel == 0; }), 22);
    for (const auto &nodo : nodos)
        EXPECT_NE(nodo.grado, x);
}

TEST(Trees, AlphabeticalFollowsTheFileUnlessTheOrderIsOn)
{
    Muestra n;
    EXPECT_EQ(Textos(ArbolAlfabetico(n.e)),
              (std::vector<std::string>{"Enfermería", "Física", "Medicina", "Química", "Humanidades"}));
    n.e.OrdenAlfabetico = true;
    const auto nodos = ArbolAlfabetico(n.e);
    EXPECT_EQ(Textos(nodos), (std::vector<std::string>{"Enfermería", "Física", "Humanidades", "Medicina", "Química"}));
    EXPECT_EQ(nodos[2].grado, n.humanidades);
}

TEST(OrdenarNombres, ComparesTenCharactersByCodeAndKeepsTiesInOrder)
{
    // "Ingeniería" is exactly 10 characters: the two engineering degrees tie
    // and keep their order; accented initials sort after the plain letters.
    std::vector<std::string> nombres{"Ingeniería Química", "Zoología", "\xC1lgebra", "Ingeniería Civil", "Arte"};
    std::vector<int> indice;
    OrdenarNombres(nombres, indice);
    EXPECT_EQ(nombres, (std::vector<std::string>{"Arte", "Ingeniería Química", "Ingeniería Civil", "Zoología",
                                                 "\xC1lgebra"}));
    EXPECT_EQ(indice, (std::vector<int>{5, 1, 4, 2, 3}));
    // A shorter name is smaller on a common prefix.
    std::vector<std::string> cortos{"Derecho y ADE", "Derecho"};
    OrdenarNombres(cortos, indice);
    EXPECT_EQ(cortos[0], "Derecho");
}

TEST(LinkHint, ListsEveryLinkedTitleOnceAndNothingForOtherRows)
{
    Muestra n;
    const int u = n.Universidad(1, "U1");
    const int v = n.Universidad(2, "U2");
    const int t1 = n.Titulo("Física y Matemáticas");
    const int t2 = n.Titulo("Física (inglés)");
    n.Ensenar(n.fisicaG, u, 90, t1);
    n.Ensenar(n.fisicaG, v, 95, t2);
    n.Ensenar(n.medicina, v, 125, t1);
    n.Ensenar(n.medicina, u, 130, t1);
    EXPECT_EQ(TextoEnlaces(n.e, n.fisicaG, "T538"), "    T538\n-Física y Matemáticas\n-Física (inglés)\n");
    EXPECT_EQ(TextoEnlaces(n.e, n.medicina, "T538"), "    T538\n-Física y Matemáticas\n");
    EXPECT_EQ(TextoEnlaces(n.e, n.enfermeria, "T538"), "");
    EXPECT_EQ(TextoEnlaces(n.e, 0, "T538"), "");
    EXPECT_EQ(TextoEnlaces(n.e, 99, "T538"), "");
}

TEST(Edges, TheLastDegreeAndProfessionOfTheFileAreListedToo)
{
    Navegable n;
    const int g = n.Grupo("G");
    n.Actividad("AC01", "Actividad 1");
    n.Grado({"Primero", 2, g, 1, 0, {}});
    const int ultima = n.Profesion("AC01", "", "Ultima");
    const int ultimo = n.Grado({"Ultimo", 2, g, 1, 0, {ultima}});
    EXPECT_EQ(Grados(FilasRama(n.e, 2)).back(), ultimo);   // a flat branch
    const auto nodos = ArbolPorActividad(n.e);
    ASSERT_EQ(nodos.size(), 2u);
    EXPECT_EQ(nodos.back().grado, ultimo);
}
