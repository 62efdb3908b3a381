#include "lugares_fp.h"

#include "cadenas.h"
#include "columnas.h"
#include "numeros.h"

#include <algorithm>
#include <cctype>

namespace norvela {

namespace {

void PonerCaracter(TablaTexto &t, int i, int k, char c)
{
    std::string s = t[i];
    if (static_cast<int>(s.size()) < k)
        s.resize(static_cast<size_t>(k), ' ');
    s[static_cast<size_t>(k - 1)] = c;
    t.Poner(i, s);
}

} // namespace

std::string ColumnasLinea(const std::string &s, int a, int b)
{
    return std::string(Columnas(std::string_view(s), a, b));
}

int NumeroDosColumnas(const std::string &s)
{
    if (s.size() < 2)
        return -1;
    const char a = s[0], b = s[1];
    if (!std::isdigit(static_cast<unsigned char>(b)) || !(a == ' ' || std::isdigit(static_cast<unsigned char>(a))))
        return -1;
    return (a == ' ' ? 0 : (a - '0') * 10) + (b - '0');
}

int PrimeraProvinciaDe(const DatosLugares &d, int c)
{
    if (c < 1 || c > kNumComunidades || !d.Lugares.Contiene(c))
        return 0;
    const int p = NumeroDosColumnas(d.Lugares[c]);
    return d.CodigoProvincia.Contiene(p) ? p : 0;
}

int ComarcaEn(const DatosLugares &d, int x, int y)
{
    const int v = d.MapaRegionesC.Valor(x, y);
    return v >= 1 && v <= kNumComarcasMapa ? v : 0;
}

int ZonaEn(const DatosLugares &d, int x, int y)
{
    const int v = d.MapaRegionesM.Valor(x, y);
    return v >= 1 && v <= kNumZonasMapa ? v : 0;
}

std::string PistaComunidad(const DatosLugares &d, int c, int anchoLista)
{
    return NombreComunidad(d, c, anchoLista);
}

std::string PistaComarca(const DatosLugares &d, int r)
{
    if (r < 1 || r > kNumComarcasMapa)
        return {};
    return QuitarBlancosFinales(d.NombresComarcas[r]);
}

std::string PistaZona(const DatosLugares &d, int z)
{
    if (z < 1 || z > kNumZonasMapa)
        return {};
    auto nombre = [&](int linea) {
        return d.NombresZonas.Contiene(linea) ? QuitarBlancosFinales(d.NombresZonas[linea]) : std::string();
    };
    const int l1 = d.LineasDeZona.En(z, 1), l2 = d.LineasDeZona.En(z, 2), l3 = d.LineasDeZona.En(z, 3);
    // An empty second slot reads as entry 0, which holds no zone name.
    std::string s = nombre(l1) + " - " + (l2 > 0 ? nombre(l2) : std::string());
    if (l3 > 0)
        s += " - " + nombre(l3);
    return s;
}

bool SeleccionarComunidad(const DatosLugares &d, LugarElegidoFP &lugar, DatosInforme &informe, int c,
                          int anchoLista)
{
    if (c < 1 || c > kNumComunidades)
        return false;
    lugar.ComunidadSel = c;
    lugar.PrimeraProvincia = PrimeraProvinciaDe(d, c);
    int k = 0;
    for (int r = kNumComunidades + 1; r <= d.NumLugares && d.Lugares.Contiene(r); ++r) {
        const std::string &s = d.Lugares[r];
        if (NumeroDosColumnas(s) != c)
            continue;
        if (k == lugar.NombresProvinciasSel.Ultimo())
            break;
        ++k;
        informe.ListaGrados.Poner(k, ColumnasLinea(s, 3, 2 + anchoLista - 5));
        lugar.NombresProvinciasSel.Poner(k, ColumnasLinea(s, 3, 2 + 35));
    }
    if (k == 0) {
        k = 1;
        const std::string &s = d.Lugares[c];
        informe.ListaGrados.Poner(1, ColumnasLinea(s, 3, 2 + anchoLista - 5));
        lugar.NombresProvinciasSel.Poner(1, ColumnasLinea(s, 3, 2 + 35));
    }
    lugar.NumProvinciasSel = k;
    informe.ListaGrados.Poner(0, NombreComunidad(d, c));
    return true;
}

void PrepararComarcasYZonas(DatosLugares &d)
{
    const int n4 = std::min(d.NumCentros4, d.Centros4.Ultimo());
    for (int i = 1; i <= n4; ++i)
        if (Caracter(d.Centros4[i], 1) == 'A')
            PonerCaracter(d.Centros4, i, 1, '5');
    bool catalan = false;
    for (int i = 1; i <= n4; ++i) {
        catalan = catalan || Caracter(d.Centros4[i], 1) == '5';
        if (!catalan) {
            d.CodigoComarcaCentro.Poner(i, "");
            continue;
        }
        d.CodigoComarcaCentro.Poner(i, std::string{Caracter(d.Centros4[i], 1), Caracter(d.Centros4[i], 45)});
        PonerCaracter(d.Centros4, i, 45, ' ');
    }

    const int n2 = std::min(d.NumCentros2, d.Centros2.Ultimo());
    for (int i = 1; i <= n2; ++i)
        if (Caracter(d.Centros2[i], 1) == 'H')
            PonerCaracter(d.Centros2, i, 1, '8');
    int primera = 0, finD = 0;
    for (int i = 1; i <= n2; ++i) {
        const char p = Caracter(d.Centros2[i], 1);
        if (!primera && p == '8')
            primera = i;
        if (!finD && p == 'D')
            finD = i;
    }
    for (int i = 1; i <= n2; ++i)
        d.CodigoZonaCentro.Poner(i, "");
    // Without a "D" line no line gets a zone code.
    if (primera)
        for (int i = primera; i < finD; ++i) {
            d.CodigoZonaCentro.Poner(i, std::string{Caracter(d.Centros2[i], 1), Caracter(d.Centros2[i], 45)});
            PonerCaracter(d.Centros2, i, 45, ' ');
        }
}

int SubcomarcaBarcelona(const DatosLugares &d, int i)
{
    if (i < 0 || i == 4)
        return 0;
    const int r = kPrimeraSubcomarca + i;
    return r <= d.NumComarcas && d.NombresComarcas.Contiene(r) ? r : 0;
}

bool EsProvinciaNombresLargos(char grupo, char provincia, bool incluye2H)
{
    static const char *const kCodigos[] = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};
    for (const char *c : kCodigos)
        if (c[0] == grupo && c[1] == provincia)
            return incluye2H || !(grupo == '2' && provincia == 'H');
    return false;
}

} // namespace norvela
