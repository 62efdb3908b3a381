// The title catalogue in the whole program, on the shipped data: a family's
// five lists, the details of a degree (worded as on the degrees screen), a higher
// cycle and a certificate rolling in and out, notes that open nothing, the
// sliding hint, the printed lists read back from a PDF file, back and close.
#include "asistente.h"
#include "catU.h"
#include "control_por_nombre.h"
#include "enlace.h"
#include "etiquetas.h"
#include "grados.h"
#include "informes.h"
#include "mano.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "transiciones_paneles.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTextEdit>
#include <QtTest>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

struct Programa : ProgramaEntregado {
    explicit Programa(int idioma) : ProgramaEntregado(QStringLiteral("catalogo"), idioma)
    {
        if (!creadas)
            return;
        menu = s().form0;
        cat = s().FormCat.get();
        AbrirPuerta(Tform0::kPuertaCat);
    }
    Tform0 *menu = nullptr;
    TFormCat *cat = nullptr;
};

// The catalogue's controls, by their names.
struct Controles {
    explicit Controles(const TFormCat &c)
        : ListFam(Control<QListWidget>(c, QStringLiteral("ListFam"))),
          ListSel(Control<QTextEdit>(c, QStringLiteral("ListSel"))),
          panelsel(Control<TEffectsPanel>(c, QStringLiteral("panelsel"))),
          fondo(Control<EtiquetaActiva>(c, QStringLiteral("degradeini"))),
          LabelAyu0(Control<QLabel>(c, QStringLiteral("LabelAyu0"))),
          botcerrar(Control<QPushButton>(c, QStringLiteral("botcerrar"))),
          BotRetroceder(Control<QPushButton>(c, QStringLiteral("BotRetroceder"))),
          BotImprimir(Control<QPushButton>(c, QStringLiteral("BotImprimir"))),
          TimerAyu(Control<QTimer>(c, QStringLiteral("TimerAyu")))
    {
        for (int k = 0; k < kListasCatalogo; ++k) {
            ListCat[static_cast<size_t>(k)] = Control<QListWidget>(c, QStringLiteral("ListCat%1").arg(k + 1));
            Label[static_cast<size_t>(k)] = Control<QLabel>(c, QStringLiteral("Label%1").arg(k + 1));
        }
    }
    QListWidget *ListFam;
    QTextEdit *ListSel;
    TEffectsPanel *panelsel;
    EtiquetaActiva *fondo;   // "degradeini", as the frame names every background
    QLabel *LabelAyu0;
    QPushButton *botcerrar, *BotRetroceder, *BotImprimir;
    QTimer *TimerAyu;
    std::array<QListWidget *, kListasCatalogo> ListCat{};
    std::array<QLabel *, kListasCatalogo> Label{};
};

int Fila(QListWidget *l, const QString &texto)
{
    return static_cast<int>(Textos(l).indexOf(texto));
}

} // namespace

class CatalogoQTest : public QObject {
    Q_OBJECT
private slots:
    void ListsAndDetailsOfAFamily();
    void NotesOpenNothing();
    void HintSlidesInOnEveryActivation();
    void PrintsTheFamilyOnceOneIsChosen();
    void BackAndClose();
};

