// The assistant that guides the student through the other screens.
#pragma once

#include "pantalla.h"

namespace norvela {

class TForm5 : public Pantalla {
    Q_OBJECT
public:
    TForm5(Enlace &e, Pantallas &p);

    // "Quiero dejar de estudiar": the professional certificates.
    void BDejarClick();
};

} // namespace norvela
