#include "salidas_grado.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"
#include "lectura.h"

#include <QFileInfo>
#include <cstdio>

namespace norvela {

namespace {

constexpr int kLineasSinBloque = 101;

bool EmpiezaPor(std::string_view s, std::string_view prefijo)
{
    return s.substr(0, prefijo.size()) == prefijo;
}

char MinusculaAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (MinusculaAscii(a[i]) != MinusculaAscii(b[i]))
            return false;
    return true;
}

std::string_view Recortar(std::string_view s)
{
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string_view::npos)
        return {};
    return s.substr(inicio, s.find_last_not_of(' ') - inicio + 1);
}

// A "*" line shows from its third character.
QString DesdeTercero(const std::string &linea)
{
    return DesdeAnsi(linea.size() > 2 ? std::string_view(linea).substr(2) : std::string_view());
}

bool EsLetraDePalabra(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

} // namespace

std::vector<std::string> BloqueGrado(const std::vector<std::string> &lineas, int codigo)
{
    char clave[16];
    std::snprintf(clave, sizeof clave, "<<%3d", codigo);
    const size_t n = lineas.size();
    size_t i = 0;
    while (i < n && lineas[i].find(clave) == std::string::npos)
        ++i;
    std::vector<std::string> bloque;
    if (i < n) {
        // The closing "<<" is searched from the third line after the key;
        // the end of the file closes the last block as well.
        size_t fin = i + 3;
        while (fin < n && lineas[fin].find("<<") == std::string::npos)
            ++fin;
        for (size_t j = i + 2; j < std::min(fin, n); ++j)
            if (!EmpiezaPor(lineas[j], "<<"))
                bloque.push_back(lineas[j]);
    }
    if (bloque.empty())
        bloque.assign(kLineasSinBloque, "  ");
    return bloque;
}

bool EsEncabezadoSalidas(std::string_view linea)
{
    static const char *const kEncabezados[] = {
        "Salidas Profesionales", "Qu\xE9 estudiar\xE9", "Plan de Estudios",      "Perfil del Alumno",
        "Perfil",                "Sortides professionals", "Asignaturas",        "Sa\xED" "das profesionais",
        "Pla d'estudis",         "Perfil",
        // Basque: the profile, the subjects and the outlets.
        "Profila",               "Irakasgaiak",            "Irteera profesionalak"};
    const std::string_view recortada = Recortar(linea);
    for (const char *encabezado : kEncabezados)
        if (IgualesSinMayusculas(recortada, encabezado))
            return true;
    return false;
}

std::vector<Parrafo> ParrafosSalidas(const std::vector<std::string> &bloque)
{
    std::vector<Parrafo> parrafos;
    for (size_t i = 0; i < bloque.size(); ++i) {
        const std::string &linea = bloque[i];
        if (i == 0)
            parrafos.push_back({TipoParrafo::Titulo, DesdeAnsi(linea)});
        else if (EmpiezaPor(linea, "*"))
            parrafos.push_back({TipoParrafo::Vineta, DesdeTercero(linea)});
        else if (EsEncabezadoSalidas(linea))
            parrafos.push_back({TipoParrafo::Encabezado, DesdeAnsi(linea)});
        else
            parrafos.push_back({TipoParrafo::Normal, DesdeAnsi(linea)});
    }
    return parrafos;
}

std::vector<Parrafo> ParrafosMaster(const std::vector<std::string> &lineas)
{
    std::vector<Parrafo> parrafos;
    for (const std::string &linea : lineas) {
        if (EmpiezaPor(linea, "*"))
            parrafos.push_back({TipoParrafo::Vineta, DesdeTercero(linea)});
        else if (EmpiezaPor(linea, "-"))
            parrafos.push_back({TipoParrafo::Encabezado, DesdeAnsi(linea)});
        else
            parrafos.push_back({TipoParrafo::Normal, DesdeAnsi(linea)});
    }
    return parrafos;
}

QString TextoPlano(const std::vector<Parrafo> &parrafos)
{
    QString texto;
    for (size_t i = 0; i < parrafos.size(); ++i) {
        if (i > 0)
            texto += u'\n';
        texto += parrafos[i].texto;
    }
    return texto;
}

std::vector<Resalte> ResaltarPalabra(const QString &texto, const QString &palabra)
{
    std::vector<Resalte> resaltes;
    if (palabra.isEmpty())
        return resaltes;
    const qsizetype largo = palabra.size();
    for (qsizetype p = texto.indexOf(palabra, 0, Qt::CaseInsensitive); p >= 0;
         p = texto.indexOf(palabra, p + 1, Qt::CaseInsensitive)) {
        const bool antes = p > 0 && EsLetraDePalabra(texto[p - 1]);
        const bool despues = p + largo < texto.size() && EsLetraDePalabra(texto[p + largo]);
        if (!antes && !despues)
            resaltes.push_back({static_cast<int>(p), static_cast<int>(largo)});
    }
    return resaltes;
}

QString FicheroSalidas(const Enlace &e)
{
    const QString enIdioma = e.FicheroIdioma(QStringLiteral("grados.txt"));
    return QFileInfo::exists(enIdioma) ? enIdioma : e.Fichero(QStringLiteral("grados.txt"));
}

TextoSalidas SalidasGrado(const Enlace &e, int grado)
{
    TextoSalidas salidas;
    if (grado < 1 || grado > e.NumGrados || grado > e.TablaGrados.FilaUltima())
        return salidas;
    const auto lineas = LeerLineasObligatorio(FicheroSalidas(e));
    salidas.parrafos = ParrafosSalidas(BloqueGrado(lineas, e.TablaGrados.En(grado, 10)));
    const QString texto = TextoPlano(salidas.parrafos);
    for (const QString &palabra : {QStringLiteral("profesiones"), QStringLiteral("ocupación"), QStringLiteral("trabajar")}) {
        const auto r = ResaltarPalabra(texto, palabra);
        salidas.resaltes.insert(salidas.resaltes.end(), r.begin(), r.end());
    }
    return salidas;
}

std::vector<Parrafo> LeerMaster(const Enlace &e)
{
    return ParrafosMaster(LeerLineasObligatorio(e.FicheroIdioma(QStringLiteral("master.txt"))));
}

} // namespace norvela
