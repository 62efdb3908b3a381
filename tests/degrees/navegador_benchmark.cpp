// What filling the degree browser costs on the shipped data: the grid of
// each branch and the tree of each grouping, as built without widgets and
// as the screen shows them on a click (each must stay well under one frame,
// 16 ms).
#include "carga_grados.h"
#include "enlace.h"
#include "grados.h"
#include "navegador_grados.h"
#include "pantallas.h"
#include "textos_interfaz.h"
#include "universidades_grado.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace norvela;

namespace {

Enlace &Datos()
{
    static MensajesRegistrados mensajes;
    static Enlace e(mensajes);
    static const bool cargado = [] {
        e.RutaDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
        CargarTextos(e, e.FicheroIdioma("textos"), e.TextosLeidos);
        AsignarTextos(e);
        e.OrdenAlfabetico = true;
        if (CargarDatosGrados(e))
            CargarTablasGrados(e);
        return !e.ErrorFicheros;
    }();
    (void)cargado;
    return e;
}

void Rama(benchmark::State &state)
{
    const Enlace &e = Datos();
    const int rama = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(FilasRama(e, rama));
}

void Agrupar(benchmark::State &state)
{
    const Enlace &e = Datos();
    const auto agrupacion = static_cast<Agrupacion>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ArbolDe(e, agrupacion));
}

void Universidades(benchmark::State &state)
{
    const Enlace &e = Datos();
    int g = 0;
    for (auto _ : state) {
        g = g % e.NumGrados + 1;
        benchmark::DoNotOptimize(UniversidadesDeGrado(e, g, "Donde se estudia"));
    }
}

// The screen on the shipped data, as start-up builds it.
TForm1 &Pantalla1()
{
    static MensajesRegistrados mensajes;
    static Enlace e(mensajes);
    static Pantallas p;
    static TForm1 *f = [] {
        OpcionesInicio o;
        o.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath("..");
        o.carpetaUsuario = QDir::tempPath() + "/norvela-rendimiento-grados";
        Inicializar(e, o);
        e.OrdenAlfabetico = true;
        TForm1::PrepararDatos(e);
        auto *pantalla = new TForm1(e, p);
        // The screen is not shown: the handlers run through the signals its
        // controls send.
        pantalla->findChild<QPushButton *>(QStringLiteral("BotMenuGrados"))->click();
        return pantalla;
    }();
    return *f;
}

void RamaEnPantalla(benchmark::State &state)
{
    auto *ramas = Pantalla1().findChild<QListWidget *>(QStringLiteral("Listramas"));
    QListWidgetItem *item = ramas->item(static_cast<int>(state.range(0)) - 1);
    for (auto _ : state)
        emit ramas->itemClicked(item);
}

void AgruparEnPantalla(benchmark::State &state)
{
    auto *agrupacion = Pantalla1().findChild<QComboBox *>(QStringLiteral("ComboAgru"));
    const int item = static_cast<int>(state.range(0)) - 1;
    for (auto _ : state)
        emit agrupacion->activated(item);
}

} // namespace

BENCHMARK(Rama)->DenseRange(1, kTodasLasRamas)->Unit(benchmark::kMicrosecond);
BENCHMARK(Agrupar)->DenseRange(2, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK(Universidades)->Unit(benchmark::kMicrosecond);
BENCHMARK(RamaEnPantalla)->DenseRange(1, kTodasLasRamas)->Unit(benchmark::kMillisecond);
BENCHMARK(AgruparEnPantalla)->DenseRange(2, 5)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
