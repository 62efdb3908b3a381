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

} // namespace norvela
