#include "paquete_imagenes.h"

#include "imagen_lista.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace norvela {

using namespace paquete;

namespace {

constexpr qint64 kNombreMaximo = kNombre - 1;   // at least one NUL after the name
constexpr char kFirmaPng[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
constexpr char kFirmaLista[4] = {'N', 'V', 'P', '1'};

bool NombreValido(const QByteArray &nombre)
{
    if (nombre.isEmpty() || nombre.size() > kNombreMaximo)
        return false;
    return std::all_of(nombre.begin(), nombre.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
               || c == '.';
    });
}

quint32 Numero(const QByteArray &b, qint64 en)
{
    return qFromLittleEndian<quint32>(b.constData() + en);
}

// The width and height a PNG file's header gives (its first chunk, IHDR,
// big-endian); an invalid size when the bytes do not start as a PNG file.
QSize TamanoPng(const char *datos, qint64 longitud)
{
    if (longitud < 24 || std::memcmp(datos, kFirmaPng, 8) != 0 || std::memcmp(datos + 12, "IHDR", 4) != 0)
        return {};
    const quint32 ancho = qFromBigEndian<quint32>(datos + 16), alto = qFromBigEndian<quint32>(datos + 20);
    if (ancho == 0 || alto == 0 || ancho > 0x7fffffffu || alto > 0x7fffffffu)
        return {};
    return QSize(int(ancho), int(alto));
}

} // namespace

// A ready picture, drawn straight from the pack's bytes, which it keeps
// alive (it would copy them only if something drew on it); copied when its
// pixels are not aligned to be drawn so.
QImage PaqueteImagenes::ImagenLista(QByteArrayView datos, QSize tamano) const
{
    const QImage envuelta = EnvolverImagenLista(datos.data(), datos.size());
    QImage imagen = envuelta.isNull() ? DecodificarImagenLista(datos.data(), datos.size()) : envuelta;
    if (imagen.size() != tamano)
        return {};
    // Opaque pictures are copied where they are drawn, not blended, like
    // opaque PNG pictures: every pixel's alpha is full.
    // (A ready picture's rows follow one another with no gap.)
    const auto *pixel = reinterpret_cast<const quint32 *>(imagen.constBits());
    const qsizetype n = qsizetype(tamano.width()) * tamano.height();
    quint32 todos = 0xff000000u;
    for (qsizetype i = 0; i < n; ++i)
        todos &= pixel[i];
    const QImage::Format formato = todos >= 0xff000000u ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    if (envuelta.isNull()) {
        imagen.reinterpretAsFormat(formato);
        return imagen;
    }
    return QImage(
        envuelta.constBits(), envuelta.width(), envuelta.height(), envuelta.bytesPerLine(), formato,
        [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, new QByteArray(bytes_));
}

bool PaqueteImagenes::Leer(const QString &ruta)
{
    *this = {};
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFichero)
        return false;
    // Its size, once: nothing more is allocated than the file holds.
    QByteArray bytes = f.read(f.size());
    return f.error() == QFileDevice::NoError && Abrir(std::move(bytes));
}

