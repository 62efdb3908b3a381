// The professional certificates screen in the whole program, on the shipped
// data: opened from the main menu and the assistant, the three lists that
// follow the mouse and freeze on a click, a certificate's details, the help
// figure and headings, the printed sub-group read back from a PDF file, the
// employment service's page, and back.
#include "asistente.h"
#include "certifiU.h"
#include "enlace.h"
#include "escritorio_registrado.h"
#include "etiquetas.h"
#include "informes.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

struct Programa : ProgramaEntregado {
    explicit Programa(int idioma) : ProgramaEntregado(QStringLiteral("certificados"), idioma)
    {
        menu = s().form0;
        c = s().Certifica.get();
    }
    // The main menu on show, its sign "Quiero dejar de estudiar" clicked.
    void AbrirDesdeMenu()
    {
        menu->Mostrar();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        QVERIFY(Pulsar(Hijo<EtiquetaActiva>(menu, "LabelDejar")));
        QVERIFY(QTest::qWaitForWindowActive(c));
    }
    Tform0 *menu = nullptr;
    TCertifica *c = nullptr;
};

} // namespace

class CertificadosQTest : public QObject {
    Q_OBJECT
private slots:
    void ListsFollowTheMouseFreezeAndShowACertificate();
    void HelpFigureAndHeadingsSlideIn();
    void PrintsTheWholeSubGroupAndOpensTheEmploymentPage();
    void OpenersAndBack();
};

void CertificadosQTest::ListsFollowTheMouseFreezeAndShowACertificate()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TCertifica &c = *p.c;
    p.AbrirDesdeMenu();
    QVERIFY(c.isVisible());
    QCOMPARE(c.ListSelFp->count(), 9);
    QCOMPARE(c.ListSelFp->item(0)->text(), QStringLiteral("Agraria, pesca y minería"));

    // The highlight follows the mouse over the families.
    SobreFila(c.ListSelFp, 3);
    QCOMPARE(c.ListSelFp->currentRow(), 3);
    QVERIFY(c.ListTitFP->isHidden());

    // Family 1: its three sub-groups; the families go.
    ClicFila(c.ListSelFp, 0);
    QVERIFY(c.ListSelFp->isHidden());
    QVERIFY(c.ListTitFP->isVisible());
    QCOMPARE(Textos(c.ListTitFP), (QStringList{QStringLiteral("-Agraria"), QStringLiteral("-Industrias Extractivas"),
                                                QStringLiteral("-Marítimo-Pesquera")}));
    QVERIFY(c.ListFPExpli->isHidden());

    // Hovering a sub-group lists its certificates beside it, level with the row.
    SobreFila(c.ListTitFP, 2);
    QVERIFY(c.ListFPExpli->isVisible());
    QCOMPARE(c.ListFPExpli->y(), c.ListTitFP->y() + c.ListTitFP->visualItemRect(c.ListTitFP->item(2)).top());
    QCOMPARE(c.PanelSelTit2->y() + c.PanelSelTit2->height() - 1, c.ListFPExpli->y());
    QVERIFY(Textos(c.ListFPExpli).contains(QStringLiteral("Navegación en aguas interiores y próximas a la costa")));
    QCOMPARE(c.ListFPExpli->height(), c.ListFPExpli->count() * 18 + 4);
    SobreFila(c.ListTitFP, 0);
    const QStringList agraria = Textos(c.ListFPExpli);
    QVERIFY(agraria.contains(QStringLiteral("Actividades auxiliares en ganadería")));
    const int arriba = c.ListFPExpli->y();

    // A click freezes them; the mouse moving on changes nothing; a second click releases.
    ClicFila(c.ListTitFP, 0);
    QVERIFY(c.BotImprimir->isVisible());
    SobreFila(c.ListTitFP, 1);
    QCOMPARE(Textos(c.ListFPExpli), agraria);
    QCOMPARE(c.ListFPExpli->y(), arriba);
    ClicFila(c.ListTitFP, 1);
    SobreFila(c.ListTitFP, 2);
    QVERIFY(Textos(c.ListFPExpli) != agraria);

    // A certificate: name, requirements one a line, hours, description.
    SobreFila(c.ListTitFP, 0);
    const int fila = static_cast<int>(agraria.indexOf(QStringLiteral("Actividades auxiliares en ganadería")));
    ClicFila(c.ListFPExpli, fila);
    QVERIFY(c.PanelResul->isVisible());
    QCOMPARE(c.LabelTitulo->text(), QStringLiteral("Actividades auxiliares en ganadería"));
    QCOMPARE(c.LabelRequisitos->text(), QStringLiteral("Sin requisitos académicos"));
    QCOMPARE(c.LabelHoras->text(), QStringLiteral("330"));
    QVERIFY(!c.LabelDes->text().isEmpty());
    const int linea = c.estado.LineaCertificado[static_cast<size_t>(fila)];
    QVERIFY(linea > 0);

    // A level-2 certificate lists its three requirements, one a line.
    const int nivel2 = static_cast<int>(agraria.indexOf(QStringLiteral("Agricultura ecológica")));
    QVERIFY(nivel2 >= 0);
    ClicFila(c.ListFPExpli, nivel2);
    QCOMPARE(c.LabelRequisitos->text().split('\n').size(), 3);
}

