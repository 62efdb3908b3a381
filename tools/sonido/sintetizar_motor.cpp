// Writes a short engine sound: a low rumble of a few harmonics whose
// loudness pulses with the strokes of the pistons, a little noise, and soft
// edges so it starts and stops without a click. 16-bit mono PCM WAV.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

namespace {

constexpr int kMuestrasPorSegundo = 22050;
constexpr double kSegundos = 1.6;
constexpr double kPi = 3.14159265358979323846;

void Escribir16(std::ofstream &f, uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    f.write(b, 2);
}

void Escribir32(std::ofstream &f, uint32_t v)
{
    Escribir16(f, static_cast<uint16_t>(v & 0xFFFF));
    Escribir16(f, static_cast<uint16_t>(v >> 16));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sintetizar_motor FILE.wav\n");
        return 2;
    }
    const int n = static_cast<int>(kSegundos * kMuestrasPorSegundo);
    std::vector<int16_t> muestras(static_cast<size_t>(n));
    std::mt19937 azar(19);
    std::uniform_real_distribution<double> ruido(-1.0, 1.0);
    double fase = 0;
    double ruidoFiltrado = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kMuestrasPorSegundo;
        // The engine speeds up a little, as when it starts.
        const double frecuencia = 38.0 + 14.0 * std::min(t / 0.8, 1.0);
        fase += 2 * kPi * frecuencia / kMuestrasPorSegundo;
        double s = 0.55 * std::sin(fase) + 0.30 * std::sin(2 * fase + 0.3) + 0.18 * std::sin(3 * fase + 1.1)
                   + 0.10 * std::sin(5 * fase + 0.7);
        const double pistones = 0.65 + 0.35 * std::sin(fase * 0.5);
        ruidoFiltrado = 0.9 * ruidoFiltrado + 0.1 * ruido(azar);
        s = s * pistones + 0.25 * ruidoFiltrado;
        const double borde = std::min({1.0, t / 0.12, (kSegundos - t) / 0.25});
        muestras[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(s * borde * 0.6 * 32767));
    }

    std::ofstream f(argv[1], std::ios::binary);
    const uint32_t datos = static_cast<uint32_t>(n * 2);
    f.write("RIFF", 4);
    Escribir32(f, 36 + datos);
    f.write("WAVEfmt ", 8);
    Escribir32(f, 16);
    Escribir16(f, 1);   // PCM
    Escribir16(f, 1);   // mono
    Escribir32(f, kMuestrasPorSegundo);
    Escribir32(f, kMuestrasPorSegundo * 2);
    Escribir16(f, 2);
    Escribir16(f, 16);
    f.write("data", 4);
    Escribir32(f, datos);
    for (int16_t m : muestras)
        Escribir16(f, static_cast<uint16_t>(m));
    f.close();
    if (!f) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 1;
    }
    return 0;
}
