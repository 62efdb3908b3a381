// The family statistics screen on the shipped data, offscreen, opened by the
// higher-cycle screen's buttons: chart 1 for a title, charts 3 and 4 for its
// family, the "no data" cases and the titles the chart leaves out, the
// growing bar, the wheel, the link and the way back. With NORVELA_CAPTURAS
// set to a folder it also saves the charts in the four languages as PNG files.
#include "carpeta_entregada.h"
#include "enlace.h"
#include "estadistica.h"
#include "etiquetas.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "superior.h"
#include "titulo_superior_prueba.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>


using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data folder (or on `rutaPrograma`), every
// screen created through start-up, the higher-cycle screen opened by the
// main menu's door; the statistics screen is the one it opens.
struct Programa : ProgramaEntregado {
    explicit Programa(int idioma = 0, const QString &rutaPrograma = {})
        : ProgramaEntregado(QStringLiteral("estad"), idioma, rutaPrograma)
    {
        if (!creadas)
            return;
        form8 = s().Form8.get();
        estad = s().Estadisticas.get();
        AbrirPuerta(Tform0::kPuertaFpS);
        estad->AbrirPagina = [this](const QUrl &url) {
            abiertas.append(url);
            return true;
        };
    }

    // What a student does: back from a chart, title t chosen on the
    // higher-cycle screen, its statistics, then the chart's button.
    void Abrir(int grafico, int t)
    {
        if (estad->isVisible()) {
            QVERIFY(Pulsar(estad->ButtonRetroEsta));
            QVERIFY(QTest::qWaitForWindowActive(form8));
        }
        if (form8->Estado().TituloSel != t || !Hijo<QWidget>(form8, "PanelFpTit")->isVisible())
            ElegirTituloSuperior(*form8, e, t);
        QVERIFY(Pulsar(Hijo<QPushButton>(form8, "MenuFPTitEst")));
        QVERIFY(Hijo<QWidget>(form8, "PanelEstadistica")->isVisible());
        QPushButton *boton[5] = {nullptr, Hijo<QPushButton>(form8, "ButtonEstad1"), nullptr,
                                 Hijo<QPushButton>(form8, "ButtonEstad2"), Hijo<QPushButton>(form8, "ButtonEstad3")};
        QVERIFY(Pulsar(boton[grafico]));
        QVERIFY(QTest::qWaitForWindowActive(estad));
    }
    // The first title of family f (1..26).
    int DeFamilia(int f) const { return e.FilaTituloGS[f] + 1; }

    // Centres of title t counted straight from "datluggsphp".
    int CentrosDe(int t) const
    {
        QFile f(e.Fichero(QStringLiteral("datluggsphp")));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        const int filas = e.NumCentros1 + e.NumCentros2 + e.NumCentros3 + e.NumCentros4;
        int cuenta = 0;
        for (int i = 0; i < filas && !f.atEnd(); ++i) {
            const QList<QByteArray> campos = f.readLine().trimmed().split(';');
            for (int j = 1; j < campos.size() && j <= campos[0].toInt(); ++j)
                cuenta += campos[j].toInt() == t;
        }
        return cuenta;
    }

    TForm8 *form8 = nullptr;
    TEstadisticas *estad = nullptr;
    QList<QUrl> abiertas;
};

// The first line of "fp" whose text (trimmed) begins with `prefijo`.
int Linea(const Enlace &e, const char *prefijo)
{
    for (int t = 1; t <= e.NumFPSuperior; ++t)
        if (e.NombresFPSuperior[t].rfind(prefijo, 0) == 0)
            return t;
    return 0;
}

QColor Pixel(QWidget *w, int x, int y)
{
    return w->grab().toImage().pixelColor(x, y);
}

bool EsVerde(const QColor &c)
{
    return c == QColor(0, 128, 0);
}

