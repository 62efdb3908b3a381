// The degrees screen's ways back: from the start menu out of the screen,
// and the selection panel's back button through the browser, the views and
// the list modes to the start menu.
#include "grados.h"

#include "enlace.h"
#include "panel_efectos.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace norvela {

void TForm1::BotMenuRetroClick()
{
    PanelMenu->hide();
    Salir(enlace.GradosDesdeAsistente);
}

void TForm1::BotRetrocederClick()
{
    // The way back, in order: each step undoes its state when the screen is
    // in it; the first that ends the way back stops it.
    static constexpr PasoRetroceso kPasos[] = {
        &TForm1::RetrocederDeMaster,       &TForm1::RetrocederPaneles,  &TForm1::RetrocederDeArtes,
        &TForm1::RetrocederDeMenuGrados,   &TForm1::RetrocederDeComunidadesDobles,
        &TForm1::RetrocederSeleccion,      &TForm1::RetrocederDeDobles, &TForm1::RetrocederDeDeportes,
        &TForm1::RetrocederAlMenu,
    };
    // Every way back leaves the marks grid, and the map window with it.
    VentanaMapa.OcultarSiHay();
    PanelMenu2->hide();
    PanelMenu4->hide();
    for (PasoRetroceso paso : kPasos)
        if ((this->*paso)())
            return;
}

bool TForm1::RetrocederDeMaster()
{
    if (!estado.VistaMaster)
        return false;
    estado.VistaMaster = false;
    LabelMaster->hide();
    LabelMaster2->hide();
    PanelMenu->show();
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, RichSalidas, BotRetroceder, BotImprimir})
        w->hide();
    return true;
}

bool TForm1::RetrocederPaneles()
{
    estado.ModoImpresion = false;
    ListSel->setCursor(Qt::ForbiddenCursor);
    PanelSel->move(PanelSel->x(), estado.TopePanelSel);
    PanelSelTit->move(PanelSelTit->x(), estado.TopePanelSelTit);
    PanelCarSel->move(PanelCarSel->x(), estado.TopePanelCarSel);
    return false;
}

bool TForm1::RetrocederDeArtes()
{
    if (!estado.ModoArtes)
        return false;
    estado.ModoArtes = false;
    estado.ArtesMusica = estado.ArtesDanza = estado.ArtesDramatico = estado.ArtesPlasticas = false;
    for (QWidget *w :
         std::initializer_list<QWidget *>{BotImprimirN, BotRetroceder, BotArtesTit, BotArtesEsp, BotArtesLug})
        w->hide();
    ListComunidad->hide();
    OcultarSeleccion();
    ListSel->setCursor(Qt::ArrowCursor);
    // The way back goes on from the start menu's state.
    return false;
}

bool TForm1::RetrocederDeMenuGrados()
{
    if (!estado.MenuGradosUsado)
        return false;
    if (!ListComunidad->isHidden() && !estado.ModoGrados) {
        ListComunidad->hide();
        PanelEstrellas->show();
        return true;
    }
    for (QWidget *w : std::initializer_list<QWidget *>{BotIntUni, BotImprimir, BotUni, BotReq, BotSal, BotDoblesCar,
                                                       BotPonde, BotCorte, BotImprimirN})
        w->hide();
    PanelMenu->show();
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, PanelCarSel, ListSel, GridNotas,
                                                       RichSalidas, BotRetroceder, PanelEstrellas})
        w->hide();
    ListComunidad->hide();
    ListSel->clear();
    estado.MenuGradosUsado = false;
    return true;
}

bool TForm1::RetrocederDeComunidadesDobles()
{
    if (!enlace.VistaDobles || ListComunidad->isHidden() || estado.ModoGrados)
        return false;
    ListComunidad->hide();
    PanelEstrellas->show();
    return true;
}

bool TForm1::RetrocederSeleccion()
{
    ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, ListSel, GridNotas, BotIntUni})
        w->hide();
    PanelSelTit->clear();
    ListSel->clear();
    BotImprimir->hide();
    return false;
}

bool TForm1::RetrocederDeDobles()
{
    if (!enlace.VistaDobles)
        return false;
    enlace.VistaDobles = false;
    PanelEstrellas->hide();
    ListComunidad->hide();
    PanelMenu->show();
    listSel2->hide();
    BotRetroceder->hide();
    return true;
}

bool TForm1::RetrocederDeDeportes()
{
    if (!estado.ModoDeportes)
        return false;
    estado.ModoDeportes = false;
    PanelMenu->show();
    ListComunidad->hide();
    ListSel->clear();
    BotRetroceder->hide();
    return true;
}

bool TForm1::RetrocederAlMenu()
{
    if (!PanelEstrellas->isHidden()) {
        PanelEstrellas->hide();
        BotRetroceder->hide();
        PanelMenu->show();
    }
    if (!ListComunidad->isHidden()) {
        ListComunidad->hide();
        PanelEstrellas->show();
    }
    PanelMenu->show();
    return true;
}

} // namespace norvela
