// The place route the three FP screens share: the map of Spain and the
// detail maps with their hover caption, the province, district, zone and
// locality lists, the centre grid with its double click, the centres of a
// community that teach the chosen title, and the back steps of the route.
// A screen owns one, built for its level, and hands it its own widgets;
// what differs between the screens is the level's (see NivelFPDatos) or the
// screen's own, reached through the hooks below.
#pragma once

#include "centros_fp.h"
#include "informe_fp.h"
#include "lugares_fp.h"
#include "nivel_fp.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QWidget;

namespace norvela {

class Enlace;
class VistaMapa;

// The widgets of a screen the route works on. Those a screen does not have
// (the basic screen has no detail maps, no all-levels or web button) stay null.
struct ControlesRutaFP {
    VistaMapa *mapa = nullptr;
    VistaMapa *mapac = nullptr;          // Catalonia's districts
    VistaMapa *mapam = nullptr;          // Madrid's zones
    QWidget *PanelEstrellas = nullptr;  // what shows the map of Spain
    QLabel *PanelMapa = nullptr;      // the maps' hover caption
    QListWidget *ListSelLugFP = nullptr;
    QListWidget *listBarcelona = nullptr;
    QPushButton *BotCerrar = nullptr;
    QPushButton *BotInternetC = nullptr;
    QPushButton *botTodaFP = nullptr;
    QPushButton *BotImprimir = nullptr;
    QTableWidget *reja = nullptr;
    QLabel *PanelSelTit = nullptr;
    QLabel *PanelCarSel = nullptr;
    QWidget *listSelFP = nullptr;     // the views' list, hidden while the grid shows
};

// Where the route stands, beyond the place chosen.
struct EstadoRutaFP {
    // The screen is on its place route (a community click lists provinces),
    // else on a chosen title's map (it lists the centres teaching the title).
    // Set and cleared by the screen that owns the route.
    bool RutaPorLugar = false;
    // The basic and intermediate screens are on their by-title path (a
    // title's families and titles, then its map); set and cleared with
    // RutaPorLugar by the screen that owns the route. The basic screen's
    // back button reads it.
    bool RutaPorTitulo = false;
    // The place list shows the localities of a province (else provinces).
    bool LocalidadesListadas = false;
    bool TodaFP = false;               // the lists show the three levels
    bool RelistarLocalidades = false;  // the next search lists the localities again
    bool CentrosEnRejilla = false;     // the grid's double click opens a title
    // The province of a community that has only one (saltarProvinciaUnica).
    std::string NombreProvinciaUnica;
    // The localities of the last province searched.
    std::vector<Localidad> localidades;
};

class RutaLugaresFP : public QObject {
    Q_OBJECT
public:
    RutaLugaresFP(Enlace &e, NivelFPDatos nivel, const ControlesRutaFP &controles, QWidget *pantalla);

    // --- What the screen decides ---
    // The chosen title, whose centres a community click lists on the title route.
    std::function<int()> TituloElegido;
    // A community clicked on the map: true when the screen's print selection
    // is open and took it (nothing else happens then). Unset: never.
    std::function<bool(int comunidad)> AnadirSeleccion;
    // A community clicked on the title route, before its centres are listed.
    std::function<void(int comunidad)> ComunidadElegida;
    // The title route found no centre in the community (the grid shows the
    // no-result row).
    std::function<void()> SinCentros;
    // The title route listed these centres of the chosen community.
    std::function<void(const std::vector<FilaRejilla> &filas)> CentrosListados;
    // A title row of the grid was double clicked (ElementoElegido holds it):
    // the screen opens that title.
    std::function<void(int titulo)> AbrirTitulo;
    // Runs a change of the lists inside the screen's roll (false) or circle
    // (true) transition. Unset: the change alone.
    std::function<void(bool circulo, const std::function<void()> &cambio)> Transicion;

    const NivelFPDatos &Nivel() const { return nivel_; }
    EstadoRutaFP estado;
    // The community, province, locality, district or zone chosen on this
    // screen; its printing reads it here.
    LugarElegidoFP lugar;

    // Wires the maps, lists, buttons and grid of the controls to the handlers.
    void Conectar();

    // --- Maps ---
    void mapaMouseMove(int x, int y);
    void mapacMouseMove(int x, int y);
    void mapamMouseMove(int x, int y);
    // The mouse left the maps: the hover caption goes.
    void OcultarPista();
    void mapaClick();
    void mapacClick();
    void listBarcelonaClick(int i);
    void BotCerrarClick();
    void mapamClick();

    // --- Lists and grid ---
    // Row i (0-based, -1 none) of the province or locality list.
    void ListSelLugFPClick(int i);
    void LlenarProvinciasSel();
    // The localities of a province, or the centres of the province, locality,
    // district or zone; with `imprimir` the rows also go to the report buffer
    // after the level's line counter.
    void ListarCentrosProvincia(bool imprimir, char provincia, const GrupoCentros &g);
    // The centres of the chosen community that teach the chosen title.
    void ListarCentrosTitulo(const GrupoCentros &g);
    void rejaDblClick(int fila);
    void botTodaFPMouseUp();
    void BotInternetCMouseUp();

    // --- Back steps ---
    // From the localities back to the province list; false when the route
    // was not there (or, for a one-province community, the screen goes on).
    bool VolverAProvincias();
    // From a list or the grid back to the map of Spain.
    void VolverAlMapa();

    // --- Printing ---
    // The centre list on the grid as a report: the search run again in print
    // mode from an empty buffer. Nothing while no province, locality,
    // district or zone has been chosen.
    std::optional<InformeFP> InformeDeLista();

private:
    QString T(int k) const;
    void ConTransicion(bool circulo, const std::function<void()> &cambio);
    // The centres of the chosen district or zone; none when the choice is
    // not one of the table's.
    std::optional<std::vector<int>> CentrosDeComarcaOZona() const;
    // The localities of the searched province fill the list.
    void ListarLocalidades(char provincia);
    // The first centre of the chosen locality (in print mode the first
    // locality when none is chosen); 0 when none.
    int PrimerCentroDeLocalidad(bool imprimir);
    // The captions over the centre grid; the views' list goes.
    void MostrarRotulosCentros(bool hayCentros);
    // The rows go to the report buffer after the level's line counter, while
    // it has room; returns the buffer so far followed by the new rows.
    std::vector<FilaRejilla> AnadirAlInforme(const std::vector<FilaRejilla> &nuevas);
    // The grid shows the rows, scrolled to filaSuperior.
    void MostrarRejilla(const std::vector<FilaRejilla> &filas, int filaSuperior);

    Enlace &e_;
    NivelFPDatos nivel_;
    ControlesRutaFP c_;
};

} // namespace norvela
