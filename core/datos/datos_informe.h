// The report buffers the screens fill before printing or saving, and the
// scratch lists they build their views in.
#pragma once

#include "tablas.h"

#include <QString>

namespace norvela {

// A report's title (record 0) may be longer than its 65-character lines:
// the header box has room for a title's whole name and level.
inline constexpr int kAnchoTituloInforme = 110;

// Report buffers start with room for 1500 lines (200 bold ones) and grow
// as a screen writes past that: a long report never overflows.
struct DatosInforme {
    TablaTexto LineasInforme{0, 1500, 65, Capacidad::Creciente, kAnchoTituloInforme};
    TablaTexto LineasInforme2{0, 1500, 65, Capacidad::Creciente};
    TablaTexto InformeCuesGM{0, 1500, 65, Capacidad::Creciente, kAnchoTituloInforme};
    int NumLineasInforme = 0;
    // The intermediate-cycle screen and its questionnaire count their
    // report lines here instead.
    int NumLineasCuestionario = 0;
    TablaValores<int> LineasNegrita{0, 200, Capacidad::Creciente};
    QString NombreAlumno;
    bool ModoImpresion = false;

    // The degrees screen's scratch list: its universities and requirements
    // views write their lines in it; in print mode they follow the degree
    // report's title in line 0, and the report's composition copies them
    // into LineasInforme. The degrees screen is its only writer and reader.
    // It keeps its fixed capacity: a line beyond it is an index error. The
    // other scratch lists are built by the screens and grow.
    TablaTexto ListaAux{0, 1100, 60};
    TablaTexto ListaGrados{0, 1100, 60, Capacidad::Creciente};
    TablaTexto ListaGMAux{0, 1100, 75, Capacidad::Creciente};
    TablaTexto ListaMarcas{0, 1100, 60, Capacidad::Creciente};
    TablaValores<int> FilaGrado{1, 1100, Capacidad::Creciente};
    TablaValores<int> FilaElemento{1, 1100, Capacidad::Creciente};
    int ElementoElegido = 0;
    bool ListaDeLugares = false;
    bool SeleccionFija = false;
};

} // namespace norvela
