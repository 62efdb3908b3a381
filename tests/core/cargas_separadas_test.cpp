#include "entorno_carga.h"
#include "cargas_separadas.h"
#include "enlace.h"

#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::Entorno;

namespace {

template <typename Error>
int LineaDelError(const std::function<void()> &carga)
{
    try {
        carga();
    } catch (const Error &error) {
        return error.Linea();
    }
    ADD_FAILURE() << "no error";
    return -1;
}

} // namespace

TEST(Separated, PartirCadenaKeepsEmptyFields)
{
    EXPECT_EQ(PartirCadena("1;;2;", ';'), (std::vector<std::string>{"1", "", "2", ""}));
    EXPECT_EQ(PartirCadena("", ';'), (std::vector<std::string>{""}));
    EXPECT_EQ(PartirCadena(" 3 ;4", ';'), (std::vector<std::string>{" 3 ", "4"}));
}

TEST(Separated, ByteTablesSkipZerosAndCheckTheirRanges)
{
    Entorno t;
    t.e.TablaCuestioCua.Poner(1, 2, 99);
    const QString f = t.Escribir("cuestiocua", {"3;5;0;7", "0", "-1;4"});
    CargarTablaBytes(t.e, f, t.e.TablaCuestioCua);
    EXPECT_EQ(t.e.TablaCuestioCua.En(1, 0), 3);
    EXPECT_EQ(t.e.TablaCuestioCua.En(1, 1), 5);
    EXPECT_EQ(t.e.TablaCuestioCua.En(1, 2), 99);   // 0 keeps what the byte held
    EXPECT_EQ(t.e.TablaCuestioCua.En(1, 3), 7);
    EXPECT_EQ(t.e.TablaCuestioCua.En(2, 0), 0);

    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarTablaBytes(t.e, t.Escribir("cuestioint", {"1;2", "1;256"}), t.e.TablaCuestioInt); }), 2);
    std::vector<std::string> veintiuna(21, "1;1");
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarTablaBytes(t.e, t.Escribir("cuestioESO", veintiuna), t.e.TablaCuestioESO); }), 21);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarTablaBytes(t.e, t.Escribir("cuestioESO", {"2;1"}), t.e.TablaCuestioESO); }), 1);
    EXPECT_EQ(LineaDelError<ErrorConversion>([&] { CargarTablaBytes(t.e, t.Escribir("cuestioESO", {"1; 4"}), t.e.TablaCuestioESO); }), 1);
    EXPECT_EQ(LineaDelError<ErrorConversion>([&] { CargarTablaBytes(t.e, t.Escribir("cuestioESO", {"1;;"}), t.e.TablaCuestioESO); }), 1);
    EXPECT_THROW(CargarTablaBytes(t.e, t.c.Ruta("no-existe"), t.e.TablaCuestioESO), ErrorEntradaSalida);
    EXPECT_TRUE(t.m.textos.isEmpty());
    EXPECT_FALSE(t.e.ErrorFicheros);
}

TEST(Separated, OffersFollowTheCentreGroups)
{
    Entorno t;
    t.e.NumCentros1 = 2;
    t.e.NumCentros2 = 0;
    t.e.NumCentros3 = 1;
    t.e.NumCentros4 = 1;
    t.e.NumFPSuperior = 40;
    t.e.OfertaGS[0].Poner(2, 0, 5);
    const QString f = t.Escribir("datluggsphp", {"3;12;15;40", "-1", "0", "1;7", "9;9;9"});
    CargarOfertaGS(t.e, f);
    EXPECT_EQ(t.e.OfertaGS[0].En(1, 0), 3);
    EXPECT_EQ(t.e.OfertaGS[0].En(1, 3), 40);
    EXPECT_EQ(t.e.OfertaGS[0].En(2, 0), 5);   // -1 leaves the row
    EXPECT_EQ(t.e.OfertaGS[2].En(1, 0), 0);
    EXPECT_EQ(t.e.OfertaGS[3].En(1, 1), 7);   // the line after block 4 is ignored

    // A file that ends before the last centre of group 4 names the line it
    // lacks, and the centre lists that ask for it.
    try {
        CargarOfertaGS(t.e, t.Escribir("datluggsphp", {"3;12;15;40", "-1", "0"}));
        ADD_FAILURE() << "a short offer loads";
    } catch (const ErrorRango &error) {
        EXPECT_EQ(error.Mensaje().toStdString(),
                  ("Error en el fichero " + f + ", línea 4: faltan líneas: se necesitan 4 según lu1, lu2, lu3 y lu4")
                      .toStdString());
    }

    // A title number beyond any title list, and too many titles.
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarOfertaGS(t.e, t.Escribir("datluggsphp", {"1;1", "1;1101", "0", "0"})); }), 2);
    std::string muchos = "26";
    for (int i = 0; i < 26; ++i)
        muchos += ";1";
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarOfertaGS(t.e, t.Escribir("datluggsphp", {"0", muchos, "0", "0"})); }), 2);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarOfertaGS(t.e, t.Escribir("datluggsphp", {"0", "3;1;2", "0", "0"})); }), 2);
}

