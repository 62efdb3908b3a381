#include "informe_fp.h"

#include "cadenas.h"

namespace norvela {

namespace {

constexpr int kAnchoInforme = 65;

} // namespace

int InformeFP::Anadir(const std::string &s)
{
    lineas.push_back(Cortar(s, kAnchoInforme));
    return NumLineas();
}

void VolcarInforme(const InformeFP &informe, DatosInforme &d, int DatosInforme::*contador)
{
    d.LineasInforme.Poner(0, informe.titulo);
    for (int i = 1; i <= informe.NumLineas(); ++i)
        d.LineasInforme.Poner(i, informe.lineas[static_cast<size_t>(i - 1)]);
    d.*contador = informe.NumLineas();
    const int n = static_cast<int>(informe.negritas.size());
    for (int k = 1; k <= n; ++k)
        d.LineasNegrita[k] = informe.negritas[static_cast<size_t>(k - 1)];
    d.LineasNegrita[0] = n;
}

} // namespace norvela
