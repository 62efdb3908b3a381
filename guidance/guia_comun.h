// What the guidance screens share: the window frame, a heading across the
// top, buttons with a hand cursor named for the accessibility tools, and a
// back button in the bottom right corner.
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace norvela {

class Enlace;

struct CabeceraGuia {
    QLabel *fondo;    // the tiled floor of the frame
    QWidget *panel;   // the light blue band of the heading
    QLabel *titulo;   // the heading itself, maroon and bold
};

// Frame and heading of a guidance screen; the heading is also the window's caption.
CabeceraGuia PonerCabeceraGuia(QWidget *pantalla, const Enlace &e, const QString &titulo);

// A button at (x, y) of w x h with its object and accessible name.
QPushButton *BotonGuia(QWidget *padre, const char *nombre, int x, int y, int w, int h, const QString &texto);

// The back button of a guidance screen, in the bottom right corner.
QPushButton *BotonVolverGuia(QWidget *padre, const char *nombre, const QString &texto);

// Left edge of the guidance screens' column of buttons, and their size.
constexpr int kColumnaGuia = 312;
constexpr int kAnchoBotonGuia = 400;
constexpr int kAltoBotonGuia = 44;

} // namespace norvela
