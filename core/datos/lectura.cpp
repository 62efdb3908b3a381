#include "lectura.h"

#include "errores.h"

#include <QFile>
#include <algorithm>

namespace norvela {

namespace {

std::optional<QByteArray> LeerBytes(const QString &ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::vector<std::string> PartirLineas(const QByteArray &bytes)
{
    std::vector<std::string> lineas;
    qsizetype finalesCR = 0;
    qsizetype inicio = 0;
    while (inicio < bytes.size()) {
        qsizetype fin = bytes.indexOf('\n', inicio);
        const qsizetype siguiente = fin < 0 ? bytes.size() : fin + 1;
        if (fin < 0)
            fin = bytes.size();
        std::string linea(bytes.constData() + inicio, static_cast<size_t>(fin - inicio));
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
            ++finalesCR;
        }
        lineas.push_back(std::move(linea));
        inicio = siguiente;
    }
    // A CR is never part of a text: neither the one before the LF nor a
    // stray one inside a line. Strays are rare, so one count over the whole
    // file tells whether any line needs a second look.
    if (std::count(bytes.cbegin(), bytes.cend(), '\r') != finalesCR)
        for (std::string &linea : lineas)
            std::erase(linea, '\r');
    return lineas;
}

} // namespace

std::optional<std::vector<std::string>> LeerLineas(const QString &ruta)
{
    const auto bytes = LeerBytes(ruta);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return PartirLineas(*bytes);
}

std::vector<std::string> LeerLineasObligatorio(const QString &ruta)
{
    const auto bytes = LeerBytes(ruta);
    if (!bytes)
        throw ErrorEntradaSalida(ruta);
    if (bytes->isEmpty())
        throw ErrorFicheroVacio(ruta);
    return PartirLineas(*bytes);
}

} // namespace norvela
