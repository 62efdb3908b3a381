// What the intermediate-cycle screen remembers of its own beside the shared
// FP state (EstadoPantallaFP): the questionnaire and its mini list.
#pragma once

#include <vector>

namespace norvela {

struct EstadoMedio {
    // The next title view is opened from the questionnaire's lists.
    bool TituloDesdeCuestionario = false;
    // The questionnaire: its statements are listed (second step), its list
    // shows the titles (third step), one of them is open on the map.
    bool TitulosListadosGM = false;
    bool ListaGMTitulos = false;
    bool DetalleTituloGM = false;
    // Codes of the ticked options, in list order.
    std::vector<int> CodigosOpcionesGM;
    // The statement number of each row of the statement list.
    std::vector<int> LineaCuestionarioGM;
    // The title of each row of the title list.
    std::vector<int> TitulosCuestionarioGM;
    // The community last clicked on a title's map.
    int ComunidadGM = 0;
    // Step of the list's shrinking into the mini list.
    int PasoReduccion = 0;
};

} // namespace norvela
