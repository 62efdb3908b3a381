#include "estadisticas_grados.h"

#include <algorithm>
#include <cmath>

namespace norvela {

namespace {

struct Cifra {
    double valor;
    const char *texto;
};

// The ten fields of study, texts 679..688, in both the enrolment and the
// difficulty charts.
constexpr int kPrimerAmbito = 679;
constexpr Cifra kMatricula[10] = {{12.5, "12.5%"}, {11.9, "11.9%"}, {13.3, "13.3%"}, {21.8, "21.8%"},
                                  {6.7, "6.7 %"},  {3.9, "3.9 %"},   {12.0, "12.0%"}, {1.3, "1.3 %"},
                                  {12.8, "12.8%"}, {3.8, "3.8 %"}};
constexpr Cifra kDificultad[10] = {{89.5, "89.5 %"},  {78.15, "78.15%"}, {75.63, "75.63%"}, {73.5, "73.5 %"},
                                   {74.24, "74.24%"}, {64.57, "64.57%"}, {68.01, "68.01%"}, {72.36, "72.36%"},
                                   {87.79, "87.79%"}, {80.15, "80.15%"}};
// Employment per branch (texts of the branch names), drawn with the branch icons.
constexpr int kRamasTrabajo[5] = {517, 518, 515, 519, 516};
constexpr Cifra kTrabajo[5] = {{63.8, "63,80%"}, {67.2, "67,20%"}, {48.8, "48,80%"}, {71.4, "71,40%"}, {63.7, "63,70%"}};

FilaEstadistica Fila(int texto, double valor, const char *textoValor, int clave, const char *sufijo = "")
{
    return {texto, sufijo, valor, textoValor, clave};
}

FilaEstadistica Encabezado(int texto, const char *sufijo = "")
{
    return {texto, sufijo, 0, {}, kClaveEncabezado};
}

void Ambitos(std::vector<FilaEstadistica> &filas, const Cifra (&cifras)[10])
{
    const int desde = static_cast<int>(filas.size());
    for (int i = 0; i < 10; ++i)
        filas.push_back(Fila(kPrimerAmbito + i, cifras[i].valor, cifras[i].texto, i + 1));
    OrdenarEstadisticas(filas, desde, 10);
}

} // namespace

std::vector<FilaEstadistica> FilasGrafico(GraficoGrado g)
{
    std::vector<FilaEstadistica> f;
    switch (g) {
    case GraficoGrado::Ninguno:
        break;
    case GraficoGrado::Matricula:
        f.push_back(Encabezado(375, "..."));
        Ambitos(f, kMatricula);
        f.push_back(Encabezado(421));
        f.push_back(Fila(402, 83.5, "83.5%", 0));
        f.push_back(Fila(403, 16.5, "16.5%", 0));
        break;
    case GraficoGrado::Dificultad:
        f.push_back(Encabezado(375));
        Ambitos(f, kDificultad);
        f.push_back(Fila(426, 77.7, "77.70%", 0));
        f.push_back(Fila(402, 76.5, "76.50%", 0));
        f.push_back(Fila(403, 85.09, "85.09%", 0));
        break;
    case GraficoGrado::Trabajo: {
        f.push_back(Encabezado(375, " - 2014"));
        const int desde = static_cast<int>(f.size());
        for (int i = 0; i < 5; ++i)
            f.push_back(Fila(kRamasTrabajo[i], kTrabajo[i].valor, kTrabajo[i].texto, i + 1));
        OrdenarEstadisticas(f, desde, 5);
        // The branch icons follow the branch, after sorting.
        for (int i = desde; i < desde + 5; ++i)
            f[i].clave += 10;
        f.push_back(Fila(431, 64.4, "64,4%", 0, " 2014"));
        // Unemployment by level of studies, in its own order.
        f.push_back(Encabezado(488));
        f.push_back(Fila(432, 27.0, "27,0%", 20));
        f.push_back(Fila(433, 20.5, "20,50%", 20));
        f.push_back(Fila(434, 15.6, "15,60%", 20));
        f.push_back(Fila(435, 8.9, "8,90%", 20));
        f.push_back(Fila(489, 15.25, "15,25%", 0));
        f.push_back(Encabezado(0, "INE - 2018"));
        break;
    }
    }
    return f;
}

int LargoExtra(GraficoGrado g)
{
    return g == GraficoGrado::Matricula ? 20 : 0;
}

void OrdenarEstadisticas(std::vector<FilaEstadistica> &filas, int desde, int n)
{
    const int total = static_cast<int>(filas.size());
    if (desde < 0 || desde >= total)
        return;
    n = std::min({n, total - desde, kMaxFilasEstadistica});
    // Bubbling the larger value up, pass after pass: equal values never swap.
    for (int p = 1; p <= n - 1; ++p)
        for (int j = n; j >= p + 1; --j)
            if (filas[desde + j - 2].valor < filas[desde + j - 1].valor)
                std::swap(filas[desde + j - 2], filas[desde + j - 1]);
}

int RedondeoPar(double valor)
{
    return static_cast<int>(std::nearbyint(valor));
}

IconoEstadistica IconoRama(int clave, int numIconos, int numRamas)
{
    static constexpr int kIconos[11] = {22, 14, 23, 29, 2, 13, 12, 26, 1, 16, 18};
    static constexpr int kRamas[6] = {1, 4, 0, 2, 5, 3};
    IconoEstadistica r;
    if (clave == kClaveEncabezado)
        return r;
    if (clave < 11) {
        r.indice = clave >= 1 && clave <= 10 ? kIconos[clave] : kIconos[0];
        if (r.indice >= numIconos)
            r.indice = -1;
    } else {
        r.deRamas = true;
        r.indice = clave <= 16 ? kRamas[clave - 11] : 6;
        if (r.indice >= numRamas)
            r.indice = -1;
    }
    return r;
}

// The bar is measured from the names' end, as the charts always drew it.
GeometriaFila Geometria(int fila, double valor, int extra)
{
    GeometriaFila g;
    g.y = (fila - 1) * kSeparacionFilas + kPrimeraFila;
    g.finBarra = kFinNombres + RedondeoPar(valor) * 2 + extra;
    g.xCaja = g.finBarra + kConectorGrado;
    g.xTexto = g.finBarra + 18;
    return g;
}

} // namespace norvela
