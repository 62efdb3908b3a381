// The shipped data seen through the double-degree, requirement, outlets and
// masters views, in every language: each view has something to show, and the
// sample exercises every case the views distinguish.
#include "cadenas.h"
#include "cargas_columnas.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "dobles_grado.h"
#include "enlace.h"
#include "lectura.h"
#include "requisitos_grado.h"
#include "salidas_grado.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace norvela;

namespace {

const QString kDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
const char *const kIdiomas[4] = {"cas/", "catVal/", "galego/", "euskera/"};

struct Datos {
    explicit Datos(const char *idioma) : e(m)
    {
        e.RutaDatos = kDatos;
        e.CarpetaIdioma = QString::fromLatin1(idioma);
        CargarListaTexto(e, e.FicheroIdioma("carreran"), e.NombresGrado, e.NumGrados, e.AnchoLista);
        CargarLista120(e, e.FicheroIdioma("carrenue"), e.NuevosTitulos, e.NumNuevosTitulos);
        CargarTitulosCodigo(e, e.Fichero("lugar"), e.NumUniversidades);
        CargarNotasCorte(e, e.Fichero("datcarnphp"));
        CargarTablaGrados(e, e.Fichero("datgradosphp"));
        CargarDobles(e, e.Fichero("dobles"), e.NumDobles);
    }
    MensajesRegistrados m;
    Enlace e;
};

} // namespace

TEST(VistasDatosEntregados, EveryDegreeHasItsOutletsTextInEveryLanguage)
{
    for (const char *idioma : kIdiomas) {
        const Datos d(idioma);
        ASSERT_FALSE(d.e.ErrorFicheros) << idioma;
        ASSERT_GT(d.e.NumGrados, 0);
        const auto lineas = LeerLineasObligatorio(FicheroSalidas(d.e));
        for (int g = 1; g <= d.e.NumGrados; ++g) {
            const auto bloque = BloqueGrado(lineas, d.e.TablaGrados.En(g, 10));
            const auto parrafos = ParrafosSalidas(bloque);
            std::map<TipoParrafo, int> tipos;
            for (const Parrafo &p : parrafos)
                ++tipos[p.tipo];
            const std::string donde = std::string(idioma) + "grados.txt, degree " + std::to_string(g);
            EXPECT_FALSE(EsBlanco(bloque.front())) << donde << ": no block";
            // A profile, a study plan and the outlets, each under a heading
            // the view recognises.
            EXPECT_GE(tipos[TipoParrafo::Encabezado], 3) << donde;
            EXPECT_GE(tipos[TipoParrafo::Vineta], 2) << donde;
            for (const Parrafo &p : parrafos)
                EXPECT_FALSE(p.texto.contains(QStringLiteral("<<"))) << donde;
        }
        // No block but the sentinel's runs to the end of the file.
        EXPECT_EQ(lineas.back().substr(0, 2), "<<") << idioma;
    }
}

TEST(VistasDatosEntregados, MastersTextHasHeadingsAndBulletsInEveryLanguage)
{
    for (const char *idioma : kIdiomas) {
        const Datos d(idioma);
        std::map<TipoParrafo, int> tipos;
        for (const Parrafo &p : LeerMaster(d.e))
            ++tipos[p.tipo];
        EXPECT_GE(tipos[TipoParrafo::Encabezado], 3) << idioma;
        EXPECT_GE(tipos[TipoParrafo::Vineta], 3) << idioma;
    }
}

TEST(VistasDatosEntregados, CutOffMarksCoverEveryJudgement)
{
    const Datos d("cas/");
    int alta = 0, media = 0, mixta = 0, ninguna = 0;
    for (int g = 1; g <= d.e.NumGrados; ++g) {
        const JuicioNotas j = ValorarNotasCorte(d.e, g);
        alta += j.alta;
        media += j.media && !j.mixta;
        mixta += j.mixta;
        ninguna += !j.alta && !j.media;
    }
    EXPECT_GT(alta, 0);
    EXPECT_GT(media, 0);
    EXPECT_GT(mixta, 0);
    EXPECT_GT(ninguna, 0);
}

TEST(VistasDatosEntregados, ManyDegreesHaveDoubleDegreesAtSeveralUniversities)
{
    const Datos d("cas/");
    const auto menu = ListaMenuDobles(d.e);
    std::set<int> ramas;
    int enVarias = 0;
    int rama = 0;
    for (const auto &f : menu) {
        if (f.encabezado) {
            ++rama;
            continue;
        }
        ramas.insert(rama);
        std::set<int> universidades;
        for (const auto &l : LineasDobles(d.e, f.grado))
            universidades.insert(l.grupo);
        EXPECT_FALSE(universidades.empty()) << "degree " << f.grado;
        enVarias += universidades.size() >= 2;
        // The degree's communities are the map's markers.
        TablaValores<uint8_t> marcas(1, kNumComunidades);
        EXPECT_TRUE(MarcarComunidadesDobles(d.e, f.grado, marcas));
    }
    EXPECT_EQ(rama, 5);
    EXPECT_GE(ramas.size(), 4u);
    EXPECT_GE(enVarias, 20);
}
