// Characters of a fixed-width line counted from 1, as the data files lay
// their fields out: one character here, a run of them in numeros.h.
#pragma once

#include "numeros.h"

#include <string>

namespace norvela {

// Character i (1-based) of s, a blank past its end.
inline char Caracter(const std::string &s, int i)
{
    return i >= 1 && static_cast<size_t>(i) <= s.size() ? s[static_cast<size_t>(i - 1)] : ' ';
}

} // namespace norvela
