#include "estadisticas_familia.h"

#include "errores.h"
#include "numeros.h"

#include <algorithm>

namespace norvela {

namespace {

bool EsBlancoOControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

[[noreturn]] void Demasiadas(const QString &fichero, int linea)
{
    throw ErrorRango(fichero, linea, QStringLiteral("demasiadas líneas"));
}

} // namespace

std::string Recortado(std::string_view s)
{
    size_t a = 0;
    size_t b = s.size();
    while (a < b && EsBlancoOControl(s[a]))
        ++a;
    while (b > a && EsBlancoOControl(s[b - 1]))
        --b;
    return std::string(s.substr(a, b - a));
}

ListaEstFP LeerFPEstadistica(const std::vector<std::string> &lineas, const QString &fichero)
{
    ListaEstFP l;
    int familia = 0;
    int k = 0;
    for (const std::string &original : lineas) {
        std::string linea = Recortado(original);
        if (linea.empty() || linea.rfind("-!", 0) == 0)
            break;
        ++k;
        if (k > kCapacidadEstadistica)
            Demasiadas(fichero, k);
        if (linea.rfind("-|", 0) == 0)
            linea.erase(1, 1);
        if (linea[0] == '-')
            ++familia;
        l.EstFP.push_back(std::move(linea));
        l.FamiliaDeLinea.push_back(familia);
    }
    // Every line before the stop is a title row, whatever the stop was: the
    // last title of a file without the sports section is not lost.
    l.NumEstFP = k;
    return l;
}

std::vector<std::string> LeerListaEstadistica(const std::vector<std::string> &lineas, const QString &fichero)
{
    std::vector<std::string> lista{std::string()};
    int k = 0;
    for (const std::string &original : lineas) {
        std::string linea = Recortado(original);
        if (linea.empty())
            break;
        ++k;
        if (k > kCapacidadEstadistica)
            Demasiadas(fichero, k);
        lista.push_back(std::move(linea));
    }
    return lista;
}

std::optional<int> Centesimas(std::string_view campo)
{
    const std::string s = Recortado(campo);
    if (s.empty())
        return std::nullopt;
    int enteros = 0;
    int decimales = 0;
    int cifrasDecimales = 0;
    bool coma = false;
    bool alguna = false;
    for (const char c : s) {
        if (c == '.' || c == ',') {
            if (coma)
                return std::nullopt;
            coma = true;
        } else if (c >= '0' && c <= '9') {
            alguna = true;
            if (!coma) {
                enteros = enteros * 10 + (c - '0');
            } else if (++cifrasDecimales <= 2) {
                decimales = decimales * 10 + (c - '0');
            } else if (cifrasDecimales == 3 && c >= '5') {
                ++decimales;   // a third decimal rounds the hundredths
            }
        } else {
            return std::nullopt;
        }
        if (enteros > 100000)
            return std::nullopt;
    }
    if (!alguna)
        return std::nullopt;
    if (cifrasDecimales == 1)
        decimales *= 10;
    return enteros * 100 + decimales;
}

int Decimas(int centesimas)
{
    return centesimas >= 0 ? (centesimas + 5) / 10 : -((-centesimas + 5) / 10);
}

std::string TextoUnDecimal(int decimas)
{
    const int absoluto = decimas < 0 ? -decimas : decimas;
    return (decimas < 0 ? "-" : "") + std::to_string(absoluto / 10) + '.' + std::to_string(absoluto % 10);
}

std::array<DatoFamilia, kFamiliasEstadistica + 1> DatosDeFamilias(const std::vector<std::string> &estDatos)
{
    std::array<DatoFamilia, kFamiliasEstadistica + 1> datos;
    for (int f = 1; f <= kFamiliasEstadistica; ++f) {
        if (f >= static_cast<int>(estDatos.size()))
            break;
        DatoFamilia &d = datos[static_cast<size_t>(f)];
        const std::string &linea = estDatos[static_cast<size_t>(f)];
        d.conLinea = true;
        d.textoEstudios = Recortado(Columnas(linea, 1, 5));
        d.textoEmpleo = Recortado(Columnas(linea, 6, 10));
        d.estudios = Centesimas(d.textoEstudios);
        d.empleo = Centesimas(d.textoEmpleo);
    }
    return datos;
}

std::vector<int> CentrosPorTitulo(const std::array<TablaEnteros, 4> &ofertas, const std::array<int, 4> &numCentros,
                                  int numTitulos)
{
    std::vector<int> cuenta(static_cast<size_t>(std::max(numTitulos, 0)) + 1, 0);
    for (size_t b = 0; b < ofertas.size(); ++b) {
        const TablaEnteros &t = ofertas[b];
        const int ultimaFila = std::min(numCentros[b], t.FilaUltima());
        for (int fila = std::max(1, t.FilaPrimera()); fila <= ultimaFila; ++fila) {
            const int n = std::min(t.En(fila, t.ColPrimera()), t.ColUltima() - t.ColPrimera());
            for (int j = 1; j <= n; ++j) {
                const int titulo = t.En(fila, t.ColPrimera() + j);
                if (titulo >= 1 && titulo <= numTitulos)
                    ++cuenta[static_cast<size_t>(titulo)];
            }
        }
    }
    return cuenta;
}

} // namespace norvela