void Girar(QWidget *w, int delta)
{
    const QPointF punto(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent rueda(punto, w->mapToGlobal(punto), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &rueda);
}

// Every caption fits its label: one line within its width, or wrapped within its height.
void CompararAnchos(QWidget *pantalla, const QString &idioma)
{
    for (QLabel *l : pantalla->findChildren<QLabel *>()) {
        if (l->text().isEmpty())
            continue;
        QVERIFY2(CabeEnEtiqueta(l, l->text()), qPrintable(idioma + ": " + l->objectName() + ": " + l->text()));
    }
    for (QPushButton *b : pantalla->findChildren<QPushButton *>())
        QVERIFY2(Cabe(b, b->text(), 8), qPrintable(b->text()));
}

} // namespace

class PruebaEstadisticas : public QObject {
    Q_OBJECT

private slots:
    void chartOneCentresTheTitleAndGrowsItsBar()
    {
        Programa pr;
        QVERIFY(!pr.e.ErrorFicheros);
        TEstadisticas &s = *pr.estad;
        const int t = Linea(pr.e, "Desarrollo de Aplicaciones Web");
        QVERIFY(t > 20);
        pr.Abrir(1, t);
        QVERIFY(s.isVisible());
        QVERIFY(s.PanelEst1->isVisible());
        QVERIFY(!s.PanelEst2->isVisible());
        QCOMPARE(s.LabelEst1->text(), pr.e.Texto(228));
        QCOMPARE(s.LabelEst2->text(), pr.e.Texto(325) + ": Desarrollo de Aplicaciones Web");
        QCOMPARE(s.chart1->accessibleName(), pr.e.Texto(228));
        QCOMPARE(s.ScrollBar1->minimum(), 1);
        QCOMPARE(s.ScrollBar1->maximum(), s.EstFP().NumEstFP - 14);
        QCOMPARE(s.ScrollBar1->value(), t - 8);

        // The value box says how many centres teach it, counted from the offer file.
        const int centros = pr.CentrosDe(t);
        QVERIFY(centros > 0);
        QCOMPARE(QString::fromStdString(s.Grafico1().BarraDe(t).texto), QString::number(centros));
        QVERIFY(s.chart1->accessibleDescription().endsWith(QString::number(centros)));

        // The selected row (the 9th drawn) starts without a bar and grows to its end.
        const int y = 30 * 9 + 10;
        const int mitad = (450 + 10 + s.Grafico1().BarraDe(t).fin) / 2;
        QVERIFY(s.Timer1.isActive());
        QVERIFY(!EsVerde(Pixel(s.chart1, mitad, y)));
        QVERIFY(EsVerde(Pixel(s.chart1, mitad, y - 30)) || s.Grafico1().BarraDe(t - 1).fin <= mitad);
        // The student watches it grow.
        QTRY_VERIFY_WITH_TIMEOUT(!s.Timer1.isActive(), 10000);
        QVERIFY(EsVerde(Pixel(s.chart1, mitad, y)));
        QVERIFY(EsVerde(Pixel(s.chart1, s.Grafico1().BarraDe(t).fin - 2, y)));
        QVERIFY(!EsVerde(Pixel(s.chart1, s.Grafico1().BarraDe(t).fin + 5, y)));
        QVERIFY(pr.m.textos.isEmpty());
    }

