// The degree browser's listings, built without a widget: the grid of a
// branch, the four trees, the alphabetical order and the linked-title hint.
// Texts are Windows-1252 bytes, right-trimmed; the screen decodes them.
#pragma once

#include <string>
#include <vector>

namespace norvela {

class Enlace;

// Item 6 of the branch list: every degree, grouped.
inline constexpr int kTodasLasRamas = 6;

// One row of the branch grid: the name (degree or group), "+" when the
// degree links to university-specific titles, and the degree (0 on a group
// header row).
struct FilaNavegador {
    std::string texto;
    std::string marca;
    int grado = 0;
    bool cabecera = false;
};

// The grid of branch b (1..5, or kTodasLasRamas). Branches 2 and 5 list
// their degrees in file order; the others list them under their groups,
// leaving out empty groups and degrees of no group.
std::vector<FilaNavegador> FilasRama(const Enlace &e, int rama);

// Images of the tree nodes (indexes of the screen's ImageList1).
inline constexpr int kImagenGrado = 1;
inline constexpr int kImagenSeleccion = 2;
inline constexpr int kImagenEncabezado = 4;

// One node of a tree, in creation order (which is the tree's display
// order): nivel 0 is a top-level node, 1 a child of the last top-level one.
struct NodoArbol {
    std::string texto;
    int nivel = 0;
    int grado = 0;   // 0 on a heading node
    int imagen = kImagenGrado;
};

// The groupings of the grouping box, by item index + 1.
enum class Agrupacion { PorRamas = 1, PorGrupos, PorActividad, PorItinerario, Alfabetica };

std::vector<NodoArbol> ArbolPorGrupos(const Enlace &e);
std::vector<NodoArbol> ArbolAlfabetico(const Enlace &e);
std::vector<NodoArbol> ArbolPorItinerario(const Enlace &e);
std::vector<NodoArbol> ArbolPorActividad(const Enlace &e);
// The tree of a grouping other than PorRamas (empty for PorRamas).
std::vector<NodoArbol> ArbolDe(const Enlace &e, Agrupacion agrupacion);

// Sorts names (and their index, index[i] := i + 1 first) by their first
// 10 characters, by character code; names equal there keep their order.
void OrdenarNombres(std::vector<std::string> &nombres, std::vector<int> &indice);

// The hint of a degree in the grid: four blanks, `cabecera` (text 538) and
// a line "-" + title per linked title. Empty when the degree has no links.
std::string TextoEnlaces(const Enlace &e, int grado, const std::string &cabecera);

} // namespace norvela
