// What the degrees screen asks of the region-map window, so the screen does
// not depend on how that window is made: show it with a blinking star on
// every community marked in MarcasEstrellas, or hide it and stop the
// blinking. Start-up connects it to the window; unconnected, nothing happens.
#pragma once

#include <functional>

namespace norvela {

struct VentanaMapaRegiones {
    std::function<void()> Mostrar;
    std::function<void()> Ocultar;

    void MostrarSiHay() const
    {
        if (Mostrar)
            Mostrar();
    }
    void OcultarSiHay() const
    {
        if (Ocultar)
            Ocultar();
    }
};

} // namespace norvela
