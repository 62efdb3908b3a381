// What start-up loading costs: the shared data built from the shipped data folder.
#include "enlace.h"

#include <QDir>
#include <benchmark/benchmark.h>

using namespace norvela;

static void CargaDeArranque(benchmark::State &state)
{
    MensajesRegistrados mensajes;
    OpcionesInicio opciones;
    opciones.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath("..");
    opciones.carpetaUsuario = QDir::tempPath() + "/norvela-rendimiento";
    for (auto _ : state) {
        Enlace e(mensajes);
        Inicializar(e, opciones);
        if (e.ErrorFicheros)
            state.SkipWithError("the shipped data folder did not load");
        benchmark::DoNotOptimize(e.NumRequisitos);
    }
}
BENCHMARK(CargaDeArranque)->Unit(benchmark::kMillisecond);
