#include "entorno_carga.h"
#include "cargas_listas.h"
#include "cadenas.h"
#include "cargas_columnas.h"
#include "enlace.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace norvela;
using norvela::pruebas::Entorno;

namespace {

std::vector<std::string> Lineas(int n, const std::string &prefijo = "linea ")
{
    std::vector<std::string> r;
    for (int i = 1; i <= n; ++i)
        r.push_back(prefijo + std::to_string(i));
    return r;
}

std::string Blancos(int n)
{
    return std::string(static_cast<size_t>(n), ' ');
}

} // namespace

TEST(ListLoaders, TextListPadsCutsAndKeepsThePath)
{
    Entorno t;
    t.c.EscribirLineas("carreran", {"abc", "", std::string(70, 'x'), "abcde"});
    int n = 0;
    CargarListaTexto(t.e, t.c.Ruta("carreran"), t.e.NombresGrado, n, 60);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(t.e.NombresGrado[0], t.c.Ruta("carreran").toStdString());
    EXPECT_EQ(t.e.NombresGrado[1], "abc" + Blancos(57));
    EXPECT_EQ(t.e.NombresGrado[2], Blancos(59));
    EXPECT_EQ(t.e.NombresGrado[3], std::string(60, 'x'));
    // Width 90 pads with 80 blanks, then the 60-wide table cuts.
    CargarListaTexto(t.e, t.c.Ruta("carreran"), t.e.NombresGrado, n, 90);
    EXPECT_EQ(t.e.NombresGrado[4], "abcde" + Blancos(55));
    // Width 55 into a 75-wide table.
    CargarListaTexto75(t.e, t.c.Ruta("carreran"), t.e.CuestionesGM, n, 55);
    EXPECT_EQ(t.e.CuestionesGM[1].size(), 55u);
    EXPECT_TRUE(t.m.textos.isEmpty());
}

TEST(ListLoaders, SeventyFiveWideListsKeepTheirWholeLines)
{
    Entorno t;
    const std::string larga = "01" + std::string(70, 'q') + "fin";
    t.c.EscribirLineas("cas/cuesgm", {larga, "ab"});
    int n = 0;
    CargarListaTexto75(t.e, t.c.Ruta("cas/cuesgm"), t.e.CuestionesGM, n, 75);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(t.e.CuestionesGM[1], larga);
    EXPECT_EQ(t.e.CuestionesGM[2], "ab" + Blancos(73));
    // A table that would cut them is refused, not silently used.
    EXPECT_THROW(CargarListaTexto75(t.e, t.c.Ruta("cas/cuesgm"), t.e.ListaAux, n, 75), std::logic_error);
}

TEST(ListLoaders, CrLfLfAndCrAloneEachEndALine)
{
    Entorno t;
    t.c.EscribirBytes("carreranb", "uno\r\ndos\rtres\nx\r\r\ncuatro\r");
    int n = 0;
    CargarListaTexto(t.e, t.c.Ruta("carreranb"), t.e.NombresGrupo, n, 10);
    EXPECT_EQ(n, 6);
    EXPECT_EQ(t.e.NombresGrupo[1], "uno" + Blancos(7));
    EXPECT_EQ(t.e.NombresGrupo[2], "dos" + Blancos(7));
    EXPECT_EQ(t.e.NombresGrupo[3], "tres" + Blancos(6));
    EXPECT_EQ(t.e.NombresGrupo[4], "x" + Blancos(9));
    EXPECT_EQ(t.e.NombresGrupo[5], Blancos(9));
    EXPECT_EQ(t.e.NombresGrupo[6], "cuatro" + Blancos(4));
}

// Every table loads a file as long as it holds; one line more is an error
// naming that line, not a cut.
TEST(ListLoaders, EachTableLoadsToItsCapacityAndNamesTheFirstLineBeyond)
{
    Entorno t;
    int n = 0;
    struct Caso {
        const char *fichero;
        int capacidad;
        std::function<void(const QString &)> cargar;
    };
    const Caso casos[] = {
        {"lu1", 1100, [&](const QString &f) { CargarListaTexto(t.e, f, t.e.Centros1, n, 60); }},
        {"certificah", 250, [&](const QString &f) { CargarLista250(t.e, f, t.e.ExplicacionCertificados, n); }},
        {"carrenue", 350, [&](const QString &f) { CargarLista120(t.e, f, t.e.NuevosTitulos, n); }},
        {"comuint", 20, [&](const QString &f) { CargarWebComunidades(t.e, f, n); }},
        // The lines of 26-line and of 51-line blocks.
        {"asignaba", 5000, [&](const QString &f) { CargarBloques26(t.e, f, t.e.AsignaturasFPBasica); }},
        {"asignaot", 2500, [&](const QString &f) { CargarBloques50(t.e, f); }},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.fichero);
        EXPECT_NO_THROW(c.cargar(t.Escribir(c.fichero, Lineas(c.capacidad))));
        try {
            c.cargar(t.Escribir(c.fichero, Lineas(c.capacidad + 1)));
            ADD_FAILURE() << "one line more loads";
        } catch (const ErrorRango &error) {
            EXPECT_EQ(std::tuple(error.Linea(), error.Fichero().toStdString(), error.Detalle().toStdString()),
                      std::tuple(c.capacidad + 1, t.c.Ruta(c.fichero).toStdString(), std::string("demasiadas líneas")));
        }
    }
    // A failed load keeps the count it had, and the lines before the error.
    n = -1;
    EXPECT_THROW(CargarListaTexto(t.e, t.Escribir("lu1", Lineas(1101, "otra ")), t.e.Centros1, n, 60), ErrorRango);
    EXPECT_EQ(n, -1);
    EXPECT_EQ(t.e.Centros1[1100].substr(0, 9), "otra 1100");
}

