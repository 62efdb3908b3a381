// Every screen of the program by its class, each created once, to live
// until the program ends; the main menu's doors open them. To the screens
// below it gives them by their roles. Start-up prepares every screen's data in
// a fixed order; the home screens are built then, the others when first
// wanted.
#pragma once

#include "pantallas.h"

#include <functional>

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

// A screen built the first time it is used: shown, opened by another
// screen, or reached by its role. Until then the student cannot tell it from
// one built at start-up, since its data were prepared then. Asking whether
// it is there (Hay, Creada) never builds it; there is no silent conversion
// to a pointer that would.
template <typename T> class Perezosa {
public:
    // How it is built (start-up sets this once its data are prepared).
    void Preparar(std::function<T *()> crear) { crear_ = std::move(crear); }
    // The screen, built now if it was not yet; null without a way to build it,
    // or while it is being built (a screen never asks for itself).
    T *get() const
    {
        if (!pantalla_ && crear_ && !creando_) {
            creando_ = true;
            struct Fin {
                bool &creando;
                ~Fin() { creando = false; }
            } fin{creando_};
            pantalla_ = crear_();
        }
        return pantalla_;
    }
    T *operator->() const { return get(); }
    T &operator*() const { return *get(); }
    // The screen if it is built, else null: never builds it.
    T *Creada() const { return pantalla_; }
    // Whether there is a screen, built or to be built; never builds it.
    bool Hay() const { return pantalla_ || crear_; }

private:
    std::function<T *()> crear_;
    mutable T *pantalla_ = nullptr;
    mutable bool creando_ = false;
};

struct PantallasCreadas final : Pantallas {
    Pantalla *Por(Papel papel) const override;
    bool Hay(Papel papel) const override;

    TBienvenida *Bienvenida = nullptr;
    Tform9 *form9 = nullptr;   // only when the animated home screen is on
    Tform0 *form0 = nullptr;
    Perezosa<TForm6> Form6;
    Perezosa<TEstadisticas> Estadisticas;
    Perezosa<TFormEstGra> FormEstGra;
    Perezosa<TForm7> Form7;
    Perezosa<TForm1> Form1;
    Perezosa<TForm8> Form8;
    Perezosa<TFormCon> FormCon;
    Perezosa<TForm2> Form2;
    Perezosa<TForm5> Form5;
    Perezosa<TForm3> Form3;
    Perezosa<TFIniPro> FIniPro;
    Perezosa<TCertifica> Certifica;
    Perezosa<Tprofe> profe;
    Perezosa<TFormCat> FormCat;
    Perezosa<TFlomce> Flomce;
};

} // namespace norvela
