// The cut-off marks and weightings screen, offscreen on the shipped data:
// opened from the degrees screen's buttons, a threshold chosen and a degree
// clicked, the weighting documents listed and opened through the desktop,
// the way back, and captions that fit in every language.
#include "ansi.h"
#include "enlace.h"
#include "escritorio_registrado.h"
#include "grados.h"
#include "mano.h"
#include "MapaEstrellas.h"
#include "mensajes.h"
#include "notas_corte.h"
#include "pantalla_prueba.h"
#include "pasarelaFP.h"
#include "principal.h"
#include "programa_prueba.h"
#include "transiciones_paneles.h"
#include "universidades_grado.h"
#include "vista_grados.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The cut-off marks screen's controls, by their names.
struct Vista6 {
    explicit Vista6(TForm6 &f) : pantalla(f) {}
    TForm6 &pantalla;
    QTableWidget *L = pruebas::Control<QTableWidget>(pantalla, QStringLiteral("L"));
    QTableWidget *listcalc = pruebas::Control<QTableWidget>(pantalla, QStringLiteral("listcalc"));
    QListWidget *ListUnis = pruebas::Control<QListWidget>(pantalla, QStringLiteral("ListUnis"));
    QWidget *PanelCorte = pruebas::Control<QWidget>(pantalla, QStringLiteral("PanelCorte"));
    QWidget *PanelPonderacion = pruebas::Control<QWidget>(pantalla, QStringLiteral("PanelPonderacion"));
    QPushButton *Buttoncorte6 = pruebas::Control<QPushButton>(pantalla, QStringLiteral("Buttoncorte6"));
    QPushButton *Buttoncorte7 = pruebas::Control<QPushButton>(pantalla, QStringLiteral("Buttoncorte7"));
    QPushButton *ButtonCorte8 = pruebas::Control<QPushButton>(pantalla, QStringLiteral("ButtonCorte8"));
    QPushButton *BotCerrar3 = pruebas::Control<QPushButton>(pantalla, QStringLiteral("BotCerrar3"));
    QPushButton *Botcerrar4 = pruebas::Control<QPushButton>(pantalla, QStringLiteral("Botcerrar4"));
    QLabel *LabelCorte3 = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelCorte3"));
    QLabel *LabelMasde = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelMasde"));
    QLabel *LabelUnis = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelUnis"));
    QLabel *LabelTotal = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelTotal"));
    QLabel *LabelPondera1 = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelPondera1"));
    QLabel *LabelCorteSelecti = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelCorteSelecti"));
    QLabel *LabelCorte2 = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelCorte2"));
    QLabel *LabelCorte1 = pruebas::Control<QLabel>(pantalla, QStringLiteral("LabelCorte1"));
};

// The program on the shipped data, the degrees screen opened by the main
// menu's door.
struct PantallasCorte : pruebas::ProgramaEntregado {
    explicit PantallasCorte(int idioma = 0) : ProgramaEntregado(QStringLiteral("corte"), idioma)
    {
        mapa = s().Form7.get();
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        form6 = s().Form6.get();
        if (creadas)
            AbrirPuerta(Tform0::kPuertaCarreras);
    }
    // A degree chosen in the browser, then the degree's button that opens
    // this screen (its cut-off marks or its weightings).
    TForm6 &Abrir(QPushButton *pruebas::VistaGrados::*boton)
    {
        f->VentanaMapa.Mostrar = f->VentanaMapa.Ocultar = [] {};
        Pulsar(f->BotMenuGrados);
        ClicFila(f->Listramas, 5);
        ClicFila(f->listgrados, 1);
        Pulsar((*f).*boton);
        return *form6;
    }
    TForm7 *mapa = nullptr;
    std::unique_ptr<pruebas::VistaGrados> f;
    TForm6 *form6 = nullptr;
};

} // namespace

