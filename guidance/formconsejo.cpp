#include "formconsejo.h"

namespace norvela {

TFormCon::TFormCon(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TFormCon"))
{
}

} // namespace norvela
