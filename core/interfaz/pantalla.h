// What every screen of the program shares: a fixed 1024 x 768 window, the
// shared state, and the other screens.
#pragma once

#include <QString>
#include <QWidget>
#include <initializer_list>

class QCloseEvent;
class QLabel;
class QPushButton;

namespace norvela {

class Enlace;
class Reloj;
struct Pantallas;

// What the window's close box does on a screen.
enum class CierreVentana {
    PreguntarYTerminar,   // asks in the Yes/No dialog; Yes ends the program
    Volver,               // runs the screen's back handler and shows where it came from
    SoloOcultar,          // hides the window; the home screen shows if no other window does
};

class Pantalla : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAncho = 1024;
    static constexpr int kAlto = 768;

    // `nombre` is the screen's class name, also its object name.
    // A screen hidden while no other window shows brings the home screen
    // back: the program never runs without a visible window.
    Pantalla(Enlace &e, Pantallas &p, const QString &nombre);

    // Shows the screen and brings it to the front.
    void Mostrar();
    // Shows the home screen (the animated screen when it is on, else the
    // main menu) in front, and hides this one.
    void MostrarInicio();
    // Leaves the screen: to the assistant when the screen was opened from it
    // (clearing the screen's own flag), else to the home screen.
    void Salir(bool &abiertaPorAsistente);

    CierreVentana Cierre() const { return cierre_; }

protected:
    void PonerCierre(CierreVentana cierre) { cierre_ = cierre; }
    // The screen's own back handler, run by a close box that goes back. The
    // default does nothing.
    virtual void AlVolverPorCierre() {}
    // Where a close box that goes back leads: the home screen, unless the
    // screen says otherwise.
    virtual Pantalla *DestinoAlCerrar();
    void closeEvent(QCloseEvent *evento) override;

    Enlace &enlace;
    Pantallas &pantallas;

    // Interface text k of the chosen language.
    QString T(int k) const;
    // The clock the screens' animations follow (null: the system's time).
    Reloj *RelojAnimaciones() const;
    static void Ocultar(std::initializer_list<QWidget *> controles);
    static void MostrarControles(std::initializer_list<QWidget *> controles);

    // A label at (x, y) of w x h with the program's font.
    QLabel *Etiqueta(QWidget *padre, int x, int y, int w, int h, const QString &texto = {}, int puntos = 10,
                     bool negrita = false);
    QPushButton *Boton(QWidget *padre, int x, int y, int w, int h, const QString &texto = {}, int puntos = 9,
                       bool negrita = false);
    // A button in Arial 10 whose object name is `nombre` (tests find it by that
    // name); its text comes later and is what screen readers speak.
    QPushButton *BotonNombrado(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

private:
    CierreVentana cierre_ = CierreVentana::Volver;
};

// Asks text 49 in the Yes/No dialog; on Yes ends the program (see Terminar).
// True when the program is ending.
bool PreguntarYTerminar(Enlace &enlace, Pantallas &pantallas);
// Gives the display its own mode back, marks the program as ending
// (ErrorFicheros) and stops the event loop; the shared data is freed after it.
void Terminar(Enlace &enlace, Pantallas &pantallas);
// Shows the home screen when no window of the program is showing and the
// program is not ending.
void AsegurarVentanaVisible(Enlace &enlace, Pantallas &pantallas);

} // namespace norvela
