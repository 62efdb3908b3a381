// Loading of the degrees screen's data at its creation: the language files
// of the degrees (and of the screens that read them later), the
// language-independent tables, and what is derived from them.
#pragma once

#include "tablas.h"

#include <QString>

namespace norvela {

class Enlace;

// Lines cut to 70 characters into entries 1.. of `tabla`, at most 100.
// A missing file shows the missing-file message and sets ErrorFicheros.
void CargarLineas70(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n);

// "profesio": per line, columns 1-4 and 6-9 the two activity codes,
// 11-50 the profession's name; at most 250 lines. Missing: as above.
void LeerProfesionesGrados(Enlace &e, const QString &fichero, int &n);

// After "activida": each entry's code (columns 1-4) to CodActividad and
// its name from column 6 on. More than 30 activities is an ErrorRango.
void PrepararActividades(Enlace &e, const QString &fichero);

// After "familias": NumFamilias := 26, and the nine family groups of lines
// 30..38 (columns 1-2, 3-4, 5-6 family numbers, name from column 7).
// A pair that is not a number is an ErrorConversion, a family number
// outside 0..26 an ErrorRango, both with the file and line.
void PrepararFamilias(Enlace &e, const QString &fichero, int lineas);

// EncabezadoSeccionGS and LimiteSeccionGS from the higher-cycle lists.
void CalcularSeccionesGS(Enlace &e);

// Record 0 (the list title) of the lists the screens show with a heading.
void PonerRegistrosCero(Enlace &e);

// The five branch names from the interface texts.
void PonerNombresRamas(Enlace &e);

// The language files 1..14 in their order, with their post-processing and
// the record-0 texts. False when a file was missing: each one has been
// reported, ErrorFicheros is set and nothing more may be read.
bool CargarDatosGrados(Enlace &e);

// The language-independent tables (communities, universities, centres,
// questionnaire items, cut-off marks, degrees, higher-cycle offer, double
// degrees), RamaGrado, and the check of every index the degree table holds.
void CargarTablasGrados(Enlace &e);

// Fields of TablaGrados that index other tables must point inside them:
// an ErrorRango with the file and line otherwise.
void ComprobarTablaGrados(const Enlace &e, const QString &fichero);

} // namespace norvela
