// The assistant that guides the student through the other screens.
#pragma once

#include "pantalla.h"

#include <functional>

namespace norvela {

class TForm5 : public Pantalla {
    Q_OBJECT
public:
    TForm5(Enlace &e, Pantallas &p);

    // How the basic-cycle screen opens on its groups; start-up sets it once
    // that screen exists.
    std::function<void()> AbrirFPBasica;

    // Leaves the assistant for the basic-cycle screen.
    void BGarantiaClick();
    // "Quiero dejar de estudiar": the professional certificates.
    void BDejarClick();
};

} // namespace norvela
