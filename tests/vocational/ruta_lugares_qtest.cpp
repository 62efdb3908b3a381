// The shared place route on the basic level, on the basic-cycle screen as
// start-up creates it over the shipped data: what the higher-cycle screen
// never does (a one-province community lists its localities at once, the
// province at position 35 is searched as 34, no detail maps, a blank row
// after each centre).
#include "enlace.h"
#include "inipro.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "ruta_lugares_fp.h"
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
};

QTEST_MAIN(PruebaRutaLugares)
#include "ruta_lugares_qtest.moc"
