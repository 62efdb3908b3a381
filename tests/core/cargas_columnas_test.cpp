#include "entorno_carga.h"
#include "cargas_columnas.h"
#include "enlace.h"

#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::Entorno;

namespace {

std::string Dos(int v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

// 41 district lines and `extra` sub-district lines.
std::vector<std::string> Comarcas(int extra)
{
    std::vector<std::string> r;
    for (int k = 1; k <= 41; ++k)
        r.push_back("5" + std::string(1, static_cast<char>('a' + k % 26)) + Dos(k) + "Comarca " + Dos(k)
                    + "          resto ignorado");
    for (int k = 1; k <= extra; ++k)
        r.push_back("5x" + std::string("Distrito ") + std::to_string(k));
    return r;
}

} // namespace

TEST(ColumnLoaders, DistrictsAndSubDistricts)
{
    Entorno t;
    auto lineas = Comarcas(5);
    lineas[36] = "5c37Barcelon\xE8s          ";
    t.c.EscribirLineas("comarcas", lineas);
    int n = 0;
    CargarCodigosSuperior(t.e, t.c.Ruta("comarcas"), n, 20);
    EXPECT_EQ(n, 46);
    EXPECT_EQ(t.e.NombresComarcas[37], "Barcelon\xE8s          ");   // columns 5..24
    EXPECT_EQ(t.e.CodigosComarcas[37], "5c");
    EXPECT_EQ(t.e.NombresComarcas[42], "Distrito 1");                    // from column 3
    EXPECT_EQ(t.e.CodigosComarcas[46], "5x");
    EXPECT_TRUE(t.m.textos.isEmpty());
}

// A district or zone line without its number says "mal" with the lines
// stored before it and its line (a districts file shorter than 41 lines fails
// at the first missing one), and the count stays; a number outside the table,
// or a fourth line of one zone, is an error; a file that cannot be read too.
TEST(ColumnLoaders, BadDistrictAndZoneFilesSayMalOrStop)
{
    const auto comarcas = [](int k, const std::string &linea) {
        auto r = Comarcas(0);
        if (k > 41)
            r.pop_back();
        else
            r[static_cast<size_t>(k - 1)] = linea;
        return r;
    };
    struct Caso {
        const char *fichero;
        std::vector<std::string> lineas;
        const char *mal;   // null: an error
    };
    const Caso casos[] = {
        {"comarcas", comarcas(7, "5aX7Comarca siete"), "mal 7 (%1, línea 7)"},
        {"comarcas", comarcas(42, ""), "mal 41 (%1, línea 41)"},
        {"comarcas", comarcas(4, "5a61Fuera"), nullptr},
        {"comarcasm", {"8a01A", "8b02B", "8cxxC"}, "mal 2 (%1, línea 3)"},
        {"comarcasm", {"8a01A", "8a01B", "8a01C", "8a01D"}, nullptr},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(testing::Message() << c.fichero << ", case " << &c - casos);
        Entorno t;
        const QString ruta = t.Escribir(c.fichero, c.lineas);
        int n = -1;
        const auto cargar = [&] {
            if (std::string(c.fichero) == "comarcas")
                CargarCodigosSuperior(t.e, ruta, n, 20);
            else
                CargarZonasSuperior(t.e, ruta, n, 25);
        };
        if (!c.mal) {
            EXPECT_THROW(cargar(), ErrorRango);
            continue;
        }
        cargar();
        EXPECT_EQ(t.m.textos, QStringList{QString::fromUtf8(c.mal).arg(ruta)});
        EXPECT_EQ(n, -1);
        EXPECT_TRUE(t.e.ErrorFicheros);
    }
    Entorno w;
    int n = 0;
    EXPECT_THROW(CargarCodigosSuperior(w.e, w.c.Ruta("comarcas"), n, 20), ErrorEntradaSalida);
}

TEST(ColumnLoaders, ZonesListUpToThreeLinesEach)
{
    Entorno t;
    t.c.EscribirLineas("comarcasm", {"8a01Madrid-Centro", "8b02Alcal\xE1 de Henares", "8a01Madrid-Retiro",
                                     "8a01Madrid-Salamanca"});
    int n = 0;
    CargarZonasSuperior(t.e, t.c.Ruta("comarcasm"), n, 25);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(t.e.NombresZonas[0], "");
    EXPECT_EQ(t.e.NombresZonas[2], "Alcal\xE1 de Henares");
    EXPECT_EQ(t.e.CodigosZonas[3], "8a");
    EXPECT_EQ(t.e.LineasDeZona.En(1, 1), 1);
    EXPECT_EQ(t.e.LineasDeZona.En(1, 2), 3);
    EXPECT_EQ(t.e.LineasDeZona.En(1, 3), 4);
    EXPECT_EQ(t.e.LineasDeZona.En(2, 1), 2);
    EXPECT_EQ(t.e.LineasDeZona.En(2, 2), 0);

    // A line of a zone outside 1..28 is kept, listed in no zone.
    Entorno w;
    w.c.EscribirLineas("comarcasm", {"8a29Fuera", "8b00Ninguna", "8c28Dentro"});
    n = -1;
    CargarZonasSuperior(w.e, w.c.Ruta("comarcasm"), n, 25);
    EXPECT_EQ(n, 3);
    EXPECT_TRUE(w.m.textos.isEmpty());
    EXPECT_EQ(w.e.NombresZonas[1], "Fuera");
    EXPECT_EQ(w.e.CodigosZonas[2], "8b");
    EXPECT_EQ(w.e.LineasDeZona.En(28, 1), 3);
    for (int z = 1; z <= 27; ++z)
        EXPECT_EQ(w.e.LineasDeZona.En(z, 1), 0) << z;
}

TEST(ColumnLoaders, UniversitiesKeepTheirWholeAddress)
{
    Entorno t;
    const std::string nombre = "Universidad de Sevilla              ";   // 35 columns and one more
    const std::string web = "us.es/estudiar/que-estudiar/oferta-de-grados/grados-en-la-universidad-de-sevilla";
    t.c.EscribirLineas("lugar", {"01" + nombre.substr(0, 35) + web + "   ", "13Universidad Complutense de Madrid  ucm.es"});
    int n = 0;
    CargarTitulosCodigo(t.e, t.c.Ruta("lugar"), n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(t.e.ComunidadUniversidad[1], 1);
    EXPECT_EQ(t.e.ComunidadUniversidad[2], 13);
    EXPECT_EQ(t.e.NombresUniversidad[1], nombre.substr(0, 35));
    EXPECT_EQ(t.e.WebUniversidad[1], web);   // 80 characters, not cut to 60
    EXPECT_EQ(t.e.WebUniversidad[2], "ucm.es");
    EXPECT_EQ(t.e.NombresUniversidad[0], t.c.Ruta("lugar").toStdString());

    for (const char *mala : {"20Universidad X", "00Universidad Y", "xxUniversidad Z"}) {
        Entorno u;
        u.c.EscribirLineas("lugar", {"05Universidad de La Laguna", mala});
        try {
            CargarTitulosCodigo(u.e, u.c.Ruta("lugar"), n);
            FAIL() << mala;
        } catch (const ErrorRango &error) {
            EXPECT_EQ(error.Linea(), 2) << mala;
        }
    }
}

TEST(ColumnLoaders, CommunityWebAddresses)
{
    Entorno t;
    t.c.EscribirLineas("comuint", {"Andaluc\xED" "a     www.juntadeandalucia.es/educacion   ", "Arag\xF3n"});
    int n = 0;
    CargarWebComunidades(t.e, t.c.Ruta("comuint"), n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(t.e.WebComunidad[1], "www.juntadeandalucia.es/educacion");
    EXPECT_EQ(t.e.WebComunidad[2], "");
}

TEST(ColumnLoaders, DoubleDegrees)
{
    Entorno t;
    t.e.NumGrados = 3;
    t.e.TablaGrados.Poner(1, 10, 101);
    t.e.TablaGrados.Poner(2, 10, 205);
    t.e.TablaGrados.Poner(3, 10, 101);
    t.c.EscribirLineas("dobles", {
                                     "01Universidad de Granada",
                                     "    101205ADE ",
                                     "    205999",
                                     "    1x1205",
                                     "00skipped line",
                                     "13Universidad Carlos III de Madrid",
                                     "    205101DER+",
                                 });
    int n = 0;
    CargarDobles(t.e, t.c.Ruta("dobles"), n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(t.e.DoblesNumero[1], 1);
    EXPECT_EQ(t.e.DoblesNombre[1], "Universidad de Granada");
    EXPECT_EQ(t.e.DoblesCuenta.En(1, 0), 3);
    EXPECT_EQ(t.e.DoblesGradoA.En(1, 1), 1);   // the first row with code 101
    EXPECT_EQ(t.e.DoblesGradoB.En(1, 1), 2);
    EXPECT_EQ(t.e.DoblesEtiqueta.En(1, 1), "ADE ");
    EXPECT_EQ(t.e.DoblesGradoB.En(1, 2), 0);   // no degree with that code
    EXPECT_EQ(t.e.DoblesEtiqueta.En(1, 2), "    ");
    EXPECT_EQ(t.e.DoblesGradoA.En(1, 3), 0);   // left as it was
    EXPECT_EQ(t.e.DoblesGradoB.En(1, 3), 2);
    EXPECT_EQ(t.m.textos, QStringList{"ERROR en fichero de dobles (" + t.c.Ruta("dobles") + ", línea 4)"});
    EXPECT_EQ(t.e.DoblesNumero[2], 13);
    EXPECT_EQ(t.e.DoblesCuenta.En(2, 0), 1);
    EXPECT_EQ(t.e.DoblesGradoA.En(2, 1), 2);

    Entorno u;
    u.c.EscribirLineas("dobles", {"    101205"});
    EXPECT_THROW(CargarDobles(u.e, u.c.Ruta("dobles"), n), ErrorRango);   // no group 0
    Entorno v;
    v.c.EscribirLineas("dobles", {"25Universidad fuera"});
    EXPECT_THROW(CargarDobles(v.e, v.c.Ruta("dobles"), n), ErrorRango);   // not a community
    Entorno w;
    CargarDobles(w.e, w.c.Ruta("dobles"), n);
    EXPECT_TRUE(w.e.ErrorFicheros);
    EXPECT_EQ(w.m.textos.size(), 1);
}
