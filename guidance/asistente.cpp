#include "asistente.h"

namespace norvela {

TForm5::TForm5(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("TForm5"))
{
}

} // namespace norvela
