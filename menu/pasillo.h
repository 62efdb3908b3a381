// The corridor of the main menu: the door bay tiled over the window, then
// at every door the closed door in its casing, at the very place where its
// opening is played, and a wooden board behind every door caption. The
// captions' places do not repeat bay by bay, so the doors are laid one by
// one instead of being part of the tiled bay.
#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace norvela {

// Height of the leaf inside a door picture: the rows below it are clear.
inline constexpr int kAltoHoja = 118;

QImage PintarPasillo(const QSize &tamano, const QImage &bahia, const QImage &puertaCerrada,
                     const QList<QPoint> &puertas, const QList<QRect> &rotulos);

// The corridor as the menu keeps it for as long as it lives: opaque, three
// bytes a pixel instead of four, the same pixels.
QPixmap PixmapPasillo(const QImage &pasillo);

} // namespace norvela
