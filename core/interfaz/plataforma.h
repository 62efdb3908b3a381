// The program's few dealings with the desktop: display mode, processor
// clock, the engine sound and the single running instance.
#pragma once

#include <QString>
#include <memory>
#include <vector>

class QLockFile;

namespace norvela {

class Enlace;

struct ModoPantalla {
    int ancho = 0;
    int alto = 0;
    int bits = 0;
};

// The display modes the desktop offers and the way to switch among them.
// On this platform the display mode cannot be switched: no mode is listed.
class ModosPantalla {
public:
    virtual ~ModosPantalla() = default;
    virtual ModoPantalla Actual() const;
    virtual std::vector<ModoPantalla> Listar() const { return {}; }
    virtual void Aplicar(const ModoPantalla &) {}
    virtual void Restaurar() {}
};

// Whether to offer 1024 x 768 for `modo` (0 main menu, 1 animated screen).
bool OfrecerCambioResolucion(int modo, const ModoPantalla &actual);

// Offers to switch the display to 1024 x 768 (16 bits a pixel when the depth
// is below that) and switches when the student says Yes and the desktop
// lists such a mode. Sets PantallaCambiada when it switched.
void CambiarResolucion(Enlace &e, int modo, ModosPantalla &modos);
// Back to the desktop's own mode.
void RestaurarPantalla(ModosPantalla &modos);

// The processor clock in MHz, a whole number; blocks for about a second.
double VelocidadCPU();
// MHz from two readings of a cycle counter one second apart.
double MegahercioDeContadores(unsigned long long c1, unsigned long long c2);

// Starts RutaDatos + "motor.wav" and returns at once; silent where there is
// no sound device or no file. False does nothing. The sound is kept in
// e.Sonido and ends with the shared state.
void SonidoMotor(Enlace &e, bool activar);

// Named hooks that do nothing.
inline void ProcVacio1() {}
inline void ProcVacio2() {}

// One running instance per user: held for the life of the process; a lock
// left by a program that crashed does not block the next start.
class InstanciaUnica {
public:
    enum class Resultado {
        Propia,         // this program holds the name
        OtraEnMarcha,   // a running program holds it
        SinCandado,     // the lock could not be written (full disk, no right to write): see Motivo()
    };

    // The lock lives in `carpeta`; by default the user's runtime folder.
    explicit InstanciaUnica(const QString &nombre = QStringLiteral("norvela19_20.exe"),
                            const QString &carpeta = {});
    ~InstanciaUnica();
    Resultado Adquirir();
    // After SinCandado: the lock's path and the system's reason.
    const QString &Motivo() const { return motivo_; }

private:
    std::unique_ptr<QLockFile> candado_;
    QString ruta_;
    QString motivo_;
};

} // namespace norvela
