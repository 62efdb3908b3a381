// Loaders of the files whose lines have fixed columns. Each fills its own
// shared tables. A missing file is an ErrorEntradaSalida, except "dobles",
// which shows the missing-file message.
#pragma once

#include <QString>

namespace norvela {

class Enlace;

// "comarcas": lines 1..41 are the districts (columns 1-2 code, 3-4 district
// number, 5.. name of `ancho` characters); later lines, up to line 60, are
// sub-districts (columns 1-2 code, 3.. name of `ancho` + 10 characters).
// A district number that is not a number shows "mal " + the line and stops.
void CargarCodigosSuperior(Enlace &e, const QString &fichero, int &n, int ancho);

// "comarcasm": each line columns 1-2 code, 3-4 zone, 5.. name; up to three
// lines a zone 1..28, listed in LineasDeZona. A line of another zone is
// stored but listed in no zone.
void CargarZonasSuperior(Enlace &e, const QString &fichero, int &n, int ancho);

// "lugar": columns 1-2 community 1..19, 3-37 university name, 38-137 web
// address without "http://www.".
void CargarTitulosCodigo(Enlace &e, const QString &fichero, int &n);

// "comuint": columns 15-114 of each line are a community's web address.
void CargarWebComunidades(Enlace &e, const QString &fichero, int &n);

// "dobles": group lines (columns 1-2 the community, 3-37 the university)
// each followed by member lines (columns 5-7 and 8-10 degree codes, 11-14 a
// tag). Needs TablaGrados loaded, as degree codes become rows through BuscarGrado.
void CargarDobles(Enlace &e, const QString &fichero, int &n);

} // namespace norvela
