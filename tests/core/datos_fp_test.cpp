// Checks of the shipped vocational-training and place files: they load
// through the program's own loaders, in the order the screens load them,
// without a message, and they agree with one another.
#include "ansi.h"
#include "cargas_columnas.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "errores.h"
#include "lectura.h"
#include "mapa_regiones.h"

#include <QFile>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace norvela;

namespace {

const QString kDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
const char *const kCarpetas[4] = {"cas/", "catVal/", "galego/", "euskera/"};
const std::string kCodigosFamilia = "123456789ABCDEFGHIJKLMNOPQ";
constexpr int kFamilias = 26;
// Province codes whose localities are told apart by 35 characters of the
// centre line, on the higher and intermediate screens and on the basic one.
const std::set<std::string> kLargosGS = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};
const std::set<std::string> kLargosFPB = {"1J", "2G", "3G", "3E", "41", "45", "4A"};
// Landline prefixes of each province (the second column of a centre line is
// its telephone number).
const std::map<std::string, std::vector<std::string>> kPrefijosProvincia = {
    {"Almería", {"950"}}, {"Cádiz", {"956"}}, {"Córdoba", {"957"}}, {"Granada", {"958"}}, {"Huelva", {"959"}},
    {"Jaén", {"953"}}, {"Málaga", {"951", "952"}}, {"Sevilla", {"954", "955"}}, {"Huesca", {"974"}},
    {"Teruel", {"978"}}, {"Zaragoza", {"976"}}, {"Principado de Asturias", {"984", "985"}},
    {"Illes Balears", {"971"}}, {"Las Palmas", {"928"}}, {"Santa Cruz de Tenerife", {"922"}},
    {"Cantabria", {"942"}}, {"Albacete", {"967"}}, {"Ciudad Real", {"926"}}, {"Cuenca", {"969"}},
    {"Guadalajara", {"949"}}, {"Toledo", {"925"}}, {"Ávila", {"920"}}, {"Burgos", {"947"}}, {"León", {"987"}},
    {"Palencia", {"979"}}, {"Salamanca", {"923"}}, {"Segovia", {"921"}}, {"Soria", {"975"}},
    {"Valladolid", {"983"}}, {"Zamora", {"980"}}, {"Barcelona (comarques)", {"93"}}, {"Barcelona ciutat", {"93"}},
    {"Girona", {"972"}}, {"Lleida", {"973"}}, {"Tarragona", {"977"}}, {"Terres de l'Ebre", {"977"}},
    {"Badajoz", {"924"}}, {"Cáceres", {"927"}}, {"A Coruña", {"981"}}, {"Lugo", {"982"}}, {"Ourense", {"988"}},
    {"Pontevedra", {"986"}}, {"La Rioja", {"941"}}, {"Madrid-Capital", {"91"}}, {"Madrid-Norte", {"91"}},
    {"Madrid-Sur", {"91"}}, {"Madrid-Este", {"91"}}, {"Madrid-Oeste", {"91"}}, {"Región de Murcia", {"968"}},
    {"Comunidad Foral de Navarra", {"948"}}, {"Alicante", {"965", "966"}}, {"Castellón", {"964"}},
    {"Valencia", {"960", "961", "962", "963"}}, {"Araba/Álava", {"945"}}, {"Bizkaia", {"944", "946"}},
    {"Gipuzkoa", {"943"}}, {"Ceuta", {"956"}}, {"Melilla", {"952"}},
};

// Trailing blanks off.
std::string Recortar(const std::string &s)
{
    const auto fin = s.find_last_not_of(' ');
    return fin == std::string::npos ? std::string() : s.substr(0, fin + 1);
}

// Characters a..b (1-based) of a line, shorter when the line is.
std::string Cols(const std::string &s, int a, int b)
{
    if (static_cast<int>(s.size()) < a)
        return {};
    return s.substr(static_cast<size_t>(a - 1), static_cast<size_t>(b - a + 1));
}

char Car(const std::string &s, int k)
{
    return static_cast<int>(s.size()) >= k ? s[static_cast<size_t>(k - 1)] : ' ';
}

int Numero(const std::string &s)
{
    const std::string t = Recortar(s);
    if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(t);
}

