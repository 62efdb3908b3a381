#include "entorno_carga.h"

#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::CarpetaPrueba;
using norvela::pruebas::Iniciado;

namespace {

std::vector<std::string> LineasNumeradas(int n)
{
    std::vector<std::string> lineas;
    for (int i = 1; i <= n; ++i)
        lineas.push_back("linea numero " + std::to_string(i) + " con bastante texto para cortar    ");
    return lineas;
}

} // namespace

TEST(Textos, LengthTableHasEveryTextAndNoSkippedNumber)
{
    int variables = 0;
    for (int k = 0; k <= 760; ++k)
        variables += TextosInterfaz::Existe(k) ? 1 : 0;
    EXPECT_EQ(variables, 719);
    EXPECT_EQ(TextosInterfaz::Longitud(188), 2);
    EXPECT_EQ(TextosInterfaz::Longitud(234), 80);
    EXPECT_EQ(TextosInterfaz::Longitud(553), 25);
    EXPECT_EQ(TextosInterfaz::Longitud(555), 22);
    for (int k : {1, 172, 554, 572, 574, 613, 621, 672, 675, 676, 699, 710, 750})
        EXPECT_FALSE(TextosInterfaz::Existe(k)) << k;
}

TEST(Textos, LinesAreTrimmedAndCutToTheirLengths)
{
    CarpetaPrueba c;
    auto lineas = LineasNumeradas(749);
    lineas[1] = "  Inicio del programa   ";        // text 2, length 6: leading blanks stay
    lineas[233] = std::string(90, 'x');            // text 234, length 80: the file keeps 75
    lineas[171] = "sin variable";                  // line 172 reaches no text
    lineas[9] = "";                                // text 10 empty
    c.EscribirLineas("cas/textos", lineas);
    Iniciado a(c);
    ASSERT_FALSE(a.e.ErrorFicheros) << a.m.textos.join('|').toStdString();
    EXPECT_EQ(a.e.Textos[2], "  Inic");
    EXPECT_EQ(a.e.Textos[234], std::string(75, 'x'));
    EXPECT_EQ(a.e.TextosLeidos[172], "sin variable");
    EXPECT_THROW((void)a.e.Textos[172], ErrorIndice);
    EXPECT_EQ(a.e.Textos[10], "");
    EXPECT_EQ(a.e.Textos[749], "linea numero 749 con bastante texto para cort");   // cut to 45, no trailing blanks
    EXPECT_EQ(a.e.TextosLeidos[0], (c.Ruta("cas/textos")).toStdString());
}

TEST(Textos, EmptyLinesUpToTheLastTextLoadAndAShorterFileIsRefused)
{
    CarpetaPrueba c;   // the fixture holds 4 texts and empty lines up to line 749
    Iniciado a(c);
    ASSERT_FALSE(a.e.ErrorFicheros);
    EXPECT_TRUE(a.m.textos.isEmpty());
    EXPECT_EQ(a.e.Texto(2), "Inicio");
    EXPECT_EQ(a.e.Texto(3), QString::fromUtf8("Texto tres, con acentos: "));   // cut to 25
    EXPECT_EQ(a.e.Texto(4), "cuatro");
    EXPECT_EQ(a.e.Texto(5), "");
    EXPECT_EQ(a.e.Texto(749), "");

    c.EscribirLineas("cas/textos", LineasNumeradas(748));
    Iniciado b(c);
    EXPECT_TRUE(b.e.ErrorFicheros);
    EXPECT_EQ(b.m.textos, QStringList{"Error en el fichero " + c.Ruta("cas/textos")
                                      + ": tiene 748 líneas y el programa lee hasta la línea 749"});
    EXPECT_EQ(b.e.Textos[2], "");
}

TEST(Textos, TooManyLinesStopsStartUpWithoutAssigningTexts)
{
    CarpetaPrueba c;
    c.EscribirLineas("cas/textos", LineasNumeradas(1101));
    Iniciado a(c);
    EXPECT_TRUE(a.e.ErrorFicheros);
    ASSERT_EQ(a.m.textos.size(), 1);
    EXPECT_TRUE(a.m.textos[0].contains("1101")) << a.m.textos[0].toStdString();
    EXPECT_EQ(a.e.Textos[2], "");
    EXPECT_TRUE(a.e.BmpChica.isNull());

    // 1100 lines still fit.
    c.EscribirLineas("cas/textos", LineasNumeradas(1100));
    Iniciado b(c);
    EXPECT_FALSE(b.e.ErrorFicheros);
    EXPECT_EQ(b.e.TextosLeidos[1100].substr(0, 17), "linea numero 1100");
}
