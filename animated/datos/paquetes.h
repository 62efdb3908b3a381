// Reading the animated screen's two image packs, once, at the screen's
// creation.
#pragma once

#include "imagen_paquete.h"

#include <QString>

namespace norvela {

// Registers each pack file as a resource, takes every picture out of it and
// lets the file go. Returns the path of the first pack that is missing, is
// not a pack, or lacks one of the pictures or holds it at a size the scene
// does not draw (the pictures are then left empty); an empty text when both
// packs were read whole.
QString CargarPaquetesEscena(const QString &segdxg, const QString &vector, ImagenesEscena &imagenes);

} // namespace norvela
