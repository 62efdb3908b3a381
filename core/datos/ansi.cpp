#include "ansi.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace norvela {

// Qt's ICU-backed converters. One of each per thread, reset before use:
// opening a converter costs far more than converting a line.
QString DesdeAnsi(std::string_view bytes)
{
    thread_local QStringDecoder decodificador("windows-1252");
    decodificador.resetState();
    return decodificador.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string HaciaAnsi(const QString &texto)
{
    thread_local QStringEncoder codificador("windows-1252");
    codificador.resetState();
    const QByteArray bytes = codificador.encode(texto);
    std::string resultado(bytes.constData(), static_cast<size_t>(bytes.size()));
    // ICU writes its substitute byte (SUB, 0x1A) for a character the code
    // page cannot hold; our texts show '?' instead.
    if (codificador.hasError())
        std::replace(resultado.begin(), resultado.end(), '\x1a', '?');
    return resultado;
}

} // namespace norvela
