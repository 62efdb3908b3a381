#include "entorno_carga.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace norvela;
using norvela::pruebas::CarpetaPrueba;
using norvela::pruebas::Iniciado;

namespace {

// A value that tells where it came from.
int32_t Firma(int x, int k)
{
    return (x * 7 + k * 3) % 256;
}

} // namespace

TEST(Puntos3, RowsSplitIntoTheThreeMaps)
{
    CarpetaPrueba c;
    c.EscribirPuntos(Firma);
    Iniciado a(c);
    ASSERT_FALSE(a.e.ErrorFicheros) << a.m.textos.join('|').toStdString();
    for (int x : {1, 2, 140, 280, 281}) {
        for (int y : {1, 2, 100, 196})
            EXPECT_EQ(a.e.MapaComunidades.Valor(x, y), Firma(x, y)) << x << "," << y;
        for (int y : {1, 110, 220}) {
            EXPECT_EQ(a.e.MapaRegionesC.Valor(x, y), Firma(x, 196 + y)) << x << "," << y;
            EXPECT_EQ(a.e.MapaRegionesM.Valor(x, y), Firma(x, 416 + y)) << x << "," << y;
        }
    }
    // Outside the picture nothing lies under the mouse.
    EXPECT_EQ(a.e.MapaComunidades.Valor(0, 5), 0);
    EXPECT_EQ(a.e.MapaComunidades.Valor(5, 197), 0);
    EXPECT_EQ(a.e.MapaRegionesM.Valor(282, 5), 0);
}

// A missing text file, or a missing or unusable map, is told as a missing
// file and stops the loading: the lists after it are not loaded, no half
// map is kept, and (for the texts) no picture either.
TEST(Puntos3, UnusableFileIsReportedLikeAMissingOne)
{
    struct Caso {
        const char *caso, *fichero;
        std::function<void(CarpetaPrueba &)> estropear;
    };
    const Caso casos[] = {
        {"missing texts", "cas/textos", [](CarpetaPrueba &c) { c.Borrar("cas/textos"); }},
        {"missing", "puntos3", [](CarpetaPrueba &c) { c.Borrar("puntos3"); }},
        {"short", "puntos3", [](CarpetaPrueba &c) { c.EscribirBytes("puntos3", QByteArray(714863, '\0')); }},
        {"value 300", "puntos3",
         [](CarpetaPrueba &c) { c.EscribirPuntos([](int x, int k) { return x == 200 && k == 500 ? 300 : 1; }); }},
        {"negative value", "puntos3",
         [](CarpetaPrueba &c) { c.EscribirPuntos([](int x, int k) { return x == 3 && k == 3 ? -1 : 1; }); }},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.caso);
        CarpetaPrueba c;
        caso.estropear(c);
        Iniciado a(c);
        EXPECT_TRUE(a.e.ErrorFicheros);
        EXPECT_EQ(a.m.textos, QStringList{"Faltan ficheros (" + c.Ruta(caso.fichero) + "). Vuelva a instalar el programa"});
        EXPECT_EQ(a.e.NumRequisitos, 0);
        EXPECT_EQ(a.e.MapaComunidades.Valor(10, 10), 0);
        if (std::string(caso.fichero) == "cas/textos") {
            EXPECT_TRUE(a.e.BmpChica.isNull());
        }
    }
}

TEST(Puntos3, LongerFileReadsOnlyItsFirstRecord)
{
    CarpetaPrueba c;
    c.EscribirPuntos(Firma);
    QFile f(c.Ruta("puntos3"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(40, '\xFF'));
    f.close();
    Iniciado a(c);
    EXPECT_FALSE(a.e.ErrorFicheros);
    EXPECT_EQ(a.e.MapaRegionesM.Valor(281, 220), Firma(281, 636));
}

TEST(RegionModel, ProvinceCodesSelectOneOfFourGroups)
{
    TablaTexto codigos(1, 64, 2);
    IniciarCodigosProvincia(codigos);
    EXPECT_EQ(codigos[1], "37");
    EXPECT_EQ(codigos[15], "11");
    EXPECT_EQ(codigos[64], "32");
    std::set<std::string> distintos;
    for (int i = 1; i <= 64; ++i) {
        ASSERT_EQ(codigos[i].size(), 2u);
        EXPECT_TRUE(codigos[i][0] >= '1' && codigos[i][0] <= '4') << i;
        distintos.insert(codigos[i]);
    }
    EXPECT_EQ(distintos.size(), 64u);
}
