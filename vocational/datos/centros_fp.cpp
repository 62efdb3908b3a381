#include "centros_fp.h"

#include "ansi.h"
#include "cadenas.h"
#include "columnas.h"
#include "lugares_fp.h"

#include <algorithm>

namespace norvela {

namespace {

// A title's name, empty when the number lies outside its table.
std::string Nombre(const TablaTexto *t, int titulo)
{
    return t && titulo >= 1 && t->Contiene(titulo) ? (*t)[titulo] : std::string();
}

int Centros(const GrupoCentros &g)
{
    return g.centros ? std::min(g.n, g.centros->Ultimo()) : 0;
}

} // namespace

const TablaEnteros *GrupoCentros::Oferta(NivelFP nivel) const
{
    switch (nivel) {
    case NivelFP::Superior:
        return ofertaGS;
    case NivelFP::Medio:
        return ofertaGM;
    case NivelFP::Basica:
        return ofertaFPB;
    }
    return nullptr;
}

int NumOfertas(const TablaEnteros &oferta, int i)
{
    if (i < oferta.FilaPrimera() || i > oferta.FilaUltima())
        return 0;
    return std::clamp(oferta.En(i, 0), 0, oferta.ColUltima());
}

int TituloOfertado(const TablaEnteros &oferta, int i, int j)
{
    return j >= 1 && j <= NumOfertas(oferta, i) ? oferta.En(i, j) : 0;
}

std::vector<int> CentrosDeProvincia(const GrupoCentros &g, char provincia, NivelFP nivel, bool todaFP)
{
    std::vector<int> r;
    const TablaEnteros *decide = g.Oferta(nivel);
    const int n = Centros(g);
    for (int i = 1; i <= n; ++i) {
        if (Caracter((*g.centros)[i], 1) != provincia)
            continue;
        if (!todaFP && (!decide || NumOfertas(*decide, i) < 1))
            continue;
        r.push_back(i);
    }
    return r;
}

std::vector<int> CentrosConCodigo(const TablaTexto &codigos, int n, const std::string &clave)
{
    std::vector<int> r;
    if (clave.empty())
        return r;
    const int ultimo = std::min(n, codigos.Ultimo());
    for (int i = std::max(1, codigos.Primero()); i <= ultimo; ++i)
        if (codigos[i] == clave)
            r.push_back(i);
    return r;
}

std::vector<Localidad> LocalidadesDe(const TablaTexto &centros, const std::vector<int> &centrosRecogidos,
                                     bool nombresLargos)
{
    std::vector<Localidad> r;
    const int fin = nombresLargos ? 36 : 18;
    std::string anterior;
    for (int i : centrosRecogidos) {
        const std::string nombre = ColumnasLinea(centros[i], 2, fin);
        if (r.empty() || nombre != anterior)
            r.push_back({nombre, i});
        anterior = nombre;
    }
    return r;
}

FilasCentros FilasDeCentros(const GrupoCentros &g, const std::vector<int> &centrosRecogidos, const NombresTitulos &t,
                            NivelFP nivel, bool todaFP, int primerCentroVisible, int filaInicial,
                            const std::string &filaTrasCentro)
{
    const TablaEnteros *propia = g.Oferta(nivel);
    const TablaTexto *nombres = nivel == NivelFP::Superior ? t.superior : nivel == NivelFP::Medio ? t.medio : t.basica;
    FilasCentros r;
    auto &f = r.filas;
    // Row numbers as the report counts them: filaInicial + index + 1.
    auto contador = [&] { return filaInicial + static_cast<int>(f.size()); };
    auto fila = [&](std::string col0, int titulo = 0) { f.push_back({Cortar(col0, 65), std::string(), titulo}); };

    for (int i : centrosRecogidos) {
        const std::string &linea = (*g.centros)[i];
        if (i == primerCentroVisible)
            r.filaSuperior = contador();
        f.push_back({"-" + ColumnasLinea(linea, 2, 45), ColumnasLinea(linea, 46, 54), 0});
        int h = contador();
        if (!todaFP) {
            for (int j = 1; propia && j <= NumOfertas(*propia, i); ++j) {
                const int titulo = TituloOfertado(*propia, i, j);
                fila(Cortar(Nombre(nombres, titulo), 60), titulo);
            }
        } else {
            for (int j = 1; g.ofertaGS && j <= NumOfertas(*g.ofertaGS, i); ++j)
                fila("GS " + Nombre(t.superior, TituloOfertado(*g.ofertaGS, i, j)));
            if (contador() > h) {
                h = contador();
                fila(" -----");
            }
            for (int j = 1; g.ofertaGM && j <= NumOfertas(*g.ofertaGM, i); ++j)
                fila("GM " + Nombre(t.medio, TituloOfertado(*g.ofertaGM, i, j)));
            if (contador() > h) {
                fila(" -----");
                h = contador() - 1;
            }
            for (int j = 1; g.ofertaFPB && j <= NumOfertas(*g.ofertaFPB, i); ++j)
                fila(t.prefijoBasica + " " + Nombre(t.basica, TituloOfertado(*g.ofertaFPB, i, j)));
        }
        if (contador() == h)
            f.pop_back();
        else
            f.push_back({filaTrasCentro, std::string(), 0});
    }
    return r;
}

std::vector<FilaRejilla> FilasTitulo(const GrupoCentros &g, const TablaEnteros &oferta, int numProvincias,
                                     int primera, const TablaTexto &codigos, const TablaTexto &nombres, int titulo)
{
    std::vector<FilaRejilla> f;
    const int n = Centros(g);
    for (int p = 1; p <= numProvincias; ++p) {
        const int k = primera + p - 1;
        if (!codigos.Contiene(k))
            break;
        const char provincia = Caracter(codigos[k], 2);
        const size_t antes = f.size();
        if (numProvincias > 1)
            f.push_back({Cortar("- " + (nombres.Contiene(p) ? nombres[p] : std::string()) + "       ", 60), {}, 0});
        const size_t m = f.size();
        for (int i = 1; i <= n; ++i) {
            const std::string &linea = (*g.centros)[i];
            if (Caracter(linea, 1) != provincia)
                continue;
            for (int j = 1; j <= NumOfertas(oferta, i); ++j)
                if (TituloOfertado(oferta, i, j) == titulo)
                    f.push_back({ColumnasLinea(linea, 2, 45), ColumnasLinea(linea, 46, 54), 0});
        }
        if (f.size() == m)
            f.resize(antes);
        else
            f.push_back({std::string(60, ' '), std::string(60, ' '), 0});
    }
    return f;
}

namespace {

constexpr char kSangria[] = "  ";

// s broken into lines of at most `ancho` characters at blanks (a word
// longer than a line is split), the lines after the first `sangria` in.
std::vector<std::string> Partir(std::string s, size_t ancho, const std::string &sangria)
{
    ancho = std::max(ancho, sangria.size() + 1);
    std::vector<std::string> r;
    while (s.size() > ancho) {
        size_t corte = s.rfind(' ', ancho);
        const size_t minimo = r.empty() ? 1 : sangria.size() + 1;
        if (corte == std::string::npos || corte < minimo)
            corte = ancho;
        r.push_back(QuitarBlancosFinales(s.substr(0, corte)));
        size_t resto = corte;
        while (resto < s.size() && s[resto] == ' ')
            ++resto;
        s = sangria + s.substr(resto);
    }
    r.push_back(s);
    return r;
}

// One blank less in s's longest run of two or more; false when it has none.
bool Apretar(std::string &s)
{
    size_t mejor = 0;
    size_t largo = 1;
    for (size_t i = 0; i < s.size();) {
        size_t j = i;
        while (j < s.size() && s[j] == ' ')
            ++j;
        if (j - i > largo) {
            mejor = i;
            largo = j - i;
        }
        i = j == i ? i + 1 : j;
    }
    if (largo < 2)
        return false;
    s.erase(mejor, 1);
    return true;
}

} // namespace

std::vector<std::string> LineasDosCampos(const std::string &primero, int ancho, const std::string &segundo,
                                         const std::string &separador, int anchoLinea)
{
    std::string a = QuitarBlancosFinales(primero);
    const std::string b = QuitarBlancosFinales(segundo);
    const size_t linea = static_cast<size_t>(anchoLinea);
    if (b.empty())
        return Partir(a, linea, kSangria);
    // With no separator the last column stays blank, between the fields.
    const size_t cabe = static_cast<size_t>(std::max(ancho - (separador.empty() ? 1 : 0), 1));
    while (a.size() > cabe && Apretar(a)) {
    }
    std::vector<std::string> r = Partir(a, cabe, kSangria);
    std::string &cabeza = r.front();
    cabeza.resize(std::max(cabeza.size(), static_cast<size_t>(ancho)), ' ');
    cabeza += separador + b;
    if (cabeza.size() > linea) {
        std::vector<std::string> partida = Partir(cabeza, linea, kSangria);
        r.erase(r.begin());
        r.insert(r.begin(), partida.begin(), partida.end());
    }
    return r;
}

std::vector<std::string> LineasTituloInforme(const std::string &nombreComunidad, const std::vector<FilaRejilla> &filas,
                                             const std::string &cierre)
{
    std::vector<std::string> r;
    r.push_back("***  " + HaciaAnsi(DesdeAnsi(nombreComunidad).toUpper()) + cierre);
    r.emplace_back();
    for (const FilaRejilla &f : filas)
        for (std::string &s : LineasDosCampos(f.col0, 44, f.col1))
            r.push_back(std::move(s));
    return r;
}

bool TituloEnProvincia(char provincia, const TablaEnteros &oferta, const TablaTexto &centros, int n, int titulo)
{
    const int ultimo = std::min(n, centros.Ultimo());
    for (int i = 1; i <= ultimo; ++i) {
        if (Caracter(centros[i], 1) != provincia)
            continue;
        for (int j = 1; j <= NumOfertas(oferta, i); ++j)
            if (TituloOfertado(oferta, i, j) == titulo)
                return true;
    }
    return false;
}

} // namespace norvela
