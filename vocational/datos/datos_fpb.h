// The tables the basic-cycle screen loads for itself before it is built:
// the basic offer of every centre, the titles with their blocks (shared, as
// the catalogue reads them too), its own copy of the group-2 centre list,
// and what it works out of them (where each family starts, the groups).
#pragma once

#include "tablas.h"
#include "titulos_fpb.h"

namespace norvela {

class Enlace;

struct TablasFPB {
    // "lu2" as read, its "H" lines kept apart from the "8" ones, the zone
    // letter of the Madrid block blanked.
    TablaTexto CentrosFPB2{0, 1100, 60};
    int NumCentrosFPB2 = 0;
    InicioFamilias InicioFamiliaFPB{};
    GruposFPB Grupos;
};

// Character 45 of the lines from the first one beginning "8" up to the one
// before the first beginning "D" becomes a blank; without a "D" line, to
// the last line; without an "8" line nothing changes.
void BlanquearZonasFPB(TablaTexto &centros, int n);

// "datlugbasphp" into OfertaFPB1..4, "fpba" into NombresFPBasica, "asignaba"
// into AsignaturasFPBasica, then the groups (records 40..48 of the loaded
// "familias"), where each family starts, and "lu2" into CentrosFPB2.
// A missing list file is told and sets ErrorFicheros (nothing after it is
// read); a file that breaks its limits throws the loaders' errors.
void CargarTablasFPB(Enlace &e, TablasFPB &t);

} // namespace norvela
