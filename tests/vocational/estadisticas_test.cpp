// The family statistics without a screen: what is read from "fp",
// "familias" and "fami_estad.txt", the centre counts, and the charts'
// geometry (bars, boxes, scroll range, drawn rows, growth).
#include "ansi.h"
#include "errores.h"
#include "estadisticas_familia.h"
#include "estadisticas_grafico.h"
#include "lectura.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

const QString kFichero = QStringLiteral("fp");

std::vector<std::string> Lineas(int n, const std::string &prefijo)
{
    std::vector<std::string> l;
    for (int i = 1; i <= n; ++i)
        l.push_back(prefijo + std::to_string(i));
    return l;
}

// 26 families named "<code>Familia f", and a statistics file of `lineas`.
struct Familias {
    explicit Familias(std::vector<std::string> lineas)
    {
        std::vector<std::string> nombres;
        for (int f = 1; f <= kFamiliasEstadistica; ++f)
            nombres.push_back("XFamilia " + std::to_string(f));
        nombres.push_back("");
        nombres.push_back("010319Grupo");
        estFamilias = LeerListaEstadistica(nombres, "familias");
        datos = DatosDeFamilias(LeerListaEstadistica(lineas, "fami_estad.txt"));
    }
    GraficoEstadistico Grafico(TipoGrafico tipo, int familia) const
    {
        return GraficoEstadistico::Familias(tipo, estFamilias, datos, familia, 60);
    }
    std::vector<std::string> estFamilias;
    std::array<DatoFamilia, kFamiliasEstadistica + 1> datos;
};

std::vector<std::string> FicheroCompleto()
{
    std::vector<std::string> l(kFamiliasEstadistica, "03.0004.00");
    l[1] = "11.4913.02";
    return l;
}

} // namespace

TEST(EstadisticasLectura, TitleLinesStopAtTheSportsSectionAndNumberTheirFamilies)
{
    const std::vector<std::string> fp = {"-Agraria   ",      "  Paisajismo  ", "-Sanidad",    "Dietética",
                                         "-|Joyería de Arte", "Orfebrería",     "-!Deportes",  "Fútbol"};
    const ListaEstFP l = LeerFPEstadistica(fp, kFichero);
    ASSERT_EQ(l.NumEstFP, 6);
    EXPECT_EQ(l.EstFP[1], "-Agraria");
    EXPECT_EQ(l.EstFP[2], "Paisajismo");
    EXPECT_EQ(l.EstFP[5], "-Joyería de Arte");
    EXPECT_EQ(l.FamiliaDeLinea[1], 1);
    EXPECT_EQ(l.FamiliaDeLinea[2], 1);
    EXPECT_EQ(l.FamiliaDeLinea[4], 2);
    EXPECT_EQ(l.FamiliaDeLinea[6], 3);
    EXPECT_FALSE(l.Contiene(7));
    EXPECT_FALSE(l.Contiene(0));

    // Without the sports section the last title still counts; an empty line stops.
    EXPECT_EQ(LeerFPEstadistica({"-A", "t1", "t2"}, kFichero).NumEstFP, 3);
    EXPECT_EQ(LeerFPEstadistica({"-A", "t1", "   ", "t2"}, kFichero).NumEstFP, 2);
    EXPECT_EQ(LeerFPEstadistica({}, kFichero).NumEstFP, 0);
}

TEST(EstadisticasLectura, MoreLinesThanTheTablesHoldIsAnErrorWithItsLine)
{
    EXPECT_EQ(LeerFPEstadistica(Lineas(200, "t"), kFichero).NumEstFP, 200);
    EXPECT_EQ(LeerListaEstadistica(Lineas(200, "f"), kFichero).size(), 201u);
    for (int caso = 0; caso < 2; ++caso) {
        try {
            if (caso == 0)
                LeerFPEstadistica(Lineas(201, "t"), kFichero);
            else
                LeerListaEstadistica(Lineas(201, "f"), kFichero);
            ADD_FAILURE() << "no error for 201 lines, case " << caso;
        } catch (const ErrorRango &e) {
            EXPECT_EQ(e.Linea(), 201);
            EXPECT_EQ(e.Fichero(), kFichero);
        }
    }
    // A stop before the 201st line is no error.
    auto l = Lineas(200, "t");
    l.push_back("-!Deportes");
    l.push_back("más");
    EXPECT_EQ(LeerFPEstadistica(l, kFichero).NumEstFP, 200);
}

