// What the higher-cycle screen remembers of its own beside the shared FP
// state (EstadoPantallaFP).
#pragma once

namespace norvela {

struct EstadoSuperior {
    // The place route is open (else the title route or the start panel).
    bool ModoPorLugar = false;
};

} // namespace norvela
