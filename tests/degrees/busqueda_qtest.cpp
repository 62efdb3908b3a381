// The degrees screen offscreen on the shipped data: the title search typed
// in the browser, the back button after it, and the printed report of the
// selected degree read back from a PDF.
#include "ansi.h"
#include "enlace.h"
#include "grados.h"
#include "mano.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "requisitos_grado.h"
#include "salidas_grado.h"
#include "transiciones_paneles.h"
#include "vista_grados.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <memory>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data, the degrees screen opened by the main
// menu's door and its browser by the degrees entry; the region-map window
// stays out of the way.
struct Pantalla1 : ProgramaEntregado {
    Pantalla1() : ProgramaEntregado(QStringLiteral("busqueda"), 0)
    {
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        if (!creadas)
            return;
        f->VentanaMapa.Mostrar = f->VentanaMapa.Ocultar = [] {};
        AbrirPuerta(Tform0::kPuertaCarreras);
        Pulsar(f->BotMenuGrados);
    }
    // The query typed over the box's text, then Enter or the search button.
    void Buscar(const QString &consulta, bool boton = false)
    {
        Pulsar(f->EditBusTit);
        Tecla(f->EditBusTit, Qt::Key_A, Qt::ControlModifier);
        Teclear(f->EditBusTit, consulta);
        boton ? Pulsar(f->BitBusTit) : Tecla(f->EditBusTit, Qt::Key_Return);
    }
    QString Fila(int i) const { return f->listgrados->item(i, 0)->text(); }
    void Elegir(const QString &texto)
    {
        for (int i = 0; i < f->listgrados->rowCount(); ++i)
            if (Fila(i) == texto)
                ClicFila(f->listgrados, i);
    }
    std::unique_ptr<pruebas::VistaGrados> f;
};

} // namespace

class PruebaBusquedaGrados : public QObject {
    Q_OBJECT

private slots:
    void SearchListsTheMatchesOrOneRowThatSelectsNothing()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        s.Buscar(QStringLiteral("MEDICINA"));
        QVERIFY(Visible(f.listgrados) && !Visible(f.Listramas));
        // The matching group comes first, with its degrees.
        QVERIFY(s.Fila(0).startsWith(QStringLiteral("Medicina")) && f.estado.GradoEnFila(0) == 0);
        s.Elegir(QStringLiteral("Medicina"));
        QCOMPARE(f.PanelSelTit->text(), QStringLiteral("Medicina"));

        s.Buscar(QStringLiteral("  ingeniería INFORMÁTICA"), true);
        QCOMPARE(s.Fila(0), s.e.Texto(571));
        QVERIFY(s.Fila(1).contains(QStringLiteral("Ingeniería Informática")));

        // The only row held a degree in the listing before: a click selects nothing.
        s.Buscar(QStringLiteral("qqxzw"));
        QCOMPARE(f.listgrados->rowCount(), 1);
        QCOMPARE(s.Fila(0), s.e.Texto(41));
        s.Elegir(s.e.Texto(41));
        QCOMPARE(f.estado.GradoSel, 0);
    }

    void BackAfterASearchLeavesFromTheBranchListAndReturnsFromABranch()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        s.Buscar(QStringLiteral("derecho"));
        Pulsar(f.ButtonRetroN);
        QVERIFY(!Visible(f.PanelTree) && Visible(f.PanelMenu));
        Pulsar(f.BotMenuGrados);
        ClicFila(f.Listramas, 0);
        s.Buscar(QStringLiteral("derecho"));
        Pulsar(f.ButtonRetroN);
        QVERIFY(Visible(f.Listramas) && !Visible(f.listgrados));
    }

    void TheDegreeReportPrintsItsUniversitiesRequirementsAndOutlets()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("informe.pdf"));
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        int vistos = 0;
        f.pantalla.DialogoImprimir = ResponderConPdf(s.e, {}, vistos);
        s.Buscar(QStringLiteral("medicina"));
        s.Elegir(QStringLiteral("Medicina"));
        const int g = f.estado.GradoSel;

        // Cancelled: nothing printed, print mode over.
        Pulsar(f.BotImprimirN);
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Cancelado);
        QVERIFY(!QFile::exists(pdf) && !f.estado.ModoImpresion);

        f.pantalla.DialogoImprimir = ResponderConPdf(s.e, pdf, vistos);
        Pulsar(f.BotImprimirN);
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Hecho);
        QVERIFY(!f.estado.ModoImpresion && s.m.textos.isEmpty());
        // The outlets view, the last one run, is left showing.
        QVERIFY(Visible(f.RichSalidas) && !Visible(f.GridNotas));
        for (int i = 1; i <= s.e.NumLineasInforme; ++i)
            QVERIFY2(s.e.LineasInforme[i].size() <= 65, s.e.LineasInforme[i].c_str());

        const QString texto = TextoPdf(pdf);
        const auto requisitos = LineasRequisitos(s.e, g);
        const auto salidas = SalidasGrado(s.e, g).parrafos;
        const auto salida = std::find_if(salidas.begin(), salidas.end(), [](const Parrafo &p) {
            return p.tipo == TipoParrafo::Vineta && !p.texto.trimmed().isEmpty();
        });
        QVERIFY(requisitos.size() > 6 && salida != salidas.end());
        for (const QString &linea :
             {s.e.Texto(522) + QStringLiteral(": Medicina"), QStringLiteral("Universidad de Sevilla 12,9"),
              DesdeAnsi(requisitos[5]).trimmed(), s.e.Texto(278), salida->texto.trimmed()})
            QVERIFY2(!linea.isEmpty() && texto.contains(linea), qPrintable(linea));
    }
};

QTEST_MAIN(PruebaBusquedaGrados)
#include "busqueda_qtest.moc"
