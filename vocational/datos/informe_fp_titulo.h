// The title sheet of an FP level: the title's sections (requirements,
// subjects, access routes or jobs), then community by community the centres
// that teach it.
#pragma once

#include "datos_fp.h"
#include "datos_lugares.h"
#include "informe_fp.h"
#include "informe_fp_seleccion.h"
#include "nivel_fp.h"
#include "textos_interfaz.h"

#include <array>
#include <string>
#include <vector>

namespace norvela {

// A sheet over all communities that reaches this many lines is not printed:
// the student picks the communities first.
constexpr int kLineasHojaLarga = 151;

// The lines of the title's three sections as the screen builds them, in the
// level's order (higher cycles: requirements, subjects, access routes).
struct VistasTitulo {
    std::array<std::vector<std::string>, 3> secciones;
};

struct HojaTituloFP {
    InformeFP informe;
    // Too long: nothing to print, the map collects communities instead.
    bool pedirSeleccion = false;
};

// The block of community c for the sheet: "***  " + characters 3..32 of its
// record in upper case + the level's closing, an empty line, then its
// centres that offer `titulo` at the level (name 44 characters and the
// 9-character column), under province headers when it has several
// provinces. Empty when none does, or when c is outside 1..19 or its first
// province is not a known code.
std::vector<std::string> BloqueComunidadTitulo(const DatosLugares &lugares, const NivelFPDatos &nivel, int c,
                                               int titulo);

// The head of the sheet: record 0 the title's name + " (" + the level's text
// + ")", whole (kAnchoTituloInforme); each section under its bold heading (higher cycles: "- " + text, cut
// to 22 or 32; else "** " + text + " **"), with an empty line after each
// section or, where the level says so, between them.
InformeFP CabeceraHojaTitulo(const NivelFPDatos &nivel, const TextosInterfaz &textos, int titulo,
                             const VistasTitulo &vistas);

// The sheet of `titulo`: its head; the level's rule; an empty line; "-" +
// text 317 in upper case (bold where the level says so); an empty line; the
// blocks of the picked communities in the picked order when the selection
// is set, else of communities 1..19; every "***" line is bold after the
// headings. Over all 19 communities, reaching kLineasHojaLarga lines stops
// the sheet and asks for a selection (the selection is started empty);
// otherwise the selection is over once the sheet is built.
HojaTituloFP HojaTitulo(const DatosLugares &lugares, const NivelFPDatos &nivel, const TextosInterfaz &textos,
                        int titulo, const VistasTitulo &vistas, SeleccionComunidadesFP &seleccion);

} // namespace norvela
