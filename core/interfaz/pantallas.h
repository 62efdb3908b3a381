// The program's screens: each is created once at start-up, in a fixed
// order, and lives until the program ends; screens reach each other here.
#pragma once

#include <functional>

namespace norvela {

class ModosPantalla;
class Pantalla;
class TBienvenida;
class Tform0;
class TForm4;
class Tform9;
class TForm1;
class TForm6;
class TFormEstGra;
class TForm7;
class TForm8;
class TForm3;
class TFIniPro;
class TCertifica;
class TFormCat;
class TEstadisticas;
class TFormCon;
class TForm2;
class TForm5;
class Tprofe;
class TFlomce;
class TransicionesPaneles;
class Reloj;

// The doors of the home screens, by the main menu's door codes; 0 is the
// sign for students who leave their studies.
namespace puerta {
inline constexpr int Dejar = 0, Carreras = 1, Cat = 2, FpS = 3, Iti = 4, FPM = 5, FPip = 6, Profe = 7, CuesB = 8,
                     CuesE = 9, Asistente = 11;
} // namespace puerta

struct Pantallas {
    TBienvenida *Bienvenida = nullptr;
    Tform9 *form9 = nullptr;   // only when the animated home screen is on
    Tform0 *form0 = nullptr;
    TForm6 *Form6 = nullptr;
    TEstadisticas *Estadisticas = nullptr;
    TFormEstGra *FormEstGra = nullptr;
    TForm7 *Form7 = nullptr;
    TForm1 *Form1 = nullptr;
    TForm8 *Form8 = nullptr;
    TFormCon *FormCon = nullptr;
    TForm2 *Form2 = nullptr;
    TForm5 *Form5 = nullptr;
    TForm3 *Form3 = nullptr;
    TForm4 *Form4 = nullptr;
    TFIniPro *FIniPro = nullptr;
    TCertifica *Certifica = nullptr;
    Tprofe *profe = nullptr;
    TFormCat *FormCat = nullptr;
    TFlomce *Flomce = nullptr;

    // The home screens as screens: start-up fills them, so a screen can go
    // back home without knowing the classes above it.
    Pantalla *InicioMenu = nullptr;
    Pantalla *InicioAnimado = nullptr;
    // The panel effects every screen shows and hides its panels with; they
    // live on the degrees screen. Without them a panel changes at once.
    TransicionesPaneles *Transiciones = nullptr;
    // The assistant, where the screens it opened go back to.
    Pantalla *Asistente = nullptr;
    // The professional certificates, which the assistant opens.
    Pantalla *Certificados = nullptr;
    // The degrees screen's requirements button for degree g, in the
    // catalogue's mode (ReqDesdeCatalogo set): the requirements are left in
    // ListaAux 1..NumListaAux. The degrees screen sets it when it is created.
    std::function<void(int grado)> RequisitosGradoCatalogo;
    // The display modes the main menu may have switched, given back when
    // the program ends.
    ModosPantalla *Modos = nullptr;
    // Shows the screen behind a door, with what it needs first; the same for
    // both home screens. Start-up fills it with the main menu's door table.
    std::function<void(int puerta)> AbrirPuerta;
    // The clock the screens' animations follow; null for the system's time.
    // Set before the screens are created.
    Reloj *RelojAnimaciones = nullptr;
    // The animated screen when it is on and exists, else the main menu.
    Pantalla *Inicio(bool modoAnimado) const { return modoAnimado && InicioAnimado ? InicioAnimado : InicioMenu; }
};

} // namespace norvela
