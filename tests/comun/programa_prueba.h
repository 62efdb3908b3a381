// The program as the screen tests start it: the shipped data folder (or a
// copy of it) through start-up, every screen created by the program's own
// creation, the first window showing, panels changing at once.
#pragma once

#include "arranque.h"
#include "enlace.h"
#include "reloj_prueba.h"

#include <QString>
#include <memory>

namespace norvela::pruebas {

struct ProgramaEntregado {
    // `nombre` names the test's own settings folder; `idioma` 0..3 is the
    // interface language of the run (a negative one leaves the command line
    // empty); `rutaPrograma` replaces the shipped folder's program folder;
    // with `conReloj` the screens' animations follow `reloj`, not the system's time;
    // `cajas` shows the program's messages instead of recording them in `m`.
    explicit ProgramaEntregado(const QString &nombre, int idioma = -1, const QString &rutaPrograma = {},
                               bool conReloj = false, Mensajes *cajas = nullptr);
    // Nothing may come back while the screens go.
    ~ProgramaEntregado() { e.ErrorFicheros = true; }
    ProgramaEntregado(const ProgramaEntregado &) = delete;
    ProgramaEntregado &operator=(const ProgramaEntregado &) = delete;

    PantallasCreadas &s() { return arranque->pantallas; }
    // What the main menu does once a door's zoom ends: opens the door's
    // screen (a Tform0::kPuerta... code) and hides itself.
    void AbrirPuerta(int codigo);

    MensajesRegistrados m;
    Enlace e;
    RelojPrueba reloj;
    std::unique_ptr<Arranque> arranque;
    // False when start-up stopped (a missing or broken data file).
    bool creadas = false;
};

} // namespace norvela::pruebas
