// The region-map window of the degrees screen: a small stay-on-top window
// with the map of the communities, pulsing markers on those that offer the
// selected degree, the name of the community under the mouse, and a click
// that takes the degrees screen's grid to that community.
#pragma once

#include "pantalla.h"

#include <QPoint>
#include <functional>

class QLabel;
class QTimer;

namespace norvela {

class VistaMapa;

class TForm7 : public Pantalla {
    Q_OBJECT
public:
    static constexpr int kAnchoMapa = 281;
    static constexpr int kAltoMapa = 196;

    TForm7(Enlace &e, Pantallas &p);

    // What the degrees screen does once MarcasEstrellas is set: shows the
    // window, draws the map afresh (which erases the old markers) and starts
    // the pulse.
    void MostrarConMarcas();
    // Hides the window; the pulse stops with it.
    void OcultarConMarcas();
    // Where the window stands for a degrees screen whose top-left corner is
    // `origen`: 1024 - 281 / 2 pixels to its right, at its top.
    static QPoint Posicion(const QPoint &origen);

    // Set by the degrees screen. A click on a community: it becomes the
    // selected one; then, in the universities view, the grid scrolls so that
    // `fila` (the community's first row, at least 1) is its top row; in the
    // double-degree view, the grid lists the community's double degrees.
    std::function<void(int comunidad)> AlElegirComunidad;
    std::function<void(int comunidad, int fila)> AlDesplazarNotas;
    std::function<void(int comunidad)> AlListarDobles;

protected:
    void hideEvent(QHideEvent *evento) override;

private:
    // The map picture at (0, 0) of the canvas.
    void DibujarMapa();

    void TimerEstrellasTimer();
    // x, y in picture coordinates.
    void MapaEstrellasMouseMove(int x, int y);
    void MapaEstrellasClick();

    // Every control bears its member's name as its object name.
    VistaMapa *MapaEstrellas = nullptr;
    QLabel *PanelMapa = nullptr;
    QTimer *TimerEstrellas = nullptr;
};

} // namespace norvela
