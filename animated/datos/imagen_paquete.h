// The pictures of the animated screen's image packs. A pack is a binary Qt
// resource file; each picture in it is stored ready to draw, so nothing is
// decoded at start-up: a short header ("NVP1", width, height, both 32-bit
// little-endian) followed by the rows of premultiplied 32-bit ARGB pixels.
#pragma once

#include "escena.h"
#include "imagen_lista.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

namespace norvela {

inline QByteArray CodificarImagenPaquete(const QImage &imagen)
{
    return CodificarImagenLista(imagen);
}
// A null image when the bytes are not such a picture (wrong header, sizes
// that do not match the length).
inline QImage DecodificarImagenPaquete(const char *datos, qint64 longitud)
{
    return DecodificarImagenLista(datos, longitud);
}

// What each pack holds, by name. The scene's still pictures: the backdrop,
// the door and the entrance opening (frame 0 closed .. 4 open) and the flag.
// The moving figures: the walking student, the clouds, the birds, the bus.

struct ImagenesEscena {
    QImage fondo;
    std::array<QImage, kPasosPuerta> puerta;
    std::array<QImage, kPasosPuerta> portal;
    std::array<QImage, kFasesBandera> bandera;
    std::array<QImage, kFasesAndar> anda;
    std::array<QImage, kNubes> nube;
    std::array<QImage, kFasesPajaro> pajaro;
    QImage autobus;
};

// One picture of a pack: the pack (0 "segdxg1.DXG", 1 "vector.DXG"), its
// name inside the pack, where it goes, and the size the scene draws it at.
struct EntradaPaquete {
    int paquete;
    QString nombre;
    QImage *destino;
    QSize tamano;
};
std::vector<EntradaPaquete> EntradasPaquetes(ImagenesEscena &imagenes);

} // namespace norvela