void CertificadosQTest::HelpFigureAndHeadingsSlideIn()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TCertifica &c = *p.c;
    p.AbrirDesdeMenu();
    // A heading shows its whole caption inside its panel once it has slid in, and not before.
    const auto entera = [](const QLabel *l) {
        const int fin = l->x() + l->fontMetrics().horizontalAdvance(l->text());
        return l->x() >= 0 && fin <= l->x() + l->width() && fin <= l->parentWidget()->width();
    };
    QVERIFY(c.TimerAyuda.isActive());
    QVERIFY(!entera(c.LabelTit1));
    // The figure says its seven lines one after another as the student watches.
    for (int n = 1; n <= 7; ++n) {
        QTRY_COMPARE_WITH_TIMEOUT(c.LabelAyu[n - 1]->text(), p.e.Texto(561 + n), 2000);
        QVERIFY(!c.chica->pixmap().isNull());
    }
    QCOMPARE(c.LabelAyu[6]->text(), QStringLiteral("requisitos, horas y descripción."));
    QVERIFY(!c.TimerAyu.isActive());
    QTRY_VERIFY_WITH_TIMEOUT(c.TimerAyu.isActive(), 5000);
    QCOMPARE(c.estado.ContadorAyuda, 0);

    // The family heading comes in; the others once their panels show.
    QTRY_VERIFY_WITH_TIMEOUT(entera(c.LabelTit1), 5000);
    ClicFila(c.ListSelFp, 1);
    SobreFila(c.ListTitFP, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!c.TimerAyu.isActive(), 20000);
    QVERIFY(entera(c.LabelTit2));
    QVERIFY(entera(c.LabelTit3));

    // Coming back plays the help again; leaving while it plays stops it.
    Pulsar(c.BotRetrocederFP);
    Pulsar(c.BotRetrocederFP);
    QVERIFY(!c.isVisible());
    p.AbrirDesdeMenu();
    QVERIFY(c.TimerAyuda.isActive());
    QVERIFY(!entera(c.LabelTit1));
    QVERIFY(c.LabelAyu[0]->text().isEmpty());
    Pulsar(c.BotRetrocederFP);
    QVERIFY(!c.isVisible());
    QVERIFY(!c.TimerAyuda.isActive() && !c.TimerAyu.isActive());
}

void CertificadosQTest::PrintsTheWholeSubGroupAndOpensTheEmploymentPage()
{
    QTemporaryDir dir;
    for (int idioma : {0, 3}) {
        Programa p(idioma);
        QVERIFY(p.creadas);
        TCertifica &c = *p.c;
        p.AbrirDesdeMenu();
        const QString pdf = dir.filePath(QStringLiteral("subgrupo%1.pdf").arg(idioma));
        int vistos = 0;
        c.DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);
        // Family 2, its first sub-group (Administración y Gestión).
        ClicFila(c.ListSelFp, 1);
        SobreFila(c.ListTitFP, 0);
        ClicFila(c.ListTitFP, 0);
        const QStringList certificados = Textos(c.ListFPExpli);
        QVERIFY(certificados.size() >= 5);
        Pulsar(c.BotImprimir);
        QCOMPARE(vistos, 1);
        const QString texto = TextoPdf(pdf, true);
        QVERIFY2(texto.contains(p.e.Texto(580)), qPrintable(texto));
        QVERIFY(texto.contains(p.e.Texto(583) + ':'));
        for (const QString &nombre : certificados)
            QVERIFY2(texto.contains(nombre.left(40)), qPrintable(nombre));
        QCOMPARE(texto.count(p.e.Texto(581)), certificados.size());
        QCOMPARE(p.e.LineasNegrita[0], 0);   // spent by the print

        pruebas::EscritorioRegistrado escritorio;
        Pulsar(c.BotInternet);
        QCOMPARE(escritorio.abiertas.size(), 1);
        QCOMPARE(escritorio.abiertas[0].path(),
                 QStringLiteral("/contenidos/personas/formacion/certificados_de_profesionalidad/"
                                "certificados_profesionalidad.html"));
    }
}

void CertificadosQTest::OpenersAndBack()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TCertifica &c = *p.c;
    // From the assistant, and back to it.
    p.e.DesdeAsistente = true;
    p.arranque->pantallas.Form5->show();
    QVERIFY(QTest::qWaitForWindowActive(p.arranque->pantallas.Form5.get()));
    Pulsar(p.arranque->pantallas.Form5->findChild<QPushButton *>(QStringLiteral("BDejar")));
    QVERIFY(QTest::qWaitForWindowActive(&c));
    QVERIFY(!p.arranque->pantallas.Form5->isVisible());
    ClicFila(c.ListSelFp, 4);
    SobreFila(c.ListTitFP, 0);
    Pulsar(c.BotRetrocederFP);
    QVERIFY(c.isVisible());
    QVERIFY(c.ListSelFp->isVisible());
    QVERIFY(c.ListTitFP->isHidden() && c.ListFPExpli->isHidden() && c.BotImprimir->isHidden());
    Pulsar(c.BotRetrocederFP);
    QVERIFY(!c.isVisible());
    QVERIFY(p.arranque->pantallas.Form5->isVisible());

    // The close box goes back a view and home, never to the assistant too.
    p.arranque->pantallas.Form5->hide();
    p.AbrirDesdeMenu();
    ClicFila(c.ListSelFp, 2);
    c.close();
    QVERIFY(!c.isVisible());
    QVERIFY(p.menu->isVisible());
    QVERIFY(!p.arranque->pantallas.Form5->isVisible());
    QVERIFY(c.ListSelFp->isVisibleTo(&c));
}

QTEST_MAIN(CertificadosQTest)
#include "certificados_qtest.moc"
