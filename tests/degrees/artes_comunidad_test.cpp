// The artistic families' files, the map click on the start panel, a
// community's rows, a university's degrees and the selection-list reports.
#include "artes_grados.h"
#include "comunidad_grados.h"
#include "cadenas.h"
#include "datos_lugares.h"
#include "grados_prueba.h"
#include "lectura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

using namespace norvela;
using norvela::pruebas::GradosPrueba;

namespace {

std::string Ancho(std::string s, size_t n)
{
    s.resize(n, ' ');
    return s;
}

const std::string kWebLarga = "http://www.conservatorio.example.es/ensenanzas/superiores/acceso/pruebas.html";

struct Artes : ::testing::Test {
    Artes()
    {
        g.e.Lugares.Poner(7, "07Castilla-La Mancha");
        g.e.Lugares.Poner(13, "13Madrid");
    }
    GradosPrueba g;
};

} // namespace

TEST_F(Artes, FamilyFilesGiveTheirTitlesSpecialitiesAndPlaces)
{
    struct Caso {
        const char *que;
        FamiliaArtes familia;
        std::vector<std::string> fichero;
        std::vector<std::string> titulos;
        std::vector<std::string> especialidades;
        std::vector<std::string> lugares;
    };
    std::vector<std::string> drama = {"Arte Dram\xE1tico", "f1", "Interpretaci\xF3n", "f2", "Especialidades:"};
    for (int k = 0; k < 7; ++k)
        drama.push_back(" Esp" + std::to_string(k));
    // The eighth name begins with "-": it is a name, never a centre.
    drama.push_back("-Escenograf\xED" "a");
    drama.push_back(Ancho("-ESAD Toledo", 25) + "925000111      13 5");
    drama.push_back("http://www.esad.example.es");
    const Caso casos[] = {
        {"music: a community heading, the centre and its whole address from one line", FamiliaArtes::Musica,
         {"M\xFAsica", "f1", "Composici\xF3n", "Sonolog\xED" "a", "f2", "07  CSM Toledo " + kWebLarga, "  CSM Almagro"},
         {"M\xFAsica"},
         {"Composici\xF3n", "Sonolog\xED" "a"},
         {"- Castilla-La Mancha", "    CSM Toledo ", kWebLarga}},
        {"drama: the digits 1 and 3 up to the blank, the scan after the eighth name", FamiliaArtes::Dramatico, drama,
         {"Arte Dram\xE1tico"},
         {"Interpretaci\xF3n"},
         {Ancho("-ESAD Toledo", 25) + "Esp0", "   Esp1", "   Esp3", "Tel. 925000111", "http://www.esad.example.es",
          ""}},
        {"dance: every line as it stands", FamiliaArtes::Danza,
         {"Danza", "f1", "Coreograf\xED" "a", "f2", "- Madrid", "  CSD Mar\xED" "a de \xC1vila"},
         {"Danza"},
         {"Coreograf\xED" "a"},
         {"- Madrid", "  CSD Mar\xED" "a de \xC1vila"}},
        {"a file without markers: all titles, nothing else", FamiliaArtes::Musica,
         {"Uno", "Dos"},
         {"Uno", "Dos"},
         {},
         {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.que);
        EXPECT_EQ(TitulosArtes(c.fichero), c.titulos);
        EXPECT_EQ(EspecialidadesArtes(c.fichero, c.familia), c.especialidades);
        std::vector<std::string> lugares;
        for (const LineaLugar &l : LugaresArtes(c.fichero, c.familia, g.e))
            lugares.push_back(l.texto);
        EXPECT_EQ(lugares, c.lugares);
    }
}

TEST_F(Artes, PlasticArtsCentresAreReadByStructure)
{
    std::vector<std::string> f = {"Artes Pl\xE1sticas", "f1"};
    for (int k = 0; k <= 16; ++k)
        f.push_back("  Especialidad " + std::to_string(k));
    f.push_back("13Escuela de Arte Uno   915550001 0303  1799");  // 03 twice, a blank pair, 17 and 99 unknown
    f.push_back("28014 Madrid");                                 // an address that begins with digits
    f.push_back("07Escuela de Arte Dos   925550002 16");
    f.push_back("  Toledo");
    f.push_back("13Escuela de Arte Tres  915550003 1603");
    f.push_back("  Alcal\xE1 de Henares");

    const auto centros = CentrosPlasticas(f);
    ASSERT_EQ(centros.size(), 3u);
    EXPECT_EQ(std::tuple(centros[0].especialidades, centros[0].direccion, centros[1].comunidad),
              std::tuple(std::vector<int>{3, 3}, std::string("28014 Madrid"), 7));

    const auto nombres = EspecialidadesArtes(f, FamiliaArtes::Plasticas);
    ASSERT_EQ(nombres.size(), 17u);
    EXPECT_EQ(LineasCentrosComunidad(centros, nombres, 13),
              (std::vector<std::string>{"-  Escuela de Arte Uno  -  Tel. 915550001", "Especialidad 3", "Especialidad 3",
                                        "     28014 Madrid", "", "-  Escuela de Arte Tres  -  Tel. 915550003",
                                        "Especialidad 16", "Especialidad 3", "       Alcal\xE1 de Henares", ""}));
    EXPECT_EQ(LineasCentrosEspecialidad(centros, 16, g.e),
              (std::vector<std::string>{"- Castilla-La Mancha", "   Escuela de Arte Dos  -  Tel. 925550002",
                                        "       Toledo", "", "- Madrid", "   Escuela de Arte Tres  -  Tel. 915550003",
                                        "       Alcal\xE1 de Henares", ""}));
    // The report: one heading for each run of one community's centres.
    const auto informe = LineasCentrosInforme(centros, nombres, g.e);
    ASSERT_GE(informe.size(), 2u);
    EXPECT_EQ(std::count(informe.begin(), informe.end(), "- Madrid"), 2);
    EXPECT_EQ(std::vector(informe.begin(), informe.begin() + 2),
              (std::vector<std::string>{"- Madrid", "  Escuela de Arte Uno  -  Tel. 915550001"}));

    // A file that ends early: among the names, before the first centre, or on a centre line before its address.
    for (const auto &[lineas, especialidades, numCentros, direccion] :
         std::vector<std::tuple<size_t, size_t, size_t, std::string>>{
             {5, 3, 0, ""}, {19, 17, 0, ""}, {20, 17, 1, ""}, {21, 17, 1, "28014 Madrid"}}) {
        const std::vector<std::string> corto(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(lineas));
        const auto leidos = CentrosPlasticas(corto);
        EXPECT_EQ(EspecialidadesArtes(corto, FamiliaArtes::Plasticas).size(), especialidades) << lineas;
        ASSERT_EQ(leidos.size(), numCentros) << lineas;
        if (numCentros > 0) {
            EXPECT_EQ(leidos.back().direccion, direccion) << lineas;
        }
    }
}

TEST_F(Artes, MapClickDecidesByTheScreensModes)
{
    for (int u = 1; u <= 45; ++u) {
        g.e.NombresUniversidad.Poner(u, "Universidad " + std::to_string(u));
        g.e.ComunidadUniversidad[u] = 13;
    }
    g.e.NumUniversidades = 45;
    g.Doble({9, "Universitat de Barcelona", {}});

    struct Caso {
        const char *que;
        ModosMapa modos;
        int raton;
        AccionMapa accion;
        int comunidad;
        size_t filas;
    };
    const Caso casos[] = {
        {"sea", {}, 0, AccionMapa::Ninguna, 0, 0},
        {"beyond the communities", {false, false, false, true, false}, 20, AccionMapa::Ninguna, 0, 0},
        {"an FP screen holds the map", {false, false, true, true, false}, 13, AccionMapa::SoloComunidad, 13, 0},
        {"plastic arts", {true, false, false, true, false}, 13, AccionMapa::CentrosArtes, 13, 0},
        {"plastic arts printing acts on the sea", {true, true, false, false, false}, 0, AccionMapa::CentrosArtes, 1, 0},
        {"universities beyond forty rows", {false, false, false, true, false}, 13, AccionMapa::Universidades, 13, 45},
        {"universities: none in the community", {false, false, false, true, false}, 7, AccionMapa::Universidades, 7, 0},
        {"double-degree groups", {false, false, false, false, true}, 9, AccionMapa::Filas, 9, 1},
        {"no double-degree group", {false, false, false, false, true}, 13, AccionMapa::SinDobles, 13, 0},
        {"neither mode, no university: no change", {}, 7, AccionMapa::SoloComunidad, 7, 0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.que);
        const ClicMapa clic = DecidirClicMapa(g.e, c.modos, c.raton);
        EXPECT_EQ(std::tuple(clic.accion, clic.comunidad, clic.filas.size()), std::tuple(c.accion, c.comunidad, c.filas));
    }
    const auto filas = UniversidadesDeComunidad(g.e, 13);
    EXPECT_EQ(std::pair(filas.back().numero, filas.back().texto), std::pair(45, std::string("Universidad 45")));
}

TEST_F(Artes, UniversityDegreesGroupByBranchAboveFifteenAndPrint)
{
    g.e.NombresUniversidad.Poner(1, "Universidad de Toledo");
    g.e.NumUniversidades = 1;
    g.e.ComunidadUniversidad[1] = 7;
    const std::array<std::string, 5> ramas = {"Artes", "Ciencias", "Sociales", "Ingenier\xED" "a", "Salud"};
    const auto unaEntrada = [&](int grado, int nota) {
        const int k = g.e.NotasCorteUni.En(grado, 0) + 1;
        g.e.NotasCorteUni.Poner(grado, 0, static_cast<uint8_t>(k));
        g.e.NotasCorteUni.Poner(grado, k, 1);
        g.e.NotasCorte.Poner(grado, k, static_cast<uint8_t>(nota));
    };
    for (int k = 0; k < 15; ++k)
        unaEntrada(g.Grado({"Grado " + std::to_string(k), k < 5 ? 2 : 3}), k == 0 ? 10 : 65);
    auto filas = GradosDeUniversidad(g.e, 1, ramas, "Dobles");
    ASSERT_EQ(filas.size(), 15u);
    EXPECT_EQ(std::tuple(filas[0].Col0(), filas[0].Col1(), filas[1].Col1()),
              std::tuple("<" + Ancho("Grado 0", 54), "   - ", "  6,5"));

    unaEntrada(g.Grado({"Grado 15", 3}), 125);
    filas = GradosDeUniversidad(g.e, 1, ramas, "Dobles");
    ASSERT_EQ(filas.size(), 18u);   // two headings: branches without degrees have none
    EXPECT_EQ(std::tuple(filas[0].texto, filas[6].texto, filas[17].Col1()),
              std::tuple("-   Ciencias     ", "-   Sociales     ", " 12,5"));

    std::vector<CeldasNotas> celdas;
    for (const FilaNotasUni &f : filas)
        celdas.push_back({f.Col0(), f.Col1()});
    const InformeFP inf = InformeUniversidad("T289", "T48", "T296", "Universidad de Toledo   ", celdas);
    ASSERT_EQ(inf.NumLineas(), 19);
    EXPECT_EQ(std::tuple(inf.titulo, inf.lineas[0], inf.lineas[2], inf.negritas),
              std::tuple("T289: Universidad de Toledo", "    T48                        T296",
                         Ancho("<Grado 0", 50) + "   - ", std::vector<int>{1, 2, 8}));
}

TEST_F(Artes, DoubleDegreeAndStudyReports)
{
    const int derecho = g.Grado({"Derecho", 3});
    const int ade = g.Grado({"Administraci\xF3n y Direcci\xF3n de Empresas", 3});
    g.Doble({13, "Universidad Complutense de Madrid", {{derecho, ade, "Mad "}, {ade, derecho, "Bil "}}});
    const auto lineas = DoblesDelGrado(g.e, derecho);
    ASSERT_EQ(lineas.size(), 4u);
    const InformeFP dobles = InformeDobles("T242", g.e.NombresGrado[derecho], lineas);
    const std::string par = "Derecho. + Administraci\xF3n y Direcci\xF3n de Empresas >";
    EXPECT_EQ(std::tuple(dobles.titulo, dobles.lineas, dobles.negritas),
              std::tuple("T242: Derecho",
                         std::vector<std::string>{"        Universidad Complutense de Madrid", par + "Mad ", par + "Bil "},
                         std::vector<int>{1}));
    EXPECT_TRUE(DoblesDelGrado(g.e, 0).empty());

    // A university's pairs close its list, down to the last; a pair with a degree no list holds is left out.
    g.Doble({7, "Universidad de Castilla-La Mancha", {{ade, 0, "Nul "}, {derecho, ade, "Alb "}}});
    std::vector<std::string> filas;
    for (const FilaNotasUni &f : GradosDeUniversidad(g.e, 2, {}, "T242"))
        filas.push_back(f.texto);
    EXPECT_EQ(filas, (std::vector<std::string>{"", "-                T242     ", Ancho("Derecho", 55) + "Alb ",
                                                " + " + Ancho("Administraci\xF3n y Direcci\xF3n de Empresas", 51) + "    ",
                                                "                 -----     "}));
    // Two headings, each after an empty line, and three pairs.
    const auto deAde = DoblesDelGrado(g.e, ade);
    EXPECT_EQ(std::pair(deAde.size(), deAde.back()), std::pair(size_t{7}, std::string("Administraci\xF3n y Dir. + Derecho >Alb ")));

    // A study block without a blank pair gives all 50 lines; one with a pair ends before it.
    for (int k = 1; k <= 50; ++k)
        g.e.AsignaturasOtros.Poner(1, k, k % 10 == 1 ? "- Bloque" : "Materia");
    g.e.AsignaturasOtros.Poner(2, 1, "- Requisitos");
    g.e.AsignaturasOtros.Poner(2, 2, "Bachillerato");
    EXPECT_EQ(DetallesOtros(g.e, 1).size(), 50u);
    EXPECT_EQ(DetallesOtros(g.e, 2), (std::vector<std::string>{"- Requisitos", "Bachillerato"}));
    EXPECT_TRUE(DetallesOtros(g.e, 51).empty());
    const InformeFP otros = InformeOtros("T290", "Piloto", DetallesOtros(g.e, 1));
    EXPECT_EQ(std::pair(otros.titulo, otros.negritas), std::pair(std::string("T290: Piloto"), std::vector<int>{1, 11, 21, 31, 41}));
}

TEST(FilasOtros, RowDecidesLinkPdfOrDetails)
{
    struct Caso {
        int fila;
        const char *texto;
        AccionOtros accion;
        const char *pagina;
    };
    const Caso casos[] = {
        {2, "   Cualquier texto", AccionOtros::PdfCentros, ""},
        {0, "   ENSE\xD1" "ANZAS DEPORTIVAS", AccionOtros::Nada, ""},
        {15, "  1 Cursos de grado superior", AccionOtros::WebSuperiores, "/cursos-superiores/"},
        {16, "  2 Cursos de formaci\xF3n", AccionOtros::WebFormacion, "/cursos-formacion/"},
        {17, "  3 Centros", AccionOtros::WebNoReglados, "/centros/centros-estudios-no-reglados/"},
        {1, "T\xE9" "cnico Deportivo Superior", AccionOtros::Detalles, ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(AccionFilaOtros(c.fila, c.texto), c.accion);
        const std::string pagina = DireccionOtros(c.accion);
        EXPECT_TRUE(pagina.size() >= std::string(c.pagina).size() &&
                    pagina.compare(pagina.size() - std::string(c.pagina).size(), std::string::npos, c.pagina) == 0);
        EXPECT_EQ(pagina.empty(), std::string(c.pagina).empty());
    }
}

// The shipped family files, in every language: each family has titles,
// specialities and places in several communities, translated.
TEST(ArtesDatosEntregados, EveryFamilyHasTitlesSpecialitiesAndPlacesInEveryLanguage)
{
    const std::string datos = std::string(NORVELA_DATOS_ENTREGADOS) + '/';
    const auto leer = [&](const char *idioma, const char *fichero) {
        return LeerLineasObligatorio(QString::fromStdString(datos + idioma + fichero));
    };
    const DatosLugares sinNombres;
    std::map<std::string, std::vector<std::string>> titulosCas;
    for (const char *idioma : {"cas/", "catVal/", "galego/", "euskera/"}) {
        SCOPED_TRACE(idioma);
        for (FamiliaArtes f : {FamiliaArtes::Plasticas, FamiliaArtes::Musica, FamiliaArtes::Danza,
                               FamiliaArtes::Dramatico}) {
            const char *nombre = FicheroFamiliaArtes(f);
            SCOPED_TRACE(nombre);
            const auto lineas = leer(idioma, nombre);
            ASSERT_LE(lineas.size(), static_cast<size_t>(kMaxLineasArtes));
            const auto titulos = TitulosArtes(lineas);
            EXPECT_FALSE(titulos.empty());
            EXPECT_FALSE(EspecialidadesArtes(lineas, f).empty());
            if (std::string(idioma) == "cas/")
                titulosCas[nombre] = titulos;
            else
                EXPECT_NE(titulos, titulosCas[nombre]) << "not translated";
            if (f == FamiliaArtes::Plasticas) {
                EXPECT_EQ(EspecialidadesArtes(lineas, f).size(), 17u);
                std::set<int> comunidades;
                for (const CentroArtes &c : CentrosPlasticas(lineas)) {
                    comunidades.insert(c.comunidad);
                    EXPECT_FALSE(c.especialidades.empty()) << c.nombre;
                    EXPECT_FALSE(EsBlanco(c.direccion)) << c.nombre;
                }
                EXPECT_GE(comunidades.size(), 10u);
                continue;
            }
            const auto lugares = LugaresArtes(lineas, f, sinNombres);
            const auto cuenta = [&](const char *inicio) {
                return std::count_if(lugares.begin(), lugares.end(),
                                     [&](const LineaLugar &l) { return l.texto.rfind(inicio, 0) == 0; });
            };
            EXPECT_GE(cuenta(f == FamiliaArtes::Dramatico ? "Tel. " : "- "), 4);
            for (const LineaLugar &l : lugares) {
                if (l.web) {
                    EXPECT_EQ(l.texto.rfind("http", 0), 0u) << l.texto;
                }
            }
        }
        const auto otros = leer(idioma, "otros");
        ASSERT_GT(otros.size(), 3u);
        for (const char *enlace : {"  1", "  2", "  3"})
            EXPECT_EQ(std::count_if(otros.begin(), otros.end(),
                                    [&](const std::string &l) { return l.rfind(enlace, 0) == 0; }),
                      1)
                << enlace;
    }
}

TEST(InformeArtes, EachFamilyPrintsItsLinesUpToItsCentres)
{
    const std::vector<std::string> lista = {"Titulo   ", "f1", "Especialidad", "f2", "07  Centro http://c.es", "- Zona"};
    struct Caso {
        FamiliaArtes familia;
        std::vector<std::string> lineas;
        bool lugares;
    };
    const Caso casos[] = {
        // Music lines after "f2" lose their first two characters; dance lines never do.
        {FamiliaArtes::Musica, {"Titulo", "Especialidad", "  Centro http://c.es", "Zona"}, false},
        {FamiliaArtes::Danza, {"Titulo", "Especialidad", "07  Centro http://c.es", "- Zona"}, false},
        // Plastic arts stop at "f1", drama at "f2": the centres follow there.
        {FamiliaArtes::Plasticas, {"Titulo"}, true},
        {FamiliaArtes::Dramatico, {"Titulo", "Especialidad"}, true},
    };
    for (const Caso &c : casos) {
        const InformeArtes informe = LineasInformeArtes(lista, c.familia);
        EXPECT_EQ(informe.lineas, c.lineas) << FicheroFamiliaArtes(c.familia);
        EXPECT_EQ(informe.lugares, c.lugares) << FicheroFamiliaArtes(c.familia);
    }
    // A plastic-arts list without "f1" prints whole, with no centres.
    const InformeArtes sinMarca = LineasInformeArtes({"Uno", "f2", "Dos"}, FamiliaArtes::Plasticas);
    EXPECT_EQ(sinMarca.lineas, (std::vector<std::string>{"Uno", "f2", "Dos"}));
    EXPECT_FALSE(sinMarca.lugares);
}
