// The FP place model, the centre searches and where the map markers go, on
// small tables built here.
#include "centros_fp.h"
#include "enlace.h"
#include "comunidades_titulo.h"
#include "grupos_fp.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "nivel_fp.h"
#include "titulos_fp.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace norvela;

namespace {

// A centre line: province character, name (44 characters from column 2,
// with the district or zone letter in column 45) and the 9-character column.
std::string Centro(char provincia, const std::string &localidad, const std::string &centro, char letra = ' ',
                   const std::string &telefono = "900000000")
{
    std::string s(1, provincia);
    s += (localidad + std::string(17, ' ')).substr(0, 17);
    s += (centro + std::string(26, ' ')).substr(0, 26);
    s += letra;
    return s + telefono;
}

// A centre line of a province read with 35-character localities: the
// locality fills columns 2-36 and the centre's name follows.
std::string CentroLargo(char provincia, const std::string &localidad, const std::string &centro)
{
    return std::string(1, provincia) + (localidad + std::string(35, ' ')).substr(0, 35) +
           (centro + std::string(9, ' ')).substr(0, 9) + "900000000";
}

void Ofertar(TablaEnteros &t, int centro, std::initializer_list<int> titulos)
{
    t.Poner(centro, 0, static_cast<int>(titulos.size()));
    int j = 0;
    for (int x : titulos)
        t.Poner(centro, ++j, x);
}

struct Lugares : ::testing::Test {
    Lugares() : e(m)
    {
        const char *comunidades[19] = {"01Andalucía", "11Aragón", "14Principado de Asturias", "16Illes Balears",
                                       "17Canarias", "19Cantabria", "20Castilla-La Mancha", "25Castilla y León",
                                       "34Cataluña", "40Extremadura", "42Galicia", "46La Rioja", "47Comunidad de Madrid",
                                       "53Región de Murcia", "54Navarra", "55Comunitat Valenciana", "59País Vasco",
                                       "62Ceuta", "63Melilla"};
        int k = 0;
        for (const char *c : comunidades)
            e.Lugares.Poner(++k, c);
        for (const char *p : {"02Huesca", "02Teruel", "02Zaragoza", "09Barcelona", "09Girona"})
            e.Lugares.Poner(++k, p);
        e.NumLugares = k;
        IniciarCodigosProvincia(e.CodigoProvincia);
        for (int t = 1; t <= 9; ++t)
            e.NombresFPSuperior.Poner(t, "Superior " + std::to_string(t));
        for (int t = 1; t <= 9; ++t)
            e.NombresFPMedio.Poner(t, "Medio " + std::to_string(t));
        for (int t = 1; t <= 9; ++t)
            e.NombresFPBasica.Poner(t, "Basica " + std::to_string(t));
    }
    NombresTitulos Nombres() const { return {&e.NombresFPSuperior, &e.NombresFPMedio, &e.NombresFPBasica, "FP B"}; }

    MensajesRegistrados m;
    Enlace e;
};

} // namespace

TEST_F(Lugares, CommunityProvincesAreItsRecordsOrItselfAndOutsideOneToNineteenNothing)
{
    LugarElegidoFP l;
    ASSERT_TRUE(SeleccionarComunidad(e, l, e, 2, 60));
    EXPECT_EQ(l.ComunidadSel, 2);
    EXPECT_EQ(l.PrimeraProvincia, 11);
    ASSERT_EQ(l.NumProvinciasSel, 3);
    EXPECT_EQ(l.NombresProvinciasSel[1], "Huesca");
    EXPECT_EQ(l.NombresProvinciasSel[3], "Zaragoza");
    EXPECT_EQ(e.ListaGrados[0], "Aragón");
    EXPECT_EQ(e.ListaGrados[2], "Teruel");

    ASSERT_TRUE(SeleccionarComunidad(e, l, e, 3, 60));
    EXPECT_EQ(l.NumProvinciasSel, 1);
    EXPECT_EQ(l.NombresProvinciasSel[1], "Principado de Asturias");
    EXPECT_EQ(l.PrimeraProvincia, 14);

    EXPECT_FALSE(SeleccionarComunidad(e, l, e, 0, 60));
    EXPECT_FALSE(SeleccionarComunidad(e, l, e, 20, 60));
    EXPECT_EQ(l.ComunidadSel, 3);
    e.Lugares.Poner(5, "xxCanarias");
    EXPECT_EQ(PrimeraProvinciaDe(e, 5), 0);
    EXPECT_EQ(PrimeraProvinciaDe(e, 0), 0);
    EXPECT_EQ(PrimeraProvinciaDe(e, 20), 0);
}

