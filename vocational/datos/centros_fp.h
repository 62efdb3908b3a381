// The centre searches of the FP screens: the centres of a province, locality,
// district or zone with what they teach, and the centres of a community that
// teach one title. They build rows for the centre grid (and for a report)
// in growable lists; the offer and centre tables are only read.
#pragma once

#include "tablas.h"

#include <string>
#include <vector>

namespace norvela {

// Which offer decides: the screen's own level.
enum class NivelFP { Superior, Medio, Basica };

// The tables of one data group (1..4): its centre lines and the titles each
// centre offers at the three levels.
struct GrupoCentros {
    const TablaTexto *centros = nullptr;
    int n = 0;
    const TablaEnteros *ofertaGS = nullptr;
    const TablaEnteros *ofertaGM = nullptr;
    const TablaEnteros *ofertaFPB = nullptr;

    // The offer table of `nivel`.
    const TablaEnteros *Oferta(NivelFP nivel) const;
};

// Title names of the three levels and the prefix of basic rows (text 263).
struct NombresTitulos {
    const TablaTexto *superior = nullptr;
    const TablaTexto *medio = nullptr;
    const TablaTexto *basica = nullptr;
    std::string prefijoBasica;
};

struct Localidad {
    std::string nombre;
    int primerCentro = 0;   // centre line that opens the locality
};

// One row of the centre grid: the two columns and the title it stands for
// (0 on headers, separators and empty rows).
struct FilaRejilla {
    std::string col0;
    std::string col1;
    int titulo = 0;
};

struct FilasCentros {
    std::vector<FilaRejilla> filas;
    // Grid row (0-based, counting the rows before `filaInicial`) to scroll to.
    int filaSuperior = 0;
};

// The number of titles centre i offers in `oferta` (0..25), 0 for a line
// the table has no row for.
int NumOfertas(const TablaEnteros &oferta, int i);
// Title j (1-based) of centre i.
int TituloOfertado(const TablaEnteros &oferta, int i, int j);

// Centre lines of a province (character 1), in file order; without
// `todaFP` those with no title of `nivel` are left out.
std::vector<int> CentrosDeProvincia(const GrupoCentros &g, char provincia, NivelFP nivel, bool todaFP);
// Centre lines whose district or zone code is `clave`.
std::vector<int> CentrosConCodigo(const TablaTexto &codigos, int n, const std::string &clave);

// Localities of the collected centres: characters 2..36 of the line with
// long names, else 2..18; a new locality starts wherever the name differs
// from the previous centre's, so a name that comes back later is listed again.
std::vector<Localidad> LocalidadesDe(const TablaTexto &centros, const std::vector<int> &centrosRecogidos,
                                     bool nombresLargos);

// The grid rows of the collected centres: per centre a header "-" +
// characters 2..45 (second column 46..54) and its titles of `nivel` (each
// carrying its number), or with `todaFP` the titles of the three levels
// between separators; a centre that gets no title row loses its header,
// the others are followed by `filaTrasCentro`. The top row is the header of
// the centre that opens `primerCentroVisible` (0: the first row).
// `filaInicial` counts the rows already in the buffer (print mode).
FilasCentros FilasDeCentros(const GrupoCentros &g, const std::vector<int> &centrosRecogidos, const NombresTitulos &t,
                            NivelFP nivel, bool todaFP, int primerCentroVisible, int filaInicial = 0,
                            const std::string &filaTrasCentro = {});

// The centres of one community that offer `titulo`, province by province
// (province headers only when there are several, dropped when empty).
// `codigos` are the province codes, `nombres` the community's province names.
std::vector<FilaRejilla> FilasTitulo(const GrupoCentros &g, const TablaEnteros &oferta, int numProvincias,
                                     int primera, const TablaTexto &codigos, const TablaTexto &nombres, int titulo);

// The printed lines of a row of two fields: the first in its `ancho`
// columns, `separador` and the second after them. A printed line never glues
// the fields nor drops what is in them: a first field that fills its columns
// (with no separator, one that leaves no blank before the second) gives up a
// blank of its longest run of blanks (the padding after a locality) and, if
// that is not enough, goes on on the next line; without a second field the
// first has the whole line. Whatever passes `anchoLinea` goes on on further
// lines, two blanks in. Trailing blanks are dropped.
std::vector<std::string> LineasDosCampos(const std::string &primero, int ancho, const std::string &segundo,
                                         const std::string &separador = {}, int anchoLinea = 65);

// The report lines of FilasTitulo: "***  " + the community name in upper
// case + cierre, an empty line, then each row's two columns (first column
// 44 characters, LineasDosCampos).
std::vector<std::string> LineasTituloInforme(const std::string &nombreComunidad, const std::vector<FilaRejilla> &filas,
                                             const std::string &cierre = "***");

// True when some centre of the province offers the title.
bool TituloEnProvincia(char provincia, const TablaEnteros &oferta, const TablaTexto &centros, int n, int titulo);

} // namespace norvela