    void titlesAndFamiliesWithoutStatisticsSayNoData()
    {
        Programa pr;
        TEstadisticas &s = *pr.estad;
        const QString sinDatos = pr.e.Texto(292);

        // The last title of the statistics list is charted. The sports titles
        // after it (Fútbol, reached through its family, and the last one) are
        // not: no row, no growth, not title 2, and the caption says the chart
        // leaves the title out, never "no results" while the map shows centres.
        const int ultima = s.EstFP().NumEstFP;
        const int futbol = Linea(pr.e, HaciaAnsi(QStringLiteral("Técnico Deportivo Superior en Fútbol")).c_str());
        const int deporte = pr.e.NumFPSuperior;
        QVERIFY(futbol > ultima + 1 && pr.CentrosDe(futbol) > 0);
        for (int t : {ultima, futbol, deporte}) {
            pr.Abrir(1, t);
            const bool enGrafico = t == ultima;
            QCOMPARE(s.Grafico1().Seleccion(), enGrafico ? t : 0);
            QCOMPARE(s.ScrollBar1->value(), enGrafico ? s.ScrollBar1->maximum() : 1);
            QCOMPARE(s.Timer1.isActive(), enGrafico);
            const QString titulo = pr.e.Texto(325) + ": " + DesdeAnsi(pr.e.NombresFPSuperior[t]).trimmed();
            QCOMPARE(s.LabelEst2->text(), enGrafico ? titulo : titulo + " - " + pr.e.Texto(734));
        }

        // An arts title and a sports one belong to none of the 26 families:
        // their family charts show Artes y Artesanías (family 5).
        for (int t : {Linea(pr.e, HaciaAnsi(QStringLiteral("Gráfica Publicitaria")).c_str()), deporte})
            for (int grafico : {3, 4}) {
                pr.Abrir(grafico, t);
                QCOMPARE(s.LabelEst2->text(), pr.e.Texto(583) + QStringLiteral(": Artes y Artesanías"));
                QCOMPARE((grafico == 3 ? s.Grafico1() : s.Grafico2()).Seleccion(), 5);
            }
        // Another title: the sports titles again instead of the title's menu.
        Pulsar(s.ButtonRetroEsta);
        QVERIFY(QTest::qWaitForWindowActive(pr.form8));
        Pulsar(Hijo<QPushButton>(pr.form8, "MenuFpTit6"));
        QVERIFY(Hijo<QListWidget>(pr.form8, "ListTitFP")->isVisible() &&
                !Hijo<QWidget>(pr.form8, "PanelFpTit")->isVisible());
        QVERIFY(Textos(Hijo<QListWidget>(pr.form8, "ListTitFP"), true)
                    .contains(DesdeAnsi(pr.e.NombresFPSuperior[deporte]).trimmed()));

        // Family numbers no title gives (the chart routines themselves), and
        // a family the statistics file does not have.
        for (int grafico : {3, 4}) {
            for (int familia : {0, 27}) {
                grafico == 3 ? s.labelEstad3Click(familia) : s.labelEstad4Click(familia);
                QCOMPARE(s.LabelEst2->text(), pr.e.Texto(583) + ": " + sinDatos);
                QVERIFY(!s.Timer1.isActive() && !s.Timer2.isActive());
            }
            pr.Abrir(grafico, pr.DeFamilia(26));
            QCOMPARE(s.LabelEst2->text(), pr.e.Texto(583) + ": Vidrio y Cerámica - " + sinDatos);
            QVERIFY(!s.Timer1.isActive() && !s.Timer2.isActive());
        }
        QCOMPARE(s.Grafico2().Barra2De(25).texto, std::string("----"));
        // The shipped file has no bad field.
        QVERIFY(pr.m.textos.isEmpty());
    }

