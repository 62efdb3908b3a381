// The title search of the degree browser, built without a widget: a query
// looked for in the group names, then in the degree names, then in the
// university-specific titles, as rows of the browser's grid. Texts are
// Windows-1252 bytes.
#pragma once

#include "navegador_grados.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvela {

class Enlace;

// The text with each accented vowel (acute, grave, diaeresis, circumflex)
// replaced by its plain vowel of the same case; "ñ", "Ñ", "ç" and every
// other character stay.
std::string QuitarAcentos(std::string_view texto);

// Trimmed, without accents, with A-Z lower-cased (other letters keep their
// case, so "Ñ" and "ñ" stay apart).
std::string FormaNormal(std::string_view texto);

// False when `grado` is the degree of one of the first n rows.
bool NoListado(const std::vector<FilaNavegador> &filas, int n, int grado);

// The grid of a search for `consulta`: the matching groups with their
// degrees; then, under `encontrados` (text 571), the matching degrees not
// yet listed; only when those give no row, under `encontrados`, the degrees
// linked to each matching title (once per title). With no degree row, the
// single header row `noEncontrado` (text 41). An empty query finds nothing.
std::vector<FilaNavegador> FilasBusqueda(const Enlace &e, std::string_view consulta, const std::string &encontrados,
                                         const std::string &noEncontrado);

} // namespace norvela
