// The printed report of a degree: its title, then the lines its
// universities and requirements views write in print mode (ListaAux), the
// outlets heading and the outlets text wrapped to the report's width.
// Texts are Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvela {

class Enlace;

inline constexpr int kAnchoInforme = 65;

// A trimmed name of 50 characters or more is the title as stored; a
// shorter one goes after `palabra` (text 522) and ": ", cut to 60.
std::string TituloInformeGrado(std::string_view nombre, std::string_view palabra);

// The paragraph split at blanks into lines of at most `ancho` characters; a
// word longer than a line is cut across lines. An empty or blank paragraph
// gives one empty line.
std::vector<std::string> PartirParrafo(std::string_view parrafo, int ancho = kAnchoInforme);

// Opens a report on `grado`: ListaAux[0] := its title, NumLineasInforme := 0
// and no bold line. False (and nothing written) for a degree outside the tables.
bool AbrirInformeGrado(Enlace &e, int grado, std::string_view palabra);

// After the universities and requirements views: LineasInforme[0..n] :=
// ListaAux[0..n], then 13 blanks + `encabezado` (text 278) and the outlets
// paragraphs wrapped at 65. Bold: the line the universities view marked and
// the requirements heading, and no other. Returns NumLineasInforme.
int ComponerInformeGrado(Enlace &e, const std::string &encabezado, const std::vector<std::string> &salidas);

} // namespace norvela
