// What every screen of the program shares: a fixed 1024 x 768 window, the
// shared state, and the other screens.
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace norvela {

class Enlace;
struct Pantallas;

class Pantalla : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAncho = 1024;
    static constexpr int kAlto = 768;

    // `nombre` is the screen's class name, also its object name.
    Pantalla(Enlace &enlace, Pantallas &pantallas, const QString &nombre);

    // Shows the screen and brings it to the front.
    void Mostrar();

protected:
    Enlace &enlace;
    Pantallas &pantallas;

    // A label at (x, y) of w x h with the program's font.
    QLabel *Etiqueta(QWidget *padre, int x, int y, int w, int h, const QString &texto = {}, int puntos = 10,
                     bool negrita = false);
    QPushButton *Boton(QWidget *padre, int x, int y, int w, int h, const QString &texto = {}, int puntos = 9,
                       bool negrita = false);
};

} // namespace norvela
