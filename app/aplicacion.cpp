#include "aplicacion.h"

#include "errores.h"
#include "mensajes.h"
#include "textos_propios.h"

#include <csignal>

namespace norvela {

Aplicacion::Aplicacion(int &argc, char **argv) : QApplication(argc, argv)
{
    // A write past the process's file-size limit would otherwise end the
    // program on the spot: ignored, the write fails and the user is told,
    // as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
}

QString MensajeDeError(const std::exception &error)
{
    if (const auto *datos = dynamic_cast<const ErrorDatos *>(&error))
        return datos->Mensaje();
    return TextoPropio(Propio::ErrorInesperado) + QStringLiteral(": ") + QString::fromUtf8(error.what());
}

bool Aplicacion::notify(QObject *receptor, QEvent *evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception &error) {
        if (mensajes_)
            mensajes_->Aviso(MensajeDeError(error));
    }
    return false;
}

int Protegido(Mensajes &mensajes, const std::function<int()> &cuerpo)
{
    try {
        return cuerpo();
    } catch (const std::exception &error) {
        mensajes.Aviso(MensajeDeError(error));
    } catch (...) {
        mensajes.Aviso(TextoPropio(Propio::ErrorInesperado));
    }
    return 1;
}

} // namespace norvela
