#include "profeU.h"

namespace norvela {

Tprofe::Tprofe(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("Tprofe"))
{
}

void Tprofe::BotCuestioClick()
{
    // The questionnaire has no questions yet: nothing to restart.
}

} // namespace norvela
