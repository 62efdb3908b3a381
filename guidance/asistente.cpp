#include "asistente.h"

#include "pantallas.h"

namespace norvela {

TForm5::TForm5(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm5"))
{
}

void TForm5::BGarantiaClick()
{
    if (!AbrirFPBasica)
        return;
    hide();
    AbrirFPBasica();
}

void TForm5::BDejarClick()
{
    hide();
    if (pantallas.Certificados)
        pantallas.Certificados->Mostrar();
}

} // namespace norvela
