// The printout of the centre list an FP screen shows for a province,
// locality, district or zone.
#pragma once

#include "centros_fp.h"
#include "datos_informe.h"
#include "datos_lugares.h"
#include "informe_fp.h"
#include "lugares_fp.h"
#include "nivel_fp.h"
#include "textos_interfaz.h"

#include <string>
#include <vector>

namespace norvela {

// Where the list being printed comes from: the data group and province
// character to search again, and the name the report's title carries.
struct OrigenListaCentros {
    char grupo = ' ';
    char provincia = ' ';
    std::string nombre;
};

// District mode: group "4" and the district's name; zone mode: group "2" and
// "Madrid"; otherwise the saved group and province with NombreProvinciaSel.
// Names lose their trailing blanks; a district outside the table has none.
OrigenListaCentros OrigenDeListaCentros(const DatosLugares &d, const LugarElegidoFP &lugar);

// Record 0: text 289 + ": " (together at most 32 characters) + `nombre`,
// and " - " + the level's list text where it has one. Each row gives its
// first column in 44 characters followed by its second column, on more than
// one line where they would otherwise glue or be cut (LineasDosCampos);
// where the level prints centre headers bold, every line of a row that
// begins with "-" is bold, however many there are.
InformeFP InformeListaCentros(const TextosInterfaz &textos, const NivelFPDatos &nivel, const std::string &nombre,
                              const std::vector<FilaRejilla> &filas);

// The same from the rows a print-mode search left in the report buffers
// (LineasInforme and LineasInforme2, lines 1 to the level's line counter).
InformeFP InformeListaCentros(const TextosInterfaz &textos, const NivelFPDatos &nivel, const std::string &nombre,
                              const DatosInforme &d);

} // namespace norvela
