#include "direcciones.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace norvela {

namespace {

// A PDF document starts with these bytes, whatever its name says.
bool EsPdf(const QString &ruta)
{
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) && fichero.read(4) == "%PDF";
}

} // namespace

bool DireccionPermitida(const QUrl &url, const QString &rutaDatos)
{
    if (!url.isValid() || url.isEmpty())
        return false;
    const QString esquema = url.scheme().toLower();
    if (esquema == u"http" || esquema == u"https")
        return !url.host().isEmpty() && url.userInfo().isEmpty();
    if (!url.isLocalFile() || rutaDatos.isEmpty())
        return false;
    // Links and ".." are resolved first, so a path that only looks as if it
    // were one of the documents is refused.
    const QFileInfo fichero(url.toLocalFile());
    const QString datos = QFileInfo(rutaDatos).canonicalFilePath();
    const QString ruta = fichero.canonicalFilePath();
    if (datos.isEmpty() || ruta.isEmpty() || !fichero.isFile())
        return false;
    const QString carpeta = QFileInfo(ruta).path();
    const QString pdf = QDir(datos).filePath(QStringLiteral("pdf"));
    if (carpeta != pdf && carpeta != pdf + QStringLiteral("/est"))
        return false;
    return EsPdf(ruta);
}

} // namespace norvela
