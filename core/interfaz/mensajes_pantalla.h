// The program's own message boxes.
#pragma once

#include "mensajes.h"

namespace norvela {

class MensajesPantalla : public Mensajes {
public:
    void Aviso(const QString &texto) override;
    bool Pregunta(const QString &texto) override;
};

} // namespace norvela
