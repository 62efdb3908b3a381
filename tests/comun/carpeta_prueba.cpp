#include "carpeta_prueba.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>
#include <stdexcept>

namespace norvela::pruebas {

const char *const kImagenes[12] = {"chica.bmp", "parte", "heli.bmp", "mapa",   "mapac",       "mapam",
                                   "suelo",     "marcod", "marcoi",   "marcoar", "rotulon.bmp", "imagen"};

CarpetaPrueba::CarpetaPrueba(const QString &fixture, bool completa)
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    const QString origen = QStringLiteral(NORVELA_FIXTURES) + '/' + fixture;
    QDir().mkpath(Datos());
    QDirIterator it(origen, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        const QString destino = Ruta(QDir(origen).relativeFilePath(ruta));
        QDir().mkpath(QFileInfo(destino).absolutePath());
        QFile::copy(ruta, destino);
    }
    if (completa) {
        EscribirImagenes();
        EscribirPuntos(ValorPorDefecto);
    }
}

void CarpetaPrueba::EscribirLineas(const QString &relativa, const std::vector<std::string> &lineas) const
{
    QByteArray bytes;
    for (const std::string &l : lineas)
        bytes += QByteArray(l.data(), static_cast<qsizetype>(l.size())) + "\r\n";
    EscribirBytes(relativa, bytes);
}

void CarpetaPrueba::EscribirBytes(const QString &relativa, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(Ruta(relativa)).absolutePath());
    QFile f(Ruta(relativa));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
}

void CarpetaPrueba::Borrar(const QString &relativa) const
{
    QFile::remove(Ruta(relativa));
}

void CarpetaPrueba::EscribirImagenes() const
{
    for (const char *nombre : kImagenes) {
        const QString n = QString::fromLatin1(nombre);
        const QSize tam = n == "mapa" ? QSize(281, 196) : n.startsWith("mapa") ? QSize(281, 220) : QSize(8, 8);
        QImage im(tam, QImage::Format_RGB32);
        im.fill(Qt::white);
        if (!im.save(Ruta(n), "BMP"))
            throw std::runtime_error("cannot write a test picture");
    }
}

int32_t CarpetaPrueba::ValorPorDefecto(int x, int k)
{
    // Communities in vertical bands, districts and zones in other patterns.
    if (k <= 196)
        return 1 + (x - 1) % 19;
    if (k <= 416)
        return 1 + (k - 197) % 41;
    return 1 + (x + k) % 28;
}

void CarpetaPrueba::EscribirPuntos(const std::function<int32_t(int x, int k)> &valor) const
{
    QByteArray bytes(281 * 636 * 4, '\0');
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    for (int x = 1; x <= 281; ++x)
        for (int k = 1; k <= 636; ++k)
            qToLittleEndian<qint32>(valor(x, k), p + 4 * ((x - 1) * 636 + (k - 1)));
    EscribirBytes(QStringLiteral("puntos3"), bytes);
}

} // namespace norvela::pruebas