class PruebaCorte : public QObject {
    Q_OBJECT

private slots:
    void AThresholdListsItsDegreesAndAClickTheirUniversities()
    {
        PantallasCorte s;
        Vista6 c(s.Abrir(&pruebas::VistaGrados::BotCorte));
        QVERIFY(c.pantalla.isVisible());
        QVERIFY(!s.f->pantalla.isVisible());
        QVERIFY(c.PanelCorte->isVisible());
        QVERIFY(!c.PanelPonderacion->isVisible());
        QVERIFY(!c.L->isVisible());   // nothing chosen yet

        Pulsar(c.Buttoncorte7);
        QCOMPARE(c.LabelMasde->text(), s.e.Texto(691));
        QVERIFY(c.L->isVisible());
        const auto esperadas = CalcularNotasCorte(s.e, 80);
        QVERIFY(!esperadas.empty());
        QCOMPARE(c.L->rowCount(), static_cast<int>(esperadas.size()));
        // The shipped data: every listed degree has a published mark of 8,0
        // or more, and every degree with one is listed.
        int conNota = 0;
        for (int d = 1; d <= s.e.NumGrados; ++d) {
            bool alcanza = false;
            for (int j = 1; j <= s.e.NotasCorte.En(d, 0); ++j)
                alcanza = alcanza || (s.e.NotasCorte.En(d, j) >= 80 && s.e.NotasCorte.En(d, j) != kNotaSinPublicar);
            conNota += alcanza;
        }
        QCOMPARE(c.L->rowCount(), conNota);
        QCOMPARE(c.L->item(0, 0)->text(), DesdeAnsi(esperadas[0].nombre));
        QVERIFY(QRegularExpression(QStringLiteral("^[ \\d]\\d  \\([ \\d]\\d\\)$")).match(c.L->item(0, 1)->text()).hasMatch());

        const int fila = c.L->rowCount() - 1;
        pruebas::ClicFila(c.L, fila);
        QCOMPARE(c.LabelCorte3->text(), c.L->item(fila, 0)->text());
        QVERIFY(c.listcalc->isVisible());
        const FilaCorte &elegida = esperadas[static_cast<size_t>(fila)];
        QCOMPARE(c.listcalc->rowCount(), static_cast<int>(elegida.notas.size()));
        for (int k = 0; k < c.listcalc->rowCount(); ++k) {
            QCOMPARE(c.listcalc->item(k, 0)->text(), DesdeAnsi(s.e.NombresUniversidad[elegida.universidades[static_cast<size_t>(k)]]).trimmed());
            const QString nota = c.listcalc->item(k, 1)->text();
            QVERIFY2(QRegularExpression(QStringLiteral("^[ 1]\\d,\\d$")).match(nota).hasMatch(), qPrintable(nota));
            QVERIFY(QString(nota).replace(',', '.').toDouble() >= 8.0);
        }
        QVERIFY(c.listcalc->selectedItems().isEmpty());

        // A lower threshold lists more and forgets the clicked degree.
        Pulsar(c.Buttoncorte6);
        QVERIFY(c.L->rowCount() >= static_cast<int>(esperadas.size()));
        QVERIFY(c.LabelCorte3->text().isEmpty());
        QCOMPARE(c.listcalc->rowCount(), 0);

        // Back, and in again: the list is kept.
        const int filas = c.L->rowCount();
        Pulsar(c.BotCerrar3);
        QVERIFY(!c.pantalla.isVisible());
        QVERIFY(s.f->pantalla.isVisible());
        Pulsar(s.f->BotCorte);
        QCOMPARE(c.L->rowCount(), filas);
        QCOMPARE(c.LabelMasde->text(), s.e.Texto(690));
    }

    void AThresholdNoDegreeReachesClearsTheList()
    {
        PantallasCorte s;
        Vista6 c(s.Abrir(&pruebas::VistaGrados::BotCorte));
        Pulsar(c.Buttoncorte6);
        QVERIFY(c.L->rowCount() > 1);
        // No mark can reach 25,6 (no button offers it): the previous list
        // must not stay on show.
        c.pantalla.CalcularNotasCorte(256);
        QCOMPARE(c.L->rowCount(), 1);
        QCOMPARE(c.L->item(0, 0)->text(), s.e.Texto(41));
        QVERIFY(!(c.L->item(0, 0)->flags() & Qt::ItemIsSelectable));
        const QString antes = c.LabelCorte3->text();
        ClicFila(c.L, 0);   // the "none" row names no degree
        QCOMPARE(c.LabelCorte3->text(), antes);
        QCOMPARE(c.listcalc->rowCount(), 0);
    }