    void chartsThreeAndFourShowTheFamily()
    {
        Programa pr;
        TEstadisticas &s = *pr.estad;
        pr.Abrir(3, pr.DeFamilia(21));   // Sanidad
        QCOMPARE(s.LabelEst1->text(), pr.e.Texto(231));
        QCOMPARE(s.LabelEst2->text(), pr.e.Texto(583) + ": Sanidad");
        QCOMPARE(s.ScrollBar1->maximum(), 12);
        QCOMPARE(s.ScrollBar1->value(), 12);   // 21 - 8 = 13, clamped
        QCOMPARE(QString::fromStdString(s.Grafico1().BarraDe(21).texto), QStringLiteral("16.50%"));
        QVERIFY(s.Timer1.isActive());

        pr.Abrir(4, pr.DeFamilia(21));
        QVERIFY(!s.Timer1.isActive());
        QVERIFY(s.Timer2.isActive());
        QVERIFY(s.PanelEst2->isVisible());
        QVERIFY(!s.PanelEst1->isVisible());
        QCOMPARE(s.LabelEst1->text(), pr.e.Texto(232));
        QCOMPARE(s.LabelEst2->text(), pr.e.Texto(583) + ": Sanidad");   // not chart 3's caption left over
        QCOMPARE(s.Chart2->accessibleName(), pr.e.Texto(232));
        QCOMPARE(s.ScrollBar2->maximum(), 17);
        QCOMPARE(s.ScrollBar2->value(), 16);
        QCOMPARE(QString::fromStdString(s.Grafico2().Barra2De(21).texto), QStringLiteral("9.2%"));
        QTRY_VERIFY_WITH_TIMEOUT(!s.Timer2.isActive(), 5000);   // the jobs bar stops growing
        // Sanidad is the 6th drawn row: its red jobs bar ends where its box begins.
        const int y = 50 * 6 - 20;
        const int eb = s.Grafico2().Barra2De(21).fin;
        QCOMPARE(Pixel(s.Chart2, eb - 3, y + 20), QColor(255, 0, 0));
        QCOMPARE(Pixel(s.Chart2, eb + 30, y + 20), QColor(255, 255, 0));
    }

    void badFieldsWarnAndCountAsZero()
    {
        // A copy of the shipped folder whose statistics file has bad fields.
        CarpetaEntregada carpeta;
        carpeta.EscribirBytes(QStringLiteral("fami_estad.txt"), "04.1302.84\r\n1x.4913.02\r\n02.33zz.zz\r\n");
        Programa pr(0, carpeta.Programa());
        TEstadisticas &s = *pr.estad;
        pr.Abrir(3, pr.DeFamilia(1));
        QCOMPARE(pr.m.textos, QStringList{QStringLiteral("problema decimales")});   // chart 3 reads studies only
        QCOMPARE(s.Grafico1().BarraDe(2).fin, 350 + 11);
        QCOMPARE(s.Grafico1().BarraDe(2).texto, std::string("----"));
        pr.m.textos.clear();
        pr.Abrir(4, pr.DeFamilia(2));
        QCOMPARE(pr.m.textos.size(), 2);
        QCOMPARE(s.Grafico2().BarraDe(2).fin, 400 + 11);   // 0, not chart 3's value of another family
        QCOMPARE(s.Grafico2().Barra2De(2).texto, std::string("13.0%"));
        QCOMPARE(s.Grafico2().Barra2De(3).fin, 400 + 11);
        QVERIFY(s.LabelEst2->text().endsWith(QStringLiteral("Administración y Gestión")));
        pr.Abrir(4, pr.DeFamilia(4));
        QVERIFY(s.LabelEst2->text().endsWith(" - " + pr.e.Texto(292)));

        // Without the statistics file the screen reports it and start-up stops.
        QVERIFY(QFile::remove(carpeta.Ruta(QStringLiteral("fami_estad.txt"))));
        Programa sinFichero(0, carpeta.Programa());
        QVERIFY(sinFichero.e.ErrorFicheros);
        QCOMPARE(sinFichero.m.textos.size(), 1);
        QVERIFY(sinFichero.m.textos[0].startsWith(QStringLiteral("Faltan ficheros (")));
        QVERIFY(sinFichero.m.textos[0].contains(QStringLiteral("fami_estad.txt")));
    }

