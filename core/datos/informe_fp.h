// A report as lines: the title record, the lines to print and which of them
// are bold. A screen builds one, copies it into the shared report buffer and
// hands that to the three-column printer.
#pragma once

#include "datos_informe.h"

#include <string>
#include <vector>

namespace norvela {

struct InformeFP {
    std::string titulo;               // record 0, the header's title (kAnchoTituloInforme)
    std::vector<std::string> lineas;  // lines 1..n, at most 65 characters each
    std::vector<int> negritas;        // numbers (1-based) of the bold lines

    int NumLineas() const { return static_cast<int>(lineas.size()); }
    // Appends s cut to the report's width and returns its line number.
    int Anadir(const std::string &s);
};

// Record 0, lines 1..n, the report's line counter (NumLineasInforme unless
// the screen counts elsewhere) = n and the bold list (count in
// LineasNegrita[0]). The buffers grow, so neither a long report nor more
// than 200 bold lines is cut.
void VolcarInforme(const InformeFP &informe, DatosInforme &d,
                   int DatosInforme::*contador = &DatosInforme::NumLineasInforme);

} // namespace norvela
