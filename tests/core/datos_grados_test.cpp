// Checks of the university-degree files the build ships: each one loads
// through its own loader, in the order the degrees screen reads them, without
// a message, and the files agree with one another.
#include "cadenas.h"
#include "cargas_columnas.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "enlace.h"
#include "lectura.h"
#include "numeros.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace norvela;

namespace {

const QString kDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
const char *const kIdiomas[4] = {"cas/", "catVal/", "galego/", "euskera/"};

std::string Texto(std::string_view s)
{
    return QuitarBlancosFinales(s);
}

// The degree tables as the degrees screen builds them at its creation. The
// files of the vocational-training and questionnaire screens are left out;
// "materiasp" and "profesio" have readers of their own on that screen, so
// here they are read as plain lines.
struct Grados {
    explicit Grados(const char *idioma) : e(m)
    {
        e.RutaDatos = kDatos;
        e.CarpetaIdioma = QString::fromLatin1(idioma);
        try {
            materias = LeerLineasObligatorio(e.FicheroIdioma("materiasp"));
            CargarListaTexto(e, e.FicheroIdioma("carreran"), e.NombresGrado, e.NumGrados, e.AnchoLista);
            CargarLista120(e, e.FicheroIdioma("carrenue"), e.NuevosTitulos, e.NumNuevosTitulos);
            CargarListaTexto(e, e.FicheroIdioma("carreranb"), e.NombresGrupo, numGrupos, e.AnchoLista);
            CargarListaTexto(e, e.FicheroIdioma("otros"), e.NombresOtros, numOtros, 55);
            CargarListaTexto(e, e.FicheroIdioma("itinerar"), e.NombresAreas, numAreas, e.AnchoLista);
            CargarBloques50(e, e.FicheroIdioma("asignaot"));
            CargarLista60(e, e.FicheroIdioma("activida"), e.NombresActividad, numActividades);
            profesiones = LeerLineasObligatorio(e.FicheroIdioma("profesio"));
            CargarTitulosCodigo(e, e.Fichero("lugar"), e.NumUniversidades);
            CargarWebComunidades(e, e.Fichero("comuint"), e.NumWebComunidades);
            CargarNotasCorte(e, e.Fichero("datcarnphp"));
            CargarTablaGrados(e, e.Fichero("datgradosphp"));
            CargarDobles(e, e.Fichero("dobles"), e.NumDobles);
        } catch (const ErrorDatos &error) {
            fallo = error.Mensaje().toStdString();
        }
    }

    // True when university u teaches degree g (under any title).
    bool Ensena(int g, int u) const
    {
        for (int j = 1; j <= e.NotasCorteUni.En(g, 0); ++j)
            if (e.NotasCorteUni.En(g, j) == u)
                return true;
        return false;
    }

    MensajesRegistrados m;
    Enlace e;
    int numGrupos = 0;
    int numOtros = 0;
    int numAreas = 0;
    int numActividades = 0;
    std::vector<std::string> materias;
    std::vector<std::string> profesiones;
    std::string fallo;
};

// The Castilian tables, loaded once for the checks that read them alone.
class ShippedCastilianDegrees : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Castellano().fallo, ""); }
    static const Grados &Castellano()
    {
        static const Grados g("cas/");
        return g;
    }
    const Grados &g = Castellano();
};

// What a line is, for the screens that read the language files by line:
// the lines that carry a marker, a number or a key must stand at the same
// place in every language.
std::string Forma(const std::string &linea)
{
    if (EsBlanco(linea))
        return "blank";
    for (const char *marca : {"<<", "f1", "f2", "http", "  1", "  2", "  3", "   ", "-", "*"})
        if (linea.rfind(marca, 0) == 0)
            return linea.substr(0, 2) == "<<" ? linea : marca;
    if (linea.size() >= 2 && std::isdigit(static_cast<unsigned char>(linea[0])) &&
        std::isdigit(static_cast<unsigned char>(linea[1])))
        return linea.substr(0, 2);
    return "text";
}

} // namespace