void CatalogoQTest::ListsAndDetailsOfAFamily()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TFormCat &pantalla = *p.cat;
    const Controles c(pantalla);
    QCOMPARE(c.ListFam->count(), 26);
    const int g = Fila(c.ListFam, QStringLiteral("Informática y Comunicaciones"));
    QCOMPARE(g, 15);
    ClicFila(c.ListFam, g);
    QCOMPARE(Textos(c.ListCat[CatSuperior]),
             (QStringList{QStringLiteral("Administración de Sistemas Informáticos en Red"),
                          QStringLiteral("Desarrollo de Aplicaciones Multiplataforma"),
                          QStringLiteral("Desarrollo de Aplicaciones Web")}));
    QCOMPARE(Textos(c.ListCat[CatBasica]),
             (QStringList{QStringLiteral("Informática y Comunicaciones"), QStringLiteral("Informática de Oficina")}));
    QVERIFY(Textos(c.ListCat[CatCertificados]).contains(QStringLiteral("Seguridad informática")));
    QVERIFY(c.ListCat[CatGrados]->count() > 0);
    QVERIFY(c.panelsel->isHidden());

    // A title's detail reads from its first line: the view at its top, the
    // reading point (where the keys and a screen reader go on) at its start.
    const auto desdeElPrincipio = [&] {
        return c.ListSel->verticalScrollBar()->value() == 0 && c.ListSel->textCursor().atStart();
    };
    // A higher cycle: under its list, its requirements with the LOMCE access, its outlets.
    ClicFila(c.ListCat[CatSuperior], 2);
    QVERIFY(c.panelsel->isVisible() && desdeElPrincipio());
    QCOMPARE(c.panelsel->y(), c.ListCat[CatSuperior]->y() + c.ListCat[CatSuperior]->height());
    QCOMPARE(c.panelsel->x(), c.ListFam->x() + c.ListFam->width() + 10);
    QString texto = c.ListSel->toPlainText();
    QVERIFY2(texto.startsWith(QStringLiteral("Requisitos\n")), qPrintable(texto));
    QVERIFY(texto.contains(QStringLiteral("**  Acceso LOMCE **")));
    QVERIFY(texto.contains(QStringLiteral("Salidas profesionales")));

    // A click on the background rolls it out.
    ClicEn(c.fondo, QPoint(200, 720));
    QVERIFY(c.panelsel->isHidden());

    // A degree: its requirements as the degrees screen words them.
    ClicFila(c.ListCat[CatGrados], 0);
    QVERIFY(c.panelsel->isVisible());
    texto = c.ListSel->toPlainText();
    QVERIFY2(texto.contains(QStringLiteral("Materias de Bachillerato recomendadas")), qPrintable(texto));
    QVERIFY(!p.arranque->pantallas.Form1->isVisible());
    Pulsar(c.botcerrar);
    QVERIFY(c.panelsel->isHidden());

    // An intermediate cycle: the access of its section and its jobs, the
    // pop-up over the foot of its list, "Volver" and "Imprimir" in reach.
    QCOMPARE(Textos(c.ListCat[CatMedio]), QStringList{QStringLiteral("Sistemas Microinformáticos y Redes")});
    ClicFila(c.ListCat[CatMedio], 0);
    QVERIFY(c.panelsel->y() > c.ListCat[CatMedio]->y() && desdeElPrincipio());
    texto = c.ListSel->toPlainText();
    QVERIFY2(texto.startsWith(QStringLiteral("Requisitos\nPara entrar en un ciclo de Grado Medio necesitas cumplir\n")),
             qPrintable(texto));
    QVERIFY(texto.contains(QStringLiteral("Salidas profesionales")));
    QCOMPARE(Inalcanzable(c.BotRetroceder), QString());
    QTemporaryDir dir;
    int vistos = 0;
    pantalla.DialogoImprimir = ResponderConPdf(p.e, dir.filePath(QStringLiteral("familia.pdf")), vistos);
    Pulsar(c.BotImprimir);
    QCOMPARE(vistos, 1);
    QVERIFY(TextoPdf(dir.filePath(QStringLiteral("familia.pdf"))).contains(QStringLiteral("-Sistemas Microinform")));
    Pulsar(c.botcerrar);

    // A basic cycle, above its list: its access and what it leads to, as the
    // basic-cycle screen loaded them.
    ClicFila(c.ListCat[CatBasica], 1);
    QCOMPARE(c.panelsel->y(), c.ListCat[CatBasica]->y() - c.panelsel->height() - 2);
    QVERIFY(desdeElPrincipio());
    const QStringList basica = c.ListSel->toPlainText().split('\n');
    QCOMPARE(basica.first(), QStringLiteral("Requisitos de acceso"));
    const auto salidas = basica.indexOf(QStringLiteral("Salidas profesionales"));
    QVERIFY(salidas > 1 && salidas < basica.size() - 1);
    QVERIFY(!basica[salidas + 1].trimmed().isEmpty());

    // A certificate, above its list.
    ClicFila(c.ListCat[CatCertificados], Fila(c.ListCat[CatCertificados], QStringLiteral("Sistemas microinformáticos")));
    QCOMPARE(c.panelsel->y(), c.ListCat[CatCertificados]->y() - c.panelsel->height() - 2);
    QCOMPARE(c.ListSel->toPlainText(),
             QStringLiteral("Requisitos de acceso\nTítulo de Graduado en ESO\nCert. N2/N1 o prueba de GM\n"
                            "Competencias clave nivel 2\nHoras de formación\n510\nSalidas profesionales\n"
                            "Instalar y mantener sistemas y redes de pequeño tamaño."));
}

