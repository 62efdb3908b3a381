// The program's colours.
#pragma once

#include <QColor>

namespace norvela::paleta {

inline const QColor ColorFondo{223, 236, 249};
inline const QColor ColorCeleste{0, 169, 251};
inline const QColor ColorCoral{231, 90, 94};
inline const QColor ColorResalte{255, 0, 0};
inline const QColor ColorBlanco{255, 255, 255};
inline const QColor ColorTexto{0, 0, 128};
inline const QColor ColorDegradado{0, 0, 128};
inline const QColor ColorCrema{255, 239, 206};
inline const QColor ColorMarfil{255, 255, 225};
inline const QColor ColorGranate{128, 0, 0};
inline const QColor ColorAzul{0, 0, 255};
inline const QColor ColorTitulo{0, 0, 128};
inline const QColor ColorEscena{0, 0, 128};

} // namespace norvela::paleta
