#include "reloj_prueba.h"

#include <algorithm>

namespace norvela::pruebas {

void RelojPrueba::Arrancado(Temporizador &t)
{
    citas_[&t] = {ahora_ + std::max(1, t.interval()), ++orden_};
}

void RelojPrueba::Parado(Temporizador &t)
{
    citas_.erase(&t);
}

void RelojPrueba::Avanzar(int ms)
{
    const qint64 fin = ahora_ + ms;
    for (;;) {
        const auto siguiente = std::min_element(citas_.begin(), citas_.end(), [](const auto &a, const auto &b) {
            return a.second.cuando != b.second.cuando ? a.second.cuando < b.second.cuando
                                                      : a.second.orden < b.second.orden;
        });
        if (siguiente == citas_.end() || siguiente->second.cuando > fin)
            break;
        Temporizador *t = siguiente->first;
        ahora_ = siguiente->second.cuando;
        // The next tick is due an interval on, unless the tick stops or restarts it.
        siguiente->second = {ahora_ + std::max(1, t->interval()), ++orden_};
        t->Tic();
    }
    ahora_ = fin;
}

} // namespace norvela::pruebas
