// The program's own message boxes.
#pragma once

#include "mensajes.h"

namespace norvela {

class MensajesPantalla : public Mensajes {
public:
    // One OK box; its button speaks the run's language.
    void Aviso(const QString &texto) override;
    bool Pregunta(const QString &texto) override;

    // Captions of the question's buttons, in the interface language (until
    // they are set, Qt's own).
    void PonerBotones(const QString &si, const QString &no);

private:
    QString si_, no_;
};

} // namespace norvela
