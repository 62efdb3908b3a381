// What start-up loading costs: the shared data built from the shipped data folder.
#include "cargas_listas.h"
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

// What the screens pay to show the interface texts: each one is decoded
// from Windows-1252 when it is shown.
static void DecodificarTextos(benchmark::State &state)
{
    MensajesRegistrados mensajes;
    OpcionesInicio opciones;
    opciones.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath("..");
    opciones.carpetaUsuario = QDir::tempPath() + "/norvela-rendimiento";
    Enlace e(mensajes);
    Inicializar(e, opciones);
    if (e.ErrorFicheros)
        state.SkipWithError("the shipped data folder did not load");
    for (auto _ : state)
        for (int k = TextosInterfaz::kPrimero; k <= TextosInterfaz::kUltimo; ++k)
            if (TextosInterfaz::Existe(k))
                benchmark::DoNotOptimize(e.Texto(k));
}
BENCHMARK(DecodificarTextos)->Unit(benchmark::kMicrosecond);

// A list loader on the largest centre list, and a ";" loader.
static void CargarListas(benchmark::State &state)
{
    MensajesRegistrados mensajes;
    Enlace e(mensajes);
    e.RutaDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
    for (auto _ : state) {
        int n = 0;
        CargarListaTexto(e, e.Fichero("lu1"), e.Centros1, n, 60);
        CargarListaTexto(e, e.Fichero("lu2"), e.Centros2, n, 60);
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(CargarListas)->Unit(benchmark::kMicrosecond);
