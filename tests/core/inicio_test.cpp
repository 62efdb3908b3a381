#include "carpeta_prueba.h"
#include "enlace.h"
#include "imagenes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::CarpetaPrueba;

namespace {

struct Arranque {
    explicit Arranque(const CarpetaPrueba &c, QStringList args = {}, ProveedorVersion version = VersionRegistradaDelSistema)
        : e(m)
    {
        OpcionesInicio o;
        o.rutaPrograma = c.Programa();
        o.argumentos = std::move(args);
        o.carpetaUsuario = c.Programa() + "usuario";
        o.versionGraficos = std::move(version);
        Inicializar(e, o);
    }
    MensajesRegistrados m;
    Enlace e;
};

ProveedorVersion Version(std::string v)
{
    return [v] { return std::optional<std::string>(v); };
}

void ConPaquetesAnimados(const CarpetaPrueba &c)
{
    c.EscribirBytes("segdxg1.DXG", "x");
    c.EscribirBytes("vector.DXG", "x");
}

} // namespace

TEST(DirectX, VersionIsTheFourthCharacterWhenItIsADigit)
{
    EXPECT_EQ(VersionDeCadena("4.09.00.0904"), 9);
    EXPECT_EQ(VersionDeCadena("4.07.00.0700"), 7);
    EXPECT_EQ(VersionDeCadena("4."), 0);
    EXPECT_EQ(VersionDeCadena("4.0x"), 0);
    EXPECT_EQ(VersionDeCadena(""), 0);
    EXPECT_EQ(LeerVersionDirectX(VersionRegistradaDelSistema), 9);   // Qt's painting is always there
    EXPECT_EQ(LeerVersionDirectX(ProveedorVersion{}), 0);              // no version to be had
    EXPECT_EQ(LeerVersionDirectX(Version("4.08.01.0881")), 8);
}

TEST(CommandLine, NoArgumentsTakeEverythingFromTheRecord)
{
    CarpetaPrueba c;
    c.EscribirBytes("ajustes", "idioma=2\r\norden=1\r\nanimacion=1\r\n");
    Arranque a(c);
    ASSERT_FALSE(a.e.ErrorFicheros);
    EXPECT_EQ(a.e.CarpetaIdioma, "galego/");
    EXPECT_EQ(a.e.IdiomaSel, 2);
    EXPECT_TRUE(a.e.OrdenAlfabetico);
    EXPECT_TRUE(a.e.AnimacionSi);
    EXPECT_FALSE(a.e.ModoAnimado);   // no image packs here
    EXPECT_EQ(a.e.Texto(2), "Galego");
}

TEST(CommandLine, AnimatedAndLanguageArguments)
{
    CarpetaPrueba c;
    ConPaquetesAnimados(c);
    Arranque a(c, {"S", "2"}, Version("4.09.00.0904"));
    ASSERT_FALSE(a.e.ErrorFicheros);
    EXPECT_TRUE(a.e.ModoAnimado);
    EXPECT_EQ(a.e.VersionDirectX, 9);
    EXPECT_EQ(a.e.CarpetaIdioma, "galego/");
    EXPECT_TRUE(a.e.OrdenAlfabetico);
    EXPECT_EQ(a.e.IdiomaSel, 0);   // the stored language is not changed
    EXPECT_EQ(a.e.Texto(2), "Galego");
    EXPECT_EQ(a.e.Requisitos[1].substr(0, 20), "18T\xEDtulo de Bacharel");
}

TEST(CommandLine, FirstArgumentAndBadSecondArgument)
{
    CarpetaPrueba c;
    c.EscribirBytes("ajustes", "idioma=2\r\norden=1\r\nanimacion=0\r\n");
    ConPaquetesAnimados(c);
    {
        Arranque a(c, {"A"});
        EXPECT_EQ(a.m.textos, QStringList{"Programa Norvela actualizado"});
        EXPECT_FALSE(a.e.ErrorFicheros);   // loading went on
    }
    {
        // "N 0": Castilian and no alphabetical order, whatever the record says.
        Arranque a(c, {"N", "0"});
        EXPECT_EQ(a.e.CarpetaIdioma, "cas/");
        EXPECT_FALSE(a.e.OrdenAlfabetico);
        EXPECT_EQ(a.e.IdiomaSel, 2);
    }
    {
        // A second argument that is not a whole number is ignored.
        Arranque a(c, {"S", "abc"}, Version("4.09.00.0904"));
        EXPECT_TRUE(a.e.ModoAnimado);
        EXPECT_EQ(a.e.CarpetaIdioma, "galego/");
        EXPECT_TRUE(a.e.OrdenAlfabetico);
    }
    {
        // Comparisons are exact and case-sensitive.
        Arranque a(c, {"s"}, Version("4.09.00.0904"));
        EXPECT_FALSE(a.e.ModoAnimado);
        EXPECT_TRUE(a.m.textos.isEmpty());
    }
}

