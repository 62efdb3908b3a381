// The pictures compiled into the program: the welcome picture, the walking
// figure, the door frames, the balloon, and the study icons, ":/iconos/icono00"
// .. ":/iconos/icono43" (30 x 30 each). They are stored ready to draw.
#pragma once

#include <QList>
#include <QPixmap>
#include <QString>

namespace norvela {

// The compiled-in picture `nombre` ("bienvenida", "anda0", "iconos/icono07"...);
// an empty picture when there is none.
QPixmap ImagenIncorporada(const QString &nombre);

constexpr int kNumIconosEstudios = 44;

// The icons in their order, icon k at index k; a picture that is missing is
// an empty one in its place. They are decoded on the first call and shared
// after it; the caller keeps its copy as long as it draws them (a screen as a
// member), never past the application.
QList<QPixmap> CargarIconosEstudios();

// The small list icons (16 x 16), made from the study icons: 1 degree,
// 2 selected node, 3 list item, 4 heading node, 5 university or place (0 is
// not drawn). The degrees screen's lists and tree and the FP screens' lists
// share them; made once, kept like the study icons.
constexpr int kNumIconosPequenos = 6;
QList<QPixmap> IconosPequenos();

} // namespace norvela
