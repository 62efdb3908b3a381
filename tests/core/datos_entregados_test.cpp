// Checks of the data folder the build ships.
#include "enlace.h"
#include "lectura.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <gtest/gtest.h>

#include <set>

using namespace norvela;

namespace {

const QString kDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
const char *const kIdiomas[4] = {"cas/", "catVal/", "galego/", "euskera/"};

struct Arranque {
    explicit Arranque(QStringList args = {}) : e(m)
    {
        OpcionesInicio o;
        o.rutaPrograma = QDir(kDatos).absoluteFilePath("..");
        o.argumentos = std::move(args);
        o.carpetaUsuario = QDir::tempPath() + "/norvela-pruebas-usuario";
        Inicializar(e, o);
    }
    MensajesRegistrados m;
    Enlace e;
};

QByteArray Bytes(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(ShippedData, StartsInEveryLanguageWithoutAMessage)
{
    for (const char *idioma : {"0", "1", "2", "3"}) {
        Arranque a({"N", idioma});
        EXPECT_FALSE(a.e.ErrorFicheros) << idioma;
        EXPECT_TRUE(a.m.textos.isEmpty()) << idioma << ": " << a.m.textos.join('|').toStdString();
        EXPECT_GT(a.e.NumRequisitos, 0);
        EXPECT_GT(a.e.NumMaterias, 0);
    }
}

TEST(ShippedData, EveryMarkerPointLiesInItsCommunity)
{
    Arranque a;
    ASSERT_FALSE(a.e.ErrorFicheros);
    for (int c = 1; c <= kNumComunidades; ++c)
        EXPECT_EQ(a.e.MapaComunidades.Valor(a.e.PosicionComunidadX[c], a.e.PosicionComunidadY[c]), c)
            << "community " << c;
}

TEST(ShippedData, MapsMatchTheirPicturesAndUseEveryRegion)
{
    Arranque a;
    ASSERT_FALSE(a.e.ErrorFicheros);
    EXPECT_EQ(a.e.BmpMapa.size(), QSize(281, 196));
    EXPECT_EQ(a.e.BmpMapaC.size(), QSize(281, 220));
    EXPECT_EQ(a.e.BmpMapaM.size(), QSize(281, 220));

    struct Caso {
        const MapaBytes &mapa;
        const QImage &imagen;
        int regiones;
    };
    for (const Caso &caso : {Caso{a.e.MapaComunidades, a.e.BmpMapa, 19}, Caso{a.e.MapaRegionesC, a.e.BmpMapaC, 41},
                             Caso{a.e.MapaRegionesM, a.e.BmpMapaM, 28}}) {
        std::set<int> vistas;
        for (int x = 1; x <= caso.mapa.Ancho(); ++x)
            for (int y = 1; y <= caso.mapa.Alto(); ++y) {
                const int v = caso.mapa.Valor(x, y);
                ASSERT_LE(v, caso.regiones) << x << "," << y;
                if (v > 0)
                    vistas.insert(v);
            }
        EXPECT_EQ(static_cast<int>(vistas.size()), caso.regiones);

        // A region's pixels are painted, never left in the sea colour, and
        // the sea has no region.
        const QRgb mar = caso.imagen.pixel(0, 0);
        EXPECT_EQ(caso.mapa.Valor(1, 1), 0);
        int enElMar = 0;
        for (int x = 1; x < caso.imagen.width(); ++x)
            for (int y = 1; y < caso.imagen.height(); ++y)
                if (caso.mapa.Valor(x, y) > 0 && caso.imagen.pixel(x, y) == mar)
                    ++enElMar;
        EXPECT_EQ(enElMar, 0);
    }
}

TEST(ShippedData, InterfaceTextsFitTheirLengthsInEveryLanguage)
{
    for (const char *idioma : kIdiomas) {
        const QString ruta = kDatos + idioma + "textos";
        const QByteArray bytes = Bytes(ruta);
        ASSERT_FALSE(bytes.isEmpty()) << ruta.toStdString();
        // Windows line ends only, and the file ends with one.
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        const auto lineas = LeerLineasObligatorio(ruta);
        ASSERT_EQ(lineas.size(), 749u) << idioma;
        for (int k = 2; k <= 749; ++k) {
            const std::string &linea = lineas[static_cast<size_t>(k - 1)];
            EXPECT_EQ(linea.find_last_not_of(' ') + 1, linea.size()) << idioma << " line " << k << " trailing blanks";
            if (TextosInterfaz::Existe(k)) {
                EXPECT_LE(static_cast<int>(linea.size()), std::min(TextosInterfaz::Longitud(k), 75))
                    << idioma << " text " << k << ": " << linea;
            }
        }
    }
}

TEST(ShippedData, RequirementAndSubjectListsShareOneStructure)
{
    for (const char *nombre : {"informa_l", "materias_l"}) {
        const auto castellano = LeerLineasObligatorio(kDatos + "cas/" + nombre);
        ASSERT_FALSE(castellano.empty());
        ASSERT_LE(castellano.size(), 600u);
        for (const char *idioma : kIdiomas) {
            const auto lineas = LeerLineasObligatorio(kDatos + idioma + nombre);
            ASSERT_EQ(lineas.size(), castellano.size()) << idioma << nombre;
            for (size_t i = 0; i < lineas.size(); ++i) {
                EXPECT_LE(lineas[i].size(), 60u) << idioma << nombre << " line " << i + 1;
                EXPECT_EQ(lineas[i].substr(0, 2), castellano[i].substr(0, 2))
                    << idioma << nombre << " line " << i + 1 << " has another code";
            }
        }
    }
}