// Every FP and place table of one language, loaded as start-up and the FP
// screens load them: TForm1, TForm8, TForm2, TFIniPro, TCertifica.
struct MuestraFP {
    explicit MuestraFP(int idioma) : e(m)
    {
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("usuario"), idioma));
        IniciarCodigosProvincia(e.CodigoProvincia);
        try {
            Cargar();
        } catch (const ErrorDatos &x) {
            error = x.Mensaje().toStdString();
        } catch (const std::exception &x) {
            error = x.what();
        }
    }

    void Cargar()
    {
        // TForm1.
        CargarListaTexto(e, e.FicheroIdioma("fp"), e.NombresFPSuperior, e.NumFPSuperior, 60);
        CargarEncabezados(e, e.FicheroIdioma("fp"), e.EncabezadosFPSuperior, numEncabezadosGS, filaTituloGS, 60);
        CargarListaTexto(e, e.FicheroIdioma("reqfp"), e.RequisitosFP, numRequisitosFP, 55);
        CargarBloques26(e, e.FicheroIdioma("asignafp"), e.AsignaturasFPSuperior);
        CargarLista60(e, e.FicheroIdioma("familias"), e.NombresFamilias, numLineasFamilias);
        CargarListaTexto(e, e.Fichero("comunida"), e.Lugares, numLugares, 55);
        CargarWebComunidades(e, e.Fichero("comuint"), e.NumWebComunidades);
        CargarListaTexto(e, e.Fichero("lu1"), e.Centros1, e.NumCentros1, e.AnchoLista);
        CargarListaTexto(e, e.Fichero("lu2"), e.Centros2, e.NumCentros2, e.AnchoLista);
        CargarListaTexto(e, e.Fichero("lu3"), e.Centros3, e.NumCentros3, e.AnchoLista);
        CargarListaTexto(e, e.Fichero("lu4"), e.Centros4, e.NumCentros4, e.AnchoLista);
        CargarTablaFPSuperior(e, e.Fichero("datfpsphp"));
        CargarOfertaGS(e, e.Fichero("datluggsphp"));
        // TForm8.
        CargarCodigosSuperior(e, e.Fichero("comarcas"), e.NumComarcas, 20);
        CargarZonasSuperior(e, e.Fichero("comarcasm"), e.NumZonas, 25);
        // TForm2: the itineraries data, then the intermediate-cycle tables.
        CargarListaTexto75(e, e.FicheroIdioma("cuesgm"), cuesgm, numLineasCuesGM, 75);
        CargarListaTexto(e, e.FicheroIdioma("fp2"), e.NombresFPMedio, e.NumFPMedio, 60);
        CargarEncabezados(e, e.FicheroIdioma("fp2"), e.EncabezadosFPMedio, numEncabezadosGM, filaTituloGM, 60);
        CargarBloques26(e, e.FicheroIdioma("asignagm"), e.AsignaturasFPMedio);
        CargarOfertaGM(e, e.Fichero("datluggmphp"));
        CargarTablaFPMedio(e, e.Fichero("datfpmphp"));
        // TFIniPro.
        CargarOfertaFPB(e, e.Fichero("datlugbasphp"));
        CargarListaTexto(e, e.FicheroIdioma("fpba"), e.NombresFPBasica, e.NumFPBasica, 60);
        CargarBloques26(e, e.FicheroIdioma("asignaba"), e.AsignaturasFPBasica);
        CargarListaTexto(e, e.Fichero("lu2"), centrosFPB2, numCentrosFPB2, e.AnchoLista);
        // TCertifica.
        CargarListaTexto(e, e.FicheroIdioma("certifica"), e.NombresCertificados, numCertifica, 60);
        CargarLista250(e, e.FicheroIdioma("certificah"), e.ExplicacionCertificados, numCertificah);
        cargado = true;
    }

    const TablaTexto &Centros(int g) const
    {
        const TablaTexto *t[4] = {&e.Centros1, &e.Centros2, &e.Centros3, &e.Centros4};
        return *t[g - 1];
    }
    int NumCentros(int g) const
    {
        const int n[4] = {e.NumCentros1, e.NumCentros2, e.NumCentros3, e.NumCentros4};
        return n[g - 1];
    }
    // Index in CodigoProvincia of community c's first province.
    int Primera(int c) const { return Numero(Cols(e.Lugares[c], 1, 2)); }

    MensajesRegistrados m;
    Enlace e;
    std::string error;
    bool cargado = false;
    int numEncabezadosGS = 0, numEncabezadosGM = 0, numRequisitosFP = 0, numLineasFamilias = 0, numLugares = 0;
    int numLineasCuesGM = 0, numCentrosFPB2 = 0, numCertifica = 0, numCertificah = 0;
    TablaValores<int> filaTituloGS{1, 1100};
    TablaValores<int> filaTituloGM{1, 1100};
    TablaTexto cuesgm{0, 1100, 75};
    TablaTexto centrosFPB2{0, 1100, 60};
};

// One title list: its lines, the family of each line (0 for headings and
// for the arts and sports sections) and the kind of line.
struct Lista {
    std::string fichero;
    std::vector<std::string> lineas;   // 1-based: lineas[0] unused
    std::vector<int> familia;
    std::vector<char> tipo;            // 'H' heading, 'T' title of a family, '|' / '!' arts or sports title
    int encabezados = 0;
    int ultimoEncabezado = 0;   // the line of the last heading
};

Lista Analizar(const std::string &fichero, const TablaTexto &tabla, int n)
{
    Lista l;
    l.fichero = fichero;
    l.lineas.push_back({});
    l.familia.push_back(0);
    l.tipo.push_back(' ');
    int familia = 0;
    char seccion = 'T';
    for (int t = 1; t <= n; ++t) {
        const std::string s = tabla[t];
        l.lineas.push_back(s);
        if (Car(s, 1) == '-') {
            ++l.encabezados;
            l.ultimoEncabezado = t;
            seccion = (Car(s, 2) == '|' || Car(s, 2) == '!') ? Car(s, 2) : 'T';
            familia = (seccion == 'T' && l.encabezados <= kFamilias) ? l.encabezados : 0;
            l.familia.push_back(0);
            l.tipo.push_back('H');
        } else {
            l.familia.push_back(familia);
            l.tipo.push_back(seccion);
        }
    }
    return l;
}

class DatosFPEntregados : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (int i = 0; i < 4; ++i)
            datos_[i] = new MuestraFP(i);
    }
    // Every check reads the Castilian tables.
    void SetUp() override { ASSERT_TRUE(D().cargado) << D().error; }
    static void TearDownTestSuite()
    {
        for (auto *&d : datos_) {
            delete d;
            d = nullptr;
        }
    }
    static const MuestraFP &D(int i = 0) { return *datos_[i]; }
    static Lista GS(int i = 0) { return Analizar("fp", D(i).e.NombresFPSuperior, D(i).e.NumFPSuperior); }
    static Lista GM(int i = 0) { return Analizar("fp2", D(i).e.NombresFPMedio, D(i).e.NumFPMedio); }
    static Lista FPB(int i = 0) { return Analizar("fpba", D(i).e.NombresFPBasica, D(i).e.NumFPBasica); }

    static MuestraFP *datos_[4];
};
MuestraFP *DatosFPEntregados::datos_[4] = {};

} // namespace

