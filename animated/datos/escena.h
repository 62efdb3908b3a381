// The animated home screen's scene: where everything stands in the 1024 x 768
// picture, and what moves where at each moment. Plain arithmetic, so the
// scene's timing is checked without a window.
#pragma once

#include <array>
#include <cstdint>

namespace norvela {

// How many pictures each moving thing has.
inline constexpr int kPasosPuerta = 5;   // a door: 0 closed .. 4 open
inline constexpr int kFasesBandera = 4;
inline constexpr int kFasesAndar = 8;
inline constexpr int kNubes = 3;
inline constexpr int kFasesPajaro = 3;

// The school's front, from left to right: three doors, the main entrance,
// two doors; the bus stop with its sign stands on the pavement at the right.
enum class LugarEscena { Carreras, Cat, FpS, Entrada, FPM, FPip, Dejar };
inline constexpr int kLugares = 7;
// The doors the student goes in and out of, in her order.
inline constexpr int kPuertasAlumna = 6;

struct Caja {
    int x = 0, y = 0, ancho = 0, alto = 0;
    bool Contiene(int px, int py) const { return px >= x && px < x + ancho && py >= y && py < y + alto; }
};

namespace escena {
inline constexpr int kAncho = 1024;
inline constexpr int kAlto = 768;
// The pavement line the doors stand on, and the row of the walking student's soles.
inline constexpr int kUmbral = 572;
inline constexpr int kSuelo = 598;
// The walking pictures: 56 x 168, soles at row 96, one frame a step of 8 pixels.
inline constexpr int kAnchoAndar = 56;
inline constexpr int kAltoAndar = 168;
inline constexpr int kSuelaAndar = 96;
inline constexpr int kPasoAndar = 8;
// A door is 64 x 104, the entrance's double door 96 x 104, both on the threshold.
inline constexpr int kAnchoPuerta = 64;
inline constexpr int kAnchoPortal = 96;
inline constexpr int kAltoPuerta = 104;
// The caption boards above the doors.
inline constexpr int kAnchoRotulo = 104;
inline constexpr int kAltoRotulo = 36;
inline constexpr int kRotuloY = 424;
// The flag on the entrance's roof, and the road the bus runs along.
inline constexpr int kBanderaX = 460, kBanderaY = 168;
inline constexpr int kCarreteraY = 620;
// The sizes of the flag, the clouds (each its own), a bird and the bus.
inline constexpr int kAnchoBandera = 48, kAltoBandera = 32;
inline constexpr int kAnchoNube[kNubes] = {200, 150, 240};
inline constexpr int kAltoNube[kNubes] = {78, 60, 90};
inline constexpr int kAnchoPajaro = 34, kAltoPajaro = 20;
inline constexpr int kAnchoAutobus = 300, kAltoAutobus = 112;
} // namespace escena

// The middle of each door (or of the sign), in x.
int CentroLugar(LugarEscena lugar);
// The door's picture on the scene (for the bus stop: its sign and post).
Caja CajaPuerta(LugarEscena lugar);
// The caption board where the place's name is written.
Caja CajaRotulo(LugarEscena lugar);
// Where a click opens the place: its board and its door.
Caja CajaLugar(LugarEscena lugar);
// The place under a point of the scene, or -1.
int LugarEn(int x, int y);

// One moment of the scene.
struct EstadoEscena {
    // The walking student: her picture's left edge and soles, her frame,
    // how opaque (0 gone through the door .. 1), whether she shows at all.
    double alumnaX = 0, alumnaSuelo = escena::kSuelo, alumnaOpacidad = 1;
    int alumnaFase = 0;
    bool alumnaVisible = false;
    // The door she is using (index in her order) and its frame 0..4.
    int puerta = -1;
    int pasoPuerta = 0;
    std::array<double, kNubes> nubeX{};
    std::array<double, 2> pajaroX{}, pajaroY{};
    std::array<int, 2> pajaroFase{};
    double autobusX = 0;
    bool autobusVisible = false;
    int banderaFase = 0;
};

// The doors of her order, as places.
LugarEscena PuertaAlumna(int indice);
// The scene after `ms` milliseconds; it repeats itself over a long period.
EstadoEscena EstadoEn(std::int64_t ms);
// How long one round of the student through all her doors lasts.
std::int64_t DuracionRonda();

} // namespace norvela
