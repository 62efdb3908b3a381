#include "abrir_enlace.h"

#include "direcciones.h"
#include "errores.h"
#include "mensajes.h"
#include "textos_propios.h"

#include <QDesktopServices>

namespace norvela {

namespace {

Mensajes *avisos = nullptr;

} // namespace

void AvisarEnlacesFallidosCon(Mensajes *mensajes)
{
    avisos = mensajes;
}

bool AbrirDireccion(const QUrl &url, const QString &rutaDatos)
{
    if (!DireccionPermitida(url, rutaDatos)) {
        // A document of the data folder that is not a PDF there is damage:
        // told like a missing file.
        if (avisos && url.isLocalFile())
            avisos->Aviso(TextoFaltaFichero(url.toLocalFile()));
        return false;
    }
    if (QDesktopServices::openUrl(url))
        return true;
    if (avisos)
        avisos->Aviso(TextoPropio(Propio::NoSePuedeAbrir)
                          .arg(url.isLocalFile() ? url.toLocalFile() : url.toString()));
    return false;
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
