// Reading the animated screen's two image packs, once, at the screen's
// creation.
#pragma once

#include "imagen_paquete.h"

#include <QString>

namespace norvela {

// Reads both pack files (paquete_imagenes.h) and takes every picture out of
// them. Returns the path of the first pack that is missing, is not a
// well-formed pack, or lacks one of the pictures, holds it as anything but a
// picture (ready to draw or PNG) or at a size the scene does not draw (the pictures are then
// left empty); an empty text when both packs were read whole.
QString CargarPaquetesEscena(const QString &segdxg, const QString &vector, ImagenesEscena &imagenes);

} // namespace norvela
