// Numbers in the data files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvela {

// A field of a ";" file: a whole decimal number with an optional sign and no
// blanks around it.
std::optional<int> NumeroCampo(std::string_view campo);

// A number in fixed columns: leading blanks are skipped and a sign is
// allowed; any other character makes it not a number.
std::optional<int> NumeroColumna(std::string_view columna);

// Characters desde..hasta (1-based, inclusive) of a line; shorter where the
// line ends first.
std::string_view Columnas(std::string_view linea, int desde, int hasta);

} // namespace norvela
