#include "titulos_medio.h"

#include "cadenas.h"

#include <algorithm>

namespace norvela {

namespace {

// Lines of the subjects' tail that may be dropped when blank.
constexpr int kBlancosFinales = 11;

std::string Columnas(const std::string &s, size_t desde, size_t cuantos)
{
    return desde < s.size() ? s.substr(desde, cuantos) : std::string();
}

} // namespace

std::string CodigoRequisitosGM(int titulo, int seccionDesde, int seccionHasta)
{
    if (titulo < seccionDesde)
        return "13";
    return titulo < seccionHasta ? "22" : "23";
}

std::vector<std::string> LineasRequisitosGM(const TablaTexto &requisitos, int numRequisitos, const std::string &codigo,
                                            int anchoLista)
{
    std::vector<std::string> r;
    const int n = std::min(numRequisitos, requisitos.Ultimo());
    for (int k = std::max(1, requisitos.Primero()); k <= n; ++k) {
        const std::string &s = requisitos[k];
        if (s.compare(0, 2, codigo) == 0)
            r.push_back(Columnas(Cortar(s, anchoLista), 2, std::string::npos));
    }
    return r;
}

std::vector<std::string> LineasPuestosGM(const DatosFP &d, int titulo)
{
    std::vector<std::string> r;
    const TablaBloques &b = d.AsignaturasFPMedio;
    if (titulo < 1 || titulo > b.Bloques())
        return r;
    for (int k = 1; k <= 5; ++k)
        r.push_back(b.En(titulo, k));
    return r;
}

std::vector<std::string> LineasAsignaturasGM(const DatosFP &d, int titulo, bool enPantalla)
{
    std::vector<std::string> r;
    const TablaBloques &b = d.AsignaturasFPMedio;
    if (titulo < 1 || titulo > b.Bloques())
        return r;
    for (int k = 6; k <= b.Entradas(); ++k) {
        if (k == 7 && enPantalla && !EsBlanco(b.En(titulo, 7)))
            r.emplace_back();
        r.push_back(b.En(titulo, k));
    }
    if (!enPantalla)
        for (int k = 0; k < kBlancosFinales && !r.empty() && EsBlanco(r.back()); ++k)
            r.pop_back();
    return r;
}

std::vector<EstiloFila> EstilosVistaGM(const std::vector<std::string> &lineas, int primeraFilaEncabezado)
{
    std::vector<EstiloFila> r(lineas.size());
    if (primeraFilaEncabezado == 1001)
        return r;
    int encabezado = primeraFilaEncabezado;
    for (size_t i = 0; i < lineas.size(); ++i) {
        const std::string &s = lineas[i];
        const int fila = static_cast<int>(i);
        if (!s.empty() && s[0] == '-') {
            r[i].encabezado = true;
            encabezado = fila;
        }
        r[i].icono = fila > encabezado && !s.empty() && s[0] != ' ';
    }
    return r;
}

VistasTitulo VistasDeTituloGM(const DatosFP &d, const TablaTexto &requisitos, int numRequisitos, int titulo,
                              int anchoLista)
{
    const std::string codigo = CodigoRequisitosGM(titulo, d.SeccionGMDesde, d.SeccionGMHasta);
    return {{LineasRequisitosGM(requisitos, numRequisitos, codigo, anchoLista), LineasPuestosGM(d, titulo),
             LineasAsignaturasGM(d, titulo, false)}};
}

} // namespace norvela
