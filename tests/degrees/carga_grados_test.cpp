// The degrees screen's loading: the shipped data in every language, what is
// derived from it, and the failures of missing, long or malformed files.
#include "ansi.h"
#include "cadenas.h"
#include "carga_grados.h"
#include "enlace.h"
#include "lectura.h"
#include "navegador_grados.h"
#include "textos_interfaz.h"
#include "universidades_grado.h"
#include "validacion.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

using namespace norvela;

namespace {

const QString kDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
const char *const kIdiomas[4] = {"cas/", "catVal/", "galego/", "euskera/"};

// The shared state of a data folder with its texts, as the degrees screen finds it.
struct Estado {
    Estado(const QString &datos, const char *idioma) : e(m)
    {
        e.RutaDatos = datos;
        e.CarpetaIdioma = QString::fromLatin1(idioma);
        CargarTextos(e, e.FicheroIdioma("textos"), e.TextosLeidos);
        AsignarTextos(e);
    }
    // Both halves of the creation; the message of a data error, if any.
    std::string Cargar()
    {
        try {
            if (CargarDatosGrados(e))
                CargarTablasGrados(e);
        } catch (const ErrorDatos &error) {
            return error.Mensaje().toStdString();
        }
        return {};
    }
    MensajesRegistrados m;
    Enlace e;
};

// A copy of the shipped data folder (without its documents) that a test may spoil.
class Copia {
public:
    Copia()
    {
        QDirIterator it(kDatos, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString ruta = it.next();
            const QString relativa = QDir(kDatos).relativeFilePath(ruta);
            if (relativa.startsWith(QLatin1String("pdf/")))
                continue;
            QDir().mkpath(QFileInfo(Ruta(relativa)).absolutePath());
            QFile::copy(ruta, Ruta(relativa));
        }
    }
    QString Datos() const { return dir_.path() + '/'; }
    QString Ruta(const QString &relativa) const { return Datos() + relativa; }
    void Borrar(const QString &relativa) const { QFile::remove(Ruta(relativa)); }
    std::vector<std::string> Lineas(const QString &relativa) const { return LeerLineasObligatorio(Ruta(relativa)); }
    void Escribir(const QString &relativa, const std::vector<std::string> &lineas) const
    {
        QFile f(Ruta(relativa));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const std::string &l : lineas)
            f.write((l + "\r\n").c_str());
    }

private:
    QTemporaryDir dir_;
};

std::string Recortado(const std::string &s)
{
    return QuitarBlancosFinales(s);
}

} // namespace

TEST(DegreesLoading, ShippedDataLoadsInEveryLanguageWithItsDerivedTablesAndBrowserViews)
{
    for (const char *idioma : kIdiomas) {
        SCOPED_TRACE(idioma);
        Estado s(kDatos, idioma);
        ASSERT_EQ(s.Cargar(), "");
        Enlace &e = s.e;
        EXPECT_TRUE(s.m.textos.isEmpty()) << s.m.textos.join('|').toStdString();
        EXPECT_FALSE(e.ErrorFicheros);
        EXPECT_EQ(static_cast<size_t>(e.NumGrados), LeerLineasObligatorio(e.FicheroIdioma("carreran")).size());
        for (int r = 1; r <= e.NumGrados; ++r)
            ASSERT_EQ(e.RamaGrado[r], e.TablaGrados.En(r, 1)) << r;
        EXPECT_EQ(std::tuple(e.NumAreas, e.NumFamilias, e.NumGruposFamilias), std::tuple(12, 26, 9));
        for (int g = 1; g <= 9; ++g) {
            EXPECT_FALSE(EsBlanco(e.GruposFamilias[g])) << "family group " << g;
            EXPECT_EQ(e.GruposFamilias[g], Recortado(e.GruposFamilias[g]));
            EXPECT_GT(e.RangosGruposFamilias.En(g, 1), 0) << "family group " << g;
        }
        // Activities: the code stays apart from the name.
        for (int a = 1; a <= e.NumActividades; ++a) {
            EXPECT_EQ(e.CodActividad[a].size(), 4u);
            EXPECT_NE(e.NombresActividad[a].substr(0, 4), e.CodActividad[a]) << "activity " << a;
        }
        // The names a screen shows above its lists and the branch names;
        // "comunida", read after the texts were written, keeps its loader's file name.
        const QStringList arriba = {DesdeAnsi(e.NombresGrado[0]), DesdeAnsi(e.NombresAreas[0]),
                                    DesdeAnsi(e.NombresFPSuperior[0]), DesdeAnsi(e.RequisitosFP[0]),
                                    DesdeAnsi(e.ListaIntereses[0]), DesdeAnsi(e.Lugares[0])};
        EXPECT_EQ(arriba, (QStringList{e.Texto(48), e.Texto(281), e.Texto(294), e.Texto(277), e.Texto(280),
                                       e.Fichero("comunida")}));
        for (int b = 0; b < 5; ++b)
            EXPECT_EQ(DesdeAnsi(e.NombresRamas[b]), e.Texto(515 + b));
        EXPECT_TRUE(e.NumDobles > 0 && e.NumCentros1 > 0 && e.NumLugares > 19);

        // The shipped sample makes every view of the browser worth opening.
        for (int b = 1; b <= kTodasLasRamas; ++b) {
            int grados = 0;
            for (const auto &f : FilasRama(e, b))
                grados += f.grado > 0;
            EXPECT_GT(grados, 0) << "branch " << b;
        }
        const auto todas = FilasRama(e, kTodasLasRamas);
        EXPECT_EQ(todas.size(), static_cast<size_t>(e.NumGrados + e.NumGrupos));
        EXPECT_GT(std::count_if(todas.begin(), todas.end(), [](const auto &f) { return f.marca == "+"; }), 5);
        for (Agrupacion a : {Agrupacion::PorGrupos, Agrupacion::PorActividad, Agrupacion::PorItinerario}) {
            const auto nodos = ArbolDe(e, a);
            for (size_t i = 0; i < nodos.size(); ++i)
                EXPECT_TRUE(nodos[i].grado != 0 || (i + 1 < nodos.size() && nodos[i + 1].nivel == 1))
                    << "grouping " << static_cast<int>(a) << ": " << nodos[i].texto << " is empty";
        }
        EXPECT_EQ(ArbolDe(e, Agrupacion::Alfabetica).size(), static_cast<size_t>(e.NumGrados));
    }
}

