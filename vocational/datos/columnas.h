// Characters of a fixed-width line counted from 1, as the data files lay
// their fields out.
#pragma once

#include <string>

namespace norvela {

// Characters desde..hasta (1-based, both included) of s; what lies past its
// end is not there.
inline std::string Columnas(const std::string &s, int desde, int hasta)
{
    if (desde < 1 || hasta < desde || static_cast<size_t>(desde) > s.size())
        return {};
    return s.substr(static_cast<size_t>(desde - 1), static_cast<size_t>(hasta - desde + 1));
}

// Character i (1-based) of s, a blank past its end.
inline char Caracter(const std::string &s, int i)
{
    return i >= 1 && static_cast<size_t>(i) <= s.size() ? s[static_cast<size_t>(i - 1)] : ' ';
}

} // namespace norvela
