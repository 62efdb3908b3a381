// The certificate tables as the certificates screen splits and reads them:
// families and sub-groups, a certificate's requirements, and the report of
// a sub-group, line by line.
#include "ansi.h"
#include "certificados.h"
#include "errores.h"

#include <QString>

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace norvela;

namespace {

// The data layer holds Windows-1252: every width counts characters.
std::string A(const std::string &utf8)
{
    return HaciaAnsi(QString::fromStdString(utf8));
}

std::vector<std::string> A(const std::vector<std::string> &utf8)
{
    std::vector<std::string> r;
    for (const std::string &s : utf8)
        r.push_back(A(s));
    return r;
}

struct Muestra {
    DatosFP d;
    TextosInterfaz t;

    // "certifica" and "certificah" as loaded: nine family lines and nine
    // requirement headings first, then one explanation per line.
    Muestra(const std::vector<std::string> &nombres, const std::vector<std::string> &explicaciones)
    {
        d.NombresCertificados.Poner(0, "certifica");
        d.ExplicacionCertificados.Poner(0, "certificah");
        for (const std::string &s : nombres)
            d.NombresCertificados.Poner(++d.NumCertificados, A(s));
        for (const std::string &s : explicaciones)
            d.ExplicacionCertificados.Poner(++d.NumExplicacionesCert, A(s));
        t.Poner(580, A("Certificados de profesionalidad"));
        t.Poner(581, A("Requisitos de acceso:"));
        t.Poner(582, A("Horas de formación"));
        t.Poner(583, A("Familia"));
    }
};

const std::vector<std::string> kNombres = {
    "2B      Administración y hostelería",
    "3 3     Agraria",
    "Z       Sin sub-grupos",
    "", "", "", "", "", "",
    "2-Administración y Gestión",
    "2Actividades de gestión administrativa",
    "2Gestión contable",
    "B-Hostelería y Turismo",
    "BOperaciones básicas de cocina",
    "3-Agraria",
    "3Actividades auxiliares en ganadería",
};
const std::vector<std::string> kExplicaciones = {
    "0Sin requisitos académicos",
    "1Título de Graduado en ESO",
    "2Cert. N2/N1 o prueba de GM",
    "3Competencias clave nivel 2",
    "4Título de Bachiller",
    "5Cert. N3/N2 o prueba de GS",
    "6Competencias clave nivel 3",
    "2Cert. de nivel 2 de la misma familia profesional",
    "8Título de Técnico de FP",
    "   000 Administración",
    "123800 Atender al cliente y realizar gestiones administrativas de venta y cobro.",
    "45 560 Llevar la contabilidad.",
    "   000 Hostelería",
    "   350 Preparar elaboraciones culinarias sencillas.",
    "   000 Agraria",
    "0  280 Cuidar el ganado.",
};

} // namespace

TEST(Certificados, SplitKeepsFamiliesAndHeadingsApartAndPairsTheRest)
{
    Muestra m(kNombres, kExplicaciones);
    const FamiliasCertificados f = DividirCertificados(m.d);
    EXPECT_EQ(m.d.NumCertificados, 7);
    EXPECT_EQ(m.d.NumExplicacionesCert, 7);
    EXPECT_EQ(f.CodigosFamiliaCert[1], "2B      ");
    EXPECT_EQ(f.NombresFamiliaCert[1], A("Administración y hostelería"));
    EXPECT_EQ(f.CodigosFamiliaCert[2], "3 3     ");
    EXPECT_EQ(m.d.EncabezadosCertificados[2], A("1Título de Graduado en ESO"));
    EXPECT_EQ(m.d.NombresCertificados[1], A("2-Administración y Gestión"));
    EXPECT_EQ(m.d.NombresCertificados[7], A("3Actividades auxiliares en ganadería"));
    EXPECT_EQ(m.d.ExplicacionCertificados[7], "0  280 Cuidar el ganado.");
    EXPECT_EQ(m.d.NombresCertificados[8], "");

    Muestra corta({"1 Una familia"}, kExplicaciones);
    EXPECT_THROW(DividirCertificados(corta.d), ErrorRango);
}

TEST(Certificados, SubGroupsOfAFamilyAndCertificatesOfASubGroup)
{
    Muestra m(kNombres, kExplicaciones);
    const FamiliasCertificados f = DividirCertificados(m.d);
    struct Caso {
        int familia;
        std::vector<std::string> subgrupos;
        std::vector<int> lineas;
    };
    for (const Caso &c : {Caso{1, {"-Administración y Gestión", "-Hostelería y Turismo"}, {1, 4}},
                          // A letter twice lists its sub-group twice; blanks list nothing.
                          Caso{2, {"-Agraria", "-Agraria"}, {6, 6}},
                          Caso{3, {}, {}}}) {
        const auto filas = SubgruposDeFamilia(m.d, f.CodigosFamiliaCert[static_cast<size_t>(c.familia)]);
        std::vector<std::string> textos;
        std::vector<int> lineas;
        for (const FilaCertificado &r : filas) {
            textos.push_back(r.texto);
            lineas.push_back(r.linea);
        }
        EXPECT_EQ(textos, A(c.subgrupos)) << "family " << c.familia;
        EXPECT_EQ(lineas, c.lineas) << "family " << c.familia;
    }
    const auto certificados = CertificadosDeSubgrupo(m.d, '2');
    ASSERT_EQ(certificados.size(), 2u);
    EXPECT_EQ(certificados[0].texto, A("Actividades de gestión administrativa"));
    EXPECT_EQ(certificados[1].linea, 3);
    EXPECT_TRUE(CertificadosDeSubgrupo(m.d, 'Q').empty());
}

