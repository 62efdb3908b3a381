#include "nivel_fp.h"

#include "enlace.h"

#include <algorithm>

namespace norvela {

namespace {

// The tables of the four groups with the shared centre lists.
std::array<GrupoCentros, 4> Grupos(const Enlace &e)
{
    std::array<GrupoCentros, 4> g{};
    for (size_t k = 0; k < 4; ++k)
        g[k] = GrupoDe(e, e, static_cast<char>('1' + k));
    return g;
}

// What every level takes alike: the four groups with the shared centre
// lists, the map's stars and the level's title names.
NivelFPDatos NivelDe(const Enlace &e, NivelFP nivel, const TablaTexto &nombres, int numTitulos)
{
    NivelFPDatos n;
    n.nivel = nivel;
    n.grupos = Grupos(e);
    n.estrellas = TablasDeNivel(e, e, nivel);
    n.nombres = &nombres;
    n.numTitulos = numTitulos;
    return n;
}

// Families 1..n of a heading table whose title rows are `filas`.
void PonerFamilias(NivelFPDatos &n, const TablaTexto &encabezados, int numEncabezados, const TablaValores<int> &filas)
{
    for (int f = 1; f <= numEncabezados && encabezados.Contiene(f) && filas.Contiene(f); ++f) {
        n.familias.push_back(encabezados[f]);
        n.filaTitulo.push_back(filas[f]);
    }
}

// Headings before the first one that opens the arts section with "|".
int AntesDeMarca(const std::vector<std::string> &familias)
{
    for (size_t f = 1; f < familias.size(); ++f)
        if (!familias[f].empty() && familias[f][0] == '|')
            return static_cast<int>(f) - 1;
    return 0;
}

} // namespace

GrupoCentros NivelFPDatos::Grupo(char grupo) const
{
    if (grupo < '1' || grupo > '4')
        return {};
    return grupos[static_cast<size_t>(grupo - '1')];
}

const TablaEnteros *NivelFPDatos::Oferta(const GrupoCentros &g) const
{
    return g.Oferta(nivel);
}

NivelFPDatos NivelSuperior(const Enlace &e)
{
    NivelFPDatos n = NivelDe(e, NivelFP::Superior, e.NombresFPSuperior, e.NumFPSuperior);
    PonerFamilias(n, e.EncabezadosFPSuperior, e.NumEncabezadosFPSuperior, e.FilaTituloGS);
    n.familiasAntesDeMarca = e.EncabezadoSeccionGS;
    n.gruposFamilias = &e.RangosGruposFamilias;
    n.numGrupos = e.NumGruposFamilias;
    return n;
}

NivelFPDatos NivelMedio(const Enlace &e)
{
    NivelFPDatos n = NivelDe(e, NivelFP::Medio, e.NombresFPMedio, e.NumFPMedio);
    PonerFamilias(n, e.EncabezadosFPMedio, e.NumFamiliasGM, e.FilaTituloGM);
    n.familiasAntesDeMarca = AntesDeMarca(n.familias);
    n.gruposFamilias = &e.RangosGruposFamilias;
    n.numGrupos = e.NumGruposFamilias;

    n.textoUnNivel = 390;
    n.anchoPistaComunidad = 45;
    n.saltarProvinciaUnica = true;

    n.contadorInforme = &DatosInforme::NumLineasCuestionario;
    n.textoTitulo = 113;
    n.textoLista = 113;
    n.negritaCabecerasLista = false;
    n.textosSecciones = {29, 199, 312};
    n.seccionesConGuion = false;
    n.blancoTrasSeccion = false;
    n.raya = std::string(34, '_');
    n.negritaDonde = false;
    n.cierreComunidad = "  ***";
    return n;
}

NivelFPDatos NivelBasica(const Enlace &e, const TablaTexto &centrosFPB2)
{
    NivelFPDatos n = NivelDe(e, NivelFP::Basica, e.NombresFPBasica, e.NumFPBasica);
    n.grupos[1].centros = &centrosFPB2;
    // A family is a "-" line of the title list; its titles follow it.
    for (int i = 1; i <= e.NumFPBasica && e.NombresFPBasica.Contiene(i); ++i)
        if (!e.NombresFPBasica[i].empty() && e.NombresFPBasica[i][0] == '-') {
            n.familias.push_back(e.NombresFPBasica[i]);
            n.filaTitulo.push_back(i);
        }
    n.familiasExtra = false;
    n.familiaDesdeSegundo = true;
    n.ultimaFamiliaUnTitulo = true;

    n.textoUnNivel = 0;
    n.anchoPistaComunidad = 45;
    n.nombresLargos2H = false;
    n.mapasDetalle = false;
    n.saltarProvinciaUnica = true;
    n.provincia35Es34 = true;
    n.filaTrasCentro = std::string(60, ' ');

    n.textoTitulo = 263;
    n.textoLista = 263;
    n.negritaCabecerasLista = false;
    n.textosSecciones = {29, 312, 199};
    n.seccionesConGuion = false;
    n.raya.clear();
    n.cierreComunidad = "  ***";
    return n;
}

} // namespace norvela