TEST_F(DatosFPEntregados, LoadWithoutMessageInEveryLanguageWithOneLineStructure)
{
    for (int i = 0; i < 4; ++i) {
        const MuestraFP &d = D(i);
        EXPECT_EQ(d.error, "") << kCarpetas[i];
        EXPECT_TRUE(d.cargado) << kCarpetas[i];
        EXPECT_FALSE(d.e.ErrorFicheros) << kCarpetas[i];
        EXPECT_TRUE(d.m.textos.isEmpty()) << kCarpetas[i] << ": " << d.m.textos.join('|').toStdString();
    }

    // Same counts, same heading lines, same codes in every language: what
    // must agree line by line is, in a title list, its headings and section
    // marks; elsewhere the leading code columns (in certifica also the
    // sub-group mark); and in every file, which lines are empty.
    const auto forma = [](const std::string &f, int k, const std::string &s) {
        std::string r;
        if (f == "fp" || f == "fp2" || f == "fpba") {
            r = Car(s, 1) != '-' ? "t" : (Car(s, 2) == '|' || Car(s, 2) == '!') ? Cols(s, 1, 2) : "-";
        } else {
            const int cols = f == "familias"     ? (k >= 30 ? 6 : 1)
                             : f == "cuesgm"     ? (k <= 11 ? 0 : 2)
                             : f == "certificah" ? (k <= 9 ? 1 : 6)
                                                 : 1;
            r = Cols(s, 1, cols) + (f == "certifica" && Car(s, 2) == '-' ? "-" : "");
        }
        return r + (Recortar(s).empty() ? " (empty)" : "");
    };
    for (int i = 1; i < 4; ++i) {
        const MuestraFP &a = D(0), &b = D(i);
        const std::string c = kCarpetas[i];
        EXPECT_EQ(b.numRequisitosFP, a.numRequisitosFP) << c << "reqfp";
        struct Par {
            const char *fichero;
            const TablaTexto &x, &y;
            int n, ny;
        };
        for (const Par &p :
             {Par{"fp", a.e.NombresFPSuperior, b.e.NombresFPSuperior, a.e.NumFPSuperior, b.e.NumFPSuperior},
              Par{"fp2", a.e.NombresFPMedio, b.e.NombresFPMedio, a.e.NumFPMedio, b.e.NumFPMedio},
              Par{"fpba", a.e.NombresFPBasica, b.e.NombresFPBasica, a.e.NumFPBasica, b.e.NumFPBasica},
              Par{"familias", a.e.NombresFamilias, b.e.NombresFamilias, a.numLineasFamilias, b.numLineasFamilias},
              Par{"cuesgm", a.cuesgm, b.cuesgm, a.numLineasCuesGM, b.numLineasCuesGM},
              Par{"certifica", a.e.NombresCertificados, b.e.NombresCertificados, a.numCertifica, b.numCertifica},
              Par{"certificah", a.e.ExplicacionCertificados, b.e.ExplicacionCertificados, a.numCertificah,
                  b.numCertificah}}) {
            EXPECT_EQ(p.ny, p.n) << c << p.fichero << ": another number of lines";
            for (int k = 1; k <= std::min(p.n, 1100) && p.y.Contiene(k); ++k)
                EXPECT_EQ(forma(p.fichero, k, p.y[k]), forma(p.fichero, k, p.x[k]))
                    << c << p.fichero << " line " << k << " has another code or structure";
        }
    }
}

// One family numbering everywhere, and the family groups of "familias"
// left-packed and covering every family that has titles.
TEST_F(DatosFPEntregados, OneFamilyNumberingEverywhereAndGroupsCoverEveryFamily)
{
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(kCarpetas[i]);
        const MuestraFP &d = D(i);
        // familias: lines 1..26 code + name, 27..29 and 39 empty.
        ASSERT_GE(d.numLineasFamilias, 48) << "familias";
        for (int f = 1; f <= kFamilias; ++f) {
            EXPECT_EQ(Car(d.e.NombresFamilias[f], 1), kCodigosFamilia[static_cast<size_t>(f - 1)]) << "familias line " << f;
            EXPECT_FALSE(Recortar(Cols(d.e.NombresFamilias[f], 2, 60)).empty()) << "familias line " << f;
        }
        for (int k : {27, 28, 29, 39})
            EXPECT_EQ(d.e.NombresFamilias[k], "") << "familias line " << k << " must stay empty";

        // The first 26 headings of fp, fp2 and fpba are the families, by name, in order.
        const Lista gs = GS(i), gm = GM(i), ba = FPB(i);
        for (const Lista *l : {&gs, &gm, &ba}) {
            int h = 0;
            for (size_t t = 1; t < l->lineas.size(); ++t) {
                if (l->tipo[t] != 'H')
                    continue;
                if (++h <= kFamilias) {
                    EXPECT_EQ(Recortar(Cols(l->lineas[t], 2, 60)), Recortar(Cols(d.e.NombresFamilias[h], 2, 60)))
                        << l->fichero << " line " << t << " is not family " << h;
                } else {
                    EXPECT_TRUE(Car(l->lineas[t], 2) == '|' || Car(l->lineas[t], 2) == '!')
                        << l->fichero << " line " << t << ": heading after the 26 families without | or !";
                }
                // The sports heading, when there is one, is the last heading of fp and fp2.
                if (Car(l->lineas[t], 2) == '!') {
                    EXPECT_EQ(static_cast<int>(t), l->ultimoEncabezado) << l->fichero << " line " << t;
                }
            }
            EXPECT_GE(h, kFamilias) << l->fichero;
            EXPECT_EQ(Car(l->lineas[1], 1), '-') << l->fichero << " line 1 must be a heading";
        }
        // fpba: 26 families, the last with exactly one title, the file's last line.
        EXPECT_EQ(ba.encabezados, kFamilias) << "fpba";
        EXPECT_EQ(d.e.NumFPBasica - ba.ultimoEncabezado, 1) << "fpba: the last family must have exactly one title";
        EXPECT_LE(ba.ultimoEncabezado, 255) << "fpba: a family heading after line 255";
        EXPECT_EQ(std::pair(d.numEncabezadosGS, d.numEncabezadosGM), std::pair(gs.encabezados, gm.encabezados));

        // Groups: familias 30..38 for the higher and intermediate screens,
        // 40..48 for the basic one; up to three family numbers, none after a 00.
        std::set<int> gsgm, fpb;
        for (int linea = 30; linea <= 48; ++linea) {
            if (linea == 39)
                continue;
            const std::string &s = d.e.NombresFamilias[linea];
            bool cero = false;
            for (int k = 0; k < 3; ++k) {
                const int f = Numero(Cols(s, 1 + 2 * k, 2 + 2 * k));
                EXPECT_TRUE(f >= 0 && f <= kFamilias) << "familias line " << linea << ": " << s;
                EXPECT_FALSE(cero && f > 0) << "familias line " << linea << ": a family after 00";
                cero = cero || f == 0;
                if (f > 0)
                    (linea < 39 ? gsgm : fpb).insert(f);
            }
            EXPECT_FALSE(QString::fromLatin1(Cols(s, 7, 60).c_str()).trimmed().isEmpty())
                << "familias line " << linea << " has no caption";
        }
        // Every family with a title is in a group (the arts and sports
        // sections join groups 6 and 1 by themselves).
        for (const Lista *l : {&gs, &gm, &ba})
            for (size_t t = 1; t < l->lineas.size(); ++t)
                if (l->familia[t] > 0) {
                    EXPECT_TRUE((l == &ba ? fpb : gsgm).count(l->familia[t]))
                        << l->fichero << " line " << t << ": family " << l->familia[t] << " in no group of familias";
                }
    }
}