TEST(Separated, ShortFileNeverTakesTheLinesOfThePreviousOne)
{
    Entorno t;
    t.e.NumCentros1 = 3;
    t.e.NumFPSuperior = 10;
    t.e.NumFPMedio = 10;
    CargarOfertaGS(t.e, t.Escribir("datluggsphp", {"1;1", "1;2", "1;3"}));
    const int linea = LineaDelError<ErrorRango>([&] { CargarOfertaGM(t.e, t.Escribir("datluggmphp", {"1;4", "1;5"})); });
    EXPECT_EQ(linea, 3);
    EXPECT_EQ(t.e.LineasFichero.size(), 2u);
    EXPECT_EQ(t.e.OfertaGM[0].En(1, 0), 0);   // nothing half loaded
}

TEST(Separated, NumberTablesOfDegreesAndCycles)
{
    Entorno t;
    t.e.NumGrados = 2;
    t.e.TablaGrados.Poner(3, 1, 77);
    CargarTablaGrados(t.e, t.Escribir("datgradosphp", {"1;0;1;2;0;0;0;0;4;101;1;2;0;0", "5;3;7;8;1;2;3;4;1;205;0;0;0;0"}));
    EXPECT_EQ(t.e.TablaGrados.En(1, 10), 101);
    EXPECT_EQ(t.e.TablaGrados.En(2, 1), 5);
    EXPECT_EQ(t.e.TablaGrados.En(3, 1), 77);
    EXPECT_EQ(BuscarGrado(t.e, 205), 2);
    EXPECT_EQ(BuscarGrado(t.e, 999), 0);
    t.e.TablaGrados.Poner(2, 10, 101);
    EXPECT_EQ(BuscarGrado(t.e, 101), 1);   // the first of two rows
    t.e.NumGrados = 0;
    EXPECT_EQ(BuscarGrado(t.e, 101), 0);

    t.e.NumGrados = 2;
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarTablaGrados(t.e, t.Escribir("datgradosphp", {"1;2;3", "1;0;1;2;0;0;0;0;4;101;1;2;0;0"})); }), 1);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarTablaGrados(t.e, t.Escribir("datgradosphp", {"1;0;1;2;0;0;0;0;4;101;1;2;0;0"})); }), 2);

    // The higher-cycle table clears all 25 fields of the rows it reads.
    t.e.NumFPSuperior = 1;
    t.e.TablaFPSuperior.Poner(1, 25, 9);
    std::string fila = "1";
    for (int i = 2; i <= 24; ++i)
        fila += ";" + std::to_string(i);
    CargarTablaFPSuperior(t.e, t.Escribir("datfpsphp", {fila}));
    EXPECT_EQ(t.e.TablaFPSuperior.En(1, 24), 24);
    EXPECT_EQ(t.e.TablaFPSuperior.En(1, 25), 0);
    std::vector<std::string> muchas(201, fila);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarTablaFPSuperior(t.e, t.Escribir("datfpsphp", muchas)); }), 201);

    t.e.NumFPMedio = 1;
    CargarTablaFPMedio(t.e, t.Escribir("datfpmphp", {"1;2;3;4;5;6;7"}));
    EXPECT_EQ(t.e.TablaFPMedio.En(1, 7), 7);
    EXPECT_EQ(LineaDelError<ErrorConversion>([&] { CargarTablaFPMedio(t.e, t.Escribir("datfpmphp", {"1;2;3;x;5;6;7"})); }), 1);
}

