#include "busqueda_grados.h"

#include "cadenas.h"
#include "enlace.h"

#include <algorithm>

namespace norvela {

namespace {

// Windows-1252 accented vowels and their plain vowels, position by position.
constexpr std::string_view kAcentuadas = "\xC1\xC9\xCD\xD3\xDA\xC0\xC8\xCC\xD2\xD9\xC4\xCB\xCF\xD6\xDC\xC2\xCA\xCE\xD4\xDB"
                                         "\xE1\xE9\xED\xF3\xFA\xE0\xE8\xEC\xF2\xF9\xE4\xEB\xEF\xF6\xFC\xE2\xEA\xEE\xF4\xFB";
constexpr std::string_view kLlanas = "AEIOUAEIOUAEIOUAEIOUaeiouaeiouaeiouaeiou";
static_assert(kAcentuadas.size() == kLlanas.size());

bool Coincide(std::string_view nombre, const std::string &consulta)
{
    return !consulta.empty() && FormaNormal(nombre).find(consulta) != std::string::npos;
}

FilaNavegador FilaDeGrado(const Enlace &e, int grado)
{
    return {QuitarBlancosFinales(e.NombresGrado[grado]), e.EnlacesGrado.En(grado, 0) > 0 ? "+" : "", grado, false};
}

// The linked titles of a degree; a count beyond the table's entries reads
// only the entries there are.
std::vector<int> TitulosDe(const Enlace &e, int grado)
{
    const int n = std::min(e.EnlacesGrado.En(grado, 0), e.EnlacesGrado.ColUltima());
    std::vector<int> titulos;
    for (int k = 1; k <= n; ++k)
        titulos.push_back(e.EnlacesGrado.En(grado, k));
    return titulos;
}

int Grupo(const Enlace &e, int grado)
{
    return e.TablaGrados.En(grado, 2);
}

} // namespace

std::string QuitarAcentos(std::string_view texto)
{
    std::string r(texto);
    for (char &c : r) {
        const size_t p = kAcentuadas.find(c);
        if (p != std::string_view::npos)
            c = kLlanas[p];
    }
    return r;
}

std::string FormaNormal(std::string_view texto)
{
    const size_t desde = texto.find_first_not_of(' ');
    if (desde == std::string_view::npos)
        return {};
    texto = texto.substr(desde, texto.find_last_not_of(' ') - desde + 1);
    std::string r = QuitarAcentos(texto);
    for (char &c : r)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return r;
}

bool NoListado(const std::vector<FilaNavegador> &filas, int n, int grado)
{
    const int hasta = std::min(n, static_cast<int>(filas.size()));
    for (int i = 0; i < hasta; ++i)
        if (filas[static_cast<size_t>(i)].grado == grado)
            return false;
    return true;
}

std::vector<FilaNavegador> FilasBusqueda(const Enlace &e, std::string_view consulta, const std::string &encontrados,
                                         const std::string &noEncontrado)
{
    const std::string q = FormaNormal(consulta);
    std::vector<FilaNavegador> filas;

    // Groups, each with its degrees; a group without degrees shows no header.
    for (int g = 1; g <= e.NumGrupos; ++g) {
        if (!Coincide(e.NombresGrupo[g], q))
            continue;
        const size_t cabecera = filas.size();
        filas.push_back({QuitarBlancosFinales(e.NombresGrupo[g]), "", 0, true});
        for (int d = 1; d <= e.NumGrados; ++d)
            if (Grupo(e, d) == g)
                filas.push_back(FilaDeGrado(e, d));
        if (filas.size() == cabecera + 1)
            filas.pop_back();
    }
    const int r1 = static_cast<int>(filas.size());

    // Degrees not listed under their group.
    std::vector<int> grados;
    for (int d = 1; d <= e.NumGrados; ++d)
        if (NoListado(filas, r1, d) && Coincide(e.NombresGrado[d], q))
            grados.push_back(d);
    if (!grados.empty()) {
        filas.push_back({encontrados, "", 0, true});
        for (int d : grados)
            filas.push_back(FilaDeGrado(e, d));
    }

    // Whether anything was found is judged by the rows listed: a matching
    // group without degrees has found nothing.
    if (filas.empty()) {
        for (int t = 1; t <= e.NumNuevosTitulos; ++t) {
            if (!Coincide(e.NuevosTitulos[t], q))
                continue;
            for (int d = 1; d <= e.NumGrados; ++d) {
                const std::vector<int> titulos = TitulosDe(e, d);
                if (std::find(titulos.begin(), titulos.end(), t) != titulos.end())
                    filas.push_back(FilaDeGrado(e, d));
            }
        }
        if (!filas.empty())
            filas.insert(filas.begin(), {encontrados, "", 0, true});
    }

    if (filas.empty())
        filas.push_back({noEncontrado, "", 0, true});
    return filas;
}

} // namespace norvela
