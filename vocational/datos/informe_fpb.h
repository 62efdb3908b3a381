// The basic-cycle report of a title: its three sections as the level's
// title sheet begins, then the centres that teach it in the community the
// student clicked on the map.
#pragma once

#include "centros_fp.h"
#include "datos_lugares.h"
#include "informe_fp.h"
#include "informe_fp_titulo.h"
#include "lugares_fp.h"
#include "nivel_fp.h"
#include "textos_interfaz.h"

#include <string>
#include <vector>

namespace norvela {

// The centres of the chosen community (its provinces as the map click left
// them in `lugar`) that teach `titulo`, as the grid lists them.
std::vector<FilaRejilla> CentrosTituloEnComunidad(const DatosLugares &lugares, const LugarElegidoFP &lugar,
                                                  const NivelFPDatos &nivel, int titulo);

// Record 0 the title's name + " (" + text 263 + ")" and the three sections
// under their bold headings (CabeceraHojaTitulo); then text 323 and "***  "
// + characters 3..32 of the community's record in upper case + "  ***",
// both bold; then each row's first column (44 characters) + two blanks +
// its second column (LineasDosCampos: nothing cut); without rows, text 292.
InformeFP InformeTituloFPB(const NivelFPDatos &nivel, const TextosInterfaz &textos, const DatosLugares &lugares,
                           int titulo, const VistasTitulo &vistas, int comunidad,
                           const std::vector<FilaRejilla> &filas);

} // namespace norvela
