// The pictures of the animated home screen's two image packs, one function
// per kind. Their places on the scene come from the scene's own layout.
#pragma once

#include <QImage>

namespace dibujo {

QImage fondoEscena();           // the school's front, the pavement and the road (1024 x 768)
QImage puertaEscena(int paso);  // a door opening, paso 0 (closed) .. 4 (64 x 104)
QImage portalEscena(int paso);  // the double door of the entrance opening (96 x 104)
QImage banderaEscena(int fase); // the flag on the roof in the wind (48 x 32)
QImage nubeEscena(int numero);  // three clouds of different sizes
QImage pajaroEscena(int fase);  // a bird, wings up, level, down (34 x 20)
QImage autobusEscena();         // the school bus, facing left (300 x 112)

} // namespace dibujo
