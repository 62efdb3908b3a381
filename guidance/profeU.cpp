#include "profeU.h"

namespace norvela {

Tprofe::Tprofe(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("Tprofe"))
{
}

void Tprofe::BotCuestioClick()
{
    // The questionnaire has no questions yet: nothing to restart.
}

} // namespace norvela
