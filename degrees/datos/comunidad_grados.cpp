#include "comunidad_grados.h"

#include "cadenas.h"
#include "universidades_grado.h"

#include <algorithm>

namespace norvela {

namespace {

constexpr int kComunidadesMapa = 19;
constexpr int kAnchoFila = 60;
constexpr int kFilasSinRamas = 15;
constexpr int kBloquesOtros = 50;

std::string Recortado(std::string_view s)
{
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos)
        return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

std::string Rellena(std::string_view s, int n)
{
    return LineaRellena(Cortar(s, n), n);
}

bool GradoValido(const DatosGrados &d, int g)
{
    return g >= 1 && g <= d.NumGrados;
}

// A degree's title at a university: its linked title when it has one.
std::string TituloGrado(const DatosGrados &d, int g, int t)
{
    if (t >= 1 && t <= d.NumNuevosTitulos)
        return d.NuevosTitulos[t];
    return d.NombresGrado[g];
}

} // namespace

std::vector<FilaComunidad> UniversidadesDeComunidad(const DatosGrados &d, int c)
{
    std::vector<FilaComunidad> filas;
    for (int u = 1; u <= d.NumUniversidades; ++u)
        if (d.ComunidadUniversidad[u] == c)
            filas.push_back({QuitarBlancosFinales(d.NombresUniversidad[u]), u});
    return filas;
}

std::vector<FilaComunidad> DoblesDeComunidad(const DatosGrados &d, int c)
{
    std::vector<FilaComunidad> filas;
    for (int g = 1; g <= d.NumDobles; ++g)
        if (d.DoblesNumero[g] == c)
            filas.push_back({QuitarBlancosFinales(d.DoblesNombre[g]), g});
    return filas;
}

ClicMapa DecidirClicMapa(const DatosGrados &d, const ModosMapa &m, int raton)
{
    ClicMapa r;
    if (m.artesPlasticas && m.impresion)
        raton = 1;
    if (raton < 1 || raton > kComunidadesMapa)
        return r;
    r.comunidad = raton;
    if (m.fpSuperior) {
        r.accion = AccionMapa::SoloComunidad;
        return r;
    }
    if (m.artesPlasticas) {
        r.accion = AccionMapa::CentrosArtes;
        return r;
    }
    if (m.menuGrados) {
        r.accion = AccionMapa::Universidades;
        r.filas = UniversidadesDeComunidad(d, raton);
        return r;
    }
    r.filas = m.vistaDobles ? DoblesDeComunidad(d, raton) : UniversidadesDeComunidad(d, raton);
    if (!r.filas.empty())
        r.accion = AccionMapa::Filas;
    else
        r.accion = m.vistaDobles ? AccionMapa::SinDobles : AccionMapa::SoloComunidad;
    return r;
}

std::string FilaNotasUni::Col0() const
{
    return Cortar(texto, 55);
}

std::string FilaNotasUni::Col1() const
{
    return " " + (texto.size() > 4 ? texto.substr(texto.size() - 4) : texto);
}

int TituloEnUniversidad(const DatosGrados &d, int grado, int u)
{
    if (!GradoValido(d, grado))
        return 0;
    const int n = d.NotasCorteUni.En(grado, 0);
    for (int k = 1; k <= n; ++k)
        if (d.NotasCorteUni.En(grado, k) == u && d.NotasCorteTitulo.En(grado, k) != 0)
            return d.NotasCorteTitulo.En(grado, k);
    return 0;
}

std::vector<FilaNotasUni> GradosDeUniversidad(const DatosGrados &d, int u, const std::array<std::string, 5> &ramas,
                                               const std::string &texto242)
{
    std::vector<FilaNotasUni> grados;
    std::vector<int> ramaDe;
    for (int g = 1; g <= d.NumGrados; ++g) {
        const int n = d.NotasCorteUni.En(g, 0);
        for (int k = 1; k <= n; ++k) {
            if (d.NotasCorteUni.En(g, k) != u)
                continue;
            const std::string titulo = TituloGrado(d, g, d.NotasCorteTitulo.En(g, k));
            grados.push_back({"<" + Rellena(titulo, 55) + TextoNota(d.NotasCorte.En(g, k)), g});
            ramaDe.push_back(d.RamaGrado[g]);
        }
    }
    std::vector<FilaNotasUni> filas;
    if (static_cast<int>(grados.size()) > kFilasSinRamas) {
        for (int rama = 1; rama <= 5; ++rama) {
            const auto encabezado = filas.size();
            filas.push_back({Cortar("-   " + ramas[static_cast<size_t>(rama - 1)] + "     ", kAnchoFila), 0});
            for (size_t i = 0; i < grados.size(); ++i)
                if (ramaDe[i] == rama)
                    filas.push_back(grados[i]);
            if (filas.size() == encabezado + 1)
                filas.pop_back();
        }
    } else {
        filas = std::move(grados);
    }
    if (u >= 1 && u <= d.NumDobles && d.DoblesCuenta.En(u, 0) > 0) {
        filas.push_back({"", 0});
        filas.push_back({Cortar("-                " + texto242 + "     ", kAnchoFila), 0});
        const int n = d.DoblesCuenta.En(u, 0);
        for (int k = 1; k <= n; ++k) {
            const int a = d.DoblesGradoA.En(u, k);
            const int b = d.DoblesGradoB.En(u, k);
            if (!GradoValido(d, a) || !GradoValido(d, b))
                continue;
            const std::string tituloA = TituloGrado(d, a, TituloEnUniversidad(d, a, u));
            const std::string tituloB = TituloGrado(d, b, TituloEnUniversidad(d, b, u));
            filas.push_back({Rellena(tituloA, 55) + Rellena(d.DoblesEtiqueta.En(u, k), 4), 0});
            filas.push_back({" + " + Rellena(tituloB, 51) + "    ", 0});
            filas.push_back({"                 -----     ", 0});
        }
    }
    return filas;
}

std::vector<std::string> DoblesDelGrado(const DatosGrados &d, int grado)
{
    std::vector<std::string> lineas;
    if (!GradoValido(d, grado))
        return lineas;
    const std::string nombre = Recortado(Cortar(d.NombresGrado[grado], 20));
    for (int g = 1; g <= d.NumDobles; ++g) {
        bool primero = true;
        const auto par = [&](int otro, int k) {
            // A pair with a degree no list holds is left out, as the degree's other views leave it.
            if (!GradoValido(d, otro))
                return;
            if (primero) {
                lineas.emplace_back();
                lineas.push_back("        " + QuitarBlancosFinales(d.DoblesNombre[g]));
                primero = false;
            }
            lineas.push_back(nombre + ". + " + Recortado(d.NombresGrado[otro]) + " >" + d.DoblesEtiqueta.En(g, k));
        };
        const int n = d.DoblesCuenta.En(g, 0);
        for (int k = 1; k <= n; ++k) {
            if (d.DoblesGradoA.En(g, k) == grado)
                par(d.DoblesGradoB.En(g, k), k);
            if (d.DoblesGradoB.En(g, k) == grado)
                par(d.DoblesGradoA.En(g, k), k);
        }
    }
    return lineas;
}

AccionOtros AccionFilaOtros(int fila, const std::string &texto)
{
    if (fila == 2)
        return AccionOtros::PdfCentros;
    const std::string inicio = texto.substr(0, std::min<size_t>(3, texto.size()));
    if (inicio == "   ")
        return AccionOtros::Nada;
    if (inicio == "  1")
        return AccionOtros::WebSuperiores;
    if (inicio == "  2")
        return AccionOtros::WebFormacion;
    if (inicio == "  3")
        return AccionOtros::WebNoReglados;
    return AccionOtros::Detalles;
}

std::string DireccionOtros(AccionOtros a)
{
    const std::string sitio = "https://www.emagister.com";
    switch (a) {
    case AccionOtros::WebSuperiores: return sitio + "/cursos-superiores/";
    case AccionOtros::WebFormacion: return sitio + "/cursos-formacion/";
    case AccionOtros::WebNoReglados: return sitio + "/centros/centros-estudios-no-reglados/";
    default: return {};
    }
}

std::vector<std::string> DetallesOtros(const DatosGrados &d, int estudio)
{
    std::vector<std::string> lineas;
    if (estudio < 1 || estudio > std::min(kBloquesOtros, d.AsignaturasOtros.Bloques()))
        return lineas;
    const int entradas = d.AsignaturasOtros.Entradas();
    const auto blanca = [&](int k) { return EsBlanco(Cortar(d.AsignaturasOtros.En(estudio, k), 16)); };
    int n = entradas;
    for (int k = 1; k < entradas; ++k)
        if (blanca(k) && blanca(k + 1)) {
            n = k - 1;
            break;
        }
    for (int k = 1; k <= n; ++k)
        lineas.push_back(d.AsignaturasOtros.En(estudio, k));
    return lineas;
}

InformeFP InformeUniversidad(const std::string &texto289, const std::string &texto48, const std::string &texto296,
                             const std::string &universidad, const std::vector<CeldasNotas> &filas)
{
    InformeFP inf;
    inf.titulo = Cortar(texto289 + ": " + Recortado(universidad), 65);
    inf.negritas.push_back(inf.Anadir("    " + texto48 + std::string(24, ' ') + texto296));
    for (const CeldasNotas &f : filas) {
        const std::string linea = Cortar(f.col0 + std::string(44, ' '), 50) + f.col1;
        const int n = inf.Anadir(linea);
        if (linea.rfind("-", 0) == 0 || linea.rfind("   ", 0) == 0)
            inf.negritas.push_back(n);
    }
    return inf;
}

InformeFP InformeDobles(const std::string &texto242, const std::string &grado, const std::vector<std::string> &lineas)
{
    InformeFP inf;
    inf.titulo = Cortar(texto242 + ": " + Recortado(grado), 65);
    for (size_t i = 1; i < lineas.size(); ++i) {
        const int n = inf.Anadir(lineas[i]);
        if (lineas[i].rfind("   ", 0) == 0)
            inf.negritas.push_back(n);
    }
    return inf;
}

InformeFP InformeOtros(const std::string &texto290, const std::string &estudio, const std::vector<std::string> &lineas)
{
    InformeFP inf;
    inf.titulo = Cortar(texto290 + ": " + Recortado(estudio), 65);
    for (const std::string &l : lineas) {
        const int n = inf.Anadir(l);
        if (l.rfind("-", 0) == 0)
            inf.negritas.push_back(n);
    }
    return inf;
}

} // namespace norvela
