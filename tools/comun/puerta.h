// The closed wooden door leaf of the corridor: the first frame of the
// opening door draws it, and the main menu lays that frame at every door.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace dibujo {

// Height of the leaf at the top of a 168-pixel door picture; the rows below
// it are left for the floor in front of the door. The menu's lower captions
// cover up to 38 pixels of a lower door's top, so the leaf's window starts
// below that.
inline constexpr int altoHoja = 118;

// The leaf filling `hoja` (56 x altoHoja): wood with a grain, a small
// window, a brass handle and a recessed panel with a plain lower rail.
void hojaDePuerta(QPainter &p, const QRectF &hoja, const QColor &color);

} // namespace dibujo
