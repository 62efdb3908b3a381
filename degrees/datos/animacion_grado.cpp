#include "animacion_grado.h"

#include <algorithm>

namespace norvela {

namespace {

// The sentence of each step 0..8.
constexpr std::array<FraseGrado, AnimacionGrado::kUltimoPaso> kFrases{
    {{539, 0}, {540, 0}, {541, 542}, {543, 0}, {544, 0}, {545, 0}, {546, 0}, {547, 0}, {548, 549}}};

// The cover each step 0..8 works on (the first three only nudge it).
constexpr std::array<int, AnimacionGrado::kUltimoPaso> kCubiertaDePaso{0, 0, 0, 0, 2, 3, 4, 5, 6};

} // namespace

void AnimacionGrado::Abrir()
{
    PasoGrado = 0;
    cubiertas = kInicio;
    frase = {kFraseInicial, 0};
    anchoFrase = 0;
    timerFrase = false;
    timerGrado = true;
    avanzaActivo = true;
}

void AnimacionGrado::AvanzarPanelGrado(bool fin, int panel, FraseGrado texto)
{
    RectCubierta &c = cubiertas[panel];
    if (!fin || c.width <= 0) {
        timerGrado = false;
        frase = texto;
        anchoFrase = 0;
        timerFrase = true;
    }
    // The long doctorate bar goes three times as fast; its width is a
    // multiple of 3, and a cover never shrinks past nothing anyway.
    const int d = std::min(PasoGrado == 7 ? 3 : 1, std::max(c.width, 0));
    c.left += d;
    c.width -= d;
}

void AnimacionGrado::TickGrado()
{
    if (PasoGrado < 0 || PasoGrado > kUltimoPaso)
        return;
    // Each step from 4 on first clears what the earlier step uncovered, in
    // case the arrow cut that uncovering short.
    if (PasoGrado == 4)
        cubiertas[0].width = cubiertas[1].width = 0;
    else if (PasoGrado > 4)
        cubiertas[kCubiertaDePaso[PasoGrado - 1]].width = 0;
    if (PasoGrado == kUltimoPaso) {
        avanzaActivo = false;
        // Nothing is left to do: no reason to keep waking every 10 ms.
        timerGrado = false;
        return;
    }
    AvanzarPanelGrado(PasoGrado >= 3, kCubiertaDePaso[PasoGrado], kFrases[PasoGrado]);
}

void AnimacionGrado::TickFrase()
{
    anchoFrase += kPasoFrase;
    if (anchoFrase > kAnchoFraseMax)
        timerFrase = false;
}

void AnimacionGrado::Avanzar()
{
    // Past the last step there is nothing to go to (the arrow is off then).
    if (!avanzaActivo || PasoGrado >= kUltimoPaso)
        return;
    timerGrado = true;
    ++PasoGrado;
}

} // namespace norvela