TEST(ShippedDegrees, LoadInEveryLanguageWithoutAMessageWithDetailsForOtherStudiesAndArtisticLayouts)
{
    for (const char *idioma : kIdiomas) {
        SCOPED_TRACE(idioma);
        Grados g(idioma);
        ASSERT_EQ(g.fallo, "");
        EXPECT_FALSE(g.e.ErrorFicheros);
        EXPECT_TRUE(g.m.textos.isEmpty()) << g.m.textos.join('|').toStdString();
        EXPECT_TRUE(g.e.NumGrados >= 250 && g.e.NumGrados <= 350) << g.e.NumGrados;
        EXPECT_EQ(g.numAreas, 12) << "itinerar";
        EXPECT_LE(g.numActividades, 30) << "activida";
        EXPECT_LE(g.profesiones.size(), 250u) << "profesio";
        // The requirements view keeps flags for subjects 1..30 and its
        // branch lists name subjects up to 21.
        EXPECT_TRUE(g.materias.size() >= 21 && g.materias.size() <= 30) << "materiasp " << g.materias.size();
        // Two degrees of one name would be two rows no student can tell apart.
        std::set<std::string> nombres;
        for (int r = 1; r <= g.e.NumGrados; ++r)
            EXPECT_TRUE(nombres.insert(Texto(g.e.NombresGrado[r])).second) << "carreran line " << r;
        // Other studies: each row with details has its block of asignaot.
        ASSERT_LE(g.numOtros, 50) << "otros: only rows 1..50 have details";
        for (int k = 1; k <= g.numOtros; ++k) {
            const std::string &fila = g.e.NombresOtros[k];
            const auto vacia = [&](int j) { return EsBlanco(Cortar(g.e.AsignaturasOtros.En(k, j), 16)); };
            int n = 50;
            for (int j = 1; j < 50; ++j)
                if (vacia(j) && vacia(j + 1)) {
                    n = j - 1;
                    break;
                }
            // Headings, links and the PDF row (the third) show no details.
            const bool sinDetalle = k == 3 || fila.rfind("   ", 0) == 0 || fila.rfind("  1", 0) == 0 ||
                                    fila.rfind("  2", 0) == 0 || fila.rfind("  3", 0) == 0;
            EXPECT_TRUE(sinDetalle ? n == 0 : n > 0 && n < 50) << "asignaot block " << k << " for " << Texto(fila);
        }

        // The artistic lists keep their layout.
        const auto cargar = [&](const char *nombre) {
            int n = 0;
            CargarListaTexto(g.e, g.e.FicheroIdioma(nombre), g.e.ListaAux, n, 90);
            std::vector<std::string> lineas{""};
            for (int i = 1; i <= n; ++i)
                lineas.push_back(g.e.ListaAux[i]);
            return lineas;
        };
        const auto buscar = [](const std::vector<std::string> &l, const char *marca) {
            for (size_t i = 1; i < l.size(); ++i)
                if (l[i].rfind(marca, 0) == 0)
                    return static_cast<int>(i);
            return 0;
        };

        // Plastic arts: 17 specialities after "f1", then centre lines, each
        // followed by its address; the last line is never read.
        const auto plas = cargar("artesplas");
        const int f1 = buscar(plas, "f1");
        ASSERT_GT(f1, 0) << "artesplas";
        const int ultima = static_cast<int>(plas.size()) - 2;
        EXPECT_LE(ultima - (f1 + 18) + 1, 150) << "artesplas";
        for (int i = f1 + 18; i <= ultima; i += 2) {
            const auto c = NumeroColumna(Columnas(plas[i], 1, 2));
            ASSERT_TRUE(c && *c >= 1 && *c <= kNumComunidades) << "artesplas line " << i;
            for (int col = 35; col <= 43; col += 2) {
                const auto par = Columnas(plas[i], col, col + 1);
                const auto s = NumeroColumna(par);
                EXPECT_TRUE(EsBlanco(par) || (s && *s >= 0 && *s <= 16)) << "artesplas line " << i;
            }
            ASSERT_LT(i + 1, static_cast<int>(plas.size())) << "artesplas: a centre without address";
            EXPECT_FALSE(NumeroColumna(Columnas(plas[i + 1], 1, 2))) << "artesplas line " << i + 1;
            EXPECT_TRUE(EsBlanco(Columnas(plas[i + 1], 35, 44))) << "artesplas line " << i + 1;
        }

        // Music: after "f2", community headings and "centre http://..." lines.
        const auto musica = cargar("musica");
        const int m2 = buscar(musica, "f2");
        ASSERT_TRUE(buscar(musica, "f1") > 0 && m2 > 0) << "musica";
        for (size_t i = static_cast<size_t>(m2) + 1; i < musica.size(); ++i) {
            const auto c = NumeroColumna(Columnas(musica[i], 1, 2));
            const size_t http = musica[i].find("http");
            EXPECT_TRUE((c && *c >= 1 && *c <= kNumComunidades) || (http != std::string::npos && http > 2))
                << "musica line " << i;
        }

        ASSERT_GT(buscar(cargar("danza"), "f2"), 0) << "danza";

        // Drama: after "f2" a free line, 8 speciality names, then centres.
        const auto drama = cargar("dramatico");
        const int d2 = buscar(drama, "f2");
        ASSERT_TRUE(d2 > 0 && static_cast<int>(drama.size()) > d2 + 10) << "dramatico";
        for (int i = d2 + 2; i <= d2 + 9; ++i)
            EXPECT_TRUE(drama[i][0] != '-' && drama[i].rfind("http", 0) != 0) << "dramatico line " << i;
        int centros = 0;
        for (size_t i = static_cast<size_t>(d2) + 10; i < drama.size(); ++i) {
            if (drama[i][0] != '-')
                continue;
            ++centros;
            const std::string digitos = Texto(Columnas(drama[i], 41, 47));
            EXPECT_FALSE(digitos.empty()) << "dramatico line " << i;
            EXPECT_EQ(digitos.find_first_not_of("01234567"), std::string::npos) << "dramatico line " << i;
        }
        EXPECT_GT(centros, 0) << "dramatico";
    }
}

