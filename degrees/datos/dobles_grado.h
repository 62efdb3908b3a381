// Double degrees: the menu list of every degree that takes part in one, the
// double degrees of one degree by university, and the communities where
// they are. Rows are built here and copied by the degrees screen into its
// list and grid; texts stay Windows-1252 bytes.
#pragma once

#include "datos_grados.h"
#include "tablas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace norvela {

// A row of the menu list: a branch heading ("- " + branch, grado 0) or a
// degree's name (grado = its row in the degree tables).
struct FilaMenuDobles {
    std::string texto;
    bool encabezado = false;
    int grado = 0;
};

// Branch by branch (1..5), the degrees that take part in a double degree,
// in table order; every branch keeps its heading even when it has none.
std::vector<FilaMenuDobles> ListaMenuDobles(const DatosGrados &d);

// A line of one degree's double degrees: a university heading
// ("- " + university) or "+ " + partner's name padded or cut to 45 + the
// 4-character tag, so the tag always starts at character 48. Cut to 60.
struct LineaDoble {
    std::string texto;
    bool encabezado = false;
    int grupo = 0;
    int pareja = 0;   // the partner degree, 0 on a heading
};

// The double degrees of `grado`, university by university in file order; with
// `comunidad` in 1..19 only the universities of that community. Entries whose
// partner is not a known degree are left out.
std::vector<LineaDoble> LineasDobles(const DatosGrados &d, int grado, int comunidad = 0);

// Marks the communities with a university that pairs `grado` with another
// degree (1) and clears the others; true when any was marked.
bool MarcarComunidadesDobles(const DatosGrados &d, int grado, TablaValores<uint8_t> &marcas);

// A row of the degrees screen's two-column grid.
struct FilaRejillaDobles {
    std::string col0;
    std::string col1;
};

// The grid of one degree's double degrees, opened from its panel: the
// degree's name, text 593 and the lines; a degree in no double degree gets
// text 242 + " de...", its name, an empty row and text 393. Empty for a
// degree outside 1..NumGrados.
std::vector<FilaRejillaDobles> RejillaDoblesGrado(const DatosGrados &d, int grado, const std::string &texto242,
                                            const std::string &texto393, const std::string &texto593);

// The grid of one degree's double degrees in one community, opened from the
// region map: text 242 + " de...", the degree's name, text 593 and the lines
// (only the three heading rows when there are none).
std::vector<FilaRejillaDobles> RejillaDoblesComunidad(const DatosGrados &d, int grado, int comunidad,
                                                const std::string &texto242, const std::string &texto593);

} // namespace norvela
