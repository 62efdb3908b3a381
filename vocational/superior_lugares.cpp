// The place route on the higher-cycle screen: the shared FP route on this
// screen's maps, lists and grid, entered from the start panel.
#include "superior.h"

#include "controles_fp.h"
#include "enlace.h"
#include "nivel_fp.h"
#include "panel_efectos.h"
#include "ruta_lugares_fp.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

// The family list's height while it shows a group's families.
constexpr int kAltoFamilias = 202;

} // namespace

void TForm8::CrearRuta()
{
    ControlesRutaFP c = ControlesRuta();
    c.BotInternetC = BotInternetC;
    c.botTodaFP = botTodaFP;
    CrearRutaFP(NivelSuperior(enlace), c, PanelSel);
    PonerListaTitulos(ListTitFP, kAltoFamilias, [this](int fila) { ListTitFPClick(fila); });
    Ruta->AnadirSeleccion = [this](int comunidad) { return AnadirComunidadSeleccion(comunidad); };
    Ruta->AbrirTitulo = [this](int titulo) { AbrirTituloDeRejilla(titulo); };
}

void TForm8::MenuFP2Click()
{
    enlace.FPSuperiorActivo = true;
    Ruta->estado.RutaPorLugar = true;
    TerminarSeleccionImpresion();
    Ocultar({ListPreFam, listSelFP, PanelFpTit, PanelFP});
    PanelSelTit->clear();
    PanelSelTit->show();
    PanelSel->show();
    PanelEstrellas->show();
    BotRetrocederFP->show();
    reja->setCursor(Qt::PointingHandCursor);
    Ruta->estado.CentrosEnRejilla = true;
}

void TForm8::AbrirTituloDeRejilla(int titulo)
{
    // The title list's click opens the title in ElementoElegido.
    enlace.ElementoElegido = titulo;
    estado.TituloDesdeRejilla = true;
    Ocultar({BotRetrocederFP, PanelFP});
    PanelSel->show();
    PanelSelTit->show();
    listSelFP->show();
    enlace.FPSuperiorActivo = true;
    TerminarSeleccionImpresion();
    Ruta->estado.RutaPorLugar = false;
    ListTitFPClick(-1);
    estado.TituloDesdeRejilla = false;
}

} // namespace norvela
