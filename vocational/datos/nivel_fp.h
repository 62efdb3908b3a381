// What tells the three FP levels apart where their screens share one place
// route and one title sheet: the offer and centre tables of each data group,
// the titles and their families, the report's line counter, and the texts
// and forms of the lists and printouts. Each screen builds its level once
// from the shared state and hands it to the shared code.
#pragma once

#include "centros_fp.h"
#include "datos_informe.h"
#include "grupos_fp.h"
#include "tablas.h"

#include <array>
#include <string>
#include <vector>

namespace norvela {

class Enlace;

struct NivelFPDatos {
    NivelFP nivel = NivelFP::Superior;

    // --- Centres and offers ---
    // Data groups '1'..'4' (index 0..3) as the centre searches read them:
    // the centre lines and the three levels' offers of the group. The basic
    // level reads group 2's centres from its own copy of the list.
    std::array<GrupoCentros, 4> grupos{};
    // Where a title is taught (the map markers): this level's offers over
    // the shared centre lists, for every level.
    TablasPorGrupo estrellas;

    // --- Titles and families ---
    const TablaTexto *nombres = nullptr;   // title t's name is (*nombres)[t]
    int numTitulos = 0;
    // Heading line of family f (1..NumFamilias()) as stored; element 0 unused.
    std::vector<std::string> familias{std::string()};
    // The title line just before family f's first title; element 0 unused.
    std::vector<int> filaTitulo{0};
    // Headings before the first one of the arts section ("|").
    int familiasAntesDeMarca = 0;
    // The three family numbers of each family group (1..numGrupos).
    const TablaEnteros *gruposFamilias = nullptr;
    int numGrupos = 0;
    // Groups 1 and 6 add the sports family and the arts families.
    bool familiasExtra = true;
    // Family rows show their heading from its second character on.
    bool familiaDesdeSegundo = false;
    // The last family has exactly one title, the line after its heading.
    bool ultimaFamiliaUnTitulo = false;

    // --- Place route ---
    // Caption text of a centre list of this level's titles only (190 + " - "
    // + it); the all-levels list says text 391. 0: the captions stay.
    int textoUnNivel = 392;
    // The community hint on the map: the name cut to this many characters
    // (0: the list width).
    int anchoPistaComunidad = 0;
    // Province "2H" groups its localities by the long name too.
    bool nombresLargos2H = true;
    // Catalonia and Madrid open their district and zone maps.
    bool mapasDetalle = true;
    // A community with one province lists its localities at once.
    bool saltarProvinciaUnica = false;
    // The province at position 35 of the province codes is searched as 34.
    bool provincia35Es34 = false;
    // The row after each centre's titles in a place list.
    std::string filaTrasCentro;

    // --- Printing ---
    // The report's line counter on this level's screen.
    int DatosInforme::*contadorInforme = &DatosInforme::NumLineasInforme;
    // The sheet's record 0: the title's name + " (" + this text + ")".
    int textoTitulo = 47;
    // A centre list's record 0 ends in " - " + this text (0: nothing).
    int textoLista = 0;
    // A centre list prints its centre headers bold.
    bool negritaCabecerasLista = true;
    // The sheet's three sections (texts of their headings, in print order).
    std::array<int, 3> textosSecciones{277, 312, 717};
    // Headings "- " + text (the first cut to 22, the others to 32); else
    // "** " + text + " **".
    bool seccionesConGuion = true;
    // An empty line after every section; else between them.
    bool blancoTrasSeccion = true;
    // The rule between the sections and the communities.
    std::string raya = std::string(6, ' ') + std::string(24, '_');
    // The heading over the communities (text 317) prints bold.
    bool negritaDonde = true;
    // What closes a community heading "***  NAME".
    std::string cierreComunidad = "***";

    int NumFamilias() const { return static_cast<int>(familias.size()) - 1; }
    // The tables of group '1'..'4'; any other character, a group without centres.
    GrupoCentros Grupo(char grupo) const;
    // This level's offer in a group's tables.
    const TablaEnteros *Oferta(const GrupoCentros &g) const;
};

// The higher cycles: "fp", its offers and families, as the degrees screen's
// loading leaves them.
NivelFPDatos NivelSuperior(const Enlace &e);
// The intermediate cycles: "fp2", its offers and families; the family groups
// are the higher cycles' ones; the report counts in NumLineasCuestionario.
NivelFPDatos NivelMedio(const Enlace &e);
// The basic cycles: "fpba", whose family headings are its "-" lines, and
// their offers; group 2's centres come from `centrosFPB2`, the screen's copy
// of "lu2" (NumCentros2 lines). The family groups are the screen's own
// table (records 40..48 of "familias"), which it sets in gruposFamilias.
NivelFPDatos NivelBasica(const Enlace &e, const TablaTexto &centrosFPB2);

} // namespace norvela
