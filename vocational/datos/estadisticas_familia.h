// What the family statistics screen reads: the higher-cycle titles of "fp"
// with the family of each line, the family names, and "fami_estad.txt"
// (per family the percentage of studies and of jobs); and the number of
// centres that teach each title. Texts stay Windows-1252 bytes.
#pragma once

#include "tablas.h"
#include "titulos_fp.h"

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvela {

// Rows of EstFP, EstFamilias and EstDatos.
inline constexpr int kCapacidadEstadistica = 200;
// The charts of the families always have this many rows.
inline constexpr int kFamiliasEstadistica = 26;

// Trimmed lines of "fp" up to the sports section: EstFP[t] is title t of
// the higher cycles, as NombresFPSuperior[t]. Index 0 is unused.
struct ListaEstFP {
    std::vector<std::string> EstFP{std::string()};
    std::vector<int> FamiliaDeLinea{0};
    int NumEstFP = 0;

    bool Contiene(int t) const { return t >= 1 && t <= NumEstFP; }
};

// What the family statistics read for themselves: "fp", "familias" and
// "fami_estad.txt", trimmed lines with element 0 unused.
struct LecturasEstadistica {
    ListaEstFP fp;
    std::vector<std::string> familias{std::string()};
    std::vector<std::string> datos{std::string()};
};

// Blanks and control characters off both ends.
std::string Recortado(std::string_view s);

// The lines of "fp" as the statistics keep them: reading stops at a line
// beginning "-!", at the first empty line or at the end; "-|" loses its
// "|"; each heading ("-") starts the next family. More than 200 lines
// before the stop is an ErrorRango naming `fichero` and the line.
ListaEstFP LeerFPEstadistica(const std::vector<std::string> &lineas, const QString &fichero);

// Trimmed lines until the end or the first empty line, at most 200
// (a 201st is an ErrorRango). Element 0 is unused.
std::vector<std::string> LeerListaEstadistica(const std::vector<std::string> &lineas, const QString &fichero);

// A percentage of "fami_estad.txt" in hundredths: digits with at most one
// decimal point ("." or ","), blanks around allowed. Anything else is no number.
std::optional<int> Centesimas(std::string_view campo);
// Hundredths to tenths, to the nearest (halves away from zero).
int Decimas(int centesimas);
// Tenths as the jobs box writes them: one decimal, "." ("2.8", "13.0").
std::string TextoUnDecimal(int decimas);

// One family's line of "fami_estad.txt".
struct DatoFamilia {
    bool conLinea = false;            // the file has a line for the family
    std::string textoEstudios;        // columns 1-5, without blanks around
    std::string textoEmpleo;          // columns 6-10
    std::optional<int> estudios;      // hundredths; nullopt when the field is not a number
    std::optional<int> empleo;
};

// Families 1..26 from EstDatos (as LeerListaEstadistica gives it): a family
// beyond the file's lines has no line; a bad field has no value.
std::array<DatoFamilia, kFamiliasEstadistica + 1> DatosDeFamilias(const std::vector<std::string> &estDatos);

// For titles 1..numTitulos, how many entries of the offer rows equal the
// title (a centre listing it twice counts twice). Only the first
// numCentros[b] rows of block b and the first `count` entries of a row are
// read; entries outside 1..numTitulos count nowhere. Element 0 is unused.
std::vector<int> CentrosPorTitulo(const std::array<TablaEnteros, 4> &ofertas, const std::array<int, 4> &numCentros,
                                  int numTitulos);

// The family icon of the main menu's icon list for families 1..26 (the one
// table of titulos_fp.h); -1 for any other number (arts sections, no family).
inline int IconoDeFamilia(int familia)
{
    return IconoFamilia(familia, -1);
}

} // namespace norvela
