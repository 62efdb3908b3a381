#include "asistente.h"

namespace norvela {

TForm5::TForm5(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm5"))
{
}

} // namespace norvela
