// The family statistics without a screen: what is read from "fp",
// "familias" and "fami_estad.txt", the centre counts, and the charts'
// geometry (bars, boxes, scroll range, drawn rows, growth).
#include "ansi.h"
#include "errores.h"
#include "estadisticas_familia.h"
#include "estadisticas_grafico.h"
#include "lectura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

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

// Grows a started bar to its end (at most 100 ticks): the drawn end of row k after each tick.
std::vector<int> Crecimiento(GraficoEstadistico &g, size_t k)
{
    std::vector<int> fines;
    while (fines.size() < 100 && g.Crecer())
        fines.push_back(g.Filas()[k].finDibujado);
    return fines;
}

} // namespace

TEST(EstadisticasLectura, TitleLinesStopAtTheSportsSectionAndNumberTheirFamilies)
{
    const std::vector<std::string> fp = {"-Agraria   ",      "  Paisajismo  ", "-Sanidad",    "Dietética",
                                         "-|Joyería de Arte", "Orfebrería",     "-!Deportes",  "Fútbol"};
    const ListaEstFP l = LeerFPEstadistica(fp, kFichero);
    EXPECT_EQ(l.NumEstFP, 6);
    EXPECT_EQ(l.EstFP, (std::vector<std::string>{"", "-Agraria", "Paisajismo", "-Sanidad", "Dietética",
                                                 "-Joyería de Arte", "Orfebrería"}));
    EXPECT_EQ(l.FamiliaDeLinea, (std::vector<int>{0, 1, 1, 2, 2, 3, 3}));
    EXPECT_FALSE(l.Contiene(7) || l.Contiene(0));

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
    for (const auto &[texto, centesimas] : {std::pair{"04.13", 413}, {"4,5", 450}, {" 12 ", 1200}, {"0.005", 1}, {".5", 50}})
        EXPECT_EQ(Centesimas(texto), centesimas) << texto;
    for (const char *malo : {"", "   ", "1x.50", "1.2.3", "-1.00", "+2", ".", "12%"})
        EXPECT_FALSE(Centesimas(malo).has_value()) << malo;
    for (const auto &[centesimas, decimas] : {std::pair{413, 41}, {415, 42}, {1517, 152}})
        EXPECT_EQ(Decimas(centesimas), decimas) << centesimas;
    for (const auto &[decimas, texto] : {std::pair{28, "2.8"}, {130, "13.0"}, {5, "0.5"}})
        EXPECT_EQ(TextoUnDecimal(decimas), texto) << decimas;
}

TEST(EstadisticasLectura, FamiliesBeyondTheFileHaveNoLineAndBadFieldsNoValue)
{
    const auto datos = DatosDeFamilias(LeerListaEstadistica(
        {"04.1302.84", "  11.4913.02  ", "1x.5003.12", "00.72", "05.75ab.cd"}, "fami_estad.txt"));
    // The line is trimmed before its columns are taken; a short line has an empty jobs field.
    using Dato = std::tuple<bool, std::optional<int>, std::optional<int>>;
    const Dato esperados[] = {{true, 413, 284}, {true, 1149, 1302}, {true, {}, 312}, {true, 72, {}}, {true, 575, {}}};
    for (size_t f = 1; f <= kFamiliasEstadistica; ++f)
        EXPECT_EQ(Dato(datos[f].conLinea, datos[f].estudios, datos[f].empleo), f <= 5 ? esperados[f - 1] : Dato())
            << f;
    EXPECT_EQ(datos[2].textoEstudios, "11.49");
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
    EXPECT_EQ(CentrosPorTitulo(ofertas, {1, 1, 1, 2}, 5), (std::vector<int>{0, 0, 2, 4, 0, 0}));
}

TEST(EstadisticasGrafico, BarsBoxesAndTextsOfTheThreeCharts)
{
    const ListaEstFP lista = LeerFPEstadistica({"-Agraria", "Paisajismo", "Ganadería"}, kFichero);
    using B = std::pair<int, std::string>;
    const auto barra = [](const Barra &b) { return B(b.fin, b.texto); };
    // Chart 1: 100 centres, (100 + 40) / 3.4 = 41.2; none, 40 / 3.4 = 11.8.
    const auto g1 = GraficoEstadistico::Titulos(lista, {0, 0, 100, 0}, 2);
    EXPECT_EQ(std::tuple(g1.X0(), barra(g1.BarraDe(2)), barra(g1.BarraDe(3))),
              std::tuple(450, B(450 + 41, "100"), B(450 + 12, "----")));
    const auto filas = g1.Filas();
    ASSERT_EQ(filas.size(), 3u);
    // A heading in red with its family's icon; titles have no icon in chart 1.
    EXPECT_EQ(std::tuple(filas[0].encabezado, filas[0].icono, filas[1].icono, filas[2].y),
              std::tuple(true, IconoDeFamilia(1), -1, 90));

    const Familias f(FicheroCompleto());
    const auto g3 = f.Grafico(TipoGrafico::Familias, 2);
    EXPECT_EQ(std::tuple(g3.X0(), barra(g3.BarraDe(2)), g3.NombreDe(2), g3.Filas()[0].icono),
              std::tuple(350, B(350 + 115 + 11, "11.49%"), std::string("Familia 2"), 31));
    const auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 2);
    EXPECT_EQ(std::tuple(g4.X0(), g4.BarraDe(2).fin, barra(g4.Barra2De(2)), g4.Filas()[0].y, g4.Filas()[1].y),
              std::tuple(400, 400 + 115 + 11, B(400 + 130 + 11, "13.0%"), 30, 80));
    EXPECT_EQ(std::tuple(IconoDeFamilia(26), IconoDeFamilia(0), IconoDeFamilia(27)), std::tuple(42, -1, -1));
}

