// The cross-file rules on a small consistent sample, each broken in turn,
// and on the shipped data folder.
#include "cargas_columnas.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "entorno_carga.h"
#include "validacion.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <functional>
#include <map>
#include <gtest/gtest.h>

using namespace norvela;
using norvela::pruebas::Entorno;

namespace {

std::vector<std::string> Lineas(int n, const std::string &prefijo)
{
    std::vector<std::string> r;
    for (int i = 1; i <= n; ++i)
        r.push_back(prefijo + std::to_string(i));
    return r;
}

// 24 fields; fields 5 and 6 name requirement lines.
std::string FilaFP(int requisitoA, int requisitoB)
{
    std::string fila = "1;0;0;0;" + std::to_string(requisitoA) + ";" + std::to_string(requisitoB);
    for (int c = 7; c <= 24; ++c)
        fila += ";0";
    return fila;
}

std::string Universidad(int comunidad, const std::string &nombre)
{
    char c[3];
    std::snprintf(c, sizeof c, "%02d", comunidad);
    return c + nombre + std::string(35 - nombre.size(), ' ') + "uni.es";
}

// Two degrees, three higher-cycle titles, one centre per group, two
// universities, one university title and two certificates, all agreeing.
struct Muestra : Entorno {
    // `cambios` replaces some files of the sample at their first load (each
    // file is loaded once, as at start-up; a test may load one again).
    explicit Muestra(std::map<std::string, std::vector<std::string>> cambios = {}) : cambios_(std::move(cambios))
    {
        e.RutaDatos = c.Datos();
        Cargar("carreran", {"Derecho", "Medicina"});
        Cargar("carreranb", {"Jur\xED" "dicas", "Salud", "Ciencias"});
        Cargar("datgradosphp", {"3;1;4;0;0;0;0;0;1;101;0;0;0;0", "4;2;12;11;0;0;0;0;1;102;0;0;0;0"});
        Cargar("fp", {"-Familia", "T\xEDtulo uno", "T\xEDtulo dos"});
        Cargar("reqfp", {"requisito 1", "requisito 2"});
        Cargar("asignafp", Lineas(3 * 26, "asignatura "));
        Cargar("datfpsphp", {FilaFP(0, 0), FilaFP(1, 2), FilaFP(2, 0)});
        for (const char *lu : {"lu1", "lu2", "lu3", "lu4"})
            Cargar(lu, {"1Localidad Centro"});
        Cargar("datluggsphp", {"2;2;3", "0", "-1", "1;3"});
        Cargar("lugar", {Universidad(13, "Complutense"), Universidad(19, "Melilla")});
        Cargar("carrenue", {"Grado en Derecho (Complutense)"});
        Cargar("datcarnphp", {"2;1;2", "1;2", "2;50;60", "1;120", "2;1;0", "1;0"});
        Cargar("cas/certifica", Lineas(11, "certificado "));
        Cargar("cas/certificah", Lineas(11, "explicaci\xF3n "));
    }

    // Writes the file and loads it as its screen does.
    void Cargar(const std::string &nombre, const std::vector<std::string> &lineas)
    {
        const auto cambio = cambios_.find(nombre);
        const QString ruta =
            Escribir(QString::fromStdString(nombre), cambio == cambios_.end() ? lineas : cambio->second);
        if (cambio != cambios_.end())
            cambios_.erase(cambio);
        const std::map<std::string, std::function<void()>> cargas = {
            {"carreran", [&] { CargarListaTexto(e, ruta, e.NombresGrado, e.NumGrados, 60); }},
            {"carreranb", [&] { CargarListaTexto(e, ruta, e.NombresGrupo, e.NumGrupos, 60); }},
            {"datgradosphp", [&] { CargarTablaGrados(e, ruta); }},
            {"fp", [&] { CargarListaTexto(e, ruta, e.NombresFPSuperior, e.NumFPSuperior, 60); }},
            {"reqfp", [&] { CargarListaTexto(e, ruta, e.RequisitosFP, e.NumRequisitosFP, 55); }},
            {"asignafp", [&] { CargarBloques26(e, ruta, e.AsignaturasFPSuperior); }},
            {"datfpsphp", [&] { CargarTablaFPSuperior(e, ruta); }},
            {"lu1", [&] { CargarListaTexto(e, ruta, e.Centros1, e.NumCentros1, 60); }},
            {"lu2", [&] { CargarListaTexto(e, ruta, e.Centros2, e.NumCentros2, 60); }},
            {"lu3", [&] { CargarListaTexto(e, ruta, e.Centros3, e.NumCentros3, 60); }},
            {"lu4", [&] { CargarListaTexto(e, ruta, e.Centros4, e.NumCentros4, 60); }},
            {"datluggsphp", [&] { CargarOfertaGS(e, ruta); }},
            {"lugar", [&] { CargarTitulosCodigo(e, ruta, e.NumUniversidades); }},
            {"carrenue", [&] { CargarLista120(e, ruta, e.NuevosTitulos, e.NumNuevosTitulos); }},
            {"datcarnphp", [&] { CargarNotasCorte(e, ruta); }},
            {"cas/certifica", [&] { CargarListaTexto(e, ruta, e.NombresCertificados, certificados, 60); }},
            {"cas/certificah", [&] { CargarLista250(e, ruta, e.ExplicacionCertificados, explicaciones); }},
        };
        const auto carga = cargas.find(nombre);
        ASSERT_NE(carga, cargas.end()) << nombre;
        carga->second();
    }

