// The degrees screen offscreen on the shipped data: its creation, the
// browser's branch list, grid and trees, a degree's universities and marks,
// the ways back, and captions that fit in every language.
#include "ansi.h"
#include "enlace.h"
#include "grados.h"
#include "grados_dibujo.h"
#include "iconos.h"
#include "navegador_grados.h"
#include "mano.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "transiciones_paneles.h"
#include "universidades_grado.h"
#include "vista_mapa.h"
#include "vista_grados.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data, every screen created through start-up;
// the degrees screen's region-map window only counted.
struct Pantalla1 : ProgramaEntregado {
    explicit Pantalla1(int idioma = 0) : ProgramaEntregado(QStringLiteral("grados"), idioma)
    {
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        if (!creadas)
            return;
        f->VentanaMapa.Mostrar = [this] { ++mostradas; };
        f->VentanaMapa.Ocultar = [this] { ++ocultadas; };
        AbrirPuerta(Tform0::kPuertaCarreras);
    }
    QString Nombre(int g) const { return DesdeAnsi(e.NombresGrado[g]).trimmed(); }

    std::unique_ptr<pruebas::VistaGrados> f;
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
        pruebas::VistaGrados &f = *s.f;
        QVERIFY2(s.m.textos.isEmpty(), qPrintable(s.m.textos.join('|')));
        QVERIFY(!s.e.ErrorFicheros);
        QVERIFY(s.e.NumGrados > 250);
        QVERIFY(s.e.NumUniversidades > 50);
        QCOMPARE(f.pantalla.size(), QSize(1024, 768));
        QCOMPARE(f.pantalla.windowTitle(), s.e.Texto(338));
        QCOMPARE(f.BotMenuGrados->text(), s.e.Texto(523));
        QCOMPARE(f.botinfo2->text(), s.e.Texto(111) + "  " + s.e.Texto(178));
        QCOMPARE(f.ComboAgru->placeholderText(), s.e.Texto(373));
        QCOMPARE(f.ComboAgru->count(), 5);
        const int items[] = {375, 374, 377, 376, 372};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.ComboAgru->itemText(i), s.e.Texto(items[i]));
        QCOMPARE(IconosPequenos().size(), 6);
        QVERIFY(!IconosPequenos()[3].isNull());
        QCOMPARE(IconosRamas()[0].size(), QSize(40, 40));
        QVERIFY(Visible(f.PanelMenu));
        QVERIFY(!Visible(f.PanelTree));
        QVERIFY(!Visible(f.PanelSel));
        QCOMPARE(f.estado.GradoSel, 0);
    }

    void ABranchAndADegreeShowTheUniversitiesByCommunity()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuGrados);
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
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuGrados);
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
    // the universities grid is what the student sees, and the list under it
    // goes, or screen readers would still read it.
    void TheMarksGridTakesThePlaceOfTheRequirementsShownBefore()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuGrados);
        QCOMPARE(f.Listramas->item(4)->text(), QStringLiteral("Ciencias de la Salud"));
        ClicFila(f.Listramas, 4);
        const auto fila = [&](const QString &texto) {
            const auto hallados = f.listgrados->findItems(texto, Qt::MatchExactly);
            return hallados.isEmpty() ? -1 : hallados.first()->row();
        };
        for (const QString &despues : {QStringLiteral("Odontología"), QString()}) {
            ClicFila(f.listgrados, fila(QStringLiteral("Medicina")));
            Pulsar(f.BotReq);
            QVERIFY(Visible(f.ListSel) && !Visible(f.GridNotas));
            if (despues.isEmpty())
                Pulsar(f.BotUni);
            else
                ClicFila(f.listgrados, fila(despues));
            QCOMPARE(f.PanelSelTit->text(), despues.isEmpty() ? QStringLiteral("Medicina") : despues);
            QVERIFY(Visible(f.GridNotas) && !Visible(f.ListSel));
            QCOMPARE(Tapados(&f.pantalla).join(QLatin1Char('|')), QString());
        }
    }

    void ADoubleClickOnTheMarksGridOpensADegreeOnlyOnTheRegionPath()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        // A degree's universities: a double click on one opens nothing.
        Pulsar(f.BotMenuGrados);
        ClicFila(f.Listramas, 5);
        ClicFila(f.listgrados, 1);
        const int elegido = f.estado.GradoSel;
        DobleClicFila(f.GridNotas, 3);
        QCOMPARE(f.estado.GradoSel, elegido);

        // By region, a university's degrees: a heading row opens nothing and
        // a degree's row opens the degree in the browser.
        Pulsar(f.ButtonRetroN);
        Pulsar(f.ButtonRetroN);
        Pulsar(f.BotMenuUni);
        Clic(f.mapa, Pixel(s.e.MapaComunidades, 13));
        ClicFila(f.ListComunidad, Textos(f.ListComunidad).indexOf(QStringLiteral("Universidad Complutense de Madrid")));
        int cabecera = -1, grado = -1;
        for (int r = 1; r < f.GridNotas->rowCount(); ++r) {
            const bool titulo = f.GridNotas->item(r, 0)->text().startsWith('-');
            if (titulo && cabecera < 0)
                cabecera = r;
            if (!titulo && f.estado.GradoEnFilaNotas(r) > 0 && grado < 0)
                grado = r;
        }
        QVERIFY(cabecera > 0 && grado > 0);
        DobleClicFila(f.GridNotas, cabecera);
        QCOMPARE(f.estado.GradoSel, elegido);
        const int otro = f.estado.GradoEnFilaNotas(grado);
        DobleClicFila(f.GridNotas, grado);
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
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuGrados);
        // The grouping box is stepped with the keyboard: first the branch list.
        Enfocar(f.ComboAgru);
        Tecla(f.ComboAgru, Qt::Key_Down);
        QVERIFY(Visible(f.Listramas) && !Visible(f.Tree));
        for (int item = 1; item <= 4; ++item) {
            Tecla(f.ComboAgru, Qt::Key_Down);
            QVERIFY(Visible(f.Tree) && !Visible(f.Listramas) && !Visible(f.listgrados));
            const auto nodos = ArbolDe(s.e, static_cast<Agrupacion>(item + 1));
            int arriba = 0;
            for (const auto &n : nodos)
                arriba += n.nivel == 0;
            QCOMPARE(f.Tree->topLevelItemCount(), arriba);
            QCOMPARE(f.estado.ArbolDeGrupos, item == 1);

            // A heading chooses nothing and opens; then its first degree, or
            // the first degree on top.
            QTreeWidgetItem *cabeza = nullptr;
            QTreeWidgetItem *grado = nullptr;
            for (int i = 0; i < f.Tree->topLevelItemCount(); ++i) {
                QTreeWidgetItem *n = f.Tree->topLevelItem(i);
                QTreeWidgetItem *&primero = n->childCount() > 0 ? cabeza : grado;
                primero = primero ? primero : n;
            }
            const auto pulsar = [&](QTreeWidgetItem *nodo, bool doble) {
                f.Tree->scrollToItem(nodo);
                const QPoint p = f.Tree->visualItemRect(nodo).center();
                doble ? DobleClicEn(f.Tree->viewport(), p) : ClicEn(f.Tree->viewport(), p);
            };
            if (cabeza) {
                const int antes = s.ocultadas;
                pulsar(cabeza, true);
                QCOMPARE(f.PanelSelTit->text(), QString());
                QVERIFY(s.ocultadas > antes);
                QVERIFY(cabeza->isExpanded());
                grado = grado ? grado : cabeza->child(0);
            }
            QVERIFY(grado);
            pulsar(grado, false);
            QVERIFY(f.estado.GradoSel > 0);
            QCOMPARE(f.PanelSelTit->text(), grado->text(0));
            QVERIFY(Visible(f.GridNotas));
        }
        // The first item goes back to the branch list.
        Tecla(f.ComboAgru, Qt::Key_Home);
        QVERIFY(Visible(f.Listramas) && !Visible(f.Tree));
    }

    void ADoubleClickOnATreeNodeChoosesTheDegreeOnce()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuGrados);
        Enfocar(f.ComboAgru);
        Tecla(f.ComboAgru, Qt::Key_End);   // alphabetical: every node is a degree
        QTreeWidgetItem *nodo = f.Tree->topLevelItem(0);
        QVERIFY(nodo);
        const int antes = s.mostradas;
        DobleClicEn(f.Tree->viewport(), f.Tree->visualItemRect(nodo).center());
        QVERIFY(f.estado.GradoSel > 0);
        QCOMPARE(s.mostradas, antes + 1);
    }

    void BackGoesFromGridOrTreeToTheBranchesAndFromThereToTheMenu()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuGrados);
        ClicFila(f.Listramas, 0);
        ClicFila(f.listgrados, 1);
        Pulsar(f.ButtonRetroN);
        QVERIFY(Visible(f.Listramas) && !Visible(f.listgrados));
        ElegirEn(f.ComboAgru, f.ComboAgru->count() - 1);
        QVERIFY(Visible(f.Tree) && !QApplication::activePopupWidget());
        Pulsar(f.ButtonRetroN);
        QVERIFY(Visible(f.Listramas) && !Visible(f.Tree));
        Pulsar(f.ButtonRetroN);
        QVERIFY(!Visible(f.PanelTree));
        QVERIFY(!Visible(f.PanelSel) && !Visible(f.PanelSelTit) && !Visible(f.GridNotas) && !Visible(f.BotUni));
        QVERIFY(Visible(f.PanelMenu));
        QCOMPARE(f.PanelSel->y(), f.estado.TopePanelSel);
        QVERIFY(!f.estado.MenuGradosUsado);
        // Opened again, the browser starts at its branch list.
        Pulsar(f.BotMenuGrados);
        QVERIFY(Visible(f.Listramas) && Visible(f.PanelTree));
    }

    void TheMenuBackButtonShowsTheHomeScreen()
    {
        Pantalla1 s;
        QVERIFY(!s.s().form0->isVisible());
        Pulsar(s.f->BotMenuRetro);
        QVERIFY(s.s().form0->isVisible());
        QVERIFY(!s.f->pantalla.isVisible());
        QVERIFY(!Visible(s.f->PanelMenu));
        s.AbrirPuerta(Tform0::kPuertaCarreras);
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
            pruebas::VistaGrados &f = *s.f;
            QVERIFY(s.m.textos.isEmpty());
            for (QPushButton *b : f.pantalla.findChildren<QPushButton *>())
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
            Pulsar(f.BotMenuGrados);
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
