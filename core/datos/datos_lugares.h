// Places: communities and provinces, the centres of the four province
// groups, Catalonia's districts, Madrid's zones, the region maps and the
// star markers drawn over them.
#pragma once

#include "mapa_regiones.h"
#include "tablas.h"

#include <cstdint>

namespace norvela {

struct DatosLugares {
    TablaTexto Lugares{0, 1100, 60};
    int NumLugares = 0;
    TablaTexto Centros1{0, 1100, 60};
    TablaTexto Centros2{0, 1100, 60};
    TablaTexto Centros3{0, 1100, 60};
    TablaTexto Centros4{0, 1100, 60};
    int NumCentros1 = 0;
    int NumCentros2 = 0;
    int NumCentros3 = 0;
    int NumCentros4 = 0;

    TablaTexto NombresComarcas{1, 60, 60};
    TablaTexto CodigosComarcas{1, 60, 2};
    int NumComarcas = 0;
    TablaTexto NombresZonas{0, 100, 60};
    TablaTexto CodigosZonas{1, 100, 2};
    TablaEnteros LineasDeZona{1, 28, 1, 3};
    int NumZonas = 0;
    TablaTexto WebComunidad{1, 20, 100};
    int NumWebComunidades = 0;

    // Region model.
    MapaBytes MapaComunidades{kPuntosFilas, kAltoMapa};
    MapaBytes MapaRegionesC{kPuntosFilas, kAltoMapaDetalle};
    MapaBytes MapaRegionesM{kPuntosFilas, kAltoMapaDetalle};
    TablaValores<int> PosicionComunidadX{1, kNumComunidades};
    TablaValores<int> PosicionComunidadY{1, kNumComunidades};
    TablaTexto CodigoProvincia{1, 64, 2};

    // Map markers, shared by the region-map window and the FP screens.
    TablaValores<uint8_t> MarcasEstrellas{1, kNumComunidades};
    int FaseEstrellas = 0;
    int FaseEstrellas2 = 0;
    // The community (or district, or zone) under the mouse on the map last
    // moved over: the maps of the degrees screen, the region-map window and
    // the FP screens write it on a mouse move and read it on their click.
    int ComunidadRaton = 1;
    // Width of the maps' hover caption, read by all of them.
    int AnchoPanelMapa = 115;

    // District code of each Centros4 line and zone code of each Centros2
    // line, prepared once by the higher-cycle screen's start-up data step.
    TablaTexto CodigoComarcaCentro{1, 1100, 2};
    TablaTexto CodigoZonaCentro{1, 1100, 2};
};

} // namespace norvela
