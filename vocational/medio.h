// The intermediate-cycle screen: titles by family group and family, each
// with its requirements, jobs, subjects and the map of where it is taught;
// and centres by place (community, province, district or zone, locality).
#pragma once

#include "centros_fp.h"
#include "cuestionario_gm.h"
#include "estado_medio.h"
#include "intro_helicoptero.h"
#include "pantalla_fp.h"

#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAbstractItemDelegate;

namespace norvela {

class TEffectsPanel;

class TForm3 : public PantallaFP {
    Q_OBJECT
public:
    TForm3(Enlace &e, Pantallas &p);
    // The number of family groups the FP screens list.
    static void PrepararDatos(Enlace &e);

    const EstadoMedio &Propio() const { return propio; }
    // Shows the itinerary screen, where the questionnaire goes back to.
    std::function<void()> MostrarItinerarios;
    // Opens the screen with the helicopter intro's timer running, as the
    // assistant does.
    void MostrarConHelicoptero();
    // Grounds the helicopter: the screen opens on its menu.
    void PararHelicoptero();
    // The helicopter intro as it stands.
    IntroHelicoptero &Intro() { return intro; }
    // A tick of the help line's slide.
    void TimerAyuTimer();

protected:
    // The screen is entered when whoever opens it shows it: not on every
    // activation, so a dialog that closes over an open route leaves it be.
    void showEvent(QShowEvent *evento) override;
    // A hidden screen stops its map stars and blink: the star phases are shared.
    void hideEvent(QHideEvent *evento) override;

private:
    // Heading and menu.
    QLabel *LabelAno = nullptr;
    QPushButton *botTit2 = nullptr, *botLug2 = nullptr, *botSalir = nullptr;

    // The lists, the grid and their captions, in the effects panel.
    TEffectsPanel *PanelSelec = nullptr;
    QListWidget *ListTit = nullptr;
    QPushButton *BotTodoFP = nullptr;

    // The title's views.
    QPushButton *BotRequisitos = nullptr, *BotPuesto = nullptr, *botAsig = nullptr;

    // The frame's background, which hides the maps' hover caption.
    EtiquetaActiva *degradeMapa2 = nullptr;
    // The helicopter intro, enabled by whoever opens the screen with it.
    QTimer *heli = nullptr;
    // The pilot's walk after each flight, and where the intro stands.
    QTimer piloto;
    IntroHelicoptero intro;
    // The layer the pilot and the balloon are drawn on.
    QWidget *CapaHeli = nullptr;

    // The questionnaire: options, then matching statements (same place),
    // then titles; the mini title list beside an open title; its arrows,
    // leaving and printing; the sliding help line.
    QListWidget *ListGM = nullptr, *ListGM2 = nullptr, *ListPeque = nullptr;
    QLabel *LabelPeque = nullptr, *LabAyuGM = nullptr;
    // The small helicopter that tows LabAyuGM in.
    QLabel *HeliPeque = nullptr;
    QPushButton *BitFleGMde = nullptr, *BitFleGMiz = nullptr, *BotSalirCues = nullptr, *BotImprimirCuesGM = nullptr;
    QTimer TimerAyu, TimerReduce;
    LineaAyuda ayudaGM;
    InformeCuestionarioGM informeCuesGM;

    EstadoMedio propio;

    // Menu.
    void botTit2Click();
    void botLug2Click();
    void botSalirClick();

    // Helicopter intro: a flight tick, a step of the pilot's walk, and
    // cutting it short.
    void heliTimer();
    void pilotoTimer();
    void CortarIntro();
    // The balloon goes, with the pilot beside it.
    void OcultarBocadillo();

    // Title route.
    void ListTitClick(int fila);
    void BotRequisitosClick();
    void BotPuestoClick();
    void botAsigClick();

    // Place route: the map's community click and the lists are the route's.
    void mapaClick();
    void BotAceptarClick();

    void BotRetrocederFPClick();
    void BotImprimirClick();

    // Questionnaire.
    // The forward arrow: from the options to the matching lines, or from
    // the lines to their titles.
    void BitFleGMdeClick();
    void BitFleGMizClick();
    void ListGMClick(int fila);
    void ListPequeClick(int fila);
    void TimerReduceTimer();
    void BotSalirCuesClick();
    // Asks the student's name and prints the questionnaire's report.
    void BotImprimirCuesGMClick();

    QAbstractItemDelegate *dibujoOpcionesGM_ = nullptr, *dibujoTitulosGM_ = nullptr;

    // The frame, the heading and year, the menu and the helicopter intro
    // first; the lists, maps, views and questionnaire after.
    bool ConstruirPrimero() override;
    void Completado() override;
    void Construir() override;
    void Estilo() override;
    void Captions() override;
    void Conectar() override;

    // The questionnaire's two forward steps: the options chosen list the
    // lines that match them (or, for the last option, leave for the place
    // route); the lines chosen list their titles.
    void ListarLineasCuestionarioGM();
    void SalirARutaLugaresGM();
    void ListarTitulosCuestionarioGM();

    // Entry: the menu at once, or the helicopter flying it in; the
    // questionnaire entry when the itinerary screen asked for it.
    void Entrar();
    void EmpezarIntroHelicoptero();
    void ConstruirIntro();
    // Places the menu buttons and redraws the pilot and the balloon as the intro says.
    void AplicarIntro();
    void EntrarCuestionario();
    void ConstruirCuestionario();
    // ListGM shows the options (icon of each, text beside it) or the titles
    // (the small list icon).
    void DibujoListGM(bool titulos);
    void LlenarOpcionesGM();
    // Every control of the questionnaire hidden, its state back to the start.
    void OcultarCuestionario();
    // A new help text: the first one enters from the right edge with the
    // helicopter waiting there; a later one from beyond the edge, fetched by
    // the helicopter from where it stopped.
    void AyudaGM(const QString &texto, bool primera);
    // Places the help line and the small helicopter where their state says.
    void AplicarAyuda();
    void AbrirTituloCuestionario(int titulo);
    // The centres of the open title in the community clicked, into the report.
    void CentrosCuestionario(const std::vector<FilaRejilla> &filas);
    void MostrarMenu();
    void OcultarMenu();

    // Title route.
    // Shows `lineas` in listSelFP inside the panel's circle transition.
    void MostrarVista(const std::vector<std::string> &lineas, int primeraFilaEncabezado, const QString &titulo);
    void VolverDeRutaPorTitulo();

    // Place route.
    void ConstruirLugares();
    void ConectarLugares();
    // A title row of the centre grid was double clicked: that title's view.
    void AbrirTituloDeRejilla(int titulo);
    // The map of the place route as it opens: the empty grid under its
    // caption beside it, and the back button.
    void MostrarMapaDeRuta();
    void VolverDeRutaPorLugar();
    void CerrarRutaPorLugar();

    // Printing.
    void ImprimirTitulo();
    void ImprimirLista();
    void PedirComunidades();
    void ImprimirInforme();
};

} // namespace norvela
