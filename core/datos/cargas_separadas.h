// Loaders of the ";" files: lines of whole numbers separated by ";", read
// whole into LineasFichero and parsed into the shared number tables. A
// missing file is an ErrorEntradaSalida; a field that is not a whole number
// an ErrorConversion; more rows, values or lines than a table holds, a value
// out of its range, or fewer lines than the readers need an ErrorRango.
#pragma once

#include "tablas.h"

#include <QString>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace norvela {

class Enlace;

// s cut at every `sep`: one more element than separators, nothing trimmed.
std::vector<std::string> PartirCadena(std::string_view s, char sep);

// Reads the whole file into LineasFichero (cleared first) and returns its
// number of lines (at most 4400).
int LeerLineasFichero(Enlace &e, const QString &fichero);

// Which titles each centre offers: line i of block b (blocks of
// NumCentros1..NumCentros4 lines) is "n;t1;...;tn" for centre i of Centros b.
void CargarOfertaGS(Enlace &e, const QString &fichero);
void CargarOfertaGM(Enlace &e, const QString &fichero);
void CargarOfertaFPB(Enlace &e, const QString &fichero);

void CargarTablaFPSuperior(Enlace &e, const QString &fichero);
void CargarTablaFPMedio(Enlace &e, const QString &fichero);
void CargarTablaGrados(Enlace &e, const QString &fichero);

// Counted rows of item numbers 1..255; a value of 0 or less leaves its byte.
void CargarTablaBytes(Enlace &e, const QString &fichero, TablaBytes &tabla);

// "datcarnphp": per degree, the universities, the cut-off marks and the
// university-specific titles, in three blocks of NumGrados lines; derives
// EnlacesGrado. Universities are 1..NumUniversidades and titles
// 0..NumNuevosTitulos (0: none), so "lugar" and "carrenue" are loaded first:
// an index into a list still empty is an ErrorRango that says so.
void CargarNotasCorte(Enlace &e, const QString &fichero);

// The first degree row whose code (field 10) is `codigo`; 0 when none.
int BuscarGrado(const Enlace &e, int codigo);

// True when `valor` is among the first n entries of `lista`.
bool EstaEnLista(const std::array<int, 16> &lista, int valor, int n);

} // namespace norvela
