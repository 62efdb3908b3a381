// Every screen of the program by its class, as start-up creates them, each
// once and in a fixed order, to live until the program ends; the main menu's
// doors open them. To the screens below it gives them by their roles.
#pragma once

#include "pantallas.h"

namespace norvela {

class TBienvenida;
class Tform0;
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

struct PantallasCreadas final : Pantallas {
    Pantalla *Por(Papel papel) const override;

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
    TFIniPro *FIniPro = nullptr;
    TCertifica *Certifica = nullptr;
    Tprofe *profe = nullptr;
    TFormCat *FormCat = nullptr;
    TFlomce *Flomce = nullptr;
};

} // namespace norvela
