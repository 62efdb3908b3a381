#include "mapa_regiones.h"

#include <QFile>
#include <QtEndian>

namespace norvela {

MapaBytes::MapaBytes(int ancho, int alto)
    : ancho_(ancho), alto_(alto), bytes_(static_cast<size_t>((ancho + 1) * (alto + 1)))
{
}

uint8_t MapaBytes::Valor(int x, int y) const
{
    if (x < 1 || x > ancho_ || y < 1 || y > alto_)
        return 0;
    return bytes_[static_cast<size_t>(x * (alto_ + 1) + y)];
}

void MapaBytes::Poner(int x, int y, uint8_t v)
{
    if (x < 1 || x > ancho_)
        throw ErrorIndice(x, 1, ancho_);
    if (y < 1 || y > alto_)
        throw ErrorIndice(y, 1, alto_);
    bytes_[static_cast<size_t>(x * (alto_ + 1) + y)] = v;
}

void MapaBytes::Liberar()
{
    bytes_.clear();
    bytes_.shrink_to_fit();
    ancho_ = alto_ = 0;
}

std::optional<std::vector<int32_t>> CargarPuntos(const QString &fichero)
{
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(kBytesPuntos);
    if (bytes.size() != kBytesPuntos)
        return std::nullopt;
    std::vector<int32_t> puntos(static_cast<size_t>(kPuntosFilas * kPuntosValores));
    const auto *datos = reinterpret_cast<const uchar *>(bytes.constData());
    for (size_t i = 0; i < puntos.size(); ++i)
        puntos[i] = qFromLittleEndian<qint32>(datos + 4 * i);
    return puntos;
}

bool DividirPuntos(const std::vector<int32_t> &puntos, MapaBytes &comunidades, MapaBytes &regionesC,
                   MapaBytes &regionesM)
{
    if (puntos.size() != static_cast<size_t>(kPuntosFilas * kPuntosValores))
        return false;
    for (int32_t v : puntos)
        if (v < 0 || v > 255)
            return false;
    auto valor = [&](int x, int k) { return static_cast<uint8_t>(puntos[static_cast<size_t>((x - 1) * kPuntosValores + (k - 1))]); };
    for (int x = 1; x <= kPuntosFilas; ++x) {
        for (int y = 1; y <= kAltoMapa; ++y)
            comunidades.Poner(x, y, valor(x, y));
        for (int y = 1; y <= kAltoMapaDetalle; ++y) {
            regionesC.Poner(x, y, valor(x, kAltoMapa + y));
            regionesM.Poner(x, y, valor(x, kAltoMapa + kAltoMapaDetalle + y));
        }
    }
    return true;
}

void IniciarPuntosMapa(TablaValores<int> &x, TablaValores<int> &y)
{
    static constexpr int kX[kNumComunidades] = {102, 156, 82, 221, 204, 111, 128, 100, 188, 77,
                                                58, 131, 114, 148, 143, 160, 130, 83, 136};
    static constexpr int kY[kNumComunidades] = {141, 73, 41, 100, 162, 42, 108, 68, 64, 111,
                                                49, 60, 89, 133, 52, 107, 47, 171, 174};
    for (int c = 1; c <= kNumComunidades; ++c) {
        x[c] = kX[c - 1];
        y[c] = kY[c - 1];
    }
}

void IniciarCodigosProvincia(TablaTexto &codigos)
{
    static constexpr const char *kCodigos[64] = {
        "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
        "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
        "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
        "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32",
    };
    for (int i = 1; i <= 64; ++i)
        codigos.Poner(i, kCodigos[i - 1]);
}

} // namespace norvela
