// The university-degree data: the parallel degree tables (a degree is its
// row 1..NumGrados), universities, cut-off marks, linked titles and double
// degrees. Loaded by the degrees screen's start-up data step; read by every
// screen that shows a degree.
#pragma once

#include "tablas.h"

namespace norvela {

struct DatosGrados {
    TablaTexto NombresGrado{0, 1100, 60};
    TablaTexto NombresGrupo{0, 1100, 60};
    TablaTexto NombresActividad{0, 1100, 60};
    TablaTexto NombresUniversidad{0, 1100, 60};
    // As wide as the file's field, so an address is never cut.
    TablaTexto WebUniversidad{0, 1100, 100};
    TablaTexto NombresOtros{0, 1100, 60};
    TablaBloques AsignaturasOtros{50, 60, 60};
    TablaBytes NotasCorteUni{350, 125};
    TablaBytes NotasCorte{350, 125};
    TablaBytes NotasCorteTitulo{350, 125};
    TablaEnteros TablaGrados{1, 350, 1, 14};
    TablaEnteros EnlacesGrado{1, 350, 0, 15};
    TablaTexto NuevosTitulos{1, 350, 120};
    TablaValores<int> ComunidadUniversidad{1, 1100};
    TablaTexto DoblesNombre{0, 200, 40};
    TablaValores<int> DoblesNumero{1, 200};
    TablaEnteros DoblesCuenta{1, 200, 0, 50};
    TablaEnteros DoblesGradoA{1, 200, 1, 50};
    TablaEnteros DoblesGradoB{1, 200, 1, 50};
    TablaBloques DoblesEtiqueta{200, 50, 4};

    // Branch of each degree (field 1 of TablaGrados), and the five branch names.
    TablaValores<int> RamaGrado{1, 350};
    TablaTexto NombresRamas{0, 4, 60};
    // Subject and requirement lines the requirements view picks by fields 11..14.
    TablaTexto MateriasGrado{1, 100, 70};
    // Activities (code in columns 1-4) and the professions that link them to degrees.
    TablaTexto CodActividad{1, 30, 4};
    TablaTexto NombresProfesion{1, 250, 50};
    TablaTexto CodigoProfesion{1, 250, 4};
    TablaTexto CodigoProfesion2{1, 250, 4};

    int NumGrados = 0;
    int NumGrupos = 0;
    int NumOtros = 0;
    int NumMateriasGrado = 0;
    int NumActividades = 0;
    int NumProfesiones = 0;
    int NumUniversidades = 0;
    int NumNuevosTitulos = 0;
    int NumDobles = 0;

    // State the degrees screen hands to the region-map window, which reads
    // both when a community is clicked on it. VistaDobles: the degrees
    // screen shows double degrees; set by its double-degree views, cleared
    // by its start-up data step and its other views. FilaComunidadNotas: first marks
    // grid row of each community's block, written with the universities of
    // a degree by the degrees screen's view.
    bool VistaDobles = false;
    TablaValores<int> FilaComunidadNotas{1, 19};
};

} // namespace norvela