TEST_F(Lugares, MapValuesOutsideTheirRangeAreNoRegion)
{
    e.MapaComunidades.Poner(10, 10, 5);
    e.MapaComunidades.Poner(11, 10, 20);
    e.MapaRegionesC.Poner(10, 10, 41);
    e.MapaRegionesC.Poner(11, 10, 42);
    e.MapaRegionesM.Poner(10, 10, 28);
    e.MapaRegionesM.Poner(11, 10, 29);
    EXPECT_EQ(ComunidadEn(e, 10, 10), 5);
    EXPECT_EQ(ComunidadEn(e, 11, 10), 0);
    EXPECT_EQ(ComunidadEn(e, 0, 10), 0);
    EXPECT_EQ(ComunidadEn(e, 10, 500), 0);
    EXPECT_EQ(ComarcaEn(e, 10, 10), 41);
    EXPECT_EQ(ComarcaEn(e, 11, 10), 0);
    EXPECT_EQ(ZonaEn(e, 10, 10), 28);
    EXPECT_EQ(ZonaEn(e, 11, 10), 0);
    EXPECT_EQ(PistaComunidad(e, 2, 60), "Aragón");
    EXPECT_EQ(PistaComunidad(e, 0, 60), "");
}

TEST_F(Lugares, DistrictAndZoneCodesComeFromTheirBlocksOnly)
{
    e.Centros4.Poner(1, Centro('1', "Valencia", "IES Uno"));
    e.Centros4.Poner(2, Centro('5', "Igualada", "Ins Dos", 'b'));
    e.Centros4.Poner(3, Centro('A', "Barcelona", "Ins Tres", 'k'));
    e.Centros4.Poner(4, Centro('6', "Girona", "Ins Quatre", 'e'));
    e.Centros4.Poner(5, Centro('A', "Sabadell", "Ins Cinc", 'm'));   // the last centre
    e.NumCentros4 = 5;
    e.Centros2.Poner(1, Centro('1', "Albacete", "IES A"));
    e.Centros2.Poner(2, Centro('8', "Madrid", "IES B", 'a'));
    e.Centros2.Poner(3, Centro('H', "Alcobendas", "IES C", 'f'));
    e.Centros2.Poner(4, Centro('D', "Cuenca", "IES D", 'x'));
    e.Centros2.Poner(5, Centro('8', "Madrid", "IES E", 'a'));
    e.NumCentros2 = 5;
    PrepararComarcasYZonas(e);

    const auto codigos = [](const TablaTexto &t, int n) {
        std::vector<std::string> v;
        for (int i = 1; i <= n; ++i)
            v.push_back(t[i]);
        return v;
    };
    EXPECT_EQ(codigos(e.CodigoComarcaCentro, 5), (std::vector<std::string>{"", "5b", "5k", "6e", "5m"}));
    EXPECT_EQ(e.Centros4[3][0], '5');
    EXPECT_EQ(e.Centros4[3][44], ' ');
    EXPECT_EQ(codigos(e.CodigoZonaCentro, 5), (std::vector<std::string>{"", "8a", "8f", "", ""}));
    EXPECT_EQ(e.Centros2[3][0], '8');
    EXPECT_EQ(e.Centros2[5][44], 'a') << "after the first D line the letter stays";

    // Without a "D" line no centre gets a zone code.
    e.Centros2.Poner(4, Centro('7', "Toledo", "IES D"));
    e.Centros2.Poner(2, Centro('8', "Madrid", "IES B", 'a'));
    PrepararComarcasYZonas(e);
    EXPECT_EQ(codigos(e.CodigoZonaCentro, 5), std::vector<std::string>(5));
}

