// Draws the three region maps of the data folder (mapa, mapac, mapam) from
// the committed label grids, and writes puntos3, the label the program looks
// up under the mouse for each picture.
//
// usage: dibujar_mapas <grid folder> <data folder>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kAncho = 281;
constexpr int kMaxEtiqueta = 61;
constexpr int kComunidadCanarias = 5;

// The program's own background, so the pictures sit seamlessly on screen.
const QColor kMar(223, 236, 249);
const QColor kMarcoRecuadro(150, 170, 195);

struct Rejilla {
    int ancho = 0;
    int alto = 0;
    std::vector<uint8_t> v; // row-major labels

    int at(int x, int y) const { return v[static_cast<size_t>(y) * ancho + x]; }
};

int valorCaracter(char c)
{
    if (c == '.')
        return 0;
    if (c >= '1' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 36;
    return -1;
}

Rejilla leerRejilla(const QString &fichero, int alto)
{
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + fichero.toStdString());
    const QByteArray todo = f.readAll();
    Rejilla g{kAncho, alto, {}};
    g.v.reserve(static_cast<size_t>(kAncho) * alto);
    QList<QByteArray> lineas = todo.split('\n');
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast(); // the final newline ends the last line
    if (lineas.size() != alto)
        throw std::runtime_error(fichero.toStdString() + ": " + std::to_string(lineas.size()) + " lines, expected "
                                 + std::to_string(alto));
    int fila = 0;
    for (QByteArray linea : lineas) {
        if (linea.endsWith('\r'))
            linea.chop(1);
        if (linea.size() != kAncho)
            throw std::runtime_error(fichero.toStdString() + ": line " + std::to_string(fila + 1) + " has "
                                     + std::to_string(linea.size()) + " characters, expected "
                                     + std::to_string(kAncho));
        for (int x = 0; x < kAncho; ++x) {
            const int valor = valorCaracter(linea[x]);
            if (valor < 0)
                throw std::runtime_error(fichero.toStdString() + ": bad character '" + linea[x] + "' at line "
                                         + std::to_string(fila + 1) + ", column " + std::to_string(x + 1));
            g.v.push_back(static_cast<uint8_t>(valor));
        }
        ++fila;
    }
    return g;
}

// Soft pastels, distinct enough that neighbours never look alike.
const std::array<QColor, 10> kPaleta = {
    QColor(246, 200, 170), QColor(186, 222, 178), QColor(250, 232, 160), QColor(200, 190, 230),
    QColor(170, 214, 222), QColor(244, 186, 204), QColor(214, 230, 160), QColor(232, 204, 150),
    QColor(180, 200, 238), QColor(226, 196, 226),
};

// Greedy colouring of the region adjacency graph: each region takes the
// least-used palette colour that none of its already coloured neighbours has.
std::map<int, QColor> colorea(const Rejilla &g)
{
    std::map<int, std::set<int>> vecinos;
    std::set<int> etiquetas;
    for (int y = 0; y < g.alto; ++y) {
        for (int x = 0; x < g.ancho; ++x) {
            const int a = g.at(x, y);
            if (a == 0)
                continue;
            etiquetas.insert(a);
            // Diagonals too, and two pixels away, so regions meeting at a
            // corner or across a border line still differ.
            for (int dy = 0; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    if (dy == 0 && dx <= 0)
                        continue;
                    const int xx = x + dx, yy = y + dy;
                    if (xx < 0 || xx >= g.ancho || yy >= g.alto)
                        continue;
                    const int b = g.at(xx, yy);
                    if (b != 0 && b != a) {
                        vecinos[a].insert(b);
                        vecinos[b].insert(a);
                    }
                }
            }
        }
    }
    // A tiny region (Ceuta, Melilla, a small zone) must not share a colour
    // with anything near it either, or it reads as part of it.
    std::map<int, int> pixeles;
    for (uint8_t v : g.v)
        ++pixeles[v];
    constexpr int kPequena = 100, kRadio = 12;
    for (int y = 0; y < g.alto; ++y) {
        for (int x = 0; x < g.ancho; ++x) {
            const int a = g.at(x, y);
            if (a == 0 || pixeles[a] >= kPequena)
                continue;
            for (int yy = std::max(0, y - kRadio); yy <= std::min(g.alto - 1, y + kRadio); ++yy) {
                for (int xx = std::max(0, x - kRadio); xx <= std::min(g.ancho - 1, x + kRadio); ++xx) {
                    const int b = g.at(xx, yy);
                    if (b != 0 && b != a) {
                        vecinos[a].insert(b);
                        vecinos[b].insert(a);
                    }
                }
            }
        }
    }
    // Most constrained first, so the palette always suffices.
    std::vector<int> orden(etiquetas.begin(), etiquetas.end());
    std::stable_sort(orden.begin(), orden.end(),
                     [&](int a, int b) { return vecinos[a].size() > vecinos[b].size(); });
    std::map<int, int> indice;
    std::array<int, kPaleta.size()> usos{};
    for (int r : orden) {
        int elegido = -1;
        for (size_t c = 0; c < kPaleta.size(); ++c) {
            const bool libre = std::none_of(vecinos[r].begin(), vecinos[r].end(), [&](int n) {
                const auto it = indice.find(n);
                return it != indice.end() && it->second == static_cast<int>(c);
            });
            if (libre && (elegido < 0 || usos[c] < usos[elegido]))
                elegido = static_cast<int>(c);
        }
        if (elegido < 0)
            throw std::runtime_error("palette too small for region " + std::to_string(r));
        indice[r] = elegido;
        ++usos[elegido];
    }
    std::map<int, QColor> colores;
    for (const auto &[r, c] : indice)
        colores[r] = kPaleta[c];
    return colores;
}

