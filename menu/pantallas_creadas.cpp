#include "pantallas_creadas.h"

#include "animacion.h"
#include "asistente.h"
#include "certifiU.h"
#include "est_grados.h"
#include "estadistica.h"
#include "formlomce.h"
#include "grados.h"
#include "itinerarios.h"
#include "pasarelaFP.h"
#include "principal.h"
#include "superior.h"

namespace norvela {

Pantalla *PantallasCreadas::Por(Papel papel) const
{
    switch (papel) {
    case Papel::MenuPrincipal:
        return form0;
    case Papel::Animacion:
        return form9;
    case Papel::Asistente:
        return Form5;
    case Papel::Certificados:
        return Certifica;
    case Papel::Grados:
        return Form1;
    case Papel::NotasCorte:
        return Form6;
    case Papel::EstadisticasGrados:
        return FormEstGra;
    case Papel::FPSuperior:
        return Form8;
    case Papel::EstadisticasFP:
        return Estadisticas;
    case Papel::Itinerarios:
        return Form2;
    case Papel::Lomce:
        return Flomce;
    }
    return nullptr;
}

} // namespace norvela
