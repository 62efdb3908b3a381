// Pictures stored ready to draw: a short header ("NVP1", width, height, both
// 32-bit little-endian) followed by the rows of premultiplied 32-bit ARGB
// pixels. Reading one copies its pixels, with nothing to decode. The
// pictures compiled into the program are stored so, and so are those of the
// animated screen's image packs on disk.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace norvela {

QByteArray CodificarImagenLista(const QImage &imagen);
// A null image when the bytes are not such a picture (wrong header, sizes
// that do not match the length).
QImage DecodificarImagenLista(const char *datos, qint64 longitud);
// The picture the bytes hold, without copying its pixels: the bytes must
// stay, unchanged, as long as the picture or any copy of it. A null image
// when they are not such a picture, or when its pixels do not start on a
// 32-bit boundary.
QImage EnvolverImagenLista(const char *datos, qint64 longitud);
// The picture held by the resource at `ruta` (":/..."), copied; a null image
// when there is none or it is not such a picture.
QImage LeerImagenLista(const QString &ruta);

} // namespace norvela
