// What one frame of a transition costs over a whole 1024 x 768 screen. Each
// effect has its own fixture: its pictures and its frame buffer are made
// before timing starts, and a warm-up run goes first, so one effect's
// allocations and cache state do not weigh on the next one's numbers.
#include "transiciones.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace norvela;

namespace {

QImage Pantalla(const QColor &color)
{
    QImage im(1024, 768, QImage::Format_ARGB32_Premultiplied);
    im.fill(color);
    return im;
}

// A run of the effect, frame after frame: about 60 frames from the start to
// the end, then again. Each frame whole (Fotogramas), or written over the
// last one where it changed, as a run does (Cambios).
template <typename Efecto> class Run : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State &) override
    {
        antes = Pantalla(Qt::red);
        despues = Pantalla(Qt::blue);
        fotograma = QImage(antes.size(), QImage::Format_ARGB32_Premultiplied);
        efecto = std::make_unique<Efecto>();
    }
    void TearDown(const benchmark::State &) override
    {
        efecto.reset();
        antes = despues = fotograma = QImage();
    }

    void Fotogramas(benchmark::State &state)
    {
        int paso = 0;
        for (auto _ : state) {
            efecto->Componer(antes, despues, paso / 60.0, fotograma);
            benchmark::DoNotOptimize(fotograma.constBits());
            benchmark::ClobberMemory();
            paso = paso == 60 ? 0 : paso + 1;
        }
    }

    void Cambios(benchmark::State &state)
    {
        int paso = 0;
        fotograma = antes.copy();
        for (auto _ : state) {
            benchmark::DoNotOptimize(efecto->ComponerCambio(antes, despues, (paso - 1) / 60.0, paso / 60.0, fotograma));
            benchmark::ClobberMemory();
            if (++paso > 60) {
                paso = 0;
                fotograma = antes.copy();
            }
        }
    }

    QImage antes, despues, fotograma;
    std::unique_ptr<Efecto> efecto;
};

} // namespace

BENCHMARK_TEMPLATE_DEFINE_F(Run, FotogramaRollo, TRollTransition)(benchmark::State &state)
{
    Fotogramas(state);
}
BENCHMARK_TEMPLATE_DEFINE_F(Run, FotogramaCirculo, TRadialTransition)(benchmark::State &state)
{
    Fotogramas(state);
}
BENCHMARK_TEMPLATE_DEFINE_F(Run, FotogramaPagina, TPageTransition)(benchmark::State &state)
{
    Fotogramas(state);
}

BENCHMARK_TEMPLATE_DEFINE_F(Run, CambioRollo, TRollTransition)(benchmark::State &state)
{
    Cambios(state);
}
BENCHMARK_TEMPLATE_DEFINE_F(Run, CambioCirculo, TRadialTransition)(benchmark::State &state)
{
    Cambios(state);
}

BENCHMARK_REGISTER_F(Run, FotogramaRollo)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
BENCHMARK_REGISTER_F(Run, FotogramaCirculo)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
BENCHMARK_REGISTER_F(Run, FotogramaPagina)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
BENCHMARK_REGISTER_F(Run, CambioRollo)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
BENCHMARK_REGISTER_F(Run, CambioCirculo)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2);
