#include "ansi.h"
#include "enlace.h"
#include "hoja_impresion.h"
#include "informes.h"
#include "pagina_registrada.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "limite_escritura.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <stdexcept>
#include <tuple>

using namespace norvela;

namespace {

using Tipo = TrazoInforme::Tipo;

// The recording page is 8 x 11 in at 600 pixels an inch (portrait).
constexpr int kAncho = 4800;
constexpr int kAlto = 6600;

std::string Linea(int i)
{
    char s[24];
    std::snprintf(s, sizeof s, "linea %03d", i);
    return s;
}

QString TextoLinea(int i)
{
    return QString::fromStdString(Linea(i));
}

// Row r of a grid of `filas` rows over `alto` pixels.
int Fila(int r, int filas, int alto)
{
    return static_cast<int>(std::nearbyint(static_cast<double>(r) * alto / filas));
}

class Informes : public ::testing::Test {
protected:
    void SetUp() override
    {
        e.Textos.Poner(175, "Curso");
        e.BmpChica = QImage(7, 11, QImage::Format_RGB32);
        e.BmpChica.fill(Qt::red);
        e.LineasInforme.Poner(0, "  Informe de prueba  ");
    }

    void Llenar(int n)
    {
        for (int i = 1; i <= n; ++i)
            e.LineasInforme.Poner(i, Linea(i));
    }

    void Negritas(const std::vector<int> &lineas)
    {
        int k = 0;
        for (const int l : lineas)
            e.LineasNegrita[++k] = l;
        e.LineasNegrita[0] = k;
    }

    // The report lines drawn (header texts left out), in drawing order.
    std::vector<TrazoInforme> LineasDibujadas(int pagina, const PaginaRegistrada *en = nullptr) const
    {
        std::vector<TrazoInforme> r;
        for (const auto &t : (en ? *en : hoja).Textos(pagina))
            if (t.texto.startsWith(QLatin1String("linea")))
                r.push_back(t);
        return r;
    }

    // Those of every page.
    std::vector<TrazoInforme> TodasLasLineas(const PaginaRegistrada &p) const
    {
        std::vector<TrazoInforme> r;
        for (int k = 1; k <= p.paginas; ++k)
            for (const auto &t : LineasDibujadas(k, &p))
                r.push_back(t);
        return r;
    }

    int Cuantos(Tipo tipo, int pagina, const PaginaRegistrada *en = nullptr) const
    {
        int n = 0;
        for (const auto &t : (en ? *en : hoja).trazos)
            n += t.tipo == tipo && t.pagina == pagina;
        return n;
    }

    MensajesRegistrados m;
    Enlace e{m};
    PaginaRegistrada hoja{kAncho, kAlto, 600};
};

QString Ejecutar(const QString &programa, const QStringList &argumentos)
{
    QProcess p;
    p.start(programa, argumentos);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<fallo de ") + programa + '>';
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray Contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no se lee>");
}

QString TextoPagina(const QString &pdf, int pagina)
{
    const QString n = QString::number(pagina);
    return Ejecutar("pdftotext", {"-f", n, "-l", n, pdf, "-"});
}

} // namespace

TEST(HojaImpresionRedondeo, HalvesGoToTheEvenPixelAndHugeValuesAreRangeErrors)
{
    for (const auto &[valor, pixel] : {std::pair{480.5, 480}, {481.5, 482}, {-0.5, 0}, {872.7, 873}})
        EXPECT_EQ(RedondearPixel(valor), pixel) << valor;
    EXPECT_THROW(RedondearPixel(3e9), std::range_error);

    PaginaRegistrada p(4805, 6600, 600);
    ASSERT_TRUE(p.Comenzar("x", false));
    HojaImpresion hoja(p);
    hoja.IniciarImpresion(50, 58, 1.0);
    hoja.IrAColFila(5, 6);
    EXPECT_EQ(hoja.Pluma(), QPoint(480, 683));   // 480.5 and 682.76
}

