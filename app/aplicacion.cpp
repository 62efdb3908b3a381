#include "aplicacion.h"

#include "errores.h"
#include "mensajes.h"

namespace norvela {

Aplicacion::Aplicacion(int &argc, char **argv) : QApplication(argc, argv) {}

bool Aplicacion::notify(QObject *receptor, QEvent *evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const ErrorDatos &error) {
        if (mensajes_)
            mensajes_->Aviso(error.Mensaje());
    } catch (const std::exception &error) {
        if (mensajes_)
            mensajes_->Aviso(QStringLiteral("Error inesperado: ") + QString::fromUtf8(error.what()));
    }
    return false;
}

} // namespace norvela
