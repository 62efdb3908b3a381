// Reading the data folder's text files: lines as Windows-1252 bytes.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace norvela {

// The lines of a text file without their line ends: CR LF, LF and a CR
// alone each end a line. nullopt when the file cannot be opened or holds no
// line at all: every reader takes a data file with nothing in it for a
// missing one. A file that reads as UTF-8 with bytes above 127 is not
// Windows-1252: an ErrorDatos naming it.
std::optional<std::vector<std::string>> LeerLineas(const QString &ruta);

// As LeerLineas, but a file that cannot be opened is an ErrorEntradaSalida,
// and one without lines an ErrorFicheroVacio (told like a missing file).
std::vector<std::string> LeerLineasObligatorio(const QString &ruta);

} // namespace norvela
