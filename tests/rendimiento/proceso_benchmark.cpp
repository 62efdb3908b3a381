// The program's start-up as a whole process, beside the floor: a bare Qt
// Widgets window of 1024 x 768 started by this same executable, so both load
// the same Qt libraries. They run in turn, A B A B, each until its first
// window is painted; the program skips its three pauses. Both wall and
// processor time are compared pair by pair, so a machine that slows down
// for a while weighs on both alike; beside them, each one's peak resident
// memory up to that first paint. Offscreen unless QT_QPA_PLATFORM says
// otherwise.
#include "aplicacion.h"
#include "arranque.h"
#include "enlace.h"
#include "piel.h"
#include "mensajes.h"
#include "plataforma.h"

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace norvela;

extern char **environ;

namespace {

// Ends the process as soon as `ventana` has been painted once: what comes
// after (the event loop, the way out) is not start-up.
class AlPintarse : public QObject {
public:
    explicit AlPintarse(QWidget *ventana) { ventana->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        // After the paint event the window's picture is flushed; then out.
        if (evento->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return false;
    }
};

// The floor: a Qt Widgets program with one 1024 x 768 window.
int Suelo(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget ventana;
    ventana.setFixedSize(1024, 768);
    AlPintarse fin(&ventana);
    ventana.show();
    return app.exec();
}

// The program as its main block starts it, without the pauses.
int Programa(int argc, char **argv)
{
    Aplicacion app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvela"));
    QApplication::setQuitOnLastWindowClosed(false);
    TSkinData::Iniciar();
    MensajesRegistrados mensajes;
    app.PonerMensajes(&mensajes);
    Enlace enlace(mensajes);
    OpcionesInicio opciones;
    opciones.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath(QStringLiteral(".."));
    opciones.carpetaUsuario = QDir::tempPath() + QStringLiteral("/norvela-rendimiento");
    Inicializar(enlace, opciones);
    InstanciaUnica instancia(QStringLiteral("norvela-rendimiento"));
    if (instancia.Adquirir() == InstanciaUnica::Resultado::OtraEnMarcha || enlace.ErrorFicheros)
        return 1;
    Arranque arranque(enlace, nullptr, [](int) {});
    if (!arranque.CrearPantallas())
        return 1;
    AlPintarse fin(arranque.VentanaPrincipal());
    arranque.VentanaPrincipal()->show();
    return app.exec();
}

struct Medida {
    double pared = 0, procesador = 0;   // milliseconds
    double pico = 0;                    // MB
};

double Ahora()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Runs this executable as the child `modo` and waits for it.
Medida Correr(const char *modo, bool &bien)
{
    char yo[] = "/proc/self/exe";
    char hijo[] = "--hijo";
    std::vector<char> m(modo, modo + std::strlen(modo) + 1);
    char *argumentos[] = {yo, hijo, m.data(), nullptr};
    const double inicio = Ahora();
    pid_t pid = 0;
    if (posix_spawn(&pid, "/proc/self/exe", nullptr, nullptr, argumentos, environ) != 0) {
        bien = false;
        return {};
    }
    int estado = 0;
    rusage uso{};
    wait4(pid, &estado, 0, &uso);
    Medida r;
    r.pared = Ahora() - inicio;
    r.procesador = (double(uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3 +
                    double(uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3);
    r.pico = double(uso.ru_maxrss) / 1024.0;
    bien = bien && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
    return r;
}

double Mediana(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

// One iteration is one pair: the program, then the floor.
static void ArranqueFrenteAlSuelo(benchmark::State &state)
{
    std::vector<double> programa, suelo, proporcion, cpuPrograma, cpuSuelo, proporcionCpu, picoPrograma, picoSuelo;
    bool bien = true;
    Correr("programa", bien);   // warm-up: files into the page cache
    Correr("suelo", bien);
    for (auto _ : state) {
        const Medida a = Correr("programa", bien);
        const Medida b = Correr("suelo", bien);
        if (!bien) {
            state.SkipWithError("a child did not start or did not end well");
            return;
        }
        programa.push_back(a.pared);
        suelo.push_back(b.pared);
        proporcion.push_back(a.pared / b.pared);
        cpuPrograma.push_back(a.procesador);
        cpuSuelo.push_back(b.procesador);
        proporcionCpu.push_back(a.procesador / b.procesador);
        picoPrograma.push_back(a.pico);
        picoSuelo.push_back(b.pico);
        state.SetIterationTime(a.pared / 1e3);
    }
    state.counters["ms programa"] = Mediana(programa);
    state.counters["ms suelo"] = Mediana(suelo);
    state.counters["programa / suelo"] = Mediana(proporcion);
    state.counters["ms CPU programa"] = Mediana(cpuPrograma);
    state.counters["ms CPU suelo"] = Mediana(cpuSuelo);
    state.counters["CPU programa / suelo"] = Mediana(proporcionCpu);
    state.counters["MB pico programa"] = Mediana(picoPrograma);
    state.counters["MB pico suelo"] = Mediana(picoSuelo);
}
BENCHMARK(ArranqueFrenteAlSuelo)->Unit(benchmark::kMillisecond)->Iterations(21)->UseManualTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The single instance's lock lives in the session's runtime folder, which
    // a desktop session keeps in memory; without one, a private folder in
    // memory stands for it, not the disk.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && QDir(QStringLiteral("/dev/shm")).exists()) {
        const QString carpeta = QStringLiteral("/dev/shm/norvela-rendimiento-%1").arg(getuid());
        if (QDir().mkpath(carpeta) && QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", carpeta.toLocal8Bit());
    }
    if (argc == 3 && std::strcmp(argv[1], "--hijo") == 0)
        return std::strcmp(argv[2], "suelo") == 0 ? Suelo(argc, argv) : Programa(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