TEST(Certificados, RequirementsHoursAndDescription)
{
    Muestra m(kNombres, kExplicaciones);
    DividirCertificados(m.d);
    struct Caso {
        int linea;
        std::vector<std::string> requisitos;
        const char *horas;
        const char *descripcion;
    };
    for (const Caso &c : {
             // Every heading with a code shows: code 2 has two.
             Caso{2,
                  {"Título de Graduado en ESO", "Cert. N2/N1 o prueba de GM", "Cert. de nivel 2 de la misma",
                   "Competencias clave nivel 2"},
                  "800",
                  "Atender al cliente y realizar gestiones administrativas de venta y cobro."},
             Caso{3, {"Título de Bachiller", "Cert. N3/N2 o prueba de GS"}, "560", "Llevar la contabilidad."},
             // Blank codes match no heading.
             Caso{5, {}, "350", "Preparar elaboraciones culinarias sencillas."},
             Caso{7, {"Sin requisitos académicos"}, "280", "Cuidar el ganado."},
         }) {
        EXPECT_EQ(RequisitosCertificado(m.d, c.linea), A(c.requisitos)) << "line " << c.linea;
        EXPECT_EQ(HorasCertificado(m.d, c.linea), c.horas) << "line " << c.linea;
        EXPECT_EQ(DescripcionCertificado(m.d, c.linea), A(c.descripcion)) << "line " << c.linea;
    }
    EXPECT_EQ(NombreCertificado(m.d, 5), A("Operaciones básicas de cocina"));
    EXPECT_TRUE(RequisitosCertificado(m.d, 99).empty());
}

TEST(Certificados, SubGroupReportLineByLine)
{
    Muestra m(kNombres, kExplicaciones);
    DividirCertificados(m.d);
    const InformeFP informe = InformeSubgrupo(m.d, m.t, {2, 3});
    EXPECT_EQ(informe.titulo, A("Certificados de profesionalidad"));
    const std::vector<std::string> esperadas = {
        "Familia:",
        "-Administración y Gestión",
        "",
        "Actividades de gestión administrativa",
        "Atender al cliente y realizar gestiones administrativas de v",
        "Requisitos de acceso:",
        "       Título de Graduado en ESO",
        // Only the last heading of code 2, whole: its level stays.
        "       Cert. de nivel 2 de la misma",
        "       Competencias clave nivel 2",
        "Horas de formación: 800",
        "",
        "Gestión contable",
        "Llevar la contabilidad.",
        "Requisitos de acceso:",
        "       Título de Bachiller",
        "       Cert. N3/N2 o prueba de GS",
        "Horas de formación: 560",
        "",
    };
    EXPECT_EQ(informe.lineas, A(esperadas));
    EXPECT_EQ(informe.negritas, (std::vector<int>{4, 12, 2}));

    // Blank codes print the caption alone; nothing listed prints nothing.
    const InformeFP cocina = InformeSubgrupo(m.d, m.t, {5});
    EXPECT_EQ(std::vector<std::string>(cocina.lineas.begin() + 3, cocina.lineas.end()),
              A({"Operaciones básicas de cocina", "Preparar elaboraciones culinarias sencillas.", "Requisitos de acceso:",
                 "Horas de formación: 350", ""}));
    EXPECT_TRUE(InformeSubgrupo(m.d, m.t, {}).lineas.empty());
}

TEST(Certificados, ALargeSubGroupPrintsEveryCertificate)
{
    std::vector<std::string> nombres(kNombres.begin(), kNombres.begin() + 9), explicaciones(kExplicaciones.begin(),
                                                                                             kExplicaciones.begin() + 9);
    nombres.push_back("K-Química");
    explicaciones.push_back("   000 Química");
    std::vector<int> lineas;
    for (int i = 1; i <= 20; ++i) {
        nombres.push_back("KCertificado " + std::to_string(i));
        explicaciones.push_back("5  600 Descripción " + std::to_string(i));
        lineas.push_back(i + 1);
    }
    Muestra m(nombres, explicaciones);
    DividirCertificados(m.d);
    const InformeFP informe = InformeSubgrupo(m.d, m.t, lineas);
    EXPECT_EQ(informe.NumLineas(), 3 + 20 * 6);
    EXPECT_EQ(informe.negritas.size(), 21u);
    EXPECT_EQ(informe.lineas.back(), "");
    EXPECT_EQ(informe.lineas[informe.lineas.size() - 6], "Certificado 20");
}