// The header box runs from 0.5 in to 7.3 in (portrait) or 10.2 in
// (landscape), with the logo, and "Curso" and the year right-aligned 0.05 in
// inside it (the recording page gives 50 pixels a character at 10 points);
// the title at 1 in, trimmed at 12 points on a list, as stored at 11 on a
// column report. An empty list is one page with the header alone; a
// landscape page has its page circle, empty on a single page.
TEST_F(Informes, TheHeaderBoxHoldsLogoYearAndTitle)
{
    struct Caso {
        bool apaisada;
        int derecha;
        const char *titulo;
        int puntos;
    };
    for (const Caso &c : {Caso{false, 4380, "Informe de prueba", 12}, Caso{true, 6120, "  Informe de prueba  ", 11}}) {
        SCOPED_TRACE(c.apaisada ? "landscape" : "portrait");
        PaginaRegistrada pagina(kAncho, kAlto, 600);
        Llenar(75);
        Negritas({1, 2});
        ASSERT_TRUE(c.apaisada ? ImprimirListaColumnas(e, pagina, e.LineasInforme, 75, false)
                               : ImprimirLista(e, pagina, e.LineasInforme, 0, false, 12));
        EXPECT_TRUE(pagina.terminado);
        EXPECT_EQ(pagina.titulo, "el Norvela");
        EXPECT_EQ(std::tuple(pagina.apaisada, pagina.paginas), std::tuple(c.apaisada, 1));
        // Frame, logo, "Curso", year and title; landscape, the circle and the 75 lines too.
        ASSERT_EQ(pagina.trazos.size(), c.apaisada ? 5u + 1u + 75u : 5u);
        const auto caja = [](const TrazoInforme &t) { return std::tuple(t.tipo, QRect(QPoint(t.x, t.y), QPoint(t.x2, t.y2))); };
        EXPECT_EQ(caja(pagina.trazos[0]), std::tuple(Tipo::Rectangulo, QRect(QPoint(300, 60), QPoint(c.derecha, 480))));
        EXPECT_EQ(caja(pagina.trazos[1]), std::tuple(Tipo::Imagen, QRect(QPoint(360, 78), QPoint(570, 408))));
        for (const auto &[texto, y] : {std::pair{"Curso", 120}, std::pair{"2019/20", 300}}) {
            const auto *t = pagina.Buscar(texto);
            ASSERT_NE(t, nullptr) << texto;
            EXPECT_EQ(std::tuple(t->x, t->y, t->puntos, t->negrita),
                      std::tuple(c.derecha - 30 - 50 * static_cast<int>(std::strlen(texto)), y, 10, true))
                << texto;
        }
        const auto *titulo = pagina.Buscar(c.titulo);
        ASSERT_NE(titulo, nullptr);
        EXPECT_EQ(std::tuple(titulo->x, titulo->y, titulo->puntos, titulo->familia, titulo->negrita),
                  std::tuple(600, 300, c.puntos, QString("Arial"), true));
        EXPECT_EQ(Cuantos(Tipo::Elipse, 1, &pagina), c.apaisada ? 1 : 0);
        for (const auto &t : pagina.Textos(1))
            EXPECT_LT(t.x, 6240) << t.texto.toStdString();
        EXPECT_EQ(e.LineasNegrita[0], 0);
        EXPECT_TRUE(m.textos.isEmpty());
    }
}