TEST(ListLoaders, UnpaddedListsKeepTheirFirstCharacters)
{
    Entorno t;
    t.c.EscribirLineas("activida", {"0101 Sanidad", std::string(70, 'a')});
    t.c.EscribirLineas("certificah", {"1Texto", std::string(100, 'b')});
    int n = 0;
    CargarLista60(t.e, t.c.Ruta("activida"), t.e.NombresActividad, n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(t.e.NombresActividad[1], "0101 Sanidad");
    EXPECT_EQ(t.e.NombresActividad[2], std::string(60, 'a'));
    CargarLista250(t.e, t.c.Ruta("certificah"), t.e.ExplicacionCertificados, n);
    EXPECT_EQ(t.e.ExplicacionCertificados[1], "1Texto");
    EXPECT_EQ(t.e.ExplicacionCertificados[2], std::string(90, 'b'));
    EXPECT_EQ(t.e.ExplicacionCertificados[0], t.c.Ruta("certificah").toStdString());
}

TEST(ListLoaders, MissingFileMessageOrInputOutputError)
{
    Entorno t;
    int n = 7;
    t.e.NombresGrado.Poner(1, "antes");
    CargarListaTexto(t.e, t.c.Ruta("carreran"), t.e.NombresGrado, n, 60);
    EXPECT_EQ(t.m.textos, QStringList{"Faltan ficheros (" + t.c.Ruta("carreran") + "). Vuelva a instalar el programa"});
    EXPECT_TRUE(t.e.ErrorFicheros);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(t.e.NombresGrado[1], "antes");
    // Blocks too; the call returns normally.
    Entorno b;
    CargarBloques26(b.e, b.c.Ruta("asignagm"), b.e.AsignaturasFPMedio);
    EXPECT_EQ(b.m.textos, QStringList{"Faltan ficheros (" + b.c.Ruta("asignagm") + "). Vuelva a instalar el programa"});
    EXPECT_TRUE(b.e.ErrorFicheros);

    Entorno u;
    EXPECT_THROW(CargarLista120(u.e, u.c.Ruta("carrenue"), u.e.NuevosTitulos, n), ErrorEntradaSalida);
    EXPECT_TRUE(u.m.textos.isEmpty());
    EXPECT_FALSE(u.e.ErrorFicheros);
}

TEST(ListLoaders, HeadingsKeepTheirLineNumbersAndEntryZero)
{
    Entorno t;
    t.c.EscribirLineas("fp", {"-Sanidad", "Tecnico en Farmacia", "Tecnico en Emergencias", "-|Informatica", "DAM"});
    int n = 0;
    int titulos = 0;
    CargarListaTexto(t.e, t.c.Ruta("fp"), t.e.NombresFPSuperior, titulos, 60);
    TablaValores<int> lineas(1, 1100);
    CargarEncabezados(t.e, t.c.Ruta("fp"), t.e.NombresFPSuperior, n, lineas, 60);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(lineas[1], 1);
    EXPECT_EQ(lineas[2], 4);
    EXPECT_EQ(t.e.NombresFPSuperior[1], "Sanidad" + Blancos(53));
    EXPECT_EQ(t.e.NombresFPSuperior[2], "|Informatica" + Blancos(48));
    // Entry 0 still names the file of the list loader.
    EXPECT_EQ(t.e.NombresFPSuperior[0], t.c.Ruta("fp").toStdString());
}

// Blocks of 26 lines (a title line and 25 entries) and of 51 (a title line
// and 50): entry k of block b is the line after the block's title line,
// padded to the list's width; a last line opening a further block stores nothing.
TEST(Blocks, EachBlockKeepsTheLinesAfterItsTitleLine)
{
    struct Caso {
        int periodo;
        std::function<const TablaBloques &(Entorno &, const QString &)> cargar;
    };
    for (const Caso &c : {Caso{26,
                               [](Entorno &t, const QString &f) -> const TablaBloques & {
                                   CargarBloques26(t.e, f, t.e.AsignaturasFPSuperior);
                                   return t.e.AsignaturasFPSuperior;
                               }},
                          Caso{51, [](Entorno &t, const QString &f) -> const TablaBloques & {
                                   CargarBloques50(t.e, f);
                                   return t.e.AsignaturasOtros;
                               }}}) {
        SCOPED_TRACE(c.periodo);
        const int p = c.periodo;
        Entorno t;
        auto lineas = Lineas(2 * p);
        lineas.push_back("cabecera 3");
        const TablaBloques &b = c.cargar(t, t.Escribir("bloques", lineas));
        EXPECT_EQ(b.En(1, 1), "linea 2" + Blancos(53));
        EXPECT_EQ(QuitarBlancosFinales(b.En(1, p - 1)), "linea " + std::to_string(p));
        EXPECT_EQ(QuitarBlancosFinales(b.En(2, 1)), "linea " + std::to_string(p + 2));
        EXPECT_EQ(QuitarBlancosFinales(b.En(2, p - 1)), "linea " + std::to_string(2 * p));
        EXPECT_EQ(b.En(3, 1), "");
    }
}
