#include "informe_fp_seleccion.h"

#include "mapa_regiones.h"

#include <algorithm>

namespace norvela {

bool SeleccionComunidadesFP::Contiene(int c) const
{
    return std::find(ComunidadesImpresion.begin(), ComunidadesImpresion.end(), c) != ComunidadesImpresion.end();
}

bool SeleccionComunidadesFP::Anadir(int c)
{
    if (c < 1 || c > kNumComunidades || Contiene(c))
        return false;
    ComunidadesImpresion.push_back(c);
    return true;
}

bool SeleccionComunidadesFP::Quitar(int i)
{
    if (i < 0 || i >= NumComunidadesImpresion())
        return false;
    ComunidadesImpresion.erase(ComunidadesImpresion.begin() + i);
    return true;
}

void SeleccionComunidadesFP::Empezar()
{
    ComunidadesImpresion.clear();
    SeleccionImpresion = true;
}

void SeleccionComunidadesFP::Terminar()
{
    ComunidadesImpresion.clear();
    SeleccionImpresion = false;
}

SeleccionComunidadesFP SeleccionComunidadesFP::Leer(const DatosLugares &d)
{
    SeleccionComunidadesFP s;
    s.SeleccionImpresion = d.SeleccionImpresion;
    const int n = std::clamp(d.NumComunidadesImpresion, 0, kNumComunidades);
    for (int k = 1; k <= n; ++k)
        s.Anadir(d.ComunidadesImpresion[k]);
    return s;
}

void SeleccionComunidadesFP::Guardar(DatosLugares &d) const
{
    d.SeleccionImpresion = SeleccionImpresion;
    d.ComunidadesImpresion.Vaciar();
    d.ComunidadEnImpresion.Vaciar();
    int k = 0;
    for (int c : ComunidadesImpresion) {
        // The shared table holds 19 communities, each once.
        if (c < 1 || c > kNumComunidades || d.ComunidadEnImpresion[c] || k == kNumComunidades)
            continue;
        d.ComunidadesImpresion[++k] = c;
        d.ComunidadEnImpresion[c] = 1;
    }
    d.NumComunidadesImpresion = k;
}

} // namespace norvela