TEST(EstadisticasLectura, PercentagesAreReadExactlyAndBadTextsAreNoNumber)
{
    EXPECT_EQ(Centesimas("04.13"), 413);
    EXPECT_EQ(Centesimas("4,5"), 450);
    EXPECT_EQ(Centesimas(" 12 "), 1200);
    EXPECT_EQ(Centesimas("0.005"), 1);
    EXPECT_EQ(Centesimas(".5"), 50);
    for (const char *malo : {"", "   ", "1x.50", "1.2.3", "-1.00", "+2", ".", "12%"})
        EXPECT_FALSE(Centesimas(malo).has_value()) << malo;

    EXPECT_EQ(Decimas(413), 41);
    EXPECT_EQ(Decimas(415), 42);
    EXPECT_EQ(Decimas(1517), 152);
    EXPECT_EQ(TextoUnDecimal(28), "2.8");
    EXPECT_EQ(TextoUnDecimal(130), "13.0");
    EXPECT_EQ(TextoUnDecimal(5), "0.5");
}

TEST(EstadisticasLectura, FamiliesBeyondTheFileHaveNoLineAndBadFieldsNoValue)
{
    const auto datos = DatosDeFamilias(LeerListaEstadistica(
        {"04.1302.84", "  11.4913.02  ", "1x.5003.12", "00.72", "05.75ab.cd"}, "fami_estad.txt"));
    EXPECT_TRUE(datos[1].conLinea);
    EXPECT_EQ(datos[1].estudios, 413);
    EXPECT_EQ(datos[1].empleo, 284);
    EXPECT_EQ(datos[2].textoEstudios, "11.49");   // the line is trimmed before its columns are taken
    EXPECT_EQ(datos[2].empleo, 1302);
    EXPECT_FALSE(datos[3].estudios.has_value());
    EXPECT_EQ(datos[3].empleo, 312);
    EXPECT_EQ(datos[4].estudios, 72);
    EXPECT_FALSE(datos[4].empleo.has_value());   // a short line: its jobs field is empty
    EXPECT_FALSE(datos[5].empleo.has_value());
    for (int f = 6; f <= kFamiliasEstadistica; ++f)
        EXPECT_FALSE(datos[static_cast<size_t>(f)].conLinea) << f;
}

TEST(EstadisticasLectura, CentresPerTitleCountEveryValidEntryOfTheOfferRows)
{
    std::array<TablaEnteros, 4> ofertas{TablaEnteros(1, 1100, 0, 25), TablaEnteros(1, 1100, 0, 25),
                                        TablaEnteros(1, 1100, 0, 25), TablaEnteros(1, 1100, 0, 25)};
    auto fila = [&](int b, int r, std::vector<int> titulos, int cuenta = -2) {
        ofertas[static_cast<size_t>(b)].Poner(r, 0, cuenta == -2 ? static_cast<int>(titulos.size()) : cuenta);
        for (size_t j = 0; j < titulos.size(); ++j)
            ofertas[static_cast<size_t>(b)].Poner(r, static_cast<int>(j) + 1, titulos[j]);
    };
    fila(0, 1, {2, 3, 2});          // a centre listing title 2 twice
    fila(1, 1, {3});
    fila(1, 2, {2});                // beyond NumCentros2: not read
    fila(2, 1, {3, 4}, 1);          // its count says one title: the 4 is stale
    fila(3, 1, {9, 0, -1, 3});      // 9 is beyond the list
    fila(3, 2, {2}, -1);            // a row to leave
    const auto c = CentrosPorTitulo(ofertas, {1, 1, 1, 2}, 5);
    ASSERT_EQ(c.size(), 6u);
    EXPECT_EQ(c[2], 2);
    EXPECT_EQ(c[3], 4);
    EXPECT_EQ(c[4], 0);
    EXPECT_EQ(c[1] + c[5], 0);
}