TEST(DegreesLoading, HigherCycleSectionsAreFoundWhereTheListMarksThem)
{
    MensajesRegistrados m;
    Enlace e(m);
    e.EncabezadoSeccionGS = 7;
    e.LimiteSeccionGS = 9;
    CalcularSeccionesGS(e);   // nothing marked: both keep their values
    EXPECT_EQ(e.EncabezadoSeccionGS, 7);
    EXPECT_EQ(e.LimiteSeccionGS, 9);
    for (const char *h : {"Sanidad", "Informática", "|Artes", "|Deportes"})
        e.EncabezadosFPSuperior.Poner(++e.NumEncabezadosFPSuperior, h);
    for (const char *t : {"-Sanidad", " Dietética", "-|Artes", " |Diseño"})
        e.NombresFPSuperior.Poner(++e.NumFPSuperior, t);
    CalcularSeccionesGS(e);
    EXPECT_EQ(e.EncabezadoSeccionGS, 2);
    EXPECT_EQ(e.LimiteSeccionGS, 3);
}

// Also by the two readers of this screen's own ("materiasp", "profesio").
TEST(DegreesLoading, EveryMissingLanguageFileIsReportedAndNothingMoreIsRead)
{
    for (const QStringList &faltan : {QStringList{"cas/carreran", "cas/itinerar", "cas/familias"},
                                      QStringList{"cas/materiasp", "cas/profesio"}}) {
        SCOPED_TRACE(faltan.join(' ').toStdString());
        Copia c;
        QStringList avisos;
        for (const QString &f : faltan) {
            c.Borrar(f);
            avisos << "Faltan ficheros (" + c.Ruta(f) + "). Vuelva a instalar el programa";
        }
        Estado s(c.Datos(), "cas/");
        EXPECT_EQ(s.Cargar(), "");
        EXPECT_TRUE(s.e.ErrorFicheros);
        EXPECT_EQ(s.m.textos, avisos);
        // The files after them were still read; the language-independent ones were not.
        EXPECT_EQ(s.e.NumProfesiones > 0, !faltan.contains("cas/profesio"));
        EXPECT_EQ(std::pair(s.e.NumLugares, s.e.NumUniversidades), std::pair(0, 0));
    }
}

TEST(DegreesLoading, ALongerFileThanItsTableIsAnErrorWithItsLineNeverACut)
{
    struct Caso {
        const char *fichero;
        std::string linea;
        int lineas;
        const char *numero;
    };
    for (const Caso &caso : {Caso{"cas/materiasp", "Matem\xE1ticas II", 101, "101"},
                             Caso{"cas/profesio", "SA01 SA02 M\xE9" "dico/a", 251, "251"},
                             Caso{"cas/activida", "SA01 Sanidad", 31, "31"}}) {
        Copia c;
        c.Escribir(caso.fichero, std::vector<std::string>(static_cast<size_t>(caso.lineas), caso.linea));
        Estado s(c.Datos(), "cas/");
        const std::string error = s.Cargar();
        EXPECT_NE(error.find(c.Ruta(caso.fichero).toStdString()), std::string::npos) << caso.fichero << error;
        EXPECT_NE(error.find(caso.numero), std::string::npos) << caso.fichero << error;
    }
}

