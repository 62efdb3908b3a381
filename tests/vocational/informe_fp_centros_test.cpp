// The centre-list printout: rows of a real search merged into report lines,
// one bold line per centre, and the copy into the shared buffers.
#include "enlace.h"
#include "informe_fp.h"
#include "informe_fp_centros.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

std::string Centro(char provincia, const std::string &nombre, const std::string &telefono)
{
    return std::string(1, provincia) + (nombre + std::string(44, ' ')).substr(0, 44) + telefono;
}

void Ofertar(TablaEnteros &t, int centro, std::initializer_list<int> titulos)
{
    t.Poner(centro, 0, static_cast<int>(titulos.size()));
    int j = 0;
    for (int x : titulos)
        t.Poner(centro, ++j, x);
}

struct ListaCentros : ::testing::Test {
    ListaCentros() : e(m)
    {
        e.Textos.Poner(289, "Oferta educativa");
        e.NombresFPSuperior.Poner(1, "Administraci\xF3n y Finanzas");
        e.NombresFPSuperior.Poner(2, std::string(60, 'T'));
        e.NombresFPMedio.Poner(1, "Gesti\xF3n Administrativa");
    }
    GrupoCentros Grupo() { return {&e.Centros1, e.NumCentros1, &e.OfertaGS[0], &e.OfertaGM[0], &e.OfertaFPB[0]}; }

    MensajesRegistrados m;
    Enlace e;
};

TEST_F(ListaCentros, MergedLinesAndOneBoldLinePerCentre)
{
    e.Centros1.Poner(1, Centro('6', "Huesca           IES Pirineos", "974000001"));
    e.Centros1.Poner(2, Centro('6', "Huesca           CIFP Pir\xE1mide", "974000002"));
    e.Centros1.Poner(3, Centro('6', "Jaca             IES Domingo Miral", "974000003"));
    e.NumCentros1 = 3;
    Ofertar(e.OfertaGS[0], 1, {1, 2});
    Ofertar(e.OfertaGM[0], 2, {1});
    Ofertar(e.OfertaGS[0], 3, {1});
    Ofertar(e.OfertaGM[0], 3, {1});
    // All levels: separators " -----" start with a blank and stay plain.
    const NombresTitulos t{&e.NombresFPSuperior, &e.NombresFPMedio, &e.NombresFPBasica, "FP B\xE1sica"};
    const FilasCentros f = FilasDeCentros(Grupo(), {1, 2, 3}, t, NivelFP::Superior, true, 0);

    const InformeFP r = InformeListaCentros(e.Textos, NivelSuperior(e), "Huesca", f.filas);
    EXPECT_EQ(r.titulo, "Oferta educativa: Huesca");
    const std::string cabecera1 = "-Huesca           IES Pirineos              ";   // "-" + 43 of the name
    ASSERT_EQ(cabecera1.size(), 44u);
    const std::vector<std::string> esperadas = {
        cabecera1 + "974000001",
        "GS Administraci\xF3n y Finanzas",
        "GS " + std::string(60, 'T'),   // a title's end is never cut
        " -----",
        " -----",
        "",
        "-Huesca           CIFP Pir\xE1mide             974000002",
        "GM Gesti\xF3n Administrativa",
        " -----",
        "",
        "-Jaca             IES Domingo Miral         974000003",
        "GS Administraci\xF3n y Finanzas",
        " -----",
        "GM Gesti\xF3n Administrativa",
        " -----",
        "",
    };
    EXPECT_EQ(r.lineas, esperadas);
    EXPECT_EQ(r.negritas, (std::vector<int>{1, 7, 11}));
}

// Rows at the exact column limits: a first field that ends in its last
// column gives up a blank of its padding, else goes on on the next line; a
// lone field has the whole line and goes on past it; nothing is ever cut.
TEST(LineasDosCampos, FieldsAtTheirLimitsNeverGlueNorLoseTheirEnd)
{
    const std::string tel = "954494771";
    const auto col = [](const std::string &s, size_t n) { return s + std::string(n - s.size(), ' '); };
    const std::string huesca = col("-Huesca", 18) + std::string(25, 'x');                // 43
    const std::string sevilla = "-" + col("Sevilla", 17) + "Escuela de Arte de Sevilla";  // 44
    struct Caso {
        std::string primero, segundo, separador;
        std::vector<std::string> lineas;
    };
    const std::vector<Caso> casos = {
        {huesca, tel, "", {huesca + " " + tel}},
        {sevilla, tel, "", {"-" + col("Sevilla", 16) + "Escuela de Arte de Sevilla " + tel}},
        {sevilla + "q", tel, "", {"-" + col("Sevilla", 15) + "Escuela de Arte de Sevillaq " + tel}},
        {std::string(40, 'a') + " bbb", tel, "", {std::string(40, 'a') + "    " + tel, "  bbb"}},
        {std::string(44, 'z'), tel, "", {std::string(43, 'z') + " " + tel, "  z"}},
        {sevilla, tel, "  ", {sevilla + "  " + tel}},
        {std::string(65, 'y'), "", "", {std::string(65, 'y')}},
        {std::string(61, 'y') + " yyyy", "", "", {std::string(61, 'y'), "  yyyy"}},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(LineasDosCampos(c.primero, 44, c.segundo, c.separador), c.lineas) << c.primero;
}

// A print-mode search longer than the buffers' first capacity (1500 lines,
// 200 bold entries): read from the buffers and copied back whole.
TEST_F(ListaCentros, LongListFromAndBackToTheGrowingBuffers)
{
    e.Textos.Poner(289, std::string(30, 'O'));
    for (int c = 1; c <= 600; ++c) {
        e.LineasInforme.Poner(3 * c - 2, "-Centro " + std::to_string(c));
        e.LineasInforme2.Poner(3 * c - 2, "900000000");
        e.LineasInforme.Poner(3 * c - 1, "Administraci\xF3n y Finanzas");
    }
    e.LineasInforme.Poner(1801, "-left from an earlier report");
    e.NumLineasInforme = 1800;
    const InformeFP r = InformeListaCentros(e.Textos, NivelSuperior(e), "Madrid", e);
    EXPECT_EQ(r.titulo, std::string(30, 'O') + ": Madrid");
    ASSERT_EQ(r.NumLineas(), 1800);
    ASSERT_EQ(r.negritas.size(), 600u);

    e.LineasNegrita[0] = 99;
    VolcarInforme(r, e);
    EXPECT_EQ(e.NumLineasInforme, 1800);
    EXPECT_EQ(e.LineasInforme[0], r.titulo);
    EXPECT_EQ(e.LineasInforme[1798], "-Centro 600" + std::string(33, ' ') + "900000000");
    EXPECT_EQ(e.LineasInforme[1799], "Administraci\xF3n y Finanzas");
    EXPECT_EQ(e.LineasNegrita[0], 600);
    EXPECT_EQ(e.LineasNegrita[1], 1);
    EXPECT_EQ(e.LineasNegrita[600], 1798);
}

} // namespace
