// The program's student character, a cheerful girl in her school uniform
// with a book held to her chest. The logo prints her alone; other pictures
// put her in their own scenes, so she is drawn without a background.
#pragma once

#include <QColor>
#include <QPainter>

namespace dibujo {

// Her colours, for the pictures that draw her in other poses.
namespace alumnaColor {
inline const QColor piel(255, 216, 188);
inline const QColor pelo(112, 66, 42);
inline const QColor mejillas(246, 150, 150, 140);
} // namespace alumnaColor

// Draws her standing, seen from the front, in a 70 x 110 box at the origin.
void alumna(QPainter &p);

} // namespace dibujo
