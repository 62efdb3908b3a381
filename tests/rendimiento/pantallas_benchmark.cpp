// What the whole start-up costs beyond its deliberate pauses (the shared
// data, the welcome window and every screen created from the shipped data
// folder, with the resident memory it leaves at the menu and after every
// door in turn), what the animated home screen and the idle menu cost while
// the student only looks, how long a click waits for its first repaint (on
// the degrees screen and along the higher-cycle screen's place route), and
// what a long report costs to print to a PDF file. Offscreen unless
// QT_QPA_PLATFORM says otherwise.
#include "animacion.h"
#include "arranque.h"
#include "enlace.h"
#include "etiquetas.h"
#include "grados.h"
#include "informes.h"
#include "pantalla.h"
#include "pantalla_prueba.h"
#include "pantallas_creadas.h"
#include "principal.h"
#include "superior.h"
#include "vista_mapa.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPaintEvent>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

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

// Lets the screens show, paint and delete what they left.
void Asentar()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Processor time of this process so far, in seconds.
double TiempoProcesador()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The program as the student starts it, without the pauses, its first
// window showing.
struct Programa {
    explicit Programa(const QStringList &argumentos) : e(mensajes)
    {
        OpcionesInicio opciones = Opciones();
        opciones.argumentos = argumentos;
        Inicializar(e, opciones);
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        creado = arranque->CrearPantallas();
        if (creado)
            arranque->VentanaPrincipal()->show();
        Asentar();
    }
    ~Programa() { e.ErrorFicheros = true; }
    PantallasCreadas &s() { return arranque->pantallas; }

    MensajesRegistrados mensajes;
    Enlace e;
    std::unique_ptr<Arranque> arranque;
    bool creado = false;
};

// Every door of the main menu in turn, each screen shown and painted, and
// back to the menu.
void RecorrerPuertas(Programa &p)
{
    for (int codigo : {puerta::Carreras, puerta::Cat, puerta::FpS, puerta::Iti, puerta::FPM, puerta::FPip,
                       puerta::Profe, puerta::CuesB, puerta::CuesE, puerta::Asistente, puerta::Dejar}) {
        p.s().AbrirPuerta(codigo);
        p.s().form0->hide();
        Asentar();
        p.e.DesdeAsistente = false;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *pantalla = qobject_cast<Pantalla *>(w); pantalla && pantalla->isVisible() && w != p.s().form0)
                pantalla->MostrarInicio();
        Asentar();
    }
}

} // namespace

static void ArranqueCompleto(benchmark::State &state)
{
    double menu = 0, puertas = 0;
    for (auto _ : state) {
        // Up to the home screen, painted, as a user first sees it.
        Programa p({});
        if (!p.creado)
            state.SkipWithError("the shipped data folder did not start");
        // The first run is the program's own start; later ones reuse what it left.
        if (menu == 0) {
            menu = MemoriaResidente();
            state.PauseTiming();
            RecorrerPuertas(p);
            puertas = MemoriaResidente();
            state.ResumeTiming();
        }
    }
    state.counters["MB residentes en el menú"] = menu;
    state.counters["MB tras todas las puertas"] = puertas;
}
BENCHMARK(ArranqueCompleto)->Unit(benchmark::kMillisecond)->Iterations(5);

namespace {

// Counts the paints that reach the captions of the labels it watches (a
// label's caption stands within its margins).
class ContadorPintados : public QObject {
public:
    void Vigilar(QLabel *w) { w->installEventFilter(this); }
    int pintados = 0;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint &&
            static_cast<QPaintEvent *>(evento)->region().intersects(static_cast<QLabel *>(objeto)->contentsRect()))
            ++pintados;
        return false;
    }
};

// Share of one processor core the program takes over `ms` of its event loop.
double NucleoDurante(int ms)
{
    const double cpu = TiempoProcesador();
    QElapsedTimer reloj;
    reloj.start();
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
    return 100.0 * (TiempoProcesador() - cpu) / (double(reloj.nsecsElapsed()) / 1e9);
}

} // namespace

