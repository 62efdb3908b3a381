// What the start panel's map and the community list of the degrees screen
// show: the decision a click on the map takes, the rows of a community
// (universities or double-degree groups), a university's degrees with
// their cut-off marks and double degrees, the sports and other-studies rows,
// and the three reports of the selection list. Built without a widget;
// texts stay Windows-1252 bytes.
#pragma once

#include "datos_grados.h"
#include "informe_fp.h"
#include "universidades_grado.h"

#include <array>
#include <string>
#include <vector>

namespace norvela {

struct DatosLugares;

// A row of the community list: its text and the university (or
// double-degree group) it stands for. As many rows as the data gives.
struct FilaComunidad {
    std::string texto;
    int numero = 0;
};

// The universities of community c, in file order.
std::vector<FilaComunidad> UniversidadesDeComunidad(const DatosGrados &d, int c);
// The double-degree groups of community c, in group order.
std::vector<FilaComunidad> DoblesDeComunidad(const DatosGrados &d, int c);

// The screen's modes a map click looks at.
struct ModosMapa {
    bool artesPlasticas = false;
    bool impresion = false;
    bool fpSuperior = false;
    bool menuGrados = false;
    bool vistaDobles = false;
};

enum class AccionMapa {
    Ninguna,        // no community under the mouse
    SoloComunidad,  // the community is chosen, nothing is listed
    CentrosArtes,   // the plastic-arts centres of the community
    Universidades,  // the community's universities (text 292 alone when none)
    Filas,          // the rows go to the community list
    SinDobles,      // the selection list says there is nothing (text 292)
};

struct ClicMapa {
    AccionMapa accion = AccionMapa::Ninguna;
    int comunidad = 0;
    std::vector<FilaComunidad> filas;
};

// What a click on the map does with the community under the mouse
// (`raton`; anything outside 1..19 is none). In print mode of the plastic
// arts every community is listed, so the click always acts.
ClicMapa DecidirClicMapa(const DatosGrados &d, const ModosMapa &m, int raton);

// A row of the marks grid of one university: the row text (at most 60
// characters) and the degree it stands for (0 for headings and the rest).
struct FilaNotasUni {
    std::string texto;
    int grado = 0;
    // The grid's two cells: the first 55 characters, and a blank and the
    // last four (the mark or the tag).
    std::string Col0() const;
    std::string Col1() const;
};

// The linked title of `grado` at university `u`, 0 when none.
int TituloEnUniversidad(const DatosGrados &d, int grado, int u);

// The degrees of university u with their marks (grouped by branch under
// `ramas`, texts 515..519, when more than 15), then its double degrees
// under `texto242`. Degrees outside the tables are left out.
std::vector<FilaNotasUni> GradosDeUniversidad(const DatosGrados &d, int u, const std::array<std::string, 5> &ramas,
                                               const std::string &texto242);

// The double degrees of degree `grado` as its view lists them: from index 0,
// per group with a pair that holds the degree an empty line and the heading
// (eight blanks + group name), then a line per pair. Empty for degree 0.
std::vector<std::string> DoblesDelGrado(const DatosGrados &d, int grado);

// What a click on a row of the sports and other-studies list does.
enum class AccionOtros { Nada, PdfCentros, WebSuperiores, WebFormacion, WebNoReglados, Detalles };
AccionOtros AccionFilaOtros(int fila, const std::string &texto);
// The page of a course listing (the three web actions), empty otherwise.
std::string DireccionOtros(AccionOtros a);

// Block `estudio` (1..50) of AsignaturasOtros up to the first pair of blank
// entries (blank in their first 16 characters); all 50 without one. Empty
// outside 1..50.
std::vector<std::string> DetallesOtros(const DatosGrados &d, int estudio);

// The three reports of the selection list (title, lines cut to 65 and their
// bold lines): a university's degrees from the grid's cells; the double
// degrees of a degree from the lines of its view (line 0, the leading empty
// line, is not printed); a sports or other study from its details.
InformeFP InformeUniversidad(const std::string &texto289, const std::string &texto48, const std::string &texto296,
                             const std::string &universidad, const std::vector<CeldasNotas> &filas);
InformeFP InformeDobles(const std::string &texto242, const std::string &grado, const std::vector<std::string> &lineas);
InformeFP InformeOtros(const std::string &texto290, const std::string &estudio, const std::vector<std::string> &lineas);

} // namespace norvela
