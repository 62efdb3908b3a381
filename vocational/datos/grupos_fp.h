// The centre and offer tables of a data group as the searches take them.
#pragma once

#include "centros_fp.h"
#include "datos_fp.h"
#include "datos_lugares.h"

#include <array>

namespace norvela {

// Group '1'..'4'; any other character gives a group without centres.
GrupoCentros GrupoDe(const DatosLugares &lugares, const DatosFP &fp, char grupo);

// The tables of the four groups for one level, as MarcarComunidadesTitulo takes them.
struct TablasPorGrupo {
    std::array<const TablaEnteros *, 4> ofertas{};
    std::array<const TablaTexto *, 4> centros{};
    std::array<int, 4> n{};
};
TablasPorGrupo TablasDeNivel(const DatosLugares &lugares, const DatosFP &fp, NivelFP nivel);

} // namespace norvela