QImage dibujar(const Rejilla &g, bool recuadroCanarias)
{
    const auto colores = colorea(g);
    QImage img(g.ancho, g.alto, QImage::Format_RGB888);
    img.fill(kMar);
    for (int y = 0; y < g.alto; ++y) {
        for (int x = 0; x < g.ancho; ++x) {
            const int r = g.at(x, y);
            if (r == 0)
                continue;
            // One-pixel lines: a coast is drawn on the land side, a border
            // between two regions on the side of the higher label.
            bool borde = false;
            const int dx[] = {1, -1, 0, 0};
            const int dy[] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                const int xx = x + dx[k], yy = y + dy[k];
                if (xx < 0 || yy < 0 || xx >= g.ancho || yy >= g.alto)
                    continue;
                const int s = g.at(xx, yy);
                if (s != r && (s == 0 || r > s))
                    borde = true;
            }
            const QColor c = colores.at(r);
            img.setPixelColor(x, y, borde ? c.darker(175) : c);
        }
    }
    if (recuadroCanarias) {
        // The Canary Islands sit in an inset: frame it, on sea pixels only.
        int x0 = g.ancho, y0 = g.alto, x1 = -1, y1 = -1;
        for (int y = 0; y < g.alto; ++y)
            for (int x = 0; x < g.ancho; ++x)
                if (g.at(x, y) == kComunidadCanarias) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        if (x1 >= 0) {
            x0 = std::max(0, x0 - 4);
            y0 = std::max(0, y0 - 4);
            x1 = std::min(g.ancho - 1, x1 + 4);
            y1 = std::min(g.alto - 1, y1 + 4);
            auto marca = [&](int x, int y) {
                if (g.at(x, y) == 0)
                    img.setPixelColor(x, y, kMarcoRecuadro);
            };
            for (int x = x0; x <= x1; ++x) {
                marca(x, y0);
                marca(x, y1);
            }
            for (int y = y0; y <= y1; ++y) {
                marca(x0, y);
                marca(x1, y);
            }
        }
    }
    return img;
}

void guardaBmp(const QImage &img, const QString &fichero)
{
    // No extension in the name: the format must be given explicitly.
    if (!img.save(fichero, "BMP"))
        throw std::runtime_error("cannot write " + fichero.toStdString());
}

// 281 rows (mouse X = 1..281) of 636 little-endian int32: the community map
// for Y = 1..196, then Catalonia and Madrid for Y = 1..220. The program uses
// raw mouse coordinates, so X and Y are clamped to the last pixel.
void escribirPuntos(const std::array<const Rejilla *, 3> &mapas, const QString &fichero)
{
    QByteArray datos;
    for (int X = 1; X <= kAncho; ++X) {
        const int x = std::min(X, kAncho - 1);
        for (const Rejilla *g : mapas) {
            for (int Y = 1; Y <= g->alto; ++Y) {
                const int y = std::min(Y, g->alto - 1);
                const uint32_t v = g->at(x, y);
                const char bytes[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff),
                                       char((v >> 24) & 0xff)};
                datos.append(bytes, 4);
            }
        }
    }
    QFile f(fichero);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(datos) != datos.size())
        throw std::runtime_error("cannot write " + fichero.toStdString());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <grid folder> <data folder>\n", argv[0]);
        return 2;
    }
    const QString rejillas = QString::fromLocal8Bit(argv[1]);
    const QString datos = QString::fromLocal8Bit(argv[2]);
    try {
        const Rejilla espana = leerRejilla(rejillas + "/comunidades.txt", 196);
        const Rejilla cataluna = leerRejilla(rejillas + "/catalunya.txt", 220);
        const Rejilla madrid = leerRejilla(rejillas + "/madrid.txt", 220);
        for (const Rejilla *g : {&espana, &cataluna, &madrid})
            if (*std::max_element(g->v.begin(), g->v.end()) > kMaxEtiqueta)
                throw std::runtime_error("label out of range");

        guardaBmp(dibujar(espana, true), datos + "/mapa");
        guardaBmp(dibujar(cataluna, false), datos + "/mapac");
        guardaBmp(dibujar(madrid, false), datos + "/mapam");
        escribirPuntos({&espana, &cataluna, &madrid}, datos + "/puntos3");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "dibujar_mapas: %s\n", e.what());
        return 1;
    }
    return 0;
}
