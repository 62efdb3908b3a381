// The places of the animated home screen: each door stops the scene, hides
// it and shows its screen, prepared as the main menu's door prepares it;
// the main entrance hands over to the main menu.
#include "animacion.h"

#include "enlace.h"
#include "pantallas.h"

namespace norvela {

void Tform9::AbrirPuerta(int codigo)
{
    DXTimer.stop();
    hide();
    if (pantallas.AbrirPuerta)
        pantallas.AbrirPuerta(codigo);
}

void Tform9::LabelCarrerasClick()
{
    AbrirPuerta(puerta::Carreras);
}

void Tform9::LabelCatClick()
{
    AbrirPuerta(puerta::Cat);
}

void Tform9::LabelFpSClick()
{
    AbrirPuerta(puerta::FpS);
}

void Tform9::LabelFPMClick()
{
    AbrirPuerta(puerta::FPM);
}

void Tform9::LabelFPipClick()
{
    AbrirPuerta(puerta::FPip);
}

void Tform9::LabelDejarClick()
{
    AbrirPuerta(puerta::Dejar);
}

void Tform9::LabelEntradaClick()
{
    // While the student is in the main menu, the screens go back to it; its
    // back button brings the scene back and the animated mode with it.
    DXTimer.stop();
    hide();
    enlace.AnimacionIniciada = true;
    enlace.ModoAnimado = false;
    if (Pantalla *menu = pantallas.Por(Papel::MenuPrincipal))
        menu->Mostrar();
}

} // namespace norvela
