// Where a degree is taught: its universities by community with their
// latest cut-off marks, as lines of the marks grid (or of the degree
// report), built without a widget. Texts are Windows-1252 bytes.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace norvela {

class Enlace;

inline constexpr int kComunidades = 19;
// A cut-off mark of 1,0 stands for a mark the university does not publish.
inline constexpr int kNotaSinPublicar = 10;

// The mark in tenths as 4 characters: right-aligned in 3 with a "," before
// the last digit (65 -> " 6,5", 5 -> "  ,5"), "  - " when unpublished.
std::string TextoNota(int decimas);

struct UniversidadesGrado {
    // Lines 1..T: the title line, "Not.", then per community with
    // universities a heading "- name" and one "<" + university + mark line
    // per university, in the order of the degree's entries.
    std::vector<std::string> lineas;
    // Per community 1..19 (index 0 unused): the grid row of its heading
    // (0 when it has no university for the degree), and its star.
    std::array<int, kComunidades + 1> FilaComunidadNotas{};
    std::array<bool, kComunidades + 1> MarcasEstrellas{};
};

// `titulo`: interface text 593. A degree outside 1..NumGrados gives the two
// title lines only.
UniversidadesGrado UniversidadesDeGrado(const Enlace &e, int grado, const std::string &titulo);

// The two cells of a grid row: the first three lines as the grid's header
// (line 1 in column 0, line 2 in column 1, line 3 in column 0); from line 3
// on, column 0 is the line without its last 4 characters and column 1 " "
// and the mark.
struct CeldasNotas {
    std::string col0;
    std::string col1;
};
std::vector<CeldasNotas> CeldasDeNotas(const std::vector<std::string> &lineas);

// The finished lines go to ListaAux[1..T] (where the degree report takes
// them from).
void GuardarEnListaAux(Enlace &e, const std::vector<std::string> &lineas);

// Print mode opens the degree report's section: the report counter steps
// on, its line is emptied and the line after it is marked bold.
void AbrirSeccionInforme(Enlace &e);

// The degree report's section: the report counter steps on and the line
// after it is marked bold (LineasNegrita[1]); the lines are left in
// ListaAux[1..T] and NumLineasInforme becomes T. Returns the lines.
UniversidadesGrado UniversidadesEnInforme(Enlace &e, int grado, const std::string &titulo);

} // namespace norvela