// The animated home screen left alone for ten seconds, and the main menu for
// five: the share of a core each takes while the student only looks.
static void EscenaAnimadaQuieta(benchmark::State &state)
{
    double nucleo = 0, rotulos = 0;
    for (auto _ : state) {
        Programa p({QStringLiteral("S"), QStringLiteral("0")});
        Tform9 *escena = p.s().form9;
        if (!p.creado || !escena || !escena->isVisible()) {
            state.SkipWithError("the animated home screen did not start");
            return;
        }
        ContadorPintados contador;
        for (int i = 0; i < kLugares; ++i)
            contador.Vigilar(escena->Lugar(LugarEscena(i)));
        constexpr int kMs = 10000;
        nucleo = NucleoDurante(kMs);
        rotulos = contador.pintados / (kMs / 1000.0);
        state.SetIterationTime(kMs / 1000.0);
    }
    state.counters["% de un núcleo"] = nucleo;
    state.counters["rótulos repintados por s"] = rotulos;
}
BENCHMARK(EscenaAnimadaQuieta)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

static void MenuQuieto(benchmark::State &state)
{
    double nucleo = 0;
    for (auto _ : state) {
        Programa p({QStringLiteral("N"), QStringLiteral("0")});
        if (!p.creado) {
            state.SkipWithError("the shipped data folder did not start");
            return;
        }
        // The walk into the corridor ends first.
        NucleoDurante(3000);
        nucleo = NucleoDurante(5000);
        state.SetIterationTime(5.0);
    }
    state.counters["% de un núcleo"] = nucleo;
}
BENCHMARK(MenuQuieto)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

namespace {

// The time from a click to the first time the clicked window's picture
// reaches the screen (Qt's own painting log says when a window's backing
// store is flushed).
class PrimerVolcado {
public:
    PrimerVolcado()
    {
        activo_ = this;
        QLoggingCategory::setFilterRules(QStringLiteral("qt.widgets.painting.info=true"));
        anterior_ = qInstallMessageHandler(&PrimerVolcado::Mensaje);
    }
    ~PrimerVolcado()
    {
        qInstallMessageHandler(anterior_);
        QLoggingCategory::setFilterRules(QStringLiteral("qt.widgets.painting.info=false"));
        activo_ = nullptr;
    }

    // Milliseconds from the release of a click at `p` on `w` (when the click
    // happens) to the first flush of its window after it; `cpu` adds the
    // processor time the click took, its transitions included.
    double Clic(QWidget *w, QPoint p, double *cpu = nullptr)
    {
        // A hand's press and release are apart: what the press changed is
        // painted before the release.
        QTest::mousePress(w, Qt::LeftButton, {}, p);
        Asentar();
        volcado_ = -1;
        ventana_ = QStringLiteral("name=\"%1\")").arg(w->window()->objectName());
        reloj_.start();
        const double inicio = TiempoProcesador();
        QTest::mouseRelease(w, Qt::LeftButton, {}, p);
        Asentar();
        if (cpu)
            *cpu += (TiempoProcesador() - inicio) * 1e3;
        return volcado_ < 0 ? -1 : double(volcado_) / 1e6;
    }

    // Milliseconds from `accion` to the first flush of the window whose
    // name `ventana()` gives once `accion` has run (the window may not exist
    // before); `cpu` adds the processor time up to that flush, which a busy
    // machine stretches less than the time.
    double Accion(const std::function<void()> &accion, const std::function<QString()> &ventana, double *cpu = nullptr)
    {
        volcados_.clear();
        reloj_.start();
        inicioCpu_ = TiempoProcesador();
        accion();
        abierta_ = (TiempoProcesador() - inicioCpu_) * 1e3;
        Asentar();
        const QString nombre = QStringLiteral("name=\"%1\")").arg(ventana());
        for (const Volcado &v : volcados_)
            if (v.texto.endsWith(nombre)) {
                if (cpu)
                    *cpu += v.cpu * 1e3;
                return double(v.ns) / 1e6;
            }
        return -1;
    }

private:
    static void Mensaje(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto)
    {
        if (activo_ && qstrcmp(contexto.category, "qt.widgets.painting") == 0) {
            if (!activo_->reloj_.isValid() || !texto.startsWith(QLatin1String("Flushing QRegion")))
                return;
            if (activo_->volcado_ < 0 && texto.endsWith(activo_->ventana_))
                activo_->volcado_ = activo_->reloj_.nsecsElapsed();
            activo_->volcados_.push_back(
                {activo_->reloj_.nsecsElapsed(), TiempoProcesador() - activo_->inicioCpu_, texto});
            return;
        }
        if (activo_ && activo_->anterior_)
            activo_->anterior_(tipo, contexto, texto);
    }

