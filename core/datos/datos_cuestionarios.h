// The questionnaires' data: items per area, the questions and their result
// lines, the itinerary lists and the intermediate-cycle questionnaire.
#pragma once

#include "tablas.h"

#include <QString>

#include <cstdint>

namespace norvela {

struct DatosCuestionarios {
    // The student's heading line of the questionnaire reports (45 characters).
    QString NombreCursoAlumno;
    int NumCuestiones = 0, NumCualidades = 0, NumIntereses = 0, NumItinerarios = 0;
    TablaBytes TablaCuestioCua{20, 50};
    TablaBytes TablaCuestioInt{20, 50};
    TablaBytes TablaCuestioESO{20, 50};
    TablaTexto Cuestiones{0, 1100, 60};
    TablaTexto ListaCualidades{0, 1100, 60};
    TablaTexto ListaIntereses{0, 1100, 60};
    TablaTexto NombresAreas{0, 1100, 60};
    int NumAreas = 0;
    TablaTexto ListaItinerarios1{0, 1100, 60};
    TablaTexto ListaGM75{0, 1100, 75};
    TablaTexto CuestionesGM{0, 1100, 75};
    TablaValores<uint8_t> CodigoGM1{1, 100};
    TablaValores<uint8_t> CodigoGM2{1, 100};
    int NumCuesGM = 0;
    // The intermediate-cycle screen runs in questionnaire mode (set by the
    // itineraries screen and the doors that open the intermediate cycles).
    bool CuestionarioGM = false;
};

} // namespace norvela