TEST_F(Lugares, HintsSubDistrictsLongNamesAndPrintSelection)
{
    e.NombresZonas.Poner(1, "Madrid-Centro");
    e.NombresZonas.Poner(2, "Centro, Chamber\xED");
    e.NombresZonas.Poner(3, "Retiro");
    e.NombresZonas.Poner(4, "Alcal\xE1 de Henares");
    // A zone's three slots name lines of the zone names; 0 is an empty slot.
    for (const auto &[zona, lineas, pista] : std::vector<std::tuple<int, std::array<int, 3>, std::string>>{
             {1, {1, 2, 3}, "Madrid-Centro - Centro, Chamber\xED - Retiro"},
             {2, {4, 0, 0}, "Alcal\xE1 de Henares - "},
             {3, {2, 1, 0}, "Centro, Chamber\xED - Madrid-Centro"},
             {28, {4, 3, 1}, "Alcal\xE1 de Henares - Retiro - Madrid-Centro"}}) {
        for (int k = 1; k <= 3; ++k)
            e.LineasDeZona.Poner(zona, k, lineas[static_cast<size_t>(k - 1)]);
        EXPECT_EQ(PistaZona(e, zona), pista) << zona;
    }
    EXPECT_EQ(PistaZona(e, 29), "");

    e.NumComarcas = 50;
    EXPECT_EQ(SubcomarcaBarcelona(e, 0), 42);
    EXPECT_EQ(SubcomarcaBarcelona(e, 4), 0);
    EXPECT_EQ(SubcomarcaBarcelona(e, 8), 50);
    EXPECT_EQ(SubcomarcaBarcelona(e, 9), 0);

    // Province 2H reads long names on the levels that say so only.
    EXPECT_NE(EsProvinciaNombresLargos('2', 'H'), EsProvinciaNombresLargos('2', 'H', false));
}

TEST_F(Lugares, LocalitiesRunConsecutivelyAtTheirWidth)
{
    e.Centros3.Poner(1, Centro('D', "Sevilla", "IES Uno"));
    e.Centros3.Poner(2, Centro('D', "Sevilla", "IES Dos"));
    e.Centros3.Poner(3, Centro('D', "Dos Hermanas", "IES Tres"));
    e.Centros3.Poner(4, Centro('D', "Sevilla", "IES Cuatro"));
    e.NumCentros3 = 4;
    const auto cortas = LocalidadesDe(e.Centros3, {1, 2, 3, 4}, false);
    ASSERT_EQ(cortas.size(), 3u);
    EXPECT_EQ(cortas[0].primerCentro, 1);
    EXPECT_EQ(cortas[1].primerCentro, 3);
    EXPECT_EQ(cortas[2].nombre, cortas[0].nombre) << "a name that comes back is listed again";
    // Characters 2..36 tell the two Sevilla centres apart.
    EXPECT_EQ(LocalidadesDe(e.Centros3, {1, 2}, true).size(), 2u);
    EXPECT_EQ(LocalidadesDe(e.Centros3, {1, 2}, false).size(), 1u);
    // Lines that spell the locality in those 35 characters group by it.
    e.Centros1.Poner(1, CentroLargo('J', "Zaragoza", "Avempace"));
    e.Centros1.Poner(2, CentroLargo('J', "Zaragoza", "Portillo"));
    e.Centros1.Poner(3, CentroLargo('J', "Ejea de los Caballeros", "RR.CC."));
    const auto largas = LocalidadesDe(e.Centros1, {1, 2, 3}, true);
    ASSERT_EQ(largas.size(), 2u);
    EXPECT_EQ(largas[1].nombre, "Ejea de los Caballeros" + std::string(13, ' '));
    EXPECT_EQ(largas[1].primerCentro, 3);
}

