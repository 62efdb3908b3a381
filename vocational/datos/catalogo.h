// The title catalogue as lists and texts: for one of the 26 professional
// families, its university degrees, higher, intermediate and basic cycles
// and professional certificates; the details of one title; and the printed
// lists of the family.
#pragma once

#include "informe_fp.h"

#include <array>
#include <string>
#include <vector>

namespace norvela {

class Enlace;
class TablaTexto;

// "A".."Q" give 10..26; any other character gives `defecto`.
int NumeroFamilia(char c, int defecto);

// Lines of the basic-cycle list where a family block starts (lines that
// begin with "-"), in order. More than 26 blocks, or a block starting past
// line 255, is an ErrorRango naming the list.
std::vector<int> IniciosFamiliaFPB(const TablaTexto &lista, int n);

// The five lists, in screen order.
enum ListaCatalogo { CatGrados, CatSuperior, CatMedio, CatBasica, CatCertificados, kListasCatalogo };

// An item of a list: its text and the row (or line) of its table; a note
// row has 0 and opens nothing.
struct EntradaCatalogo {
    std::string texto;
    int indice = 0;
};

using ListasCatalogo = std::array<std::vector<EntradaCatalogo>, kListasCatalogo>;

// The number of a family code: "1".."9" read as a number, "A".."Q" 10..26.
int NumeroDeCodigo(char familia);

// The five lists of the family with code `familia`, each in its table's
// order. The higher and intermediate lists of families "1" and "5" end in a
// note on their sports or arts studies (texts 181/182, 176/177).
ListasCatalogo ListasDeFamilia(const Enlace &e, const std::vector<int> &iniciosFPB, char familia);

// A line of the details text; headings are drawn apart.
struct LineaDetalle {
    std::string texto;
    bool encabezado = false;
};

// Details of higher cycle r, intermediate cycle r, basic-cycle line l and
// certificate line l (the certificate tables split). `familia` is the
// family's code.
std::vector<LineaDetalle> DetalleSuperior(const Enlace &e, int r);
std::vector<LineaDetalle> DetalleMedio(const Enlace &e, int r, char familia);
std::vector<LineaDetalle> DetalleBasica(const Enlace &e, int l);
std::vector<LineaDetalle> DetalleCertificado(const Enlace &e, int l);

// The printed lists: the title is text 103 and the family's name; each list
// with items opens with an empty line and its caption (bold), then " -" and
// each item. `captions` are the five lists' captions.
InformeFP InformeCatalogo(const std::string &titulo103, const std::string &nombreFamilia,
                          const std::array<std::string, kListasCatalogo> &captions, const ListasCatalogo &listas);

} // namespace norvela
