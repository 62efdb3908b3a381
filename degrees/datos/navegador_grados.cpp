#include "navegador_grados.h"

#include "cadenas.h"
#include "enlace.h"

#include <algorithm>

namespace norvela {

namespace {

constexpr int kRamasPlanas[] = {2, 5};
// Activities the tree by activity never shows.
constexpr int kActividadesOcultas[] = {23, 24};
constexpr int kItinerarioSinNodo = 12;

std::string Nombre(const Enlace &e, int grado)
{
    return QuitarBlancosFinales(e.NombresGrado[grado]);
}

int Campo(const Enlace &e, int grado, int campo)
{
    return e.TablaGrados.En(grado, campo);
}

bool TieneEnlaces(const Enlace &e, int grado)
{
    return e.EnlacesGrado.En(grado, 0) > 0;
}

FilaNavegador FilaDeGrado(const Enlace &e, int grado)
{
    return {Nombre(e, grado), TieneEnlaces(e, grado) ? "+" : "", grado, false};
}

NodoArbol Encabezado(std::string texto)
{
    return {std::move(texto), 0, 0, kImagenEncabezado};
}

NodoArbol NodoGrado(const Enlace &e, int grado, int nivel)
{
    return {Nombre(e, grado), nivel, grado, kImagenGrado};
}

template <typename C> bool Contiene(const C &lista, int valor)
{
    return std::find(std::begin(lista), std::end(lista), valor) != std::end(lista);
}

} // namespace

std::vector<FilaNavegador> FilasRama(const Enlace &e, int rama)
{
    std::vector<FilaNavegador> filas;
    if (Contiene(kRamasPlanas, rama)) {
        for (int d = 1; d <= e.NumGrados; ++d)
            if (Campo(e, d, 1) == rama)
                filas.push_back(FilaDeGrado(e, d));
        return filas;
    }
    for (int g = 1; g <= e.NumGrupos; ++g) {
        const size_t cabecera = filas.size();
        filas.push_back({QuitarBlancosFinales(e.NombresGrupo[g]), "", 0, true});
        for (int d = 1; d <= e.NumGrados; ++d)
            if (Campo(e, d, 2) == g && (rama == kTodasLasRamas || Campo(e, d, 1) == rama))
                filas.push_back(FilaDeGrado(e, d));
        // A group without degrees of this branch shows no header.
        if (filas.size() == cabecera + 1)
            filas.pop_back();
    }
    return filas;
}

std::vector<NodoArbol> ArbolPorGrupos(const Enlace &e)
{
    std::vector<NodoArbol> nodos;
    std::vector<bool> mostrado(static_cast<size_t>(std::max(e.NumGrupos, 0)) + 1, false);
    for (int d = 1; d <= e.NumGrados; ++d) {
        const int g = Campo(e, d, 2);
        if (g <= 0 || g > e.NumGrupos) {
            nodos.push_back(NodoGrado(e, d, 0));
            continue;
        }
        if (mostrado[static_cast<size_t>(g)])
            continue;
        mostrado[static_cast<size_t>(g)] = true;
        const size_t grupo = nodos.size();
        const std::string nombre = QuitarBlancosFinales(e.NombresGrupo[g]);
        nodos.push_back(Encabezado(nombre));
        int hijos = 0;
        for (int h = d; h <= e.NumGrados; ++h)
            if (Campo(e, h, 2) == g) {
                nodos.push_back(NodoGrado(e, h, 1));
                ++hijos;
            }
        nodos[grupo].texto = nombre + " (" + std::to_string(hijos) + ")";
    }
    return nodos;
}

std::vector<NodoArbol> ArbolAlfabetico(const Enlace &e)
{
    std::vector<std::string> nombres;
    for (int d = 1; d <= e.NumGrados; ++d)
        nombres.push_back(e.NombresGrado[d]);
    std::vector<int> indice(nombres.size());
    for (size_t i = 0; i < indice.size(); ++i)
        indice[i] = static_cast<int>(i) + 1;
    if (e.OrdenAlfabetico)
        OrdenarNombres(nombres, indice);
    std::vector<NodoArbol> nodos;
    for (int d : indice)
        nodos.push_back(NodoGrado(e, d, 0));
    return nodos;
}

std::vector<NodoArbol> ArbolPorItinerario(const Enlace &e)
{
    std::vector<NodoArbol> nodos;
    for (int a = 1; a <= e.NumAreas; ++a) {
        if (a != kItinerarioSinNodo)
            nodos.push_back(Encabezado(QuitarBlancosFinales(e.NombresAreas[a])));
        // Degrees of the itinerary without a node go under the last node made.
        if (nodos.empty())
            continue;
        for (int campo : {3, 4})
            for (int d = 1; d <= e.NumGrados; ++d)
                if (Campo(e, d, campo) == a)
                    nodos.push_back(NodoGrado(e, d, 1));
    }
    return nodos;
}

std::vector<NodoArbol> ArbolPorActividad(const Enlace &e)
{
    std::vector<NodoArbol> nodos;
    for (int a = 1; a <= e.NumActividades; ++a) {
        if (Contiene(kActividadesOcultas, a))
            continue;
        nodos.push_back(Encabezado(QuitarBlancosFinales(e.NombresActividad[a])));
        const std::string &codigo = e.CodActividad[a];
        std::vector<int> profesiones;
        for (int p = 1; p <= e.NumProfesiones; ++p)
            if (e.CodigoProfesion[p] == codigo || e.CodigoProfesion2[p] == codigo)
                profesiones.push_back(p);
        for (int d = 1; d <= e.NumGrados; ++d) {
            bool marcado = false;
            for (int campo = 5; campo <= 8 && !marcado; ++campo) {
                const int p = Campo(e, d, campo);
                marcado = p > 0 && Contiene(profesiones, p);
            }
            if (marcado)
                nodos.push_back(NodoGrado(e, d, 1));
        }
    }
    return nodos;
}

std::vector<NodoArbol> ArbolDe(const Enlace &e, Agrupacion agrupacion)
{
    switch (agrupacion) {
    case Agrupacion::PorGrupos:
        return ArbolPorGrupos(e);
    case Agrupacion::PorActividad:
        return ArbolPorActividad(e);
    case Agrupacion::PorItinerario:
        return ArbolPorItinerario(e);
    case Agrupacion::Alfabetica:
        return ArbolAlfabetico(e);
    case Agrupacion::PorRamas:
        break;
    }
    return {};
}

void OrdenarNombres(std::vector<std::string> &nombres, std::vector<int> &indice)
{
    const size_t n = nombres.size();
    std::vector<size_t> orden(n);
    for (size_t i = 0; i < n; ++i)
        orden[i] = i;
    // Character codes as unsigned bytes: accented letters after the plain ones.
    const auto clave = [&](size_t i) {
        const std::string &s = nombres[i];
        return std::string_view(s).substr(0, std::min<size_t>(10, s.size()));
    };
    const auto menor = [&](size_t a, size_t b) {
        const auto x = clave(a);
        const auto y = clave(b);
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
    };
    std::stable_sort(orden.begin(), orden.end(), menor);
    std::vector<std::string> ordenados;
    ordenados.reserve(n);
    indice.assign(n, 0);
    for (size_t i = 0; i < n; ++i) {
        ordenados.push_back(std::move(nombres[orden[i]]));
        indice[i] = static_cast<int>(orden[i]) + 1;
    }
    nombres = std::move(ordenados);
}

std::string TextoEnlaces(const Enlace &e, int grado, const std::string &cabecera)
{
    if (grado < 1 || grado > e.NumGrados || !TieneEnlaces(e, grado))
        return {};
    std::string texto = "    " + cabecera + "\n";
    for (int j = 1; j <= e.EnlacesGrado.En(grado, 0); ++j) {
        const int t = e.EnlacesGrado.En(grado, j);
        texto += "-" + QuitarBlancosFinales(e.NuevosTitulos[t]) + "\n";
    }
    return texto;
}

} // namespace norvela
