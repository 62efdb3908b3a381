// The title catalogue over the shipped data: family numbers, the basic-cycle
// family blocks, the five lists of a few families, the details of a title
// of each kind and the printed lists.
#include "ansi.h"
#include "carga_grados.h"
#include "carga_itinerarios.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "catalogo.h"
#include "certificados.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "errores.h"

#include <algorithm>
#include <tuple>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace norvela;

namespace {

std::string A(const char *utf8)
{
    return HaciaAnsi(QString::fromUtf8(utf8));
}

std::vector<std::string> A(const std::vector<const char *> &utf8)
{
    std::vector<std::string> r;
    for (const char *s : utf8)
        r.push_back(A(s));
    return r;
}

// The tables the catalogue reads, loaded from the shipped Castilian folder by
// the loaders the screens that own them use.
struct Catalogo {
    Catalogo() : e(m)
    {
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("catalogo"), 0));
        CargarDatosGrados(e);
        CargarTablasGrados(e);
        // As the itinerary screen loads them.
        CargarDatosItinerarios(e);
        CargarTablaFPMedio(e, e.Fichero(QStringLiteral("datfpmphp")));
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fpba")), e.NombresFPBasica, e.NumFPBasica, 60);
        CargarBloques26(e, e.FicheroIdioma(QStringLiteral("asignaba")), e.AsignaturasFPBasica);
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("certifica")), e.NombresCertificados, e.NumCertificados, 60);
        CargarLista250(e, e.FicheroIdioma(QStringLiteral("certificah")), e.ExplicacionCertificados,
                       e.NumExplicacionesCert);
        DividirCertificados(e);
        inicios = IniciosFamiliaFPB(e.NombresFPBasica, e.NumFPBasica);
    }
    MensajesRegistrados m;
    Enlace e;
    std::vector<int> inicios;
};

Catalogo &D()
{
    static auto *d = new Catalogo;
    return *d;
}

std::vector<std::string> Textos(const std::vector<EntradaCatalogo> &l)
{
    std::vector<std::string> r;
    for (const EntradaCatalogo &x : l)
        r.push_back(x.texto);
    return r;
}

std::vector<std::string> Textos(const std::vector<LineaDetalle> &l)
{
    std::vector<std::string> r;
    for (const LineaDetalle &x : l)
        r.push_back(x.texto);
    return r;
}

bool Contiene(const std::vector<std::string> &v, const std::string &s)
{
    return std::find(v.begin(), v.end(), s) != v.end();
}

} // namespace

TEST(Catalogo, FamilyNumbersOfTheCodes)
{
    struct Caso {
        char c;
        int defecto, numero, deCodigo;
    };
    for (const Caso &k : {Caso{'A', 0, 10, 10}, Caso{'G', 0, 16, 16}, Caso{'Q', 7, 26, 26}, Caso{'R', 7, 7, 0},
                          Caso{'1', 5, 5, 1}, Caso{'9', 0, 0, 9}, Caso{'a', 3, 3, 0}, Caso{' ', 0, 0, 0}}) {
        EXPECT_EQ(NumeroFamilia(k.c, k.defecto), k.numero) << k.c;
        EXPECT_EQ(NumeroDeCodigo(k.c), k.deCodigo) << k.c;
    }
}

TEST(Catalogo, BasicCycleFamilyBlocks)
{
    Catalogo &d = D();
    ASSERT_EQ(d.inicios.size(), 26u);
    EXPECT_EQ(d.inicios.front(), 1);
    EXPECT_EQ(d.inicios[1], 3);
    EXPECT_EQ(d.inicios.back(), 53);

    TablaTexto lista(0, 1100, 60);
    lista.Poner(0, "fpba");
    for (int i = 1; i <= 27; ++i)
        lista.Poner(i, "-Familia");
    EXPECT_THROW(IniciosFamiliaFPB(lista, 27), ErrorRango);
    TablaTexto lejos(0, 1100, 60);
    lejos.Poner(256, "-Familia");
    EXPECT_THROW(IniciosFamiliaFPB(lejos, 256), ErrorRango);
    EXPECT_EQ(IniciosFamiliaFPB(lejos, 255).size(), 0u);
}

