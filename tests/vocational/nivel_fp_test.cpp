// The shared FP route and title sheet on the intermediate and basic levels,
// over the shipped data loaded as start-up and the two screens load it.
#include "ansi.h"
#include "cadenas.h"
#include "carga_grados.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "informe_fp_centros.h"
#include "informe_fp_titulo.h"
#include "nivel_fp.h"
#include "titulos_fp.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

struct NivelesFP : ::testing::Test {
    NivelesFP() : e(m)
    {
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("niveles-fp"), 0));
        IniciarCodigosProvincia(e.CodigoProvincia);
        CargarDatosGrados(e);
        CargarTablasGrados(e);
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fp2")), e.NombresFPMedio, e.NumFPMedio, 60);
        CargarEncabezados(e, e.FicheroIdioma(QStringLiteral("fp2")), e.EncabezadosFPMedio, e.NumFamiliasGM,
                          e.FilaTituloGM, 60);
        CargarOfertaGM(e, e.Fichero(QStringLiteral("datluggmphp")));
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fpba")), e.NombresFPBasica, e.NumFPBasica, 60);
        CargarOfertaFPB(e, e.Fichero(QStringLiteral("datlugbasphp")));
        int n = 0;
        CargarListaTexto(e, e.Fichero(QStringLiteral("lu2")), centrosFPB2, n, e.AnchoLista);
    }

    MensajesRegistrados m;
    Enlace e;
    TablaTexto centrosFPB2{0, 1100, 60};
};

using Filas = std::vector<std::pair<std::string, int>>;

Filas Textos(const std::vector<FilaFamilia> &v)
{
    Filas r;
    for (const FilaFamilia &f : v)
        r.push_back({HaciaAnsi(DesdeAnsi(f.texto).trimmed()), f.familia});
    return r;
}

TEST_F(NivelesFP, IntermediateFamiliesAndTheBasicLastFamily)
{
    ASSERT_FALSE(e.ErrorFicheros);
    const NivelFPDatos medio = NivelMedio(e);
    // "familias" record 30 is "010319"; the last heading of "fp2" is the sports one.
    EXPECT_EQ(Textos(FamiliasDeGrupo(medio, 1)), (Filas{{"Actividades F\xEDsicas y Deportivas", 1},
                                                          {"Agraria", 3},
                                                          {"Mar\xEDtimo-Pesquera", 19},
                                                          {"Ense\xF1" "anzas Deportivas", 30}}));
    // Record 35 is "052624"; the arts headings 27..29 follow.
    EXPECT_EQ(Textos(FamiliasDeGrupo(medio, 6)), (Filas{{"Artes y Artesan\xED" "as", 5},
                                                          {"Vidrio y Cer\xE1mica", 26},
                                                          {"Textil, Confecci\xF3n y Piel", 24},
                                                          {"Comunicaci\xF3n Gr\xE1" "fica y Audiovisual", 27},
                                                          {"Cer\xE1mica Art\xEDstica", 28},
                                                          {"Joyer\xED" "a de Arte", 29}}));
    EXPECT_EQ(TitulosDeFamilia(medio, 3), (std::vector<int>{7, 8, 9, 10}));
    EXPECT_TRUE(TitulosDeFamilia(medio, 5).empty());
    EXPECT_EQ(TitulosDeFamilia(medio, 30), (std::vector<int>{92, 93, 94, 95, 96, 97, 98}));

    // The basic level's families are the "-" lines of "fpba"; the last one
    // (line 53) has only the line after it.
    const NivelFPDatos basica = NivelBasica(e, centrosFPB2);
    ASSERT_EQ(basica.NumFamilias(), 26);
    EXPECT_EQ(TitulosDeFamilia(basica, 25), (std::vector<int>{51, 52}));
    EXPECT_EQ(TitulosDeFamilia(basica, 26), (std::vector<int>{54}));
}