// Portrait lists: at 12 points 51 lines a page in a 58-row grid, below it 71
// in a 78-row grid, from row 6; the next page starts in row 6 without header.
// A column report under 75 lines is such a list, in Courier at 10 points.
TEST_F(Informes, PortraitListsFillTheirGridAndContinueWithoutHeader)
{
    struct Caso {
        int n;
        bool columnas, courier;
        int puntos;
        const char *familia;
        int paginas, enPrimera, filas;
    };
    for (const Caso &c : {Caso{51, false, false, 12, "Arial", 1, 51, 58}, Caso{52, false, true, 12, "Courier New", 2, 51, 58},
                          Caso{72, false, true, 10, "Courier New", 2, 71, 78},
                          Caso{74, true, false, 10, "Courier New", 2, 71, 78}}) {
        SCOPED_TRACE(testing::Message() << c.n << " lines, " << c.familia << (c.columnas ? ", column report" : ""));
        PaginaRegistrada pagina(kAncho, kAlto, 600);
        Llenar(c.n);
        ASSERT_TRUE(c.columnas ? ImprimirListaColumnas(e, pagina, e.LineasInforme, c.n, c.courier)
                               : ImprimirLista(e, pagina, e.LineasInforme, c.n, c.courier, c.puntos));
        EXPECT_FALSE(pagina.apaisada);
        ASSERT_EQ(pagina.paginas, c.paginas);
        const auto primera = LineasDibujadas(1, &pagina), segunda = LineasDibujadas(2, &pagina);
        ASSERT_EQ(primera.size(), static_cast<size_t>(c.enPrimera));
        EXPECT_EQ(primera.front().y, Fila(6, c.filas, kAlto));
        EXPECT_EQ(primera.back().y, Fila(5 + c.enPrimera, c.filas, kAlto));
        ASSERT_EQ(segunda.size(), static_cast<size_t>(c.n - c.enPrimera));
        if (!segunda.empty()) {
            EXPECT_EQ(segunda[0].texto, TextoLinea(c.enPrimera + 1));
            EXPECT_EQ(segunda[0].y, Fila(6, c.filas, kAlto));
        }
        for (const auto *lineas : {&primera, &segunda})
            for (const auto &t : *lineas)
                EXPECT_EQ(std::tuple(t.x, t.familia, t.puntos, t.negrita), std::tuple(480, QString(c.familia), c.puntos, false))
                    << t.texto.toStdString();
        for (const auto &t : pagina.trazos)
            EXPECT_TRUE(t.pagina == 1 || t.tipo == Tipo::Texto);
        EXPECT_EQ(Cuantos(Tipo::Elipse, 1, &pagina), 0);
    }
}

// Bold entries mark their own lines (in columns, line 28 is the third row of
// the second column) for one print only. A column report drops a line's
// trailing blanks; a list prints it as stored.
TEST_F(Informes, BoldEntriesMarkTheirLinesForOnePrintOnly)
{
    for (const bool columnas : {false, true}) {
        SCOPED_TRACE(columnas ? "columns" : "list");
        Llenar(75);
        e.LineasInforme.Poner(28, "linea 028    ");
        Negritas({3, 28});
        const auto imprimir = [&](PaginaRegistrada &p) {
            return columnas ? ImprimirListaColumnas(e, p, e.LineasInforme, 75, true)
                            : ImprimirLista(e, p, e.LineasInforme, 75, false, 10);
        };
        PaginaRegistrada pagina(kAncho, kAlto, 600), otra(kAncho, kAlto, 600);
        ASSERT_TRUE(imprimir(pagina));
        EXPECT_NE(pagina.Buscar(columnas ? TextoLinea(28) : QStringLiteral("linea 028    ")), nullptr);
        for (const auto &t : TodasLasLineas(pagina))
            EXPECT_EQ(t.negrita, t.texto.startsWith(TextoLinea(3)) || t.texto.startsWith(TextoLinea(28)))
                << t.texto.toStdString();
        EXPECT_EQ(e.LineasNegrita[0], 0);
        // The next report, which sets none, gets no bold lines.
        ASSERT_TRUE(imprimir(otra));
        const auto lineas = TodasLasLineas(otra);
        EXPECT_EQ(lineas.size(), 75u);
        for (const auto &t : lineas)
            EXPECT_FALSE(t.negrita) << t.texto.toStdString();
    }
}

