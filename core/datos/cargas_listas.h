// Loaders of the list files: one item a line, read into a fixed table of
// fixed-length texts. A file longer than its table is an ErrorRango (the
// lines before it stay stored and the count is not written); an empty file
// is a missing one.
#pragma once

#include "tablas.h"

#include <QString>

namespace norvela {

class Enlace;

// Lines padded to `ancho`, stored in the table's width; entry 0 := the path.
// A missing file shows "Faltan ficheros (...)" and sets ErrorFicheros.
void CargarListaTexto(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, int ancho);
// The same into a table of 75-character texts (a narrower table is a
// programming error: std::logic_error); `ancho` is at most 75.
void CargarListaTexto75(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, int ancho);
// The first 60 (or 90) characters of each line, not padded; entry 0 := the path.
void CargarLista60(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n);
void CargarLista250(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n);
// Lines padded to AnchoLista into entries 1..350; a missing file is an ErrorEntradaSalida.
void CargarLista120(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n);

// Only the lines that start with "-": their text from the 2nd character,
// padded to `ancho`, into entries 1..; `lineas`[k] := the heading's line
// number. Entry 0 is left as it was.
void CargarEncabezados(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, TablaValores<int> &lineas,
                       int ancho);

// Blocks of 26 lines: the first line of each block is its header and is not
// stored, the next 25 fill entries 1..25. A missing file shows the message,
// sets ErrorFicheros and returns with the table untouched.
void CargarBloques26(Enlace &e, const QString &fichero, TablaBloques &tabla);
// Blocks of 51 lines (50 entries) into AsignaturasOtros.
void CargarBloques50(Enlace &e, const QString &fichero);

} // namespace norvela