    // The file and line the rules blame, or nothing when they all hold.
    std::pair<QString, int> Fallo()
    {
        try {
            ComprobarCoherencia(e);
        } catch (const ErrorCoherencia &error) {
            return {QFileInfo(error.Fichero()).fileName(), error.Linea()};
        }
        return {};
    }

    int certificados = 0;
    int explicaciones = 0;

private:
    std::map<std::string, std::vector<std::string>> cambios_;
};

using Fallo = std::pair<QString, int>;

} // namespace

TEST(CrossFile, AConsistentSamplePassesAndNothingLoadedIsSkipped)
{
    Muestra t;
    ASSERT_TRUE(t.m.textos.isEmpty()) << t.m.textos.join('|').toStdString();
    EXPECT_EQ(t.Fallo(), Fallo());
    EXPECT_TRUE(ValidarDatos(t.e));
    EXPECT_FALSE(t.e.ErrorFicheros);

    Entorno vacio;
    EXPECT_TRUE(ValidarDatos(vacio.e));
    EXPECT_TRUE(vacio.m.textos.isEmpty());
}

// One file of the sample replaced, or one table changed after loading: the
// rules blame the file and line at fault, or the file that may be the short
// one ("carreran", "carreranb", "reqfp", "fp", "carrenue", "lugar": line 0).
TEST(CrossFile, EachBrokenRuleBlamesItsFileAndLine)
{
    const std::string primera = "3;1;4;0;0;0;0;0;1;101;0;0;0;0";
    const auto grados = [&](const std::string &segunda, std::vector<std::string> mas = {}) {
        mas.insert(mas.begin(), {primera, segunda});
        return std::map<std::string, std::vector<std::string>>{{"datgradosphp", mas}};
    };
    using Cambio = std::function<void(Enlace &)>;
    const auto areas = [](int n, int leidas) {
        return [n, leidas](Enlace &e) {
            for (int i = 1; i <= n; ++i)
                e.NombresAreas.Poner(i, "itinerario " + std::to_string(i));
            e.NumItinerarios = leidas;
        };
    };
    // Activities A101..A1nn; the one profession asks for `codigo`.
    const auto actividades = [](int n, const std::string &codigo) {
        return [n, codigo](Enlace &e) {
            for (int i = 1; i <= n; ++i)
                e.CodActividad.Poner(i, "A" + std::to_string(100 + i));
            e.NumActividades = n;
            e.CodigoProfesion.Poner(1, codigo);
            e.CodigoProfesion2.Poner(1, "    ");
            e.NumProfesiones = 1;
        };
    };
    struct Caso {
        const char *que;
        std::map<std::string, std::vector<std::string>> cambios;
        Cambio despues;
        Fallo fallo;
    };
    const Caso casos[] = {
        {"a third degree row for two degrees", grados("4;2;12;11;0;0;0;0;1;102;0;0;0;0", {"1;1;1;1;0;0;0;0;1;103;0;0;0;0"}),
         {}, Fallo("carreran", 0)},
        {"an empty first row is no degree",
         {{"datgradosphp", {"0;0;0;0;0;0;0;0;0;0;0;0;0;0", "4;2;12;11;0;0;0;0;1;102;0;0;0;0"}}}, {}, Fallo("datgradosphp", 1)},
        {"an empty last row is still checked", grados("0;0;0;0;0;0;0;0;0;0;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"branch 6", grados("6;1;4;0;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"branch 0", grados("0;1;4;0;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"group -1", grados("4;-1;4;0;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"group 1101, past any list", grados("4;1101;4;0;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"itinerary 13", grados("4;1;13;0;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"itinerary -1", grados("4;1;1;-1;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("datgradosphp", 2)},
        {"group 4 of three", grados("4;4;4;0;0;0;0;0;1;102;0;0;0;0"), {}, Fallo("carreranb", 0)},
        {"the third subject block cut short", {{"asignafp", Lineas(3 * 26 - 4, "asignatura ")}}, {}, Fallo("asignafp", 75)},
        {"a block more than titles", {{"asignafp", Lineas(4 * 26, "asignatura ")}}, {}, Fallo("asignafp", 0)},
        {"an explanation less than certificates", {{"cas/certificah", Lineas(10, "explicaci\xF3n ")}}, {},
         Fallo("certificah", 0)},
        {"line 3 of a two-line reqfp", {{"datfpsphp", {FilaFP(0, 0), FilaFP(1, 2), FilaFP(2, 3)}}}, {}, Fallo("reqfp", 0)},
        {"a requirement -1", {}, [](Enlace &e) { e.TablaFPSuperior.Poner(3, 6, -1); }, Fallo("datfpsphp", 3)},
        {"lugar changed after the marks were loaded", {}, [](Enlace &e) { e.NumUniversidades = 1; }, Fallo("lugar", 0)},
        {"title 2 of one", {}, [](Enlace &e) { e.NotasCorteTitulo.Poner(2, 1, 2); }, Fallo("carrenue", 0)},
        {"no title list loaded: skipped", {},
         [](Enlace &e) {
             e.NotasCorteTitulo.Poner(2, 1, 2);
             e.NumNuevosTitulos = 0;
         },
         Fallo()},
        {"a university in community 20", {}, [](Enlace &e) { e.ComunidadUniversidad[2] = 20; }, Fallo("lugar", 2)},
        {"eleven itineraries", {}, areas(11, 0), Fallo("itinerar", 0)},
        {"eleven itineraries read over twelve kept", {}, areas(12, 11), Fallo("itinerar", 0)},
        {"an activity missing from a full list", {}, actividades(30, "ZZ99"), Fallo("profesio", 1)},
        {"an activity missing from a list with room: both named", {}, actividades(29, "ZZ99"), Fallo("profesio", 0)},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.que);
        Muestra t(c.cambios);
        if (c.despues)
            c.despues(t.e);
        EXPECT_EQ(t.Fallo(), c.fallo);
    }
    // Offers loaded before "fp": title 4 of three, at the centre of group 4.
    Muestra t({{"fp", {}}, {"datluggsphp", {"0", "0", "0", "1;4"}}});
    t.Cargar("fp", {"-Familia", "T\xEDtulo uno", "T\xEDtulo dos"});
    ASSERT_EQ(t.e.NumFPSuperior, 3);
    EXPECT_EQ(t.Fallo(), Fallo("fp", 0));
    t.e.OfertaGS[3].Poner(1, 1, 1101);   // past any title list
    EXPECT_EQ(t.Fallo(), Fallo("datluggsphp", 4));
}

TEST(CrossFile, TheLastCentreOfEachGroupIsCheckedAtItsOwnLine)
{
    // Groups of 2, 1, 3 and 2 centres: lines 1-2, 3, 4-6 and 7-8 of the offer.
    Muestra t({{"lu1", {"1A", "1B"}}, {"lu3", {"1C", "1D", "1E"}}, {"lu4", {"1F", "1G"}},
               {"datluggsphp", {"2;2;3", "1;1", "0", "-1", "0", "1;2", "0", "1;3"}}});
    ASSERT_EQ(t.Fallo(), Fallo());
    for (const auto &[grupo, centro, linea] : {std::tuple{0, 2, 2}, {1, 1, 3}, {2, 3, 6}, {3, 2, 8}}) {
        TablaEnteros &oferta = t.e.OfertaGS[static_cast<size_t>(grupo)];
        oferta.Poner(centro, 0, 2);
        oferta.Poner(centro, 1, 1);
        oferta.Poner(centro, 2, 0);   // its last title is none
        EXPECT_EQ(t.Fallo(), Fallo("datluggsphp", linea)) << grupo;
        oferta.VaciarFila(centro);
    }
}

TEST(CrossFile, AMismatchStopsStartUpNamingBothFilesWhenEitherMayBeWrong)
{
    Muestra t({{"cas/certificah", Lineas(12, "explicaci\xF3n ")}});
    EXPECT_FALSE(ValidarDatos(t.e));
    EXPECT_TRUE(t.e.ErrorFicheros);
    EXPECT_EQ(t.m.textos, QStringList{"Error en los ficheros " + t.c.Ruta("cas/certificah") + " y "
                                      + t.c.Ruta("cas/certifica")
                                      + ": 12 líneas de explicación para 11 de certificados: van una por una"});
}

namespace {

void CargarYComprobarDatosEntregados(const char *idioma)
{
    MensajesRegistrados m;
    Enlace e(m);
    OpcionesInicio o;
    o.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath("..");
    o.argumentos = {"N", idioma};
    o.carpetaUsuario = QDir::tempPath() + "/norvela-pruebas-usuario";
    Inicializar(e, o);
    ASSERT_FALSE(e.ErrorFicheros);
    int certificados = 0, explicaciones = 0;
    ASSERT_NO_THROW({
        CargarListaTexto(e, e.FicheroIdioma("carreran"), e.NombresGrado, e.NumGrados, 60);
        CargarListaTexto(e, e.FicheroIdioma("carreranb"), e.NombresGrupo, e.NumGrupos, 60);
        CargarTablaGrados(e, e.Fichero("datgradosphp"));
        CargarTitulosCodigo(e, e.Fichero("lugar"), e.NumUniversidades);
        CargarLista120(e, e.FicheroIdioma("carrenue"), e.NuevosTitulos, e.NumNuevosTitulos);
        CargarNotasCorte(e, e.Fichero("datcarnphp"));
        CargarListaTexto(e, e.FicheroIdioma("fp"), e.NombresFPSuperior, e.NumFPSuperior, 60);
        CargarListaTexto(e, e.FicheroIdioma("reqfp"), e.RequisitosFP, e.NumRequisitosFP, 55);
        CargarBloques26(e, e.FicheroIdioma("asignafp"), e.AsignaturasFPSuperior);
        CargarListaTexto(e, e.FicheroIdioma("fp2"), e.NombresFPMedio, e.NumFPMedio, 60);
        CargarBloques26(e, e.FicheroIdioma("asignagm"), e.AsignaturasFPMedio);
        CargarListaTexto(e, e.FicheroIdioma("fpba"), e.NombresFPBasica, e.NumFPBasica, 60);
        CargarBloques26(e, e.FicheroIdioma("asignaba"), e.AsignaturasFPBasica);
        CargarListaTexto(e, e.Fichero("comunida"), e.Lugares, e.NumLugares, 55);
        CargarWebComunidades(e, e.Fichero("comuint"), e.NumWebComunidades);
        CargarListaTexto(e, e.FicheroIdioma("otros"), e.NombresOtros, e.NumOtros, 55);
        CargarBloques50(e, e.FicheroIdioma("asignaot"));
        CargarListaTexto(e, e.FicheroIdioma("itinerar"), e.NombresAreas, e.NumAreas, 60);
        CargarListaTexto(e, e.FicheroIdioma("cualidad"), e.ListaCualidades, e.NumCualidades, 60);
        CargarListaTexto(e, e.FicheroIdioma("interes"), e.ListaIntereses, e.NumIntereses, 60);
        CargarListaTexto(e, e.FicheroIdioma("cuestion"), e.Cuestiones, e.NumCuestiones, 60);
        CargarTablaBytes(e, e.Fichero("cuestiocua"), e.TablaCuestioCua);
        CargarTablaBytes(e, e.Fichero("cuestioint"), e.TablaCuestioInt);
        CargarTablaBytes(e, e.Fichero("cuestioESO"), e.TablaCuestioESO);
        CargarListaTexto(e, e.Fichero("lu1"), e.Centros1, e.NumCentros1, e.AnchoLista);
        CargarListaTexto(e, e.Fichero("lu2"), e.Centros2, e.NumCentros2, e.AnchoLista);
        CargarListaTexto(e, e.Fichero("lu3"), e.Centros3, e.NumCentros3, e.AnchoLista);
        CargarListaTexto(e, e.Fichero("lu4"), e.Centros4, e.NumCentros4, e.AnchoLista);
        CargarTablaFPSuperior(e, e.Fichero("datfpsphp"));
        CargarOfertaGS(e, e.Fichero("datluggsphp"));
        CargarOfertaGM(e, e.Fichero("datluggmphp"));
        CargarOfertaFPB(e, e.Fichero("datlugbasphp"));
        CargarListaTexto(e, e.FicheroIdioma("certifica"), e.NombresCertificados, certificados, 60);
        CargarLista250(e, e.FicheroIdioma("certificah"), e.ExplicacionCertificados, explicaciones);
    });
    ASSERT_TRUE(m.textos.isEmpty()) << m.textos.join('|').toStdString();
    try {
        ComprobarCoherencia(e);
    } catch (const ErrorCoherencia &error) {
        ADD_FAILURE() << error.Mensaje().toStdString();
    }
}

} // namespace

TEST(CrossFile, TheShippedDataAgreeInEveryLanguage)
{
    for (const char *idioma : {"0", "1", "2", "3"}) {
        SCOPED_TRACE(idioma);
        CargarYComprobarDatosEntregados(idioma);
    }
}
