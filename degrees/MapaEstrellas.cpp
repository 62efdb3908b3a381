#include "MapaEstrellas.h"

namespace norvela {

TForm7::TForm7(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm7"))
{
    PonerCierre(CierreVentana::SoloOcultar);
}

} // namespace norvela
