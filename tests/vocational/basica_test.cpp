// The basic-cycle titles as the screen reads them: where each family of
// "fpba" starts, the groups of records 40..48, the titles of a family, the
// explanation under the mouse and the lines of the three views.
#include "cadenas.h"
#include "datos_fpb.h"
#include "enlace.h"
#include "informe_fpb.h"
#include "mapa_regiones.h"
#include "nivel_fp.h"
#include "titulos_fp.h"
#include "titulos_fpb.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

const QString kFpba = QStringLiteral("fpba");

// NombresFPBasica from its lines, 1..n.
TablaTexto Nombres(const std::vector<std::string> &lineas)
{
    TablaTexto t{0, 1100, 60};
    for (size_t i = 0; i < lineas.size(); ++i)
        t.Poner(static_cast<int>(i) + 1, lineas[i]);
    return t;
}

const std::vector<std::string> kMuestra = {
    "-Actividades F\xEDsicas y Deportivas",               // 1
    "Acceso y Conservaci\xF3n en Instalaciones Deportivas", // 2
    "-Administraci\xF3n y Gesti\xF3n",                     // 3
    "Servicios Administrativos",                         // 4
    "-Agraria",                                          // 5
    "Agro-jardiner\xED" "a y Composiciones Florales",          // 6
    "Actividades Agropecuarias",                         // 7
    "-Artes y Artesan\xED" "as",                               // 8 (no title)
    "-Vidrio y Cer\xE1" "mica",                                // 9, the last family
    "Vidrier\xED" "a y Alfarer\xED" "a",                            // 10
    "Una l\xEDnea que ninguna familia lista",                // 11
};

TEST(FPBasica, InicioFamiliaFPBCountsTheFamilyLines)
{
    const TablaTexto t = Nombres(kMuestra);
    const InicioFamilias inicio = CalcularInicioFamiliaFPB(t, 11, kFpba);
    const InicioFamilias esperado = {5, 1, 3, 5, 8, 9};
    EXPECT_EQ(inicio, esperado);
    // Only the loaded lines count.
    EXPECT_EQ(CalcularInicioFamiliaFPB(t, 4, kFpba)[0], 2);
}

TEST(FPBasica, InicioFamiliaFPBRejectsMoreThan26FamiliesAndFamiliesAfterLine255)
{
    std::vector<std::string> l(27, "-Familia");
    EXPECT_THROW(CalcularInicioFamiliaFPB(Nombres(l), 27, kFpba), ErrorRango);
    l.resize(26);
    EXPECT_EQ(CalcularInicioFamiliaFPB(Nombres(l), 26, kFpba)[0], 26);

    std::vector<std::string> largo(256, "T\xEDtulo");
    largo[0] = "-Primera";
    largo[254] = "-En la 255";
    EXPECT_EQ(CalcularInicioFamiliaFPB(Nombres(largo), 256, kFpba)[2], 255);
    largo[255] = "-En la 256";
    try {
        CalcularInicioFamiliaFPB(Nombres(largo), 256, kFpba);
        FAIL() << "a family on line 256 was accepted";
    } catch (const ErrorRango &e) {
        EXPECT_EQ(e.Linea(), 256);
    }
}

// Records 40..48 of "familias" with `grupos` from record 40 on.
TablaTexto Familias(const std::vector<std::string> &grupos)
{
    TablaTexto t{0, 1100, 60};
    for (size_t i = 0; i < grupos.size(); ++i)
        t.Poner(40 + static_cast<int>(i), grupos[i]);
    return t;
}

// The basic level over the sample lines, with the groups of `grupos`.
struct Muestra {
    explicit Muestra(const GruposFPB *grupos = nullptr) : e(m)
    {
        e.NombresFPBasica = Nombres(kMuestra);
        e.NumFPBasica = static_cast<int>(kMuestra.size());
        nivel = NivelBasica(e, centrosFPB2);
        if (grupos) {
            nivel.gruposFamilias = &grupos->FamiliasGrupoFPBasica;
            nivel.numGrupos = kGruposFPB;
        }
    }
    MensajesRegistrados m;
    Enlace e;
    TablaTexto centrosFPB2{0, 1100, 60};
    NivelFPDatos nivel;
};

