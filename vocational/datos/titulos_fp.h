// The FP titles as the screens show them: family groups and their families
// and the titles of a family, at any level; the higher cycles' requirements
// and subjects views.
#pragma once

#include "datos_fp.h"
#include "nivel_fp.h"

#include <string>
#include <vector>

namespace norvela {

// One row of a group's family list: the caption and its family number.
struct FilaFamilia {
    std::string texto;
    int familia = 0;
};

// The families of group g (1..numGrupos) of a level: the headings of its
// non-zero family numbers, in order (from their second character where the
// level says so); with the level's extra families, group 1 adds the last
// family (the sports section) and group 6 the arts families, their captions
// without the section mark.
std::vector<FilaFamilia> FamiliasDeGrupo(const NivelFPDatos &n, int g);

// Title numbers of family f of a level: the lines between its heading and
// the next one; the last family runs to the end of the list, or has only the
// line after its heading where the level says so.
std::vector<int> TitulosDeFamilia(const NivelFPDatos &n, int f);

// Requirements view: the "reqfp" lines of fields 5..17 of the title; below
// LimiteSeccionGS, an empty line and the LOMCE block of the code "18" lines
// of `requisitos` (informa_l). `textoAcceso` is interface text 438.
std::vector<std::string> LineasRequisitos(const DatosFP &d, const TablaTexto &requisitos, int numRequisitos,
                                          int titulo, const std::string &textoAcceso);

// Subjects view: five blanks + `textoSalidas` (text 271), then the 25 lines
// of the title's block, an empty line before the sixth when the fifth is not
// blank; from 15 lines on, trailing blank lines go, keeping at least 14.
std::vector<std::string> LineasAsignaturas(const DatosFP &d, int titulo, const std::string &textoSalidas);

// Icon of a family in the program's icon list; any other number keeps `anterior`.
int IconoFamilia(int familia, int anterior);

// How each row of the views' list is drawn: shaded as a heading, with the
// small icon, and from which character its text is shown.
struct EstiloFila {
    bool encabezado = false;
    bool icono = false;
    int desde = 0;   // 0-based first character shown
};
// `primeraFilaEncabezado` 1001 means no heading rows; otherwise row 0 and
// every row from 7 on that starts with "-" are headings, and rows after the
// last heading that do not start with a blank get the icon.
std::vector<EstiloFila> EstilosVista(const std::vector<std::string> &lineas, int primeraFilaEncabezado);

} // namespace norvela
