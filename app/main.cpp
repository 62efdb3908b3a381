// Start-up: the application object, then the shared data, then the screens.
#include "aplicacion.h"
#include "enlace.h"
#include "mensajes_pantalla.h"

#include <QStandardPaths>
#include <QWidget>
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

} // namespace

int main(int argc, char **argv)
{
    Aplicacion app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("norvela"));
    QApplication::setApplicationDisplayName(QStringLiteral("Norvela"));
    const auto mensajes = CrearMensajes();
    app.PonerMensajes(mensajes.get());

    Enlace enlace(*mensajes);
    OpcionesInicio opciones;
    opciones.rutaPrograma = QApplication::applicationDirPath();
    opciones.argumentos = QApplication::arguments().mid(1);
    opciones.carpetaUsuario = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    Inicializar(enlace, opciones);
    if (enlace.ErrorFicheros)
        return 1;

    QWidget principal;
    principal.setWindowTitle(QStringLiteral("Norvela"));
    principal.setFixedSize(1024, 768);
    principal.show();

    const int resultado = app.exec();
    LiberarMemoria(enlace);
    return resultado;
}
