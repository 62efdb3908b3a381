// Which communities the map markers of the FP screens go on: those where a
// title is taught. The pulse itself is drawn by PulsoEstrellas
// (mapa_estrellas_pulso.h), as on the degrees screen's region map.
#pragma once

#include "datos_lugares.h"

#include <array>

namespace norvela {

// MarcasEstrellas[c] := some province of community c has a centre whose
// offer lists `titulo`. Community c covers the province indexes first(c) ..
// first(c + 1) - 1, the last community only first(19); provinces of a group
// other than "1".."4" are skipped. `ofertas`, `centros` and `n` by group.
void MarcarComunidadesTitulo(DatosLugares &d, const std::array<const TablaEnteros *, 4> &ofertas,
                             const std::array<const TablaTexto *, 4> &centros, const std::array<int, 4> &n,
                             int titulo);

} // namespace norvela