void CatalogoQTest::NotesOpenNothing()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TFormCat &pantalla = *p.cat;
    const Controles c(pantalla);
    // A family with more rows first, so a stale row would have something to open.
    ClicFila(c.ListFam, 15);
    ClicFila(c.ListFam, 0);
    QCOMPARE(Textos(c.ListCat[CatSuperior]).last(), p.e.Texto(181));
    const int nota = c.ListCat[CatSuperior]->count() - 1;
    QCOMPARE(nota, 2);
    ClicFila(c.ListCat[CatSuperior], nota);
    QVERIFY(c.panelsel->isHidden());
    QCOMPARE(Textos(c.ListCat[CatMedio]).size(), 3);
    ClicFila(c.ListCat[CatMedio], 2);
    QVERIFY(c.panelsel->isHidden());
    // Both real titles open, the second one too.
    ClicFila(c.ListCat[CatSuperior], 1);
    QVERIFY(c.panelsel->isVisible());
    QVERIFY(c.ListSel->toPlainText().contains(QStringLiteral("Salidas profesionales")));

    ClicFila(c.ListFam, 4);   // Artes y Artesanías: a note alone among the intermediate cycles
    QCOMPARE(Textos(c.ListCat[CatMedio]), QStringList{p.e.Texto(177)});
    QVERIFY(c.panelsel->isHidden());
    ClicFila(c.ListCat[CatMedio], 0);
    QVERIFY(c.panelsel->isHidden());
}

void CatalogoQTest::HintSlidesInOnEveryActivation()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TFormCat &pantalla = *p.cat;
    const Controles c(pantalla);
    QCOMPARE(c.LabelAyu0->text(), QStringLiteral("Elige una familia profesional para ver todos sus estudios"));
    // Opened by the door, it starts at 300 and slides to 100.
    QCOMPARE(c.LabelAyu0->x(), 300);
    QTRY_VERIFY_WITH_TIMEOUT(!c.TimerAyu->isActive(), 10000);
    QCOMPARE(c.LabelAyu0->x(), 100);
    // Another window in front, then the catalogue again: it slides in anew.
    p.menu->Mostrar();
    QVERIFY(QTest::qWaitForWindowActive(p.menu));
    pantalla.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&pantalla));
    QVERIFY(c.LabelAyu0->x() > 100 && c.TimerAyu->isActive());
}

void CatalogoQTest::PrintsTheFamilyOnceOneIsChosen()
{
    QTemporaryDir dir;
    for (int idioma = 0; idioma < 4; ++idioma) {
        Programa p(idioma);
        QVERIFY(p.creadas);
        TFormCat &pantalla = *p.cat;
        const Controles c(pantalla);
        // Every family's name shows whole beside its icon, left of the scroll bar.
        for (int i = 0; i < c.ListFam->count(); ++i) {
            const QListWidgetItem *f = c.ListFam->item(i);
            const QFont fuente = f->data(Qt::FontRole).isValid() ? f->font() : c.ListFam->font();
            QVERIFY2(QFontMetrics(fuente).horizontalAdvance(f->text()) <= c.ListFam->viewport()->width() - 32,
                     qPrintable(f->text()));
        }
        const QString pdf = dir.filePath(QStringLiteral("familia%1.pdf").arg(idioma));
        int vistos = 0;
        pantalla.DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);
        QVERIFY(!c.BotImprimir->isEnabled());
        ClicFila(c.ListFam, 25);
        Pulsar(c.BotImprimir);
        QCOMPARE(vistos, 1);
        const QString texto = TextoPdf(pdf, true);
        const QString familia = c.ListFam->item(25)->text();
        QVERIFY2(texto.contains(p.e.Texto(103) + QStringLiteral(": ") + familia), qPrintable(texto));
        // No degree in this family: its caption is left out.
        QCOMPARE(c.ListCat[CatGrados]->count(), 0);
        QVERIFY(!texto.contains(p.e.Texto(299)));
        for (int k = CatSuperior; k < kListasCatalogo; ++k) {
            if (c.ListCat[k]->count() == 0)
                continue;
            QVERIFY2(texto.contains(c.Label[k]->text().trimmed()), qPrintable(c.Label[k]->text()));
            for (const QString &item : Textos(c.ListCat[k]))
                QVERIFY2(texto.contains(QStringLiteral("-") + item), qPrintable(item));
        }
    }
}

void CatalogoQTest::BackAndClose()
{
    Programa p(0);
    QVERIFY(p.creadas);
    TFormCat &pantalla = *p.cat;
    const Controles c(pantalla);
    p.e.DesdeAsistente = true;
    Pulsar(c.BotRetroceder);
    QVERIFY(!pantalla.isVisible());
    QVERIFY(p.arranque->pantallas.Form5->isVisible());
    // The close box goes home, wherever the screen was opened from.
    p.arranque->pantallas.Form5->hide();
    p.AbrirPuerta(Tform0::kPuertaCat);
    pantalla.close();
    QVERIFY(!pantalla.isVisible());
    QVERIFY(p.menu->isVisible());
    QVERIFY(!p.arranque->pantallas.Form5->isVisible());
}

QTEST_MAIN(CatalogoQTest)
#include "catalogo_qtest.moc"