TEST_F(Lugares, ProvinceRowsKeepHeadersOnlyWithTitlesAndScrollToTheLocality)
{
    e.Centros1.Poner(1, Centro('6', "Huesca", "IES Pirineos", ' ', "974000001"));
    e.Centros1.Poner(2, Centro('6', "Huesca", "IES Sin Oferta"));
    e.Centros1.Poner(3, Centro('7', "Teruel", "IES Otro"));
    e.Centros1.Poner(4, Centro('6', "Jaca", "IES Jaca"));
    e.NumCentros1 = 4;
    Ofertar(e.OfertaGS[0], 1, {3, 5});
    Ofertar(e.OfertaGS[0], 3, {1});
    Ofertar(e.OfertaGS[0], 4, {2});
    Ofertar(e.OfertaGM[0], 2, {4});
    Ofertar(e.OfertaGM[0], 4, {1});
    Ofertar(e.OfertaFPB[0], 4, {2});
    const GrupoCentros g = GrupoDe(e, e, '1');

    EXPECT_EQ(CentrosDeProvincia(g, '6', NivelFP::Superior, false), (std::vector<int>{1, 4}));
    EXPECT_EQ(CentrosDeProvincia(g, '6', NivelFP::Superior, true), (std::vector<int>{1, 2, 4}));
    EXPECT_EQ(CentrosDeProvincia(g, '6', NivelFP::Medio, false), (std::vector<int>{2, 4}));
    EXPECT_TRUE(GrupoDe(e, e, '5').centros == nullptr);

    const FilasCentros solo = FilasDeCentros(g, {1, 2, 4}, Nombres(), NivelFP::Superior, false, 4);
    ASSERT_EQ(solo.filas.size(), 7u) << "the centre without a higher title loses its header";
    EXPECT_EQ(solo.filas[0].col0, "-" + e.Centros1[1].substr(1, 44));
    EXPECT_EQ(solo.filas[0].col1, "974000001");
    EXPECT_EQ(solo.filas[1].col0, "Superior 3");
    EXPECT_EQ(solo.filas[1].titulo, 3);
    EXPECT_EQ(solo.filas[0].titulo, 0);
    EXPECT_EQ(solo.filas[3].col0, "");
    EXPECT_EQ(solo.filas[4].col0[0], '-');
    EXPECT_EQ(solo.filaSuperior, 4);
    // In print mode rows count after the report's lines.
    EXPECT_EQ(FilasDeCentros(g, {1, 2, 4}, Nombres(), NivelFP::Superior, false, 4, 100).filaSuperior, 104);

    const FilasCentros toda = FilasDeCentros(g, {1, 2, 4}, Nombres(), NivelFP::Superior, true, 0);
    std::vector<std::string> col0;
    for (const FilaRejilla &f : toda.filas) {
        col0.push_back(f.col0.substr(0, std::min<size_t>(f.col0.size(), 12)));
        EXPECT_EQ(f.titulo, 0) << "all-levels rows carry no title";
    }
    const std::vector<std::string> esperado = {
        "-Huesca     ", "GS Superior ", "GS Superior ", " -----", " -----", "",           // higher only
        "-Huesca     ", "GM Medio 4", " -----", "",                                      // intermediate only
        "-Jaca       ", "GS Superior ", " -----", "GM Medio 1", " -----", "FP B Basica ", ""};
    EXPECT_EQ(col0, esperado);
}

TEST_F(Lugares, TitleSearchListsProvincesWithTheTitleAndThenPrintsUpperCase)
{
    LugarElegidoFP l;
    SeleccionarComunidad(e, l, e, 2, 60);   // Huesca 16, Teruel 1I, Zaragoza 1J
    e.Centros1.Poner(1, Centro('6', "Huesca", "IES Pirineos"));
    e.Centros1.Poner(2, Centro('J', "Zaragoza", "IES Ebro"));
    e.Centros1.Poner(3, Centro('I', "Teruel", "IES Segundo"));
    e.NumCentros1 = 3;
    Ofertar(e.OfertaGS[0], 1, {4, 4});
    Ofertar(e.OfertaGS[0], 2, {5});
    Ofertar(e.OfertaGS[0], 3, {4});
    const GrupoCentros g = GrupoDe(e, e, '1');
    const auto filas = FilasTitulo(g, e.OfertaGS[0], l.NumProvinciasSel, l.PrimeraProvincia, e.CodigoProvincia,
                                   l.NombresProvinciasSel, 4);
    ASSERT_EQ(filas.size(), 7u) << "Zaragoza has no centre with the title: no header";
    EXPECT_EQ(filas[0].col0, "- Huesca       ");
    EXPECT_EQ(filas[1].col0, filas[2].col0) << "a centre listing the title twice is listed twice";
    EXPECT_EQ(filas[3].col0, std::string(60, ' '));
    EXPECT_EQ(filas[4].col0, "- Teruel       ");
    EXPECT_TRUE(FilasTitulo(g, e.OfertaGS[0], 1, 13, e.CodigoProvincia, l.NombresProvinciasSel, 4).empty());
    const auto una = FilasTitulo(g, e.OfertaGS[0], 1, 13, e.CodigoProvincia, l.NombresProvinciasSel, 5);
    ASSERT_EQ(una.size(), 2u) << "a single province has no header";

    const auto lineas = LineasTituloInforme("Andaluc\xED" "a", una);
    EXPECT_EQ(lineas[0], "***  ANDALUC\xCD" "A***");
    EXPECT_EQ(lineas[1], "");
    EXPECT_EQ(lineas[2].size(), 53u);
    EXPECT_TRUE(TituloEnProvincia('I', e.OfertaGS[0], e.Centros1, 3, 4));
    EXPECT_FALSE(TituloEnProvincia('J', e.OfertaGS[0], e.Centros1, 3, 4));
    EXPECT_FALSE(TituloEnProvincia('I', e.OfertaGS[0], e.Centros1, 2, 4)) << "only the first n centres";
}

