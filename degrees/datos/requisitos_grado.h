// Access requirements of a degree: the judgement of its cut-off marks, its
// branch, the recommended subjects and the fixed advice lines. The same
// lines fill the requirements list, the degree report and the title
// catalogue's pop-up. Texts are Windows-1252 bytes, each cut to 60.
#pragma once

#include <string>
#include <vector>

namespace norvela {

class Enlace;
struct DatosGrados;

struct JuicioNotas {
    bool alta = false;
    bool media = false;
    bool mixta = false;
    double promedio = 0;   // in tenths; 0 when no mark counts
    int cuenta = 0;        // marks that count
};

// Only marks above 11 tenths count (10 stands for no published mark). The
// average of 60 or more is high; below it the marks are medium, and mixed as
// well when one mark is above 60 and more than a fifth are above 50.
JuicioNotas ValorarNotasCorte(const std::vector<int> &notas);
JuicioNotas ValorarNotasCorte(const DatosGrados &d, int grado);

// The lines of the requirements view for `grado` (empty for a degree
// outside 1..NumGrados). The catalogue stops after text 730.
std::vector<std::string> LineasRequisitos(const Enlace &e, int grado, bool catalogo = false);

// The requirements the title catalogue shows in its pop-up: the view's lines
// up to text 730. Nothing of the degrees screen is read or changed.
std::vector<std::string> RequisitosParaCatalogo(const Enlace &e, int grado);

// Print mode: an empty line after NumLineasInforme, then the lines into
// ListaAux from there on; the heading is the third bold line. Returns the
// new NumLineasInforme (unchanged but for the empty line when the degree is
// not valid).
int RequisitosParaInforme(Enlace &e, int grado);

} // namespace norvela
