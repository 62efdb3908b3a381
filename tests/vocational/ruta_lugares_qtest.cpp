// The shared place route on the basic level, over the shipped data and
// widgets of its own: what the higher-cycle screen never does (a
// one-province community lists its localities at once, the province at
// position 35 is searched as 34, no detail maps, a blank row after each
// centre).
#include "carga_grados.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "controles_fp.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "nivel_fp.h"
#include "ruta_lugares_fp.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

using namespace norvela;

namespace {

QStringList Filas(const QListWidget &l)
{
    QStringList r;
    for (int i = 0; i < l.count(); ++i)
        r << l.item(i)->text();
    return r;
}

} // namespace

class PruebaRutaLugares : public QObject {
    Q_OBJECT

private slots:
    void BasicLevelPlaceRoute()
    {
        MensajesRegistrados m;
        Enlace e(m);
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("ruta-lugares"), 0));
        IniciarCodigosProvincia(e.CodigoProvincia);
        CargarDatosGrados(e);
        CargarTablasGrados(e);
        CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("fpba")), e.NombresFPBasica, e.NumFPBasica, 60);
        CargarOfertaFPB(e, e.Fichero(QStringLiteral("datlugbasphp")));
        TablaTexto centrosFPB2{0, 1100, 60};
        int n = 0;
        CargarListaTexto(e, e.Fichero(QStringLiteral("lu2")), centrosFPB2, n, e.AnchoLista);
        // As the higher-cycle screen's creation leaves the centre lines.
        PrepararComarcasYZonas(e);
        QVERIFY(!e.ErrorFicheros);

        QWidget pantalla;
        ControlesRutaFP c;
        c.mapa = new VistaMapa(&pantalla, e.BmpMapa, QStringLiteral("mapa"));
        c.PanelEstrellas = c.mapa;
        QListWidget lugares(&pantalla);
        c.ListSelLugFP = &lugares;
        c.reja = CrearRejillaCentros(&pantalla, QStringLiteral("reja"));
        QLabel titulo(&pantalla), provincia(&pantalla);
        c.PanelSelTit = &titulo;
        c.PanelCarSel = &provincia;
        RutaLugaresFP ruta(e, NivelBasica(e, centrosFPB2), c, &pantalla);
        ruta.PorLugar = [] { return true; };
        pantalla.show();

        // Cantabria has one province: its localities at once, those whose
        // centres teach no basic title left out.
        e.ComunidadRaton = 6;
        ruta.mapaClick();
        QVERIFY(e.LocalidadesListadas);
        QCOMPARE(provincia.text(), QStringLiteral("Cantabria"));
        QCOMPARE(Filas(lugares), (QStringList{"Santander", "Torrelavega", "Castro Urdiales", "Laredo", "Reinosa",
                                              "Camargo", "Colindres", "Los Corrales", "Potes"}));
        // Torrelavega: the province's 16 centres with their 19 titles, each
        // followed by a blank row; the locality's first centre is row 23.
        ruta.ListSelLugFPClick(1);
        QCOMPARE(c.reja->rowCount(), 51);
        QVERIFY(c.reja->item(23, 0)->text().startsWith(QStringLiteral("-Torrelavega      IES Besaya")));
        QCOMPARE(c.reja->item(22, 0)->text(), QString(60, ' '));
        // Back from the localities goes on to the map: no province list.
        QVERIFY(!ruta.VolverAProvincias());
        QVERIFY(!e.LocalidadesListadas);

        // Catalonia: its provinces, no district map; Barcelona city (the
        // province at position 35) lists Barcelona's districts' localities.
        e.ComunidadRaton = kComunidadComarcas;
        ruta.mapaClick();
        QVERIFY(!e.ModoComarcas);
        QVERIFY(lugares.isVisible());
        QCOMPARE(lugares.count(), 6);
        lugares.setCurrentRow(0);
        ruta.ListSelLugFPClick(0);
        const QStringList comarcas = Filas(lugares);
        QVERIFY(comarcas.size() > 1);
        QVERIFY(ruta.VolverAProvincias());
        QCOMPARE(lugares.count(), 6);
        lugares.setCurrentRow(1);
        ruta.ListSelLugFPClick(1);
        QCOMPARE(Filas(lugares), comarcas);
        QCOMPARE(provincia.text(), QStringLiteral("Barcelona ciutat"));
    }
};

QTEST_MAIN(PruebaRutaLugares)
#include "ruta_lugares_qtest.moc"
