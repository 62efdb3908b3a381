#include "abrir_enlace.h"

#include "direcciones.h"

#include <QDesktopServices>

namespace norvela {

bool AbrirDireccion(const QUrl &url, const QString &rutaDatos)
{
    if (!DireccionPermitida(url, rutaDatos))
        return false;
    return QDesktopServices::openUrl(url);
}

bool AbrirFichero(const QString &ruta, const QString &rutaDatos)
{
    return AbrirDireccion(QUrl::fromLocalFile(ruta), rutaDatos);
}

bool AbrirWeb(const QString &direccion, const QString &rutaDatos)
{
    const QString limpia = direccion.trimmed();
    QUrl url(limpia, QUrl::StrictMode);
    if (url.scheme().isEmpty())
        url = QUrl(QStringLiteral("http://") + limpia, QUrl::StrictMode);
    // Only web pages here: a "file:" address from a data file is not opened.
    if (url.isLocalFile())
        return false;
    return AbrirDireccion(url, rutaDatos);
}

} // namespace norvela
