#include "cuestionario_gm.h"

#include "ansi.h"
#include "centros_fp.h"

#include <algorithm>
#include <iterator>

namespace norvela {

namespace {

constexpr int kAnchoInforme = 65;

bool Contiene(const std::vector<int> &v, int x)
{
    return std::find(v.begin(), v.end(), x) != v.end();
}

} // namespace

int CodigoOpcionGM(int opcion)
{
    return opcion == 10 ? 0 : opcion;
}

int IconoOpcionGM(int fila)
{
    // Indexed by row from 0, so row r (option r + 1) takes entry r: the
    // seventh and eighth options take icons 16 and 21, the others their own
    // row's. The list has eleven rows; the twelfth entry (icon 11) is for a
    // row it never shows.
    static constexpr int kIconos[] = {0, 1, 2, 3, 4, 5, 16, 21, 8, 9, 10, 11};
    return fila >= 0 && fila < static_cast<int>(std::size(kIconos)) ? kIconos[fila] : -1;
}

std::vector<int> LineasCoincidentesGM(const std::vector<int> &codigosMarcados, const std::vector<int> &codigo1,
                                      const std::vector<int> &codigo2)
{
    std::vector<int> lineas;
    const int n = static_cast<int>(std::min(codigo1.size(), codigo2.size()));
    for (int j = 1; j <= n; ++j)
        if (Contiene(codigosMarcados, codigo1[static_cast<size_t>(j - 1)]))
            lineas.push_back(j);
    for (int j = 1; j <= n; ++j) {
        const int c = codigo2[static_cast<size_t>(j - 1)];
        if (c != 0 && Contiene(codigosMarcados, c))
            lineas.push_back(j);
    }
    return lineas;
}

std::vector<int> TitulosDeLineasGM(const std::vector<int> &lineasMarcadas, const std::vector<std::array<int, 3>> &campos)
{
    std::vector<int> titulos;
    for (int linea : lineasMarcadas)
        for (size_t t = 0; t < campos.size(); ++t)
            for (int campo : campos[t])
                if (campo == linea && !Contiene(titulos, static_cast<int>(t) + 1))
                    titulos.push_back(static_cast<int>(t) + 1);
    return titulos;
}

int TituloEnFilaGM(const std::vector<int> &titulos, int fila)
{
    if (fila < 0 || fila >= static_cast<int>(titulos.size()))
        return 0;
    return titulos[static_cast<size_t>(fila)];
}

void InformeCuestionarioGM::Titulos(const std::vector<int> &numeros, const QStringList &nombres)
{
    titulos_ = nombres;
    std::erase_if(bloques_, [&numeros](const Bloque &b) { return !Contiene(numeros, b.titulo); });
}

void InformeCuestionarioGM::Centros(int titulo, int comunidad, const QString &nombre, const QStringList &filas)
{
    const auto b = std::find_if(bloques_.begin(), bloques_.end(), [&](const Bloque &x) {
        return x.titulo == titulo && x.comunidad == comunidad;
    });
    if (b == bloques_.end())
        bloques_.push_back({titulo, comunidad, nombre, filas});
    else
        *b = {titulo, comunidad, nombre, filas};
}

InformeCuestionarioGM::Resultado InformeCuestionarioGM::Construir(const Textos &t) const
{
    Resultado r;
    // A line longer than the report's width goes on on the next ones.
    const auto linea = [&r](const QString &s) {
        for (const std::string &l : LineasDosCampos(HaciaAnsi(s), kAnchoInforme, {}))
            r.lineas << DesdeAnsi(l);
    };
    const auto negrita = [&](const QString &s) {
        linea(s);
        r.negritas.push_back(static_cast<int>(r.lineas.size()));
    };
    negrita(t.meGusta);
    linea({});
    for (const QString &o : opciones_)
        linea(o);
    if (lineas_.isEmpty())
        return r;
    linea({});
    negrita(t.area);
    linea({});
    for (const QString &l : lineas_)
        linea(l);
    if (titulos_.isEmpty())
        return r;
    linea({});
    negrita(t.titulos);
    for (const QString &ti : titulos_)
        linea(ti);
    int ultimo = 0;
    for (const Bloque &b : bloques_) {
        linea({});
        linea(t.centros);
        ultimo = static_cast<int>(r.lineas.size());
        linea(b.nombre);
        linea({});
        linea(t.dondeSeEstudia + QLatin1Char(':'));
        linea({});
        for (const QString &f : b.filas)
            linea(f);
    }
    if (ultimo)
        r.negritas.push_back(ultimo);
    return r;
}

} // namespace norvela
