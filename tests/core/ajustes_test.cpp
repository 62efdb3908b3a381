#include "carpeta_prueba.h"
#include "enlace.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "limite_escritura.h"


using namespace norvela;
using norvela::pruebas::CarpetaPrueba;

namespace {

QByteArray Contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(Settings, FirstRunValuesAndRoundTrip)
{
    CarpetaPrueba c(QStringLiteral("minima"), false);
    AlmacenAjustes almacen(c.Datos(), c.Programa() + "usuario");
    EXPECT_EQ(almacen.Leer(), Ajustes{});
    EXPECT_EQ(almacen.Ruta(), c.Datos() + "ajustes");

    const Ajustes a{3, true, true};
    ASSERT_TRUE(almacen.Grabar(a));
    EXPECT_EQ(almacen.Leer(), a);
    EXPECT_EQ(Contenido(c.Datos() + "ajustes"), "idioma=3\r\norden=1\r\nanimacion=1\r\n");
}

TEST(Settings, BadFieldsTakeTheirFirstRunValues)
{
    CarpetaPrueba c(QStringLiteral("minima"), false);
    c.EscribirBytes("ajustes", "idioma=7\r\norden=x\r\nanimacion=1\r\nbasura\r\n");
    AlmacenAjustes almacen(c.Datos(), c.Programa() + "usuario");
    EXPECT_EQ(almacen.Leer(), (Ajustes{0, false, true}));
}

TEST(Settings, WithoutAWritableDataFolderTheRecordGoesToTheUserFolder)
{
    CarpetaPrueba c(QStringLiteral("minima"), false);
    const QString usuario = c.Programa() + "usuario";
    // An installed copy whose data folder is not ours to write.
    AlmacenAjustes almacen(c.Programa() + "no-existe", usuario);
    EXPECT_EQ(almacen.Ruta(), usuario + "/ajustes");
    ASSERT_TRUE(almacen.Grabar(Ajustes{2, false, false}));
    EXPECT_TRUE(QFile::exists(usuario + "/ajustes"));
    EXPECT_EQ(almacen.Leer().idioma, 2);
}

TEST(Settings, FailedWriteKeepsTheOldRecordAndSaysSo)
{
    CarpetaPrueba c;
    const QByteArray antiguo = "idioma=1\r\norden=1\r\nanimacion=0\r\n";
    c.EscribirBytes("ajustes", antiguo);
    MensajesRegistrados m;
    Enlace e(m);
    OpcionesInicio o;
    o.rutaPrograma = c.Programa();
    o.carpetaUsuario = c.Programa() + "usuario";
    // Castilian for this run, which also turns the alphabetical order off.
    o.argumentos = {"N", "0"};
    Inicializar(e, o);
    ASSERT_FALSE(e.ErrorFicheros);
    EXPECT_FALSE(e.OrdenAlfabetico);

    e.IdiomaSel = 2;
    {
        pruebas::LimiteEscritura limite;
        EXPECT_FALSE(GrabarAjustes(e));
    }
    ASSERT_EQ(m.textos, QStringList{"Lo siento. No puedo grabar."});
    EXPECT_EQ(Contenido(c.Datos() + "ajustes"), antiguo);
    EXPECT_EQ(QDir(c.Datos()).entryList({"ajustes*"}, QDir::Files), QStringList{"ajustes"});

    // Once writing works the record takes the new language and keeps the
    // stored alphabetical flag, not the command line's one-run value.
    EXPECT_TRUE(GrabarAjustes(e));
    EXPECT_EQ(Contenido(c.Datos() + "ajustes"), "idioma=2\r\norden=1\r\nanimacion=0\r\n");
    EXPECT_EQ(e.AjustesGuardados, (Ajustes{2, true, false}));
}

TEST(Settings, AnInterruptedSaveLeavesNoStrayTemporaryFile)
{
    CarpetaPrueba c(QStringLiteral("minima"), false);
    const QString usuario = c.Programa() + "usuario";
    QDir().mkpath(usuario);
    AlmacenAjustes almacen(c.Datos(), usuario);
    // What a save killed before its rename leaves, in either folder.
    c.EscribirBytes("ajustes.aB3xYz", "idioma=");
    QFile otro(usuario + "/ajustes.Q9w8e7");
    ASSERT_TRUE(otro.open(QIODevice::WriteOnly));
    otro.close();
    // Files that only look alike stay.
    c.EscribirBytes("ajustes.bak", "x");
    c.EscribirBytes("ajustes.a-3xYz", "x");

    EXPECT_EQ(almacen.Leer(), Ajustes{});
    EXPECT_FALSE(QFile::exists(c.Ruta("ajustes.aB3xYz")));
    EXPECT_FALSE(QFile::exists(usuario + "/ajustes.Q9w8e7"));
    EXPECT_TRUE(QFile::exists(c.Ruta("ajustes.bak")));
    EXPECT_TRUE(QFile::exists(c.Ruta("ajustes.a-3xYz")));

    c.EscribirBytes("ajustes.ZZZZZZ", "idioma=");
    ASSERT_TRUE(almacen.Grabar(Ajustes{1, false, false}));
    EXPECT_FALSE(QFile::exists(c.Ruta("ajustes.ZZZZZZ")));
    EXPECT_EQ(QDir(c.Datos()).entryList({"ajustes.??????"}, QDir::Files), QStringList{"ajustes.a-3xYz"});
}