TEST(ShippedDegrees, LanguageFilesShareOneStructure)
{
    for (const char *nombre : {"carreran", "carrenue", "carreranb", "otros", "itinerar", "asignaot", "activida",
                               "profesio", "materiasp", "grados.txt", "master.txt", "artesplas", "musica", "danza",
                               "dramatico"}) {
        const auto castellano = LeerLineasObligatorio(kDatos + "cas/" + nombre);
        for (const char *idioma : kIdiomas) {
            const auto lineas = LeerLineasObligatorio(kDatos + idioma + nombre);
            ASSERT_EQ(lineas.size(), castellano.size()) << idioma << nombre;
            for (size_t i = 0; i < lineas.size(); ++i) {
                EXPECT_EQ(Forma(lineas[i]), Forma(castellano[i])) << idioma << nombre << " line " << i + 1;
                // Lists are cut at 60 characters, report lines at 65; the
                // masters text is rich text that wraps its own lines.
                const size_t ancho = std::string(nombre) == "grados.txt" ? 65 : std::string(nombre) == "master.txt" ? 80 : 60;
                EXPECT_LE(lineas[i].size(), ancho) << idioma << nombre << " line " << i + 1;
            }
            // Activity and profession codes are the same in every language.
            const size_t codigos = std::string(nombre) == "activida" ? 5 : std::string(nombre) == "profesio" ? 10 : 0;
            if (codigos > 0) {
                for (size_t i = 0; i < lineas.size(); ++i) {
                    EXPECT_EQ(lineas[i].substr(0, codigos), castellano[i].substr(0, codigos))
                        << idioma << nombre << " line " << i + 1 << " has other codes";
                }
            }
        }
    }
}

TEST_F(ShippedCastilianDegrees, DegreeTablesRunParallel)
{
    const int n = g.e.NumGrados;
    EXPECT_EQ(LeerLineasObligatorio(kDatos + "datgradosphp").size(), static_cast<size_t>(n));
    EXPECT_EQ(LeerLineasObligatorio(kDatos + "datcarnphp").size(), static_cast<size_t>(3 * n));

    std::set<int> codigos;
    std::set<int> grupos;
    std::map<int, int> ramas, itinerarios;
    const int profesiones = static_cast<int>(g.profesiones.size()), materias = static_cast<int>(g.materias.size());
    for (int r = 1; r <= n; ++r) {
        SCOPED_TRACE(testing::Message() << "carreran and datgradosphp line " << r);
        EXPECT_LE(Texto(g.e.NombresGrado[r]).size(), 45u);
        const auto campo = [&](int c) { return g.e.TablaGrados.En(r, c); };
        // Branch, group, two itineraries, four professions (the first one
        // always), family and code; subjects 0, 50 or one of materiasp.
        for (const auto &[c, desde, hasta] : {std::tuple{1, 1, 5}, {2, 1, g.numGrupos}, {3, 1, 12}, {4, 0, 12},
                                              {5, 1, profesiones}, {6, 0, profesiones}, {7, 0, profesiones},
                                              {8, 0, profesiones}, {9, 1, 26}, {10, 100, 999}})
            EXPECT_TRUE(campo(c) >= desde && campo(c) <= hasta) << "field " << c << ": " << campo(c);
        for (int c = 11; c <= 14; ++c)
            EXPECT_TRUE(campo(c) == 0 || campo(c) == 50 || (campo(c) >= 1 && campo(c) <= materias)) << "field " << c;
        EXPECT_TRUE(codigos.insert(campo(10)).second) << "repeats its code";
        grupos.insert(campo(2));
        ++ramas[campo(1)];
        ++itinerarios[campo(3)];
        ++itinerarios[campo(4)];
    }
    // Every group of "carreranb", every branch of the branch list and every
    // itinerary node of the tree by itinerary (the twelfth is listed under
    // the eleventh) has degrees: an empty one would be a dead heading.
    EXPECT_EQ(static_cast<int>(grupos.size()), g.numGrupos);
    for (int b = 1; b <= 5; ++b)
        EXPECT_GT(ramas[b], 0) << "no degree of branch " << b;
    for (int a = 1; a <= 11; ++a)
        EXPECT_GT(itinerarios[a], 0) << "no degree of itinerary " << a;
}