// From 75 lines a report goes landscape in columns laid over the header
// box's 10.2 in, not the page's 11 in: Courier at grid columns 2, 50 and 100
// of 150, 150 lines a page; Arial at columns 4, 44 and 86 of 130, its lines
// spread evenly (151: four columns of 38 rows, the fourth on page 2). The
// grid has the rows of a column and 8 more; short lines are at 8 points.
TEST_F(Informes, ColumnReportsPlaceEveryLineByTheirCountAndFont)
{
    struct Sitio {
        int linea, pagina, x, fila;
    };
    struct Caso {
        int n;
        bool courier;
        int filas, paginas, enUltima;
        std::vector<Sitio> sitios;
    };
    const Caso casos[] = {
        {75, true, 33, 1, 75, {{1, 1, 82, 6}, {26, 1, 2040, 6}, {28, 1, 2040, 8}, {51, 1, 4080, 6}, {75, 1, 4080, 30}}},
        {150, false, 58, 1, 150, {{1, 1, 188, 6}, {150, 1, 4049, 55}}},
        {151, true, 58, 2, 1, {{150, 1, 4080, 55}, {151, 2, 82, 6}}},
        {151, false, 46, 2, 37,
         {{38, 1, 188, 43}, {39, 1, 2071, 6}, {77, 1, 4049, 6}, {114, 1, 4049, 43}, {115, 2, 188, 6}, {151, 2, 188, 42}}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(testing::Message() << c.n << (c.courier ? " lines, Courier" : " lines, Arial"));
        PaginaRegistrada pagina(kAncho, kAlto, 600);
        Llenar(c.n);
        ASSERT_TRUE(ImprimirListaColumnas(e, pagina, e.LineasInforme, c.n, c.courier));
        EXPECT_TRUE(pagina.apaisada);
        EXPECT_EQ(pagina.paginas, c.paginas);
        EXPECT_EQ(LineasDibujadas(c.paginas, &pagina).size(), static_cast<size_t>(c.enUltima));
        // Past one page, every page has its header box and its numbered circle.
        for (int p = 1; c.paginas > 1 && p <= c.paginas; ++p) {
            EXPECT_EQ(std::tuple(Cuantos(Tipo::Rectangulo, p, &pagina), Cuantos(Tipo::Elipse, p, &pagina)), std::tuple(1, 1));
            const auto *numero = pagina.Buscar(QString::number(p));
            ASSERT_NE(numero, nullptr) << p;
            EXPECT_EQ(std::tuple(numero->pagina, numero->x, numero->y, numero->puntos), std::tuple(p, 6420, 180, 16));
        }
        for (const Sitio &s : c.sitios) {
            const auto *t = pagina.Buscar(TextoLinea(s.linea));
            ASSERT_NE(t, nullptr) << s.linea;
            EXPECT_EQ(std::tuple(t->pagina, t->x, t->y, t->familia, t->puntos),
                      std::tuple(s.pagina, s.x, Fila(s.fila, c.filas, kAncho), QString(c.courier ? "Courier New" : "Arial"), 8))
                << "line " << s.linea;
        }
    }
}

// The header never cuts its title: in portrait at 12 points 55 characters
// fit before the texts on the box's right (0.1 in before "2019/20"), one
// more goes on two lines broken at a blank; the landscape header holds a
// 79-character title (more than a report line) on one line.
TEST_F(Informes, TheHeaderTitleGoesOnTwoLinesRatherThanBeingCut)
{
    const std::string a27(27, 'a'), b28(28, 'b');
    struct Caso {
        std::string titulo;
        bool apaisado;
        std::vector<std::pair<std::string, int>> lineas;   // text and its y
    };
    const std::string largo = std::string(60, 'm') + " (FP de Grau Mitj\xE0)";
    const std::vector<Caso> casos = {
        {a27 + "_" + b28.substr(1), false, {{a27 + "_" + b28.substr(1), 300}}},
        {a27 + " " + b28, false, {{a27, 180}, {b28, 300}}},
        {largo, true, {{largo, 300}}},
    };
    for (const Caso &c : casos) {
        PaginaRegistrada pagina(kAncho, kAlto, 600);
        e.LineasInforme.Poner(0, c.titulo);
        Llenar(75);
        ASSERT_TRUE(c.apaisado ? ImprimirListaColumnas(e, pagina, e.LineasInforme, 75, true)
                               : ImprimirLista(e, pagina, e.LineasInforme, 3, false, 12));
        std::vector<std::pair<std::string, int>> titulo;
        for (const auto &t : pagina.Textos(1))
            if (t.x == 600 && t.y < 480)
                titulo.emplace_back(HaciaAnsi(t.texto), t.y);
        EXPECT_EQ(titulo, c.lineas) << c.titulo;
    }
}

TEST_F(Informes, LongLinesShrinkTheColumnFontSoNoColumnRunsIntoTheNext)
{
    Llenar(75);
    const std::string larga(65, 'M');
    e.LineasInforme.Poner(40, larga);
    ASSERT_TRUE(ImprimirListaColumnas(e, hoja, e.LineasInforme, 75, true));
    const auto *linea = hoja.Buscar(QString::fromStdString(larga));
    ASSERT_NE(linea, nullptr);
    EXPECT_LT(linea->puntos, 8);
    EXPECT_GE(linea->puntos, 5);
    // Every line of the page at the same size, and the widest ends before the third column.
    for (const auto &t : LineasDibujadas(1))
        EXPECT_EQ(t.puntos, linea->puntos);
    hoja.PonerFuente(QStringLiteral("Courier New"), linea->puntos, true);
    EXPECT_LT(linea->x + hoja.AnchoTexto(linea->texto + QLatin1Char(' ')), 4080);   // a blank before the next
}

TEST_F(Informes, CountsOutsideTheBuffersStopThePrintBeforeItStarts)
{
    Negritas({1});
    EXPECT_FALSE(ImprimirLista(e, hoja, e.LineasInforme, 1501, true, 10));
    EXPECT_FALSE(ImprimirListaColumnas(e, hoja, e.LineasInforme, -1, true));
    e.LineasNegrita[0] = 201;
    EXPECT_FALSE(ImprimirListaColumnas(e, hoja, e.LineasInforme, 100, true));
    EXPECT_FALSE(hoja.comenzado);
    ASSERT_EQ(m.textos.size(), 3);
    EXPECT_TRUE(m.textos[0].contains("1501") && m.textos[2].contains("201")) << m.textos.join('|').toStdString();
    EXPECT_EQ(e.LineasNegrita[0], 0);
}

TEST_F(Informes, APrinterFailureIsToldAndNeverReportedAsPrinted)
{
    Llenar(52);
    Negritas({2});
    hoja.fallarAlComenzar = true;
    EXPECT_FALSE(ImprimirLista(e, hoja, e.LineasInforme, 52, true, 12));
    EXPECT_EQ(std::pair(m.textos, e.LineasNegrita[0]), std::pair(QStringList{"No se ha podido imprimir el informe en registro."}, 0));

    PaginaRegistrada salto(kAncho, kAlto, 600);
    salto.fallarEnPagina = 2;
    EXPECT_FALSE(ImprimirLista(e, salto, e.LineasInforme, 52, true, 12));
    EXPECT_EQ(std::tuple(salto.abortado, salto.terminado, salto.Buscar(TextoLinea(52))), std::tuple(true, false, nullptr));

    PaginaRegistrada fin(kAncho, kAlto, 600);
    fin.fallarAlTerminar = true;
    EXPECT_FALSE(ImprimirListaColumnas(e, fin, e.LineasInforme, 52, true));
    const QString incompleto = "La impresión del informe no se ha completado (registro).";
    EXPECT_EQ(m.textos.mid(1), (QStringList{incompleto, incompleto}));
}

TEST_F(Informes, A151LinePdfHasTwoLandscapePagesWithHeaderAndLinesInPlace)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("informe.pdf");
    Llenar(151);
    Negritas({151});
    ASSERT_TRUE(ImprimirEnPdf(e, Informe::Columnas(e.LineasInforme, 151, true), pdf));
    EXPECT_TRUE(m.textos.isEmpty());

    const QString info = Ejecutar("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+el Norvela\\n"))) << info.toStdString();
    const auto tam = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    ASSERT_TRUE(tam.hasMatch()) << info.toStdString();
    EXPECT_GT(tam.captured(1).toDouble(), tam.captured(2).toDouble());

    // Each page's text, what it holds and what it must not.
    for (const auto &[pagina, tiene, falta] :
         {std::tuple{1, QStringList{"2019/20", "Curso", "Informe de prueba", TextoLinea(1), TextoLinea(150)}, TextoLinea(151)},
          {2, QStringList{"Informe de prueba", TextoLinea(151)}, TextoLinea(150)}}) {
        const QString texto = TextoPagina(pdf, pagina);
        for (const QString &t : tiene)
            EXPECT_TRUE(texto.contains(t)) << pagina << t.toStdString();
        EXPECT_FALSE(texto.contains(falta)) << pagina;
    }
}