TEST(StartUp, LoadsPicturesListsAndMarkers)
{
    CarpetaPrueba c;
    Arranque a(c);
    ASSERT_FALSE(a.e.ErrorFicheros) << a.m.textos.join('|').toStdString();
    EXPECT_TRUE(a.m.textos.isEmpty());
    EXPECT_EQ(a.e.RutaDatos, c.Datos());
    EXPECT_EQ(a.e.BmpMapa.size(), QSize(281, 196));
    EXPECT_FALSE(a.e.BmpMarcoAr.isNull());
    EXPECT_EQ(a.e.NumRequisitos, 3);
    const std::string requisito = " 8Tener entre 15 y 17 a\xF1os";
    EXPECT_EQ(a.e.Requisitos[3], requisito + std::string(60 - requisito.size(), ' '));
    EXPECT_EQ(a.e.NumMaterias, 2);
    EXPECT_EQ(a.e.PosicionComunidadX[1], 102);
    EXPECT_EQ(a.e.PosicionComunidadY[19], 174);
    EXPECT_EQ(a.e.AnchoPanelMapa, 115);
    EXPECT_EQ(a.e.ComunidadRaton, 1);

    LiberarMemoria(a.e);
    EXPECT_TRUE(a.e.Liberada());
    EXPECT_TRUE(a.e.BmpMapa.isNull());
    EXPECT_EQ(a.e.MapaComunidades.Valor(1, 1), 0);
    EXPECT_THROW((void)a.e.Requisitos[1], ErrorIndice);
    LiberarMemoria(a.e);   // a second call does nothing
}

