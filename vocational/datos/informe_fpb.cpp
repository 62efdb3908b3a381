#include "informe_fpb.h"

#include "ansi.h"
#include "cadenas.h"
#include "lugares_fp.h"

namespace norvela {

std::vector<FilaRejilla> CentrosTituloEnComunidad(const DatosLugares &lugares, const LugarElegidoFP &lugar,
                                                  const NivelFPDatos &nivel, int titulo)
{
    const GrupoCentros g = nivel.Grupo(lugar.GrupoSel);
    const TablaEnteros *oferta = nivel.Oferta(g);
    if (!g.centros || !oferta)
        return {};
    return FilasTitulo(g, *oferta, lugar.NumProvinciasSel, lugar.PrimeraProvincia, lugares.CodigoProvincia,
                       lugar.NombresProvinciasSel, titulo);
}

InformeFP InformeTituloFPB(const NivelFPDatos &nivel, const TextosInterfaz &textos, const DatosLugares &lugares,
                           int titulo, const VistasTitulo &vistas, int comunidad,
                           const std::vector<FilaRejilla> &filas)
{
    InformeFP r = CabeceraHojaTitulo(nivel, textos, titulo, vistas);
    r.negritas.push_back(r.Anadir(textos[323]));
    const std::string nombre =
        lugares.Lugares.Contiene(comunidad) ? ColumnasLinea(lugares.Lugares[comunidad], 3, 32) : std::string();
    r.Anadir("***  " + HaciaAnsi(DesdeAnsi(nombre).toUpper()) + nivel.cierreComunidad);
    if (filas.empty())
        r.Anadir(textos[292]);
    for (const FilaRejilla &f : filas)
        for (const std::string &s : LineasDosCampos(f.col0, 44, f.col1, "  "))
            r.Anadir(s);
    for (int i = 1; i <= r.NumLineas(); ++i)
        if (r.lineas[static_cast<size_t>(i - 1)].rfind("***", 0) == 0)
            r.negritas.push_back(i);
    return r;
}

} // namespace norvela