TEST_F(Informes, EveryColumnOfALandscapePdfEndsInsideTheHeaderBox)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("columnas.pdf");
    // A full 65-character line in every row: each column at its widest.
    const std::string larga = "Grado en Ingenieria de Tecnologias y Servicios de Telecomunicacio";
    for (const bool courier : {true, false}) {
        for (int i = 1; i <= 150; ++i)
            e.LineasInforme.Poner(i, larga);
        ASSERT_TRUE(ImprimirEnPdf(e, Informe::Columnas(e.LineasInforme, 150, courier), pdf));
        // The box ends 10.2 in right of the printable area, which starts 6 mm in.
        const double derechaCaja = 6 / 25.4 * 72 + 10.2 * 72;
        const QString cajas = Ejecutar("pdftotext", {"-bbox", pdf, "-"});
        const QRegularExpression palabra(R"re(xMax="([\d.]+)"[^>]*>Telecomunicacio<)re");
        int finales = 0;
        for (auto it = palabra.globalMatch(cajas); it.hasNext();) {
            ++finales;
            EXPECT_LE(it.next().captured(1).toDouble(), derechaCaja + 0.5) << (courier ? "Courier" : "Arial");
        }
        EXPECT_EQ(finales, 150) << cajas.left(300).toStdString();
    }
}