TEST(Catalogo, FiveListsOfAFamily)
{
    Catalogo &d = D();
    struct Caso {
        char familia;
        size_t grados;
        std::vector<const char *> superior, medio, basica;
        const char *certificado;
    };
    for (const Caso &c : {
             Caso{'1', 1,
                  {"Acondicionamiento Físico", "Enseñanza y Animación Sociodeportiva",
                   "+ Enseñanzas deportivas de grado superior"},
                  {"Actividades Ecuestres", "Conducción de Activ. Físico-Deportivas en el Medio Natural",
                   "+ Enseñanzas deportivas de grado medio"},
                  {"Acceso y Conservación en Instalaciones Deportivas"}, "Socorrismo en instalaciones acuáticas"},
             Caso{'5', 5, {"Artista Fallero y Construcción de Escenografías", "+ Artes Plásticas y Diseño de grado superior"},
                  {"+ Artes Plásticas y Diseño de grado medio"}, {}, "Reparación de joyería"},
             Caso{'G', 28,
                  {"Administración de Sistemas Informáticos en Red", "Desarrollo de Aplicaciones Multiplataforma",
                   "Desarrollo de Aplicaciones Web"},
                  {"Sistemas Microinformáticos y Redes"}, {"Informática y Comunicaciones", "Informática de Oficina"},
                  "Sistemas microinformáticos"},
             // The last family's block runs to the end of the list.
             Caso{'Q', 0, {"Desarrollo y Fabricación de Productos Cerámicos"}, {"Fabricación de Productos Cerámicos"},
                  {"Vidriería y Alfarería"}, "Decoración y moldeado de vidrio"},
         }) {
        const ListasCatalogo l = ListasDeFamilia(d.e, d.inicios, c.familia);
        SCOPED_TRACE(c.familia);
        EXPECT_EQ(l[CatGrados].size(), c.grados);
        EXPECT_EQ(std::tuple(Textos(l[CatSuperior]), Textos(l[CatMedio]), Textos(l[CatBasica])),
                  std::tuple(A(c.superior), A(c.medio), A(c.basica)));
        EXPECT_TRUE(Contiene(Textos(l[CatCertificados]), A(c.certificado)));
        // Only the notes have no row to open.
        for (const auto &lista : l)
            for (const EntradaCatalogo &x : lista)
                EXPECT_EQ(x.indice == 0, x.texto[0] == '+') << x.texto;
    }
    // Every family has certificates, each with its hours and what it is for.
    for (char familia : std::string("123456789ABCDEFGHIJKLMNOPQ")) {
        const auto certificados = ListasDeFamilia(d.e, d.inicios, familia)[CatCertificados];
        ASSERT_FALSE(certificados.empty()) << familia;
        for (const EntradaCatalogo &x : certificados) {
            const auto detalle = DetalleCertificado(d.e, x.indice);
            ASSERT_GE(detalle.size(), 5u) << familia << " " << x.texto;
            EXPECT_GT(std::stoi(detalle[detalle.size() - 3].texto), 0) << familia << " " << x.texto;
            EXPECT_FALSE(detalle.back().texto.empty()) << familia << " " << x.texto;
        }
    }
    EXPECT_EQ(ListasDeFamilia(d.e, d.inicios, 'G')[CatSuperior][2].indice, 65);
    EXPECT_EQ(ListasDeFamilia(d.e, d.inicios, 'Q')[CatBasica][0].indice, 54);
    EXPECT_EQ(ListasDeFamilia(d.e, d.inicios, '1')[CatGrados][0].texto,
              A("Ciencias de la Actividad Física y del Deporte"));
}

