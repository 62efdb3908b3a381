// The higher-cycle screen: titles by family group and family, with where
// each is taught, its requirements, subjects and access; and centres by
// place (community, province, district or zone, locality).
#pragma once

#include "centros_fp.h"
#include "informe_fp.h"
#include "pantalla_fp.h"

#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace norvela {

class TEffectsPanel;
class TEstadisticas;

// What MostrarInfoTitulo shows of the chosen title: the map where it is
// taught (only the title menu goes), or one of its three views.
enum class InfoTitulo { Donde = 1, Requisitos = 2, Asignaturas = 3, Acceso = 4 };

class TForm8 : public PantallaFP {
    Q_OBJECT
public:
    TForm8(Enlace &e, Pantallas &p);
    // Province codes, the Catalan districts and Madrid zones with their centres' codes; the shared map left free.
    static void PrepararDatos(Enlace &e);

    // Opens the screen on its start panel, with the heading when `cabecera`.
    void MostrarInicio(bool cabecera);

protected:
    // A hidden screen stops its blink too.
    void hideEvent(QHideEvent *evento) override;

private:
    // The start panel and its menu; the lists, grid and their buttons.
    QWidget *PanelFP = nullptr;
    TEffectsPanel *PanelSel = nullptr;
    QPushButton *MenuFP1 = nullptr, *MenuFP2 = nullptr, *menuFP3 = nullptr, *botTodaFP = nullptr,
                *BotInternetC = nullptr;
    QListWidget *ListTitFP = nullptr;

    // Title menu and statistics.
    QWidget *PanelFpTit = nullptr;
    QPushButton *MenuFpTit1 = nullptr, *MenuFpTit2 = nullptr, *MenuFpTit3 = nullptr, *MenuFpTit4 = nullptr,
                *MenuFpTit5 = nullptr, *MenuFpTit6 = nullptr, *MenuFPTitEst = nullptr;
    QWidget *PanelEstadistica = nullptr;
    QPushButton *ButtonEstad1 = nullptr, *ButtonEstad2 = nullptr, *ButtonEstad3 = nullptr;

    // The widgets of the community selection (see Seleccion).
    QWidget *PanelImp = nullptr;
    QLabel *LabelSelCom1 = nullptr, *LabelSelCom2 = nullptr;
    QListWidget *ListImp = nullptr;
    QPushButton *BotAceptar = nullptr;

    // The frame's background, which hides the maps' hover caption.
    EtiquetaActiva *degradeini = nullptr;

    // Title route.
    void MenuFP1Click();
    // A press on the family list closes the start panel; the family list
    // keeps its families' height (the titles go below it).
    void FamiliasPulsadas() override;
    // Back to the groups: the start panel shows again beside them.
    void VolverAGrupos() override;
    void ListTitFPClick(int fila);
    void MenuFpTit1Click();
    // One of the title's three views, its menu option marked.
    void AbrirVista(QPushButton *boton, InfoTitulo info);
    // Prints everything about the title.
    void MenuFpTit5Click();
    void MenuFpTit6Click();
    void MenuFPTitEstClick();
    void MarcarOpcion(QPushButton *boton);
    void MostrarInfoTitulo(bool imprimir, InfoTitulo info);

    // Place route (the maps, lists and grid are the route's, see Ruta).
    void MenuFP2Click();
    // Prints the centre list.
    void BotImprimirClick();
    void ListImpClick(int i);
    void BotAceptarClick();
    // Back or a new route ends a community selection: nothing picked, panel gone.
    void TerminarSeleccionImpresion();

    void BotRetrocederFPClick();
    void menuFP3Click();

    // superior_construccion.cpp: the widgets, area by area; the frame, the
    // heading and the start panel first.
    bool ConstruirPrimero() override;
    void Completado() override;
    void Construir() override;
    void ConstruirInicio();
    void ConstruirListas();
    void ConstruirMenuTitulo();
    void ConstruirMapas();
    void ConstruirSeleccion();
    // The maps' hover caption, over everything.
    void ConstruirPista();
    void Estilo() override;
    void Conectar() override;
    void Captions() override;
    // The place route on this screen's widgets, with its hooks.
    void CrearRuta() override;
    // A title row of the centre grid opens that title.
    void AbrirTituloDeRejilla(int titulo);
    int FamiliaDelTitulo() const;
    // The statistics screen with the chart `grafico` draws on it.
    void MostrarEstadisticas(const std::function<void(TEstadisticas &)> &grafico);
    // The lines of a view of the chosen title (none for Donde).
    std::vector<std::string> LineasVista(InfoTitulo vista) const;
    bool AnadirComunidadSeleccion(int c);
    void PedirComunidades();
    // The sheet in listSelFP, as it will print: Courier New, bold lines bold.
    void MostrarVistaPrevia(const InformeFP &informe);
    // The report buffer through the print dialog, in three columns in Courier.
    void ImprimirInformeFP();
};

} // namespace norvela
