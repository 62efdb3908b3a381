// The data layer at the edges of its tables and files: the first and last
// entries, one past them, and a table filled exactly to its capacity.
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "entorno_carga.h"
#include "lectura.h"
#include "mapa_regiones.h"
#include "validacion.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::Entorno;

TEST(Bordes, AFileThatStartsWithANewlineHasAnEmptyFirstLine)
{
    Entorno t;
    for (const auto &[bytes, esperado] : std::vector<std::pair<QByteArray, std::vector<std::string>>>{
             {"\nuno\r\n", {"", "uno"}}, {"\r\n\r\ndos", {"", "", "dos"}}, {"\n", {""}}}) {
        t.c.EscribirBytes("f", bytes);
        EXPECT_EQ(LeerLineas(t.c.Ruta("f")), esperado) << bytes.toStdString();
    }
}

TEST(Bordes, TheLastEntryOfByteAndBlockTablesAndTheMapsEdgesAreTheirOwn)
{
    // Entry 0 of a block is no entry: never the last of the block before.
    TablaBloques b(3, 25, 60);
    b.Poner(3, 25, "ultima");
    EXPECT_EQ(b.En(3, 25), "ultima");
    EXPECT_EQ(b.En(3, 24), "");
    for (const auto &[bloque, entrada] : {std::pair{2, 0}, {0, 1}, {4, 1}, {3, 26}})
        EXPECT_THROW(b.Poner(bloque, entrada, "x"), ErrorIndice) << bloque << "," << entrada;
    EXPECT_EQ(b.En(1, 25), "");

    TablaBytes t(20, 50);
    t.Poner(20, 50, 7);
    t.Poner(1, 0, 9);
    EXPECT_EQ(t.En(20, 50), 7);
    EXPECT_EQ(t.En(20, 49), 0);
    EXPECT_EQ(t.En(19, 50), 0);
    EXPECT_EQ(t.En(1, 0), 9);
    for (const auto &[fila, byte] : {std::pair{21, 0}, {20, 51}, {0, 1}, {1, -1}})
        EXPECT_THROW(t.Poner(fila, byte, 1), ErrorIndice) << fila << "," << byte;

    MapaBytes m(281, 196);
    m.Poner(281, 196, 5);
    m.Poner(1, 1, 6);
    EXPECT_EQ(m.Valor(281, 196), 5);
    EXPECT_EQ(m.Valor(1, 1), 6);
    EXPECT_EQ(m.Valor(281, 195), 0);
    for (const auto &[x, y] : {std::pair{0, 1}, {282, 1}, {1, 0}, {1, 197}}) {
        EXPECT_THROW(m.Poner(x, y, 1), ErrorIndice) << x << "," << y;
        EXPECT_EQ(m.Valor(x, y), 0) << x << "," << y;
    }
}

TEST(Bordes, ADegreeTableFilledToItsCapacityLoadsAndOneRowMoreIsAnError)
{
    Entorno t;
    const int capacidad = t.e.TablaGrados.FilaUltima();
    ASSERT_EQ(capacidad, 350);
    std::vector<std::string> nombres, filas;
    for (int i = 1; i <= capacidad + 1; ++i) {
        nombres.push_back("Grado " + std::to_string(i));
        filas.push_back("1;0;0;0;0;0;0;0;1;" + std::to_string(100 + i) + ";0;0;0;0");
    }
    const auto cargar = [&](int n) {
        CargarListaTexto(t.e, t.Escribir("cas/carreran", {nombres.begin(), nombres.begin() + n}), t.e.NombresGrado,
                         t.e.NumGrados, 60);
        CargarTablaGrados(t.e, t.Escribir("datgradosphp", {filas.begin(), filas.begin() + n}));
    };
    cargar(capacidad);
    EXPECT_EQ(t.e.TablaGrados.En(capacidad, 10), 100 + capacidad);
    EXPECT_NO_THROW(ComprobarCoherencia(t.e));
    try {
        cargar(capacidad + 1);
        ADD_FAILURE() << "351 degree rows";
    } catch (const ErrorRango &error) {
        EXPECT_EQ(error.Linea(), capacidad + 1);
    }
}

TEST(Bordes, AnErrorOnTheFirstLineSaysLineOneAndOneOfNoLineSaysNone)
{
    EXPECT_EQ(ErrorDatos("/d/fp", 1, "mal").Mensaje(), "Error en el fichero /d/fp, línea 1: mal");
    EXPECT_EQ(ErrorDatos("/d/fp", 0, "mal").Mensaje(), "Error en el fichero /d/fp: mal");
}
