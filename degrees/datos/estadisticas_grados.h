// The three degree statistics charts (enrolment, difficulty, employment)
// without a widget: their fixed figures, the order their rows are drawn in,
// and where every name, icon, bar, connector and value box goes. The
// screen resolves the text numbers and only paints.
#pragma once

#include <string>
#include <vector>

namespace norvela {

enum class GraficoGrado { Ninguno, Matricula, Dificultad, Trabajo };

// Capacity of the working arrays of a chart.
inline constexpr int kMaxFilasEstadistica = 20;

// Drawing constants.
inline constexpr int kSeparacionFilas = 35;
inline constexpr int kPrimeraFila = 10;
inline constexpr int kAltoBarraGrado = 20;
inline constexpr int kFinNombres = 440;
inline constexpr int kInicioBarra = 450;
inline constexpr int kConectorGrado = 15;
inline constexpr int kAnchoCajaGrado = 60;
inline constexpr int kAltoGraficoGrado = 505;
inline constexpr int kAnchoGraficoGrado = 720;   // the longest bar, 83.5 in enrolment, ends its box at 703

// Key of a heading row, drawn without icon nor bar.
inline constexpr int kClaveEncabezado = -1;

struct FilaEstadistica {
    int texto = 0;            // interface text of the name; 0 for a name of its own
    std::string sufijo;       // written after the text ("...", " 2014"), or the whole name
    double valor = 0;         // per cent
    std::string textoValor;   // what the value box says
    int clave = 0;            // icon key, kClaveEncabezado for a heading
};

// The rows of a chart in the order they are drawn, the sorted block
// already sorted and its keys set. Ninguno has no rows.
std::vector<FilaEstadistica> FilasGrafico(GraficoGrado g);
// Extra bar length of a chart: 20 pixels for enrolment, 0 otherwise.
int LargoExtra(GraficoGrado g);

// Sorts rows [desde, desde + n) by value, largest first; equal values keep
// their order. A block reaching beyond the rows or the working capacity is
// cut to what exists, never read past.
void OrdenarEstadisticas(std::vector<FilaEstadistica> &filas, int desde, int n);

// Nearest whole number, a value exactly halfway going to the even one.
int RedondeoPar(double valor);

// An icon: from the main menu's study icons or from the branch icons.
struct IconoEstadistica {
    bool deRamas = false;
    int indice = -1;   // -1: no icon
};
// The icon of a key; an index outside the list (`numIconos`, `numRamas`
// images) gives no icon rather than a read past the list.
IconoEstadistica IconoRama(int clave, int numIconos = 1000, int numRamas = 1000);

// Where a row goes on the chart; fila is 1-based.
struct GeometriaFila {
    int y = 0;          // top of the row
    int finBarra = 0;   // x_end
    int xTexto = 0;     // value text
    int xCaja = 0;      // value box, kAnchoCajaGrado wide
};
GeometriaFila Geometria(int fila, double valor, int extra);

} // namespace norvela