bool PaqueteImagenes::Abrir(QByteArray bytes)
{
    *this = {};
    const qint64 longitud = bytes.size();
    if (longitud < kCabecera || longitud > kMaxFichero || std::memcmp(bytes.constData(), kFirma, 4) != 0
        || Numero(bytes, 4) != kVersion)
        return false;
    const quint32 cuenta = Numero(bytes, 8);
    const qint64 finIndice = kCabecera + qint64(cuenta) * kEntrada;
    if (cuenta == 0 || cuenta > kMaxEntradas || finIndice > longitud)
        return false;

    std::vector<QString> nombres;
    QHash<QString, std::pair<qint64, qint64>> entradas;
    std::vector<std::pair<qint64, qint64>> zonas;
    for (quint32 i = 0; i < cuenta; ++i) {
        const qint64 en = kCabecera + qint64(i) * kEntrada;
        const QByteArray campo = bytes.mid(en, kNombre);
        const qsizetype fin = campo.indexOf('\0');
        const QByteArray nombre = campo.left(fin);
        // The name, then NULs to the end of its field.
        if (fin < 0 || !NombreValido(nombre) || campo.mid(fin).count('\0') != campo.size() - fin)
            return false;
        const qint64 desde = Numero(bytes, en + kNombre), tamano = Numero(bytes, en + kNombre + 4);
        // Inside the file, after the index.
        if (tamano == 0 || desde < finIndice || desde + tamano > longitud)
            return false;
        const QString clave = QString::fromLatin1(nombre);
        if (entradas.contains(clave))
            return false;
        entradas.insert(clave, {desde, tamano});
        nombres.push_back(clave);
        zonas.emplace_back(desde, tamano);
    }
    // No two entries share a byte.
    std::sort(zonas.begin(), zonas.end());
    for (size_t i = 1; i < zonas.size(); ++i)
        if (zonas[i - 1].first + zonas[i - 1].second > zonas[i].first)
            return false;

    bytes_ = std::move(bytes);
    nombres_ = std::move(nombres);
    entradas_ = std::move(entradas);
    return true;
}

QByteArray PaqueteImagenes::Entrada(const QString &nombre) const
{
    const auto it = entradas_.constFind(nombre);
    if (it == entradas_.constEnd())
        return {};
    return bytes_.mid(it->first, it->second);
}

QImage PaqueteImagenes::Imagen(const QString &nombre, QSize tamano) const
{
    const auto it = entradas_.constFind(nombre);
    if (it == entradas_.constEnd())
        return {};
    const QByteArrayView datos(bytes_.constData() + it->first, it->second);
    if (datos.startsWith(QByteArrayView(kFirmaLista, 4)))
        return ImagenLista(datos, tamano);
    // Nothing of another size is decoded, however large it says it is.
    if (TamanoPng(datos.data(), datos.size()) != tamano)
        return {};
    QImage imagen;
    if (!imagen.loadFromData(datos, "PNG"))
        return {};
    // The formats the scene draws fastest: opaque pictures are copied, the
    // others blended from premultiplied pixels.
    const QImage::Format formato = imagen.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::move(imagen).convertToFormat(formato);
}

QByteArray EscribirPaquete(const std::vector<std::pair<QString, QByteArray>> &entradas)
{
    if (entradas.empty() || entradas.size() > kMaxEntradas)
        return {};
    qint64 longitud = kCabecera + qint64(entradas.size()) * kEntrada;
    const qint64 finIndice = longitud;
    std::vector<QString> vistos;
    for (const auto &[nombre, datos] : entradas) {
        if (!NombreValido(nombre.toLatin1()) || datos.isEmpty()
            || std::find(vistos.begin(), vistos.end(), nombre) != vistos.end())
            return {};
        vistos.push_back(nombre);
        longitud += datos.size();
        if (longitud > kMaxFichero)
            return {};
    }
    QByteArray bytes(longitud, '\0');
    std::memcpy(bytes.data(), kFirma, 4);
    qToLittleEndian<quint32>(kVersion, bytes.data() + 4);
    qToLittleEndian<quint32>(quint32(entradas.size()), bytes.data() + 8);
    qint64 desde = finIndice;
    for (size_t i = 0; i < entradas.size(); ++i) {
        const auto &[nombre, datos] = entradas[i];
        char *indice = bytes.data() + kCabecera + qint64(i) * kEntrada;
        const QByteArray latin = nombre.toLatin1();
        std::memcpy(indice, latin.constData(), size_t(latin.size()));
        qToLittleEndian<quint32>(quint32(desde), indice + kNombre);
        qToLittleEndian<quint32>(quint32(datos.size()), indice + kNombre + 4);
        std::memcpy(bytes.data() + desde, datos.constData(), size_t(datos.size()));
        desde += datos.size();
    }
    return bytes;
}

QByteArray CodificarPng(const QImage &imagen)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (imagen.isNull() || !buffer.open(QIODevice::WriteOnly) || !imagen.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace norvela
