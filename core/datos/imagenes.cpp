#include "imagenes.h"

#include "enlace.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace norvela {

namespace {

constexpr qsizetype kCabeceraFichero = 14;

quint32 Palabra32(const QByteArray &b, qsizetype i)
{
    return qFromLittleEndian<quint32>(b.constData() + i);
}

quint16 Palabra16(const QByteArray &b, qsizetype i)
{
    return qFromLittleEndian<quint16>(b.constData() + i);
}

} // namespace

std::optional<QSize> TamanoBmp(const QByteArray &bytes)
{
    const qsizetype largo = bytes.size();
    if (largo < kCabeceraFichero + 12 || !bytes.startsWith("BM"))
        return std::nullopt;
    const qint64 tamanoFichero = Palabra32(bytes, 2);
    const qint64 inicioPixeles = Palabra32(bytes, 10);
    const qint64 cabecera = Palabra32(bytes, 14);
    if (tamanoFichero > largo || inicioPixeles >= largo)
        return std::nullopt;

    qint64 ancho = 0;
    qint64 alto = 0;
    int bits = 0;
    quint32 compresion = 0;
    qint64 bytesImagen = 0;
    if (cabecera == 12) {   // OS/2 core header
        ancho = Palabra16(bytes, 18);
        alto = Palabra16(bytes, 20);
        bits = Palabra16(bytes, 24);
    } else if (cabecera >= 40 && largo >= kCabeceraFichero + 40) {
        ancho = static_cast<qint32>(Palabra32(bytes, 18));
        alto = std::llabs(static_cast<qint32>(Palabra32(bytes, 22)));
        bits = Palabra16(bytes, 28);
        compresion = Palabra32(bytes, 30);
        bytesImagen = Palabra32(bytes, 34);
    } else {
        return std::nullopt;
    }
    if (ancho <= 0 || alto <= 0 || bits <= 0 || bits > 32)
        return std::nullopt;

    // Uncompressed rows are padded to four bytes; compressed pixels take
    // what the header says.
    qint64 pixeles = 0;
    if (compresion == 0 || compresion == 3)
        pixeles = (ancho * bits + 31) / 32 * 4 * alto;
    else
        pixeles = bytesImagen;
    if (pixeles <= 0 || inicioPixeles + pixeles > largo)
        return std::nullopt;
    return QSize(static_cast<int>(ancho), static_cast<int>(alto));
}

bool CargarImagen(const QString &ruta, QImage &imagen, QSize tamano)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError)
        return false;
    const auto cabecera = TamanoBmp(bytes);
    if (!cabecera || cabecera->width() > kImagenMaxima.width() || cabecera->height() > kImagenMaxima.height())
        return false;
    if (tamano.isValid() && *cabecera != tamano)
        return false;

    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader lector(&buffer, "bmp");
    QImage leida = lector.read();
    if (leida.isNull() || leida.size() != *cabecera)
        return false;
    imagen = std::move(leida);
    return true;
}

bool CargarImagenObligatoria(Enlace &e, const QString &ruta, QImage &imagen, QSize tamano)
{
    if (CargarImagen(ruta, imagen, tamano))
        return true;
    e.FaltaFichero(ruta);
    return false;
}

} // namespace norvela
