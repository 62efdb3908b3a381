// The documents of the data folder's "pdf" sub-folder.
#pragma once

#include <QDir>
#include <QStringList>

namespace pdfs {

// One weighting document per community with public universities, written
// into `carpeta`. Returns the names of the files it could not write.
QStringList EscribirPonderaciones(const QDir &carpeta);

// The statistics and sports-centre documents the screens open by name,
// written into `carpeta`. Returns the names of the files it could not write.
QStringList EscribirEstudios(const QDir &carpeta);

// Decimal comma, as the documents are in Spanish.
QString Numero(double valor, int decimales);

} // namespace pdfs
