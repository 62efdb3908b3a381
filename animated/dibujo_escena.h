// Drawing one frame of the animated home screen's scene from the packs'
// pictures. No widget: the screen and the speed check both call it.
#pragma once

#include "escena.h"
#include "imagen_paquete.h"

#include <QRect>
#include <vector>

class QPainter;

namespace norvela {

// Draws the 1024 x 768 scene at moment `s`; `resaltado` is the place under
// the mouse (-1 none), whose door glows. With a `zona`, only that part of
// the picture is drawn; what lies outside it is left alone.
void PintarEscena(QPainter &p, const ImagenesEscena &im, const EstadoEscena &s, int resaltado = -1,
                  const QRect &zona = {});

// What changes on the picture from moment `antes` to moment `ahora` (each
// with the place under the mouse): the areas each moving thing leaves and
// takes, for the things that moved or changed their picture, in a few areas
// that do not overlap. Everything else looks the same at both moments.
std::vector<QRect> CambioEscena(const ImagenesEscena &im, const EstadoEscena &antes, int resaltadoAntes,
                                const EstadoEscena &ahora, int resaltadoAhora);
// The same areas, cut to the scene, with those that overlap made one.
std::vector<QRect> UnirZonas(std::vector<QRect> zonas);

} // namespace norvela