TEST_F(Lugares, StarsMarkCommunitiesOfferingTheTitle)
{
    // Aragón (group 1, provinces 11..13), Melilla (group 3, first 63 only).
    e.Centros1.Poner(1, Centro('J', "Zaragoza", "IES Ebro"));
    e.Centros3.Poner(1, Centro('1', "Melilla", "IES Melilla"));
    e.Centros3.Poner(2, Centro('2', "Nunca", "IES Nunca"));
    e.NumCentros1 = 1;
    e.NumCentros3 = 2;
    Ofertar(e.OfertaGS[0], 1, {7});
    Ofertar(e.OfertaGS[2], 1, {8});
    Ofertar(e.OfertaGS[2], 2, {9});
    const TablasPorGrupo t = TablasDeNivel(e, e, NivelFP::Superior);
    MarcarComunidadesTitulo(e, t.ofertas, t.centros, t.n, 7);
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(e.MarcasEstrellas[c], c == 2 ? 1 : 0) << c;
    MarcarComunidadesTitulo(e, t.ofertas, t.centros, t.n, 8);
    EXPECT_EQ(e.MarcasEstrellas[19], 1);
    MarcarComunidadesTitulo(e, t.ofertas, t.centros, t.n, 9);
    EXPECT_EQ(e.MarcasEstrellas[19], 0) << "Melilla reads its first province only";
    // A province of another group character never counts.
    e.CodigoProvincia.Poner(13, "5J");
    MarcarComunidadesTitulo(e, t.ofertas, t.centros, t.n, 7);
    EXPECT_EQ(e.MarcasEstrellas[2], 0);
}

