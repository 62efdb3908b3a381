// The university-degrees screen: its start panel with the map and the start
// menu, the degree browser (branches, grid, four trees), the selection panel
// with a degree's universities and cut-off marks. It also owns the
// transition effects with which every screen shows and hides its panels.
// Its handlers live in several files by concern: creation and captions
// (grados.cpp), layout (grados_disposicion.cpp), browser
// (grados_navegador.cpp), universities and marks (grados_notas.cpp),
// double degrees and the region-map window (grados_dobles.cpp),
// requirements, outlets and masters (grados_textos.cpp).
#pragma once

#include "animacion_grado.h"
#include "artes_grados.h"
#include "estado_grados.h"
#include "informes.h"
#include "navegador_grados.h"
#include "pantalla.h"
#include "ventana_mapa_regiones.h"

#include <QList>
#include <QPixmap>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace norvela {

class ConstruccionDiferida;
struct FilaRejillaDobles;
class TEffectsPanel;
class TForm6;
class TForm7;
class TransicionesPaneles;
class VistaMapa;
struct UniversidadesGrado;

class TForm1 : public Pantalla, public ImpresionConDialogo {
    Q_OBJECT
public:
    TForm1(Enlace &e, Pantallas &p);
    // Reads the degrees' files and tables into `e` and resets the flags this screen shares.
    static void PrepararDatos(Enlace &e);

    // Brings the start menu up before the screen is shown.
    void botinformacionClick();

    // Showing and hiding a control with a transition (TransitionList1's), in
    // two calls around the change: mode 0 hides the control and captures the
    // area, mode 1 shows it and animates the area from the capture (at once
    // when nothing was captured); other modes do nothing.
    void MostrarConRollo(QWidget *control, int modo);
    void MostrarConCirculo(QWidget *control, int modo);
    // Captures the control as it is shown, hides it and rolls the area up.
    void OcultarConRollo2(QWidget *control);
    // The program's panel effects, which every screen reaches through
    // Pantallas::Transiciones.
    TransicionesPaneles *Transiciones() const { return TransitionList1; }

    // The region-map window with its stars (connected at start-up).
    VentanaMapaRegiones VentanaMapa;
    // Connects the region-map window: its stars follow this screen's views
    // and its clicks act on GridNotas.
    void ConectarMapa(TForm7 &mapa);
    // What a click on the region map does here: the community becomes the
    // selected one; the marks grid scrolls so that `fila` is its top row; in
    // the double-degree view, the grid lists the community's double degrees.
    void ElegirComunidadMapa(int comunidad);
    void DesplazarNotas(int fila);
    void ListarDoblesComunidad(int comunidad);

