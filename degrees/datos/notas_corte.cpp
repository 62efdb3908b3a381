#include "notas_corte.h"

#include "enlace.h"
#include "universidades_grado.h"

#include <algorithm>
#include <cstdio>

namespace norvela {

namespace {

constexpr size_t kAnchoNombre = 50;

std::string QuitarFinal(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

} // namespace

std::string TextoCuenta(int aciertos, int total)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%2d  (%2d)", aciertos, total);
    return texto;
}

std::vector<FilaCorte> CalcularNotasCorte(const Enlace &e, int umbral)
{
    std::vector<FilaCorte> filas;
    // The tables are fixed: a count beyond them is never read past their end.
    const int grados = std::min(e.NumGrados, e.NotasCorte.Filas());
    for (int d = 1; d <= grados; ++d) {
        const int n = std::min<int>(e.NotasCorte.En(d, 0), e.NotasCorte.UltimoByte());
        FilaCorte fila;
        int total = 0;
        for (int j = 1; j <= n; ++j) {
            const int nota = e.NotasCorte.En(d, j);
            if (nota == kNotaSinPublicar)
                continue;
            ++total;
            if (nota >= umbral) {
                fila.universidades.push_back(e.NotasCorteUni.En(d, j));
                fila.notas.push_back(nota);
            }
        }
        if (fila.notas.empty())
            continue;
        fila.grado = d;
        fila.nombre = QuitarFinal(e.NombresGrado[d].substr(0, kAnchoNombre));
        fila.cuenta = TextoCuenta(static_cast<int>(fila.notas.size()), total);
        filas.push_back(std::move(fila));
    }
    return filas;
}

} // namespace norvela