TEST(Separated, CutOffMarksAndTheirTitleLinks)
{
    Entorno t;
    t.e.NumGrados = 2;
    t.e.NumUniversidades = 30;
    t.e.NumNuevosTitulos = 12;
    const QString f = t.Escribir("datcarnphp", {
                                                   "5;1;2;3;4;5", "1;30",       // universities
                                                   "5;50;10;123;90;0", "1;255", // marks in tenths
                                                   "5;4;4;0;9;4", "1;0",        // university titles
                                               });
    CargarNotasCorte(t.e, f);
    EXPECT_EQ(t.e.NotasCorteUni.En(1, 0), 5);
    EXPECT_EQ(t.e.NotasCorteUni.En(2, 1), 30);
    EXPECT_EQ(t.e.NotasCorte.En(1, 3), 123);
    EXPECT_EQ(t.e.NotasCorte.En(2, 1), 255);
    EXPECT_EQ(t.e.EnlacesGrado.En(1, 0), 2);
    EXPECT_EQ(t.e.EnlacesGrado.En(1, 1), 4);
    EXPECT_EQ(t.e.EnlacesGrado.En(1, 2), 9);
    EXPECT_EQ(t.e.EnlacesGrado.En(2, 0), 0);

    // Indexes are checked against their lists.
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;256", "1;1", "1;5", "1;2", "1;0", "1;0"})); }), 1);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;1", "1;1", "1;5", "1;256", "1;0", "1;0"})); }), 4);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;1", "1;1", "1;5", "1;2", "1;-1", "1;0"})); }), 5);
    // The three blocks must agree on each degree's count, and be there.
    EXPECT_THROW(CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;1", "1;1", "2;5;6", "1;2", "1;0", "1;0"})), ErrorRango);
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;1", "1;1", "1;5", "1;2", "1;0"})); }), 6);

    // A 16th distinct title of one degree is refused for itself: every
    // index is within its list, only the 15-title limit trips.
    t.e.NumGrados = 1;
    t.e.NumUniversidades = 1;
    t.e.NumNuevosTitulos = 16;
    const auto Bloques = [](int distintos) {
        std::string unis = "16", notas = "16", titulos = "16";
        for (int i = 1; i <= 16; ++i) {
            unis += ";1";
            notas += ";50";
            titulos += ";" + std::to_string(std::min(i, distintos));
        }
        return std::vector<std::string>{unis, notas, titulos};
    };
    CargarNotasCorte(t.e, t.Escribir("datcarnphp", Bloques(15)));
    EXPECT_EQ(t.e.EnlacesGrado.En(1, 0), 15);
    EXPECT_EQ(t.e.EnlacesGrado.En(1, 15), 15);
    try {
        CargarNotasCorte(t.e, t.Escribir("datcarnphp", Bloques(16)));
        ADD_FAILURE() << "a 16th distinct title must not load";
    } catch (const ErrorRango &error) {
        EXPECT_EQ(error.Linea(), 3);
        EXPECT_TRUE(error.Detalle().contains("15 títulos distintos")) << error.Detalle().toStdString();
    }
}

TEST(Separated, CutOffIndexesNeedTheirListsLoadedFirst)
{
    Entorno t;
    t.e.NumGrados = 1;
    const QString f = t.Escribir("datcarnphp", {"1;3", "1;50", "1;0"});
    // The same rule for both lists: nothing loaded, nothing to point at.
    try {
        CargarNotasCorte(t.e, f);
        ADD_FAILURE() << "universities without \"lugar\"";
    } catch (const ErrorRango &error) {
        EXPECT_EQ(error.Linea(), 1);
        EXPECT_TRUE(error.Detalle().contains("lugar")) << error.Detalle().toStdString();
        EXPECT_TRUE(error.Detalle().contains("no está cargada"));
    }
    t.e.NumUniversidades = 3;
    CargarNotasCorte(t.e, f);   // title 0 (none) needs no "carrenue"
    EXPECT_EQ(t.e.NotasCorteUni.En(1, 1), 3);
    try {
        CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;3", "1;50", "1;2"}));
        ADD_FAILURE() << "titles without \"carrenue\"";
    } catch (const ErrorRango &error) {
        EXPECT_EQ(error.Linea(), 3);
        EXPECT_TRUE(error.Detalle().contains("carrenue")) << error.Detalle().toStdString();
    }
    t.e.NumNuevosTitulos = 1;
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { CargarNotasCorte(t.e, t.Escribir("datcarnphp", {"1;3", "1;50", "1;256"})); }), 3);
}

TEST(Separated, LineCapacityOfTheWorkList)
{
    Entorno t;
    std::vector<std::string> lineas(4400, "0");
    EXPECT_EQ(LeerLineasFichero(t.e, t.Escribir("datfpmphp", lineas)), 4400);
    lineas.push_back("0");
    EXPECT_EQ(LineaDelError<ErrorRango>([&] { LeerLineasFichero(t.e, t.Escribir("datfpmphp", lineas)); }), 4401);
    EXPECT_TRUE(t.e.LineasFichero.empty());
}
