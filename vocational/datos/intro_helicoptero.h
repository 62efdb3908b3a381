// The helicopter intro of the intermediate-cycle screen as a state machine,
// without a widget: the screen feeds it the ticks of its two timers and
// places its buttons, pilot frame and balloon where the state says.
//
// A flight takes 36 ticks: the helicopter (never drawn) moves 15 pixels a
// tick and drags a menu button from 300 pixels behind it; at the last tick
// the button is lifted 20 pixels, the pilot walks 8 frames and a balloon
// with three lines of help follows. Flight 1 brings the titles button,
// flight 2 the places button and, under it, the exit button.
#pragma once

#include <QPoint>
#include <QRect>

namespace norvela {

constexpr int kTicksVuelo = 36;
constexpr int kFotogramasPiloto = 8;
constexpr int kAnchoBocadillo = 118;
constexpr int kAltoBocadillo = 53;

struct BotonVolado {
    QPoint pos;
    bool visible = false;
};

class IntroHelicoptero {
public:
    // The screen is entered: with the intro the buttons are hidden and the
    // first flight waits for the flight timer; without it they are shown at
    // once where the intro would leave them.
    void Entrar(bool conIntro);
    // One tick of the flight timer; false once the intro is over.
    bool TickVuelo();
    // One tick of the pilot's walk.
    void TickPiloto();
    // Any menu button cuts the intro: both timers stop, the balloon and the
    // pilot go; the buttons already flown stay where they are.
    void Cortar();
    // The balloons go, and the pilot who spoke the last with them; the
    // timers run on. Without a balloon on the screen nothing changes.
    void OcultarBocadillo();

    bool VueloEnMarcha() const { return vuelo_; }
    bool PilotoEnMarcha() const { return piloto_; }
    const BotonVolado &BotTit2() const { return tit2_; }
    const BotonVolado &BotLug2() const { return lug2_; }
    const BotonVolado &BotSalir() const { return salir_; }
    // The pilot frame on the screen (-1: none) and where it stands.
    int Fotograma() const { return fotogramaVisible_; }
    QPoint PosPiloto() const { return posPiloto_; }
    // The last balloon on the screen (0: none; 1 or 2: the flight it
    // follows) and where it stands.
    int Bocadillo() const { return bocadillo_; }
    QRect RectBocadillo() const { return bocadillo_ ? rectBocadillos_[bocadillo_ - 1] : QRect(); }
    // The balloon of flight 1 or 2 while it is on the screen, else empty:
    // the first stays by the titles button while the second is spoken.
    QRect RectBocadilloDe(int fase) const { return fase == 1 || fase == 2 ? rectBocadillos_[fase - 1] : QRect(); }
    int Fase() const { return fase_; }

private:
    int tick_ = 0, fase_ = 1, desnivel_ = 0, heliX_ = 0, heliY_ = 150;
    bool vuelo_ = false, piloto_ = false, vueloPendiente_ = false;
    int fotograma_ = 0, fotogramaVisible_ = -1, faseBocadillo_ = 0;
    QPoint posPiloto_;
    int bocadillo_ = 0;
    QRect rectBocadillos_[2];
    BotonVolado tit2_, lug2_, salir_;
};

// The help line of the questionnaire, towed in from the right by the small
// helicopter 40 pixels a tick until its left edge is below 300. The
// helicopter flies 85 pixels ahead of the line and 5 above it.
struct LineaAyuda {
    int left = 0, top = 0, ancho = 0;
    int heliLeft = 0, heliTop = 0;
    bool heliVisible = false;
    bool enMarcha = false;
    // A new line placed at the right edge of a form `anchoForm` wide, at
    // height `top`; the helicopter waits where the line starts.
    void Empezar(int anchoForm, int top);
    // The next line enters from just beyond the right edge; the helicopter
    // stays where it is until the first tick fetches it.
    void Reanudar(int anchoForm);
    // One tick; false once the line has stopped. Each tick shows the
    // helicopter ahead of the line.
    bool Tick(int anchoForm);
    // The line stops where it stands and the helicopter goes.
    void OcultarHeli();
};

} // namespace norvela