TEST(EstadisticasGrafico, BarsBoxesAndTextsOfTheThreeCharts)
{
    const ListaEstFP lista = LeerFPEstadistica({"-Agraria", "Paisajismo", "Ganadería"}, kFichero);
    const auto g1 = GraficoEstadistico::Titulos(lista, {0, 0, 100, 0}, 2);
    EXPECT_EQ(g1.X0(), 450);
    EXPECT_EQ(g1.BarraDe(2).fin, 450 + 41);   // (100 + 40) / 3.4 = 41.2
    EXPECT_EQ(g1.BarraDe(2).texto, "100");
    EXPECT_EQ(g1.BarraDe(3).fin, 450 + 12);   // 40 / 3.4 = 11.8
    EXPECT_EQ(g1.BarraDe(3).texto, "----");
    const auto filas = g1.Filas();
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_TRUE(filas[0].encabezado);
    EXPECT_EQ(filas[0].icono, IconoDeFamilia(1));
    EXPECT_EQ(filas[1].icono, -1);            // titles have no icon in chart 1
    EXPECT_EQ(filas[2].y, 90);

    const Familias f(FicheroCompleto());
    const auto g3 = f.Grafico(TipoGrafico::Familias, 2);
    EXPECT_EQ(g3.X0(), 350);
    EXPECT_EQ(g3.BarraDe(2).fin, 350 + 115 + 11);
    EXPECT_EQ(g3.BarraDe(2).texto, "11.49%");
    EXPECT_EQ(g3.NombreDe(2), "Familia 2");
    EXPECT_EQ(g3.Filas()[0].icono, 31);

    const auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 2);
    EXPECT_EQ(g4.X0(), 400);
    EXPECT_EQ(g4.BarraDe(2).fin, 400 + 115 + 11);
    EXPECT_EQ(g4.Barra2De(2).fin, 400 + 130 + 11);
    EXPECT_EQ(g4.Barra2De(2).texto, "13.0%");
    EXPECT_EQ(g4.Filas()[0].y, 30);
    EXPECT_EQ(g4.Filas()[1].y, 80);

    EXPECT_EQ(IconoDeFamilia(26), 42);
    EXPECT_EQ(IconoDeFamilia(0), -1);
    EXPECT_EQ(IconoDeFamilia(27), -1);
}

TEST(EstadisticasGrafico, TheSelectedRowIsCentredAndTheScrollRangeClamps)
{
    const ListaEstFP lista = LeerFPEstadistica(Lineas(127, "t"), kFichero);
    const std::vector<int> centros;
    auto pos = [&](int sel) { return GraficoEstadistico::Titulos(lista, centros, sel).Posicion(); };
    EXPECT_EQ(GraficoEstadistico::Titulos(lista, centros, 1).Maximo(), 113);
    EXPECT_EQ(pos(60), 52);
    EXPECT_EQ(pos(3), 1);      // would be -5
    EXPECT_EQ(pos(127), 113);  // would be 119
    EXPECT_EQ(pos(200), 1);    // no selection

    auto g = GraficoEstadistico::Titulos(lista, centros, 127);
    const auto filas = g.Filas();
    ASSERT_EQ(filas.size(), 15u);   // R + 1 rows
    EXPECT_EQ(filas.front().fila, 113);
    EXPECT_EQ(filas.back().fila, 127);
    EXPECT_TRUE(filas.back().seleccionada);
    g.Rueda(120 * 3);
    EXPECT_EQ(g.Posicion(), 110);
    g.Rueda(-120 * 50);
    EXPECT_EQ(g.Posicion(), 113);
    g.Desplazar(-4);
    EXPECT_EQ(g.Posicion(), 1);

    const Familias f(FicheroCompleto());
    auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 26);
    EXPECT_EQ(g4.Maximo(), 17);
    EXPECT_EQ(g4.Posicion(), 17);
    // From row 17 only the ten rows that exist are drawn, and of those the
    // first nine fit a chart 462 pixels high.
    EXPECT_EQ(g4.Filas().size(), 10u);
    EXPECT_EQ(g4.Filas().back().fila, 26);
    EXPECT_EQ(g4.FilasVisibles(462).size(), 9u);
    EXPECT_EQ(f.Grafico(TipoGrafico::EstudiosEmpleo, 2).Posicion(), 1);
    EXPECT_EQ(f.Grafico(TipoGrafico::Familias, 26).Maximo(), 12);
    EXPECT_EQ(f.Grafico(TipoGrafico::Familias, 26).FilasVisibles(480).size(), 15u);
}

