#include "errores.h"

#include <QFileInfo>
#include <string>

namespace norvela {

ErrorDatos::ErrorDatos(const QString &fichero, int linea, const QString &detalle)
    : std::runtime_error((fichero + ": " + detalle).toStdString()),
      fichero_(fichero), linea_(linea), detalle_(detalle)
{
}

QString ErrorDatos::Mensaje() const
{
    if (linea_ > 0)
        return QString("Error en el fichero %1, línea %2: %3").arg(fichero_).arg(linea_).arg(detalle_);
    return QString("Error en el fichero %1: %2").arg(fichero_, detalle_);
}

ErrorEntradaSalida::ErrorEntradaSalida(const QString &fichero)
    : ErrorDatos(fichero, 0, QStringLiteral("no se puede leer"))
{
}

ErrorFicheroVacio::ErrorFicheroVacio(const QString &fichero)
    : ErrorEntradaSalida(fichero, QStringLiteral("está vacío"))
{
}

QString ErrorFicheroVacio::Mensaje() const
{
    return TextoFaltaFichero(Fichero());
}

QString TextoFaltaFichero(const QString &ruta)
{
    return QStringLiteral("Faltan ficheros (") + ruta + QStringLiteral("). Vuelva a instalar el programa");
}

QString ConFichero(const QString &texto, const QString &ruta, int linea)
{
    if (linea > 0)
        return QStringLiteral("%1 (%2, línea %3)").arg(texto, ruta).arg(linea);
    return QStringLiteral("%1 (%2)").arg(texto, ruta);
}

bool ListaCorta(int lineas, int capacidad, int valor)
{
    return lineas >= 1 && valor > lineas && valor <= capacidad;
}

QString DetalleListaCorta(int lineas, const QString &fichero, int linea, int valor)
{
    return QStringLiteral("tiene %1 líneas, pero \"%2\" (línea %3) pide la línea %4")
        .arg(lineas)
        .arg(QFileInfo(fichero).fileName())
        .arg(linea)
        .arg(valor);
}

ErrorIndice::ErrorIndice(int indice, int primero, int ultimo)
    : std::out_of_range("index " + std::to_string(indice) + " outside " + std::to_string(primero) + ".."
                        + std::to_string(ultimo))
{
}

} // namespace norvela
