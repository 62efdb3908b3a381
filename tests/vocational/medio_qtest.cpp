// The intermediate-cycle screen as the program makes it (every screen
// created over the shipped data through start-up) and as a student meets
// it: the menu on entry, the title route down to a title's map and views,
// back, and leaving.
#include "ansi.h"
#include "arranque.h"
#include "controles_fp.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "medio.h"
#include "panel_efectos.h"
#include "principal.h"
#include "titulos_medio.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

using namespace norvela;

namespace {

// The program on the shipped data folder, every screen created, the
// intermediate-cycle screen opened as the main menu's door opens it.
struct Programa {
    explicit Programa(int idioma) : e(m)
    {
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("medio"), idioma));
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        if (!arranque->CrearPantallas())
            return;
        f = arranque->pantallas.Form3;
        e.IntroHelicoptero = true;
        f->Mostrar();
    }
    ~Programa()
    {
        // Nothing may come back while the screens go.
        e.ErrorFicheros = true;
    }
    MensajesRegistrados m;
    Enlace e;
    std::unique_ptr<Arranque> arranque;
    TForm3 *f = nullptr;
};

void ClicFila(QListWidget *l, int fila)
{
    QVERIFY(fila < l->count());
    l->scrollToItem(l->item(fila));
    const QRect r = l->visualItemRect(l->item(fila));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

// The rows' texts without their trailing blanks.
QStringList Textos(const QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text().trimmed();
    return r;
}

bool MenuVisible(const TForm3 &f)
{
    return f.botTit2->isVisible() && f.botLug2->isVisible() && f.botSalir->isVisible();
}

// Opens group g (0-based row), then family row `familia` of it.
void AbrirFamilia(TForm3 &f, int g, int familia)
{
    QTest::mouseClick(f.botTit2, Qt::LeftButton);
    ClicFila(f.ListPreFam, g);
    ClicFila(f.ListPreFam, familia);
}

} // namespace

class PruebaMedio : public QObject {
    Q_OBJECT

private slots:
    void TitleRouteInEveryLanguage()
    {
        for (int idioma = 0; idioma < 4; ++idioma) {
            Programa p(idioma);
            QVERIFY(p.f);
            TForm3 &f = *p.f;
            Enlace &e = p.e;
            QVERIFY2(p.m.textos.isEmpty(), qPrintable(p.m.textos.join('\n')));
            QVERIFY(MenuVisible(f));
            QCOMPARE(f.LabelFP1->text(), e.Texto(512));

            QTest::mouseClick(f.botTit2, Qt::LeftButton);
            QVERIFY(!MenuVisible(f));
            QCOMPARE(f.ListPreFam->count(), 9);
            QCOMPARE(f.PanelSelTit->text(), e.Texto(595));
            QCOMPARE(f.ListPreFam->item(0)->text(), DesdeAnsi(e.GruposFamilias[1]).trimmed());

            // Group 1: the back row, its families and the sports section
            // without its mark.
            ClicFila(f.ListPreFam, 0);
            QCOMPARE(f.ListPreFam->item(0)->text(), e.Texto(82));
            const QString deporte = DesdeAnsi(e.EncabezadosFPMedio[e.NumFamiliasGM]).mid(1).trimmed();
            QCOMPARE(f.ListPreFam->item(f.ListPreFam->count() - 1)->text(), deporte);
            QCOMPARE(f.ListPreFam->height(), 301);
            QCOMPARE(f.PanelSelTit->text(), e.Texto(578));

            // The sports family's titles; the sports title's requirements
            // are the "23" lines.
            ClicFila(f.ListPreFam, f.ListPreFam->count() - 1);
            QVERIFY(f.ListTit->isVisible());
            QCOMPARE(f.Labeltitulo->text(), deporte + QStringLiteral(" - ") + e.Texto(307) + QStringLiteral("..."));
            QCOMPARE(f.ListTit->count(), e.NumFPMedio - e.SeccionGMHasta);
            ClicFila(f.ListTit, 0);
            QCOMPARE(f.estado.TituloSelGM, e.SeccionGMHasta + 1);
            const QString nombre = DesdeAnsi(e.NombresFPMedio[f.estado.TituloSelGM]).trimmed();
            QVERIFY(f.PanelEstrellas->isVisible());
            QVERIFY(f.TimerEstrellas.isActive());
            for (int tic = 0; tic < 9; ++tic) {
                QCOMPARE(f.PanelCarSel->text().isEmpty(), tic > 0 && tic % 2 == 0);
                f.TimerParpadeo->Tic();
            }
            QCOMPARE(f.PanelCarSel->text(), nombre);
            int marcadas = 0;
            for (int c = 1; c <= 19; ++c)
                marcadas += e.MarcasEstrellas[c] != 0;
            QVERIFY2(marcadas > 0, "the title is taught somewhere");

            QTest::mouseClick(f.BotRequisitos, Qt::LeftButton);
            QVERIFY(f.listSelFP->isVisible());
            const QStringList requisitos = Textos(f.listSelFP);
            QVERIFY(!requisitos.isEmpty());
            for (int k = 1; k <= e.NumRequisitos; ++k)
                if (e.Requisitos[k].compare(0, 2, "23") == 0)
                    QVERIFY(requisitos.contains(DesdeAnsi(e.Requisitos[k].substr(2)).trimmed()));
            QTest::mouseClick(f.BotPuesto, Qt::LeftButton);
            QCOMPARE(f.PanelSelTit->text(), e.Texto(199));
            QCOMPARE(Textos(f.listSelFP).value(0),
                     DesdeAnsi(e.AsignaturasFPMedio.En(f.estado.TituloSelGM, 1)).trimmed());
            QTest::mouseClick(f.botAsig, Qt::LeftButton);
            QCOMPARE(f.PanelSelTit->text(), e.Texto(312));
            QVERIFY(f.listSelFP->count() >= 20);

            // Back: to the family's titles, then the route closes.
            QTest::mouseClick(f.BotRetrocederFP, Qt::LeftButton);
            QVERIFY(!f.PanelEstrellas->isVisible());
            QVERIFY(!f.TimerEstrellas.isActive());
            QVERIFY(f.ListTit->isVisible());
            QTest::mouseClick(f.BotRetrocederFP, Qt::LeftButton);
            QVERIFY(!f.PanelSelec->isVisible());
            QVERIFY(MenuVisible(f));
        }
    }

