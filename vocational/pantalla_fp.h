// What the three FP screens (higher, intermediate and basic cycles) have
// alike: the window frame; the captions, family list and centre grid; the
// map of Spain with its hover caption, stars and place list, worked by the
// shared place route; the title blink; back and print; printing through
// the print dialog. Each screen builds these widgets where its layout puts
// them and adds its own.
#pragma once

#include "estado_fp.h"
#include "informes.h"
#include "pantalla.h"

#include <QPushButton>
#include <QRect>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace norvela {

class ConstruccionDiferida;
class EtiquetaActiva;
class EtiquetaSombreada;
class Parpadeo;
class TEffectsPanel;
class SeleccionImpresionFP;
class RutaLugaresFP;
class VistaMapa;
struct ControlesRutaFP;
struct EstadoRutaFP;
struct LugarElegidoFP;
struct SeleccionComunidadesFP;
struct InformeFP;
struct VistasTitulo;
struct NivelFPDatos;

class PantallaFP : public Pantalla, public ImpresionConDialogo {
    Q_OBJECT
public:
    const EstadoPantallaFP &Estado() const { return estado; }
    // The tables of the screen's level.
    const NivelFPDatos &Nivel() const;
    // Where the place route stands and the place it has chosen; the
    // communities picked for a title sheet too long to print whole.
    const EstadoRutaFP &EstadoRuta() const;
    const LugarElegidoFP &Lugar() const;
    const SeleccionComunidadesFP &SeleccionInforme() const;

protected:
    QLabel *TilArr = nullptr, *TilIzq = nullptr, *TilDer = nullptr;
    // The higher and intermediate screens' heading.
    QLabel *LabelFP1 = nullptr;
    QLabel *PanelSelTit = nullptr, *PanelCarSel = nullptr, *Labeltitulo = nullptr;
    QListWidget *ListPreFam = nullptr;
    QTableWidget *reja = nullptr;
    VistaMapa *mapa = nullptr;
    QLabel *PanelMapa = nullptr;   // the maps' hover caption
    QListWidget *ListSelLugFP = nullptr;
    // The higher and intermediate screens only (the basic one leaves them
    // null): the views' list; the map of Spain's panel; the detail maps of
    // Catalonia and Madrid with the list of Barcelona's districts and its
    // close button; the communities picked for a long title sheet.
    QListWidget *listSelFP = nullptr;
    QWidget *PanelEstrellas = nullptr;
    VistaMapa *mapac = nullptr, *mapam = nullptr;
    QListWidget *listBarcelona = nullptr;
    QPushButton *BotCerrar = nullptr;
    SeleccionImpresionFP *Seleccion = nullptr;
    QPushButton *BotImprimir = nullptr, *BotRetrocederFP = nullptr;
    Parpadeo *TimerParpadeo = nullptr;
    QTimer TimerEstrellas;
    // The place route of the screen's level.
    RutaLugaresFP *Ruta = nullptr;
    // What the screen remembers between clicks, alike on the three screens.
    EstadoPantallaFP estado;

    // The chosen title's sheet with `vistas`, the communities picked for it
    // kept; none while the student has still to pick them.
    std::optional<InformeFP> HojaDelTitulo(const VistasTitulo &vistas);

    // A tick of the map's stars.
    void TimerEstrellasTimer();

    PantallaFP(Enlace &e, Pantallas &p, const QString &nombre);

    // Puts the screen together, closing as `cierre` says: its widgets, their
    // look, their captions, the place route and the wiring, in that order.
    // A screen whose first paint shows little builds that first
    // (ConstruirPrimero) and the rest right after the first paint.
    void Montar(CierreVentana cierre);
    // What the screen's first paint shows, styled, captioned and wired,
    // when the screen builds it apart; false builds the whole at once. What
    // it builds comes first in the stacking order: the rest goes above it.
    virtual bool ConstruirPrimero() { return false; }
    // The rest of the screen, built now if it was not yet: what reaches for
    // it from outside the screen's own events calls this first.
    void Completar() const;
    bool ConstruccionPendiente() const;
    // Once the whole screen stands.
    virtual void Completado() {}
    virtual void Construir() = 0;
    virtual void Estilo() = 0;
    virtual void Captions() = 0;
    // A screen that makes its route while it builds its widgets leaves this be.
    virtual void CrearRuta() {}
    virtual void Conectar() = 0;

