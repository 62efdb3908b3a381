#include "escena.h"

#include <algorithm>
#include <cmath>

namespace norvela {

namespace {

using namespace escena;

constexpr int kCentros[kLugares] = {104, 216, 328, 456, 584, 696, 940};
constexpr LugarEscena kOrdenAlumna[kPuertasAlumna] = {LugarEscena::Carreras, LugarEscena::Cat,
                                                       LugarEscena::FpS,      LugarEscena::Entrada,
                                                       LugarEscena::FPM,      LugarEscena::FPip};

// Her pace: 64 pixels a second, a frame every 8 pixels (the frames are drawn
// for that step, so her feet stay planted).
constexpr double kVelocidad = 0.064;   // pixels a millisecond
constexpr int kPasoFase = 125;         // ms a frame when she does not move sideways
constexpr std::int64_t kAbrir = 480, kEntrar = 640, kCerrar = 480, kDentro = 1600, kPausa = 1200;
constexpr double kInicioX = -kAnchoAndar - 8;
constexpr double kFinX = kAncho + 8;

double IzquierdaEnPuerta(int indice)
{
    return CentroLugar(kOrdenAlumna[indice]) - kAnchoAndar / 2.0;
}

std::int64_t Ida(int indice)
{
    return std::int64_t(std::ceil((IzquierdaEnPuerta(indice) - kInicioX) / kVelocidad));
}

std::int64_t Vuelta(int indice)
{
    return std::int64_t(std::ceil((kFinX - IzquierdaEnPuerta(indice)) / kVelocidad));
}

// One round of hers through one door: in from the left, through the door,
// out again, away to the right, a rest off the scene.
std::int64_t DuracionVisita(int indice)
{
    return Ida(indice) + kAbrir + kEntrar + kCerrar + kDentro + kAbrir + kEntrar + Vuelta(indice) + kPausa;
}

int FaseAndando(double x)
{
    return int(std::floor((x - kInicioX) / kPasoAndar)) % kFasesAndar;
}

int PasoAbriendo(std::int64_t t, std::int64_t duracion)
{
    return std::clamp(int(t * 5 / duracion), 0, 4);
}

void Alumna(EstadoEscena &s, std::int64_t t)
{
    std::int64_t ronda = t % DuracionRonda();
    int indice = 0;
    while (ronda >= DuracionVisita(indice)) {
        ronda -= DuracionVisita(indice);
        ++indice;
    }
    const double enPuerta = IzquierdaEnPuerta(indice);
    s.puerta = indice;
    s.alumnaVisible = true;
    s.alumnaSuelo = kSuelo;
    s.alumnaOpacidad = 1;
    const std::int64_t ida = Ida(indice);
    if (ronda < ida) {
        s.alumnaX = kInicioX + ronda * kVelocidad;
        s.alumnaFase = FaseAndando(s.alumnaX);
        return;
    }
    ronda -= ida;
    s.alumnaX = enPuerta;
    const int faseParada = FaseAndando(enPuerta);
    // The door opens, she steps in as she fades, the door closes behind her.
    if (ronda < kAbrir) {
        s.pasoPuerta = PasoAbriendo(ronda, kAbrir);
        s.alumnaFase = faseParada;
        return;
    }
    ronda -= kAbrir;
    const double fondo = kSuelo - (kUmbral + 2);
    if (ronda < kEntrar) {
        const double f = double(ronda) / kEntrar;
        s.pasoPuerta = 4;
        s.alumnaSuelo = kSuelo - fondo * f;
        s.alumnaOpacidad = 1 - f;
        s.alumnaFase = (faseParada + int(ronda / kPasoFase)) % kFasesAndar;
        return;
    }
    ronda -= kEntrar;
    if (ronda < kCerrar + kDentro) {
        s.alumnaVisible = false;
        s.pasoPuerta = ronda < kCerrar ? 4 - PasoAbriendo(ronda, kCerrar) : 0;
        return;
    }
    ronda -= kCerrar + kDentro;
    // Out again through the same door, and away.
    if (ronda < kAbrir) {
        s.alumnaVisible = false;
        s.pasoPuerta = PasoAbriendo(ronda, kAbrir);
        return;
    }
    ronda -= kAbrir;
    if (ronda < kEntrar) {
        const double f = double(ronda) / kEntrar;
        s.pasoPuerta = 4;
        s.alumnaSuelo = kUmbral + 2 + fondo * f;
        s.alumnaOpacidad = f;
        s.alumnaFase = (faseParada + int(ronda / kPasoFase)) % kFasesAndar;
        return;
    }
    ronda -= kEntrar;
    const std::int64_t vuelta = Vuelta(indice);
    if (ronda < vuelta) {
        s.alumnaX = enPuerta + ronda * kVelocidad;
        s.alumnaFase = FaseAndando(s.alumnaX);
        s.pasoPuerta = ronda < kCerrar ? 4 - PasoAbriendo(ronda, kCerrar) : 0;
        return;
    }
    s.alumnaVisible = false;
    s.alumnaX = kFinX;
}

} // namespace

int CentroLugar(LugarEscena lugar)
{
    return kCentros[int(lugar)];
}

Caja CajaPuerta(LugarEscena lugar)
{
    const int c = CentroLugar(lugar);
    switch (lugar) {
    case LugarEscena::Entrada:
        return {c - kAnchoPortal / 2, kUmbral - kAltoPuerta, kAnchoPortal, kAltoPuerta};
    case LugarEscena::Dejar:
        return {c - 6, 524, 12, 116};
    default:
        return {c - kAnchoPuerta / 2, kUmbral - kAltoPuerta, kAnchoPuerta, kAltoPuerta};
    }
}

Caja CajaRotulo(LugarEscena lugar)
{
    const int c = CentroLugar(lugar);
    switch (lugar) {
    case LugarEscena::Entrada:
        return {c - 70, 416, 140, 40};
    case LugarEscena::Dejar:
        return {c - 58, 472, 116, 52};
    default:
        return {c - kAnchoRotulo / 2, kRotuloY, kAnchoRotulo, kAltoRotulo};
    }
}

Caja CajaLugar(LugarEscena lugar)
{
    const Caja a = CajaRotulo(lugar), b = CajaPuerta(lugar);
    const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const int x1 = std::max(a.x + a.ancho, b.x + b.ancho), y1 = std::max(a.y + a.alto, b.y + b.alto);
    return {x0, y0, x1 - x0, y1 - y0};
}

int LugarEn(int x, int y)
{
    for (int i = 0; i < kLugares; ++i)
        if (CajaLugar(LugarEscena(i)).Contiene(x, y))
            return i;
    return -1;
}

LugarEscena PuertaAlumna(int indice)
{
    return kOrdenAlumna[indice];
}

std::int64_t DuracionRonda()
{
    std::int64_t total = 0;
    for (int i = 0; i < kPuertasAlumna; ++i)
        total += DuracionVisita(i);
    return total;
}

EstadoEscena EstadoEn(std::int64_t ms)
{
    EstadoEscena s;
    const std::int64_t t = std::max<std::int64_t>(ms, 0);
    Alumna(s, t);

    // Clouds drift right at three depths and come back round.
    constexpr double kNubeVelocidad[3] = {0.008, 0.012, 0.017};
    constexpr double kNubeInicio[3] = {80, 520, 860};
    constexpr double kMargenNube = 260;
    for (int i = 0; i < 3; ++i)
        s.nubeX[i] = std::fmod(kNubeInicio[i] + kMargenNube + t * kNubeVelocidad[i], kAncho + kMargenNube) - kMargenNube;

    // Two birds fly across together, beating their wings.
    constexpr int kAleteo[4] = {0, 1, 2, 1};
    for (int i = 0; i < 2; ++i) {
        s.pajaroX[i] = std::fmod(t * 0.075 + 140 - 44 * i, kAncho + 240.0) - 120;
        s.pajaroY[i] = 112 + 18 * i + 12 * std::sin(t / 700.0 + i);
        s.pajaroFase[i] = kAleteo[(t / 110 + 2 * i) % 4];
    }

    // The bus comes along the road from the right every 26 seconds.
    constexpr std::int64_t kPeriodoAutobus = 26000;
    constexpr double kAutobusVelocidad = 0.2;
    const std::int64_t a = (t + 20000) % kPeriodoAutobus;
    s.autobusX = kAncho - a * kAutobusVelocidad;
    s.autobusVisible = s.autobusX > -kAnchoAutobus;

    s.banderaFase = int((t / 140) % kFasesBandera);
    return s;
}

} // namespace norvela
