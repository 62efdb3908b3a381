// The image packs: the shipped packs read whole, once, and every kind of
// damaged pack refused; and the pictures compiled into the program, stored
// ready to draw.
#include "carpeta_prueba.h"
#include "imagen_lista.h"
#include "paquete_imagenes.h"
#include "paquetes.h"

#include <QDir>
#include <QFile>
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

// The shipped pack `nombre` written again, well formed, after `cambio`
// (entries as name and bytes).
template <typename F> QByteArray Rehecho(const char *nombre, F cambio)
{
    PaqueteImagenes p;
    p.Leer(Entregado(QString::fromLatin1(nombre)));
    std::vector<std::pair<QString, QByteArray>> entradas;
    for (const QString &n : p.Nombres())
        entradas.emplace_back(n, p.Entrada(n));
    cambio(entradas);
    return EscribirPaquete(entradas);
}

} // namespace

TEST(ImagenLista, PicturesComeBackAsTheyWereDrawn)
{
    const QImage original = Muestra().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QByteArray bytes = CodificarImagenLista(original);
    EXPECT_EQ(bytes.size(), 12 + 5 * 3 * 4);
    EXPECT_TRUE(bytes.startsWith("NVP1"));
    const QImage leida = DecodificarImagenLista(bytes.constData(), bytes.size());
    ASSERT_EQ(leida.size(), QSize(5, 3));
    EXPECT_EQ(leida.format(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(leida.pixel(x, y), original.pixel(x, y)) << x << "," << y;
}

TEST(ImagenLista, AnythingElseIsNoPicture)
{
    const QByteArray buena = CodificarImagenLista(Muestra());
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
    // Whole pictures without rows, or one pixel wider or taller than any may be.
    const auto plana = [&buena](quint32 ancho, quint32 alto) {
        QByteArray b = buena.left(12) + QByteArray(qsizetype(ancho * alto * 4), '\0');
        qToLittleEndian<quint32>(ancho, b.data() + 4);
        qToLittleEndian<quint32>(alto, b.data() + 8);
        return b;
    };
    const Caso casos[] = {
        {"empty", QByteArray()},
        {"header only, short", buena.left(8)},
        {"wrong signature", firma},
        {"one byte short", buena.left(buena.size() - 1)},
        {"one byte more", buena + 'x'},
        {"absurd width", ancha},
        {"no pixels", vacia},
        {"no rows", plana(5, 0)},
        {"wider than the largest", plana(8193, 1)},
        {"taller than the largest", plana(1, 8193)},
    };
    for (const Caso &c : casos)
        EXPECT_TRUE(DecodificarImagenLista(c.bytes.constData(), c.bytes.size()).isNull()) << c.nombre;
    EXPECT_TRUE(DecodificarImagenLista(nullptr, 100).isNull());
}

TEST(PaquetesEntregados, HoldEveryPictureOfTheScene)
{
    ImagenesEscena im;
    const QString fallido = CargarPaquetesEscena(Entregado("segdxg1.DXG"), Entregado("vector.DXG"), im);
    ASSERT_TRUE(fallido.isEmpty()) << fallido.toStdString();
    EXPECT_EQ(im.fondo.size(), QSize(escena::kAncho, escena::kAlto));
    // The backdrop covers the whole scene: nothing shows through it.
    EXPECT_EQ(im.fondo.format(), QImage::Format_RGB32);
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
    EXPECT_EQ(hueco.convertToFormat(im.puerta[0].format()), im.puerta[0].copy(1, 1, puerta.ancho - 2, puerta.alto - 2));
}

TEST(PaquetesEntregados, AMissingOrDamagedPackIsNamed)
{
    pruebas::CarpetaPrueba c;
    const QString seg = Entregado("segdxg1.DXG"), vec = Entregado("vector.DXG");
    QFile f(vec);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray vector = f.readAll();
    // The shipped vector pack with the 32-bit field at `en` set to `valor`.
    const auto remendado = [&](qint64 en, quint32 valor) {
        QByteArray bytes = vector;
        qToLittleEndian<quint32>(valor, bytes.data() + en);
        return bytes;
    };
    // Header 12 bytes, then 40 per entry: name (32), offset, size.
    const auto campo = [](int entrada, int en) { return 12 + 40 * entrada + 32 + en; };
    const quint32 entradas = qFromLittleEndian<quint32>(vector.constData() + 8);
    const quint32 primera = qFromLittleEndian<quint32>(vector.constData() + campo(0, 0));
    const quint32 ultimoTamano = qFromLittleEndian<quint32>(vector.constData() + campo(entradas - 1, 4));
    QByteArray firma = vector, nombreMalo = vector, nombreRepetido = vector, noPng = vector;
    firma[3] = 'J';
    nombreMalo[12] = '/';
    nombreRepetido.replace(12 + 40, 32, vector.mid(12, 32));
    noPng[primera + 1] = 'J';
    const QImage punto = Muestra().copy(0, 0, 1, 1);
    // `indice`: the pack is refused whole, before any picture is looked at.
    const struct {
        const char *fichero;
        QByteArray bytes;
        bool indice;
    } danados[] = {
        {"roto", "x", true},
        {"vacio", "", true},
        {"firma", firma, true},
        {"version", remendado(4, 2), true},
        {"sin-entradas", remendado(8, 0), true},
        {"entradas-de-mas", remendado(8, 257), true},
        {"indice-cortado", vector.left(12 + 40 + 20), true},
        {"dentro-del-indice", remendado(campo(0, 0), 12 + 40 * entradas - 1), true},
        {"pasa-del-final", remendado(campo(entradas - 1, 4), ultimoTamano + 1), true},
        {"solapadas", remendado(campo(1, 0), primera), true},
        {"nombre-malo", nombreMalo, true},
        {"nombre-repetido", nombreRepetido, true},
        {"cortado", vector.chopped(1), true},
        {"no-png", noPng, false},
        {"diminuto", Rehecho("vector.DXG", [&](auto &e) { e.back().second = CodificarPng(punto); }), false},
        {"lista-diminuta", Rehecho("vector.DXG", [&](auto &e) { e.back().second = CodificarImagenLista(punto); }),
         false},
        {"lista-cortada", Rehecho("vector.DXG", [](auto &e) { e.back().second.chop(4); }), false},
        {"falta-una", Rehecho("vector.DXG", [](auto &e) { e.pop_back(); }), false},
    };
    struct Caso {
        QString segdxg, vector, fallido;
    };
    std::vector<Caso> casos = {
        {c.Ruta("falta.DXG"), vec, c.Ruta("falta.DXG")},
        {seg, c.Ruta("falta.DXG"), c.Ruta("falta.DXG")},
        // Each pack must hold its own pictures.
        {vec, seg, vec},
    };
    for (const auto &d : danados) {
        const QString ruta = c.Ruta(QString::fromLatin1(d.fichero) + ".DXG");
        c.EscribirBytes(QString::fromLatin1(d.fichero) + ".DXG", d.bytes);
        casos.push_back({seg, ruta, ruta});
        EXPECT_EQ(PaqueteImagenes().Abrir(d.bytes), !d.indice) << d.fichero;
    }
    for (const Caso &caso : casos) {
        ImagenesEscena im;
        EXPECT_EQ(CargarPaquetesEscena(caso.segdxg, caso.vector, im).toStdString(), caso.fallido.toStdString());
        EXPECT_TRUE(im.fondo.isNull());
        EXPECT_TRUE(im.anda[0].isNull());
    }
    // Written again whole, the same pack is read; and with its pictures as PNG
    // files.
    c.EscribirBytes("rehecho.DXG", Rehecho("vector.DXG", [](auto &) {}));
    ImagenesEscena im, png;
    EXPECT_TRUE(CargarPaquetesEscena(seg, c.Ruta("rehecho.DXG"), im).isEmpty());
    c.EscribirBytes("png.DXG", Rehecho("vector.DXG", [](auto &e) {
        for (auto &[nombre, bytes] : e)
            bytes = CodificarPng(DecodificarImagenLista(bytes.constData(), bytes.size()));
    }));
    EXPECT_TRUE(CargarPaquetesEscena(seg, c.Ruta("png.DXG"), png).isEmpty());
    // Drawn alike: copied where opaque, blended where not.
    for (const auto &[a, b] : {std::pair{&png.autobus, &im.autobus}, std::pair{&png.anda[0], &im.anda[0]},
                              std::pair{&png.nube[0], &im.nube[0]}})
        EXPECT_EQ(a->format(), b->format());
}