TEST(EstadisticasGrafico, TheSelectedBarGrowsInTenthsOvershootsAtMostTwentyAndSettles)
{
    const ListaEstFP lista = LeerFPEstadistica({"-A", "largo", "corto"}, kFichero);
    // Title 2: 1000 centres, a bar of (1040 / 3.4 = 306) - 10 = 296 pixels, steps of 29.
    auto g = GraficoEstadistico::Titulos(lista, {0, 0, 1000, 0}, 2);
    g.EmpezarCrecimiento();
    ASSERT_TRUE(g.Creciendo());
    EXPECT_EQ(g.Filas()[1].finDibujado, 460);
    int tics = 0;
    std::vector<int> fines;
    while (g.Crecer() && tics < 100) {
        ++tics;
        fines.push_back(g.Filas()[1].finDibujado);
    }
    EXPECT_EQ(tics, 10);
    EXPECT_EQ(fines.front(), 460 + 29);
    EXPECT_EQ(fines.back(), 460 + 290);
    EXPECT_FALSE(g.Creciendo());
    EXPECT_EQ(g.Filas()[1].finDibujado, g.BarraDe(2).fin);
    EXPECT_EQ(g.Filas()[0].finDibujado, g.BarraDe(1).fin);   // other rows are drawn whole

    // A bar shorter than 30 pixels grows 3 a tick and may pass its end by up to 20.
    auto corto = GraficoEstadistico::Titulos(lista, {0, 0, 0, 1}, 3);
    corto.EmpezarCrecimiento();
    int maximo = 0;
    tics = 0;
    while (corto.Crecer() && tics < 100) {
        ++tics;
        maximo = std::max(maximo, corto.Filas()[2].finDibujado);
    }
    EXPECT_EQ(tics, 7);
    EXPECT_LE(maximo, corto.BarraDe(3).fin + 20);
    EXPECT_GT(maximo, corto.BarraDe(3).fin);
    EXPECT_EQ(corto.Filas()[2].finDibujado, corto.BarraDe(3).fin);

    // Chart 4 grows the jobs bar, and it stops too.
    const Familias f(FicheroCompleto());
    auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 2);
    g4.EmpezarCrecimiento();
    tics = 0;
    while (g4.Crecer() && tics < 100)
        ++tics;
    EXPECT_LT(tics, 100);
    EXPECT_EQ(g4.Filas()[1].finDibujado, g4.Barra2De(2).fin);
}

