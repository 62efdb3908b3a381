// The print dialog in front of the report printers, driven offscreen.
#include "enlace.h"
#include "informes.h"

#include <QApplication>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace norvela;

class DialogosInforme : public QObject {
    Q_OBJECT

private:
    MensajesRegistrados m;
    Enlace e{m};

    // Runs `accion` on the modal dialog once its event loop is running.
    template <typename Dialogo, typename Accion>
    static void AlAbrirse(Accion accion)
    {
        QTimer::singleShot(0, [accion] {
            auto *d = qobject_cast<Dialogo *>(QApplication::activeModalWidget());
            QVERIFY(d);
            accion(*d);
        });
    }

private slots:
    void init()
    {
        m.textos.clear();
        e.LineasInforme.Poner(1, "primera");
        e.LineasInforme.Poner(2, "segunda");
        e.LineasNegrita[0] = 1;
        e.LineasNegrita[1] = 2;
    }

    void thePrintDialogStandsInFrontOfTheScreenThatAsks()
    {
        // The window system keeps a dialog above the window it belongs to.
        QWidget pantalla;
        pantalla.show();
        QWindow *delante = nullptr;
        AlAbrirse<QPrintDialog>([&](QPrintDialog &d) {
            delante = d.windowHandle()->transientParent();
            d.reject();
        });
        QCOMPARE(ImprimirConDialogo(e, Informe::Lista(e.LineasInforme, 2, true, 10), &pantalla),
                 ResultadoInforme::Cancelado);
        QVERIFY(pantalla.windowHandle());
        QCOMPARE(delante, pantalla.windowHandle());
    }

    void cancellingPrintsNothingAndDropsTheBoldLines()
    {
        QTemporaryDir dir;
        QPrinter &impresora = *DialogoImpresion().printer();
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(dir.filePath("cancelado.pdf"));
        AlAbrirse<QPrintDialog>([](QPrintDialog &d) { d.reject(); });
        QCOMPARE(ImprimirConDialogo(e, Informe::Lista(e.LineasInforme, 2, true, 10)), ResultadoInforme::Cancelado);
        QVERIFY(!QFile::exists(dir.filePath("cancelado.pdf")));
        QCOMPARE(e.LineasNegrita[0], 0);
        QVERIFY(m.textos.isEmpty());
    }
};

QTEST_MAIN(DialogosInforme)
#include "dialogos_informe_qtest.moc"
