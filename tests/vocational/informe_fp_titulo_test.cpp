// The higher-cycle title sheet and its community selection, on small
// tables built here and over the shipped data.
#include "carga_grados.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "informe_fp_seleccion.h"
#include "informe_fp_titulo.h"
#include "mapa_regiones.h"

#include <QDir>
#include <gtest/gtest.h>

#include <tuple>

using namespace norvela;

namespace {

// A centre line: province character, locality (17), centre (26), the
// district letter and the 9-character column.
std::string Centro(char provincia, const std::string &localidad, const std::string &centro,
                   const std::string &telefono)
{
    std::string s(1, provincia);
    s += (localidad + std::string(17, ' ')).substr(0, 17);
    s += (centro + std::string(26, ' ')).substr(0, 26);
    return s + ' ' + telefono;
}

void Ofertar(TablaEnteros &t, int centro, std::initializer_list<int> titulos)
{
    t.Poner(centro, 0, static_cast<int>(titulos.size()));
    int j = 0;
    for (int x : titulos)
        t.Poner(centro, ++j, x);
}

constexpr int kTitulo = 3;

// Title 3 is taught in Huesca and twice in one Zaragoza centre (Aragón, three
// provinces, none in Teruel), in Cantabria (one province) and in Melilla, the
// last community. With one subject and one access line the sheet over all
// communities has 29 lines besides the requirements: 10 of the sheet's own,
// 2 of the views, 9 of Aragón, 4 of Cantabria and 4 of Melilla.
struct Hoja : ::testing::Test {
    Hoja() : e(m)
    {
        const char *comunidades[19] = {"01Andaluc\xED" "a", "11Arag\xF3n", "14Asturias", "16Illes Balears", "17Canarias",
                                       "19Cantabria", "20Castilla-La Mancha", "25Castilla y Le\xF3n", "34Catalu\xF1" "a",
                                       "40Extremadura", "42Galicia", "46La Rioja", "47Madrid", "53Murcia", "54Navarra",
                                       "55Comunitat Valenciana", "59Pa\xEDs Vasco", "62Ceuta", "63Melilla"};
        int k = 0;
        for (const char *c : comunidades)
            e.Lugares.Poner(++k, c);
        for (const char *p : {"02Huesca", "02Teruel", "02Zaragoza"})
            e.Lugares.Poner(++k, p);
        e.NumLugares = k;
        IniciarCodigosProvincia(e.CodigoProvincia);

        // Group 1: Huesca '6', Teruel 'I', Zaragoza 'J', Cantabria '4'.
        e.Centros1.Poner(1, Centro('6', "Huesca", "IES Pirineos", "974000001"));
        e.Centros1.Poner(2, Centro('I', "Teruel", "IES Segundo de Chom\xF3n", "978000002"));
        e.Centros1.Poner(3, Centro('J', "Zaragoza", "IES Tiempos Modernos", "976000003"));
        e.Centros1.Poner(4, Centro('4', "Santander", "IES Augusto Gonz\xE1lez", "942000004"));
        e.NumCentros1 = 4;
        Ofertar(e.OfertaGS[0], 1, {kTitulo});
        Ofertar(e.OfertaGS[0], 2, {5});
        Ofertar(e.OfertaGS[0], 3, {kTitulo, 7, kTitulo});
        Ofertar(e.OfertaGS[0], 4, {7, kTitulo});
        // Group 3: Melilla '1'.
        e.Centros3.Poner(1, Centro('1', "Melilla", "IES Enrique Nieto", "952000005"));
        e.NumCentros3 = 1;
        Ofertar(e.OfertaGS[2], 1, {kTitulo});

        e.NombresFPSuperior.Poner(kTitulo, "Desarrollo de Aplicaciones Web     ");
        e.NumFPSuperior = 9;

        e.Textos.Poner(47, "FP Grado Superior");
        e.Textos.Poner(277, "Requisitos");
        e.Textos.Poner(312, "Salidas y m\xF3" "dulos del t\xEDtulo");
        e.Textos.Poner(717, "Acceso a la universidad");
        e.Textos.Poner(317, "D\xF3nde se puede estudiar");
    }

    VistasTitulo Vistas(int requisitos) const
    {
        VistasTitulo v;
        for (int i = 1; i <= requisitos; ++i)
            v.secciones[0].push_back("Requisito " + std::to_string(i));
        v.secciones[1].push_back("     Salidas");
        v.secciones[2].push_back("Prueba de acceso");
        return v;
    }

