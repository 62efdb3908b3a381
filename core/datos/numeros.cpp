#include "numeros.h"


namespace norvela {

std::optional<int> NumeroCampo(std::string_view campo)
{
    bool negativo = false;
    if (!campo.empty() && (campo.front() == '+' || campo.front() == '-')) {
        negativo = campo.front() == '-';
        campo.remove_prefix(1);
    }
    if (campo.empty() || campo.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long valor = 0;
    for (const char c : campo) {
        valor = valor * 10 + (c - '0');
        if (valor > 2147483648LL)
            return std::nullopt;
    }
    if (negativo)
        valor = -valor;
    if (valor > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(valor);
}

std::optional<int> NumeroColumna(std::string_view columna)
{
    const auto inicio = columna.find_first_not_of(' ');
    if (inicio == std::string_view::npos)
        return std::nullopt;
    return NumeroCampo(columna.substr(inicio));
}

std::string_view Columnas(std::string_view linea, int desde, int hasta)
{
    if (desde < 1 || hasta < desde || static_cast<size_t>(desde) > linea.size())
        return {};
    return linea.substr(static_cast<size_t>(desde - 1), static_cast<size_t>(hasta - desde + 1));
}

} // namespace norvela
