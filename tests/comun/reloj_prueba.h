// A clock the test moves: the screens' animations given it tick only when
// the test says how much time has passed, however busy the machine is.
#pragma once

#include "temporizador.h"

#include <map>

namespace norvela::pruebas {

class RelojPrueba : public Reloj {
public:
    void Arrancado(Temporizador &t) override;
    void Parado(Temporizador &t) override;

    // `ms` milliseconds pass: every tick due on the way comes, in the order
    // of its time (ticks due together in the order their timers started).
    void Avanzar(int ms);
    qint64 Ahora() const { return ahora_; }

private:
    struct Cita {
        qint64 cuando;
        quint64 orden;
    };
    std::map<Temporizador *, Cita> citas_;
    qint64 ahora_ = 0;
    quint64 orden_ = 0;
};

} // namespace norvela::pruebas
