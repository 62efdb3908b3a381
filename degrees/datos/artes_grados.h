// The higher artistic studies: a family file (plastic arts and design,
// music, dance, drama) read into its titles, specialities and places, and
// the lines the degrees screen lists or prints from it. Lines are kept
// whole (web addresses are never cut); texts stay Windows-1252 bytes.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace norvela {

struct DatosLugares;

enum class FamiliaArtes { Plasticas, Musica, Danza, Dramatico };

// File name of the family in the language folder.
const char *FicheroFamiliaArtes(FamiliaArtes f);

// A family file holds at most this many lines (a longer one is a data error).
inline constexpr int kMaxLineasArtes = 1100;
// Plastic arts: the 17 speciality lines after "f1" (numbers 0..16).
inline constexpr int kUltimaEspecialidadPlasticas = 16;
// Drama: the eight speciality lines after the line that follows "f2".
inline constexpr int kEspecialidadesDramatico = 8;
// Displayed lines are cut to this width; web addresses are not.
inline constexpr int kAnchoLineaArtes = 60;

// The first line (0-based) that begins with `marca`, or nullopt.
std::optional<size_t> LineaMarca(const std::vector<std::string> &lineas, const char *marca);

// The titles: the lines before the first "f1" line (all lines without one).
std::vector<std::string> TitulosArtes(const std::vector<std::string> &lineas);

// The specialities as the family's specialities view lists them: for plastic
// arts the 17 names after "f1" from their third character; for the others the
// lines between "f1" and "f2" as they stand. Empty without the markers.
std::vector<std::string> EspecialidadesArtes(const std::vector<std::string> &lineas, FamiliaArtes f);

// A line of a places view: web lines hold an address to open.
struct LineaLugar {
    std::string texto;
    bool web = false;
};

// The places of music, dance or drama after the "f2" line; empty for
// plastic arts (its places go by the map) or without "f2".
std::vector<LineaLugar> LugaresArtes(const std::vector<std::string> &lineas, FamiliaArtes f,
                                     const DatosLugares &lugares);

// What the printed list of a family holds below its heading and the empty
// line after it: the family's lines without trailing blanks and without the
// marker lines. Music lines after the "f2" line lose their first two
// characters (a community number, or the indent of a centre). Plastic arts
// stop at the "f1" line and drama at the "f2" line (its "f1" line is left
// out): there the report goes on with the centres, which `lugares` says.
struct InformeArtes {
    std::vector<std::string> lineas;
    bool lugares = false;
};
InformeArtes LineasInformeArtes(const std::vector<std::string> &lineas, FamiliaArtes f);

// A plastic-arts centre: its line (community in columns 1-2, name 3-24,
// telephone 25-33, up to five two-digit speciality numbers in 35-44) and the
// address line that follows it.
struct CentroArtes {
    int comunidad = 0;
    std::string nombre;       // trailing blanks removed
    std::string telefono;     // as stored
    std::vector<int> especialidades;  // 0..16, in column order
    std::string direccion;    // the next line, as stored
};

// The centres of the plastic-arts file, in file order. A centre line is one
// whose columns 1-2 are a community 1..19; the line after it is its address
// and is never read as a centre (a postal code is not a community). Speciality
// numbers outside 0..16 are left out.
std::vector<CentroArtes> CentrosPlasticas(const std::vector<std::string> &lineas);

// The centres of community `c` as the map click lists them: "-  " + name +
// "  -  Tel. " + telephone, the speciality names, five blanks + address and
// an empty line per centre.
std::vector<std::string> LineasCentrosComunidad(const std::vector<CentroArtes> &centros,
                                                const std::vector<std::string> &especialidades, int c);

// Every centre for the printed report: a heading "- " + community name at each
// change of community, "  " + name + "  -  Tel. " + telephone, the speciality
// names and five blanks + address, with no empty line.
std::vector<std::string> LineasCentrosInforme(const std::vector<CentroArtes> &centros,
                                              const std::vector<std::string> &especialidades,
                                              const DatosLugares &lugares);

// The centres that teach speciality `s`: a heading at each change of
// community, three blanks + name + "  -  Tel. " + telephone, five blanks +
// address and an empty line per centre (twice when it lists `s` twice).
std::vector<std::string> LineasCentrosEspecialidad(const std::vector<CentroArtes> &centros, int s,
                                                   const DatosLugares &lugares);

} // namespace norvela