TEST_F(DatosFPEntregados, TitleLinesMatchTheirBlocksRequirementsAndQuestions)
{
    const MuestraFP &d = D();
    struct Nivel {
        Lista l;
        const char *bloques;
        const TablaBloques &asignaturas;
    };
    for (int i = 0; i < 4; ++i) {
        const MuestraFP &di = D(i);
        for (const Nivel &n : {Nivel{GS(i), "asignafp", di.e.AsignaturasFPSuperior},
                               Nivel{GM(i), "asignagm", di.e.AsignaturasFPMedio},
                               Nivel{FPB(i), "asignaba", di.e.AsignaturasFPBasica}}) {
            SCOPED_TRACE(std::string(kCarpetas[i]) + n.bloques);
            const int lineas = static_cast<int>(n.l.lineas.size()) - 1;
            EXPECT_LE(lineas, 200) << n.l.fichero << ": more lines than usable";
            const auto bloques = LeerLineasObligatorio(kDatos + kCarpetas[i] + n.bloques);
            EXPECT_GE(static_cast<int>(bloques.size()), 26 * lineas) << "fewer blocks than " << n.l.fichero << " lines";
            EXPECT_EQ(bloques.size() % 26, 0u);
            for (int t = 1; t <= lineas; ++t) {
                if (n.l.tipo[static_cast<size_t>(t)] == 'H')
                    continue;
                for (int k = 1; k <= 6; ++k)
                    EXPECT_FALSE(Recortar(n.asignaturas.En(t, k)).empty()) << "block " << t << " line " << k << " is empty";
                // Block line 0 names its title.
                EXPECT_EQ(Recortar(bloques[static_cast<size_t>(26 * (t - 1))]), Recortar(n.l.lineas[static_cast<size_t>(t)]))
                    << "block " << t << " belongs to another line";
            }
        }
    }

    // cuesgm: 11 options, then question lines with two digit codes.
    const int numCues = d.numLineasCuesGM - 11;
    ASSERT_TRUE(numCues > 0 && numCues <= 100) << "cuesgm: " << numCues << " questions";
    for (int j = 1; j <= numCues; ++j) {
        const std::string &s = d.cuesgm[11 + j];
        EXPECT_TRUE(Numero(Cols(s, 1, 2)) >= 0 && Car(s, 2) != ' ' && Recortar(s).size() <= 72) << "cuesgm line " << 11 + j;
    }
    // datfpsphp and datfpmphp: one row per title line, heading rows empty;
    // fields `desde`..`ultimo` name requirement lines of reqfp (higher titles)
    // or questions of cuesgm (intermediate ones), and every title has one;
    // field `familia` is the family of the title's heading.
    struct Numerica {
        const char *fichero;
        Lista l;
        const TablaEnteros &t;
        int campos, desde, ultimo, hasta, familia;
        const char *falta;
    };
    for (const Numerica &n :
         {Numerica{"datfpsphp", GS(), d.e.TablaFPSuperior, 24, 5, 17, d.numRequisitosFP, 24, "has no requirement line"},
          Numerica{"datfpmphp", GM(), d.e.TablaFPMedio, 7, 5, 7, numCues, 4, "is reached by no question"}}) {
        const int lineas = static_cast<int>(n.l.lineas.size()) - 1;
        EXPECT_EQ(static_cast<int>(LeerLineasObligatorio(kDatos + n.fichero).size()), lineas) << n.fichero;
        for (int t = 1; t <= lineas; ++t) {
            const bool encabezado = n.l.tipo[static_cast<size_t>(t)] == 'H';
            int enlaces = 0;
            for (int f = 1; f <= n.campos; ++f) {
                const int v = n.t.En(t, f);
                const bool enlace = f >= n.desde && f <= n.ultimo;
                EXPECT_TRUE(encabezado ? v == 0 : !enlace || (v >= 0 && v <= n.hasta))
                    << n.fichero << " line " << t << " field " << f << ": " << v;
                enlaces += enlace && v > 0;
            }
            EXPECT_TRUE(encabezado || enlaces > 0) << n.fichero << " line " << t << " " << n.falta;
            EXPECT_EQ(n.t.En(t, n.familia), n.l.familia[static_cast<size_t>(t)]) << n.fichero << " line " << t << ": family";
        }
    }
}