    HojaTituloFP Imprimir(int requisitos)
    {
        return HojaTitulo(e, NivelSuperior(e), e.Textos, kTitulo, Vistas(requisitos), sel);
    }

    // Line numbers of the community headings.
    static std::vector<int> Comunidades(const InformeFP &r)
    {
        std::vector<int> v;
        for (int i = 1; i <= r.NumLineas(); ++i)
            if (r.lineas[static_cast<size_t>(i - 1)].rfind("***", 0) == 0)
                v.push_back(i);
        return v;
    }

    MensajesRegistrados m;
    Enlace e;
    SeleccionComunidadesFP sel;
};

TEST_F(Hoja, SmallSheetLinesAndBoldEntries)
{
    const HojaTituloFP h = Imprimir(1);
    ASSERT_FALSE(h.pedirSeleccion);
    EXPECT_EQ(h.informe.titulo, "Desarrollo de Aplicaciones Web (FP Grado Superior)");
    const std::string zaragoza = "Zaragoza         IES Tiempos Modernos       976000003";
    const std::vector<std::string> esperadas = {
        "- Requisitos", "Requisito 1", "", "- Salidas y m\xF3" "dulos del t\xEDtulo", "     Salidas", "",
        "- Acceso a la universidad", "Prueba de acceso", "", "      ________________________", "",
        "-D\xD3NDE SE PUEDE ESTUDIAR", "",
        "***  ARAG\xD3N***", "", "- Huesca", "Huesca           IES Pirineos               974000001", "",
        "- Zaragoza", zaragoza, zaragoza, "",
        "***  CANTABRIA***", "", "Santander        IES Augusto Gonz\xE1lez       942000004", "",
        "***  MELILLA***", "", "Melilla          IES Enrique Nieto          952000005", ""};
    EXPECT_EQ(h.informe.lineas, esperadas);
    EXPECT_EQ(h.informe.negritas, (std::vector<int>{1, 4, 7, 12, 14, 23, 27}));
}

TEST_F(Hoja, LongSheetAsksForASelectionThatKeepsItsOrder)
{
    // 150 lines over all communities print at once; 151, reached only with
    // the last community, ask for a selection instead.
    // Asking starts an empty selection.
    const auto pide = [&] {
        const bool pedida = Imprimir(122).pedirSeleccion;
        return std::tuple(pedida, sel.SeleccionImpresion, sel.NumComunidadesImpresion());
    };
    HojaTituloFP h = Imprimir(121);
    EXPECT_EQ(std::tuple(h.pedirSeleccion, h.informe.NumLineas(), h.informe.negritas.size(), sel.SeleccionImpresion),
              std::tuple(false, 150, size_t{7}, false));
    sel.Anadir(5);   // left from before: the selection starts empty
    ASSERT_EQ(pide(), std::tuple(true, true, 0));

    // Melilla, then Aragón: printed in that order, however long.
    EXPECT_TRUE(sel.Anadir(19));
    EXPECT_TRUE(sel.Anadir(2));
    EXPECT_FALSE(sel.Anadir(19));
    h = Imprimir(122);
    ASSERT_FALSE(h.pedirSeleccion);
    const std::vector<int> c = Comunidades(h.informe);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(std::pair(h.informe.lineas[static_cast<size_t>(c[0] - 1)], h.informe.lineas[static_cast<size_t>(c[1] - 1)]),
              std::pair(std::string("***  MELILLA***"), std::string("***  ARAG\xD3N***")));
    EXPECT_EQ(h.informe.negritas, (std::vector<int>{1, 125, 128, 133, c[0], c[1]}));
    EXPECT_EQ(std::pair(h.informe.NumLineas(), sel.SeleccionImpresion), std::pair(122 + 10 + 2 + 4 + 9, false));

    // Confirming an empty selection prints the sheet without communities.
    sel.Empezar();
    h = Imprimir(122);
    EXPECT_EQ(std::tuple(h.pedirSeleccion, h.informe.NumLineas(), h.informe.negritas.size(), Comunidades(h.informe).size()),
              std::tuple(false, 122 + 10 + 2, size_t{4}, size_t{0}));

    // Eighteen communities print however long the sheet is...
    sel.Empezar();
    for (int k = 1; k <= 18; ++k)
        sel.Anadir(k);
    h = Imprimir(400);
    EXPECT_EQ(std::pair(h.pedirSeleccion, Comunidades(h.informe).size()), std::pair(false, size_t{2}));

    // ...but all nineteen again at 151 lines ask again, and a sheet long
    // before any community asks without building one.
    sel.Empezar();
    for (int k = 19; k >= 1; --k)
        sel.Anadir(k);
    EXPECT_EQ(pide(), std::tuple(true, true, 0));
    sel.Terminar();
    h = Imprimir(400);
    EXPECT_EQ(std::pair(h.pedirSeleccion, Comunidades(h.informe).size()), std::pair(true, size_t{0}));
}

// Communities 0 and 20, Asturias without a centre, a title taught nowhere,
// Cantabria without a first province, and a group with centres but no offer
// of the level give no block.
TEST_F(Hoja, CommunityBlocksOutsideTheTablesAreEmpty)
{
    NivelFPDatos nivel = NivelSuperior(e);
    ASSERT_FALSE(BloqueComunidadTitulo(e, nivel, 2, kTitulo).empty());
    for (const auto &[comunidad, titulo] : {std::pair{0, kTitulo}, {20, kTitulo}, {3, kTitulo}, {2, 9}})
        EXPECT_TRUE(BloqueComunidadTitulo(e, nivel, comunidad, titulo).empty()) << comunidad << " " << titulo;
    e.Lugares.Poner(6, "xxCantabria");
    EXPECT_TRUE(BloqueComunidadTitulo(e, nivel, 6, kTitulo).empty());
    nivel.grupos[0].ofertaGS = nullptr;
    EXPECT_TRUE(BloqueComunidadTitulo(e, nivel, 2, kTitulo).empty());
}

TEST(SeleccionComunidades, AddOnceRemoveKeepOrder)
{
    SeleccionComunidadesFP s;
    EXPECT_FALSE(s.Anadir(0) || s.Anadir(20));
    for (int c : {13, 9, 1, 9})
        s.Anadir(c);
    EXPECT_EQ(s.ComunidadesImpresion, (std::vector<int>{13, 9, 1}));
    EXPECT_FALSE(s.Quitar(3) || s.Quitar(-1));
    EXPECT_TRUE(s.Quitar(0));
    EXPECT_EQ(s.ComunidadesImpresion, (std::vector<int>{9, 1}));
    EXPECT_TRUE(s.Anadir(13));   // removed, so it can be picked again
}

// Every higher-cycle title of the shipped data: the sheet either asks for a
// selection (then at least 151 lines) or prints with one bold line per
// community heading after the four headings, every line within 65.
TEST(HojaEntregada, EveryTitleGivesAConsistentSheet)
{
    MensajesRegistrados m;
    Enlace e(m);
    const OpcionesInicio o = pruebas::OpcionesEntregadas(QStringLiteral("informes-fp"), 0);
    Inicializar(e, o);
    IniciarCodigosProvincia(e.CodigoProvincia);
    CargarDatosGrados(e);
    CargarTablasGrados(e);
    ASSERT_FALSE(e.ErrorFicheros);
    ASSERT_GT(e.NumFPSuperior, 10);

    const NivelFPDatos nivel = NivelSuperior(e);
    int largas = 0, cortas = 0;
    for (int t = 1; t <= e.NumFPSuperior; ++t) {
        SCOPED_TRACE(t);
        SeleccionComunidadesFP sel;
        const HojaTituloFP h = HojaTitulo(e, nivel, e.Textos, t, VistasTitulo{}, sel);
        for (const std::string &s : h.informe.lineas)
            ASSERT_LE(s.size(), 65u);
        if (h.pedirSeleccion) {
            ++largas;
            EXPECT_GE(h.informe.NumLineas(), kLineasHojaLarga);
            continue;
        }
        ++cortas;
        EXPECT_LT(h.informe.NumLineas(), kLineasHojaLarga);
        std::vector<int> esperadas = {1, 3, 5, 9};
        for (int i = 11; i <= h.informe.NumLineas(); ++i)
            if (h.informe.lineas[static_cast<size_t>(i - 1)].rfind("***", 0) == 0) {
                esperadas.push_back(i);
                EXPECT_EQ(h.informe.lineas[static_cast<size_t>(i)], "");
            }
        EXPECT_EQ(h.informe.negritas, esperadas);
    }
    // The sample holds both kinds.
    EXPECT_GT(largas, 0);
    EXPECT_GT(cortas, 0);
}

} // namespace
