#include "imagen_paquete.h"


namespace norvela {

std::vector<EntradaPaquete> EntradasPaquetes(ImagenesEscena &im)
{
    using namespace escena;
    std::vector<EntradaPaquete> e;
    e.push_back({0, QStringLiteral("fondo"), &im.fondo, {kAncho, kAlto}});
    for (int i = 0; i < kPasosPuerta; ++i) {
        e.push_back({0, QStringLiteral("puerta%1").arg(i), &im.puerta[i], {kAnchoPuerta, kAltoPuerta}});
        e.push_back({0, QStringLiteral("portal%1").arg(i), &im.portal[i], {kAnchoPortal, kAltoPuerta}});
    }
    for (int i = 0; i < kFasesBandera; ++i)
        e.push_back({0, QStringLiteral("bandera%1").arg(i), &im.bandera[i], {kAnchoBandera, kAltoBandera}});
    for (int i = 0; i < kFasesAndar; ++i)
        e.push_back({1, QStringLiteral("anda%1").arg(i), &im.anda[i], {kAnchoAndar, kAltoAndar}});
    for (int i = 0; i < kNubes; ++i)
        e.push_back({1, QStringLiteral("nube%1").arg(i), &im.nube[i], {kAnchoNube[i], kAltoNube[i]}});
    for (int i = 0; i < kFasesPajaro; ++i)
        e.push_back({1, QStringLiteral("pajaro%1").arg(i), &im.pajaro[i], {kAnchoPajaro, kAltoPajaro}});
    e.push_back({1, QStringLiteral("autobus"), &im.autobus, {kAnchoAutobus, kAltoAutobus}});
    return e;
}

} // namespace norvela
