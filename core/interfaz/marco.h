// The window frame of the screens: the floor picture tiled over the whole
// window, and the frame strips on its left, right and top edges.
#pragma once

#include <functional>

class QLabel;
class QPixmap;
class QWidget;

namespace norvela {

class Enlace;

struct Marco {
    QLabel *fondo = nullptr;       // "degradeini": BmpSuelo tiled over 1024 x 768
    QLabel *izquierda = nullptr;   // "TilIzq": BmpMarcoI tiled down the left edge, as wide as the picture
    QLabel *derecha = nullptr;     // "TilDer": BmpMarcoD tiled down the right edge, as wide as the picture
    QLabel *arriba = nullptr;      // "TilArr": BmpMarcoAr tiled along the top, 50 high
};

// Builds the frame on `padre` (a screen, or a panel that covers one), under
// whatever `padre` holds already; the controls created after it stand over
// it. The tiled pictures are made when the frame first shows, and every
// frame of the same pictures shares them. `fondo`, when given, is the background label to use (one that reacts
// to the mouse, say), already a child of `padre`; else a plain label is made.
// A side strip whose picture is missing is kAnchoMarco wide, and black.
constexpr int kAnchoMarco = 24;
Marco PonerMarco(QWidget *padre, const Enlace &e, QLabel *fondo = nullptr);

// Gives `etiqueta` the picture `dibujar` makes the first time it is shown,
// not before: a screen may be built and never shown (the region-map window
// comes with the degrees screen), and a full-window picture costs 3 MB and a
// few milliseconds to make.
void PixmapAlMostrarse(QLabel *etiqueta, std::function<QPixmap()> dibujar);

} // namespace norvela
