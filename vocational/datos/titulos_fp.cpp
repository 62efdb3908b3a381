#include "titulos_fp.h"

#include "cadenas.h"

#include <algorithm>

namespace norvela {

namespace {

std::string DesdeSegundo(const std::string &s)
{
    return s.size() > 1 ? s.substr(1) : std::string();
}

std::string Encabezado(const NivelFPDatos &n, int f)
{
    return f >= 1 && f <= n.NumFamilias() ? n.familias[static_cast<size_t>(f)] : std::string();
}

} // namespace

std::vector<FilaFamilia> FamiliasDeGrupo(const NivelFPDatos &n, int g)
{
    std::vector<FilaFamilia> r;
    if (!n.gruposFamilias || g < 1 || g > n.numGrupos || g > n.gruposFamilias->FilaUltima())
        return r;
    const int ultima = n.NumFamilias();
    const auto texto = [&](int f) { return n.familiaDesdeSegundo ? DesdeSegundo(Encabezado(n, f)) : Encabezado(n, f); };
    // Only the families the group names get a row, so every row has one.
    for (int j = 1; j <= 3; ++j) {
        const int f = n.gruposFamilias->En(g, j);
        if (f > 0 && f <= ultima)
            r.push_back({texto(f), f});
    }
    if (!n.familiasExtra)
        return r;
    if (g == 1 && ultima > 0)
        r.push_back({DesdeSegundo(Encabezado(n, ultima)), ultima});
    if (g == 6)
        for (int f = n.familiasAntesDeMarca + 1; f <= ultima - 1; ++f)
            r.push_back({DesdeSegundo(Encabezado(n, f)), f});
    return r;
}

std::vector<int> TitulosDeFamilia(const NivelFPDatos &n, int f)
{
    std::vector<int> r;
    const int ultima = n.NumFamilias();
    if (f < 1 || f > ultima)
        return r;
    const int desde = n.filaTitulo[static_cast<size_t>(f)] + 1;
    int hasta = n.numTitulos;
    if (f < ultima)
        hasta = n.filaTitulo[static_cast<size_t>(f) + 1] - 1;
    else if (n.ultimaFamiliaUnTitulo)
        hasta = desde;
    for (int t = std::max(desde, 1); t <= hasta && t <= n.numTitulos; ++t)
        r.push_back(t);
    return r;
}

std::vector<std::string> LineasRequisitos(const DatosFP &d, const TablaTexto &requisitos, int numRequisitos,
                                          int titulo, const std::string &textoAcceso)
{
    std::vector<std::string> r;
    if (titulo < d.TablaFPSuperior.FilaPrimera() || titulo > d.TablaFPSuperior.FilaUltima())
        return r;
    for (int campo = 5; campo <= 17; ++campo) {
        const int v = d.TablaFPSuperior.En(titulo, campo);
        if (v != 0 && d.RequisitosFP.Contiene(v))
            r.push_back(Cortar(d.RequisitosFP[v], 60));
    }
    if (titulo < d.LimiteSeccionGS) {
        r.emplace_back();
        r.push_back(Cortar("      **  " + textoAcceso + " LOMCE **", 60));
        const int n = std::min({numRequisitos, 600, requisitos.Ultimo()});
        for (int k = std::max(1, requisitos.Primero()); k <= n; ++k) {
            const std::string &s = requisitos[k];
            if (s.size() >= 2 && s.compare(0, 2, "18") == 0)
                r.push_back(Cortar(" " + Cortar(s, 60).substr(2), 60));
        }
    }
    return r;
}

std::vector<std::string> LineasAsignaturas(const DatosFP &d, int titulo, const std::string &textoSalidas)
{
    std::vector<std::string> r;
    r.push_back(Cortar("     " + textoSalidas, 60));
    const TablaBloques &b = d.AsignaturasFPSuperior;
    if (titulo < 1 || titulo > b.Bloques())
        return r;
    for (int k = 1; k <= 25 && k <= b.Entradas(); ++k) {
        if (k == 6 && !EsBlanco(b.En(titulo, 5)))
            r.emplace_back();
        r.push_back(b.En(titulo, k));
    }
    if (r.size() >= 15)
        while (r.size() > 14 && EsBlanco(r.back()))
            r.pop_back();
    return r;
}

int IconoFamilia(int familia, int anterior)
{
    static const int kIconos[27] = {-1, 31, 2, 1, 32, 9, 3, 28, 33, 34, 0, 18, 37, 36,
                                    19, 7, 12, 35, 38, 39, 21, 16, 40, 14, 41, 8, 42};
    return familia >= 1 && familia <= 26 ? kIconos[familia] : anterior;
}

std::vector<EstiloFila> EstilosVista(const std::vector<std::string> &lineas, int primeraFilaEncabezado)
{
    std::vector<EstiloFila> r(lineas.size());
    int p = primeraFilaEncabezado;
    for (size_t i = 0; i < lineas.size(); ++i) {
        const std::string &s = lineas[i];
        const int fila = static_cast<int>(i);
        if (p != 1001 && (fila == 0 || (fila >= 7 && !s.empty() && s[0] == '-'))) {
            r[i].encabezado = true;
            p = fila;
        }
        if (fila > p && !s.empty() && s[0] != ' ')
            r[i].icono = true;
        if (s.size() >= 2 && s[1] == '-') {
            r[i].icono = true;
            r[i].desde = 2;
        }
    }
    return r;
}

} // namespace norvela