TEST(FPBasica, GroupsOfRecords40To48AndTheirFamilyRows)
{
    const TablaTexto t = Familias({"010305Deporte, gesti\xF3n y campo  ", "020000Administraci\xF3n", "050304Artes",
                                   "030004Con un hueco", "040000Una sola", "050000Sin t\xEDtulos", " 0 0 0Espacios",
                                   "010500Dos", "000000Centros por lugar"});
    const GruposFPB g = LeerGruposFPB(t, 48, kFpba);
    EXPECT_EQ(g.GruposFPBasica[1], "Deporte, gesti\xF3n y campo");
    EXPECT_EQ(g.GruposFPBasica[9], "Centros por lugar");
    EXPECT_EQ(g.GruposFPBasica[7], "Espacios");
    const Muestra s(&g);

    using Filas = std::vector<std::pair<std::string, int>>;
    struct Caso {
        int grupo;
        Filas familias;
        bool porLugar;
    };
    const std::string deportes = "Actividades F\xEDsicas y Deportivas";
    const std::string administracion = "Administraci\xF3n y Gesti\xF3n";
    for (const Caso &c : std::vector<Caso>{
             {1, {{deportes, 1}, {"Agraria", 3}, {"Vidrio y Cer\xE1mica", 5}}, false},
             {2, {{administracion, 2}}, false},
             // Family 4 has no title: it is listed, its titles are none.
             {3, {{"Vidrio y Cer\xE1mica", 5}, {"Agraria", 3}, {"Artes y Artesan\xED" "as", 4}}, false},
             // The family list has no hole where the record has one.
             {4, {{"Agraria", 3}, {"Artes y Artesan\xED" "as", 4}}, false},
             {7, {}, true},
             {9, {}, true},
             {0, {}, false},
             {10, {}, false}}) {
        Filas filas;
        for (const FilaFamilia &f : FamiliasDeGrupo(s.nivel, c.grupo))
            filas.push_back({QuitarBlancosFinales(f.texto), f.familia});
        EXPECT_EQ(filas, c.familias) << "group " << c.grupo;
        EXPECT_EQ(g.PorLugar(c.grupo), c.porLugar) << "group " << c.grupo;
    }
    // A caption longer than the list's width is cut.
    const GruposFPB corto = LeerGruposFPB(t, 48, kFpba, 10);
    EXPECT_EQ(corto.GruposFPBasica[1], "Deporte, g");
}

TEST(FPBasica, BadGroupRecordsAreErrorsNamingTheRecord)
{
    struct Caso {
        std::string registro;
        bool conversion;
    };
    for (const Caso &c : std::vector<Caso>{{"0a0000Letra", true}, {"27 000Fuera", false}, {"0", true}, {"", true}}) {
        std::vector<std::string> grupos(9, "010000Bien");
        grupos[4] = c.registro;   // record 44
        try {
            LeerGruposFPB(Familias(grupos), 48, kFpba);
            ADD_FAILURE() << "accepted \"" << c.registro << "\"";
        } catch (const ErrorConversion &e) {
            EXPECT_TRUE(c.conversion) << c.registro;
            EXPECT_EQ(e.Linea(), 44);
        } catch (const ErrorRango &e) {
            EXPECT_FALSE(c.conversion) << c.registro;
            EXPECT_EQ(e.Linea(), 44);
        }
    }
    // A file without the records holds no numbers either.
    EXPECT_THROW(LeerGruposFPB(Familias({}), 39, kFpba), ErrorConversion);
}

TEST(FPBasica, FamiliesOfTheLevelStartAtTheirHeadingLines)
{
    const Muestra s;
    EXPECT_EQ(s.nivel.NumFamilias(), 5);
    EXPECT_EQ(s.nivel.filaTitulo, (std::vector<int>{0, 1, 3, 5, 8, 9}));
    // Family 4 has no title; the last one exactly the line after it.
    for (const auto &[familia, titulos] : std::vector<std::pair<int, std::vector<int>>>{
             {3, {6, 7}}, {4, {}}, {5, {10}}, {0, {}}, {6, {}}})
        EXPECT_EQ(TitulosDeFamilia(s.nivel, familia), titulos) << "family " << familia;
}

TablaBloques Bloques()
{
    TablaBloques b{200, 25, 60};
    for (int k = 1; k <= 25; ++k)
        b.Poner(7, k, "Linea " + std::to_string(k));
    return b;
}

