// Checks of the questionnaire files and the PDF documents the build ships:
// they load through the program's own loaders, their item lists agree with
// each other and across the four languages, and every document the screens
// open is a readable PDF.
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "enlace.h"
#include "lectura.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace norvela;

namespace {

const QString kDatos = QStringLiteral(NORVELA_DATOS_ENTREGADOS) + '/';
const char *const kIdiomas[4] = {"cas/", "catVal/", "galego/", "euskera/"};

// The item lists of the language folders and the ";" tables that number them.
struct Cuestionario {
    const char *lista;
    TablaTexto Enlace::*tablaLista;
    const char *tabla;
    TablaBytes Enlace::*tablaBytes;
    int filasExactas;   // 0 when the number of rows is free within the table
};
// One row of qualities and one of interests for each of the 12 degree areas
// (the program fixes NumAreas at 12); one row of the ESO questionnaire for
// each option after ESO.
const Cuestionario kCuestionarios[] = {
    {"cualidad", &Enlace::ListaCualidades, "cuestiocua", &Enlace::TablaCuestioCua, 12},
    {"interes", &Enlace::ListaIntereses, "cuestioint", &Enlace::TablaCuestioInt, 12},
    {"cuestion", &Enlace::Cuestiones, "cuestioESO", &Enlace::TablaCuestioESO, 0},
};

// The documents the screens open by their names, from pdf/est/.
const char *const kDocumentosEst[8] = {"PreciosMatricula.pdf", "NotaMedia.pdf",       "Movilidad.pdf",
                                       "Tasa_Rendimiento.pdf", "Becas.pdf",           "insercionLaboral.pdf",
                                       "Tasa_de_Paro.pdf",     "DeportesCentros.pdf"};

::testing::AssertionResult CargaSinError(const std::function<void()> &carga)
{
    try {
        carga();
    } catch (const ErrorDatos &error) {
        return ::testing::AssertionFailure() << error.Mensaje().toStdString();
    }
    return ::testing::AssertionSuccess();
}

std::string SinBlancosFinales(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// The weighting documents as the weightings screen lists them: names whose
// extension, upper-cased, is ".PDF".
QStringList DocumentosDePonderacion()
{
    QStringList pdf;
    for (const QString &nombre : QDir(kDatos + "pdf").entryList(QDir::Files))
        if (nombre.toUpper().endsWith(QLatin1String(".PDF")))
            pdf << nombre;
    return pdf;
}

std::string Principio(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.read(4).toStdString() : std::string();
}

} // namespace

TEST(ShippedQuestionnaires, ItemListsLoadInEveryLanguageWithoutAMessage)
{
    for (const char *idioma : kIdiomas) {
        MensajesRegistrados m;
        Enlace e(m);
        e.RutaDatos = kDatos;
        e.CarpetaIdioma = QString::fromLatin1(idioma);
        for (const Cuestionario &c : kCuestionarios) {
            const QString ruta = e.FicheroIdioma(QString::fromLatin1(c.lista));
            const std::string nombre = std::string(idioma) + c.lista;
            TablaTexto &tabla = e.*c.tablaLista;
            int n = -1;
            ASSERT_TRUE(CargaSinError([&] { CargarListaTexto(e, ruta, tabla, n, e.AnchoLista); })) << nombre;
            EXPECT_FALSE(e.ErrorFicheros) << nombre;
            EXPECT_TRUE(m.textos.isEmpty()) << nombre << ": " << m.textos.join('|').toStdString();

            // Every line is one whole item: not empty, without trailing
            // blanks, and short enough for its 60-character entry.
            const auto lineas = LeerLineasObligatorio(ruta);
            ASSERT_EQ(n, static_cast<int>(lineas.size())) << nombre;
            ASSERT_GT(n, 0) << nombre;
            for (int i = 1; i <= n; ++i) {
                const std::string &linea = lineas[static_cast<size_t>(i - 1)];
                EXPECT_FALSE(SinBlancosFinales(linea).empty()) << nombre << " line " << i << " is empty";
                EXPECT_EQ(SinBlancosFinales(linea), linea) << nombre << " line " << i << " has trailing blanks";
                EXPECT_LE(linea.size(), 60u) << nombre << " line " << i << " would be cut: " << linea;
                EXPECT_EQ(SinBlancosFinales(tabla[i]), linea) << nombre << " line " << i << " stored differently";
            }
        }
    }
}

TEST(ShippedQuestionnaires, EveryLanguageHasTheSameItems)
{
    // Item k means the same in every language and the tables number the
    // items once for all of them, so every language has the same lines.
    for (const Cuestionario &c : kCuestionarios) {
        const auto castellano = LeerLineasObligatorio(kDatos + "cas/" + c.lista);
        for (const char *idioma : kIdiomas) {
            const auto lineas = LeerLineasObligatorio(kDatos + idioma + c.lista);
            EXPECT_EQ(lineas.size(), castellano.size()) << idioma << c.lista << " has another number of lines";
        }
    }
    // The quality and interest rows are per area: when the area list ships,
    // it names at least as many areas as those tables have rows.
    for (const char *idioma : kIdiomas) {
        const QString ruta = kDatos + idioma + "itinerar";
        if (!QFile::exists(ruta))
            continue;
        MensajesRegistrados m;
        Enlace e(m);
        int n = 0;
        ASSERT_TRUE(CargaSinError([&] { CargarListaTexto(e, ruta, e.NombresAreas, n, e.AnchoLista); }));
        EXPECT_GE(n, 12) << idioma << "itinerar";
    }
}

TEST(ShippedQuestionnaires, AreaRowsFollowTheAreaListAndTheirInterestBlocks)
{
    // Row a of cuestiocua and cuestioint scores area a of itinerar, and
    // interes lists six interests per area in that same order (lines 6a-5 to
    // 6a), so a row of cuestioint may only ask about its own area's block.
    constexpr int kAreas = 12;   // NumAreas
    constexpr int kInteresesPorArea = 6;

    int areas = 0;
    for (const char *idioma : kIdiomas) {
        SCOPED_TRACE(idioma);
        const QString ruta = kDatos + idioma + "itinerar";
        ASSERT_TRUE(QFile::exists(ruta)) << idioma << "itinerar";
        MensajesRegistrados m;
        Enlace e(m);
        int n = 0;
        ASSERT_TRUE(CargaSinError([&] { CargarListaTexto(e, ruta, e.NombresAreas, n, e.AnchoLista); }));
        EXPECT_GE(n, kAreas) << idioma << "itinerar";
        if (areas == 0)
            areas = n;
        EXPECT_EQ(n, areas) << idioma << "itinerar names another number of areas";
        const auto intereses = LeerLineasObligatorio(kDatos + idioma + "interes");
        EXPECT_EQ(static_cast<int>(intereses.size()), kInteresesPorArea * n)
            << idioma << "interes is not " << kInteresesPorArea << " interests per area";
    }
    ASSERT_GE(areas, kAreas);

    MensajesRegistrados m;
    Enlace e(m);
    for (const char *tabla : {"cuestiocua", "cuestioint"}) {
        const auto filas = LeerLineasObligatorio(kDatos + tabla);
        EXPECT_EQ(static_cast<int>(filas.size()), areas) << tabla << " is not one row per area of itinerar";
        EXPECT_EQ(static_cast<int>(filas.size()), kAreas) << tabla << " rows";
    }

    const QString rutaInt = kDatos + "cuestioint";
    ASSERT_TRUE(CargaSinError([&] { CargarTablaBytes(e, rutaInt, e.TablaCuestioInt); }));
    const int filas = static_cast<int>(LeerLineasObligatorio(rutaInt).size());
    const auto intereses = LeerLineasObligatorio(kDatos + "cas/interes");
    for (int a = 1; a <= filas; ++a) {
        const int primero = kInteresesPorArea * (a - 1) + 1;
        const int ultimo = kInteresesPorArea * a;
        const int n = e.TablaCuestioInt.En(a, 0);
        EXPECT_GE(n, 1) << "cuestioint line " << a;
        for (int j = 1; j <= n; ++j) {
            const int item = e.TablaCuestioInt.En(a, j);
            const std::string texto = item >= 1 && item <= static_cast<int>(intereses.size())
                                          ? intereses[static_cast<size_t>(item - 1)]
                                          : std::string("(no such line)");
            EXPECT_TRUE(item >= primero && item <= ultimo)
                << "cuestioint line " << a << " asks interest " << item << " (" << texto << "), outside its area's lines "
                << primero << "-" << ultimo << " of interes";
        }
    }
}

TEST(ShippedQuestionnaires, ItemTablesLoadAndNumberExistingItems)
{
    MensajesRegistrados m;
    Enlace e(m);
    e.RutaDatos = kDatos;
    for (const Cuestionario &c : kCuestionarios) {
        SCOPED_TRACE(c.tabla);
        const QString ruta = e.Fichero(QString::fromLatin1(c.tabla));
        TablaBytes &tabla = e.*c.tablaBytes;
        ASSERT_TRUE(CargaSinError([&] { CargarTablaBytes(e, ruta, tabla); }));
        EXPECT_TRUE(m.textos.isEmpty()) << m.textos.join('|').toStdString();

        const auto filas = LeerLineasObligatorio(ruta);
        const int items = static_cast<int>(LeerLineasObligatorio(kDatos + "cas/" + c.lista).size());
        ASSERT_GE(filas.size(), 1u) << c.tabla;
        ASSERT_LE(filas.size(), static_cast<size_t>(tabla.Filas())) << c.tabla << " has more rows than the table";
        if (c.filasExactas > 0) {
            EXPECT_EQ(static_cast<int>(filas.size()), c.filasExactas) << c.tabla << " rows";
        }

        std::set<int> usados;
        for (int a = 1; a <= static_cast<int>(filas.size()); ++a) {
            const std::string donde = std::string(c.tabla) + " line " + std::to_string(a);
            const std::string &linea = filas[static_cast<size_t>(a - 1)];
            // The count is the first field and the line holds exactly that
            // many items, none of them 0 (a 0 would leave a stale byte).
            const int n = tabla.En(a, 0);
            EXPECT_GE(n, 1) << donde;
            EXPECT_LE(n, tabla.UltimoByte()) << donde;
            EXPECT_EQ(static_cast<int>(PartirCadena(linea, ';').size()), n + 1) << donde << ": " << linea;
            std::set<int> enLaFila;
            for (int j = 1; j <= n; ++j) {
                const int item = tabla.En(a, j);
                EXPECT_GE(item, 1) << donde << " item " << j;
                EXPECT_LE(item, items) << donde << " item " << j << " is not a line of " << c.lista;
                EXPECT_TRUE(enLaFila.insert(item).second) << donde << " repeats item " << item;
                usados.insert(item);
            }
        }
        // An item no row asks about is a question that never counts.
        for (int k = 1; k <= items; ++k)
            EXPECT_TRUE(usados.count(k)) << c.lista << " line " << k << " belongs to no row of " << c.tabla;
    }
}

TEST(ShippedDocuments, EveryPdfTheScreensOpenIsThere)
{
    for (const char *nombre : kDocumentosEst) {
        const QString ruta = kDatos + "pdf/est/" + nombre;
        EXPECT_EQ(Principio(ruta), "%PDF") << "pdf/est/" << nombre;
    }

    // One weighting document per community with universities (17).
    const QStringList ponderaciones = DocumentosDePonderacion();
    EXPECT_GE(ponderaciones.size(), 17);
    for (const QString &nombre : ponderaciones) {
        EXPECT_TRUE(nombre.startsWith(QLatin1String("Ponderaciones_"))) << nombre.toStdString();
        EXPECT_EQ(Principio(kDatos + "pdf/" + nombre), "%PDF") << "pdf/" << nombre.toStdString();
    }
}

TEST(ShippedDocuments, PdfToolsReadTheDocuments)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    const QStringList ponderaciones = DocumentosDePonderacion();
    ASSERT_FALSE(ponderaciones.isEmpty());

    const std::map<QString, QString> documentos = {
        {kDatos + "pdf/" + ponderaciones.first(), QStringLiteral("Ponderaciones")},
        {kDatos + "pdf/est/DeportesCentros.pdf", QStringLiteral("deportivas")},
    };
    for (const auto &[ruta, enElTitulo] : documentos) {
        QProcess proceso;
        proceso.start(pdfinfo, {ruta});
        ASSERT_TRUE(proceso.waitForFinished(30000)) << ruta.toStdString();
        const QString salida = QString::fromUtf8(proceso.readAllStandardOutput());
        EXPECT_EQ(proceso.exitCode(), 0) << ruta.toStdString() << ": " << proceso.readAllStandardError().toStdString();
        EXPECT_TRUE(salida.contains(QRegularExpression(QStringLiteral("Pages:\\s+[1-9]")))) << salida.toStdString();
        EXPECT_TRUE(salida.contains(QLatin1String("A4"))) << salida.toStdString();
        const QString titulo = salida.section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(titulo.startsWith(QLatin1String("Title:")) && titulo.contains(enElTitulo))
            << ruta.toStdString() << ": " << titulo.toStdString();
    }
}
