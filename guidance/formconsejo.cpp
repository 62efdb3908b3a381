#include "formconsejo.h"

namespace norvela {

TFormCon::TFormCon(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFormCon"))
{
}

} // namespace norvela