TEST_F(ShippedCastilianDegrees, CutOffMarksPointIntoTheirLists)
{
    std::set<int> universidades;
    std::set<int> titulos;
    int variasComunidades = 0;
    for (int r = 1; r <= g.e.NumGrados; ++r) {
        const int n = g.e.NotasCorteUni.En(r, 0);
        EXPECT_GT(n, 0) << "datcarnphp line " << r << ": a degree taught nowhere";
        std::set<std::pair<int, int>> vistas;
        std::set<int> comunidades;
        for (int j = 1; j <= n; ++j) {
            const int u = g.e.NotasCorteUni.En(r, j);
            const int nota = g.e.NotasCorte.En(r, j);
            const int t = g.e.NotasCorteTitulo.En(r, j);
            EXPECT_TRUE(u >= 1 && u <= g.e.NumUniversidades) << "datcarnphp line " << r;
            // 10 stands for "no published mark"; real marks lie in 5,0..14,0.
            EXPECT_TRUE(nota == 10 || (nota >= 50 && nota <= 140))
                << "datcarnphp line " << g.e.NumGrados + r << " mark " << nota;
            EXPECT_TRUE(t >= 0 && t <= g.e.NumNuevosTitulos) << "datcarnphp line " << 2 * g.e.NumGrados + r;
            EXPECT_TRUE(vistas.insert({u, t}).second)
                << "datcarnphp line " << r << " lists university " << u << " twice with one title";
            universidades.insert(u);
            comunidades.insert(g.e.ComunidadUniversidad[u]);
            if (t > 0)
                titulos.insert(t);
        }
        EXPECT_LE(g.e.EnlacesGrado.En(r, 0), 15) << "datcarnphp line " << 2 * g.e.NumGrados + r;
        variasComunidades += comunidades.size() >= 2;
    }
    // The marks view has universities in several communities to show.
    EXPECT_GT(variasComunidades, g.e.NumGrados / 2);
    // No university and no university-specific title is left unused.
    EXPECT_EQ(static_cast<int>(universidades.size()), g.e.NumUniversidades);
    EXPECT_EQ(static_cast<int>(titulos.size()), g.e.NumNuevosTitulos);
    EXPECT_LE(g.e.NumNuevosTitulos, 255);
}

TEST_F(ShippedCastilianDegrees, UniversitiesAreOnceEachInTheirCommunity)
{
    EXPECT_LE(g.e.NumUniversidades, 255);
    std::set<std::string> nombres;
    std::map<int, int> porComunidad;
    for (int u = 1; u <= g.e.NumUniversidades; ++u) {
        SCOPED_TRACE(testing::Message() << "lugar line " << u);
        const int c = g.e.ComunidadUniversidad[u];
        EXPECT_TRUE(c >= 1 && c <= kNumComunidades);
        EXPECT_LE(++porComunidad[c], 40) << "more than 40 in community " << c;
        EXPECT_TRUE(nombres.insert(Texto(g.e.NombresUniversidad[u])).second) << "repeats";
        // Not empty, at most 60 characters, no blank; the screen puts "http://www." in front of it.
        const std::string web = g.e.WebUniversidad[u];
        EXPECT_TRUE(!web.empty() && web.size() <= 60 && web.find(' ') == std::string::npos) << web;
        EXPECT_TRUE(web.rfind("http", 0) != 0 && web.rfind("www.", 0) != 0) << web;
    }
}

