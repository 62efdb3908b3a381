// The intermediate-cycle titles: the section limits of "fp2", the
// requirement code of each section and the views on the screen and in the
// title sheet. Small tables are built here; one case loads the shipped data
// through the itinerary screen's loader.
#include "carga_itinerarios.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "titulos_medio.h"

#include <gtest/gtest.h>

using namespace norvela;

namespace {

// "fp2" of six families: four plain ones (the second without titles), the
// arts family "|Cerámica" and the sports section "!Deportes".
struct Medio : ::testing::Test {
    Medio() : e(m)
    {
        const char *lineas[] = {"-Agraria", "Jardinería", "Forestal", "-Artes y Artesanías", "-Comercio",
                                "Actividades Comerciales", "-Sanidad", "Farmacia", "Emergencias", "-|Cerámica",
                                "Alfarería", "-!Deportes", "Fútbol", "Vela"};
        int k = 0, f = 0;
        for (const char *l : lineas) {
            e.NombresFPMedio.Poner(++k, l);
            if (l[0] == '-') {
                e.EncabezadosFPMedio.Poner(++f, l + 1);
                e.FilaTituloGM[f] = k;
            }
        }
        e.NumFPMedio = k;
        e.NumFamiliasGM = f;
        CalcularSeccionesGM(e);
    }
    MensajesRegistrados m;
    Enlace e;
};

} // namespace

TEST_F(Medio, SectionLimits)
{
    EXPECT_EQ(e.FamiliasAntesDeMarcaGM, 4);
    EXPECT_EQ(e.SeccionGMDesde, 10);
    EXPECT_EQ(e.SeccionGMHasta, 12);
    // Without the arts and sports sections every title is below both limits.
    e.NombresFPMedio.Poner(10, "-Ceramica");
    e.NombresFPMedio.Poner(12, "-Deportes");
    e.EncabezadosFPMedio.Poner(5, "Ceramica");
    CalcularSeccionesGM(e);
    EXPECT_EQ(e.FamiliasAntesDeMarcaGM, e.NumFamiliasGM);
    EXPECT_EQ(e.SeccionGMDesde, 15);
    EXPECT_EQ(e.SeccionGMHasta, 15);
}

TEST(TitulosMedio, RequirementCodeBySection)
{
    struct Caso {
        int titulo;
        const char *codigo;
    } casos[] = {{1, "13"}, {49, "13"}, {50, "22"}, {89, "22"}, {90, "23"}, {98, "23"}};
    for (const Caso &c : casos)
        EXPECT_EQ(CodigoRequisitosGM(c.titulo, 50, 90), c.codigo) << "title " << c.titulo;
}

TEST_F(Medio, ViewsOnScreenAndInTheReport)
{
    TablaTexto requisitos{1, 600, 100};
    requisitos.Poner(1, "13Titulo de ESO.");
    requisitos.Poner(2, "22Prueba específica.");
    requisitos.Poner(3, "13O prueba de acceso.");
    requisitos.Poner(4, "18No es de grado medio.");
    requisitos.Poner(5, "23Prueba deportiva.");
    EXPECT_EQ(LineasRequisitosGM(requisitos, 4, "13", 60),
              (std::vector<std::string>{"Titulo de ESO.", "O prueba de acceso."}));
    EXPECT_EQ(LineasRequisitosGM(requisitos, 4, "13", 10), (std::vector<std::string>{"Titulo d", "O prueba"}));
    EXPECT_EQ(LineasRequisitosGM(requisitos, 1, "22", 60), std::vector<std::string>{});

    // Title 2: five jobs, then a heading and three subjects; title 3 has
    // nothing in line 7.
    const char *bloque[] = {"Jardinero", "Viverista", "", "", "", "Módulos:", "Botánica", "Riego", "Poda"};
    for (int k = 1; k <= 9; ++k)
        e.AsignaturasFPMedio.Poner(2, k, bloque[k - 1]);
    e.AsignaturasFPMedio.Poner(3, 6, "Módulos:");
    e.AsignaturasFPMedio.Poner(3, 8, "Suelos");
    EXPECT_EQ(LineasPuestosGM(e, 2), (std::vector<std::string>{"Jardinero", "Viverista", "", "", ""}));
    const std::vector<std::string> pantalla = LineasAsignaturasGM(e, 2, true);
    ASSERT_EQ(pantalla.size(), 21u);
    EXPECT_EQ((std::vector<std::string>(pantalla.begin(), pantalla.begin() + 4)),
              (std::vector<std::string>{"Módulos:", "", "Botánica", "Riego"}));
    EXPECT_EQ(LineasAsignaturasGM(e, 3, true).size(), 20u) << "no empty row before a blank line 7";
    EXPECT_EQ(LineasAsignaturasGM(e, 2, false).size(), 9u);
    EXPECT_TRUE(LineasPuestosGM(e, 201).empty());

    // The sheet's sections: requirements, jobs, and the subjects without
    // the screen's empty row and with only the last 11 blank lines gone.
    const VistasTitulo v = VistasDeTituloGM(e, requisitos, 4, 2, 60);
    EXPECT_EQ(v.secciones[0], (std::vector<std::string>{"Titulo de ESO.", "O prueba de acceso."}));
    EXPECT_EQ(v.secciones[1], LineasPuestosGM(e, 2));
    const std::vector<std::string> asignaturas = {"Módulos:", "Botánica", "Riego", "Poda", "", "", "", "", ""};
    EXPECT_EQ(v.secciones[2], asignaturas);
    // The sports section lists the "23" lines.
    EXPECT_EQ(VistasDeTituloGM(e, requisitos, 5, 13, 60).secciones[0], std::vector<std::string>{"Prueba deportiva."});
}

TEST(TitulosMedio, TheItineraryLoaderReadsTheShippedFilesInEveryLanguage)
{
    for (int idioma = 0; idioma < 4; ++idioma) {
        MensajesRegistrados m;
        Enlace e(m);
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("medio"), idioma));
        CargarDatosItinerarios(e);
        ASSERT_FALSE(e.ErrorFicheros) << idioma;
        EXPECT_EQ(e.NumCuesGM + kOpcionesCuestionarioGM, 54) << idioma;
        EXPECT_EQ(e.NumFPMedio, 98) << idioma;
        EXPECT_EQ(e.NumFamiliasGM, 30) << idioma;
        EXPECT_EQ(e.FamiliasAntesDeMarcaGM, 26) << idioma;
        EXPECT_EQ(e.SeccionGMDesde, 83) << idioma;
        EXPECT_EQ(e.SeccionGMHasta, 91) << idioma;
        // The first statement's codes are its first two characters.
        EXPECT_EQ(e.CodigoGM1[1], 5);
        EXPECT_EQ(e.CodigoGM2[1], 0);
        EXPECT_EQ(e.CuestionesGM[1].substr(0, 2), "50");
        EXPECT_FALSE(e.CuestionarioGM);
    }
}
