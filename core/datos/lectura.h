// Reading the data folder's text files: lines as Windows-1252 bytes.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace norvela {

// The lines of a text file, CR LF or LF, without their line ends (a CR never
// stays inside a line). nullopt when the file cannot be opened.
std::optional<std::vector<std::string>> LeerLineas(const QString &ruta);

// As LeerLineas, but a file that cannot be opened is an ErrorEntradaSalida.
std::vector<std::string> LeerLineasObligatorio(const QString &ruta);

} // namespace norvela
