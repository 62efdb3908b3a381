// The basic-cycle titles as their screen shows them: where each family of
// "fpba" starts, the nine groups of families, the titles of a family, the
// explanation of the title under the mouse, and the lines of the three
// information views (requirements, what is studied, what it leads to).
#pragma once

#include "tablas.h"

#include <QString>
#include <array>
#include <string>
#include <vector>

namespace norvela {

inline constexpr int kFamiliasFPB = 26;
inline constexpr int kGruposFPB = 9;
// Records 40..48 of "familias" are the basic-cycle groups.
inline constexpr int kPrimerRegistroGruposFPB = 40;
// A family line of "fpba" after this one is a data error.
inline constexpr int kUltimaLineaFamiliaFPB = 255;

// InicioFamiliaFPB: [0] the number of families ("-" lines) of "fpba", [f]
// the line number of family f's "-" line.
using InicioFamilias = std::array<int, kFamiliasFPB + 1>;

// The "-" lines of NombresFPBasica[1..n]. More than 26 of them, or one
// after line 255, is an ErrorRango naming `fichero` and the line.
InicioFamilias CalcularInicioFamiliaFPB(const TablaTexto &nombres, int n, const QString &fichero);

// The nine groups: GruposFPBasica[g] is the caption (characters 7.. of
// record 39 + g, trimmed, cut to `ancho`), FamiliasGrupoFPBasica[g][k] the
// k-th family number of the group (characters 1-2, 3-4, 5-6; 0 = none), as
// the level's family groups (NivelFPDatos::gruposFamilias) hold them.
struct GruposFPB {
    std::array<std::string, kGruposFPB + 1> GruposFPBasica{};
    TablaEnteros FamiliasGrupoFPBasica{1, kGruposFPB + 1, 1, 3};

    // The group is a road to the centres by place: its first family is 0.
    bool PorLugar(int g) const;
};

// The study icon of row `fila` (0-based) of the group list.
int IconoGrupoFPB(int fila);

// Records 40..48 of `familias` (NombresFamilias, `numRegistros` loaded). A
// pair that is not a number is an ErrorConversion, a family above 26 an
// ErrorRango, both naming `fichero` and the record.
GruposFPB LeerGruposFPB(const TablaTexto &familias, int numRegistros, const QString &fichero, int ancho = 60);

// True when `linea` is the "-" line of a family.
bool EsLineaFamiliaFPB(const InicioFamilias &inicio, int linea);

// What the title on line `linea` leads to, shown under the title list:
// four blanks + `textoSalidas` (text 271), together cut to 34 characters,
// then lines 1..5 of its block. Empty for a family line.
std::vector<std::string> ExplicacionTituloFPB(const InicioFamilias &inicio, const TablaBloques &bloques, int linea,
                                              const std::string &textoSalidas);

// The three information views of a title.
enum class VistaFPB { Requisitos, Asignaturas, Salidas };

// Every line of `requisitos` (informa_l, lines 1..n) whose characters 1-2
// are `codigo`, from character 3, cut to `ancho`, in file order.
std::vector<std::string> LineasConCodigo(const TablaTexto &requisitos, int n, const char (&codigo)[3], int ancho);

// What the screen shows of a view of title `titulo`:
//   requirements: the " 8" lines;
//   what is studied: the " 9" lines, an empty line, block lines 6..25;
//   what it leads to: an empty line, two blanks + `textoPuestos` (text
//   199), block lines 1..5, an empty line, the "10" lines.
struct FuentesVistaFPB {
    const TablaTexto *requisitos = nullptr;
    int numRequisitos = 0;
    const TablaBloques *bloques = nullptr;
    std::string textoPuestos;   // text 199
    int ancho = 60;
};
std::vector<std::string> LineasVistaFPB(VistaFPB vista, const FuentesVistaFPB &f, int titulo);

// What a view prints under its heading: the requirements' " 8" lines; the
// " 9" lines, an empty line and block lines 6..25; or block lines 1..5, an
// empty line and the "10" lines.
std::vector<std::string> LineasInformeVistaFPB(VistaFPB vista, const FuentesVistaFPB &f, int titulo);

} // namespace norvela
