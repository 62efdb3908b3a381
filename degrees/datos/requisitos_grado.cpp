#include "requisitos_grado.h"

#include "cadenas.h"
#include "enlace.h"

#include <cstdio>

namespace norvela {

namespace {

// Character 149 of Windows-1252 and two blanks.
const std::string kVineta = "\x95  ";

bool GradoValido(const DatosGrados &d, int g)
{
    return g >= 1 && g <= d.NumGrados && d.TablaGrados.FilaPrimera() <= g && g <= d.TablaGrados.FilaUltima();
}

// The subjects each branch adds after the degree's own, when not yet listed.
std::vector<int> MateriasDeRama(int rama)
{
    switch (rama) {
    case 2: return {3, 21, 11, 19};
    case 3: return {9, 20, 12, 18};
    case 4: return {19, 21, 11, 7, 9};
    case 5: return {3, 21, 19, 11};
    default: return {};
    }
}

class Lineas {
public:
    explicit Lineas(const Enlace &e) : e_(e) {}
    void Anadir(std::string_view s) { lineas_.push_back(Cortar(s, 60)); }
    void Texto(int k) { Anadir(e_.Textos[k]); }
    std::vector<std::string> Tomar() { return std::move(lineas_); }

private:
    const Enlace &e_;
    std::vector<std::string> lineas_;
};

} // namespace

JuicioNotas ValorarNotasCorte(const std::vector<int> &notas)
{
    JuicioNotas j;
    long suma = 0;
    int sobre50 = 0;
    bool sobre60 = false;
    for (const int n : notas) {
        if (n <= 11)
            continue;
        ++j.cuenta;
        suma += n;
        sobre50 += n > 50;
        sobre60 = sobre60 || n > 60;
    }
    if (j.cuenta == 0)
        return j;
    j.promedio = static_cast<double>(suma) / j.cuenta;
    // Compared in whole tenths, so an average of exactly 60 is high.
    if (suma >= 60L * j.cuenta) {
        j.alta = true;
    } else {
        j.media = true;
        j.mixta = sobre60 && 5 * sobre50 > j.cuenta;
    }
    return j;
}

JuicioNotas ValorarNotasCorte(const DatosGrados &d, int grado)
{
    std::vector<int> notas;
    if (!GradoValido(d, grado))
        return {};
    // Every entry counts: a degree may be taught at up to 125 universities.
    const int n = std::min<int>(d.NotasCorte.En(grado, 0), d.NotasCorte.UltimoByte());
    for (int j = 1; j <= n; ++j)
        notas.push_back(d.NotasCorte.En(grado, j));
    return ValorarNotasCorte(notas);
}

std::vector<std::string> LineasRequisitos(const Enlace &e, int grado, bool catalogo)
{
    if (!GradoValido(e, grado))
        return {};
    Lineas l(e);
    l.Anadir("-     " + e.Textos[277]);
    l.Anadir("");
    l.Texto(674);

    const JuicioNotas juicio = ValorarNotasCorte(e, grado);
    if (juicio.media)
        l.Texto(720);
    if (juicio.alta) {
        char cifra[32];
        std::snprintf(cifra, sizeof cifra, "%3.1f", juicio.promedio / 10.0);
        l.Anadir(e.Textos[721] + " " + cifra);
    }
    if (juicio.mixta)
        l.Texto(722);

    const int rama = e.RamaGrado.Contiene(grado) ? e.RamaGrado[grado] : 0;
    l.Anadir("");
    l.Texto(723);
    l.Texto(724);
    l.Anadir(rama >= 1 && rama <= 5 ? e.NombresRamas[rama - 1] : std::string());
    l.Anadir("");
    l.Anadir("-  " + e.Textos[725]);
    l.Texto(726);

    // Flags for every subject of "materiasp"; a number it does not hold is skipped.
    std::vector<bool> listada(static_cast<size_t>(std::max(e.NumMateriasGrado, 0)) + 1, false);
    const auto materia = [&](int v, bool unaVez) {
        if (v < 1 || v > e.NumMateriasGrado || !e.MateriasGrado.Contiene(v) || (unaVez && listada[static_cast<size_t>(v)]))
            return;
        listada[static_cast<size_t>(v)] = true;
        l.Anadir(kVineta + QuitarBlancosFinales(e.MateriasGrado[v]));
    };
    for (int campo = 11; campo <= 14; ++campo) {
        const int v = e.TablaGrados.En(grado, campo);
        if (v == 50) {
            l.Anadir("    " + e.Textos[55]);
            break;
        }
        if (v > 0)
            materia(v, false);
    }

    l.Anadir("");
    if (rama == 1) {
        l.Texto(727);
        l.Anadir(kVineta + e.Textos[728]);
    } else if (rama >= 2 && rama <= 5) {
        l.Texto(727);
        for (const int v : MateriasDeRama(rama))
            materia(v, true);
    }
    l.Anadir("");
    l.Texto(730);
    if (catalogo)
        return l.Tomar();

    l.Texto(731);
    l.Texto(732);
    l.Anadir("");
    l.Anadir("- " + e.Textos[717]);
    for (int k = 711; k <= 715; ++k)
        l.Texto(k);
    return l.Tomar();
}

std::vector<std::string> RequisitosParaCatalogo(const Enlace &e, int grado)
{
    return LineasRequisitos(e, grado, true);
}

int RequisitosParaInforme(Enlace &e, int grado)
{
    e.ListaAux.Poner(++e.NumLineasInforme, "");
    int k = e.NumLineasInforme;
    e.LineasNegrita[3] = k + 1;
    for (const std::string &linea : LineasRequisitos(e, grado))
        e.ListaAux.Poner(++k, linea);
    e.NumLineasInforme = k;
    return k;
}

} // namespace norvela
