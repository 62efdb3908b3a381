// The centre grid of the largest province of the shipped data, with the
// titles of every level: collecting, localities and rows.
#include "carga_grados.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "centros_fp.h"
#include "enlace.h"
#include "grupos_fp.h"
#include "lugares_fp.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

using namespace norvela;

namespace {

struct Datos {
    Datos() : e(m)
    {
        OpcionesInicio o;
        o.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath(QStringLiteral(".."));
        o.argumentos = {QStringLiteral("N"), QStringLiteral("0")};
        o.carpetaUsuario = QDir::tempPath() + QStringLiteral("/norvela-rendimiento");
        Inicializar(e, o);
        CargarDatosGrados(e);
        CargarTablasGrados(e);
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fp2")), e.NombresFPMedio, e.NumFPMedio, 60);
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fpba")), e.NombresFPBasica, e.NumFPBasica, 60);
        CargarOfertaGM(e, e.Fichero(QStringLiteral("datluggmphp")));
        CargarOfertaFPB(e, e.Fichero(QStringLiteral("datlugbasphp")));
        PrepararComarcasYZonas(e);
        // The province with the most centre lines.
        int mas = 0;
        for (char g = '1'; g <= '4'; ++g) {
            const GrupoCentros c = GrupoDe(e, e, g);
            std::map<char, int> cuenta;
            for (int i = 1; i <= c.n; ++i)
                ++cuenta[(*c.centros)[i][0]];
            for (const auto &[p, n] : cuenta)
                if (n > mas) {
                    mas = n;
                    grupo = g;
                    provincia = p;
                }
        }
    }
    MensajesRegistrados m;
    Enlace e;
    char grupo = '1';
    char provincia = ' ';
};

void RejillaProvinciaMayor(benchmark::State &estado)
{
    static const auto d = std::make_unique<Datos>();
    const GrupoCentros g = GrupoDe(d->e, d->e, d->grupo);
    const NombresTitulos t{&d->e.NombresFPSuperior, &d->e.NombresFPMedio, &d->e.NombresFPBasica, "FP B\xE1sica"};
    const bool largos = EsProvinciaNombresLargos(d->grupo, d->provincia);
    size_t filas = 0, centros = 0;
    for (auto _ : estado) {
        const std::vector<int> recogidos = CentrosDeProvincia(g, d->provincia, NivelFP::Superior, true);
        const std::vector<Localidad> l = LocalidadesDe(*g.centros, recogidos, largos);
        const FilasCentros r =
            FilasDeCentros(g, recogidos, t, NivelFP::Superior, true, l.empty() ? 0 : l.back().primerCentro);
        benchmark::DoNotOptimize(r.filas.data());
        filas = r.filas.size();
        centros = recogidos.size();
    }
    estado.counters["centros"] = static_cast<double>(centros);
    estado.counters["filas"] = static_cast<double>(filas);
}
BENCHMARK(RejillaProvinciaMayor)->Unit(benchmark::kMicrosecond);

} // namespace
