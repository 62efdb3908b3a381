// What the animated home screen costs: one frame of the scene over the whole
// 1024 x 768 window (it draws about sixty a second), and reading the two
// image packs at start-up.
#include "dibujo_escena.h"
#include "paquetes.h"

#include <QDir>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace norvela;

namespace {

QString Entregado(const char *nombre)
{
    return QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).filePath(QString::fromLatin1(nombre));
}

const ImagenesEscena &Imagenes()
{
    static const ImagenesEscena imagenes = [] {
        ImagenesEscena im;
        CargarPaquetesEscena(Entregado("segdxg1.DXG"), Entregado("vector.DXG"), im);
        return im;
    }();
    return imagenes;
}

// Frames at successive moments, as the frame timer asks for them, on a
// window-sized buffer like the one the screen paints into.
void BM_FotogramaEscena(benchmark::State &state)
{
    const ImagenesEscena &im = Imagenes();
    if (im.fondo.isNull()) {
        state.SkipWithError("the image packs could not be read");
        return;
    }
    QImage ventana(escena::kAncho, escena::kAlto, QImage::Format_ARGB32_Premultiplied);
    std::int64_t t = 0;
    for (auto _ : state) {
        QPainter p(&ventana);
        PintarEscena(p, im, EstadoEn(t), int(LugarEscena::Cat));
        p.end();
        benchmark::DoNotOptimize(ventana.constBits());
        t += 16;
    }
}
BENCHMARK(BM_FotogramaEscena)->Unit(benchmark::kMicrosecond);

void BM_LeerPaquetes(benchmark::State &state)
{
    for (auto _ : state) {
        ImagenesEscena im;
        benchmark::DoNotOptimize(CargarPaquetesEscena(Entregado("segdxg1.DXG"), Entregado("vector.DXG"), im));
    }
}
BENCHMARK(BM_LeerPaquetes)->Unit(benchmark::kMillisecond);

} // namespace
