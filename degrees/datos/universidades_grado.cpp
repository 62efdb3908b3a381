#include "universidades_grado.h"

#include "cadenas.h"
#include "enlace.h"

namespace norvela {

namespace {

constexpr int kAnchoLinea = 60;

} // namespace

std::string TextoNota(int decimas)
{
    if (decimas == kNotaSinPublicar)
        return "  - ";
    std::string cifras = std::to_string(decimas);
    if (cifras.size() < 3)
        cifras.insert(0, 3 - cifras.size(), ' ');
    cifras.insert(cifras.size() - 1, ",");
    return cifras;
}

UniversidadesGrado UniversidadesDeGrado(const Enlace &e, int grado, const std::string &titulo)
{
    UniversidadesGrado r;
    r.lineas.push_back(Cortar("-" + std::string(17, ' ') + titulo, kAnchoLinea));
    r.lineas.push_back("Not.");
    if (grado < 1 || grado > e.NumGrados)
        return r;

    struct Universidad {
        std::string linea;
        int comunidad;
    };
    std::vector<Universidad> universidades;
    for (int i = 1; i <= e.NotasCorteUni.En(grado, 0); ++i) {
        const int u = e.NotasCorteUni.En(grado, i);
        const int nota = e.NotasCorte.En(grado, i);
        universidades.push_back(
            {Cortar(e.NombresUniversidad[u] + TextoNota(nota), kAnchoLinea), e.ComunidadUniversidad[u]});
    }
    for (int c = 1; c <= kComunidades; ++c) {
        const size_t encabezado = r.lineas.size();
        const std::string &lugar = e.Lugares[c];
        const std::string nombre = lugar.size() > 2 ? Cortar(std::string_view(lugar).substr(2), e.AnchoLista) : "";
        r.lineas.push_back(Cortar("- " + nombre, kAnchoLinea));
        for (const Universidad &u : universidades)
            if (u.comunidad == c)
                r.lineas.push_back(Cortar("<" + u.linea, kAnchoLinea));
        if (r.lineas.size() == encabezado + 1) {
            r.lineas.pop_back();
            continue;
        }
        r.MarcasEstrellas[static_cast<size_t>(c)] = true;
        // Grid rows are 0-based: line k + 1 stands in row k.
        r.FilaComunidadNotas[static_cast<size_t>(c)] = static_cast<int>(encabezado);
    }
    return r;
}

std::vector<CeldasNotas> CeldasDeNotas(const std::vector<std::string> &lineas)
{
    std::vector<CeldasNotas> celdas;
    for (size_t i = 0; i < lineas.size(); ++i) {
        const std::string &l = lineas[i];
        if (i == 0)
            celdas.push_back({l, ""});
        else if (i == 1)
            celdas.push_back({"", l});
        else if (l.size() >= 4)
            celdas.push_back({l.substr(0, l.size() - 4), " " + l.substr(l.size() - 4)});
        else
            celdas.push_back({"", " " + l});
    }
    return celdas;
}

void GuardarEnListaAux(Enlace &e, const std::vector<std::string> &lineas)
{
    int i = 0;
    for (const std::string &linea : lineas)
        e.ListaAux.Poner(++i, linea);
}

void AbrirSeccionInforme(Enlace &e)
{
    ++e.NumLineasInforme;
    e.ListaAux.Poner(e.NumLineasInforme, "");
    e.LineasNegrita[1] = e.NumLineasInforme + 1;
}

UniversidadesGrado UniversidadesEnInforme(Enlace &e, int grado, const std::string &titulo)
{
    AbrirSeccionInforme(e);
    UniversidadesGrado r = UniversidadesDeGrado(e, grado, titulo);
    GuardarEnListaAux(e, r.lineas);
    e.NumLineasInforme = static_cast<int>(r.lineas.size());
    return r;
}

} // namespace norvela
