// The geometry of the statistics charts, without a widget: which rows are
// drawn from a scroll position, where every bar, connector and value box
// goes, and how the selected row's bar grows. The screen only paints it.
#pragma once

#include "estadisticas_familia.h"

#include <string>
#include <vector>

namespace norvela {

enum class TipoGrafico {
    Titulos = 1,          // chart 1: centres that teach each higher-cycle title
    Familias = 3,         // chart 3: each family's share of the studies
    EstudiosEmpleo = 4,   // chart 4: per family, share of studies and share of jobs
};

// Layout values shared by the charts.
inline constexpr int kFilasVisibles = 14;   // R
inline constexpr int kAltoBarra = 20;
inline constexpr int kHuecoTexto = 10;      // between the name's end and the bar
inline constexpr int kConector = 15;
inline constexpr int kAnchoCaja = 50;

// What a bar ends at and what its value box says.
struct Barra {
    int fin = 0;          // E: the bar's right end
    std::string texto;    // the value box's text (Windows-1252)
};

// One drawn row.
struct FilaDibujada {
    int fila = 0;            // row of the chart's table, 1-based
    int k = 0;               // 1-based position among the drawn rows
    int y = 0;               // charts 1 and 3: top of the row; chart 4: the line between its two bars
    std::string nombre;
    bool encabezado = false;  // a family heading of chart 1 (drawn in red)
    int icono = -1;           // icon of the main menu's list, -1 none
    Barra barra;              // chart 4: studies
    Barra barra2;             // chart 4: jobs
    bool seleccionada = false;
    // Where the bar is drawn to now: its end, or the grown length of the
    // selected row while it grows (chart 4: the jobs bar). The connector
    // and the value box follow it.
    int finDibujado = 0;
};

class GraficoEstadistico {
public:
    GraficoEstadistico() = default;

    // Chart 1: rows are EstFP's lines, values the centre counts (element t
    // for title t). A title outside the list leaves no row selected.
    static GraficoEstadistico Titulos(const ListaEstFP &lista, const std::vector<int> &centros, int tituloSel);
    // Charts 3 and 4: the 26 families, named from EstFamilias[f] without its
    // first character, cut to `anchoLista`. A family outside 1..26 leaves
    // no row selected.
    static GraficoEstadistico Familias(TipoGrafico tipo, const std::vector<std::string> &estFamilias,
                                       const std::array<DatoFamilia, kFamiliasEstadistica + 1> &datos, int familiaSel,
                                       int anchoLista);

    TipoGrafico Tipo() const { return tipo_; }
    int X0() const { return x0_; }
    int NumFilas() const { return static_cast<int>(nombres_.size()); }
    // The selected row, 0 when there is none.
    int Seleccion() const { return seleccion_; }
    // The selected row has no data to show (missing line, bad field).
    bool SeleccionSinDatos() const;

    // The scroll bar: minimum 1; chart 4 shows 9 rows, the others R.
    int Maximo() const;
    int Posicion() const { return posicion_; }
    // Clamped to 1..Maximo(), as the scroll bar does.
    void Desplazar(int posicion);
    // A wheel turn: up (positive delta) moves towards the first row.
    void Rueda(int delta);

    // R + 1 rows from the scroll position, never beyond the last row.
    std::vector<FilaDibujada> Filas() const;
    // Rows that show, wholly or in part, in a chart `alto` pixels high.
    std::vector<FilaDibujada> FilasVisibles(int alto) const;

    // The selected row's bar grows from nothing to its end.
    void EmpezarCrecimiento();
    // One tick; false once the bar has reached its end (the timer stops).
    bool Crecer();
    bool Creciendo() const { return creciendo_; }

    // Geometry of a row, drawn or not.
    Barra BarraDe(int fila) const;
    Barra Barra2De(int fila) const;
    std::string NombreDe(int fila) const;

private:
    int LongitudSeleccion() const;

    TipoGrafico tipo_ = TipoGrafico::Titulos;
    int x0_ = 450;
    std::vector<std::string> nombres_;
    std::vector<int> familias_;
    std::vector<bool> encabezados_;
    std::vector<bool> conDatos_;
    std::vector<bool> conDatos2_;
    std::vector<int> valores_;      // tenths (chart 1: centres)
    std::vector<int> valores2_;     // chart 4: jobs, tenths
    std::vector<std::string> textos_;
    std::vector<std::string> textos2_;
    int seleccion_ = 0;
    int posicion_ = 1;
    int g_ = 0;
    bool creciendo_ = false;
};

// Bar end of a value (tenths; chart 1: a centre count) in a chart.
int FinDeBarra(TipoGrafico tipo, int x0, int valor);
// Where the scroll bar starts for a selected row (before the scroll bar clamps).
int PosicionInicial(TipoGrafico tipo, int seleccion);

} // namespace norvela