TEST(EstadisticasGrafico, RowsWithoutDataShowNoValueAndSelectNothingToGrow)
{
    // Family 3's studies field is bad, family 4 has no jobs field, 25 and 26 no line.
    std::vector<std::string> lineas = FicheroCompleto();
    lineas[2] = "1x.5003.12";
    lineas[3] = "00.72";
    lineas.resize(24);
    const Familias f(lineas);

    auto g3 = f.Grafico(TipoGrafico::Familias, 3);
    EXPECT_TRUE(g3.SeleccionSinDatos());
    EXPECT_EQ(g3.BarraDe(3).fin, 350 + 11);   // a bad field is 0
    EXPECT_EQ(g3.BarraDe(3).texto, "----");
    g3.EmpezarCrecimiento();
    EXPECT_FALSE(g3.Creciendo());
    EXPECT_TRUE(f.Grafico(TipoGrafico::Familias, 25).SeleccionSinDatos());
    EXPECT_EQ(f.Grafico(TipoGrafico::Familias, 26).BarraDe(26).texto, "----");
    EXPECT_EQ(f.Grafico(TipoGrafico::Familias, 26).NombreDe(26), "Familia 26");
    EXPECT_FALSE(f.Grafico(TipoGrafico::Familias, 24).SeleccionSinDatos());

    auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 4);
    EXPECT_FALSE(g4.SeleccionSinDatos());          // its studies are there
    EXPECT_EQ(g4.Barra2De(4).texto, "----");
    g4.EmpezarCrecimiento();
    EXPECT_FALSE(g4.Creciendo());                  // no jobs bar to grow

    for (int fuera : {0, -3, 27, 200}) {
        auto g = f.Grafico(TipoGrafico::Familias, fuera);
        EXPECT_EQ(g.Seleccion(), 0) << fuera;
        EXPECT_TRUE(g.SeleccionSinDatos()) << fuera;
        EXPECT_EQ(g.Posicion(), 1) << fuera;
        g.EmpezarCrecimiento();
        EXPECT_FALSE(g.Creciendo()) << fuera;
        for (const FilaDibujada &d : g.Filas())
            EXPECT_FALSE(d.seleccionada);
    }
    const ListaEstFP lista = LeerFPEstadistica({"-A", "t"}, kFichero);
    EXPECT_EQ(GraficoEstadistico::Titulos(lista, {}, 3).Seleccion(), 0);
    EXPECT_EQ(GraficoEstadistico::Titulos(lista, {}, 0).Seleccion(), 0);
    EXPECT_EQ(GraficoEstadistico::Titulos(lista, {}, 2).BarraDe(2).texto, "----");   // no counts given
}

TEST(EstadisticasEntregadas, TheShippedFilesGiveTheTitlesUpToSportsAndTwentyFourFamilies)
{
    const QString datos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
    for (const char *idioma : {"cas/", "catVal/", "galego/", "euskera/"}) {
        const auto fp = LeerLineas(datos + idioma + "fp");
        ASSERT_TRUE(fp.has_value()) << idioma;
        const ListaEstFP l = LeerFPEstadistica(*fp, "fp");
        int sinSeccion = 0;
        while (sinSeccion < static_cast<int>(fp->size()) && (*fp)[static_cast<size_t>(sinSeccion)].rfind("-!", 0) != 0)
            ++sinSeccion;
        EXPECT_EQ(l.NumEstFP, sinSeccion) << idioma;
        int familias = 0;
        for (int t = 1; t <= l.NumEstFP; ++t) {
            EXPECT_EQ(l.EstFP[static_cast<size_t>(t)].find('|'), std::string::npos) << idioma << t;
            if (l.EstFP[static_cast<size_t>(t)][0] == '-') {
                EXPECT_EQ(l.FamiliaDeLinea[static_cast<size_t>(t)], ++familias) << idioma << t;
            }
        }
        const auto nombres = LeerListaEstadistica(*LeerLineas(datos + idioma + "familias"), "familias");
        EXPECT_EQ(nombres.size(), static_cast<size_t>(kFamiliasEstadistica) + 1) << idioma;
    }
    const auto estad = LeerLineas(datos + "fami_estad.txt");
    ASSERT_TRUE(estad.has_value());
    const auto d = DatosDeFamilias(LeerListaEstadistica(*estad, "fami_estad.txt"));
    // Families 1..24 have both shares, each kind adding up to 100 %.
    int estudios = 0, empleo = 0;
    for (int f = 1; f <= 24; ++f) {
        const DatoFamilia &x = d[static_cast<size_t>(f)];
        ASSERT_TRUE(x.estudios && x.empleo) << f;
        EXPECT_NE((*estad)[static_cast<size_t>(f - 1)][0], ' ') << "fami_estad.txt line " << f << " starts with a blank";
        estudios += *x.estudios;
        empleo += *x.empleo;
    }
    EXPECT_NEAR(estudios, 10000, 50);
    EXPECT_NEAR(empleo, 10000, 50);
    EXPECT_FALSE(d[25].conLinea);   // two families without statistics show "no data"
    EXPECT_FALSE(d[26].conLinea);
}
