// The image packs of the animated screen: a small file of named pictures,
// in a layout of the program's own (README.md, "Image packs"):
//
//   header   "NVPK", version (1), number of entries     3 x 4 bytes
//   index    per entry: name (32 bytes, NUL-padded),
//            offset and size of its bytes (4 bytes each)  40 bytes each
//   data     the entries' bytes, each a picture stored ready to draw
//            (imagen_lista.h) or a PNG file
//
// All numbers are unsigned 32-bit little-endian. Nothing in a pack is
// trusted: the whole index is checked against the file before any entry is
// handed out, and a picture is taken only when its header gives the size it
// is asked for. The build writes ready pictures: reading them decodes
// nothing, and each is drawn from the pack's own bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <utility>
#include <vector>

namespace norvela {

namespace paquete {
inline constexpr char kFirma[4] = {'N', 'V', 'P', 'K'};
inline constexpr quint32 kVersion = 1;
inline constexpr qint64 kCabecera = 12;
inline constexpr qint64 kNombre = 32;
inline constexpr qint64 kEntrada = kNombre + 8;
inline constexpr quint32 kMaxEntradas = 256;
inline constexpr qint64 kMaxFichero = 64 * 1024 * 1024;
} // namespace paquete

class PaqueteImagenes {
public:
    // Reads the pack at `ruta` whole. False, and nothing held, when the file
    // is missing, cannot be read or is not a well-formed pack.
    bool Leer(const QString &ruta);
    // The same, with the pack's bytes.
    bool Abrir(QByteArray bytes);

    // The bytes of entry `nombre`; empty when the pack has none of that name.
    QByteArray Entrada(const QString &nombre) const;
    // Entry `nombre` as a picture ready to draw (RGB32 when opaque, else
    // premultiplied ARGB), when it is a ready or PNG picture of exactly
    // `tamano`; a null image otherwise. A ready picture keeps the pack's
    // bytes while it or a copy of it lives.
    QImage Imagen(const QString &nombre, QSize tamano) const;
    // The entries' names, in the index's order.
    const std::vector<QString> &Nombres() const { return nombres_; }

private:
    QImage ImagenLista(QByteArrayView datos, QSize tamano) const;

    QByteArray bytes_;
    std::vector<QString> nombres_;
    QHash<QString, std::pair<qint64, qint64>> entradas_;   // offset, size
};

// The bytes of a pack holding `entradas` (name, bytes) in that order; empty
// when a name is not valid or repeated, an entry is empty, or the pack would
// pass the limits above.
QByteArray EscribirPaquete(const std::vector<std::pair<QString, QByteArray>> &entradas);

// A picture as a pack's entry: PNG bytes (empty when it cannot be encoded).
QByteArray CodificarPng(const QImage &imagen);

} // namespace norvela