TEST_F(DatosFPEntregados, CommunitiesProvincesAndCentresFollowTheProvinceCodesAndTeachEveryLevel)
{
    const MuestraFP &d = D();
    ASSERT_GE(d.numLugares, kNumComunidades) << "comunida";
    EXPECT_EQ(d.Primera(1), 1) << "comunida line 1";
    std::map<int, int> registros;   // community -> province records
    int anterior = 0;
    for (int k = kNumComunidades + 1; k <= d.numLugares; ++k) {
        const int c = Numero(Cols(d.e.Lugares[k], 1, 2));
        EXPECT_TRUE(c >= 1 && c <= kNumComunidades) << "comunida line " << k;
        EXPECT_GE(c, anterior) << "comunida line " << k << ": provinces not grouped by community";
        anterior = c;
        ++registros[c];
    }
    // In-use province entries: first(c) .. first(c) + max(records, 1) - 1.
    std::map<std::string, int> enUso;   // province code -> community
    std::map<int, std::set<int>> comunidadesDeTitulo;   // higher title -> communities teaching it
    std::map<std::string, std::string> provincia;   // province code -> name, UTF-8
    std::map<int, int> vistos;
    for (int k = kNumComunidades + 1; k <= d.numLugares; ++k) {
        const int c = Numero(Cols(d.e.Lugares[k], 1, 2));
        if (c >= 1 && c <= kNumComunidades && d.Primera(c) + vistos[c] <= 64)
            provincia[d.e.CodigoProvincia[d.Primera(c) + vistos[c]++]] =
                DesdeAnsi(Recortar(d.e.Lugares[k].substr(2))).toStdString();
    }
    for (int c = 1; c <= kNumComunidades; ++c) {
        const int primera = d.Primera(c);
        const int siguiente = c < kNumComunidades ? d.Primera(c + 1) : 65;
        const int capacidad = c < kNumComunidades ? siguiente - primera : 1;
        ASSERT_TRUE(primera >= 1 && primera <= 64) << "comunida line " << c;
        EXPECT_LT(primera, siguiente) << "comunida line " << c;
        const int n = std::max(registros[c], 1);
        EXPECT_LE(n, capacidad) << "comunida: community " << c << " has more provinces than entries";
        std::set<char> grupos;
        for (int k = 0; k < n; ++k) {
            const std::string codigo = d.e.CodigoProvincia[primera + k];
            grupos.insert(codigo[0]);
            enUso[codigo] = c;
            if (registros[c] == 0)
                provincia[codigo] = DesdeAnsi(Recortar(d.e.Lugares[c].substr(2))).toStdString();
            // Every province in use has centres of the three levels.
            const int g = codigo[0] - '0';
            const auto fila = static_cast<size_t>(g - 1);
            int niveles[3] = {0, 0, 0};
            for (int i = 1; i <= d.NumCentros(g); ++i) {
                if (Car(d.Centros(g)[i], 1) != codigo[1])
                    continue;
                niveles[0] += d.e.OfertaGS[fila].En(i, 0) > 0;
                niveles[1] += d.e.OfertaGM[fila].En(i, 0) > 0;
                niveles[2] += d.e.OfertaFPB[fila].En(i, 0) > 0;
                for (int j = 1; j <= d.e.OfertaGS[fila].En(i, 0); ++j)
                    comunidadesDeTitulo[d.e.OfertaGS[fila].En(i, j)].insert(c);
            }
            EXPECT_TRUE(niveles[0] > 0 && niveles[1] > 0 && niveles[2] > 0) << "community " << c << " province " << codigo
                << ": centres of the three levels " << niveles[0] << ", " << niveles[1] << ", " << niveles[2];
        }
        EXPECT_EQ(grupos.size(), 1u) << "comunida: community " << c << " spans more than one data group";
        EXPECT_FALSE(Recortar(d.e.WebComunidad[c]).empty()) << "comuint line " << c;
    }
    EXPECT_TRUE(registros[9] >= 2 && registros[13] >= 2) << "comunida: Cataluña and Madrid need two province records";
    EXPECT_EQ(d.e.NumWebComunidades, kNumComunidades) << "comuint";
    int extendidos = 0;
    for (const auto &[titulo, comunidades] : comunidadesDeTitulo)
        extendidos += comunidades.size() >= 10;
    EXPECT_GE(extendidos, 20) << "higher titles taught in ten communities or more";

    // Every centre line is in an in-use province of its group, with a
    // telephone of that province, and the localities of a province are
    // contiguous for both locality widths.
    int total = 0;
    for (int g = 1; g <= 4; ++g) {
        const std::string fichero = "lu" + std::to_string(g);
        const TablaTexto &centros = d.Centros(g);
        EXPECT_LE(d.NumCentros(g), 1100) << fichero;
        total += d.NumCentros(g);
        for (const auto *largos : {&kLargosGS, &kLargosFPB}) {
            std::map<std::string, std::set<std::string>> vistas;   // province -> localities closed
            std::map<std::string, std::string> actual;
            for (int i = 1; i <= d.NumCentros(g); ++i) {
                const std::string &s = centros[i];
                const std::string codigo = std::to_string(g) + Car(s, 1), nombre = provincia[codigo];
                const auto prefijos = kPrefijosProvincia.find(nombre);
                EXPECT_TRUE(enUso.count(codigo) && prefijos != kPrefijosProvincia.end() &&
                            std::any_of(prefijos->second.begin(), prefijos->second.end(),
                                        [&](const std::string &p) { return Cols(s, 46, 45 + int(p.size())) == p; }))
                    << fichero << " line " << i << ": province " << codigo << " not in use, or telephone "
                    << Cols(s, 46, 54) << " not of " << nombre;
                const std::string clave = Cols(s, 2, largos->count(codigo) ? 36 : 18);
                if (actual[codigo] != clave) {
                    if (!actual[codigo].empty())
                        vistas[codigo].insert(actual[codigo]);
                    EXPECT_FALSE(vistas[codigo].count(clave))
                        << fichero << " line " << i << ": locality \"" << clave << "\" is split";
                    actual[codigo] = clave;
                }
            }
        }
    }
    EXPECT_GE(total, 600) << "centres";
    // The FPB copy of lu2 is the same file.
    EXPECT_EQ(d.numCentrosFPB2, d.e.NumCentros2) << "lu2";
}

// A province read with 35-character localities spells the locality in that
// whole field and the centre's name from column 37, so its centres group
// into far fewer localities; every other province keeps the locality in 17
// characters and the name from column 19. The Madrid-Norte lines ("2H") are
// grouped by the basic-cycle screen only, with 17 characters: the other two
// screens merge them into the Madrid zones.
TEST_F(DatosFPEntregados, CentreLinesSpellTheLocalityInTheWidthTheScreensGroupBy)
{
    const MuestraFP &d = D();
    int provinciasLargas = 0;
    for (int g = 1; g <= 4; ++g) {
        const std::string fichero = "lu" + std::to_string(g);
        struct Cuenta {
            int centros = 0, localidades = 0;
            std::string ultima;
        };
        std::map<std::string, Cuenta> cuentas;
        for (int i = 1; i <= d.NumCentros(g); ++i) {
            const std::string &s = d.Centros(g)[i];
            const std::string codigo = std::to_string(g) + Car(s, 1);
            const int fin = kLargosFPB.count(codigo) ? 36 : 18;
            const std::string campo = Cols(s, 2, fin), localidad = Recortar(campo);
            SCOPED_TRACE(testing::Message() << fichero << " line " << i << ", province " << codigo << ", locality \""
                                            << localidad << "\" in " << fin - 1 << " characters");
            // A locality, no more than one; a blank after it and the centre's name next.
            EXPECT_TRUE(!localidad.empty() && localidad.find("  ") == std::string::npos);
            EXPECT_EQ(std::pair(Car(s, fin), Car(s, fin + 1) != ' '), std::pair(' ', true));
            // Groups 1 and 3 carry no district or zone letter: a name ends by
            // column 44, so printed lists keep a blank before the telephone.
            EXPECT_TRUE((g != 1 && g != 3) || Car(s, 45) == ' ') << "the name runs into the second column";
            Cuenta &c = cuentas[codigo];
            ++c.centros;
            if (c.localidades == 0 || campo != c.ultima)
                ++c.localidades;
            c.ultima = campo;
        }
        for (const auto &[codigo, c] : cuentas) {
            if (!kLargosFPB.count(codigo))
                continue;
            ++provinciasLargas;
            EXPECT_LE(4 * c.localidades, 3 * c.centros) << fichero << ": province " << codigo << ", in centres and localities";
        }
    }
    EXPECT_GE(provinciasLargas, 6) << "provinces with 35-character localities";
}

