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
    // Every way back leaves the marks grid, and the map window with it.
    VentanaMapa.OcultarSiHay();
    PanelMenu2->hide();
    PanelMenu4->hide();
    if (estado.VistaMaster) {
        estado.VistaMaster = false;
        LabelMaster->hide();
        LabelMaster2->hide();
        PanelMenu->show();
        for (QWidget *w :
             std::initializer_list<QWidget *>{PanelSel, PanelSelTit, RichSalidas, BotRetroceder, BotImprimir})
            w->hide();
        return;
    }
    enlace.ModoImpresion = false;
    ListSel->setCursor(Qt::ForbiddenCursor);
    PanelSel->move(PanelSel->x(), estado.TopePanelSel);
    PanelSelTit->move(PanelSelTit->x(), estado.TopePanelSelTit);
    PanelCarSel->move(PanelCarSel->x(), estado.TopePanelCarSel);
    const auto visible = [](QWidget *w) { return !w->isHidden(); };
    const auto ocultar = [](QWidget *w) { w->hide(); };
    if (estado.ModoArtes) {
        estado.ModoArtes = false;
        estado.ArtesMusica = estado.ArtesDanza = estado.ArtesDramatico = estado.ArtesPlasticas = false;
        for (QWidget *w :
             std::initializer_list<QWidget *>{BotImprimirN, BotRetroceder, BotArtesTit, BotArtesEsp, BotArtesLug})
            w->hide();
        ocultar(ListComunidad);
        OcultarSeleccion();
        ListSel->setCursor(Qt::ArrowCursor);
    }
    if (estado.MenuGradosUsado) {
        if (visible(ListComunidad) && !estado.ModoGrados) {
            ListComunidad->hide();
            PanelEstrellas->show();
            return;
        }
        for (QWidget *w : std::initializer_list<QWidget *>{BotIntUni, BotImprimir, BotUni, BotReq, BotSal, BotDoblesCar,
                                                           BotPonde, BotCorte, BotImprimirN})
            w->hide();
        PanelMenu->show();
        for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, PanelCarSel, ListSel, GridNotas,
                                                           RichSalidas, BotRetroceder, PanelEstrellas})
            w->hide();
        ocultar(ListComunidad);
        ListSel->clear();
        estado.MenuGradosUsado = false;
        return;
    }
    if (enlace.VistaDobles && visible(ListComunidad) && !estado.ModoGrados) {
        ListComunidad->hide();
        PanelEstrellas->show();
        return;
    }
    ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, ListSel, GridNotas, BotIntUni})
        w->hide();
    PanelSelTit->clear();
    ListSel->clear();
    BotImprimir->hide();
    if (enlace.VistaDobles) {
        enlace.VistaDobles = false;
        PanelEstrellas->hide();
        ocultar(ListComunidad);
        PanelMenu->show();
        listSel2->hide();
        BotRetroceder->hide();
        return;
    }
    if (estado.ModoDeportes) {
        estado.ModoDeportes = false;
        PanelMenu->show();
        ocultar(ListComunidad);
        ListSel->clear();
        BotRetroceder->hide();
        return;
    }
    if (!PanelEstrellas->isHidden()) {
        PanelEstrellas->hide();
        BotRetroceder->hide();
        PanelMenu->show();
    }
    if (visible(ListComunidad)) {
        ListComunidad->hide();
        PanelEstrellas->show();
    }
    PanelMenu->show();
}

} // namespace norvela
