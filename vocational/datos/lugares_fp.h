// The FP place model: communities and their provinces, the region under a
// map pixel, the hover texts of the three maps, the district and zone codes
// of the centres, and the communities picked for a long title sheet. Shared
// by the higher, intermediate and basic cycle screens.
#pragma once

#include "comunidades.h"
#include "datos_informe.h"
#include "datos_lugares.h"

#include <string>
#include <vector>

namespace norvela {

// Highest district of the Catalonia map and zone of the Madrid map.
constexpr int kNumComarcasMapa = 41;
constexpr int kNumZonasMapa = 28;
// The district of the Catalonia map that opens the sub-district list.
constexpr int kComarcaBarcelones = 37;
// First entry of NombresComarcas listed under the Barcelonès.
constexpr int kPrimeraSubcomarca = 42;
constexpr int kComunidadComarcas = 9;
constexpr int kComunidadZonas = 13;

// The place the student has chosen on an FP screen: the community, its
// provinces, the province, locality, district or zone of the centre list.
// Each screen's place route keeps its own; printing reads it from there.
struct LugarElegidoFP {
    int ComunidadSel = 0;
    // Index in CodigoProvincia of the community's first province, and its
    // provinces' names (35 characters each).
    int PrimeraProvincia = 0;
    int NumProvinciasSel = 0;
    TablaTexto NombresProvinciasSel{1, 100, 35};
    // The data group of the province last clicked, and the group whose
    // tables the centre search takes ("4" for districts, "2" for zones).
    char GrupoSel = ' ';
    char LetraGrupo = ' ';
    // The province whose localities are listed, with its group and name.
    char ProvinciaGuardada = ' ';
    char GrupoGuardado = ' ';
    std::string NombreProvinciaSel;
    int LocalidadSel = 0;
    // Catalonia by districts, Madrid by zones.
    bool ModoComarcas = false;
    bool ModoZonas = false;
    int ComarcaSel = 0;
    int ZonaSel = 0;
    // The province's localities are told apart by 35 characters, not 17.
    bool NombresLargos = false;
};

// Characters a..b (1-based) of a data line, shorter when the line is.
std::string ColumnasLinea(const std::string &s, int a, int b);
// Columns 1-2 of a place record as a number (the community of a province
// record, the first province of a community); -1 when they are not two
// digits. A blank first digit is allowed, as the data write " 8".
int NumeroDosColumnas(const std::string &s);

// Index in CodigoProvincia of community c's first province (columns 1-2 of
// Lugares[c]); 0 when those columns hold no number in 1..64.
int PrimeraProvinciaDe(const DatosLugares &d, int c);

// District or zone under a map pixel; 0 when there is none or the value
// lies outside the map's range (the community: ComunidadEn).
int ComarcaEn(const DatosLugares &d, int x, int y);
int ZonaEn(const DatosLugares &d, int x, int y);

// Hover texts: the community's name, the district's name, and a zone's
// names joined with " - " (the third only when the zone has one).
std::string PistaComunidad(const DatosLugares &d, int c, int anchoLista);
std::string PistaComarca(const DatosLugares &d, int r);
std::string PistaZona(const DatosLugares &d, int z);

// Community c chosen on the map: the choice's ComunidadSel,
// PrimeraProvincia, the rows of its provinces in ListaGrados[1..k]
// (anchoLista - 5 characters) and NombresProvinciasSel[1..k] (35),
// NumProvinciasSel = k. A community with no province record is its own
// single province. Record 0 of ListaGrados becomes the community's name.
// False (nothing changed) outside 1..19.
bool SeleccionarComunidad(const DatosLugares &d, LugarElegidoFP &lugar, DatosInforme &informe, int c,
                          int anchoLista);

// Centres4 lines "A" become "5" and Centros2 lines "H" become "8"; the lines
// of the Catalan block get their district code (character 1 + character 45)
// and those of the Madrid block (from the first "8" line up to the line
// before the first "D" line) their zone code, with character 45 blanked.
void PrepararComarcasYZonas(DatosLugares &d);

// NombresComarcas entry of item i (0-based) of the Barcelonès list; 0 for
// the separator (the fifth item) and for items beyond the table.
int SubcomarcaBarcelona(const DatosLugares &d, int i);

// Province codes whose localities are told apart by 35 characters of the
// centre line instead of 17. The basic-cycle screen leaves "2H" out.
bool EsProvinciaNombresLargos(char grupo, char provincia, bool incluye2H = true);

} // namespace norvela
