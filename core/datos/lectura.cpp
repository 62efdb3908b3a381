#include "lectura.h"

#include "errores.h"

#include <QFile>

namespace norvela {

std::optional<std::vector<std::string>> LeerLineas(const QString &ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = fichero.readAll();
    if (fichero.error() != QFileDevice::NoError)
        return std::nullopt;

    std::vector<std::string> lineas;
    qsizetype inicio = 0;
    while (inicio < bytes.size()) {
        qsizetype fin = bytes.indexOf('\n', inicio);
        const qsizetype siguiente = fin < 0 ? bytes.size() : fin + 1;
        if (fin < 0)
            fin = bytes.size();
        std::string linea(bytes.constData() + inicio, static_cast<size_t>(fin - inicio));
        if (!linea.empty() && linea.back() == '\r')
            linea.pop_back();
        lineas.push_back(std::move(linea));
        inicio = siguiente;
    }
    return lineas;
}

std::vector<std::string> LeerLineasObligatorio(const QString &ruta)
{
    auto lineas = LeerLineas(ruta);
    if (!lineas)
        throw ErrorEntradaSalida(ruta);
    return std::move(*lineas);
}

} // namespace norvela
