#include "comunidades_titulo.h"

#include "centros_fp.h"
#include "lugares_fp.h"

namespace norvela {

void MarcarComunidadesTitulo(DatosLugares &d, const std::array<const TablaEnteros *, 4> &ofertas,
                             const std::array<const TablaTexto *, 4> &centros, const std::array<int, 4> &n,
                             int titulo)
{
    for (int c = 1; c <= kNumComunidades; ++c) {
        d.MarcasEstrellas[c] = 0;
        const int desde = PrimeraProvinciaDe(d, c);
        const int hasta = c < kNumComunidades ? PrimeraProvinciaDe(d, c + 1) - 1 : desde;
        if (desde < 1)
            continue;
        for (int k = desde; k <= hasta && d.CodigoProvincia.Contiene(k); ++k) {
            const std::string &codigo = d.CodigoProvincia[k];
            if (codigo.size() < 2 || codigo[0] < '1' || codigo[0] > '4')
                continue;
            const size_t g = static_cast<size_t>(codigo[0] - '1');
            if (!ofertas[g] || !centros[g])
                continue;
            if (TituloEnProvincia(codigo[1], *ofertas[g], *centros[g], n[g], titulo)) {
                d.MarcasEstrellas[c] = 1;
                break;
            }
        }
    }
}

} // namespace norvela
