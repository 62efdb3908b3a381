// The degree report: its title, the wrapping of the outlets text, and the
// lines and bold entries assembled after the views ran in print mode.
#include "informe_grado.h"
#include "navegador_prueba.h"
#include "requisitos_grado.h"
#include "universidades_grado.h"

#include <gtest/gtest.h>

using namespace norvela;
using Lineas = std::vector<std::string>;

TEST(InformeGrado, TitleAndWrapping)
{
    const std::string cincuenta(50, 'x');
    EXPECT_EQ(TituloInformeGrado(cincuenta + "   ", "T522"), cincuenta + "   ");
    EXPECT_EQ(TituloInformeGrado(" " + std::string(49, 'y'), "Grado"), Cortar("Grado:  " + std::string(49, 'y'), 60));

    const std::string p = "El graduado puede trabajar en hospitales, centros de salud, laboratorios de "
                          "investigaci\xF3n y empresas farmac\xE9uticas, y en la docencia.";
    EXPECT_EQ(PartirParrafo(p), (Lineas{"El graduado puede trabajar en hospitales, centros de salud,",
                                        "laboratorios de investigaci\xF3n y empresas farmac\xE9uticas, y en la",
                                        "docencia."}));
    EXPECT_EQ(PartirParrafo("   "), Lineas{""});
    EXPECT_EQ(PartirParrafo("a " + std::string(70, 'z') + " b", 30),
              (Lineas{"a", std::string(30, 'z'), std::string(30, 'z'), std::string(10, 'z') + " b"}));
}

TEST(InformeGrado, TheReportFollowsTheViewsWithTheOutletsAndOnlyTheirBoldLines)
{
    pruebas::Navegable n;
    n.Grupo("Salud");
    const int g = n.Grado({"Medicina", 5, 1});
    n.Ensenar(g, n.Universidad(1, "Universidad de Sevilla"), 131);
    // Entries of an earlier report must not print bold.
    for (int k = 0; k <= 4; ++k)
        n.e.LineasNegrita[k] = 4;
    EXPECT_FALSE(AbrirInformeGrado(n.e, 2, "T522"));
    ASSERT_TRUE(AbrirInformeGrado(n.e, g, "T522"));
    const Lineas universidades = UniversidadesEnInforme(n.e, g, "T593").lineas;
    const int t = n.e.NumLineasInforme;
    const Lineas requisitos = LineasRequisitos(n.e, g);
    RequisitosParaInforme(n.e, g);

    const std::string a(40, 'a');
    const int fin = ComponerInformeGrado(n.e, "T278", {"Perfil", a + " " + a, ""});
    Lineas esperadas = {"T522: Medicina" + std::string(46, ' ')};
    esperadas.insert(esperadas.end(), universidades.begin(), universidades.end());
    esperadas.push_back("");
    esperadas.insert(esperadas.end(), requisitos.begin(), requisitos.end());
    esperadas.insert(esperadas.end(), {"             T278", "Perfil", a, a, ""});
    Lineas lineas;
    for (int i = 0; i <= fin; ++i)
        lineas.push_back(n.e.LineasInforme[i]);
    EXPECT_EQ(lineas, esperadas);
    EXPECT_EQ(n.e.NumLineasInforme, fin);
    EXPECT_EQ((std::vector<int>{n.e.LineasNegrita[0], n.e.LineasNegrita[1], n.e.LineasNegrita[2], n.e.LineasNegrita[3]}),
              (std::vector<int>{2, 2, t + 2, 0}));
    EXPECT_EQ(lineas[static_cast<size_t>(t + 2)][0], '-');
}
