#include "imagen_lista.h"

#include <QResource>
#include <QtEndian>
#include <cstring>

namespace norvela {

namespace {

constexpr char kFirma[4] = {'N', 'V', 'P', '1'};
constexpr qint64 kCabecera = 12;
// Far beyond any picture of the program; keeps the size arithmetic safe.
constexpr quint32 kLadoMaximo = 8192;

} // namespace

QByteArray CodificarImagenLista(const QImage &imagen)
{
    const QImage argb = imagen.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qint64 fila = qint64(argb.width()) * 4;
    QByteArray bytes(kCabecera + fila * argb.height(), Qt::Uninitialized);
    std::memcpy(bytes.data(), kFirma, 4);
    qToLittleEndian<quint32>(quint32(argb.width()), bytes.data() + 4);
    qToLittleEndian<quint32>(quint32(argb.height()), bytes.data() + 8);
    for (int y = 0; y < argb.height(); ++y) {
        char *destino = bytes.data() + kCabecera + y * fila;
        const uchar *origen = argb.constScanLine(y);
        // Pixels are 32-bit words; stored little-endian whatever the machine.
        for (int x = 0; x < argb.width(); ++x)
            qToLittleEndian<quint32>(reinterpret_cast<const quint32 *>(origen)[x], destino + 4 * x);
    }
    return bytes;
}

namespace {

// The picture's size from its header, when the bytes are such a picture.
QSize Tamano(const char *datos, qint64 longitud)
{
    if (!datos || longitud < kCabecera || std::memcmp(datos, kFirma, 4) != 0)
        return {};
    const quint32 ancho = qFromLittleEndian<quint32>(datos + 4);
    const quint32 alto = qFromLittleEndian<quint32>(datos + 8);
    if (ancho == 0 || alto == 0 || ancho > kLadoMaximo || alto > kLadoMaximo)
        return {};
    if (longitud != kCabecera + qint64(ancho) * 4 * alto)
        return {};
    return QSize(int(ancho), int(alto));
}

} // namespace

QImage EnvolverImagenLista(const char *datos, qint64 longitud)
{
    const QSize tamano = Tamano(datos, longitud);
    const char *pixeles = datos + kCabecera;
    if (!tamano.isValid() || QSysInfo::ByteOrder != QSysInfo::LittleEndian ||
        reinterpret_cast<quintptr>(pixeles) % alignof(quint32) != 0)
        return {};
    return QImage(reinterpret_cast<const uchar *>(pixeles), tamano.width(), tamano.height(), tamano.width() * 4,
                  QImage::Format_ARGB32_Premultiplied);
}

QImage DecodificarImagenLista(const char *datos, qint64 longitud)
{
    const QSize tamano = Tamano(datos, longitud);
    if (!tamano.isValid())
        return {};
    const quint32 ancho = quint32(tamano.width()), alto = quint32(tamano.height());
    const qint64 fila = qint64(ancho) * 4;
    QImage imagen(int(ancho), int(alto), QImage::Format_ARGB32_Premultiplied);
    if (imagen.isNull())
        return {};
    for (quint32 y = 0; y < alto; ++y) {
        const char *origen = datos + kCabecera + y * fila;
        if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
            std::memcpy(imagen.scanLine(int(y)), origen, size_t(fila));
        } else {
            auto *destino = reinterpret_cast<quint32 *>(imagen.scanLine(int(y)));
            for (quint32 x = 0; x < ancho; ++x)
                destino[x] = qFromLittleEndian<quint32>(origen + 4 * x);
        }
    }
    return imagen;
}

QImage LeerImagenLista(const QString &ruta)
{
    const QResource recurso(ruta);
    if (!recurso.isValid())
        return {};
    if (recurso.compressionAlgorithm() != QResource::NoCompression) {
        const QByteArray datos = recurso.uncompressedData();
        return DecodificarImagenLista(datos.constData(), datos.size());
    }
    return DecodificarImagenLista(reinterpret_cast<const char *>(recurso.data()), recurso.size());
}

} // namespace norvela