    void theWheelAndTheScrollBarMoveTheActiveChart()
    {
        Programa pr;
        TEstadisticas &s = *pr.estad;
        pr.Abrir(1, 60);
        QCOMPARE(s.ScrollBar1->value(), 52);
        Girar(s.chart1, 240);
        QCOMPARE(s.ScrollBar1->value(), 50);
        QCOMPARE(s.Grafico1().Posicion(), 50);
        QCOMPARE(s.Grafico1().Filas().front().fila, 50);
        Girar(&s, -120 * 200);
        QCOMPARE(s.ScrollBar1->value(), s.ScrollBar1->maximum());
        s.ScrollBar1->setValue(5);
        QCOMPARE(s.Grafico1().Posicion(), 5);

        pr.Abrir(4, pr.DeFamilia(10));
        Girar(s.Chart2, -120);
        QCOMPARE(s.ScrollBar2->value(), 6);
        QCOMPARE(s.ScrollBar1->value(), 5);   // the hidden chart stays
        Girar(s.Chart2, 120 * 30);
        QCOMPARE(s.Grafico2().Posicion(), 1);
    }

    void backAndTheCloseBoxReturnToTheHigherCycles()
    {
        Programa pr;
        TEstadisticas &s = *pr.estad;
        pr.Abrir(1, 30);
        QVERIFY(s.Timer1.isActive());
        // Hidden, so that back has to show it.
        pr.form8->hide();
        Pulsar(s.ButtonRetroEsta);
        QVERIFY(!s.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(pr.form8));
        QVERIFY(!s.Timer1.isActive());

        pr.Abrir(4, pr.DeFamilia(5));
        QVERIFY(s.Timer2.isActive());
        pr.form8->hide();
        s.close();
        QVERIFY(!s.isVisible());
        QVERIFY(pr.form8->isVisible());
        QVERIFY(!s.Timer2.isActive());
    }

    void theLinkOpensOnlyTheWebPage()
    {
        Programa pr;
        TEstadisticas &s = *pr.estad;
        pr.Abrir(4, pr.DeFamilia(8));
        QCOMPARE(s.LabelInfo2->text(), pr.e.Texto(43));
        Pulsar(s.LabelInfo2);
        QCOMPARE(pr.abiertas.size(), 1);
        QVERIFY(pr.abiertas[0].scheme() == "https" || pr.abiertas[0].scheme() == "http");
        QVERIFY(!pr.abiertas[0].host().isEmpty());

        // Over the link it stays underlined; off it, not.
        PosarEn(s.LabelInfo2, s.LabelInfo2->rect().center());
        PosarEn(s.LabelInfo2, s.LabelInfo2->rect().center() + QPoint(3, 0));
        QVERIFY(s.LabelInfo2->font().underline());
        PosarEn(s.PanelEst2, QPoint(400, 300));
        QVERIFY(!s.LabelInfo2->font().underline());
    }

    void captionsFitInEveryLanguage()
    {
        const QString capturas = qEnvironmentVariable("NORVELA_CAPTURAS");
        const char *nombres[4] = {"cas", "catval", "galego", "euskera"};
        for (int idioma = 0; idioma < 4; ++idioma) {
            Programa pr(idioma);
            QVERIFY(!pr.e.ErrorFicheros);
            TEstadisticas &s = *pr.estad;
            // Line 64 is a title in every language; family 26 has no statistics.
            // The last sports title, the longest, is named with the note that the chart leaves it out.
            const int graficos[4][2] = {{1, 64}, {1, pr.e.NumFPSuperior}, {3, pr.DeFamilia(26)}, {4, pr.DeFamilia(16)}};
            for (const auto &g : graficos) {
                pr.Abrir(g[0], g[1]);
                QTRY_VERIFY_WITH_TIMEOUT(!s.Timer1.isActive() && !s.Timer2.isActive(), 10000);
                CompararAnchos(&s, QString::fromLatin1(nombres[idioma]));
                if (!capturas.isEmpty())
                    s.grab().save(QStringLiteral("%1/estad-%2-%3-%4.png").arg(capturas, nombres[idioma]).arg(g[0]).arg(g[1]));
            }
        }
    }
};

QTEST_MAIN(PruebaEstadisticas)
#include "estadisticas_qtest.moc"
