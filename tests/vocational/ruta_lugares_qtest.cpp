// The shared place route on the basic level, on the basic-cycle screen as
// start-up creates it over the shipped data: what the higher-cycle screen
// never does (a one-province community lists its localities at once, the
// province at position 35 is searched as 34, no detail maps, a blank row
// after each centre); and, on the higher and intermediate screens, the
// captions that say which levels the place list holds.
#include "enlace.h"
#include "inipro.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "mano.h"
#include "medio.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "ruta_lugares_fp.h"
#include "superior.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace norvela;
using namespace norvela::pruebas;

class PruebaRutaLugares : public QObject {
    Q_OBJECT

private slots:
    void BasicLevelPlaceRoute()
    {
        ProgramaEntregado p(QStringLiteral("ruta-lugares"), 0);
        QVERIFY(p.creadas);
        Enlace &e = p.e;
        TFIniPro &f = *p.s().FIniPro;
        p.AbrirPuerta(Tform0::kPuertaFPip);
        Pulsar(Hijo<QPushButton>(f, "BotLug"));
        QListWidget &lugares = *Hijo<QListWidget>(f, "ListSelLugFP");

        // Cantabria has one province: its localities at once, those whose
        // centres teach no basic title left out.
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 6));
        QVERIFY(f.EstadoRuta().LocalidadesListadas);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), QStringLiteral("Cantabria"));
        QCOMPARE(Textos(&lugares), (QStringList{"Santander", "Torrelavega", "Castro Urdiales", "Laredo", "Reinosa",
                                                "Camargo", "Colindres", "Los Corrales", "Potes"}));
        // Torrelavega: the province's 16 centres with their 19 titles, each
        // followed by a blank row; the locality's first centre is row 23.
        ClicFila(&lugares, 1);
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 51);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->item(23, 0)->text().startsWith(
            QStringLiteral("-Torrelavega      IES Besaya")));
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->item(22, 0)->text(), QString(60, ' '));
        // Back from the localities goes on to the map: no province list.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(!f.EstadoRuta().LocalidadesListadas);
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isVisible() && lugares.isHidden());

        // Catalonia: its provinces, no district map; Barcelona city (the
        // province at position 35) lists Barcelona's districts' localities.
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, kComunidadComarcas));
        QVERIFY(!f.Lugar().ModoComarcas);
        QVERIFY(lugares.isVisible());
        QCOMPARE(lugares.count(), 6);
        ClicFila(&lugares, 0);
        const QStringList comarcas = Textos(&lugares);
        QVERIFY(comarcas.size() > 1);
        // Back from the localities: the provinces again.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(lugares.isVisible());
        QCOMPARE(lugares.count(), 6);
        ClicFila(&lugares, 1);
        QCOMPARE(Textos(&lugares), comarcas);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), QStringLiteral("Barcelona ciutat"));
    }

    // After a press of the all-levels button or of back, the captions and
    // the place list tell the same list, at every depth. A step is a
    // community number (the map), the name of a button ("todo": the
    // all-levels one, "atras": back) or of a row of the place list.
    void CaptionsAgreeWithThePlaceList_data()
    {
        QTest::addColumn<int>("puerta");
        QTest::addColumn<QStringList>("pasos");
        QTest::addColumn<QString>("visto"); // heading|all-levels button|province|rows of the list ("-": none)
        const int gs = Tform0::kPuertaFpS, gm = Tform0::kPuertaFPM, fpb = Tform0::kPuertaFPip;
        const QStringList galicia{"MenuFP2", "11", "Pontevedra", "Vigo", "todo", "todo"};
        QTest::newRow("GS provinces") << gs << QStringList{"MenuFP2", "11", "todo"}
                                      << "Toda la FP|Solo Grado Superior||4";
        QTest::newRow("GS localities, twice") << gs << galicia << "Solo Grado Superior|Toda la FP|Pontevedra|11";
        QTest::newRow("GS then a locality") << gs << galicia + QStringList{"Vigo"}
                                            << "Títulos - Solo Grado Superior|Toda la FP|Pontevedra|11";
        QTest::newRow("GS back") << gs << QStringList{"MenuFP2", "11", "Pontevedra", "todo", "atras"}
                                 << "Toda la FP|Solo Grado Superior||4";
        QTest::newRow("GS districts") << gs << QStringList{"MenuFP2", "9", "todo"}
                                      << "Toda la FP|Solo Grado Superior||-";
        QTest::newRow("GS zones") << gs << QStringList{"MenuFP2", "13", "todo"} << "Toda la FP|Solo Grado Superior||-";
        QTest::newRow("GM provinces") << gm << QStringList{"botLug2", "1", "todo"} << "Toda la FP|Solo Grado Medio||8";
        QTest::newRow("GM localities") << gm << QStringList{"botLug2", "1", "Sevilla", "todo"}
                                       << "Toda la FP|Solo Grado Medio|Sevilla|12";
        QTest::newRow("GM back") << gm << QStringList{"botLug2", "1", "Sevilla", "todo", "atras"}
                                 << "Toda la FP|Solo Grado Medio||8";
        QTest::newRow("GM one province") << gm << QStringList{"botLug2", "6", "todo"}
                                         << "Toda la FP|Solo Grado Medio|Cantabria|11";
        QTest::newRow("GM districts") << gm << QStringList{"botLug2", "9", "todo"} << "Toda la FP|Solo Grado Medio||-";
        QTest::newRow("FPB back") << fpb << QStringList{"BotLug", "1", "Sevilla", "Utrera", "atras"} << "Títulos|-||8";
    }
    void CaptionsAgreeWithThePlaceList()
    {
        QFETCH(int, puerta);
        QFETCH(QStringList, pasos);
        QFETCH(QString, visto);
        ProgramaEntregado p(QStringLiteral("ruta-lugares"), 0);
        p.e.IntroHelicoptero = false;
        p.AbrirPuerta(puerta);
        QWidget *f = puerta == Tform0::kPuertaFpS   ? static_cast<QWidget *>(p.s().Form8.get())
                     : puerta == Tform0::kPuertaFPM ? static_cast<QWidget *>(p.s().Form3.get())
                                                    : p.s().FIniPro.get();
        QPushButton *todo = f->findChild<QPushButton *>(QStringLiteral("botTodaFP"));
        if (!todo)
            todo = f->findChild<QPushButton *>(QStringLiteral("BotTodoFP"));
        QListWidget *lista = Hijo<QListWidget>(f, "ListSelLugFP");
        for (const QString &paso : pasos) {
            const QString boton = paso == "todo" ? todo->objectName() : paso == "atras" ? "BotRetrocederFP" : paso;
            if (paso.toInt() > 0)
                Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(p.e.MapaComunidades, paso.toInt()));
            else if (f->findChild<QPushButton *>(boton))
                Pulsar(f->findChild<QPushButton *>(boton));
            else {
                QVERIFY2(Textos(lista, true).contains(paso), qPrintable(paso));
                ClicFila(lista, Textos(lista, true).indexOf(paso));
            }
        }
        QCOMPARE(QStringList({Hijo<QLabel>(f, "PanelSelTit")->text(), todo ? todo->text() : QStringLiteral("-"),
                              Hijo<QLabel>(f, "PanelCarSel")->text(),
                              lista->isVisible() ? QString::number(lista->count()) : QStringLiteral("-")})
                     .join('|'),
                 visto);
    }
};

QTEST_MAIN(PruebaRutaLugares)
#include "ruta_lugares_qtest.moc"
