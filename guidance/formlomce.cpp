#include "formlomce.h"

#include "enlace.h"
#include "guia_comun.h"
#include "itinerarios.h"
#include "pantallas.h"

#include <QPushButton>

namespace norvela {

TFlomce::TFlomce(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFlomce"))
{
    PonerCierre(CierreVentana::Volver);
    PonerCabeceraGuia(this, enlace, enlace.Texto(3));
    BotSalirLomce = BotonVolverGuia(this, "BotSalirLomce", enlace.Texto(82));
    connect(BotSalirLomce, &QPushButton::clicked, this, &TFlomce::BotSalirLomceClick);
}

Pantalla *TFlomce::DestinoAlCerrar()
{
    if (Pantalla *itinerarios = pantallas.Por(Papel::Itinerarios))
        return itinerarios;
    return Pantalla::DestinoAlCerrar();
}

void TFlomce::BotSalirLomceClick()
{
    if (Pantalla *destino = DestinoAlCerrar(); destino && destino != this) {
        destino->Mostrar();
        hide();
    }
}

} // namespace norvela