    void GroupSixTitlesAndRequirementSections()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        Enlace &e = p.e;
        // Group 6 adds every arts family without its mark.
        QTest::mouseClick(f.botTit2, Qt::LeftButton);
        ClicFila(f.ListPreFam, 5);
        QCOMPARE(f.ListPreFam->height(), 301);
        const QStringList filas = Textos(f.ListPreFam);
        for (int fam = e.FamiliasAntesDeMarcaGM + 1; fam < e.NumFamiliasGM; ++fam)
            QVERIFY(filas.contains(DesdeAnsi(e.EncabezadosFPMedio[fam]).mid(1).trimmed()));
        // An arts title lists the "22" lines; back to the groups by the back row.
        ClicFila(f.ListPreFam, f.ListPreFam->count() - 1);
        ClicFila(f.ListTit, 0);
        QVERIFY(f.estado.TituloSelGM >= e.SeccionGMDesde && f.estado.TituloSelGM < e.SeccionGMHasta);
        QTest::mouseClick(f.BotRequisitos, Qt::LeftButton);
        const QString primera = DesdeAnsi(LineasRequisitosGM(e.Requisitos, e.NumRequisitos, "22", e.AnchoLista)[0]);
        QCOMPARE(Textos(f.listSelFP).value(0), primera.trimmed());
        QTest::mouseClick(f.BotRetrocederFP, Qt::LeftButton);
        ClicFila(f.ListPreFam, 0);
        QCOMPARE(f.ListPreFam->count(), 9);
        QCOMPARE(f.ListPreFam->height(), 301);
        QVERIFY(!f.ListTit->isVisible());

        // A family of a plain group: the list is the short one, and a title
        // below the arts section lists the "13" lines.
        ClicFila(f.ListPreFam, 1);
        QCOMPARE(f.ListPreFam->height(), 169);
        ClicFila(f.ListPreFam, 1);
        ClicFila(f.ListTit, 0);
        QVERIFY(f.estado.TituloSelGM < e.SeccionGMDesde);
        QTest::mouseClick(f.BotRequisitos, Qt::LeftButton);
        QCOMPARE(f.listSelFP->count(),
                 static_cast<int>(LineasRequisitosGM(e.Requisitos, e.NumRequisitos, "13", e.AnchoLista).size()));
    }

    // The entry runs when an opener shows the screen; an activation over an
    // open route (a dialog closing, another window going) leaves it as it is.
    void EntryOnlyWhenOpenedAndLeaving()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        AbrirFamilia(f, 1, 1);
        ClicFila(f.ListTit, 0);
        QVERIFY(f.PanelEstrellas->isVisible());
        QEvent activacion(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activacion);
        f.activateWindow();
        QVERIFY(!MenuVisible(f));
        QVERIFY(f.PanelEstrellas->isVisible());

        // Leaving hides every route control and shows the main menu.
        f.hide();
        f.Mostrar();
        QVERIFY(MenuVisible(f));
        QTest::mouseClick(f.botSalir, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.form0->isVisible());
        QVERIFY(f.PanelEstrellas->isHidden() && f.PanelSelec->isHidden());
        f.Mostrar();
        QVERIFY(MenuVisible(f));
        QVERIFY(!f.PanelSelec->isVisible());
    }
};

QTEST_MAIN(PruebaMedio)
#include "medio_qtest.moc"
