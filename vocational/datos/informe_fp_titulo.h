// The higher-cycle title sheet: the title's requirements, subjects and
// access routes, then community by community the centres that teach it.
#pragma once

#include "datos_fp.h"
#include "datos_lugares.h"
#include "informe_fp.h"
#include "informe_fp_seleccion.h"
#include "textos_interfaz.h"

#include <string>
#include <vector>

namespace norvela {

// A sheet over all communities that reaches this many lines is not printed:
// the student picks the communities first.
constexpr int kLineasHojaLarga = 151;

// The three views of the title as the screen builds them (requirements,
// subjects, access routes).
struct VistasTitulo {
    std::vector<std::string> requisitos;
    std::vector<std::string> asignaturas;
    std::vector<std::string> acceso;
};

struct HojaTituloFP {
    InformeFP informe;
    // Too long: nothing to print, the map collects communities instead.
    bool pedirSeleccion = false;
};

// The block of community c for the sheet: "***  " + characters 3..32 of its
// record in upper case + "***", an empty line, then its centres that offer
// `titulo` (name 44 characters and the 9-character column), under province
// headers when it has several provinces. Empty when none does, or when c
// is outside 1..19 or its first province is not a known code.
std::vector<std::string> BloqueComunidadTitulo(const DatosLugares &lugares, const DatosFP &fp, int c, int titulo);

// The sheet of higher-cycle title `titulo`: record 0 the title's name +
// " (" + text 47 + ")"; the three views under their bold headings (texts 277,
// 312, 717); a rule; the bold heading of text 317 in upper case; the blocks
// of the picked communities in the picked order when the selection is set,
// else of communities 1..19; every "***" line is bold after the headings.
// Over all 19 communities, reaching kLineasHojaLarga lines stops the sheet
// and asks for a selection (the selection is started empty); otherwise the
// selection is over once the sheet is built.
HojaTituloFP HojaTitulo(const DatosLugares &lugares, const DatosFP &fp, const TextosInterfaz &textos, int titulo,
                        const VistasTitulo &vistas, SeleccionComunidadesFP &seleccion);

} // namespace norvela