    // What the screen remembers between events (the selected degree, its
    // views and modes), for a look from outside; only its handlers change it.
    const EstadoGrados &Estado() const;

protected:
    void changeEvent(QEvent *evento) override;
    void hideEvent(QHideEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // Every control bears its member's name as its object name: tests and
    // tools find it by that name.
    // The start panel and its menus, which the screen first shows; the
    // browser, the selection panel and the animation are built right after
    // its first paint (or sooner, by Completar).
    void ConstruirInicio();
    void ConstruirResto();
    void Completar() const;
    ConstruccionDiferida *resto_ = nullptr;
    // Places the sub-menus beside the menu and shows the start panel.
    void ColocarMenusEInicio();
    // The captions, tooltips and accessible names in the chosen language:
    // the start panel's and its menus', then the rest's.
    void PonerTextosInicio();
    void PonerTextos();
    // The screen's and the panels' colours: the start panel's and its
    // menus', then the rest's.
    void PonerColoresInicio();
    void PonerColores();
    // The grouping box's placeholder and choices, none chosen.
    void LlenarComboAgrupacion();
    // Hides the selection panel and empties its list.
    void OcultarSeleccion();

    // Start menu.
    void BotMenuGradosClick();
    // grados_retroceso.cpp: out of the screen from the start menu, and the
    // selection panel's way back (from the browser to the start menu).
    void BotMenuRetroClick();
    void BotRetrocederClick();

    // Browser.
    void ListramasClick(int item);
    void listgradosMouseUp(int fila);
    void ComboAgruChange(int item);
    void TreeClick();
    void TreeDblClick();
    void ButtonRetroNClick();

    // Universities and cut-off marks of the selected degree.
    void BotUniClick();
    void GridNotasDblClick(int fila);
    void BotCorteMouseUp();
    void BotPondeMouseUp();
    void AbrirPantallaCorte(bool ponderaciones);

    // Double degrees: the start menu's list by branch, and the selected
    // degree's double degrees by university.
    void BotMenuDoblesClick();
    void BotDoblesCarMouseUp();

    // Requirements, profile and outlets, masters.
    void BotReqClick();
    void BotSalClick();
    void BotMasterClick();
    // grados_menu.cpp: the start menu's sub-menus and information entries.
    void ButEstadisticasClick();
    void botinfo2Click();
    void botinfo3Click();
    void LabelMaster2MouseUp();

    EstadoGrados estado;

    // The program's panel effects (rollo, rollo2, circle, centro), which
    // every screen reaches through Pantallas::Transiciones.
    TransicionesPaneles *TransitionList1 = nullptr;

    // ImageList1 (small icons, also drawn by the FP screens) and ImageListRamas.
    QList<QPixmap> ImageList1;
    QList<QPixmap> ImageListRamas;

    // Frame and start panel.
    QWidget *Panelinicio = nullptr;
    QLabel *degradeini = nullptr;
    QLabel *TilArr = nullptr;
    QLabel *TilIzq = nullptr;
    QLabel *TilDer = nullptr;
    QWidget *PanelEstrellas = nullptr;
    VistaMapa *mapa = nullptr;
    // The hover label with the name of the community under the mouse.
    QLabel *PanelMapa = nullptr;
    QListWidget *ListComunidad = nullptr;

    // Start menu and its sub-menus.
    TEffectsPanel *PanelMenu = nullptr;
    QPushButton *BotMenuGrados = nullptr;
    QPushButton *BotMenuUni = nullptr;
    QPushButton *BotMenuDobles = nullptr;
    QPushButton *BotMenuInfo = nullptr;
    QPushButton *BotMenuArtes = nullptr;
    QPushButton *BotMenuDepor = nullptr;
    QPushButton *BotMenuRetro = nullptr;
    TEffectsPanel *PanelMenu2 = nullptr;
    QPushButton *BotMaster = nullptr;
    QPushButton *botinfo1 = nullptr;
    QPushButton *ButEstadisticas = nullptr;
    QPushButton *botinfo2 = nullptr;
    QPushButton *botinfo3 = nullptr;
    TEffectsPanel *PanelMenu4 = nullptr;
    QPushButton *BotArtesPlas = nullptr;
    QPushButton *BotMusica = nullptr;
    QPushButton *BotDanza = nullptr;
    QPushButton *BotDramatico = nullptr;

    // Browser.
    TEffectsPanel *PanelTree = nullptr;
    QComboBox *ComboAgru = nullptr;
    QPushButton *ButtonRetroN = nullptr;
    QLabel *LabelBusTit = nullptr;
    QLabel *LabelBusTit2 = nullptr;
    QLineEdit *EditBusTit = nullptr;
    QPushButton *BitBusTit = nullptr;
    QListWidget *Listramas = nullptr;
    QTableWidget *listgrados = nullptr;
    QTreeWidget *Tree = nullptr;

    // Selection panel.
    QLabel *PanelSelTit = nullptr;
    QLabel *PanelCarSel = nullptr;
    TEffectsPanel *PanelSel = nullptr;
    QTableWidget *GridNotas = nullptr;
    QListWidget *ListSel = nullptr;
    QTextEdit *RichSalidas = nullptr;
    QTextEdit *listSel2 = nullptr;
    QLabel *LabelMaster = nullptr;
    QLabel *LabelMaster2 = nullptr;
    QPushButton *BotUni = nullptr;
    QPushButton *BotReq = nullptr;
    QPushButton *BotSal = nullptr;
    QPushButton *BotDoblesCar = nullptr;
    QPushButton *BotPonde = nullptr;
    QPushButton *BotCorte = nullptr;
    QPushButton *BotImprimirN = nullptr;
    QPushButton *BotIntUni = nullptr;
    QPushButton *BotArtesTit = nullptr;
    QPushButton *BotArtesEsp = nullptr;
    QPushButton *BotArtesLug = nullptr;
    QPushButton *BotImprimir = nullptr;
    QPushButton *BotRetroceder = nullptr;

    // grados_animacion.cpp: the degree-structure animation over the screen
    // (opened by botinfo1), its diagram, covers, sentence and two timers.
    void botinfo1Click();
    void BotAvanzaClick();
    void BotAcabarGClick();
    void TimergradoTimer();
    void TimerfraseTimer();
    AnimacionGrado animacion;
    QWidget *PanelGradosT = nullptr;
    QLabel *ImageGrados = nullptr;
    QWidget *PanelGrado = nullptr;
    QWidget *PanelMueve1 = nullptr;
    QWidget *panelmueve2 = nullptr;
    QWidget *Panelmueve3 = nullptr;
    QWidget *Panelmueve4 = nullptr;
    QWidget *Panelmueve5 = nullptr;
    QWidget *Panelmueve6 = nullptr;
    QWidget *Panelmueve7 = nullptr;
    QLabel *LabelG0 = nullptr, *LabelG1 = nullptr, *LabelG2 = nullptr, *LabelG3 = nullptr, *LabelG4 = nullptr;
    QLabel *LabelG5 = nullptr, *LabelG6 = nullptr, *LabelG7 = nullptr, *LabelG8 = nullptr, *LabelG9 = nullptr;
    QLabel *LabelG10 = nullptr, *LabelG11 = nullptr, *LabelG12 = nullptr, *LabelGT = nullptr;
    QLabel *LabelGTexto = nullptr;
    QWidget *MarcoFrase = nullptr; // clips LabelGTexto to the revealed width
    QPushButton *BotAvanza = nullptr;
    QPushButton *BotAcabarG = nullptr;
    QTimer *Timergrado = nullptr;
    QTimer *Timerfrase = nullptr;

    void ConectarAnimacion();
    void DisponerAnimacion();
    void PonerTextosAnimacion();
    // Copies the animation's step onto the covers, sentence, arrow and timers.
    void AplicarAnimacion();
    // Text a, or a + " " + b when b is not 0, cut to `corte` characters.
    QString TextoAnimacion(int a, int b, int corte) const;
    std::array<QWidget *, AnimacionGrado::kCubiertas> CubiertasGrado() const;

    // grados_disposicion.cpp: every control at its place.
    void DisponerInicio();
    void DisponerMenu();
    void DisponerNavegador();
    void DisponerSeleccion();
    void Conectar();
    void ConectarMenu();
    // Opens or closes the sub-menus for the control the mouse entered;
    // false when the control is not one of the menu's.
    bool MenuAlPasar(QObject *objeto);
    // Fonts and colours by kind of control: the captions and buttons under
    // `raiz`, then every control of the screen.
    void EstilarControles(QWidget *raiz);
    void Reestilar();

    // grados_navegador.cpp
    void LlenarRejilla(const std::vector<FilaNavegador> &filas);
    void LlenarArbol(const std::vector<NodoArbol> &nodos);
    void MostrarVistaNavegador(VistaNavegador vista);
    // The common end of a selection from the grid or the tree.
    void SeleccionarGrado();
    void MostrarBotonesSeleccion();

    // grados_notas.cpp
    void MostrarNotas(const UniversidadesGrado &u);
    void MarcarComunidadesGrado(const UniversidadesGrado &u);

    // grados_dobles.cpp: GridNotas takes the rows of a double-degree view.
    void MostrarFilasDobles(const std::vector<FilaRejillaDobles> &filas);

    // grados_retroceso.cpp: the back button's steps, in the order they are
    // tried; each undoes one state and says whether the way back ends there.
    using PasoRetroceso = bool (TForm1::*)();
    bool RetrocederDeMaster();
    bool RetrocederPaneles();             // always goes on
    bool RetrocederDeArtes();             // goes on to the menu's steps
    bool RetrocederDeMenuGrados();
    bool RetrocederDeComunidadesDobles();
    bool RetrocederSeleccion();           // always goes on
    bool RetrocederDeDobles();
    bool RetrocederDeDeportes();
    bool RetrocederAlMenu();              // always ends

    // grados_textos.cpp
    // The trimmed name of degree g (record 0 outside the table).
    QString NombreGrado(int g) const;

    // grados_busqueda.cpp: the title search over the browser's grid;
    // grados_informe.cpp: the selected degree's printed report.
    void BitBusTitClick();
    void BotImprimirNClick();
    void ImprimirListaArtes();

    // grados_artes.cpp: the artistic families and the sports and other studies.
    void BotArtesPlasClick();
    void BotMusicaClick();
    void BotDanzaClick();
    void BotDramaticoClick();
    void BotArtesTitClick();
    void BotArtesEspClick();
    void BotArtesLugClick();
    void BotMenuDeporClick();
    // grados_comunidad.cpp: universities by region on the start panel's map
    // and the community list's rows.
    void BotMenuUniClick();
    void mapaMouseMove(int x, int y);
    void mapaClick();
    void BotIntUniMouseUp();
    void ListComunidadClick();
    // grados_seleccion.cpp: the selection list's reports.
    void BotImprimirClick();

    void ConectarBusqueda();
    void ConectarInforme();
    void ConectarArtes();
    void ConectarComunidad();
    void AbrirFamiliaArtes(FamiliaArtes f, int texto);
    void MostrarTitulosArtes();
    void ListarCentrosArtes(int comunidad);
    void ListarCentrosEspecialidad(int fila);
    void MostrarGradosUniversidad(int fila);
    void MostrarDoblesDelGrado(int fila);
    void FilaOtrosClick(int fila);
    // Fills ListSel inside the roll of the selection panel.
    void LlenarListaSel(const QStringList &lineas, bool rollo);
    QString NombreComunidadSel() const;
};

} // namespace norvela