    // The window frame, under `fondo` (the label that follows the mouse).
    void PonerMarcoFP(QLabel *fondo);
    // The screen's heading "LabelFP1" at `sitio`, in the shaded title style.
    EtiquetaSombreada *ConstruirTituloFP(const QRect &sitio);
    // The two captions over the lists on `padre`, hidden: PanelSelTit at
    // `seleccion` and PanelCarSel at `caracteristicas`.
    void ConstruirRotulos(QWidget *padre, const QRect &seleccion, const QRect &caracteristicas);
    // The effects panel `nombre` that holds the lists, at `sitio`.
    TEffectsPanel *ConstruirPanelListas(const QString &nombre, const QRect &sitio);
    // A hidden filled panel `nombre` at `sitio` with a column of buttons:
    // the first at `primero`, each next one `paso` pixels lower.
    QWidget *ConstruirColumnaBotones(const QString &nombre, const QRect &sitio, const QRect &primero, int paso,
                                     std::initializer_list<std::pair<QPushButton **, const char *>> botones);
    // The captions the screens share: the window's title, the heading
    // LabelFP1 (text `cabecera`, on the screens that have it), the caption
    // over the titles and the community selection's; and each button's, the
    // interface text of its number.
    void PonerTextos(int cabecera, std::initializer_list<std::pair<QAbstractButton *, int>> botones);
    // Each button's click to its member of the screen.
    template <class P>
    void ConectarBotones(std::initializer_list<std::pair<QPushButton *, void (P::*)()>> botones)
    {
        for (const auto &[boton, accion] : botones)
            connect(boton, &QPushButton::clicked, static_cast<P *>(this), accion);
    }
    // The buttons of what the first paint shows: captioned with text k and
    // wired so that whatever a button opens is built by then.
    template <typename P>
    void ConectarBotonesPrimero(std::initializer_list<std::tuple<QPushButton *, int, void (P::*)()>> botones)
    {
        for (const auto &[boton, texto, accion] : botones) {
            boton->setText(T(texto));
            connect(boton, &QPushButton::clicked, this, [this, accion] {
                Completar();
                (static_cast<P *>(this)->*accion)();
            });
        }
    }
    // On `panel`: the family list (a large icon a row) at `familias` and the
    // caption over the title list at `rotulo`.
    void ConstruirFamilias(QWidget *panel, const QRect &familias, const QRect &rotulo);
    // The detail maps of Catalonia and Madrid at `sitio`, hidden.
    void ConstruirMapasDetalle(const QPoint &sitio, double escala);
    // The maps' hover caption, hidden, over what the screen holds so far.
    void ConstruirPanelMapa();
    // Barcelona's districts into their list.
    void LlenarComarcasBarcelona();
    // The route's controls this base holds; the screen adds its own.
    ControlesRutaFP ControlesRuta() const;
    // The place route of `nivel` on `controles`; its list changes, like the
    // screen's own, run inside the roll or circle transition on `panel`.
    void CrearRutaFP(NivelFPDatos nivel, const ControlesRutaFP &controles, QWidget *panel);
    // Wires the route; the mouse over `fondo` (off the maps) hides the hover caption.
    void ConectarRuta(EtiquetaActiva *fondo);
    // Runs `cambio` inside the roll or circle transition on the lists' panel.
    void ConTransicion(bool circulo, const std::function<void()> &cambio);

    // --- The title route ---
    // The list of a family's titles, under the family list, and the family
    // list's height while it shows the families of a group other than 1 and
    // 6; wires the family list, and a click on row `fila` of the titles to
    // `tituloPulsado`.
    void PonerListaTitulos(QListWidget *lista, int altoFamilias, std::function<void(int fila)> tituloPulsado);
    int AltoFamilias() const { return altoFamilias_; }
    // The families of group `grupo` in the family list, after a back row
    // when `conVolver`.
    void ListarFamilias(int grupo, bool conVolver);
    // The icon of the family of row `k` (after any back row), `primera` the
    // group's first family: by default the first three have their own and
    // later ones take the first's.
    virtual int IconoDeFamilia(size_t k, int familia, int primera, int anterior) const;
    // The route opens on the family groups.
    void AbrirGrupos();
    // The family list shows the groups again, at its full height.
    void MostrarGrupos();
    // A press on row `fila` of the family list: a group lists its families
    // (after a back row), a family lists its titles, the back row (where
    // there is one) goes to the groups.
    void ListPreFamMouseDown(int fila);
    // Hooks: any press on the family list, before it is handled.
    virtual void FamiliasPulsadas() {}
    // The back row was pressed: the groups again.
    virtual void VolverAGrupos();
    // A family's titles have been listed.
    virtual void TitulosListados() {}
    // The chosen title's map: stars on the communities where `titulo` is taught.
    void MarcarDondeSeEstudia(int titulo);
    // The chosen title's name in its caption, blinking.
    void ParpadearTitulo(const QString &nombre);

    // A hidden screen stops its map stars: their phases are shared.
    void hideEvent(QHideEvent *evento) override;

private:
    ConstruccionDiferida *resto_ = nullptr;
    QWidget *panelListas_ = nullptr;
    QListWidget *listaTitulos_ = nullptr;
    int altoFamilias_ = 0;
    bool filaVolver_ = true;
};

} // namespace norvela
