// The degrees screen offscreen on the shipped data: universities by region
// on the start panel's map, the plastic-arts and music families, the sports
// and other-studies list and a study's report read back from a PDF.
#include "ansi.h"
#include "carpeta_entregada.h"
#include "enlace.h"
#include "escritorio_registrado.h"
#include "grados.h"
#include "mano.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "transiciones_paneles.h"
#include "vista_mapa.h"
#include "vista_grados.h"

#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data, the degrees screen opened by the main
// menu's door; the region-map window stays out of the way.
struct Pantalla1 : ProgramaEntregado {
    explicit Pantalla1(int idioma = 0, const QString &rutaPrograma = {})
        : ProgramaEntregado(QStringLiteral("comunidad"), idioma, rutaPrograma)
    {
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        if (!creadas)
            return;
        f->VentanaMapa.Mostrar = f->VentanaMapa.Ocultar = [] {};
        AbrirPuerta(Tform0::kPuertaCarreras);
    }
    // The mouse over community c of the map.
    void Pasar(int c)
    {
        const QPoint px = Pixel(e.MapaComunidades, c);
        Mover(f->mapa, f->mapa->PuntoDe(px.x(), px.y()));
    }
    // An artistic family's button, in the sub-menu the mouse opens.
    void Familia(QPushButton *boton)
    {
        PosarEn(f->BotMenuArtes, {5, 5});
        Pulsar(boton);
    }
    void PulsarFila(QListWidget *lista, const QString &texto)
    {
        const auto items = lista->findItems(texto, Qt::MatchStartsWith);
        QVERIFY2(!items.isEmpty(), qPrintable(texto));
        ClicFila(lista, lista->row(items.first()));
    }
    std::unique_ptr<pruebas::VistaGrados> f;
};

// Shown once its window is: neither it nor a panel around it hidden.
bool Mostrado(const QWidget *w)
{
    return w->isVisibleTo(w->window());
}

// The list's lines drawn maroon, which must be its headings ("-").
bool GranatesLosEncabezados(const QListWidget *l)
{
    for (int i = 0; i < l->count(); ++i)
        if ((l->item(i)->foreground().color() == QColor(128, 0, 0)) != l->item(i)->text().startsWith('-'))
            return false;
    return true;
}

} // namespace

