// What the intermediate-cycle screen remembers between clicks on its title
// route; the place route's own state is the shared route's (EstadoRutaFP).
#pragma once

#include <string>
#include <vector>

namespace norvela {

struct EstadoMedio {
    // The chosen title (line of "fp2"); the key of every title view and of the map stars.
    int TituloSelGM = 0;
    // A print is being built (the views go to the report).
    bool ImprimiendoGM = false;
    // Design height of the view list, restored after the print preview.
    int AltoListaSelGM = 0;
    // The next title view is opened from the questionnaire's lists.
    bool TituloDesdeCuestionario = false;
    // The next title view is opened from the centre grid.
    bool TituloDesdeRejilla = false;
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
    // 1001: the view has no heading rows.
    int PrimeraFilaEncabezado = 1001;
};

} // namespace norvela