TEST_F(Lugares, GroupsFamiliesAndTitleViews)
{
    // fp: 1 -A (2,3), 4 -B (empty), 5 -C (6), 7 -|Arts (8), 9 -!Sport (10)
    const int filas[] = {1, 4, 5, 7, 9};
    const char *nombres[] = {"A", "B", "C", "|Arts", "!Sport"};
    for (int f = 1; f <= 5; ++f) {
        e.EncabezadosFPSuperior.Poner(f, nombres[f - 1]);
        e.FilaTituloGS[f] = filas[f - 1];
    }
    e.NumEncabezadosFPSuperior = 5;
    e.EncabezadoSeccionGS = 3;
    e.NumFPSuperior = 10;
    e.LimiteSeccionGS = 7;
    e.NumGruposFamilias = 9;
    e.RangosGruposFamilias.Poner(1, 1, 1);
    e.RangosGruposFamilias.Poner(2, 1, 3);
    e.RangosGruposFamilias.Poner(2, 3, 2);   // "03 00 02": no hole in the rows
    e.RangosGruposFamilias.Poner(6, 1, 2);

    auto textos = [](const std::vector<FilaFamilia> &v) {
        std::vector<std::pair<std::string, int>> r;
        for (const auto &f : v)
            r.push_back({f.texto, f.familia});
        return r;
    };
    using V = std::vector<std::pair<std::string, int>>;
    const NivelFPDatos n = NivelSuperior(e);
    EXPECT_EQ(textos(FamiliasDeGrupo(n, 1)), (V{{"A", 1}, {"Sport", 5}}));
    EXPECT_EQ(textos(FamiliasDeGrupo(n, 2)), (V{{"C", 3}, {"B", 2}}));
    EXPECT_EQ(textos(FamiliasDeGrupo(n, 6)), (V{{"B", 2}, {"Arts", 4}}));
    EXPECT_TRUE(FamiliasDeGrupo(n, 0).empty());
    EXPECT_TRUE(FamiliasDeGrupo(n, 10).empty());
    EXPECT_EQ(TitulosDeFamilia(n, 1), (std::vector<int>{2, 3}));
    EXPECT_TRUE(TitulosDeFamilia(n, 2).empty());
    EXPECT_EQ(TitulosDeFamilia(n, 5), (std::vector<int>{10}));

    e.RequisitosFP.Poner(3, "Requisito tres");
    e.TablaFPSuperior.Poner(2, 5, 3);
    e.TablaFPSuperior.Poner(7, 17, 3);
    e.TablaFPSuperior.Poner(8, 6, 3);
    e.Requisitos.Poner(1, "18Bachiller");
    e.Requisitos.Poner(2, "13Otra cosa");
    e.NumRequisitos = 2;
    // The arts section, from its limit on, has no LOMCE block.
    for (const auto &[titulo, lineas] : std::vector<std::pair<int, std::vector<std::string>>>{
             {2, {"Requisito tres", "", "      **  Acceso LOMCE **", " Bachiller"}},
             {6, {"", "      **  Acceso LOMCE **", " Bachiller"}},
             {7, {"Requisito tres"}},
             {8, {"Requisito tres"}}})
        EXPECT_EQ(LineasRequisitos(e, e.Requisitos, e.NumRequisitos, titulo, "Acceso"), lineas) << titulo;

    for (int k = 1; k <= 7; ++k)
        e.AsignaturasFPSuperior.Poner(2, k, "linea " + std::to_string(k));
    const auto asignaturas = LineasAsignaturas(e, 2, "Salidas");
    ASSERT_EQ(asignaturas.size(), 14u) << "trailing blanks go, never below 14 lines";
    EXPECT_EQ(asignaturas[0], "     Salidas");
    EXPECT_EQ(asignaturas[6], "") << "an empty line before the sixth";
    EXPECT_EQ(asignaturas[7], "linea 6");
    EXPECT_EQ(LineasAsignaturas(e, 3, "Salidas").size(), 14u);
    e.AsignaturasFPSuperior.Poner(3, 25, "ultima");
    EXPECT_EQ(LineasAsignaturas(e, 3, "Salidas").size(), 26u) << "no empty line when the fifth is blank";

    const auto estilos = EstilosVista({"     Salidas", "Uno", " Dos", "x-Tres", "-", "", "", "-Modulos", "Cuatro"}, 100);
    EXPECT_TRUE(estilos[0].encabezado);
    EXPECT_TRUE(estilos[1].icono);
    EXPECT_FALSE(estilos[2].icono);
    EXPECT_EQ(estilos[3].desde, 2);
    EXPECT_FALSE(estilos[4].encabezado) << "rows before the seventh are no headings";
    EXPECT_TRUE(estilos[7].encabezado);
    EXPECT_TRUE(estilos[8].icono);
    EXPECT_FALSE(EstilosVista({"Uno", "-Dos"}, 1001)[0].encabezado);
    // Families 1..26 have an icon of their own; any other number keeps the one before.
    for (const auto &[familia, propio] : {std::pair{0, false}, {1, true}, {26, true}, {27, false}})
        EXPECT_EQ(IconoFamilia(familia, -1) >= 0, propio) << familia;
}

TEST_F(Lugares, AProvinceBeyondTheOldGridLimitsStillListsEveryRow)
{
    // 400 centres of one province, each its own locality, six titles each:
    // more than 200 localities and 1500 rows, which the grid takes whole.
    for (int i = 1; i <= 400; ++i) {
        e.Centros1.Poner(i, Centro('6', "Pueblo " + std::to_string(i), "IES " + std::to_string(i)));
        Ofertar(e.OfertaGS[0], i, {1, 2, 3, 4, 5, 6});
    }
    e.NumCentros1 = 400;
    const GrupoCentros g = GrupoDe(e, e, '1');
    const std::vector<int> centros = CentrosDeProvincia(g, '6', NivelFP::Superior, false);
    ASSERT_EQ(centros.size(), 400u);
    const auto localidades = LocalidadesDe(e.Centros1, centros, false);
    EXPECT_EQ(localidades.size(), 400u);
    const FilasCentros r = FilasDeCentros(g, centros, Nombres(), NivelFP::Superior, false, localidades[399].primerCentro);
    EXPECT_EQ(r.filas.size(), 400u * 8);
    EXPECT_EQ(r.filaSuperior, 399 * 8);
    EXPECT_EQ(r.filas.back().col0, "");
}
