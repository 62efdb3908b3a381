// What the basic-cycle screen remembers of its own beside the shared FP
// state (EstadoPantallaFP): the rows under the mouse and what was clicked.
#pragma once

namespace norvela {

struct EstadoBasica {
    int GrupoRaton = 0;        // row (1-based) of the group list under the mouse
    int GrupoElegido = 0;      // the group clicked last (1..9)
    int TituloRaton = 0;       // row (1-based) of the title list under the mouse
    bool ComunidadElegidaFPB = false;
    // Ticks of the two blinks (group heading, title name); they share it.
    int ContadorParpadeo = 0;
};

} // namespace norvela
