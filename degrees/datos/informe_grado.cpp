#include "informe_grado.h"

#include "cadenas.h"
#include "enlace.h"

namespace norvela {

namespace {

constexpr int kNombreLargo = 50;
constexpr int kAnchoTitulo = 60;
constexpr int kSangriaSalidas = 13;
constexpr int kAnchoEncabezado = 15;
// Where the universities and requirements views leave their bold lines.
constexpr int kNegritaUniversidades = 1;
constexpr int kNegritaRequisitos = 3;

std::string_view SinBlancos(std::string_view s)
{
    const size_t desde = s.find_first_not_of(' ');
    if (desde == std::string_view::npos)
        return {};
    return s.substr(desde, s.find_last_not_of(' ') - desde + 1);
}

} // namespace

std::string TituloInformeGrado(std::string_view nombre, std::string_view palabra)
{
    if (static_cast<int>(SinBlancos(nombre).size()) >= kNombreLargo)
        return std::string(nombre);
    return Cortar(std::string(palabra) + ": " + std::string(nombre), kAnchoTitulo);
}

std::vector<std::string> PartirParrafo(std::string_view parrafo, int ancho)
{
    std::vector<std::string> lineas;
    std::string linea;
    size_t i = 0;
    while (i < parrafo.size()) {
        if (parrafo[i] == ' ') {
            ++i;
            continue;
        }
        size_t fin = parrafo.find(' ', i);
        if (fin == std::string_view::npos)
            fin = parrafo.size();
        std::string_view palabra = parrafo.substr(i, fin - i);
        i = fin;
        const size_t hueco = linea.empty() ? 0 : 1;
        if (linea.size() + hueco + palabra.size() <= static_cast<size_t>(ancho)) {
            linea += std::string(hueco, ' ');
            linea += palabra;
            continue;
        }
        if (!linea.empty())
            lineas.push_back(std::move(linea));
        linea.clear();
        while (palabra.size() > static_cast<size_t>(ancho)) {
            lineas.emplace_back(palabra.substr(0, static_cast<size_t>(ancho)));
            palabra.remove_prefix(static_cast<size_t>(ancho));
        }
        linea = palabra;
    }
    if (!linea.empty() || lineas.empty())
        lineas.push_back(std::move(linea));
    return lineas;
}

bool AbrirInformeGrado(Enlace &e, int grado, std::string_view palabra)
{
    if (grado < 1 || grado > e.NumGrados)
        return false;
    e.NumLineasInforme = 0;
    e.ListaAux.Poner(0, TituloInformeGrado(e.NombresGrado[grado], palabra));
    // The views write their own entries; none is left from an earlier report.
    e.LineasNegrita[0] = 0;
    e.LineasNegrita[kNegritaUniversidades] = 0;
    e.LineasNegrita[kNegritaRequisitos] = 0;
    return true;
}

int ComponerInformeGrado(Enlace &e, const std::string &encabezado, const std::vector<std::string> &salidas)
{
    int n = e.NumLineasInforme;
    for (int i = 0; i <= n; ++i)
        e.LineasInforme.Poner(i, e.ListaAux[i]);
    e.LineasInforme.Poner(++n, std::string(kSangriaSalidas, ' ') + Cortar(encabezado, kAnchoEncabezado));
    for (const std::string &parrafo : salidas)
        for (const std::string &linea : PartirParrafo(parrafo))
            e.LineasInforme.Poner(++n, linea);
    e.NumLineasInforme = n;

    // Only the two lines the views marked are bold.
    const int universidades = e.LineasNegrita[kNegritaUniversidades];
    const int requisitos = e.LineasNegrita[kNegritaRequisitos];
    int b = 0;
    for (int linea : {universidades, requisitos})
        if (linea >= 1 && linea <= n)
            e.LineasNegrita[++b] = linea;
    for (int k = b + 1; k <= kNegritaRequisitos; ++k)
        e.LineasNegrita[k] = 0;
    e.LineasNegrita[0] = b;
    return n;
}

} // namespace norvela
