#include "cadenas.h"

#include <algorithm>

namespace norvela {

std::string RepetirCaracter(int n, char c)
{
    if (n <= 1)
        return {};
    return std::string(static_cast<size_t>(std::min(n - 1, 80)), c);
}

std::string QuitarBlancosFinales(std::string_view s)
{
    const auto fin = s.find_last_not_of(' ');
    return fin == std::string_view::npos ? std::string() : std::string(s.substr(0, fin + 1));
}

bool EsBlanco(std::string_view s)
{
    return s.find_first_not_of(' ') == std::string_view::npos;
}

std::string Cortar(std::string_view s, int w)
{
    return std::string(s.substr(0, static_cast<size_t>(std::max(w, 0))));
}

std::string LineaRellena(std::string_view linea, int ancho)
{
    std::string r(linea);
    r += RepetirCaracter(ancho, ' ');
    return Cortar(r, ancho);
}

} // namespace norvela
