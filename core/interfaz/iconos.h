// The program's study icons, compiled in as ":/iconos/icono00.png" ..
// ":/iconos/icono43.png" (30 x 30 each).
#pragma once

#include <QList>
#include <QPixmap>

namespace norvela {

constexpr int kNumIconosEstudios = 44;

// The icons in their order, icon k at index k; a picture that is missing is
// an empty one in its place. They are decoded on the first call and shared
// after it; the caller keeps its copy as long as it draws them (a screen as a
// member), never past the application.
QList<QPixmap> CargarIconosEstudios();

} // namespace norvela