// A PDF inside a regular file cannot be started; on a full disk it is not
// completed, and the older file stays whole.
TEST_F(Informes, APdfThatCannotBeWrittenIsToldAndTheOlderFileStaysWhole)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("informe.pdf"), dentro = pdf + "/informe.pdf";
    Llenar(151);
    ASSERT_TRUE(ImprimirEnPdf(e, Informe::Columnas(e.LineasInforme, 151, true), pdf));
    const QByteArray bueno = Contenido(pdf);
    ASSERT_TRUE(bueno.startsWith("%PDF"));
    EXPECT_FALSE(ImprimirEnPdf(e, Informe::Lista(e.LineasInforme, 3, true, 10), dentro));
    for (const bool columnas : {true, false}) {
        const Informe informe = columnas ? Informe::Columnas(e.LineasInforme, 151, false)
                                         : Informe::Lista(e.LineasInforme, 3, true, 10);
        pruebas::LimiteEscritura limite;
        EXPECT_FALSE(ImprimirEnPdf(e, informe, pdf));
    }
    EXPECT_EQ(Contenido(pdf), bueno);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"informe.pdf"});
    const QString incompleto = "La impresión del informe no se ha completado (" + pdf + ").";
    EXPECT_EQ(m.textos, (QStringList{"No se ha podido imprimir el informe en " + dentro + ".", incompleto, incompleto}));
}

// Only a confirmed dialog prints, on a queue that admits the job before and
// after it; a cancelled one, or a failed print, drops the bold lines too.
TEST_F(Informes, OnlyAConfirmedDialogOnAQueueThatAdmitsTheJobPrints)
{
    QTemporaryDir dir;
    const QString ruta = dir.filePath("cola.pdf");
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(ruta);
    const EstadoCola fichero = EstadoImpresora(impresora);   // a file has no queue
    EXPECT_TRUE(fichero.Admite());
    EXPECT_FALSE(fichero.envioRechazado);
    Llenar(3);
    const Informe informe = Informe::Lista(e.LineasInforme, 3, true, 10);
    const QString noAdmite = "La impresora " + ruta + " no admite trabajos ahora. Revísela o elija otra.";
    const QString conError = "La impresora " + ruta + " ha dado un error: puede que el informe no se haya impreso.";
    using P = QPrinter;
    const EstadoCola libre{P::Idle, true, false};
    const EstadoCola rechaza{P::Idle, false, false};
    struct Caso {
        EstadoCola antes, despues;
        ResultadoInforme resultado;
        bool dibujado;
        QString aviso;
        bool confirmado = true;
        bool propio = false;   // the queue as the printer tells it
    };
    const Caso casos[] = {
        {libre, libre, ResultadoInforme::Cancelado, false, {}, false, true},
        {libre, libre, ResultadoInforme::Hecho, true, {}, true, true},
        {libre, {P::Active, true, false}, ResultadoInforme::Hecho, true, {}},
        // Stopped, or turning jobs away while idle: nothing is drawn.
        {{P::Error, true, false}, libre, ResultadoInforme::Fallido, false, noAdmite},
        {{P::Aborted, true, false}, libre, ResultadoInforme::Fallido, false, noAdmite},
        {rechaza, rechaza, ResultadoInforme::Fallido, false, noAdmite},
        // The job turned away when handed over, or the queue stopped by it.
        {libre, {P::Idle, false, true}, ResultadoInforme::Fallido, true, noAdmite},
        {libre, {P::Idle, true, true}, ResultadoInforme::Fallido, true, noAdmite},
        {libre, {P::Error, true, false}, ResultadoInforme::Fallido, true, conError},
        // Taken before the queue closed: it prints.
        {libre, rechaza, ResultadoInforme::Hecho, true, {}},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(&caso - casos);
        QFile::remove(ruta);
        m.textos.clear();
        Negritas({2});
        int consultas = 0;
        const auto estado = [&](const QPrinter &) { return ++consultas == 1 ? caso.antes : caso.despues; };
        EXPECT_EQ(caso.propio ? ImprimirTrasDialogo(e, informe, impresora, caso.confirmado)
                              : ImprimirTrasDialogo(e, informe, impresora, caso.confirmado, estado),
                  caso.resultado);
        ASSERT_EQ(QFile::exists(ruta), caso.dibujado);
        if (caso.dibujado) {
            EXPECT_TRUE(TextoPagina(ruta, 1).contains(TextoLinea(3)));
        }
        EXPECT_EQ(m.textos.join('|'), caso.aviso);
        EXPECT_EQ(e.LineasNegrita[0], 0);
    }
}