TEST(EstadisticasGrafico, TheSelectedRowIsCentredAndTheScrollRangeClamps)
{
    const ListaEstFP lista = LeerFPEstadistica(Lineas(127, "t"), kFichero);
    const std::vector<int> centros;
    auto pos = [&](int sel) { return GraficoEstadistico::Titulos(lista, centros, sel).Posicion(); };
    EXPECT_EQ(GraficoEstadistico::Titulos(lista, centros, 1).Maximo(), 113);
    // Row 3 would be at -5, the last row 127 at 119; 128, the first past it, and 200 are no selection.
    for (const auto &[seleccion, posicion] : {std::pair{60, 52}, {3, 1}, {127, 113}, {128, 1}, {200, 1}})
        EXPECT_EQ(pos(seleccion), posicion) << seleccion;

    auto g = GraficoEstadistico::Titulos(lista, centros, 127);
    const auto filas = g.Filas();
    ASSERT_EQ(filas.size(), 15u);   // R + 1 rows
    EXPECT_EQ(std::tuple(filas.front().fila, filas.back().fila, filas.back().seleccionada), std::tuple(113, 127, true));
    // The wheel and the scroll bar move it, within 1..113.
    g.Rueda(120 * 3);
    EXPECT_EQ(g.Posicion(), 110);
    g.Rueda(-120 * 50);
    EXPECT_EQ(g.Posicion(), 113);
    g.Desplazar(-4);
    EXPECT_EQ(g.Posicion(), 1);

    const Familias f(FicheroCompleto());
    auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 26);
    EXPECT_EQ(std::pair(g4.Maximo(), g4.Posicion()), std::pair(17, 17));
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
    const auto fines = Crecimiento(g, 1);
    ASSERT_EQ(fines.size(), 10u);
    EXPECT_EQ(std::pair(fines.front(), fines.back()), std::pair(460 + 29, 460 + 290));
    EXPECT_FALSE(g.Creciendo());
    // Settled at its end; other rows are drawn whole.
    EXPECT_EQ(std::pair(g.Filas()[1].finDibujado, g.Filas()[0].finDibujado), std::pair(g.BarraDe(2).fin, g.BarraDe(1).fin));

    // A bar shorter than 30 pixels grows 3 a tick and may pass its end by up to 20.
    auto corto = GraficoEstadistico::Titulos(lista, {0, 0, 0, 1}, 3);
    corto.EmpezarCrecimiento();
    const auto pasos = Crecimiento(corto, 2);
    EXPECT_EQ(pasos.size(), 7u);
    const int maximo = *std::max_element(pasos.begin(), pasos.end()), fin = corto.BarraDe(3).fin;
    EXPECT_TRUE(maximo > fin && maximo <= fin + 20) << maximo << " for " << fin;
    EXPECT_EQ(corto.Filas()[2].finDibujado, fin);

    // Chart 4 grows the jobs bar, and it stops too.
    const Familias f(FicheroCompleto());
    auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 2);
    g4.EmpezarCrecimiento();
    EXPECT_LT(Crecimiento(g4, 1).size(), 100u);
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

    // A bad field is 0, shown as "----", and nothing grows; so for a family without a line.
    auto g3 = f.Grafico(TipoGrafico::Familias, 3);
    EXPECT_EQ(std::tuple(g3.SeleccionSinDatos(), g3.BarraDe(3).fin, g3.BarraDe(3).texto),
              std::tuple(true, 350 + 11, std::string("----")));
    g3.EmpezarCrecimiento();
    EXPECT_FALSE(g3.Creciendo());
    const auto g26 = f.Grafico(TipoGrafico::Familias, 26);
    EXPECT_EQ(std::tuple(g26.BarraDe(26).texto, g26.NombreDe(26)), std::tuple(std::string("----"), std::string("Familia 26")));
    EXPECT_TRUE(f.Grafico(TipoGrafico::Familias, 25).SeleccionSinDatos());
    EXPECT_FALSE(f.Grafico(TipoGrafico::Familias, 24).SeleccionSinDatos());

    // Chart 4: its studies are there, but there is no jobs bar to grow.
    auto g4 = f.Grafico(TipoGrafico::EstudiosEmpleo, 4);
    EXPECT_EQ(std::tuple(g4.SeleccionSinDatos(), g4.Barra2De(4).texto), std::tuple(false, std::string("----")));
    g4.EmpezarCrecimiento();
    EXPECT_FALSE(g4.Creciendo());

    for (int fuera : {0, -3, 27, 200}) {
        auto g = f.Grafico(TipoGrafico::Familias, fuera);
        EXPECT_EQ(std::tuple(g.Seleccion(), g.SeleccionSinDatos(), g.Posicion()), std::tuple(0, true, 1)) << fuera;
        g.EmpezarCrecimiento();
        EXPECT_FALSE(g.Creciendo()) << fuera;
        for (const FilaDibujada &d : g.Filas())
            EXPECT_FALSE(d.seleccionada);
    }
    const ListaEstFP lista = LeerFPEstadistica({"-A", "t"}, kFichero);
    for (int fuera : {3, 0})
        EXPECT_EQ(GraficoEstadistico::Titulos(lista, {}, fuera).Seleccion(), 0) << fuera;
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
    EXPECT_FALSE(d[25].conLinea || d[26].conLinea);   // two families without statistics show "no data"
}
