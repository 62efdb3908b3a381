// The program's entry: the application object, the shared data, one running
// instance, the screens, then the event loop.
#include "aplicacion.h"
#include "arranque.h"
#include "enlace.h"
#include "hintU.h"
#include "mensajes_pantalla.h"
#include "plataforma.h"

#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <memory>

using namespace norvela;

namespace {

// NORVELA_MSG_LOG sends every message to a file instead of a box, answering
// questions with NORVELA_MSG_ANSWER ("yes" or "no"): for unattended runs.
std::unique_ptr<Mensajes> CrearMensajes()
{
    const QString registro = qEnvironmentVariable("NORVELA_MSG_LOG");
    if (registro.isEmpty())
        return std::make_unique<MensajesPantalla>();
    return std::make_unique<MensajesEnFichero>(registro, qEnvironmentVariable("NORVELA_MSG_ANSWER") == "yes");
}

// NORVELA_TRACE names a file that hears the start-up steps.
std::function<void(const QString &)> CrearTraza()
{
    const QString fichero = qEnvironmentVariable("NORVELA_TRACE");
    if (fichero.isEmpty())
        return {};
    return [fichero](const QString &paso) {
        QFile f(fichero);
        if (f.open(QIODevice::Append))
            f.write(paso.toUtf8() + '\n');
    };
}

} // namespace

int main(int argc, char **argv)
{
    Aplicacion app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvela"));
    QApplication::setApplicationDisplayName(QStringLiteral("Norvela"));
    // The main window's close ends the program; hidden screens do not count.
    QApplication::setQuitOnLastWindowClosed(false);
    // The balloon hints; the windows' look comes with the welcome window.
    GestorHints::Instancia().Instalar(app);
    const auto mensajes = CrearMensajes();
    app.PonerMensajes(mensajes.get());

    Enlace enlace(*mensajes);
    OpcionesInicio opciones;
    opciones.rutaPrograma = QApplication::applicationDirPath();
    opciones.argumentos = QApplication::arguments().mid(1);
    opciones.carpetaUsuario = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    Inicializar(enlace, opciones);

    InstanciaUnica instancia;
    switch (instancia.Adquirir()) {
    case InstanciaUnica::Resultado::Propia:
        break;
    case InstanciaUnica::Resultado::OtraEnMarcha:
        mensajes->Aviso(QStringLiteral("¡¡ El Norvela ya está funcionando !!\n Mira en la barra de tareas..."));
        return 0;
    case InstanciaUnica::Resultado::SinCandado:
        // A full disk must not keep a student out: say what failed, then
        // start without the guard against a second copy.
        mensajes->Aviso(QStringLiteral("No se puede crear el fichero de bloqueo %1.\n"
                                       " El Norvela se abre sin comprobar si ya está funcionando.")
                            .arg(instancia.Motivo()));
        break;
    }
    if (enlace.ErrorFicheros)
        return 1;

    // The screens (and their timers) go before the shared data they read:
    // they live inside the protected block, which an error leaves cleanly.
    const auto pausa = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    const int resultado = Protegido(*mensajes, [&] {
        Arranque arranque(enlace, CrearTraza(), pausa);
        if (!arranque.CrearPantallas())
            return 1;
        pausa(1000);
        arranque.VentanaPrincipal()->show();
        return app.exec();
    });
    LiberarMemoria(enlace);
    return resultado;
}
