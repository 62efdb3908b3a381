#include "lectura.h"

#include "errores.h"

#include <QFile>

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

// Bytes of a continuation of a UTF-8 sequence: 10xxxxxx.
bool Continuacion(const unsigned char *p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if ((p[i] & 0xC0) != 0x80)
            return false;
    return true;
}

// True when the bytes hold some above 127 and read as UTF-8 throughout. Real
// Windows-1252 text with accents almost never does (an accented letter is
// one byte, not a lead byte followed by continuations), so such a file was
// saved again by some editor and its accents would show as two characters.
bool EsUtf8ConAcentos(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    bool alto = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        alto = true;
        // Lead bytes C2..F4; overlong forms and surrogates are not UTF-8.
        qsizetype largo = 0;
        unsigned char minimo = 0x80, maximo = 0xBF;
        if (c >= 0xC2 && c <= 0xDF)
            largo = 2;
        else if (c >= 0xE0 && c <= 0xEF) {
            largo = 3;
            minimo = c == 0xE0 ? 0xA0 : 0x80;
            maximo = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            largo = 4;
            minimo = c == 0xF0 ? 0x90 : 0x80;
            maximo = c == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (i + largo > n || p[i + 1] < minimo || p[i + 1] > maximo || !Continuacion(p + i + 2, largo - 2))
            return false;
        i += largo;
    }
    return alto;
}

// CR LF, LF and a CR alone all end a line: an editor that saves with any of
// them leaves the same lines. A final line end starts no further line.
std::vector<std::string> PartirLineas(const QString &ruta, const QByteArray &bytes)
{
    if (EsUtf8ConAcentos(bytes))
        throw ErrorDatos(ruta, 0, QStringLiteral("está guardado en UTF-8 y los ficheros de datos van en Windows-1252"));
    std::vector<std::string> lineas;
    const char *p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != '\r' && p[i] != '\n')
            continue;
        lineas.emplace_back(p + inicio, static_cast<size_t>(i - inicio));
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        lineas.emplace_back(p + inicio, static_cast<size_t>(n - inicio));
    return lineas;
}

} // namespace

std::optional<std::vector<std::string>> LeerLineas(const QString &ruta)
{
    const auto bytes = LeerBytes(ruta);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return PartirLineas(ruta, *bytes);
}

std::vector<std::string> LeerLineasObligatorio(const QString &ruta)
{
    const auto bytes = LeerBytes(ruta);
    if (!bytes)
        throw ErrorEntradaSalida(ruta);
    if (bytes->isEmpty())
        throw ErrorFicheroVacio(ruta);
    return PartirLineas(ruta, *bytes);
}

} // namespace norvela
