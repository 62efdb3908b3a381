#include "direcciones.h"

#include <QDir>
#include <QFileInfo>

namespace norvela {

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
    // were inside the data folder is refused.
    const QFileInfo fichero(url.toLocalFile());
    const QString datos = QFileInfo(rutaDatos).canonicalFilePath();
    const QString ruta = fichero.canonicalFilePath();
    if (datos.isEmpty() || ruta.isEmpty() || !fichero.isFile())
        return false;
    return ruta.startsWith(QDir(datos).absolutePath() + u'/');
}

} // namespace norvela