TEST(FPBasica, ExplanationOfTheTitleUnderTheMouse)
{
    const InicioFamilias inicio = CalcularInicioFamiliaFPB(Nombres(kMuestra), 11, kFpba);
    const TablaBloques b = Bloques();
    EXPECT_EQ(ExplicacionTituloFPB(inicio, b, 7, "Salidas profesionales"),
              (std::vector<std::string>{"    Salidas profesionales", "Linea 1", "Linea 2", "Linea 3", "Linea 4",
                                        "Linea 5"}));
    // Four blanks and the text together keep 34 characters.
    EXPECT_EQ(ExplicacionTituloFPB(inicio, b, 7, std::string(40, 'x'))[0], "    " + std::string(30, 'x'));
    for (int familia : {1, 3, 5, 8, 9})
        EXPECT_TRUE(ExplicacionTituloFPB(inicio, b, familia, "Salidas").empty()) << "family line " << familia;
    // A line beyond the blocks has an empty explanation under its heading.
    EXPECT_EQ(ExplicacionTituloFPB(inicio, b, 300, "S"), (std::vector<std::string>{"    S", "", "", "", "", ""}));
}

TEST(FPBasica, LinesOfTheThreeViewsOnScreenAndInTheReport)
{
    TablaTexto req{1, 600, 100};
    const std::vector<std::string> informa = {"18Acceso GS", " 8Requisito uno", " 9Se estudia", "10Te lleva",
                                              " 8Requisito dos", "13Otro nivel", "10Y a m\xE1s"};
    for (size_t i = 0; i < informa.size(); ++i)
        req.Poner(static_cast<int>(i) + 1, informa[i]);
    const TablaBloques b = Bloques();
    const FuentesVistaFPB f{&req, static_cast<int>(informa.size()), &b, "Puestos de trabajo", 60};
    std::vector<std::string> bloque6a25;
    for (int k = 6; k <= 25; ++k)
        bloque6a25.push_back("Linea " + std::to_string(k));
    const auto con = [](std::vector<std::string> a, const std::vector<std::string> &b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };

    struct Caso {
        VistaFPB vista;
        std::vector<std::string> pantalla;
        std::vector<std::string> informe;
    };
    const std::vector<Caso> casos = {
        {VistaFPB::Requisitos,
         {"Requisito uno", "Requisito dos"},
         {"Requisito uno", "Requisito dos"}},
        {VistaFPB::Asignaturas,
         con({"Se estudia", ""}, bloque6a25),
         con({"Se estudia", ""}, bloque6a25)},
        {VistaFPB::Salidas,
         {"", "  Puestos de trabajo", "Linea 1", "Linea 2", "Linea 3", "Linea 4", "Linea 5", "", "Te lleva",
          "Y a m\xE1s"},
         {"Linea 1", "Linea 2", "Linea 3", "Linea 4", "Linea 5", "", "Te lleva",
          "Y a m\xE1s"}},
    };
    for (const Caso &c : casos) {
        const int k = static_cast<int>(c.vista);
        EXPECT_EQ(LineasVistaFPB(c.vista, f, 7), c.pantalla) << "view " << k;
        EXPECT_EQ(LineasInformeVistaFPB(c.vista, f, 7), c.informe) << "view " << k;
    }
    // Lines are cut to the list's width.
    const FuentesVistaFPB estrecha{&req, 2, &b, "P", 5};
    EXPECT_EQ(LineasVistaFPB(VistaFPB::Requisitos, estrecha, 7), (std::vector<std::string>{"Requi"}));
}

TEST(FPBasica, TheCopyOfLu2BlanksTheZoneLetterOfTheMadridBlockOnly)
{
    const auto linea = [](char provincia, char letra) {
        return std::string(1, provincia) + std::string(43, 'n') + std::string(1, letra) + "912000000";
    };
    struct Caso {
        std::vector<char> provincias;
        std::vector<bool> blanqueadas;
    };
    for (const Caso &c : std::vector<Caso>{
             // From the first "8" line to the one before the first "D"; "H" keeps its own code.
             {{'7', '8', 'H', '9', 'D', '8'}, {false, true, true, true, false, false}},
             {{'7', '7'}, {false, false}},            // no "8": nothing
             {{'8', 'H'}, {true, true}},              // no "D": to the end
             {{'D', '8', 'H'}, {false, false, false}}, // "D" before "8": nothing
         }) {
        TablaTexto t{0, 1100, 60};
        const int n = static_cast<int>(c.provincias.size());
        for (int i = 1; i <= n; ++i)
            t.Poner(i, linea(c.provincias[static_cast<size_t>(i - 1)], 'Z'));
        BlanquearZonasFPB(t, n);
        for (int i = 1; i <= n; ++i) {
            EXPECT_EQ(t[i][44] == ' ', c.blanqueadas[static_cast<size_t>(i - 1)]) << "line " << i;
            EXPECT_EQ(t[i][0], c.provincias[static_cast<size_t>(i - 1)]);
        }
    }
}

} // namespace