TEST(Catalogo, DetailsOfATitleOfEachKind)
{
    Catalogo &d = D();
    ASSERT_GT(d.e.LimiteSeccionGS, 65);
    // A higher cycle below the arts section: requirements, the LOMCE block, outlets.
    const auto gs = DetalleSuperior(d.e, 65);
    const auto textos = Textos(gs);
    ASSERT_GT(gs.size(), 8u);
    EXPECT_EQ(std::pair(gs[0].encabezado, gs[0].texto), std::pair(true, std::string("Requisitos")));
    EXPECT_TRUE(Contiene(textos, A("      **  Acceso LOMCE **")));
    // The outlets heading, then its five lines.
    const auto salidas = std::find(textos.begin(), textos.end(), "Salidas profesionales");
    ASSERT_EQ(textos.end() - salidas, 6);
    EXPECT_TRUE(gs[static_cast<size_t>(salidas - textos.begin())].encabezado);
    // An arts title has no LOMCE block.
    EXPECT_FALSE(Contiene(Textos(DetalleSuperior(d.e, d.e.LimiteSeccionGS + 1)), A("      **  Acceso LOMCE **")));

    // Intermediate cycles: access by section, outlets unless the family is "5".
    struct Caso {
        int fila;
        char familia;
        const char *primera;
        bool salidas;
    };
    for (const Caso &c : {Caso{47, 'G', "Para entrar en un ciclo de Grado Medio necesitas cumplir", true},
                          Caso{d.e.SeccionGMDesde + 1, '5', "Para cursar un ciclo de Artes Plásticas y Diseño de grado",
                               false},
                          Caso{d.e.SeccionGMHasta + 1, '1', nullptr, true}}) {
        const auto gm = Textos(DetalleMedio(d.e, c.fila, c.familia));
        ASSERT_GT(gm.size(), 2u) << c.fila;
        EXPECT_EQ(gm[0], "Requisitos");
        if (c.primera) {
            EXPECT_EQ(gm[1], A(c.primera)) << c.fila;
        }
        EXPECT_EQ(Contiene(gm, "Salidas profesionales"), c.salidas) << c.fila;
    }
    EXPECT_NE(Textos(DetalleMedio(d.e, d.e.SeccionGMHasta + 1, '1'))[1],
              Textos(DetalleMedio(d.e, d.e.SeccionGMDesde + 1, '1'))[1]);

    // A basic cycle: the " 8" lines, then its non-blank outlets.
    const auto fpb = Textos(DetalleBasica(d.e, 54));
    ASSERT_GT(fpb.size(), 4u);
    EXPECT_EQ(fpb[0], A("Requisitos de acceso"));
    const auto trabajo = std::find(fpb.begin(), fpb.end(), "Salidas profesionales");
    ASSERT_GT(fpb.end() - trabajo, 1);
    for (auto i = trabajo; i != fpb.end(); ++i)
        EXPECT_NE(i->find_first_not_of(' '), std::string::npos) << "blank outlet line";

    // A certificate: requirements one a line, hours, description.
    const auto filas = CertificadosDeSubgrupo(d.e, 'G');
    ASSERT_GE(filas.size(), 3u);
    EXPECT_EQ(Textos(DetalleCertificado(d.e, filas[2].linea)),
              (std::vector<std::string>{A("Requisitos de acceso"), A("Título de Graduado en ESO"),
                                        A("Cert. N2/N1 o prueba de GM"), A("Competencias clave nivel 2"),
                                        A("Horas de formación"), "510", "Salidas profesionales",
                                        A("Instalar y mantener sistemas y redes de pequeño tamaño.")}));
    EXPECT_TRUE(DetalleCertificado(d.e, 0).empty());
}

TEST(Catalogo, AHigherCycleRequiresTheLinesItsColumnsFiveToSeventeenName)
{
    MensajesRegistrados m;
    Enlace e(m);
    e.NumFPSuperior = 1;
    e.NumRequisitosFP = 3;
    e.RequisitosFP.Poner(3, "Bachillerato");
    e.RequisitosFP.Poner(4, "Fuera de la lista");
    struct Caso {
        int columna, valor;
        const char *linea;
    };
    for (const Caso &c : {Caso{4, 3, ""}, Caso{5, 3, "Bachillerato"}, Caso{17, 3, "Bachillerato"}, Caso{18, 3, ""},
                          Caso{17, 4, ""}}) {
        e.TablaFPSuperior.VaciarFila(1);
        e.TablaFPSuperior.Poner(1, c.columna, c.valor);
        EXPECT_EQ(Textos(DetalleSuperior(e, 1)).at(1), c.linea) << c.columna << " " << c.valor;
    }
}

TEST(Catalogo, PrintedListsOfAFamily)
{
    ListasCatalogo l;
    l[CatSuperior] = {{"Acondicionamiento Físico", 2}, {"+ Enseñanzas deportivas de grado superior", 0}};
    l[CatCertificados] = {{"Socorrismo en instalaciones acuáticas", 11}};
    const InformeFP informe = InformeCatalogo(
        "Catálogo de títulos   ", "Actividades Físicas y Deportivas   ",
        {"Grados universitarios", "FP Grado Superior", "FP Grado Medio", "FP Básica", "Certificados de profesionalidad"},
        l);
    EXPECT_EQ(informe.titulo, "Catálogo de títulos: Actividades Físicas y Deportivas");
    EXPECT_EQ(informe.lineas, (std::vector<std::string>{"", "FP Grado Superior", " -Acondicionamiento Físico",
                                                        " -+ Enseñanzas deportivas de grado superior", "",
                                                        "Certificados de profesionalidad",
                                                        " -Socorrismo en instalaciones acuáticas"}));
    EXPECT_EQ(informe.negritas, (std::vector<int>{2, 6}));
    EXPECT_TRUE(InformeCatalogo("T", "F", {}, {}).lineas.empty());
}