namespace {

QString FaltaFichero(const QString &ruta)
{
    return "Faltan ficheros (" + ruta + "). Vuelva a instalar el programa";
}

QByteArray Leer(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(StartUp, APictureThatCannotBeUsedIsAMissingFileAndStopsStartUp)
{
    {
        CarpetaPrueba c;
        c.Borrar("chica.bmp");
        Arranque a(c);
        EXPECT_TRUE(a.e.ErrorFicheros);
        EXPECT_EQ(a.m.textos, QStringList{FaltaFichero(c.Ruta("chica.bmp"))});
        EXPECT_EQ(a.e.NumRequisitos, 0);   // nothing loaded after it
    }
    {
        CarpetaPrueba c;
        c.EscribirBytes("suelo", "not a bitmap");
        Arranque a(c);
        EXPECT_EQ(a.m.textos, QStringList{FaltaFichero(c.Ruta("suelo"))});
        EXPECT_TRUE(a.e.BmpSuelo.isNull());
    }
    {
        // Cut short by a few bytes: Qt alone would fill the lost rows with garbage.
        CarpetaPrueba c;
        const QByteArray parte = Leer(c.Ruta("parte"));
        ASSERT_GT(parte.size(), 100);
        c.EscribirBytes("parte", parte.left(parte.size() - 5));
        Arranque a(c);
        EXPECT_EQ(a.m.textos, QStringList{FaltaFichero(c.Ruta("parte"))});
        EXPECT_TRUE(a.e.BmpParte.isNull());
    }
    {
        // The maps too, by their paths.
        CarpetaPrueba c;
        c.Borrar("mapac");
        Arranque a(c);
        EXPECT_TRUE(a.e.ErrorFicheros);
        EXPECT_EQ(a.m.textos, QStringList{FaltaFichero(c.Ruta("mapac"))});
    }
    {
        // A map must match "puntos3" pixel for pixel.
        CarpetaPrueba c;
        QImage otra(280, 196, QImage::Format_RGB32);
        otra.fill(Qt::blue);
        ASSERT_TRUE(otra.save(c.Ruta("mapa"), "BMP"));
        Arranque a(c);
        EXPECT_EQ(a.m.textos, QStringList{FaltaFichero(c.Ruta("mapa"))});
    }
}

TEST(Pictures, HeaderMustMatchTheFile)
{
    QImage imagen(5, 3, QImage::Format_RGB888);
    imagen.fill(Qt::green);
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(imagen.save(&buffer, "BMP"));
    }
    EXPECT_EQ(TamanoBmp(bytes), QSize(5, 3));
    // One byte short of the last pixel row.
    EXPECT_EQ(TamanoBmp(bytes.left(bytes.size() - 1)), std::nullopt);
    EXPECT_EQ(TamanoBmp(bytes.left(30)), std::nullopt);
    EXPECT_EQ(TamanoBmp("PNG not a bitmap at all, not at all"), std::nullopt);
    // Headers that cannot be the file's: more rows than it holds, no pixels
    // at all, 0 or 33 bits a pixel (compressed, so the size is the header's word).
    const std::vector<std::vector<std::pair<int, quint32>>> danados = {
        {{22, 4}}, {{18, 0}}, {{28, 0}, {30, 1}, {34, 4}}, {{28, 33}, {30, 1}, {34, 4}}};
    for (const auto &campos : danados) {
        QByteArray roto = bytes;
        for (const auto &[en, valor] : campos)   // bits a pixel (at 28) take 16 bits, the others 32
            en == 28 ? qToLittleEndian<quint16>(quint16(valor), roto.data() + en)
                     : qToLittleEndian<quint32>(valor, roto.data() + en);
        EXPECT_EQ(TamanoBmp(roto), std::nullopt) << campos[0].first << "," << campos[0].second;
    }

    CarpetaPrueba c(QStringLiteral("minima"), false);
    c.EscribirBytes("dibujo", bytes);
    QImage leida;
    EXPECT_TRUE(CargarImagen(c.Ruta("dibujo"), leida));
    EXPECT_EQ(leida.size(), QSize(5, 3));
    EXPECT_FALSE(CargarImagen(c.Ruta("dibujo"), leida, QSize(3, 5)));
    QImage grande(1025, 2, QImage::Format_RGB32);
    grande.fill(Qt::red);
    ASSERT_TRUE(grande.save(c.Ruta("grande"), "BMP"));
    EXPECT_FALSE(CargarImagen(c.Ruta("grande"), leida));
    EXPECT_EQ(leida.size(), QSize(5, 3));   // left as it was

    // Every shipped bitmap reads as Qt's own reader reads it, pixel for pixel.
    const QDir entregada(QStringLiteral(NORVELA_DATOS_ENTREGADOS));
    for (const char *nombre : {"chica.bmp", "parte", "heli.bmp", "suelo", "marcod", "marcoi", "marcoar", "rotulon.bmp",
                               "imagen", "mapa", "mapac", "mapam"}) {
        ASSERT_TRUE(CargarImagen(entregada.filePath(nombre), leida)) << nombre;
        EXPECT_EQ(leida, QImage(entregada.filePath(nombre), "BMP")) << nombre;
    }
}

TEST(StartUp, MissingRequirementListNamesItsPath)
{
    CarpetaPrueba c;
    c.Borrar("cas/informa_l");
    Arranque a(c);
    EXPECT_TRUE(a.e.ErrorFicheros);
    EXPECT_EQ(a.m.textos,
              QStringList{"Faltan ficheros (" + c.Datos() + "cas/informa_l). Vuelva a instalar el programa"});
    EXPECT_EQ(a.e.NumMaterias, 2);
}

TEST(StartUp, RequirementListCapacity)
{
    CarpetaPrueba c;
    std::vector<std::string> lineas(600, "13linea");
    c.EscribirLineas("cas/informa_l", lineas);
    {
        Arranque a(c);
        EXPECT_FALSE(a.e.ErrorFicheros);
        EXPECT_EQ(a.e.NumRequisitos, 600);
    }
    lineas.push_back("13una de mas");
    c.EscribirLineas("cas/informa_l", lineas);
    MensajesRegistrados m;
    Enlace e(m);
    int n = -1;
    EXPECT_THROW(CargarListaAncho(e, c.Ruta("cas/informa_l"), e.Requisitos, n, 60), ErrorRango);
    EXPECT_EQ(n, -1);
    EXPECT_EQ(e.Requisitos[600], "13linea" + std::string(53, ' '));
    // During start-up the same error is reported and stops the program.
    Arranque a(c);
    EXPECT_TRUE(a.e.ErrorFicheros);
    ASSERT_EQ(a.m.textos.size(), 1);
    EXPECT_TRUE(a.m.textos[0].contains("informa_l")) << a.m.textos[0].toStdString();
}
