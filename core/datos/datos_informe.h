// The report buffers the screens fill before printing or saving, and the
// scratch lists they build their views in.
#pragma once

#include "tablas.h"

#include <QString>

namespace norvela {

struct DatosInforme {
    TablaTexto LineasInforme{0, 1500, 65};
    TablaTexto LineasInforme2{0, 1500, 65};
    TablaTexto InformeCuesGM{0, 1500, 65};
    int NumLineasInforme = 0;
    TablaValores<int> LineasNegrita{0, 200};
    QString NombreAlumno;
    bool ModoImpresion = false;

    TablaTexto ListaAux{0, 1100, 60};
    int NumListaAux = 0;
    TablaTexto ListaGrados{0, 1100, 60};
    TablaTexto ListaGMAux{0, 1100, 75};
    TablaTexto ListaMarcas{0, 1100, 60};
    TablaValores<int> FilaGrado{1, 1100};
    TablaValores<int> FilaElemento{1, 1100};
    int ElementoElegido = 0;
    bool ListaDeLugares = false;
    bool SeleccionFija = false;
    bool LocalidadesListadas = false;
};

} // namespace norvela
