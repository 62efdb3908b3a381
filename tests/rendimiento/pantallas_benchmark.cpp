// What the whole start-up costs beyond its deliberate pauses (the shared
// data, the welcome window and every screen created from the shipped data
// folder, offscreen, with the resident memory it leaves), and what a long
// report costs to print to a PDF file.
#include "arranque.h"
#include "enlace.h"
#include "informes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
        // Up to the home screen, painted, as a user first sees it.
        arranque.VentanaPrincipal()->show();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The first run is the program's own start; later ones reuse what it left.
        if (memoria == 0)
            memoria = MemoriaResidente();
    }
    state.counters["MB residentes en el menú"] = memoria;
}
BENCHMARK(ArranqueCompleto)->Unit(benchmark::kMillisecond)->Iterations(5);

// A 1500-line report, in three landscape columns and as a portrait list,
// written to a PDF file.
static void InformePdf(benchmark::State &state)
{
    MensajesRegistrados mensajes;
    Enlace e(mensajes);
    Inicializar(e, Opciones());
    constexpr int kLineas = 1500;
    for (int i = 1; i <= kLineas; ++i)
        e.LineasInforme.Poner(i, "Centro de Formacion Profesional numero " + std::to_string(i) + "  976123456");
    QTemporaryDir carpeta;
    const bool columnas = state.range(0) == 1;
    for (auto _ : state) {
        const Informe informe = columnas ? Informe::Columnas(e.LineasInforme, kLineas, true)
                                         : Informe::Lista(e.LineasInforme, kLineas, true, 10);
        if (!ImprimirEnPdf(e, informe, carpeta.filePath(QStringLiteral("informe.pdf"))))
            state.SkipWithError("the report was not written");
    }
}
BENCHMARK(InformePdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
