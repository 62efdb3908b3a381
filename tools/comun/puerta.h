// The closed wooden door leaf of the corridor: the wall picture and the first
// frame of the opening door draw the same one.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace dibujo {

// The leaf filling `hoja`: wood with a grain, a small window, a recessed
// panel, a kick plate and a brass handle on its right.
void hojaDePuerta(QPainter &p, const QRectF &hoja, const QColor &color);

} // namespace dibujo