TEST_F(DatosFPEntregados, DistrictAndZoneCodesMatchTheMaps)
{
    const MuestraFP &d = D();
    // The maps' own numbering.
    const QString regiones = QStringLiteral(NORVELA_FUENTES "/tools/mapas/regiones.txt");
    std::map<int, std::string> comarca, zona;
    QFile fichero(regiones);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly | QIODevice::Text)) << regiones.toStdString();
    // UTF-8 there, Windows-1252 in the data folder.
    for (const QString &linea : QString::fromUtf8(fichero.readAll()).split('\n')) {
        const std::string s = HaciaAnsi(linea);
        if (s.size() < 6 || s[1] != ' ' || (s[0] != 'C' && s[0] != 'M'))
            continue;
        (s[0] == 'C' ? comarca : zona)[Numero(s.substr(2, 2))] = s.substr(5);
    }
    ASSERT_EQ(comarca.size(), 41u) << regiones.toStdString();
    ASSERT_EQ(zona.size(), 28u) << regiones.toStdString();
    ASSERT_EQ(comarca[37], std::string("Barcelon\xE8s"));

    // comarcas: 41 districts by the maps' numbers and names, then Barcelonès' sub-districts.
    const auto lineasComarcas = LeerLineasObligatorio(kDatos + "comarcas");
    ASSERT_GE(lineasComarcas.size(), 47u) << "comarcas";
    std::set<std::string> codigosComarca, codigosVistos;
    for (int k = 1; k <= 41; ++k) {
        const std::string &s = lineasComarcas[static_cast<size_t>(k - 1)];
        const int r = Numero(Cols(s, 3, 4));
        EXPECT_TRUE(r >= 1 && r <= 41) << "comarcas line " << k;
        EXPECT_EQ(Recortar(d.e.NombresComarcas[r]), comarca[r]) << "comarcas line " << k << ": name of region " << r;
        EXPECT_EQ(d.e.CodigosComarcas[r], Cols(s, 1, 2)) << "comarcas line " << k;
        EXPECT_TRUE(codigosVistos.insert(Cols(s, 1, 2)).second) << "comarcas line " << k << ": code used twice";
        if (r != 37)
            codigosComarca.insert(Cols(s, 1, 2));
    }
    EXPECT_LE(d.e.NumComarcas, 60) << "comarcas";
    for (int k = 42; k <= d.e.NumComarcas; ++k) {
        if (k == 46)
            continue;   // the separator of listBarcelona, never clickable
        EXPECT_TRUE(codigosVistos.insert(d.e.CodigosComarcas[k]).second) << "comarcas line " << k << ": code used twice";
        codigosComarca.insert(d.e.CodigosComarcas[k]);
    }

    // lu4: Catalan lines last, each with a district code of comarcas; every
    // district has a centre, and one that teaches intermediate cycles.
    std::map<std::string, int> centrosPorComarca, centrosGMPorComarca;
    bool catalan = false;
    for (int i = 1; i <= d.e.NumCentros4; ++i) {
        const std::string &s = d.e.Centros4[i];
        char p = Car(s, 1);
        if (p == 'A')
            p = '5';
        catalan = catalan || p == '5';
        if (!catalan) {
            EXPECT_EQ(Car(s, 45), ' ') << "lu4 line " << i << ": district letter before the Catalan block";
            continue;
        }
        EXPECT_TRUE(p >= '5' && p <= '9') << "lu4 line " << i << ": a non-Catalan line inside the Catalan block";
        const std::string codigo = std::string(1, p) + Car(s, 45);
        EXPECT_TRUE(codigosComarca.count(codigo)) << "lu4 line " << i << ": district code " << codigo << " not in comarcas";
        ++centrosPorComarca[codigo];
        centrosGMPorComarca[codigo] += d.e.OfertaGM[3].En(i, 0) > 0;
    }
    for (const std::string &c : codigosComarca)
        EXPECT_TRUE(centrosPorComarca[c] > 0 && centrosGMPorComarca[c] > 0)
            << "comarcas: district " << c << " has no centre in lu4, or none of intermediate cycles";

    // comarcasm: zones 1..28 by the maps' numbers; the first line of each carries its name.
    std::set<std::string> codigosZona;
    for (int z = 1; z <= 28; ++z) {
        const int primera = d.e.LineasDeZona.En(z, 1);
        ASSERT_GT(primera, 0) << "comarcasm: zone " << z << " has no line";
        EXPECT_EQ(Recortar(d.e.NombresZonas[primera]), zona[z]) << "comarcasm line " << primera;
        EXPECT_TRUE(codigosZona.insert(d.e.CodigosZonas[primera]).second) << "comarcasm line " << primera << ": code used twice";
        for (int k = 2; k <= 3; ++k) {
            const int otra = d.e.LineasDeZona.En(z, k);
            if (otra > 0) {
                EXPECT_EQ(d.e.CodigosZonas[otra], d.e.CodigosZonas[primera]) << "comarcasm line " << otra;
            }
        }
    }

    // lu2: the Madrid block starts with an "8" line and ends before the first "D" line.
    int primeraMadrid = 0, primeraD = 0;
    for (int i = 1; i <= d.e.NumCentros2; ++i) {
        const char p = Car(d.e.Centros2[i], 1);
        if (!primeraMadrid && (p == '8' || p == 'H'))
            primeraMadrid = i;
        if (!primeraD && p == 'D')
            primeraD = i;
    }
    ASSERT_TRUE(primeraMadrid > 0 && primeraD > primeraMadrid) << "lu2: a Madrid block, then a \"D\" line";
    EXPECT_EQ(Car(d.e.Centros2[primeraMadrid], 1), '8') << "lu2 line " << primeraMadrid;
    const std::string madrid = "8H9AB";
    std::map<std::string, int> centrosPorZona, centrosGMPorZona;
    for (int i = 1; i <= d.e.NumCentros2; ++i) {
        const std::string &s = d.e.Centros2[i];
        const char p = Car(s, 1);
        const bool dentro = i >= primeraMadrid && i < primeraD;
        EXPECT_EQ(dentro, madrid.find(p) != std::string::npos) << "lu2 line " << i << ": Madrid lines must be together";
        if (!dentro) {
            EXPECT_EQ(Car(s, 45), ' ') << "lu2 line " << i << ": zone letter outside the Madrid block";
            continue;
        }
        const std::string codigo = std::string(1, p == 'H' ? '8' : p) + Car(s, 45);
        EXPECT_TRUE(codigosZona.count(codigo)) << "lu2 line " << i << ": zone code " << codigo << " not in comarcasm";
        ++centrosPorZona[codigo];
        centrosGMPorZona[codigo] += d.e.OfertaGM[1].En(i, 0) > 0;
    }
    for (const std::string &c : codigosZona)
        EXPECT_TRUE(centrosPorZona[c] > 0 && centrosGMPorZona[c] > 0)
            << "comarcasm: zone " << c << " has no centre in lu2, or none of intermediate cycles";

    // The region maps use exactly those numbers.
    std::set<int> enMapaC, enMapaM;
    for (int x = 1; x <= d.e.MapaRegionesC.Ancho(); ++x)
        for (int y = 1; y <= d.e.MapaRegionesC.Alto(); ++y) {
            if (const int v = d.e.MapaRegionesC.Valor(x, y))
                enMapaC.insert(v);
            if (const int v = d.e.MapaRegionesM.Valor(x, y))
                enMapaM.insert(v);
        }
    EXPECT_EQ(std::pair(enMapaC.size(), enMapaM.size()), std::pair(size_t{41}, size_t{28}));
}