namespace {

std::string Centro(char provincia, const std::string &nombre, const std::string &telefono)
{
    return std::string(1, provincia) + Cortar(nombre + std::string(44, ' '), 44) + telefono;
}

void Ofertar(TablaEnteros &t, int centro, std::initializer_list<int> titulos)
{
    t.Poner(centro, 0, static_cast<int>(titulos.size()));
    int j = 0;
    for (int x : titulos)
        t.Poner(centro, ++j, x);
}

TEST(FPBasica, ReportOfATitleInTheClickedCommunity)
{
    Muestra s;
    Enlace &e = s.e;
    for (const auto &[k, texto] : std::vector<std::pair<int, std::string>>{
             {29, "Requisitos de acceso"}, {199, "Puestos de trabajo"}, {263, "FP B\xE1sica"},
             {292, "No hay resultados"}, {312, "Salidas y m\xF3" "dulos del t\xEDtulo"},
             {323, "Centros que imparten el t\xEDtulo"}})
        e.Textos.Poner(k, texto);
    IniciarCodigosProvincia(e.CodigoProvincia);
    e.Lugares.Poner(6, LineaRellena("19Cantabria", 55));
    e.Centros1.Poner(1, Centro('4', "Santander        IES Pe\xF1" "acastillo", "942430270"));
    e.Centros1.Poner(2, Centro('4', "Torrelavega      IES Besaya", "942880011"));
    e.Centros1.Poner(3, Centro('6', "Huesca           IES Pirineos", "974000001"));
    e.NumCentros1 = 3;
    Ofertar(e.OfertaFPB[0], 1, {7, 2});
    Ofertar(e.OfertaFPB[0], 2, {6});
    Ofertar(e.OfertaFPB[0], 3, {7});
    s.nivel = NivelBasica(e, s.centrosFPB2);
    // Cantabria clicked on the map: one province.
    LugarElegidoFP l;
    l.ComunidadSel = 6;
    l.PrimeraProvincia = 19;
    l.GrupoSel = '1';
    l.NumProvinciasSel = 1;
    l.NombresProvinciasSel.Poner(1, "Cantabria");

    VistasTitulo v;
    v.secciones = {std::vector<std::string>{"Tener 15 a\xF1os"}, std::vector<std::string>{"Se estudia", "", "M\xF3" "dulo"},
                   std::vector<std::string>{"Pe\xF3n agr\xED" "cola", "", "Te lleva"}};
    const std::vector<FilaRejilla> filas = CentrosTituloEnComunidad(e, l, s.nivel, 7);
    const InformeFP r = InformeTituloFPB(s.nivel, e.Textos, e, 7, v, 6, filas);
    EXPECT_EQ(r.titulo, "Actividades Agropecuarias (FP B\xE1sica)");
    const std::vector<std::string> esperadas = {
        "** Requisitos de acceso **",
        "Tener 15 a\xF1os",
        "",
        "** Salidas y m\xF3" "dulos del t\xEDtulo **",
        "Se estudia",
        "",
        "M\xF3" "dulo",
        "",
        "** Puestos de trabajo **",
        "Pe\xF3n agr\xED" "cola",
        "",
        "Te lleva",
        "",
        "Centros que imparten el t\xEDtulo",
        "***  CANTABRIA" + std::string(21, ' ') + "  ***",
        "Santander        IES Pe\xF1" "acastillo             942430270",
        "",
    };
    EXPECT_EQ(r.lineas, esperadas);
    EXPECT_EQ(r.negritas, (std::vector<int>{1, 4, 9, 14, 15}));

    // No centre of the community teaches it: the grid's "none" row.
    const InformeFP nada = InformeTituloFPB(s.nivel, e.Textos, e, 2, v, 6, CentrosTituloEnComunidad(e, l, s.nivel, 10));
    EXPECT_EQ(nada.lineas.back(), "No hay resultados");
    EXPECT_EQ(nada.negritas.size(), 5u);
}

} // namespace
