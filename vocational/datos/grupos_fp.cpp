#include "grupos_fp.h"

namespace norvela {

GrupoCentros GrupoDe(const DatosLugares &lugares, const DatosFP &fp, char grupo)
{
    if (grupo < '1' || grupo > '4')
        return {};
    const size_t g = static_cast<size_t>(grupo - '1');
    const TablaTexto *centros[4] = {&lugares.Centros1, &lugares.Centros2, &lugares.Centros3, &lugares.Centros4};
    const int n[4] = {lugares.NumCentros1, lugares.NumCentros2, lugares.NumCentros3, lugares.NumCentros4};
    return {centros[g], n[g], &fp.OfertaGS[g], &fp.OfertaGM[g], &fp.OfertaFPB[g]};
}

TablasPorGrupo TablasDeNivel(const DatosLugares &lugares, const DatosFP &fp, NivelFP nivel)
{
    TablasPorGrupo t;
    for (size_t g = 0; g < 4; ++g) {
        const GrupoCentros c = GrupoDe(lugares, fp, static_cast<char>('1' + g));
        t.centros[g] = c.centros;
        t.n[g] = c.n;
        t.ofertas[g] = nivel == NivelFP::Superior ? c.ofertaGS : nivel == NivelFP::Medio ? c.ofertaGM : c.ofertaFPB;
    }
    return t;
}

} // namespace norvela
