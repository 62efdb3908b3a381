// Texts of the data files are Windows-1252 bytes. They stay bytes in the data
// layer (so fixed widths and columns are exact) and become QString only where
// a screen or a message shows them, through these two functions.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace norvela {

QString DesdeAnsi(std::string_view bytes);

// Characters that Windows-1252 cannot hold become '?'.
std::string HaciaAnsi(const QString &texto);

} // namespace norvela
