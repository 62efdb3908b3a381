// The intermediate-cycle titles' own views: the access requirements of the
// title's section, its jobs and its subjects, on the screen and as the
// title sheet takes them. Family groups, families and titles are the FP
// levels' shared ones (titulos_fp.h over NivelMedio).
#pragma once

#include "datos_fp.h"
#include "informe_fp_titulo.h"
#include "titulos_fp.h"

#include <string>
#include <vector>

namespace norvela {

// The access-requirement code of a title: "13" below the arts section,
// "22" in it, "23" from the sports section on.
std::string CodigoRequisitosGM(int titulo, int seccionDesde, int seccionHasta);

// The rows of the requirement lines with that code in characters 1-2:
// characters 3..anchoLista of each, in file order.
std::vector<std::string> LineasRequisitosGM(const TablaTexto &requisitos, int numRequisitos, const std::string &codigo,
                                            int anchoLista);

// Jobs: lines 1..5 of the title's block in "asignagm".
std::vector<std::string> LineasPuestosGM(const DatosFP &d, int titulo);

// Subjects: lines 6..25 of the title's block. On the screen an empty row
// comes before line 7 when line 7 has text; in the report there is no such
// row and the trailing blank lines go (at most the last 11).
std::vector<std::string> LineasAsignaturasGM(const DatosFP &d, int titulo, bool enPantalla);

// How the rows of a view are drawn on this screen. With
// `primeraFilaEncabezado` 1001 there are no headings; otherwise every row
// that starts with "-" is one, and the rows after the last heading that do
// not start with a blank get the small icon.
std::vector<EstiloFila> EstilosVistaGM(const std::vector<std::string> &lineas, int primeraFilaEncabezado);

// The title's three sections for the sheet: requirements, jobs, subjects.
VistasTitulo VistasDeTituloGM(const DatosFP &d, const TablaTexto &requisitos, int numRequisitos, int titulo,
                              int anchoLista);

} // namespace norvela
