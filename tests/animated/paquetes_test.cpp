// The image packs: the pictures' own format, and the shipped packs read
// whole, once.
#include "carpeta_prueba.h"
#include "paquetes.h"

#include <QDir>
#include <QFile>
#include <QResource>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace norvela;

namespace {

QString Entregado(const QString &nombre)
{
    return QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).filePath(nombre);
}

QImage Muestra()
{
    QImage imagen(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            imagen.setPixelColor(x, y, QColor(40 * x, 80 * y, 200, x == 2 ? 0 : 255 - 30 * y));
    return imagen;
}

// The shipped pack `nombre` with one 32-bit big-endian field of its index
// overwritten: at `en` bytes past the offset its header keeps at `zona`
// (-1: from the start of the file).
QByteArray Remendado(const char *nombre, int zona, qint64 en, quint32 valor)
{
    QFile f(Entregado(QString::fromLatin1(nombre)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    const qint64 base = zona < 0 ? 0 : qFromBigEndian<qint32>(bytes.constData() + zona);
    qToBigEndian<quint32>(valor, bytes.data() + base + en);
    return bytes;
}

// The shipped pack with its first picture a well-formed 1 x 1 one: a stored
// length of a header and one pixel, and that size in the header.
QByteArray Diminuto(const char *nombre)
{
    QByteArray bytes = Remendado(nombre, 12, 0, 16);
    const qint64 imagen = qFromBigEndian<qint32>(bytes.constData() + 12) + 4;
    qToLittleEndian<quint64>(0x0000000100000001ull, bytes.data() + imagen + 4);
    return bytes;
}

} // namespace

TEST(ImagenPaquete, PicturesComeBackAsTheyWereDrawn)
{
    const QImage original = Muestra().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray bytes = CodificarImagenPaquete(original);
    EXPECT_EQ(bytes.size(), 12 + 5 * 3 * 4);
    EXPECT_TRUE(bytes.startsWith("NVP1"));
    const QImage leida = DecodificarImagenPaquete(bytes.constData(), bytes.size());
    ASSERT_EQ(leida.size(), QSize(5, 3));
    EXPECT_EQ(leida.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(leida.pixel(x, y), original.pixel(x, y)) << x << "," << y;
}

TEST(ImagenPaquete, AnythingElseIsNoPicture)
{
    const QByteArray buena = CodificarImagenPaquete(Muestra());
    struct Caso {
        const char *nombre;
        QByteArray bytes;
    };
    QByteArray firma = buena;
    firma[3] = '2';
    QByteArray ancha = buena;
    ancha[7] = char(0x40);   // a width of over a thousand million pixels
    QByteArray vacia = buena.left(12);
    vacia[4] = vacia[5] = vacia[6] = vacia[7] = 0;
    const Caso casos[] = {
        {"empty", QByteArray()},
        {"header only, short", buena.left(8)},
        {"wrong signature", firma},
        {"one byte short", buena.left(buena.size() - 1)},
        {"one byte more", buena + 'x'},
        {"absurd width", ancha},
        {"no pixels", vacia},
    };
    for (const Caso &c : casos)
        EXPECT_TRUE(DecodificarImagenPaquete(c.bytes.constData(), c.bytes.size()).isNull()) << c.nombre;
    EXPECT_TRUE(DecodificarImagenPaquete(nullptr, 100).isNull());
}

TEST(PaquetesEntregados, HoldEveryPictureOfTheScene)
{
    ImagenesEscena im;
    const QString fallido = CargarPaquetesEscena(Entregado("segdxg1.DXG"), Entregado("vector.DXG"), im);
    ASSERT_TRUE(fallido.isEmpty()) << fallido.toStdString();
    EXPECT_EQ(im.fondo.size(), QSize(escena::kAncho, escena::kAlto));
    // The backdrop covers the whole scene: nothing shows through it.
    EXPECT_TRUE(im.fondo.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32_Premultiplied)
                == im.fondo);
    for (const QImage &i : im.puerta)
        EXPECT_EQ(i.size(), QSize(escena::kAnchoPuerta, escena::kAltoPuerta));
    for (const QImage &i : im.portal)
        EXPECT_EQ(i.size(), QSize(escena::kAnchoPortal, escena::kAltoPuerta));
    for (const QImage &i : im.anda) {
        EXPECT_EQ(i.size(), QSize(escena::kAnchoAndar, 168));
        // Her soles rest on the row the scene puts on the pavement.
        EXPECT_EQ(i.pixelColor(i.width() / 2, escena::kSuelaAndar + 20).alpha(), 0);
    }
    for (const auto *grupo : {&im.nube, &im.pajaro})
        for (const QImage &i : *grupo)
            EXPECT_FALSE(i.isNull());
    EXPECT_FALSE(im.autobus.isNull());
    // A door's first frame is the closed door of the backdrop (but for the
    // corners, which its rounded edge softens).
    const Caja puerta = CajaPuerta(LugarEscena::Cat);
    const QImage hueco = im.fondo.copy(puerta.x + 1, puerta.y + 1, puerta.ancho - 2, puerta.alto - 2);
    EXPECT_EQ(hueco, im.puerta[0].copy(1, 1, puerta.ancho - 2, puerta.alto - 2));
    // The packs were let go once read.
    EXPECT_FALSE(QResource(QStringLiteral(":/norvela-segdxg1/fondo")).isValid());
}

TEST(PaquetesEntregados, AMissingOrBrokenPackIsNamed)
{
    pruebas::CarpetaPrueba c;
    const QString seg = Entregado("segdxg1.DXG"), vec = Entregado("vector.DXG");
    c.EscribirBytes("roto.DXG", "x");
    QFile::copy(seg, c.Ruta("corto.DXG"));
    QFile(c.Ruta("corto.DXG")).resize(QFileInfo(seg).size() / 2);
    c.EscribirBytes("vacio.DXG", "");
    // A damaged index, where Qt would read outside the file: the header's
    // offsets are at 8 (nodes), 12 (data) and 16 (names); a node is 22
    // bytes (name, flags, children or locale and data, date).
    constexpr int kArbol = 8;
    // One child more than the root has, past the last node: that node's bytes
    // all but whole after the end, so only the count tells it is not there.
    QFile vector(vec);
    ASSERT_TRUE(vector.open(QIODevice::ReadOnly));
    QByteArray pasado = vector.readAll();
    const qint64 raiz = qFromBigEndian<qint32>(pasado.constData() + kArbol);
    qToBigEndian<qint32>(qFromBigEndian<qint32>(pasado.constData() + raiz + 6) + 1, pasado.data() + raiz + 6);
    pasado.append(21, '\0');
    const struct {
        const char *fichero;
        QByteArray bytes;
    } danados[] = {
        {"nodos-negativos.DXG", Remendado("segdxg1.DXG", -1, kArbol, 0x80000000u)},
        {"hijos-de-mas.DXG", Remendado("segdxg1.DXG", kArbol, 6, 0x7fffffffu)},
        {"hijos-fuera.DXG", Remendado("vector.DXG", kArbol, 10, 0x01000000u)},
        {"nombre-fuera.DXG", Remendado("segdxg1.DXG", kArbol, 22, 0x7fffff00u)},
        {"dato-fuera.DXG", Remendado("vector.DXG", kArbol, 22 + 10, 0x7fffff00u)},
        {"dato-largo.DXG", Remendado("vector.DXG", 12, 0, 0xfffffff0u)},
        {"hijos-pasado.DXG", pasado},
        {"diminuto.DXG", Diminuto("vector.DXG")},
    };
    for (const auto &d : danados)
        c.EscribirBytes(d.fichero, d.bytes);
    struct Caso {
        QString segdxg, vector, fallido;
    };
    const Caso casos[] = {
        {c.Ruta("falta.DXG"), vec, c.Ruta("falta.DXG")},
        {seg, c.Ruta("falta.DXG"), c.Ruta("falta.DXG")},
        {c.Ruta("roto.DXG"), vec, c.Ruta("roto.DXG")},
        {c.Ruta("corto.DXG"), vec, c.Ruta("corto.DXG")},
        {c.Ruta("vacio.DXG"), vec, c.Ruta("vacio.DXG")},
        {c.Ruta("nodos-negativos.DXG"), vec, c.Ruta("nodos-negativos.DXG")},
        {c.Ruta("hijos-de-mas.DXG"), vec, c.Ruta("hijos-de-mas.DXG")},
        {c.Ruta("nombre-fuera.DXG"), vec, c.Ruta("nombre-fuera.DXG")},
        {seg, c.Ruta("hijos-fuera.DXG"), c.Ruta("hijos-fuera.DXG")},
        {seg, c.Ruta("dato-fuera.DXG"), c.Ruta("dato-fuera.DXG")},
        {seg, c.Ruta("dato-largo.DXG"), c.Ruta("dato-largo.DXG")},
        {seg, c.Ruta("hijos-pasado.DXG"), c.Ruta("hijos-pasado.DXG")},
        // Whole, but with a picture the scene cannot draw.
        {seg, c.Ruta("diminuto.DXG"), c.Ruta("diminuto.DXG")},
        // Each pack must hold its own pictures.
        {vec, seg, vec},
    };
    for (const Caso &caso : casos) {
        ImagenesEscena im;
        EXPECT_EQ(CargarPaquetesEscena(caso.segdxg, caso.vector, im), caso.fallido);
        EXPECT_TRUE(im.fondo.isNull());
        EXPECT_TRUE(im.anda[0].isNull());
    }
}
