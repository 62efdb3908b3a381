// What the three FP screens remember between clicks, alike on each: the
// title route's family list and the chosen title. Each screen keeps its
// own part beside it (EstadoMedio, EstadoBasica); the place
// route's own state is the shared route's (EstadoRutaFP).
#pragma once

#include <string>
#include <vector>

namespace norvela {

// Where the title route's family list stands.
struct EstadoTitulosFP {
    // The family list shows the groups (else the families of one group).
    bool ListaDeGrupos = false;
    // The group clicked at group level, then the family row clicked.
    int FilaFamiliaSel = 0;
    std::string NombreFamiliaSel;
    // Family of each row of the family list; row 0 is the back row.
    std::vector<int> FamiliasGrupoSel;
    // The rows of the family's title list (title lines of the level).
    std::vector<int> TitulosFamilia;
};

struct EstadoPantallaFP {
    EstadoTitulosFP Titulos;
    // The chosen title: its line in the level's title table; the key of
    // every title view and of the map stars.
    int TituloSel = 0;
    // The next title view is opened from the centre grid.
    bool TituloDesdeRejilla = false;
    // A print is being built (the views go to the report).
    bool Imprimiendo = false;
    // Design height of the view list, restored after the print preview.
    int AltoListaSel = 0;
    // First heading row of the view shown; 1001: the view has none.
    int PrimeraFilaEncabezado = 1001;
};

} // namespace norvela