    void TheWeightingsListTheDataFolderPdfsAndOpenThemThroughTheDesktop()
    {
        PantallasCorte s;
        pruebas::EscritorioRegistrado escritorio({QStringLiteral("file")});
        Vista6 c(s.Abrir(&pruebas::VistaGrados::BotPonde));
        QVERIFY(c.pantalla.isVisible());
        QVERIFY(c.PanelPonderacion->isVisible());
        QVERIFY(!c.PanelCorte->isVisible());
        QVERIFY(c.ListUnis->count() > 0);
        QCOMPARE(c.ListUnis->currentRow(), 0);
        for (int i = 0; i < c.ListUnis->count(); ++i) {
            QVERIFY(c.ListUnis->item(i)->text().endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive));
            QVERIFY(QFile::exists(s.e.RutaDatos + QStringLiteral("pdf/") + c.ListUnis->item(i)->text()));
        }

        const int ultimo = c.ListUnis->count() - 1;
        pruebas::DobleClicFila(c.ListUnis, ultimo);
        QCOMPARE(escritorio.abiertas.size(), 1);
        const QUrl url = escritorio.abiertas[0];
        QVERIFY(url.isLocalFile());
        QCOMPARE(QFileInfo(url.toLocalFile()).canonicalFilePath(),
                 QFileInfo(s.e.RutaDatos + QStringLiteral("pdf/") + c.ListUnis->item(ultimo)->text()).canonicalFilePath());

        // A name that would leave the data folder is never handed over.
        c.ListUnis->clear();
        c.ListUnis->addItem(QStringLiteral("../../../etc/passwd.pdf"));
        pruebas::DobleClicFila(c.ListUnis, 0);
        QCOMPARE(escritorio.abiertas.size(), 1);

        // The close box goes back to the degrees screen.
        c.pantalla.close();
        QVERIFY(!c.pantalla.isVisible());
        QVERIFY(s.f->pantalla.isVisible());
    }

    void OnlyPdfNamesAreListedSortedWithCaseIgnored()
    {
        QTemporaryDir dir;
        for (const char *nombre : {"b.PDF", "a.pdf", "C.pdf", "notas.pdf.txt", "leeme.txt"}) {
            QFile f(dir.filePath(QString::fromLatin1(nombre)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("carpeta.pdf")));
        QCOMPARE(NombresPdf(dir.path()), (QStringList{"a.pdf", "b.PDF", "C.pdf"}));
        QVERIFY(NombresPdf(dir.filePath(QStringLiteral("no-existe"))).isEmpty());
    }

    void CaptionsFitInEveryLanguage()
    {
        for (int idioma = 0; idioma < 4; ++idioma) {
            PantallasCorte s(idioma);
            Vista6 c(s.Abrir(&pruebas::VistaGrados::BotCorte));
            Pulsar(c.Buttoncorte6);
            for (const QLabel *l : {c.LabelCorteSelecti, c.LabelCorte1, c.LabelCorte2, c.LabelTotal, c.LabelMasde,
                                    c.LabelPondera1, c.LabelUnis})
                QVERIFY2(pruebas::Cabe(l, l->text()),
                         qPrintable(QStringLiteral("%1 %2: %3").arg(idioma).arg(l->objectName(), l->text())));
            for (const QPushButton *b : {c.Buttoncorte6, c.Buttoncorte7, c.ButtonCorte8, c.BotCerrar3, c.Botcerrar4})
                QVERIFY2(pruebas::Cabe(b, b->text(), 12),
                         qPrintable(QStringLiteral("%1 %2: %3").arg(idioma).arg(b->objectName(), b->text())));
            for (const QString &t : {s.e.Texto(696), s.e.Texto(695), s.e.Texto(689), s.e.Texto(13)})
                QVERIFY(!t.trimmed().isEmpty());
        }
    }
};

QTEST_MAIN(PruebaCorte)
#include "corte_qtest.moc"