TEST_F(ShippedCastilianDegrees, DoubleDegreesPairDegreesTheirUniversityTeaches)
{
    // Group g holds the double degrees of university g.
    ASSERT_EQ(g.e.NumDobles, g.e.NumUniversidades);
    int pares = 0;
    for (int d = 1; d <= g.e.NumDobles; ++d) {
        EXPECT_EQ(g.e.DoblesNumero[d], g.e.ComunidadUniversidad[d]) << "dobles group " << d;
        EXPECT_EQ(Texto(g.e.DoblesNombre[d]), Texto(g.e.NombresUniversidad[d])) << "dobles group " << d;
        for (int k = 1; k <= g.e.DoblesCuenta.En(d, 0); ++k, ++pares) {
            const int a = g.e.DoblesGradoA.En(d, k);
            const int b = g.e.DoblesGradoB.En(d, k);
            ASSERT_TRUE(a >= 1 && b >= 1) << "dobles group " << d << " pair " << k << ": unknown degree code";
            EXPECT_NE(a, b) << "dobles group " << d << " pair " << k;
            EXPECT_TRUE(g.Ensena(a, d) && g.Ensena(b, d))
                << "dobles group " << d << " pair " << k << ": the university does not teach both degrees";
        }
    }
    EXPECT_GT(pares, 0);
}

TEST_F(ShippedCastilianDegrees, ProfessionsBelongToListedActivities)
{
    std::map<std::string, int> actividades;
    for (int a = 1; a <= g.numActividades; ++a) {
        const std::string &linea = g.e.NombresActividad[a];
        EXPECT_EQ(linea.substr(4, 1), " ") << "activida line " << a;
        EXPECT_FALSE(EsBlanco(Columnas(linea, 6, 60))) << "activida line " << a;
        EXPECT_TRUE(actividades.emplace(linea.substr(0, 4), a).second) << "activida line " << a << " repeats its code";
    }
    std::set<int> alcanzadas;
    for (size_t p = 0; p < g.profesiones.size(); ++p) {
        SCOPED_TRACE(testing::Message() << "profesio line " << p + 1);
        const std::string linea = g.profesiones[p] + std::string(22, ' ');
        EXPECT_TRUE(actividades.count(linea.substr(0, 4)));
        EXPECT_TRUE(EsBlanco(linea.substr(5, 4)) || actividades.count(linea.substr(5, 4)));
        EXPECT_FALSE(EsBlanco(Columnas(linea, 11, 50)));
        EXPECT_LE(Texto(linea).size(), 50u);
    }
    for (int r = 1; r <= g.e.NumGrados; ++r) {
        for (int c = 5; c <= 8; ++c) {
            const int p = g.e.TablaGrados.En(r, c);
            if (p < 1 || p > static_cast<int>(g.profesiones.size()))
                continue;
            const std::string linea = g.profesiones[static_cast<size_t>(p - 1)] + std::string(22, ' ');
            for (const std::string &codigo : {linea.substr(0, 4), linea.substr(5, 4)})
                if (actividades.count(codigo))
                    alcanzadas.insert(actividades.at(codigo));
        }
    }
    // The tree by activity leaves out activities 23 and 24; every other one leads to degrees.
    for (int a = 1; a <= g.numActividades; ++a)
        EXPECT_TRUE(a == 23 || a == 24 || alcanzadas.count(a)) << "activida line " << a << " leads to no degree";
}

TEST_F(ShippedCastilianDegrees, OutletsTextHasOneBlockPerDegree)
{
    for (const char *idioma : kIdiomas) {
        const auto lineas = LeerLineasObligatorio(kDatos + idioma + "grados.txt");
        std::map<int, int> claves;
        int ultimaClave = 0;
        for (size_t i = 0; i < lineas.size(); ++i)
            if (const size_t p = lineas[i].find("<<"); p != std::string::npos) {
                const auto codigo = NumeroColumna(lineas[i].substr(p + 2, 3));
                ASSERT_TRUE(codigo.has_value()) << idioma << "grados.txt line " << i + 1;
                EXPECT_TRUE(claves.emplace(*codigo, static_cast<int>(i)).second)
                    << idioma << "grados.txt line " << i + 1 << " repeats code " << *codigo;
                ultimaClave = static_cast<int>(i);
            }
        for (int r = 1; r <= g.e.NumGrados; ++r) {
            const int codigo = g.e.TablaGrados.En(r, 10);
            const auto clave = claves.find(codigo);
            ASSERT_NE(clave, claves.end()) << idioma << "grados.txt has no block for degree " << codigo;
            // The block's title is the second line after the key, and a
            // further "<<" line must close the block.
            ASSERT_LT(clave->second + 2, ultimaClave) << idioma << "grados.txt block " << codigo << " is not closed";
            EXPECT_FALSE(EsBlanco(lineas[static_cast<size_t>(clave->second + 2)])) << idioma << "grados.txt block " << codigo;
        }
        EXPECT_FALSE(LeerLineasObligatorio(kDatos + idioma + "master.txt").empty()) << idioma;
    }
}
