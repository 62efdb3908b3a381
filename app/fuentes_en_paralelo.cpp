#include "fuentes_en_paralelo.h"

#include <system_error>

#ifdef NORVELA_CON_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace norvela {

FuentesEnParalelo::FuentesEnParalelo()
{
#ifdef NORVELA_CON_FONTCONFIG
    // Fontconfig keeps one configuration for the process, made once by
    // whoever asks first; a second caller meanwhile makes its own and drops
    // it, so Qt asking too early costs time, never correctness.
    try {
        hilo_ = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration when it needs it.
    }
#endif
}

void FuentesEnParalelo::Esperar()
{
    if (hilo_.joinable())
        hilo_.join();
}

} // namespace norvela
