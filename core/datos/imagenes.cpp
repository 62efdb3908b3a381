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

// The usual bitmap of the data folder, 24 bits a pixel and uncompressed (its
// header already checked against the file), read straight into an opaque
// picture, as Qt reads it; a null picture for any other kind.
QImage LeerBmp24(const QByteArray &bytes, QSize tamano)
{
    if (Palabra32(bytes, 14) < 40 || Palabra16(bytes, 28) != 24 || Palabra32(bytes, 30) != 0)
        return {};
    // Rows go from the bottom up unless the height is negative.
    const bool deAbajo = static_cast<qint32>(Palabra32(bytes, 22)) > 0;
    const qint64 inicio = Palabra32(bytes, 10);
    const qint64 fila = (qint64(tamano.width()) * 24 + 31) / 32 * 4;
    QImage imagen(tamano, QImage::Format_RGB32);
    if (imagen.isNull())
        return {};
    const auto *pixeles = reinterpret_cast<const uchar *>(bytes.constData()) + inicio;
    for (int y = 0; y < tamano.height(); ++y) {
        const uchar *origen = pixeles + (deAbajo ? tamano.height() - 1 - y : y) * fila;
        auto *destino = reinterpret_cast<QRgb *>(imagen.scanLine(y));
        for (int x = 0; x < tamano.width(); ++x, origen += 3)
            destino[x] = qRgb(origen[2], origen[1], origen[0]);
    }
    return imagen;
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

    QImage leida = LeerBmp24(bytes, *cabecera);
    if (leida.isNull()) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader lector(&buffer, "bmp");
        leida = lector.read();
    }
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