TEST_F(NivelesFP, CentreRowsOfEachLevelAndTheBasicGroupTwo)
{
    const NombresTitulos nombres{&e.NombresFPSuperior, &e.NombresFPMedio, &e.NombresFPBasica, "FP B\xE1sica"};
    const std::string penacastillo = "-Santander        IES Pe\xF1" "acastillo           ";
    // Lines 79 and 82 of "lu1": the first teaches intermediate title 65 and
    // basic titles 24 and 15, the second no intermediate title.
    const NivelFPDatos medio = NivelMedio(e);
    const FilasCentros gm = FilasDeCentros(medio.Grupo('1'), {79, 82}, nombres, NivelFP::Medio, false, 0);
    const std::vector<std::pair<std::string, int>> esperadasGM = {
        {penacastillo, 0}, {"Emergencias Sanitarias", 65}, {"", 0}};
    ASSERT_EQ(gm.filas.size(), esperadasGM.size());
    for (size_t k = 0; k < gm.filas.size(); ++k) {
        EXPECT_EQ(QuitarBlancosFinales(gm.filas[k].col0), QuitarBlancosFinales(esperadasGM[k].first)) << k;
        EXPECT_EQ(gm.filas[k].titulo, esperadasGM[k].second) << k;
    }
    EXPECT_EQ(gm.filas[0].col1, "942430270");

    const NivelFPDatos basica = NivelBasica(e, centrosFPB2);
    const FilasCentros fpb =
        FilasDeCentros(basica.Grupo('1'), {79}, nombres, NivelFP::Basica, false, 0, 0, basica.filaTrasCentro);
    ASSERT_EQ(fpb.filas.size(), 4u);
    EXPECT_EQ(QuitarBlancosFinales(fpb.filas[1].col0), "Cocina y Restauraci\xF3n");
    EXPECT_EQ(QuitarBlancosFinales(fpb.filas[2].col0), "Reforma y Mantenimiento de Edificios");
    EXPECT_EQ(fpb.filas[3].col0, std::string(60, ' '));

    // Group 2 of the basic level is the screen's copy of "lu2", the map
    // markers read the shared list.
    EXPECT_EQ(basica.Grupo('2').centros, &centrosFPB2);
    EXPECT_EQ(basica.Grupo('2').ofertaFPB, &e.OfertaFPB[1]);
    EXPECT_EQ(basica.estrellas.centros[1], &e.Centros2);
    EXPECT_EQ(basica.Grupo('5').centros, nullptr);
    EXPECT_EQ(medio.estrellas.ofertas[2], &e.OfertaGM[2]);
}

TEST_F(NivelesFP, IntermediateSheetAndCentreListPrintouts)
{
    const NivelFPDatos medio = NivelMedio(e);
    // Cantabria (one province) teaches intermediate title 65 at lines 79 and
    // 84; its name fills the 30 characters of the heading.
    const std::string cantabria = "***  CANTABRIA" + std::string(21, ' ') + "  ***";
    EXPECT_EQ(BloqueComunidadTitulo(e, medio, 6, 65),
              (std::vector<std::string>{cantabria, "",
                                        "Santander        IES Pe\xF1" "acastillo           942430270",
                                        "Santander        IES Jos\xE9 del Campo         942437922", ""}));

    VistasTitulo vistas;
    vistas.secciones = {std::vector<std::string>{"Requisito"}, std::vector<std::string>{"Puesto"},
                        std::vector<std::string>{"      M\xF3" "dulo"}};
    SeleccionComunidadesFP sel;
    sel.Empezar();
    sel.Anadir(6);
    const HojaTituloFP h = HojaTitulo(e, medio, e.Textos, 65, vistas, sel);
    ASSERT_FALSE(h.pedirSeleccion);
    EXPECT_EQ(h.informe.titulo, "Emergencias Sanitarias (FP Grado Medio)");
    const std::vector<std::string> cabeza = {"** Requisitos de acceso **",
                                             "Requisito",
                                             "",
                                             "** Puestos de trabajo **",
                                             "Puesto",
                                             "",
                                             "** Salidas y m\xF3" "dulos del t\xEDtulo **",
                                             "      M\xF3" "dulo",
                                             std::string(34, '_'),
                                             "",
                                             "-D\xD3NDE SE PUEDE ESTUDIAR",
                                             "",
                                             cantabria};
    ASSERT_GE(h.informe.lineas.size(), cabeza.size());
    EXPECT_EQ(std::vector<std::string>(h.informe.lineas.begin(), h.informe.lineas.begin() + 13), cabeza);
    EXPECT_EQ(h.informe.negritas, (std::vector<int>{1, 4, 7, 13}));

    const InformeFP lista = InformeListaCentros(e.Textos, medio, "Santander", {{"-Santander  IES", "942430270", 0}});
    EXPECT_EQ(lista.titulo, "Oferta educativa: Santander - FP Grado Medio");
    EXPECT_TRUE(lista.negritas.empty());
    // The intermediate screen counts its report in NumLineasCuestionario.
    e.LineasInforme.Poner(1, "-Centro");
    e.LineasInforme.Poner(2, "Titulo");
    e.NumLineasInforme = 0;
    e.NumLineasCuestionario = 2;
    EXPECT_EQ(InformeListaCentros(e.Textos, medio, "Madrid", e).NumLineas(), 2);
}

} // namespace