TEST_F(DatosFPEntregados, OfferLinesFollowTheCentresAndNameExistingTitles)
{
    const MuestraFP &d = D();
    const int centros = d.e.NumCentros1 + d.e.NumCentros2 + d.e.NumCentros3 + d.e.NumCentros4;
    struct Oferta {
        const char *fichero;
        const std::array<TablaEnteros, 4> &tabla;
        Lista lista;
    };
    for (const Oferta &o : {Oferta{"datluggsphp", d.e.OfertaGS, GS()}, Oferta{"datluggmphp", d.e.OfertaGM, GM()},
                            Oferta{"datlugbasphp", d.e.OfertaFPB, FPB()}}) {
        EXPECT_EQ(static_cast<int>(LeerLineasObligatorio(kDatos + o.fichero).size()), centros)
            << o.fichero << ": one line per centre of lu1..lu4";
        std::set<int> ofrecidos;
        int linea = 0;
        for (int g = 1; g <= 4; ++g)
            for (int i = 1; i <= d.NumCentros(g); ++i) {
                ++linea;
                const auto &t = o.tabla[static_cast<size_t>(g - 1)];
                const int n = t.En(i, 0);
                EXPECT_TRUE(n >= 0 && n <= 25) << o.fichero << " line " << linea;
                for (int j = 1; j <= n; ++j) {
                    const int titulo = t.En(i, j);
                    const int ultimo = static_cast<int>(o.lista.lineas.size()) - 1;
                    ASSERT_TRUE(titulo >= 1 && titulo <= ultimo) << o.fichero << " line " << linea << ": " << titulo;
                    EXPECT_NE(o.lista.tipo[static_cast<size_t>(titulo)], 'H')
                        << o.fichero << " line " << linea << ": title " << titulo << " is a heading of " << o.lista.fichero;
                    ofrecidos.insert(titulo);
                }
            }
        // A few higher titles are offered nowhere, so that route has its
        // no-result row; every other title is offered somewhere.
        int enNingunaParte = 0;
        for (size_t t = 1; t < o.lista.lineas.size(); ++t)
            if (o.lista.tipo[t] != 'H' && !ofrecidos.count(static_cast<int>(t))) {
                ++enNingunaParte;
                EXPECT_EQ(std::string(o.fichero), "datluggsphp") << o.lista.fichero << " line " << t << " is offered nowhere";
            }
        if (std::string(o.fichero) == "datluggsphp") {
            EXPECT_TRUE(enNingunaParte >= 1 && enNingunaParte <= 5) << enNingunaParte << " higher titles offered nowhere";
        }
    }
}

