// How a screen reaches the others: by the role they play, never by their
// class, which lives in a layer above. Start-up builds the home screens and
// the Yes/No dialog; the main menu's layer, which knows every screen, builds
// each other one once, the first time it is wanted (PantallasCreadas).
#pragma once

#include <functional>

namespace norvela {

class ModosPantalla;
class Pantalla;
class TForm4;
class TransicionesPaneles;
class Reloj;

// The doors of the home screens, by the main menu's door codes; 0 is the
// sign for students who leave their studies.
namespace puerta {
inline constexpr int Dejar = 0, Carreras = 1, Cat = 2, FpS = 3, Iti = 4, FPM = 5, FPip = 6, Profe = 7, CuesB = 8,
                     CuesE = 9, Asistente = 11;
} // namespace puerta

// The screens other screens open or go back to.
enum class Papel {
    MenuPrincipal,
    Animacion,            // the animated home screen, only when it is on
    Asistente,            // where the screens it opened go back to
    Certificados,         // the professional certificates, which the assistant opens
    Grados,
    NotasCorte,           // the cut-off marks and weightings of the degrees
    EstadisticasGrados,
    FPSuperior,
    EstadisticasFP,       // the higher cycles' family statistics
    Itinerarios,
    Lomce,
};

class Pantallas {
public:
    virtual ~Pantallas() = default;

    // The screen in that role, built now if it was not yet. Without a
    // program around it (a screen built alone) there is none.
    virtual Pantalla *Por(Papel) const { return nullptr; }
    // Whether a screen plays that role, without building it.
    virtual bool Hay(Papel papel) const { return Por(papel) != nullptr; }
    // The screen in that role as its own class, for a screen of the same
    // subsystem that needs more of it than showing it.
    template <typename T> T *Como(Papel papel) const { return dynamic_cast<T *>(Por(papel)); }
    // The animated screen when it is on and exists, else the main menu.
    Pantalla *Inicio(bool modoAnimado) const
    {
        Pantalla *animada = modoAnimado ? Por(Papel::Animacion) : nullptr;
        return animada ? animada : Por(Papel::MenuPrincipal);
    }

    // The Yes/No dialog.
    TForm4 *Form4 = nullptr;
    // The panel effects every screen shows and hides its panels with; start-up
    // makes them before any screen. Without them a panel changes at once.
    TransicionesPaneles *Transiciones = nullptr;
    // The display modes the main menu may have switched, given back when
    // the program ends.
    ModosPantalla *Modos = nullptr;
    // Shows the screen behind a door, with what it needs first; the same for
    // both home screens. Start-up fills it with the main menu's door table.
    std::function<void(int puerta)> AbrirPuerta;
    // The clock the screens' animations follow; null for the system's time.
    // Set before the screens are created.
    Reloj *RelojAnimaciones = nullptr;
};

} // namespace norvela
