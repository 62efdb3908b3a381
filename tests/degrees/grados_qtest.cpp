// The degrees screen offscreen on the shipped data: its creation, the
// browser's branch list, grid and trees, a degree's universities and marks,
// the ways back, and captions that fit in every language.
#include "ansi.h"
#include "enlace.h"
#include "grados.h"
#include "navegador_grados.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "transiciones_paneles.h"
#include "universidades_grado.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data, every screen created through start-up;
// the degrees screen's region-map window only counted.
struct Pantalla1 : ProgramaEntregado {
    explicit Pantalla1(int idioma = 0) : ProgramaEntregado(QStringLiteral("grados"), idioma)
    {
        f = s().Form1;
        if (!creadas)
            return;
        f->VentanaMapa.Mostrar = [this] { ++mostradas; };
        f->VentanaMapa.Ocultar = [this] { ++ocultadas; };
    }
    QString Nombre(int g) const { return DesdeAnsi(e.NombresGrado[g]).trimmed(); }

    TForm1 *f = nullptr;
    int mostradas = 0;
    int ocultadas = 0;
};

} // namespace

class PruebaGrados : public QObject {
    Q_OBJECT

private slots:
    void CreationLoadsTheDataAndShowsTheStartMenu()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        QVERIFY2(s.m.textos.isEmpty(), qPrintable(s.m.textos.join('|')));
        QVERIFY(!s.e.ErrorFicheros);
        QVERIFY(s.e.NumGrados > 250);
        QVERIFY(s.e.NumUniversidades > 50);
        QCOMPARE(f.size(), QSize(1024, 768));
        QCOMPARE(f.windowTitle(), s.e.Texto(338));
        QCOMPARE(f.BotMenuGrados->text(), s.e.Texto(523));
        QCOMPARE(f.botinfo2->text(), s.e.Texto(111) + "  " + s.e.Texto(178));
        QCOMPARE(f.ComboAgru->placeholderText(), s.e.Texto(373));
        QCOMPARE(f.ComboAgru->count(), 5);
        const int items[] = {375, 374, 377, 376, 372};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.ComboAgru->itemText(i), s.e.Texto(items[i]));
        QCOMPARE(f.ImageList1.size(), 6);
        QVERIFY(!f.ImageList1[3].isNull());
        QCOMPARE(f.ImageListRamas[0].size(), QSize(40, 40));
        f.botinformacionClick();
        QVERIFY(Visible(f.PanelMenu));
        QVERIFY(!Visible(f.PanelTree));
        QVERIFY(!Visible(f.PanelSel));
        QCOMPARE(f.estado.GradoSel, 0);
    }

    void ABranchAndADegreeShowTheUniversitiesByCommunity()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.show();
        QTest::mouseClick(f.BotMenuGrados, Qt::LeftButton);
        QVERIFY(!Visible(f.PanelMenu));
        QVERIFY(Visible(f.Listramas) && Visible(f.PanelSel) && Visible(f.PanelSelTit));
        QCOMPARE(f.PanelSel->y(), f.estado.TopePanelSel + 60);
        QCOMPARE(f.Listramas->count(), 6);
        QCOMPARE(f.Listramas->item(3)->text(), QStringLiteral("Ingeniería y Arquitectura"));
        QCOMPARE(f.Listramas->item(5)->text(), QStringLiteral("Todos los grados"));

        // Branch 4 has groups: the grid starts with a header.
        ClicFila(f.Listramas, 3);
        QVERIFY(Visible(f.listgrados) && !Visible(f.Listramas));
        QVERIFY(!f.estado.RetornoMenuGrados);
        const auto filas = FilasRama(s.e, 4);
        QCOMPARE(f.listgrados->rowCount(), static_cast<int>(filas.size()));
        QVERIFY(filas[0].cabecera);
        QCOMPARE(f.listgrados->item(0, 0)->text(), DesdeAnsi(filas[0].texto));
        // A degree with linked titles has its "+" and their hint.
        int enlazado = -1;
        for (size_t r = 0; r < filas.size() && enlazado < 0; ++r)
            if (filas[r].marca == "+")
                enlazado = static_cast<int>(r);
        QVERIFY(enlazado > 0);
        QCOMPARE(f.listgrados->item(enlazado, 1)->text(), QStringLiteral("+"));
        QVERIFY(f.listgrados->item(enlazado, 0)->toolTip().contains(
            QStringLiteral("Títulos con los que se imparte en cada universidad:")));

        ClicFila(f.listgrados, enlazado);
        const int g = filas[static_cast<size_t>(enlazado)].grado;
        QCOMPARE(f.estado.GradoSel, g);
        QCOMPARE(f.PanelSelTit->text(), s.Nombre(g));
        QVERIFY(Visible(f.GridNotas) && Visible(f.BotUni) && Visible(f.BotCorte) && Visible(f.BotImprimirN));
        const auto u = UniversidadesDeGrado(s.e, g, HaciaAnsi(s.e.Texto(593)));
        QCOMPARE(f.GridNotas->rowCount(), static_cast<int>(u.lineas.size()));
        QVERIFY(f.GridNotas->rowCount() > 3);
        QCOMPARE(f.GridNotas->item(0, 0)->text(), QStringLiteral("-                 Dónde se estudia"));
        QCOMPARE(f.GridNotas->item(1, 1)->text(), QStringLiteral("Not."));
        QVERIFY(f.GridNotas->item(2, 0)->text().startsWith(QStringLiteral("- ")));
        QVERIFY(f.GridNotas->item(3, 0)->text().startsWith('<'));
        QVERIFY(f.GridNotas->item(3, 1)->text().contains(',') || f.GridNotas->item(3, 1)->text().contains('-'));
        // The stars of the communities that teach it, and where their headings stand.
        QCOMPARE(s.mostradas, 1);
        for (int c = 1; c <= 19; ++c) {
            QCOMPARE(s.e.MarcasEstrellas[c] == 1, u.MarcasEstrellas[static_cast<size_t>(c)]);
            if (const int fila = s.e.FilaComunidadNotas[c]; fila > 0)
                QVERIFY(f.GridNotas->item(fila, 0)->text().startsWith(QStringLiteral("- ")));
        }
        QCOMPARE(DesdeAnsi(s.e.ListaAux[2]), QStringLiteral("Not."));
    }

    void AHeaderRowSelectsNothingAndEmptiesTheMarks()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.show();
        f.BotMenuGradosClick();
        ClicFila(f.Listramas, 5);
        ClicFila(f.listgrados, 1);
        QVERIFY(f.estado.GradoSel > 0);
        ClicFila(f.listgrados, 0);
        QCOMPARE(f.estado.GradoSel, 0);
        QCOMPARE(f.PanelSelTit->text(), s.e.Texto(48));
        QVERIFY(!Visible(f.GridNotas));
        QVERIFY(s.ocultadas > 0);
    }

    // Requirements of one degree, then another degree or "where to study":
    // the universities grid is what the student sees, not the list below it.
    void TheMarksGridCoversTheRequirementsShownBefore()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.BotMenuGradosClick();
        QCOMPARE(f.Listramas->item(4)->text(), QStringLiteral("Ciencias de la Salud"));
        ClicFila(f.Listramas, 4);
        const auto fila = [&](const QString &texto) {
            const auto hallados = f.listgrados->findItems(texto, Qt::MatchExactly);
            return hallados.isEmpty() ? -1 : hallados.first()->row();
        };
        const auto encima = [&] {
            QWidget *w = f.PanelSel->childAt(f.GridNotas->geometry().center());
            return w && (w == f.GridNotas || f.GridNotas->isAncestorOf(w));
        };
        for (const QString &despues : {QStringLiteral("Odontología"), QString()}) {
            ClicFila(f.listgrados, fila(QStringLiteral("Medicina")));
            QTest::mouseClick(f.BotReq, Qt::LeftButton);
            QVERIFY(Visible(f.ListSel) && !Visible(f.GridNotas));
            if (despues.isEmpty())
                QTest::mouseClick(f.BotUni, Qt::LeftButton);
            else
                ClicFila(f.listgrados, fila(despues));
            QCOMPARE(f.PanelSelTit->text(), despues.isEmpty() ? QStringLiteral("Medicina") : despues);
            QVERIFY(Visible(f.GridNotas));
            QVERIFY2(encima(), qPrintable(despues));
        }
    }

    void AnEmptiedGridKeepsNoDegreeOfTheListingBefore()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.BotMenuGradosClick();
        f.ListramasClick(1);
        const int primero = f.estado.GradoEnFila(0);
        QVERIFY(primero > 0);
        QCOMPARE(s.e.FilaGrado[1], primero);
        f.listgradosMouseUp(0);
        QCOMPARE(f.estado.GradoSel, primero);

        // A listing without rows: the row under a click holds no degree.
        const int grados = s.e.NumGrados;
        s.e.NumGrados = 0;
        f.ListramasClick(1);
        s.e.NumGrados = grados;
        QCOMPARE(f.listgrados->rowCount(), 0);
        QCOMPARE(f.estado.GradoEnFila(0), 0);
        QCOMPARE(s.e.FilaGrado[1], 0);
        f.estado.GradoSel = 0;
        f.listgradosMouseUp(0);
        QCOMPARE(f.estado.GradoSel, 0);
    }

    void ADoubleClickOnTheMarksGridOpensADegreeOnlyOnTheRegionPath()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.BotMenuGradosClick();
        f.ListramasClick(1);
        f.listgradosMouseUp(0);
        const int elegido = f.estado.GradoSel;
        // On the degree paths the grid lists universities: nothing happens.
        s.e.FilaElemento[2] = elegido % s.e.NumGrados + 1;
        f.GridNotasDblClick(1);
        QCOMPARE(f.estado.GradoSel, elegido);

        // The universities-by-region path lists a university's degrees by row.
        f.estado.ModoGrados = false;
        s.e.FilaElemento[1] = 0;
        f.GridNotasDblClick(0);
        QCOMPARE(f.estado.GradoSel, elegido);
        const int otro = s.e.FilaElemento[2];
        f.GridNotasDblClick(1);
        QCOMPARE(f.estado.GradoSel, otro);
        QVERIFY(f.estado.ModoGrados);
        QCOMPARE(f.PanelSelTit->text(), s.Nombre(otro));
        QVERIFY(Visible(f.PanelTree) && Visible(f.Listramas) && Visible(f.GridNotas));
        QCOMPARE(f.GridNotas->rowCount(),
                 static_cast<int>(UniversidadesDeGrado(s.e, otro, HaciaAnsi(s.e.Texto(593))).lineas.size()));
    }

    void EveryGroupingFillsTheTreeAndItsDegreesCanBeChosen()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.show();
        f.BotMenuGradosClick();
        for (int item = 1; item <= 4; ++item) {
            emit f.ComboAgru->activated(item);
            QVERIFY(Visible(f.Tree) && !Visible(f.Listramas) && !Visible(f.listgrados));
            const auto nodos = ArbolDe(s.e, static_cast<Agrupacion>(item + 1));
            int arriba = 0;
            for (const auto &n : nodos)
                arriba += n.nivel == 0;
            QCOMPARE(f.Tree->topLevelItemCount(), arriba);
            QCOMPARE(f.estado.ArbolDeGrupos, item == 1);

            // The first degree node, then the first heading node.
            QTreeWidgetItem *cabeza = nullptr;
            QTreeWidgetItem *grado = nullptr;
            for (QTreeWidgetItemIterator it(f.Tree); *it && !(cabeza && grado); ++it) {
                if ((*it)->childCount() > 0 && !cabeza)
                    cabeza = *it;
                if ((*it)->childCount() == 0 && !grado)
                    grado = *it;
            }
            QVERIFY(grado);
            f.Tree->setCurrentItem(grado);
            f.TreeClick();
            QVERIFY(f.estado.GradoSel > 0);
            QCOMPARE(f.PanelSelTit->text(), grado->text(0));
            QVERIFY(Visible(f.GridNotas));
            if (cabeza) {
                const int antes = s.ocultadas;
                f.Tree->setCurrentItem(cabeza);
                f.TreeDblClick();
                QCOMPARE(f.PanelSelTit->text(), QString());
                QCOMPARE(s.ocultadas, antes + 1);
            }
        }
        // The first item goes back to the branch list.
        emit f.ComboAgru->activated(0);
        QVERIFY(Visible(f.Listramas) && !Visible(f.Tree));
    }

    void ADoubleClickOnATreeNodeChoosesTheDegreeOnce()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.show();
        f.BotMenuGradosClick();
        emit f.ComboAgru->activated(4);   // alphabetical: every node is a degree
        QTreeWidgetItem *nodo = f.Tree->topLevelItem(0);
        QVERIFY(nodo);
        const QPoint punto = f.Tree->visualItemRect(nodo).center();
        const int antes = s.mostradas;
        // A double click as the desktop delivers it: a click, then the double click.
        QTest::mouseClick(f.Tree->viewport(), Qt::LeftButton, {}, punto);
        QTest::mouseDClick(f.Tree->viewport(), Qt::LeftButton, {}, punto);
        QVERIFY(f.estado.GradoSel > 0);
        QCOMPARE(s.mostradas, antes + 1);
    }

    void BackGoesFromGridOrTreeToTheBranchesAndFromThereToTheMenu()
    {
        Pantalla1 s;
        TForm1 &f = *s.f;
        f.show();
        f.BotMenuGradosClick();
        f.ListramasClick(0);
        f.listgradosMouseUp(1);
        QTest::mouseClick(f.ButtonRetroN, Qt::LeftButton);
        QVERIFY(Visible(f.Listramas) && !Visible(f.listgrados));
        emit f.ComboAgru->activated(4);
        QTest::mouseClick(f.ButtonRetroN, Qt::LeftButton);
        QVERIFY(Visible(f.Listramas) && !Visible(f.Tree));
        QTest::mouseClick(f.ButtonRetroN, Qt::LeftButton);
        QVERIFY(!Visible(f.PanelTree));
        QVERIFY(!Visible(f.PanelSel) && !Visible(f.PanelSelTit) && !Visible(f.GridNotas) && !Visible(f.BotUni));
        QVERIFY(Visible(f.PanelMenu));
        QCOMPARE(f.PanelSel->y(), f.estado.TopePanelSel);
        QVERIFY(!f.estado.MenuGradosUsado);
        // Opened again, the browser starts at its branch list.
        f.BotMenuGradosClick();
        QVERIFY(Visible(f.Listramas) && Visible(f.PanelTree));
    }

    void TheMenuBackButtonShowsTheHomeScreen()
    {
        Pantalla1 s;
        s.AbrirPuerta(Tform0::kPuertaCarreras);
        QVERIFY(!s.s().form0->isVisible());
        QTest::mouseClick(s.f->BotMenuRetro, Qt::LeftButton);
        QVERIFY(s.s().form0->isVisible());
        QVERIFY(!s.f->isVisible());
        QVERIFY(!Visible(s.f->PanelMenu));
        s.f->botinformacionClick();
        QVERIFY(Visible(s.f->PanelMenu));
    }

    void CaptionsFitTheirPlacesInEveryLanguage()
    {
        QStringList fallos;
        const auto cabe = [&](int idioma, const QString &que, const QString &texto, int ancho, int sitio) {
            if (ancho > sitio)
                fallos << QStringLiteral("%1 %2: \"%3\" needs %4 of %5").arg(idioma).arg(que, texto).arg(ancho).arg(sitio);
        };
        for (int idioma = 0; idioma < 4; ++idioma) {
            Pantalla1 s(idioma);
            TForm1 &f = *s.f;
            QVERIFY(s.m.textos.isEmpty());
            for (QPushButton *b : f.findChildren<QPushButton *>())
                cabe(idioma, b->objectName(), b->text(), QFontMetrics(b->font()).horizontalAdvance(b->text()) + 12,
                     b->width());
            for (QLabel *l : {f.LabelBusTit, f.LabelBusTit2, f.LabelMaster})
                cabe(idioma, l->objectName(), l->text(), QFontMetrics(l->font()).horizontalAdvance(l->text()),
                     l->width());
            const QFontMetrics combo(f.ComboAgru->font());
            for (int i = 0; i < f.ComboAgru->count(); ++i)
                cabe(idioma, "ComboAgru", f.ComboAgru->itemText(i),
                     combo.horizontalAdvance(f.ComboAgru->itemText(i)) + 30, f.ComboAgru->width());
            cabe(idioma, "ComboAgru", f.ComboAgru->placeholderText(),
                 combo.horizontalAdvance(f.ComboAgru->placeholderText()) + 30, f.ComboAgru->width());
            f.BotMenuGradosClick();
            const QFontMetrics ramas(f.Listramas->font());
            for (int i = 0; i < f.Listramas->count(); ++i)
                cabe(idioma, "Listramas", f.Listramas->item(i)->text(),
                     65 + ramas.horizontalAdvance(f.Listramas->item(i)->text()), f.Listramas->width() - 4);
            // Degree names in the grid's first column and in the title panel.
            const QFontMetrics rejilla(f.listgrados->font());
            const QFontMetrics titulo(f.PanelSelTit->font());
            for (int g = 1; g <= s.e.NumGrados; ++g) {
                cabe(idioma, "listgrados", s.Nombre(g), 20 + rejilla.horizontalAdvance(s.Nombre(g)), 375);
                cabe(idioma, "PanelSelTit", s.Nombre(g), titulo.horizontalAdvance(s.Nombre(g)), f.PanelSelTit->width());
            }
            // University lines in the marks grid's first column (bold).
            const QFontMetrics notas(f.GridNotas->font());
            for (int u = 1; u <= s.e.NumUniversidades; ++u) {
                const QString nombre = DesdeAnsi(s.e.NombresUniversidad[u]).trimmed();
                cabe(idioma, "GridNotas", nombre, 20 + notas.horizontalAdvance(nombre), 360);
            }
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join('\n')));
    }
};

QTEST_MAIN(PruebaGrados)
#include "grados_qtest.moc"