TEST(DegreesLoading, FamilyGroupLinesMustHoldThreeFamilyNumbers)
{
    Copia c;
    const auto entregadas = c.Lineas("cas/familias");
    ASSERT_GE(entregadas.size(), 38u);
    // Lines 30..38 hold the nine groups: a file without the last one, a pair
    // that is no number, family 27 of 26, and family 26 on the last line.
    for (const auto &[lineas, linea, texto, error] : std::vector<std::tuple<size_t, size_t, std::string, std::string>>{
             {37, 0, "", "línea 38: número no válido: \"\""},
             {38, 32, "21x223Sanidad", "línea 32: número no válido: \"x2\""},
             {38, 38, "232700Servicios", "línea 38: familia fuera de 0..26: 27"},
             {38, 38, "232600Servicios", ""}}) {
        auto familias = entregadas;
        familias.resize(lineas);
        if (linea > 0)
            familias[linea - 1] = texto;
        c.Escribir("cas/familias", familias);
        Estado s(c.Datos(), "cas/");
        EXPECT_EQ(s.Cargar(), error.empty() ? "" : "Error en el fichero " + c.Ruta("cas/familias").toStdString() + ", " + error);
    }
}

TEST(DegreesLoading, ADegreeFieldPointingOutsideItsListIsRejectedWithItsLine)
{
    Copia c;
    auto grados = c.Lineas("datgradosphp");
    ASSERT_GE(grados.size(), 5u);
    // Group 999 does not exist.
    auto campos = grados[4];
    const size_t a = campos.find(';');
    const size_t b = campos.find(';', a + 1);
    grados[4] = campos.substr(0, a + 1) + "999" + campos.substr(b);
    c.Escribir("datgradosphp", grados);
    Estado s(c.Datos(), "cas/");
    const std::string error = s.Cargar();
    EXPECT_NE(error.find("datgradosphp"), std::string::npos) << error;
    EXPECT_NE(error.find("5"), std::string::npos) << error;
    EXPECT_NE(error.find("999"), std::string::npos) << error;
}

TEST(DegreesLoading, AnEmptyOrCutListIsBlamedItselfNotTheTablesThatPointIntoIt)
{
    for (const char *fichero : {"cas/carreran", "lugar", "cas/materiasp", "cas/profesio", "cas/carrenue",
                                "cas/carreranb", "cas/fp", "cas/reqfp"})
        for (const bool vacio : {true, false}) {
            Copia c;
            auto lineas = c.Lineas(fichero);
            lineas.resize(vacio ? 0 : lineas.size() / 2);
            c.Escribir(fichero, lineas);
            Estado s(c.Datos(), "cas/");
            const std::string error = s.Cargar();
            if (error.empty())
                ValidarDatos(s.e);
            const QString dicho = error.empty() ? s.m.textos.join('|') : QString::fromStdString(error);
            const QString esperado = vacio ? "Faltan ficheros (" + c.Ruta(fichero) + "). Vuelva a instalar el programa"
                                           : "Error en el fichero " + c.Ruta(fichero) + ": tiene ";
            EXPECT_TRUE(vacio ? dicho == esperado : dicho.startsWith(esperado))
                << fichero << (vacio ? " empty: " : " cut: ") << dicho.toStdString();
        }
}

TEST(ShippedBrowser, ManyDegreesAreTaughtInSeveralCommunitiesWithMarks)
{
    Estado s(kDatos, "cas/");
    ASSERT_EQ(s.Cargar(), "");
    int variasComunidades = 0;
    for (int g = 1; g <= s.e.NumGrados; ++g) {
        const auto u = UniversidadesDeGrado(s.e, g, "x");
        int comunidades = 0;
        for (bool marca : u.MarcasEstrellas)
            comunidades += marca;
        variasComunidades += comunidades >= 3;
    }
    EXPECT_GT(variasComunidades, s.e.NumGrados / 2);
}

TEST(DegreesLoading, ProfessionCodesAndNamesComeFromTheirColumns)
{
    Estado s(kDatos, "cas/");
    ASSERT_EQ(s.Cargar(), "");
    // "JU01 EM01 Abogado/a", then "AR02      Actor/actriz".
    const auto profesion = [&](int p) {
        return std::tuple(s.e.CodigoProfesion[p], s.e.CodigoProfesion2[p], Recortado(s.e.NombresProfesion[p]));
    };
    EXPECT_EQ(profesion(1), std::tuple("JU01", "EM01", "Abogado/a"));
    EXPECT_EQ(profesion(2), std::tuple("AR02", "    ", "Actor/actriz"));
    EXPECT_EQ(s.e.CodigoProfesion[s.e.NumProfesiones].size(), 4u);
}