    static inline PrimerVolcado *activo_ = nullptr;
    QtMessageHandler anterior_ = nullptr;
    QElapsedTimer reloj_;
    qint64 volcado_ = -1;
    QString ventana_;
    struct Volcado {
        qint64 ns;
        double cpu;
        QString texto;
    };
    std::vector<Volcado> volcados_;
    double inicioCpu_ = 0;

public:
    // Processor milliseconds the last Accion took before the event loop ran
    // (building and showing, without painting).
    double abierta_ = 0;
};

QPoint CentroFila(QListWidget *lista, int fila)
{
    return lista->visualItemRect(lista->item(fila)).center();
}

QPoint CentroFila(QTableWidget *rejilla, int fila)
{
    return rejilla->visualItemRect(rejilla->item(fila, 0)).center();
}

} // namespace

// The degrees screen as a student first uses it, with its transitions: the
// browser's button, a branch, the first degree of the program's run, then
// another. The time is the first degree's, from the click to its first
// repaint; the processor time of the second degree's click is most of it its
// transition's.
static void PrimerRepintadoTrasClic(benchmark::State &state)
{
    double menu = 0, rama = 0, primero = 0, segundo = 0, cpu = 0;
    int n = 0;
    for (auto _ : state) {
        Programa p({QStringLiteral("N"), QStringLiteral("0")});
        TForm1 *f = p.s().Form1.get();
        if (!p.creado || !f) {
            state.SkipWithError("the shipped data folder did not start");
            return;
        }
        p.s().AbrirPuerta(puerta::Carreras);
        p.s().form0->hide();
        Asentar();
        PrimerVolcado volcado;
        auto *botMenuGrados = f->findChild<QPushButton *>(QStringLiteral("BotMenuGrados"));
        auto *listramas = f->findChild<QListWidget *>(QStringLiteral("Listramas"));
        auto *listgrados = f->findChild<QTableWidget *>(QStringLiteral("listgrados"));
        const double m = volcado.Clic(botMenuGrados, botMenuGrados->rect().center());
        const double r = volcado.Clic(listramas->viewport(), CentroFila(listramas, 3));
        // The first rows that are degrees, not headings or groups.
        std::vector<int> grados;
        for (int i = 0; i < listgrados->rowCount() && grados.size() < 2; ++i)
            if (listgrados->item(i, 0) && f->Estado().GradoEnFila(i) > 0)
                grados.push_back(i);
        if (grados.size() < 2) {
            state.SkipWithError("the branch lists fewer than two degrees");
            return;
        }
        const double g1 = volcado.Clic(listgrados->viewport(), CentroFila(listgrados, grados[0]));
        const double g2 = volcado.Clic(listgrados->viewport(), CentroFila(listgrados, grados[1]), &cpu);
        state.SetIterationTime(g1 / 1000.0);
        menu += m;
        rama += r;
        primero += g1;
        segundo += g2;
        ++n;
    }
    state.counters["ms botón del navegador"] = menu / n;
    state.counters["ms rama"] = rama / n;
    state.counters["ms primer grado"] = primero / n;
    state.counters["ms segundo grado"] = segundo / n;
    // The second degree's click runs one roll of the grid's panel.
    state.counters["ms de CPU del segundo grado"] = cpu / n;
}
BENCHMARK(PrimerRepintadoTrasClic)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

