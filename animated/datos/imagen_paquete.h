// The pictures of the animated screen's image packs (each an entry of a
// pack, paquete_imagenes.h).
#pragma once

#include "escena.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

namespace norvela {

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
