// The report buffers the screens fill before printing, and the scratch
// lists they build their views in.
#pragma once

#include "tablas.h"


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

    // The degrees screen's scratch list: its universities and requirements
    // views write their lines in it; in print mode they follow the degree
    // report's title in line 0, and the report's composition copies them
    // into LineasInforme. The degrees screen is its only writer and reader.
    // It keeps its fixed capacity: a line beyond it is an index error.
    TablaTexto ListaAux{0, 1100, 60};
    // The provinces of the community clicked on an FP screen's map (record
    // 0 the community's name), written by the FP place routes' community
    // choice; the route of the screen that clicked reads them back. It grows.
    TablaTexto ListaGrados{0, 1100, 60, Capacidad::Creciente};
    // The item a double click picked in a result grid. The degrees screen
    // writes the degree of a university's marks grid and reads it back for
    // its degree views while that degree stands; the FP place routes write
    // the title of a centre grid's row, which the higher- and
    // intermediate-cycle screens then open. Each reads what it wrote; it
    // stays shared as the one "item picked" of every grid.
    int ElementoElegido = 0;
    // A list item was clicked: the lists' hover stops following the mouse.
    // The certificates and basic-cycle screens set it on a click and read
    // it on a mouse move, and clear it on their other clicks and at the
    // basic screen's start-up data step; the degrees screen's activation and the
    // intermediate-cycle screen's entry and title choice clear it too.
    bool SeleccionFija = false;
};

} // namespace norvela
