// Drawing one frame of the animated home screen's scene from the packs'
// pictures. No widget: the screen and the speed check both call it.
#pragma once

#include "escena.h"
#include "imagen_paquete.h"

class QPainter;

namespace norvela {

// Draws the whole 1024 x 768 scene at moment `s`; `resaltado` is the place
// under the mouse (-1 none), whose door glows.
void PintarEscena(QPainter &p, const ImagenesEscena &im, const EstadoEscena &s, int resaltado = -1);

} // namespace norvela
