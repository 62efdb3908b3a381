// What one frame of a transition costs over a whole 1024 x 768 screen.
#include "transiciones.h"

#include <benchmark/benchmark.h>

using namespace norvela;

namespace {

QImage Pantalla(const QColor &color)
{
    QImage im(1024, 768, QImage::Format_ARGB32_Premultiplied);
    im.fill(color);
    return im;
}

void Fotograma(benchmark::State &state, const TTransitionEffect &efecto)
{
    const QImage antes = Pantalla(Qt::red), despues = Pantalla(Qt::blue);
    double progreso = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(efecto.Componer(antes, despues, progreso));
        progreso = progreso >= 1.0 ? 0.0 : progreso + 0.05;
    }
}

void FotogramaRollo(benchmark::State &state)
{
    Fotograma(state, TRollTransition());
}

void FotogramaCirculo(benchmark::State &state)
{
    Fotograma(state, TRadialTransition());
}

} // namespace

BENCHMARK(FotogramaRollo)->Unit(benchmark::kMillisecond);
BENCHMARK(FotogramaCirculo)->Unit(benchmark::kMillisecond);
