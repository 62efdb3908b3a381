#include "imagen_paquete.h"


namespace norvela {

std::vector<EntradaPaquete> EntradasPaquetes(ImagenesEscena &im)
{
    std::vector<EntradaPaquete> e;
    e.push_back({0, QStringLiteral("fondo"), &im.fondo});
    for (int i = 0; i < kPasosPuerta; ++i) {
        e.push_back({0, QStringLiteral("puerta%1").arg(i), &im.puerta[i]});
        e.push_back({0, QStringLiteral("portal%1").arg(i), &im.portal[i]});
    }
    for (int i = 0; i < kFasesBandera; ++i)
        e.push_back({0, QStringLiteral("bandera%1").arg(i), &im.bandera[i]});
    for (int i = 0; i < kFasesAndar; ++i)
        e.push_back({1, QStringLiteral("anda%1").arg(i), &im.anda[i]});
    for (int i = 0; i < kNubes; ++i)
        e.push_back({1, QStringLiteral("nube%1").arg(i), &im.nube[i]});
    for (int i = 0; i < kFasesPajaro; ++i)
        e.push_back({1, QStringLiteral("pajaro%1").arg(i), &im.pajaro[i]});
    e.push_back({1, QStringLiteral("autobus"), &im.autobus});
    return e;
}

} // namespace norvela
