// Background tiling and vertical gradients.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;

namespace norvela {

// Tiles `grafico` over an area of `tamano` from its top-left corner, row by
// row; tiles at the right and bottom edges are cut. An empty picture draws nothing.
void PintarMosaico(QPainter &lienzo, const QSize &tamano, const QImage &grafico);
// The same as a picture of its own, black where no tile falls, opaque (three
// bytes a pixel where it is to be kept long).
QImage Mosaico(const QSize &tamano, const QImage &grafico, QImage::Format formato = QImage::Format_RGB32);

// One horizontal line per row from `top` to `bottom` - 1, each from `left`
// to `right` - 1, stepping from colorDesde towards colorHasta (the last row
// stops one step short of it). Nothing when bottom <= top.
void PintarDegradado(QPainter &lienzo, int left, int top, int right, int bottom, const QColor &colorDesde,
                     const QColor &colorHasta);

} // namespace norvela
