// The pulsing markers drawn over the map of Spain on the communities that
// are marked: one tick of the pulse, the only drawing of it, shared by the
// degrees screen's region-map window and the FP screens' maps, which
// advance the same phase counters. No widget: it draws on a picture.
#pragma once

#include <QColor>
#include <optional>

class QImage;

namespace norvela {

struct DatosLugares;

// The pen and brush a map canvas keeps between ticks; the first ellipses
// after the pulse starts use what the canvas has at that moment.
struct PincelEstrellas {
    QColor pluma = Qt::black;
    QColor relleno = Qt::white;
};

// The brush a tick leaves for the next one, from the phase it reached:
// yellow at 1, navy at 2, maroon at 3; nothing else changes it.
std::optional<QColor> ColorFaseEstrellas(int fase);

// One tick: both phases advance, every marked community gets an ellipse of
// half-width FaseEstrellas and half-height FaseEstrellas2 round its marker
// point (x, y) with the current pen and brush, covering the pixels
// x - FaseEstrellas .. x + FaseEstrellas - 1 across (and likewise down);
// then the pen turns white, the brush takes the phase's colour, and a phase
// that reached 3 goes back to 0. The drawing stays on the picture: a larger
// disc remains under a smaller one. A null picture only steps the phases.
void PulsoEstrellas(QImage &lienzo, DatosLugares &lugares, PincelEstrellas &pincel);

} // namespace norvela