TEST_F(DatosFPEntregados, CertificatesPairWithTheirExplanations)
{
    for (int i = 0; i < 4; ++i) {
        const MuestraFP &d = D(i);
        const std::string c = kCarpetas[i];
        EXPECT_TRUE(d.numCertificah == d.numCertifica && d.numCertificah <= 250)
            << c << "certificah: one line per certifica line, at most 250: " << d.numCertificah << ", " << d.numCertifica;
        // Groups, lines 1..9: each family letter in one group, every group a
        // choice of sub-groups, with its name; and the requirement headings with their codes.
        std::map<char, int> letras;
        std::set<char> codigos;
        for (int k = 1; k <= 9; ++k) {
            const std::string letrasGrupo = Recortar(Cols(d.e.NombresCertificados[k], 1, 8));
            EXPECT_GE(letrasGrupo.size(), 2u) << c << "certifica line " << k << ": a family of one sub-group";
            for (char x : letrasGrupo) {
                EXPECT_NE(kCodigosFamilia.find(x), std::string::npos) << c << "certifica line " << k << ": letter " << x;
                ++letras[x];
            }
            EXPECT_FALSE(Recortar(Cols(d.e.NombresCertificados[k], 9, 60)).empty()) << c << "certifica line " << k;
            const std::string &s = d.e.ExplicacionCertificados[k];
            EXPECT_TRUE(codigos.insert(Car(s, 1)).second) << c << "certificah line " << k << ": code twice";
            EXPECT_LE(Recortar(s).size(), 29u) << c << "certificah line " << k;
        }
        for (char x : kCodigosFamilia)
            EXPECT_EQ(letras[x], 1) << c << "certifica: family letter " << x << " in " << letras[x] << " groups";
        // Sub-groups right before their certificates, at most 15 each.
        std::set<char> subgrupos;
        char actual = 0;
        int enSubgrupo = 0, certificados = 0;
        for (int k = 10; k <= d.numCertifica; ++k) {
            const std::string &s = d.e.NombresCertificados[k];
            const std::string &h = d.e.ExplicacionCertificados[k];
            if (Car(s, 2) == '-') {
                EXPECT_TRUE(subgrupos.insert(Car(s, 1)).second) << c << "certifica line " << k << ": sub-group twice";
                actual = Car(s, 1);
                enSubgrupo = 0;
                continue;
            }
            ++certificados;
            EXPECT_EQ(Car(s, 1), actual) << c << "certifica line " << k << ": certificate outside its sub-group";
            EXPECT_LE(++enSubgrupo, 15) << c << "certifica line " << k << ": more than 15 in a sub-group";
            for (int j = 1; j <= 3; ++j)
                if (Car(h, j) != ' ') {
                    EXPECT_TRUE(codigos.count(Car(h, j))) << c << "certificah line " << k << ": unknown code " << Car(h, j);
                }
            const int horas = Numero(Cols(h, 4, 6));
            EXPECT_GT(horas, 0) << c << "certificah line " << k << ": hours";
            EXPECT_FALSE(Recortar(Cols(h, 8, 90)).empty()) << c << "certificah line " << k << ": no description";
        }
        EXPECT_EQ(subgrupos.size(), static_cast<size_t>(kFamilias)) << c << "certifica sub-groups";
        EXPECT_GE(certificados, 150) << c << "certifica";
        if (i == 0)
            continue;
        // Names and descriptions are the language's own, not Castilian copies
        // (a few names are spelt alike in two languages).
        int iguales = 0;
        for (int k = 10; k <= d.numCertifica; ++k)
            iguales += (d.e.NombresCertificados[k] == D(0).e.NombresCertificados[k])
                       + (Cols(d.e.ExplicacionCertificados[k], 8, 90) == Cols(D(0).e.ExplicacionCertificados[k], 8, 90));
        EXPECT_LE(iguales, d.numCertifica / 4) << c << "certifica/certificah: lines left in Castilian";
    }
}

// The jobs and modules of a title, at every level, and the questions that
// lead to an intermediate-cycle title are written in the language of the folder
// they sit in, not copied from the Castilian file. Some lines are rightly the
// same (names such as "Storyboarder" or "Maître", and in Galician many module
// names: "Bases de datos", "Inglés"), so a share of equal lines is allowed;
// a line equal to the Castilian one that carries a word only Castilian uses
// ("y", "los", "las"; in Galician and Basque also "del", "la", "el") is
// always a line left untranslated.
TEST_F(DatosFPEntregados, SubjectsAndQuestionsAreTranslatedInEveryLanguage)
{
    struct Idioma {
        int indice;
        int porcentajeIguales;
        std::set<std::string> soloCastellano;
    };
    const Idioma idiomas[] = {
        {1, 5, {"y", "los", "las"}},
        {2, 35, {"y", "los", "las", "del", "la", "el"}},
        {3, 5, {"y", "los", "las", "del", "la", "el"}},
    };
    for (const char *fichero : {"asignafp", "asignagm", "asignaba", "cuesgm"}) {
        const auto cas = LeerLineasObligatorio(kDatos + kCarpetas[0] + fichero);
        for (const Idioma &idioma : idiomas) {
            const std::string donde = std::string(kCarpetas[idioma.indice]) + fichero;
            const auto lineas = LeerLineasObligatorio(kDatos + kCarpetas[idioma.indice] + fichero);
            ASSERT_EQ(lineas.size(), cas.size()) << donde;
            int llenas = 0, iguales = 0, castellanas = 0;
            std::string primera;
            for (size_t k = 0; k < cas.size(); ++k) {
                const std::string original = Recortar(cas[k]);
                EXPECT_EQ(Recortar(lineas[k]).empty(), original.empty())
                    << donde << " line " << k + 1 << " empty in one language only";
                if (original.empty())
                    continue;
                ++llenas;
                if (Recortar(lineas[k]) != original)
                    continue;
                ++iguales;
                std::string palabra;
                bool castellana = false;
                for (char c : original + ' ') {
                    if (c == ' ' || c == ',' || c == '.') {
                        castellana = castellana || idioma.soloCastellano.count(palabra) > 0;
                        palabra.clear();
                    } else {
                        palabra += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
                    }
                }
                if (castellana && castellanas++ == 0)
                    primera = "line " + std::to_string(k + 1) + ": " + original;
            }
            ASSERT_GT(llenas, 0) << donde;
            EXPECT_EQ(castellanas, 0) << donde << ": Castilian lines, the first at " << primera;
            EXPECT_LE(iguales * 100, llenas * idioma.porcentajeIguales)
                << donde << ": " << iguales << " of " << llenas << " lines equal the Castilian ones";
        }
    }
}

// A title's name shares the centre grid's first column with its icon (20
// pixels), in the grid's Arial 10: 367 pixels wide on the higher and
// intermediate screens, 335 on the basic one.
TEST_F(DatosFPEntregados, TitleNamesFitTheCentreGridInEveryLanguage)
{
    const QFontMetrics letra(QFont(QStringLiteral("Arial"), 10));
    for (int i = 0; i < 4; ++i)
        for (const auto &[lista, columna] : {std::pair{GS(i), 367}, {GM(i), 367}, {FPB(i), 335}})
            for (size_t t = 1; t < lista.lineas.size(); ++t) {
                if (lista.tipo[t] == 'H')
                    continue;
                EXPECT_LE(20 + letra.horizontalAdvance(DesdeAnsi(Recortar(lista.lineas[t]))), columna)
                    << kCarpetas[i] << lista.fichero << " line " << t << ": " << lista.lineas[t];
            }
}