// The higher-cycle screen's place route, as a student first walks it: a
// community on the map (Aragón), one of its provinces, then a locality,
// whose centre grid is the time given, from the click to its first repaint.
static void PrimerRepintadoRejillaFP(benchmark::State &state)
{
    double comunidad = 0, provincia = 0, localidad = 0;
    int n = 0;
    for (auto _ : state) {
        Programa p({QStringLiteral("N"), QStringLiteral("0")});
        TForm8 *f = p.s().Form8.get();
        if (!p.creado || !f) {
            state.SkipWithError("the shipped data folder did not start");
            return;
        }
        p.s().AbrirPuerta(puerta::FpS);
        p.s().form0->hide();
        Asentar();
        auto *porLugar = f->findChild<QPushButton *>(QStringLiteral("MenuFP2"));
        auto *mapa = f->findChild<VistaMapa *>(QStringLiteral("mapa"));
        auto *lugares = f->findChild<QListWidget *>(QStringLiteral("ListSelLugFP"));
        PrimerVolcado volcado;
        volcado.Clic(porLugar, porLugar->rect().center());
        const QPoint aragon = pruebas::Pixel(p.e.MapaComunidades, 2);
        const double c = volcado.Clic(mapa, mapa->PuntoDe(aragon.x(), aragon.y()));
        if (lugares->count() < 3) {
            state.SkipWithError("the map did not list Aragón's provinces");
            return;
        }
        const double pr = volcado.Clic(lugares->viewport(), CentroFila(lugares, 2));
        if (lugares->count() < 2) {
            state.SkipWithError("the province listed no localities");
            return;
        }
        const double l = volcado.Clic(lugares->viewport(), CentroFila(lugares, 1));
        state.SetIterationTime(l / 1000.0);
        comunidad += c;
        provincia += pr;
        localidad += l;
        ++n;
    }
    state.counters["ms comunidad"] = comunidad / n;
    state.counters["ms provincia"] = provincia / n;
    state.counters["ms localidad"] = localidad / n;
}
BENCHMARK(PrimerRepintadoRejillaFP)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

// Each door of the main menu opened for the first time in the program's
// run: from the screen's opening to the first time its window reaches the
// screen, its building included (tras_zoom 0, as from the animated screen)
// or done by the door's zoom before (tras_zoom 1, the classic menu). One
// fresh program a run, so every opening is a first one.
static void PrimeraAperturaPuerta(benchmark::State &state)
{
    const int codigo = int(state.range(0));
    double ms = 0, peor = 0, cpu = 0, abrir = 0;
    int n = 0;
    for (auto _ : state) {
        Programa p({QStringLiteral("N"), QStringLiteral("0")});
        if (!p.creado) {
            state.SkipWithError("the shipped data folder did not start");
            return;
        }
        // After the classic menu's zoom the screen is built already (the zoom
        // builds it); from the animated screen it is built as it opens.
        if (state.range(1) == 1) {
            p.s().form0->Destino(codigo);
            Asentar();
        }
        PrimerVolcado volcado;
        const double t = volcado.Accion(
            [&] {
                p.s().AbrirPuerta(codigo);
                p.s().form0->hide();
            },
            [] {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (qobject_cast<Pantalla *>(w) && w->isVisible())
                        return w->objectName();
                return QString();
            },
            &cpu);
        if (t < 0) {
            state.SkipWithError("the door's screen never reached the screen");
            return;
        }
        state.SetIterationTime(t / 1000.0);
        ms += t;
        abrir += volcado.abierta_;
        peor = std::max(peor, t);
        ++n;
    }
    state.counters["ms al primer repintado"] = ms / n;
    state.counters["ms el peor"] = peor;
    state.counters["ms de CPU al primer repintado"] = cpu / n;
    state.counters["ms de CPU antes de pintar"] = abrir / n;
}
BENCHMARK(PrimeraAperturaPuerta)
    ->ArgNames({"puerta", "tras_zoom"})
    ->ArgsProduct({benchmark::CreateDenseRange(puerta::Dejar, puerta::CuesE, 1), {0, 1}})
    ->ArgsProduct({{puerta::Asistente}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseManualTime();

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
