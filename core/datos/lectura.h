// Reading the data folder's text files: lines as Windows-1252 bytes.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace norvela {

// The lines of a text file, CR LF or LF, without their line ends (a CR never
// stays inside a line). nullopt when the file cannot be opened or holds no
// line at all: every reader takes a data file with nothing in it for a
// missing one.
std::optional<std::vector<std::string>> LeerLineas(const QString &ruta);

// As LeerLineas, but a file that cannot be opened is an ErrorEntradaSalida,
// and one without lines an ErrorFicheroVacio (told like a missing file).
std::vector<std::string> LeerLineasObligatorio(const QString &ruta);

} // namespace norvela
