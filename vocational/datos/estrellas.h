// The pulsing circles over the map of Spain that mark the communities where
// a title is taught. The region-map window of the degrees screen and the
// three FP screens draw them the same way, with the shared phases.
#pragma once

#include "datos_lugares.h"

#include <QColor>
#include <array>

class QImage;

namespace norvela {

// The pen and brush the next tick draws with (a fresh canvas: black on white).
struct TrazoEstrellas {
    QColor pluma = Qt::black;
    QColor relleno = Qt::white;
};

// MarcasEstrellas[c] := some province of community c has a centre whose
// offer lists `titulo`. Community c covers the province indexes first(c) ..
// first(c + 1) - 1, the last community only first(19); provinces of a group
// other than "1".."4" are skipped. `ofertas`, `centros` and `n` by group.
void MarcarComunidadesTitulo(DatosLugares &d, const std::array<const TablaEnteros *, 4> &ofertas,
                             const std::array<const TablaTexto *, 4> &centros, const std::array<int, 4> &n,
                             int titulo);

// One tick: both phases advance, every marked community gets an ellipse of
// half-axes (FaseEstrellas, FaseEstrellas2) around its point, drawn over
// the canvas without erasing; then the colours for the next tick are set
// (white pen; brush yellow, navy or maroon by phase) and a phase that
// reached 3 starts again at 0.
void TicEstrellas(QImage &lienzo, DatosLugares &d, TrazoEstrellas &trazo);

} // namespace norvela
