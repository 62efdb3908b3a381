#include "plataforma.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace norvela {

ModoPantalla ModosPantalla::Actual() const
{
    ModoPantalla modo;
    if (const QScreen *pantalla = QGuiApplication::primaryScreen()) {
        modo.ancho = pantalla->geometry().width();
        modo.alto = pantalla->geometry().height();
        modo.bits = pantalla->depth();
    }
    return modo;
}

bool OfrecerCambioResolucion(int modo, const ModoPantalla &actual)
{
    switch (modo) {
    case 0:
        return actual.alto < 768 && actual.bits < 16;
    case 1:
        return actual.ancho != 1024 || actual.alto != 768 || actual.bits < 16;
    default:
        return false;
    }
}

void CambiarResolucion(Enlace &e, int modo, ModosPantalla &modos)
{
    const ModoPantalla actual = modos.Actual();
    if (!OfrecerCambioResolucion(modo, actual))
        return;
    const std::string primera = Cortar(e.Textos[253] + " ", 36);
    const std::string pregunta = Cortar(primera + e.Textos[254], 71);
    const bool si = e.Avisos().Pregunta(DesdeAnsi(pregunta));
    e.PantallaCambiada = false;
    if (!si)
        return;
    for (const ModoPantalla &m : modos.Listar()) {
        if (m.ancho == 1024 && m.alto == 768 && m.bits == 16) {
            e.PantallaCambiada = true;
            ModoPantalla nuevo{1024, 768, actual.bits < 16 ? 16 : actual.bits};
            modos.Aplicar(nuevo);
            return;
        }
    }
}

void RestaurarPantalla(ModosPantalla &modos)
{
    modos.Restaurar();
}

double MegahercioDeContadores(unsigned long long c1, unsigned long long c2)
{
    return std::nearbyint(static_cast<double>(c2 - c1) / 1000000.0);
}

double VelocidadCPU()
{
#if defined(__x86_64__) || defined(__i386__)
    using reloj = std::chrono::steady_clock;
    const auto t0 = reloj::now();
    const unsigned long long c1 = __rdtsc();
    std::this_thread::sleep_until(t0 + std::chrono::seconds(1));
    const unsigned long long c2 = __rdtsc();
    return MegahercioDeContadores(c1, c2);
#else
    // Without a cycle counter: what the kernel reports.
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string linea;
    while (std::getline(cpuinfo, linea)) {
        if (linea.rfind("cpu MHz", 0) == 0) {
            const auto dos = linea.find(':');
            if (dos != std::string::npos)
                return std::nearbyint(std::stod(linea.substr(dos + 1)));
        }
    }
    return 0;
#endif
}

namespace {

// One sound effect and its end. The effect reads its file on a loader thread
// of the multimedia library; that thread must be over before the application
// object goes, or it delivers its events to an application that is no more
// (a crash) or deadlocks the library's own cache at exit. The sample is
// handed back, and its loader joined, only when the effect is destroyed after
// its load has ended: so the destructor lets a load in flight finish first.
class EfectoMotor : public QObject {
public:
    explicit EfectoMotor(const QUrl &fuente) { efecto_.setSource(fuente); }
    ~EfectoMotor() override
    {
        if (efecto_.status() == QSoundEffect::Loading && QCoreApplication::instance()) {
            QEventLoop espera;
            connect(&efecto_, &QSoundEffect::statusChanged, &espera, &QEventLoop::quit);
            QTimer::singleShot(5000, &espera, &QEventLoop::quit);
            if (efecto_.status() == QSoundEffect::Loading)
                espera.exec(QEventLoop::ExcludeUserInputEvents);
        }
        efecto_.stop();
    }

    QSoundEffect &Efecto() { return efecto_; }

private:
    QSoundEffect efecto_;
};

} // namespace

void SonidoMotor(Enlace &e, bool activar)
{
    if (!activar)
        return;
    const QString fichero = e.Fichero(QStringLiteral("motor.wav"));
    if (!QFileInfo(fichero).isFile())
        return;
    const QUrl fuente = QUrl::fromLocalFile(fichero);
    // Kept with the shared state: a sound effect stops when destroyed.
    auto *efecto = dynamic_cast<EfectoMotor *>(e.Sonido.get());
    if (!efecto || efecto->Efecto().source() != fuente) {
        e.Sonido.reset();
        e.Sonido = std::make_unique<EfectoMotor>(fuente);
        efecto = static_cast<EfectoMotor *>(e.Sonido.get());
    }
    efecto->Efecto().play();
}

InstanciaUnica::InstanciaUnica(const QString &nombre, const QString &carpeta)
{
    QString donde = carpeta;
    if (donde.isEmpty())
        donde = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (donde.isEmpty())
        donde = QDir::tempPath();
    QDir().mkpath(donde);
    ruta_ = QDir(donde).filePath(nombre + QStringLiteral(".lock"));
    candado_ = std::make_unique<QLockFile>(ruta_);
}

InstanciaUnica::~InstanciaUnica() = default;

namespace {

// Whether the program that wrote the lock still runs. A lock of another
// machine cannot be checked and counts as running; one that cannot be read
// names no program.
bool DuenoVivo(const QLockFile &candado)
{
    qint64 pid = 0;
    QString maquina;
    QString programa;
    if (!candado.getLockInfo(&pid, &maquina, &programa) || pid <= 0)
        return false;
    if (!maquina.isEmpty() && maquina != QSysInfo::machineHostName())
        return true;
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace

InstanciaUnica::Resultado InstanciaUnica::Adquirir()
{
    motivo_.clear();
    // Never stale by age (the first instance may run for hours); a lock whose
    // program is no longer running is still recognised as stale and taken over.
    candado_->setStaleLockTime(0);
    errno = 0;
    if (candado_->tryLock(0))
        return Resultado::Propia;
    const int sistema = errno;
    // Only a lock that a live program holds means another copy is running.
    // A lock that cannot be written, or a dead program's lock that cannot be
    // taken over (a full disk), says nothing about other copies.
    if (candado_->error() == QLockFile::LockFailedError && DuenoVivo(*candado_))
        return Resultado::OtraEnMarcha;
    QString razon;
    if (sistema != 0 && sistema != EEXIST)
        razon = QString::fromLocal8Bit(std::strerror(sistema));
    else if (candado_->error() == QLockFile::LockFailedError)
        razon = QStringLiteral("lo dejó un programa que ya no funciona y no se puede quitar");
    else if (candado_->error() == QLockFile::PermissionError)
        razon = QStringLiteral("permiso denegado");
    else
        razon = QStringLiteral("error desconocido");
    motivo_ = QDir::toNativeSeparators(ruta_) + QStringLiteral(": ") + razon;
    return Resultado::SinCandado;
}

} // namespace norvela
