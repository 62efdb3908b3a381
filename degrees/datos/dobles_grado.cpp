#include "dobles_grado.h"

#include "cadenas.h"
#include "mapa_regiones.h"

#include <algorithm>
#include <vector>

namespace norvela {

namespace {

constexpr int kRamas = 5;

bool GradoValido(const DatosGrados &d, int g)
{
    return g >= 1 && g <= d.NumGrados && d.NombresGrado.Contiene(g) && g <= d.TablaGrados.FilaUltima();
}

int Rama(const DatosGrados &d, int g)
{
    return d.TablaGrados.En(g, 1);
}

// The pairs (partner, entry) of group `grupo` that contain `grado`: the
// second degree when the first is the one chosen, and then, on its own
// test, the first when the second is.
template <typename F>
void ParejasDelGrupo(const DatosGrados &d, int grupo, int grado, F &&alEncontrar)
{
    const int cuenta = std::min(d.DoblesCuenta.En(grupo, 0), d.DoblesGradoA.ColUltima());
    for (int k = 1; k <= cuenta; ++k) {
        const int a = d.DoblesGradoA.En(grupo, k);
        const int b = d.DoblesGradoB.En(grupo, k);
        if (a == grado && GradoValido(d, b))
            alEncontrar(b, k);
        if (b == grado && GradoValido(d, a))
            alEncontrar(a, k);
    }
}

int NumGrupos(const DatosGrados &d)
{
    return std::min(d.NumDobles, d.DoblesNumero.Ultimo());
}

// s blank-padded or cut to exactly n characters.
std::string Rellenar(const std::string &s, size_t n)
{
    std::string r = s.substr(0, n);
    r.resize(n, ' ');
    return r;
}

std::string Columna1(const std::string &linea)
{
    return " " + (linea.size() > 47 ? linea.substr(47, 4) : std::string());
}

void AnadirLineas(std::vector<FilaRejillaDobles> &filas, const std::vector<LineaDoble> &lineas)
{
    for (const LineaDoble &l : lineas)
        filas.push_back({Cortar(l.texto, 47), Columna1(l.texto)});
}

} // namespace

std::vector<FilaMenuDobles> ListaMenuDobles(const DatosGrados &d)
{
    std::vector<bool> participa(static_cast<size_t>(std::max(d.NumGrados, 0)) + 1, false);
    for (int g = 1; g <= NumGrupos(d); ++g) {
        const int cuenta = std::min(d.DoblesCuenta.En(g, 0), d.DoblesGradoA.ColUltima());
        for (int k = 1; k <= cuenta; ++k) {
            // A pair with an unknown degree code is no double degree to show.
            const int a = d.DoblesGradoA.En(g, k);
            const int b = d.DoblesGradoB.En(g, k);
            if (GradoValido(d, a) && GradoValido(d, b))
                participa[static_cast<size_t>(a)] = participa[static_cast<size_t>(b)] = true;
        }
    }
    std::vector<FilaMenuDobles> filas;
    for (int r = 1; r <= kRamas; ++r) {
        const std::string rama = d.NombresRamas.Contiene(r - 1) ? QuitarBlancosFinales(d.NombresRamas[r - 1]) : "";
        filas.push_back({"- " + rama, true, 0});
        for (int g = 1; g <= d.NumGrados; ++g)
            if (participa[static_cast<size_t>(g)] && Rama(d, g) == r)
                filas.push_back({d.NombresGrado[g], false, g});
    }
    return filas;
}

std::vector<LineaDoble> LineasDobles(const DatosGrados &d, int grado, int comunidad)
{
    std::vector<LineaDoble> lineas;
    if (!GradoValido(d, grado))
        return lineas;
    for (int g = 1; g <= NumGrupos(d); ++g) {
        if (comunidad != 0 && d.DoblesNumero[g] != comunidad)
            continue;
        bool encabezadoPendiente = true;
        ParejasDelGrupo(d, g, grado, [&](int pareja, int k) {
            if (encabezadoPendiente) {
                encabezadoPendiente = false;
                lineas.push_back({Cortar("- " + d.DoblesNombre[g], 60), true, g, 0});
            }
            const std::string texto = "+ " + Rellenar(d.NombresGrado[pareja], 45) + d.DoblesEtiqueta.En(g, k);
            lineas.push_back({Cortar(texto, 60), false, g, pareja});
        });
    }
    return lineas;
}

bool MarcarComunidadesDobles(const DatosGrados &d, int grado, TablaValores<uint8_t> &marcas)
{
    for (int c = marcas.Primero(); c <= marcas.Ultimo(); ++c)
        marcas[c] = 0;
    bool alguna = false;
    if (!GradoValido(d, grado))
        return false;
    for (int g = 1; g <= NumGrupos(d); ++g) {
        bool contiene = false;
        ParejasDelGrupo(d, g, grado, [&](int, int) { contiene = true; });
        const int c = d.DoblesNumero[g];
        if (contiene && marcas.Contiene(c)) {
            marcas[c] = 1;
            alguna = true;
        }
    }
    return alguna;
}

std::vector<FilaRejillaDobles> RejillaDoblesGrado(const DatosGrados &d, int grado, const std::string &texto242,
                                            const std::string &texto393, const std::string &texto593)
{
    std::vector<FilaRejillaDobles> filas;
    if (!GradoValido(d, grado))
        return filas;
    const std::string nombre = "- " + d.NombresGrado[grado];
    const auto lineas = LineasDobles(d, grado);
    if (lineas.empty()) {
        filas.push_back({Cortar(Cortar("     " + texto242, 30) + " de...", 36), {}});
        filas.push_back({nombre, {}});
        filas.push_back({});
        filas.push_back({"     " + texto393, {}});
        return filas;
    }
    filas.push_back({nombre, {}});
    filas.push_back({Cortar("     " + texto593, 25) + "...", {}});
    filas.push_back({});
    AnadirLineas(filas, lineas);
    return filas;
}

std::vector<FilaRejillaDobles> RejillaDoblesComunidad(const DatosGrados &d, int grado, int comunidad,
                                                const std::string &texto242, const std::string &texto593)
{
    std::vector<FilaRejillaDobles> filas;
    if (!GradoValido(d, grado) || comunidad < 1 || comunidad > kNumComunidades)
        return filas;
    filas.push_back({"     " + texto242 + " de...", {}});
    filas.push_back({"- " + d.NombresGrado[grado], {}});
    filas.push_back({"     " + texto593 + "...", {}});
    AnadirLineas(filas, LineasDobles(d, grado, comunidad));
    return filas;
}

} // namespace norvela
