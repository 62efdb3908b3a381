// The places of the animated home screen: each door stops the scene, hides
// it and shows its screen; the main entrance hands over to the main menu.
#include "animacion.h"

#include "catU.h"
#include "certifiU.h"
#include "enlace.h"
#include "grados.h"
#include "inipro.h"
#include "medio.h"
#include "pantallas.h"
#include "superior.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace norvela {

void Tform9::DejarEscena()
{
    DXTimer.stop();
    hide();
}

void Tform9::LabelCarrerasClick()
{
    DejarEscena();
    pantallas.Form1->botinformacionClick();
    pantallas.Form1->Mostrar();
}

void Tform9::LabelCatClick()
{
    DejarEscena();
    pantallas.FormCat->Mostrar();
}

void Tform9::LabelFpSClick()
{
    DejarEscena();
    pantallas.Form8->LabelFP1->show();
    pantallas.Form8->PanelFP->show();
    pantallas.Form8->Mostrar();
}

void Tform9::LabelFPMClick()
{
    DejarEscena();
    // The screen plays its helicopter intro on its next appearance when
    // IntroHelicoptero is set, as it does from the main menu.
    if (enlace.IntroHelicoptero)
        enlace.CuestionarioGM = false;
    else
        pantallas.Form3->heli->stop();
    pantallas.Form3->Mostrar();
}

void Tform9::LabelFPipClick()
{
    DejarEscena();
    enlace.RutaPorTitulo = true;
    enlace.RutaPorLugar = false;
    enlace.ContadorAyuda = 0;
    TFIniPro &f = *pantallas.FIniPro;
    f.ListSelFp->show();
    f.BotLug->show();
    f.BotRetrocederFP->show();
    f.Mostrar();
}

void Tform9::LabelDejarClick()
{
    DejarEscena();
    enlace.ContadorAyuda = 0;
    pantallas.Certifica->Mostrar();
}

void Tform9::LabelEntradaClick()
{
    // While the student is in the main menu, the screens go back to it; its
    // back button brings the scene back and the animated mode with it.
    DejarEscena();
    enlace.AnimacionIniciada = true;
    enlace.ModoAnimado = false;
    if (pantallas.InicioMenu)
        pantallas.InicioMenu->Mostrar();
}

} // namespace norvela
