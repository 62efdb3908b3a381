// What the whole start-up costs beyond its deliberate pauses: the shared
// data, the welcome window and every screen created from the shipped data
// folder, offscreen. Also prints the resident memory after one start-up.
#include "arranque.h"
#include "enlace.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

using namespace norvela;

namespace {

OpcionesInicio Opciones()
{
    OpcionesInicio opciones;
    opciones.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath("..");
    opciones.carpetaUsuario = QDir::tempPath() + "/norvela-rendimiento";
    return opciones;
}

// Resident memory of this process in MB, from the kernel's status file.
double MemoriaResidente()
{
    QFile estado(QStringLiteral("/proc/self/status"));
    if (!estado.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linea : estado.readAll().split('\n'))
        if (linea.startsWith("VmRSS:"))
            return linea.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

} // namespace

static void ArranqueCompleto(benchmark::State &state)
{
    const OpcionesInicio opciones = Opciones();
    double memoria = 0;
    for (auto _ : state) {
        MensajesRegistrados mensajes;
        Enlace e(mensajes);
        Inicializar(e, opciones);
        Arranque arranque(e, {}, [](int) {});
        if (!arranque.CrearPantallas())
            state.SkipWithError("the shipped data folder did not start");
        memoria = std::max(memoria, MemoriaResidente());
    }
    state.counters["MB residentes"] = memoria;
}
BENCHMARK(ArranqueCompleto)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
