// The communities as both subsystems look them up: a community's name from
// the place records, and the community under a pixel of the map of Spain.
#pragma once

#include "datos_lugares.h"

#include <string>

namespace norvela {

// The community's name: `ancho` characters of Lugares[c] from column 3,
// trailing blanks removed. Empty outside 1..19.
std::string NombreComunidad(const DatosLugares &d, int c, int ancho = 60);

// The community under a pixel of the map; 0 when there is none or the value
// lies outside 1..19.
int ComunidadEn(const DatosLugares &d, int x, int y);

} // namespace norvela
