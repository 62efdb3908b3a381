// The steps of the degree-structure animation without widgets: the seven
// white covers over the diagram, the sentence under it and the two 10 ms
// timers. The screen copies this state to its controls after every event.
#pragma once

#include <array>

namespace norvela {

struct RectCubierta {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const RectCubierta &) const = default;
};

// A sentence as one or two interface texts joined by a blank (0 = none).
struct FraseGrado {
    int texto1 = 0;
    int texto2 = 0;
    bool operator==(const FraseGrado &) const = default;
};

class AnimacionGrado {
public:
    static constexpr int kCubiertas = 7;
    static constexpr int kUltimoPaso = 9;
    // The sentence is fully shown once the revealed width passes this.
    static constexpr int kAnchoFraseMax = 600;
    static constexpr int kPasoFrase = 2;
    // Where each cover starts: the degree box, the top arrow, the bar to
    // work, the master box, the doctorate after the master, the long
    // doctorate bar and the certificate for unfinished studies.
    static constexpr std::array<RectCubierta, kCubiertas> kInicio{{{12, 72, 174, 209},
                                                                   {192, 80, 345, 41},
                                                                   {539, 80, 45, 265},
                                                                   {188, 120, 181, 121},
                                                                   {372, 168, 165, 57},
                                                                   {189, 247, 345, 36},
                                                                   {40, 284, 361, 89}}};
    static constexpr int kFraseInicial = 539;

    AnimacionGrado() { Abrir(); }

    // Opening: everything back to the start (a second opening starts
    // again rather than finding the covers as the last one left them).
    void Abrir();
    // One tick of Timergrado: the current step's covering or sentence.
    void TickGrado();
    // One tick of Timerfrase: the sentence widens until fully shown.
    void TickFrase();
    // The arrow: on to the next step, even in the middle of an uncovering.
    void Avanzar();

    int PasoGrado = 0;
    std::array<RectCubierta, kCubiertas> cubiertas = kInicio;
    FraseGrado frase{kFraseInicial, 0};
    int anchoFrase = 0;
    bool timerGrado = false;
    bool timerFrase = false;
    bool avanzaActivo = true;

private:
    // fin = false shows the sentence at once; fin = true first shrinks the
    // cover from its left edge and shows the sentence when it is gone.
    void AvanzarPanelGrado(bool fin, int panel, FraseGrado texto);
};

} // namespace norvela