TEST(ColaImpresora, OnlyAQueueThatSaysFalseTurnsJobsAwayAndAnInstanceIsAskedOfItsQueue)
{
    // The printer's name, the answer, then what was asked ("queue|instance") and whether it takes jobs.
    for (const auto &[nombre, respuesta, preguntado, acepta] : std::vector<std::tuple<QString, RespuestaCola, QByteArray, bool>>{
             {"oficina", {"false", false}, "oficina|", false},
             {"oficina/a4", {"true", false}, "oficina|a4", true},
             {"oficina", {"", true}, "oficina|", true},   // a queue it does not know, after a job turned away
             {"", {"", false}, "|", true}}) {
        QByteArray pregunta;
        const EstadoCola estado = PreguntarCola(nombre, [&](const QByteArray &cola, const QByteArray &instancia) {
            pregunta = cola + '|' + instancia;
            return respuesta;
        });
        EXPECT_EQ(std::tuple(pregunta.toStdString(), estado.aceptaTrabajos, estado.envioRechazado),
                  std::tuple(preguntado.toStdString(), acepta, respuesta.ultimoRechazado))
            << nombre.toStdString();
    }
}

// Reports longer than the first 1500 lines print whole.
TEST_F(Informes, LongReportsPrintWholeAndPrintingEmptiesTheRecordsPastN)
{
    Llenar(2000);
    EXPECT_EQ(e.LineasInforme.Ultimo(), 2000);
    EXPECT_EQ(e.LineasInforme[2001], "");   // past the end reads as an empty line
    EXPECT_THROW((void)e.LineasInforme[-1], ErrorIndice);
    std::vector<int> negritas(250);
    std::iota(negritas.begin(), negritas.end(), 1751);
    Negritas(negritas);

    ASSERT_TRUE(ImprimirLista(e, hoja, e.LineasInforme, 2000, true, 10)) << m.textos.join('|').toStdString();
    const auto todas = TodasLasLineas(hoja);
    ASSERT_EQ(todas.size(), 2000u);
    EXPECT_EQ(todas.back().texto, TextoLinea(2000));
    EXPECT_FALSE(todas[1749].negrita);
    EXPECT_TRUE(todas[1750].negrita);
    EXPECT_TRUE(todas[1999].negrita);

    PaginaRegistrada columnas{kAncho, kAlto, 600};
    ASSERT_TRUE(ImprimirListaColumnas(e, columnas, e.LineasInforme, 2000, true));
    EXPECT_EQ(TodasLasLineas(columnas).size(), 2000u);
    EXPECT_EQ(columnas.paginas, 14);   // 150 lines a page

    // Printing empties the records past N, to the buffer's last one; the
    // title stays, and the next report prints it again unless replaced.
    PaginaRegistrada corta(kAncho, kAlto, 600), otra(kAncho, kAlto, 600);
    ASSERT_TRUE(ImprimirLista(e, corta, e.LineasInforme, 5, true, 10));
    EXPECT_EQ(std::pair(e.LineasInforme[0], e.LineasInforme[5]), std::pair(std::string("  Informe de prueba  "), Linea(5)));
    for (int i = 6; i <= 2000; ++i)
        ASSERT_TRUE(e.LineasInforme[i].empty()) << i;
    ASSERT_TRUE(ImprimirListaColumnas(e, otra, e.LineasInforme, 2, false));
    EXPECT_NE(otra.Buscar("Informe de prueba"), nullptr);
}
