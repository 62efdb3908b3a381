// The region model: which community lies under each pixel of the map of
// Spain, which district under each pixel of the Catalonia map and which zone
// under each pixel of the Madrid map, read from the binary file "puntos3";
// the marker point of each community; the province codes of the FP screens.
#pragma once

#include "tablas.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace norvela {

// Bytes [1..ancho][1..alto], indexed [X][Y] with the raw mouse coordinates
// of the picture (so index X is pixel column X).
class MapaBytes {
public:
    MapaBytes(int ancho, int alto);

    // The value at (x, y); 0 outside 1..ancho x 1..alto.
    uint8_t Valor(int x, int y) const;
    void Poner(int x, int y, uint8_t v);

    int Ancho() const { return ancho_; }
    int Alto() const { return alto_; }
    void Liberar();

private:
    int ancho_;
    int alto_;
    std::vector<uint8_t> bytes_;
};

constexpr int kNumComunidades = 19;
constexpr int kPuntosFilas = 281;       // X = 1..281
constexpr int kPuntosValores = 636;     // 196 + 220 + 220 values a row
constexpr int kAltoMapa = 196;
constexpr int kAltoMapaDetalle = 220;
constexpr qint64 kBytesPuntos = qint64(kPuntosFilas) * kPuntosValores * 4;   // 714864

// The first 714864 bytes of "puntos3": 281 rows of 636 little-endian signed
// 32-bit integers, row-major. nullopt when the file cannot be read or is shorter.
std::optional<std::vector<int32_t>> CargarPuntos(const QString &fichero);

// Splits the values of "puntos3" into the three maps. False, leaving the maps
// as they were, when a value lies outside 0..255.
bool DividirPuntos(const std::vector<int32_t> &puntos, MapaBytes &comunidades, MapaBytes &regionesC,
                   MapaBytes &regionesM);

// The marker point of each community 1..19, in map picture coordinates.
void IniciarPuntosMapa(TablaValores<int> &x, TablaValores<int> &y);

// The 64 two-character province codes: group digit 1..4, then the province
// within its group.
void IniciarCodigosProvincia(TablaTexto &codigos);

} // namespace norvela