class PruebaComunidadGrados : public QObject {
    Q_OBJECT
private slots:
    void AClickOnTheMapListsTheCommunitysUniversitiesAndTheirDegrees()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuUni);
        QVERIFY(Mostrado(f.PanelEstrellas) && !Mostrado(f.PanelMenu));
        // The label names the community under the mouse, its corner at the
        // picture's coordinates taken in the start panel, 130 pixels lower.
        s.Pasar(3);
        QCOMPARE(f.PanelMapa->text(), QStringLiteral("Principado de Asturias"));
        QVERIFY(Mostrado(f.PanelMapa));
        const QPoint asturias = Pixel(s.e.MapaComunidades, 3);
        QCOMPARE(f.PanelMapa->parentWidget(), f.Panelinicio);
        QCOMPARE(f.PanelMapa->pos(), asturias + QPoint(0, 130));
        QCOMPARE(f.mapa->cursor().shape(), Qt::PointingHandCursor);
        // Over the sea: no name and the arrow, the label still shown.
        const QPoint mar = Pixel(s.e.MapaComunidades, 0);
        Mover(f.mapa, f.mapa->PuntoDe(mar.x(), mar.y()));
        QVERIFY(Mostrado(f.PanelMapa));
        QCOMPARE(f.PanelMapa->text(), QString());
        QCOMPARE(f.mapa->cursor().shape(), Qt::ArrowCursor);
        // Off the map onto the start panel: the label goes.
        Mover(f.degradeini, f.degradeini->mapFrom(f.Panelinicio, QPoint(40, 300)));
        QVERIFY(!Mostrado(f.PanelMapa));
        s.Pasar(13);
        Clic(f.mapa, Pixel(s.e.MapaComunidades, 13));
        QVERIFY(!Mostrado(f.PanelMapa) && !Mostrado(f.PanelEstrellas) && Mostrado(f.ListComunidad));
        QCOMPARE(f.estado.ComunidadSel, 13);
        const QStringList filas = Textos(f.ListComunidad);
        QVERIFY2(filas.contains(QStringLiteral("Universidad Complutense de Madrid")), qPrintable(filas.join('|')));
        QVERIFY(!filas.contains(QStringLiteral("Universidad de Oviedo")));

        s.PulsarFila(f.ListComunidad, QStringLiteral("Universidad Complutense de Madrid"));
        QVERIFY(Mostrado(f.GridNotas) && Mostrado(f.BotIntUni) && Mostrado(f.BotImprimir));
        QCOMPARE(f.PanelSelTit->text(), QStringLiteral("Universidad Complutense de Madrid"));
        // The grid holds the university's degrees and goes by its name.
        QCOMPARE(f.GridNotas->accessibleName(), f.PanelSelTit->text());
        QStringList celdas;
        for (int r = 0; r < f.GridNotas->rowCount(); ++r)
            celdas << f.GridNotas->item(r, 0)->text().trimmed();
        QVERIFY2(celdas.contains(QStringLiteral("<Medicina")), qPrintable(celdas.join('|')));

        // The university's report: its degrees with their marks.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("universidad.pdf"));
        int vistos = 0;
        f.pantalla.DialogoImprimir = ResponderConPdf(s.e, pdf, vistos);
        Pulsar(f.BotImprimir);
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Hecho);
        QCOMPARE(s.e.NumLineasInforme, f.GridNotas->rowCount() + 1);
        const QString impreso = TextoPdf(pdf, true);
        QVERIFY2(impreso.contains(QStringLiteral("Oferta educativa: Universidad Complutense de Madrid")) &&
                     impreso.contains(QRegularExpression(QStringLiteral("\\n +Grados +Notas de corte\\n"))) &&
                     impreso.contains(QStringLiteral("<Medicina")),
                 qPrintable(impreso));

        // The university's page, through the checked opener.
        pruebas::EscritorioRegistrado escritorio;
        Pulsar(f.BotIntUni);
        QCOMPARE(escritorio.abiertas.size(), 1);
        QVERIFY(escritorio.abiertas.first().host().startsWith(QStringLiteral("www.")));

        // Back to the map, then to the start menu.
        Pulsar(f.BotRetroceder);
        QVERIFY(Mostrado(f.PanelEstrellas) && f.estado.MenuGradosUsado);
        Pulsar(f.BotRetroceder);
        QVERIFY(Mostrado(f.PanelMenu) && !f.estado.MenuGradosUsado);
    }

    void ADegreeOfTheDoubleDegreeMenuListsAndPrintsItsPairs()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("dobles.pdf"));
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        int vistos = 0;
        f.pantalla.DialogoImprimir = ResponderConPdf(s.e, pdf, vistos);
        Pulsar(f.BotMenuDobles);
        // A branch heading lists nothing.
        ClicFila(f.ListComunidad, 0);
        QVERIFY(f.listSel2->toPlainText().trimmed().isEmpty());
        s.PulsarFila(f.ListComunidad, QStringLiteral("Derecho"));
        QVERIFY(Mostrado(f.listSel2) && Mostrado(f.BotImprimir));
        const QString texto = f.listSel2->toPlainText();
        QVERIFY2(texto.contains(QStringLiteral("Universidad Complutense de Madrid")) &&
                     texto.contains(QStringLiteral("Derecho. + Administración y Dirección de Empresas")),
                 qPrintable(texto));
        Pulsar(f.BotImprimir);
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Hecho);
        QVERIFY(!f.estado.ImprimirDobles);
        const QString impreso = TextoPdf(pdf);
        QVERIFY2(impreso.contains(QStringLiteral("Dobles grados: Derecho")) &&
                     impreso.contains(QStringLiteral("Universidad Complutense de Madrid")),
                 qPrintable(impreso));
    }

    void AnFPScreenHoldingTheMapSilencesTheClick()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuUni);
        s.e.FPSuperiorActivo = true;
        s.Pasar(13);
        Clic(f.mapa, Pixel(s.e.MapaComunidades, 13));
        QVERIFY(Mostrado(f.PanelEstrellas) && !Mostrado(f.ListComunidad));
    }

    void ArtFamiliesShowTitlesSpecialitiesAndPlaces()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        s.Familia(f.BotArtesPlas);
        QCOMPARE(f.PanelCarSel->text(), QStringLiteral("Enseñanzas de Artes Plásticas y Diseño"));
        QCOMPARE(f.ListSel->item(0)->text(), QStringLiteral("Enseñanzas Artísticas Superiores de Artes Plásticas"));
        Pulsar(f.BotArtesEsp);
        QCOMPARE(f.ListComunidad->count(), 17);
        QCOMPARE(f.ListComunidad->accessibleName(), QStringLiteral("Especialidades"));
        s.PulsarFila(f.ListComunidad, QStringLiteral("Diseño de Moda"));
        const QStringList moda = Textos(f.ListSel);
        QVERIFY2(moda.contains(QStringLiteral("- Andalucía")) &&
                     moda.contains(QStringLiteral("   Esc. Arte Jerez  -  Tel. 956928636")),
                 qPrintable(moda.join('|')));
        // The places go by the map: a community's centres with their specialities.
        Pulsar(f.BotArtesLug);
        QVERIFY(Mostrado(f.PanelEstrellas) && !Mostrado(f.ListComunidad));
        s.Pasar(2);
        Clic(f.mapa, Pixel(s.e.MapaComunidades, 2));
        QCOMPARE(f.PanelSelTit->text(), QStringLiteral("Aragón"));
        QCOMPARE(f.ListSel->accessibleName(), QStringLiteral("Aragón"));
        const QStringList aragon = Textos(f.ListSel);
        QVERIFY2(aragon.contains(QStringLiteral("-  ESCRBC de Aragón  -  Tel. 974091065")) &&
                     aragon.contains(QStringLiteral("-  ESD Aragón  -  Tel. 976680342")),
                 qPrintable(aragon.join('|')));
        QVERIFY(!aragon.join('|').contains(QStringLiteral("-  Zaragoza")));
        // A community without centres is named and says so.
        Clic(f.mapa, Pixel(s.e.MapaComunidades, 18));
        QCOMPARE(f.PanelSelTit->text(), QStringLiteral("Ceuta"));
        QCOMPARE(Textos(f.ListSel), QStringList{s.e.Texto(292)});

        // Music: places with headings and whole web addresses that open on a double click.
        Pulsar(f.BotRetroceder);
        s.Familia(f.BotMusica);
        Pulsar(f.BotArtesLug);
        const QStringList musica = Textos(f.ListSel);
        QVERIFY2(musica.contains(QStringLiteral("- Andalucía")) &&
                     musica.contains(QStringLiteral("http://www.conservatoriosuperiormalaga.com")),
                 qPrintable(musica.join('|')));
        pruebas::EscritorioRegistrado escritorio;
        DobleClicFila(f.ListSel, musica.indexOf(QStringLiteral("http://www.csma.es")));
        QCOMPARE(escritorio.abiertas.value(0), QUrl(QStringLiteral("http://www.csma.es")));
    }

    // The dance titles saved again in UTF-8 are told by the file's name, not
    // shown with each accent as two characters.
    void ADanceFileSavedAgainInUtf8IsRefusedByName()
    {
        CarpetaEntregada carpeta;
        QFile f(carpeta.Ruta(QStringLiteral("cas/danza")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        carpeta.EscribirBytes(QStringLiteral("cas/danza"), DesdeAnsi(f.readAll().toStdString()).toUtf8());
        Pantalla1 s(0, carpeta.Programa());
        s.Familia(s.f->BotDanza);
        QCOMPARE(s.m.textos, QStringList{"Error en el fichero " + carpeta.Ruta(QStringLiteral("cas/danza"))
                                         + ": está guardado en UTF-8 y los ficheros de datos van en Windows-1252"});
        QCOMPARE(s.f->ListSel->count(), 0);
    }

    // The print button of an artistic family prints its heading, its lines
    // and, where the family has them, the centres of every community.
    void EachArtFamilyPrintsItsListAndItsCentres_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("encabezado");
        QTest::addColumn<QStringList>("lineas");   // printed, in this order
        QTest::addColumn<QString>("negrita");      // a line printed bold, if any
        QTest::newRow("plastic arts")
            << "BotArtesPlas" << "Enseñanzas de Artes Plásticas y Diseño"
            << QStringList{"Título Superior de Diseño", "- Andalucía", "Escuela Arte Sevilla  -  Tel. 954930295",
                           "- Aragón", "ESD Aragón  -  Tel. 976680342", "- Región de Murcia"}
            << "- Aragón";
        QTest::newRow("music") << "BotMusica" << "Enseñanzas Superiores de Música"
                               << QStringList{"Título Superior de Música (4 cursos, 240 ECTS)", "Composición",
                                              "Sonología", "CSM Sevilla http://www.juntadeandalucia.es/educacion",
                                              "RCSM Madrid http://www.rcsmm.eu"}
                               << "";
        QTest::newRow("dance") << "BotDanza" << "Enseñanzas Superiores de Danza"
                               << QStringList{"Título Superior de Danza (4 cursos, 240 ECTS)", "Pedagogía de la Danza",
                                              "- Cataluña", "Conservatori Superior de Dansa (Institut del Teatre)",
                                              "http://www.ceice.gva.es"}
                               << "- Cataluña";
        QTest::newRow("drama") << "BotDramatico" << "Enseñanzas Superiores de Arte Dramático"
                               << QStringList{"Título Superior de Arte Dramático (4 cursos, 240 ECTS)", "Escenografía",
                                              "-ESAD Sevilla", "Interpretación textual", "Tel. 954824181",
                                              "http://www.resad.es", "-ESAD Canarias"}
                               << "-ESAD Sevilla";
    }
    void EachArtFamilyPrintsItsListAndItsCentres()
    {
        QFETCH(QString, boton);
        QFETCH(QString, encabezado);
        QFETCH(QStringList, lineas);
        QFETCH(QString, negrita);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("artes.pdf"));
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        int vistos = 0;
        QList<int> negritas;
        f.pantalla.DialogoImprimir = ResponderConPdf(s.e, pdf, vistos, [&] {
            for (int k = 1; k <= s.e.LineasNegrita[0]; ++k)
                negritas << s.e.LineasNegrita[k];
        });
        s.Familia(f.pantalla.findChild<QPushButton *>(boton));
        QVERIFY(Mostrado(f.BotImprimirN));
        Pulsar(f.BotImprimirN);
        QCOMPARE(vistos, 1);
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Hecho);
        QVERIFY(!f.estado.ModoImpresion);

        const QString impreso = TextoPdf(pdf);
        QVERIFY2(impreso.contains(encabezado), qPrintable(impreso));
        qsizetype desde = 0;
        for (const QString &l : lineas) {
            const qsizetype en = impreso.indexOf(l.simplified().section(' ', 0, 1), desde);
            QVERIFY2(en >= 0 && Impresa(impreso, l), qPrintable(l + QStringLiteral("\n") + impreso));
            desde = en;
        }
        // The marker lines are not printed.
        QVERIFY(!impreso.contains(QRegularExpression(QStringLiteral("(^|\n)f[12]\\s*\n"))));

        // The list now shows the report, heading first; the lines beginning
        // with "-" were bold.
        const QStringList lista = Textos(f.ListSel, true);
        QCOMPARE(lista.size(), s.e.NumLineasInforme + 1);
        QCOMPARE(lista.first(), encabezado);
        QVERIFY(GranatesLosEncabezados(f.ListSel));
        QList<int> guiones;
        for (int j = 0; j < lista.size(); ++j)
            if (lista[j].startsWith('-'))
                guiones << j;
        QCOMPARE(negritas, guiones);
        if (!negrita.isEmpty()) {
            const auto linea = std::find_if(lista.begin(), lista.end(), [&](const QString &t) { return t.startsWith(negrita); });
            QVERIFY(linea != lista.end());
            QVERIFY(negritas.contains(static_cast<int>(linea - lista.begin())));
        }
    }

    void TheOtherStudiesListOpensDetailsLinksAndPrintsAStudy()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("estudio.pdf"));
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        int vistos = 0;
        f.pantalla.DialogoImprimir = ResponderConPdf(s.e, pdf, vistos);
        Pulsar(f.BotMenuDepor);
        QVERIFY(Mostrado(f.ListComunidad));
        pruebas::EscritorioRegistrado escritorio;
        s.PulsarFila(f.ListComunidad, QStringLiteral("  1 Cursos de grado superior"));
        QCOMPARE(escritorio.abiertas.size(), 1);
        QVERIFY(escritorio.abiertas[0].path() == QStringLiteral("/cursos-superiores/"));
        QVERIFY(!Mostrado(f.BotImprimir));

        s.PulsarFila(f.ListComunidad, QStringLiteral("Piloto de transporte"));
        QCOMPARE(f.PanelSelTit->text(), QStringLiteral("Piloto de transporte de línea aérea"));
        QVERIFY(Mostrado(f.BotImprimir) && f.ListSel->count() > 0);
        const QString primera = f.ListSel->item(0)->text().trimmed();
        Pulsar(f.BotImprimir);
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Hecho);

        const QString texto = TextoPdf(pdf);
        QVERIFY2(texto.contains(QStringLiteral("Plan de estudios: Piloto de transporte de línea aérea")),
                 qPrintable(texto));
        QVERIFY2(texto.contains(primera), qPrintable(primera));
    }
};

QTEST_MAIN(PruebaComunidadGrados)
#include "grados_comunidad_qtest.moc"
