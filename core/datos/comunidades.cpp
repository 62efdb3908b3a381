#include "comunidades.h"

#include "cadenas.h"
#include "numeros.h"

namespace norvela {

std::string NombreComunidad(const DatosLugares &d, int c, int ancho)
{
    if (c < 1 || c > kNumComunidades || !d.Lugares.Contiene(c))
        return {};
    return QuitarBlancosFinales(Columnas(d.Lugares[c], 3, 2 + ancho));
}

int ComunidadEn(const DatosLugares &d, int x, int y)
{
    const int v = d.MapaComunidades.Valor(x, y);
    return v >= 1 && v <= kNumComunidades ? v : 0;
}

} // namespace norvela
