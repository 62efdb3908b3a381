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

    // ListaAux is also where the artistic-studies files are loaded: it keeps
    // its capacity. The other scratch lists are built by the screens and grow.
    TablaTexto ListaAux{0, 1100, 60};
    int NumListaAux = 0;
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
