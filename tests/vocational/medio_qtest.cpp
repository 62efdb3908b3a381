// The intermediate-cycle screen as the program makes it (every screen
// created over the shipped data through start-up) and as a student meets
// it: the menu on entry, the title route down to a title's map and views,
// the place route down to districts and zones, a title opened from the
// centre grid, both reports printed to PDF files read back with pdftotext,
// back, and leaving.
#include "ansi.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "controles_fp.h"
#include "enlace.h"
#include "medio.h"
#include "superior.h"
#include "panel_efectos.h"
#include "impresion_fp.h"
#include "ruta_lugares_fp.h"
#include "informes.h"
#include "itinerarios.h"
#include "aviso.h"
#include "iconos.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "paleta.h"
#include "titulos_medio.h"
#include "vista_mapa.h"

#include <QTemporaryDir>
#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data folder, every screen created, the
// intermediate-cycle screen opened as the main menu's door opens it.
struct Programa : ProgramaEntregado {
    explicit Programa(int idioma) : ProgramaEntregado(QStringLiteral("medio"), idioma)
    {
        if (!creadas)
            return;
        f = s().Form3.get();
        // The menu at once: the helicopter intro has its own test.
        e.IntroHelicoptero = false;
        AbrirPuerta(Tform0::kPuertaFPM);
    }
    TForm3 *f = nullptr;
};

bool MenuVisible(const TForm3 &f)
{
    return Hijo<QPushButton>(f, "botTit2")->isVisible() && Hijo<QPushButton>(f, "botLug2")->isVisible() &&
           Hijo<QPushButton>(f, "botSalir")->isVisible();
}

// Opens group g (0-based row), then family row `familia` of it.
void AbrirFamilia(TForm3 &f, int g, int familia)
{
    Pulsar(Hijo<QPushButton>(f, "botTit2"));
    ClicFila(Hijo<QListWidget>(f, "ListPreFam"), g);
    ClicFila(Hijo<QListWidget>(f, "ListPreFam"), familia);
}

// Whether `icono` is drawn on list `l` at (Left + 2, Top) of row `fila`:
// nearly every opaque pixel of the icon is there as it is.
bool IconoEnFila(QListWidget *l, int fila, const QPixmap &icono)
{
    const QImage lista = l->viewport()->grab().toImage();
    const QPoint en = l->visualItemRect(l->item(fila)).topLeft() + QPoint(2, 0);
    const QImage dibujo = icono.toImage();
    int opacos = 0, iguales = 0;
    for (int y = 0; y < dibujo.height(); ++y)
        for (int x = 0; x < dibujo.width(); ++x) {
            const QColor c = dibujo.pixelColor(x, y);
            if (c.alpha() < 255)
                continue;
            ++opacos;
            const QColor d = lista.pixelColor(en + QPoint(x, y));
            iguales += std::abs(c.red() - d.red()) + std::abs(c.green() - d.green()) + std::abs(c.blue() - d.blue()) < 24;
        }
    return opacos > 20 && iguales * 10 >= opacos * 9;
}

// The student watches the help line until it stops; where the line and
// the small helicopter are then.
std::pair<QPoint, QPoint> Remolcar(TForm3 &f)
{
    if (!QTest::qWaitFor([&] { return !Hijo<QTimer>(f, "TimerAyu")->isActive(); }, 15000))
        QTest::qFail("the help line stops", __FILE__, __LINE__);
    return {Hijo<QLabel>(f, "LabAyuGM")->pos(), Hijo<QLabel>(f, "HeliPeque")->pos()};
}

// The itinerary screen opened by its door, and its button to the
// questionnaire pressed. The itinerary screen stays open under it; the
// window system gives the questionnaire the focus a moment later, and the
// student's next click comes after that.
void AbrirCuestionarioDesdeItinerarios(Programa &p)
{
    p.f->hide();
    p.AbrirPuerta(Tform0::kPuertaIti);
    Pulsar(p.s().Form2->findChild<QPushButton *>(QStringLiteral("BotContinuar")));
    QVERIFY(QTest::qWaitForWindowActive(p.f));
}

// Answers each showing of the name dialog with the next of `pasos` (a name
// typed, or none), pressing Yes; `preguntas` counts the showings.
void ResponderNombres(TForm4 *dialogo, const QStringList &pasos, int &preguntas)
{
    // Polled: the hand's move before a click already runs timers, and the
    // dialog asks again at once after an empty name.
    auto *t = new QTimer(dialogo);
    auto ocupado = std::make_shared<bool>(false);
    QObject::connect(t, &QTimer::timeout, dialogo, [=, &preguntas] {
        if (*ocupado || !dialogo->isVisible() || preguntas >= pasos.size())
            return;
        *ocupado = true;
        const QString nombre = pasos.at(preguntas++);
        if (!nombre.isEmpty())
            Teclear(dialogo->EditNombre, nombre);
        Pulsar(dialogo->ShadowSi);
        *ocupado = false;
    });
    t->start(5);
}

// The first grid row that stands for a title, or -1.
int FilaDeTitulo(const QTableWidget *reja)
{
    for (int r = 0; r < reja->rowCount(); ++r)
        if (reja->item(r, 0) && reja->item(r, 0)->data(RolTitulo).toInt() > 0)
            return r;
    return -1;
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
            QCOMPARE(Hijo<QLabel>(f, "LabelFP1")->text(), e.Texto(512));

            Pulsar(Hijo<QPushButton>(f, "botTit2"));
            QVERIFY(!MenuVisible(f));
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->count(), 9);
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(595));
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->item(0)->text(), DesdeAnsi(e.GruposFamilias[1]).trimmed());

            // Group 1: the back row, its families and the sports section
            // without its mark.
            ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 0);
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->item(0)->text(), e.Texto(82));
            const QString deporte = DesdeAnsi(e.EncabezadosFPMedio[e.NumFamiliasGM]).mid(1).trimmed();
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->item(Hijo<QListWidget>(f, "ListPreFam")->count() - 1)->text(),
                     deporte);
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 301);
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(578));

            // The sports family's titles; the sports title's requirements
            // are the "23" lines.
            ClicFila(Hijo<QListWidget>(f, "ListPreFam"), Hijo<QListWidget>(f, "ListPreFam")->count() - 1);
            QVERIFY(Hijo<QListWidget>(f, "ListTit")->isVisible());
            QCOMPARE(Hijo<QLabel>(f, "Labeltitulo")->text(),
                     deporte + QStringLiteral(" - ") + e.Texto(307) + QStringLiteral("..."));
            QCOMPARE(Hijo<QListWidget>(f, "ListTit")->count(), e.NumFPMedio - e.SeccionGMHasta);
            ClicFila(Hijo<QListWidget>(f, "ListTit"), 0);
            QCOMPARE(f.Estado().TituloSel, e.SeccionGMHasta + 1);
            const QString nombre = DesdeAnsi(e.NombresFPMedio[f.Estado().TituloSel]).trimmed();
            QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
            QVERIFY(Hijo<QTimer>(f, "TimerEstrellas")->isActive());
            for (int tic = 0; tic < 9; ++tic) {
                QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text().isEmpty(), tic > 0 && tic % 2 == 0);
                Hijo<Parpadeo>(f, "TimerParpadeo")->Tic();
            }
            QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), nombre);
            QVERIFY(Hijo<QLabel>(f, "PanelCarSel")->isVisible());
            int marcadas = 0;
            for (int c = 1; c <= 19; ++c)
                marcadas += e.MarcasEstrellas[c] != 0;
            QVERIFY2(marcadas > 0, "the title is taught somewhere");

            Pulsar(Hijo<QPushButton>(f, "BotRequisitos"));
            QVERIFY(Hijo<QListWidget>(f, "listSelFP")->isVisible());
            const QStringList requisitos = Textos(Hijo<QListWidget>(f, "listSelFP"), true);
            QVERIFY(!requisitos.isEmpty());
            for (int k = 1; k <= e.NumRequisitos; ++k)
                if (e.Requisitos[k].compare(0, 2, "23") == 0)
                    QVERIFY(requisitos.contains(DesdeAnsi(e.Requisitos[k].substr(2)).trimmed()));
            Pulsar(Hijo<QPushButton>(f, "BotPuesto"));
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(199));
            QCOMPARE(Textos(Hijo<QListWidget>(f, "listSelFP"), true).value(0),
                     DesdeAnsi(e.AsignaturasFPMedio.En(f.Estado().TituloSel, 1)).trimmed());
            Pulsar(Hijo<QPushButton>(f, "botAsig"));
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(312));
            QVERIFY(Hijo<QListWidget>(f, "listSelFP")->count() >= 20);
            // Only a row that starts with "-" is shaded as a heading.
            const QImage vista = Hijo<QListWidget>(f, "listSelFP")->viewport()->grab().toImage();
            for (int r = 0; r < Hijo<QListWidget>(f, "listSelFP")->count(); ++r) {
                const QRect q =
                    Hijo<QListWidget>(f, "listSelFP")->visualItemRect(Hijo<QListWidget>(f, "listSelFP")->item(r));
                if (q.bottom() >= vista.height())
                    break;
                QCOMPARE(vista.pixelColor(q.right() - 2, q.center().y()) == paleta::ColorFondo,
                         Hijo<QListWidget>(f, "listSelFP")->item(r)->text().startsWith('-'));
            }

            // Back: to the family's titles, then the route closes.
            Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
            QVERIFY(!Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
            QVERIFY(!Hijo<QTimer>(f, "TimerEstrellas")->isActive());
            QVERIFY(Hijo<QListWidget>(f, "ListTit")->isVisible());
            Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
            QVERIFY(!Hijo<TEffectsPanel>(f, "PanelSelec")->isVisible());
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
        Pulsar(Hijo<QPushButton>(f, "botTit2"));
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 5);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 301);
        const QStringList filas = Textos(Hijo<QListWidget>(f, "ListPreFam"), true);
        for (int fam = e.FamiliasAntesDeMarcaGM + 1; fam < e.NumFamiliasGM; ++fam)
            QVERIFY(filas.contains(DesdeAnsi(e.EncabezadosFPMedio[fam]).mid(1).trimmed()));
        // An arts title lists the "22" lines; back to the groups by the back row.
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), Hijo<QListWidget>(f, "ListPreFam")->count() - 1);
        ClicFila(Hijo<QListWidget>(f, "ListTit"), 0);
        QVERIFY(f.Estado().TituloSel >= e.SeccionGMDesde && f.Estado().TituloSel < e.SeccionGMHasta);
        Pulsar(Hijo<QPushButton>(f, "BotRequisitos"));
        const QString primera = DesdeAnsi(LineasRequisitosGM(e.Requisitos, e.NumRequisitos, "22", e.AnchoLista)[0]);
        QCOMPARE(Textos(Hijo<QListWidget>(f, "listSelFP"), true).value(0), primera.trimmed());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 0);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->count(), 9);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 301);
        QVERIFY(!Hijo<QListWidget>(f, "ListTit")->isVisible());

        // A family of a plain group: the list is the short one, and a title
        // below the arts section lists the "13" lines.
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 169);
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
        ClicFila(Hijo<QListWidget>(f, "ListTit"), 0);
        QVERIFY(f.Estado().TituloSel < e.SeccionGMDesde);
        Pulsar(Hijo<QPushButton>(f, "BotRequisitos"));
        QCOMPARE(Hijo<QListWidget>(f, "listSelFP")->count(),
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
        ClicFila(Hijo<QListWidget>(f, "ListTit"), 0);
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
        QEvent activacion(QEvent::WindowActivate);
        QApplication::sendEvent(&f, &activacion);
        f.activateWindow();
        QVERIFY(!MenuVisible(f));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());

        // Leaving hides every route control and shows the main menu.
        f.hide();
        f.Mostrar();
        QVERIFY(MenuVisible(f));
        Pulsar(Hijo<QPushButton>(f, "botSalir"));
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.form0->isVisible());
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isHidden() && Hijo<TEffectsPanel>(f, "PanelSelec")->isHidden());
        f.Mostrar();
        QVERIFY(MenuVisible(f));
        QVERIFY(!Hijo<TEffectsPanel>(f, "PanelSelec")->isVisible());
    }

    // From the itinerary screen's button: options, the statements they
    // match, the titles those lead to; back and forward; leaving.
    void QuestionnaireFromTheItineraryScreen()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        f.hide();
        TForm2 &iti = *p.arranque->pantallas.Form2;
        p.AbrirPuerta(Tform0::kPuertaCuesE);
        Pulsar(pruebas::Hijo<QPushButton>(iti, "botCuestio"));
        QVERIFY(f.isVisible() && !iti.isVisible() && p.e.CuestionarioGM);
        QVERIFY(!MenuVisible(f));
        QVERIFY(Hijo<QListWidget>(f, "ListGM")->isVisible() && Hijo<QPushButton>(f, "BitFleGMde")->isVisible() &&
                Hijo<QPushButton>(f, "BotSalirCues")->isVisible());
        QVERIFY(!Hijo<QPushButton>(f, "BitFleGMiz")->isVisible());
        QCOMPARE(Hijo<QListWidget>(f, "ListGM")->count(), 11);
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListGM"), true).first(), DesdeAnsi(p.e.ListaGM75[1]).trimmed());
        QVERIFY(Hijo<QLabel>(f, "LabAyuGM")->isVisible() && Hijo<QLabel>(f, "LabAyuGM")->text() == p.e.Texto(163));
        // The line and the small helicopter ahead of it stop together.
        QVERIFY(Hijo<QTimer>(f, "TimerAyu")->isActive());
        QCOMPARE(Remolcar(f), std::make_pair(QPoint(274, 120), QPoint(189, 115)));
        QVERIFY(Hijo<QLabel>(f, "LabAyuGM")->isVisible() && Hijo<QLabel>(f, "HeliPeque")->isVisible());
        // Each option with its study icon: the seventh and eighth take 16 and 21.
        const QList<QPixmap> iconos = CargarIconosEstudios();
        for (const auto &[fila, icono] : {std::pair{0, 0}, std::pair{6, 16}, std::pair{7, 21}, std::pair{10, 10}})
            QVERIFY2(IconoEnFila(Hijo<QListWidget>(f, "ListGM"), fila, iconos.at(icono)),
                     qPrintable(QString::number(fila)));

        // Nothing ticked: the arrow does nothing.
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        QVERIFY(Hijo<QListWidget>(f, "ListGM")->isVisible() && !Hijo<QListWidget>(f, "ListGM2")->isVisible());

        // Per ticked option set, the statements expected: those whose first
        // digit is ticked, then those whose second digit is (never 0).
        struct Caso {
            QList<int> filas;
            QString digitos;
        };
        for (const Caso &c : {Caso{{0}, QStringLiteral("1")}, Caso{{9}, QStringLiteral("0")},
                              Caso{{1, 9}, QStringLiteral("20")}}) {
            for (int fila : c.filas)
                ClicFila(Hijo<QListWidget>(f, "ListGM"), fila);
            Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
            QVERIFY(Hijo<QListWidget>(f, "ListGM2")->isVisible() && !Hijo<QListWidget>(f, "ListGM")->isVisible() &&
                    Hijo<QPushButton>(f, "BitFleGMiz")->isVisible());
            QStringList esperadas;
            for (int pasada = 0; pasada < 2; ++pasada)
                for (int j = 1; j <= p.e.NumCuesGM; ++j) {
                    const QString linea = DesdeAnsi(p.e.CuestionesGM[j]);
                    const QChar d = linea.at(pasada);
                    if (c.digitos.contains(d) && !(pasada == 1 && d == QLatin1Char('0')))
                        esperadas << linea.mid(2, 70).trimmed();
                }
            QVERIFY(!esperadas.isEmpty());
            QCOMPARE(Textos(Hijo<QListWidget>(f, "ListGM2"), true), esperadas);
            // Back: the options come back ticked as they were.
            Pulsar(Hijo<QPushButton>(f, "BitFleGMiz"));
            QVERIFY(Hijo<QListWidget>(f, "ListGM")->isVisible() && !Hijo<QListWidget>(f, "ListGM2")->isVisible() &&
                    !Hijo<QPushButton>(f, "BitFleGMiz")->isVisible());
            QList<int> marcadas;
            for (int i = 0; i < Hijo<QListWidget>(f, "ListGM")->count(); ++i)
                if (Hijo<QListWidget>(f, "ListGM")->item(i)->isSelected())
                    marcadas << i;
            QCOMPARE(marcadas, c.filas);
            for (int fila : c.filas)
                ClicFila(Hijo<QListWidget>(f, "ListGM"), fila);
        }

        // Option 1, its first statement: the titles that statement leads to.
        ClicFila(Hijo<QListWidget>(f, "ListGM"), 0);
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        QVERIFY(Hijo<QListWidget>(f, "ListGM2")->isVisible());
        // A later line enters from beyond the edge and stops a step further.
        QCOMPARE(Remolcar(f), std::make_pair(QPoint(264, 120), QPoint(179, 115)));
        ClicFila(Hijo<QListWidget>(f, "ListGM2"), 0);
        int linea = 0;
        for (int j = 1; j <= p.e.NumCuesGM && !linea; ++j)
            if (p.e.CuestionesGM[j][0] == '1')
                linea = j;
        QStringList titulos;
        for (int t = 1; t <= p.e.NumFPMedio; ++t)
            for (int campo = 5; campo <= 7; ++campo)
                if (p.e.TablaFPMedio.En(t, campo) == linea && !titulos.contains(DesdeAnsi(p.e.NombresFPMedio[t]).trimmed()))
                    titulos << DesdeAnsi(p.e.NombresFPMedio[t]).trimmed();
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        QVERIFY(Hijo<QListWidget>(f, "ListGM")->isVisible() && !Hijo<QListWidget>(f, "ListGM2")->isVisible() &&
                !Hijo<QPushButton>(f, "BitFleGMde")->isVisible());
        QVERIFY(!titulos.isEmpty());
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListGM"), true), titulos);
        QCOMPARE(Hijo<QLabel>(f, "LabAyuGM")->text(), p.e.Texto(189));
        QVERIFY(IconoEnFila(Hijo<QListWidget>(f, "ListGM"), 0, IconosPequenos().at(3)));
        // Back to the statements, still ticked, and forward again.
        Pulsar(Hijo<QPushButton>(f, "BitFleGMiz"));
        QVERIFY(Hijo<QListWidget>(f, "ListGM2")->isVisible() &&
                Hijo<QListWidget>(f, "ListGM2")->item(0)->isSelected() &&
                Hijo<QPushButton>(f, "BitFleGMde")->isVisible());
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListGM"), true), titulos);

        Remolcar(f);
        // A title opens on the map; the list shrinks into the mini list.
        ClicFila(Hijo<QListWidget>(f, "ListGM"), 0);
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() &&
                Hijo<QPushButton>(f, "BotImprimirCuesGM")->isVisible());
        QVERIFY(!Hijo<QPushButton>(f, "BotPuesto")->isVisible() &&
                !Hijo<QPushButton>(f, "BotRetrocederFP")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(Hijo<QListWidget>(f, "ListPeque")->isVisible(), 8000);
        QVERIFY(!Hijo<QListWidget>(f, "ListGM")->isVisible() && Hijo<QLabel>(f, "LabelPeque")->isVisible());
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListPeque"), true), titulos);
        QCOMPARE(Hijo<QLabel>(f, "LabAyuGM")->text(), titulos.first());
        QVERIFY(Hijo<QLabel>(f, "LabAyuGM")->isVisible() && !Hijo<QLabel>(f, "HeliPeque")->isVisible());
        QVERIFY(IconoEnFila(Hijo<QListWidget>(f, "ListPeque"), 0, IconosPequenos().at(3)));
        // A community that teaches it lists its centres.
        const QString ninguno = p.e.Texto(292).trimmed();
        int comunidad = 1;
        for (; comunidad < 20; ++comunidad) {
            Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(p.e.MapaComunidades, comunidad));
            if (Hijo<QTableWidget>(f, "reja")->isVisible() && Hijo<QTableWidget>(f, "reja")->rowCount() > 0 &&
                Hijo<QTableWidget>(f, "reja")->item(0, 0)->text().trimmed() != ninguno)
                break;
        }
        QVERIFY(comunidad < 20);
        const QString centro = Hijo<QTableWidget>(f, "reja")
                                   ->item(1, 0)
                                   ->text()
                                   .split(QStringLiteral("  "), Qt::SkipEmptyParts)
                                   .last()
                                   .trimmed();
        // The same community again: its block is not repeated.
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(p.e.MapaComunidades, comunidad));

        // The report, with the name asked until one is typed.
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cuestionario.pdf"));
        int vistos = 0;
        p.f->DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);
        int preguntas = 0;
        ResponderNombres(p.s().Form4, {QString(), QStringLiteral("Lucía Pérez")}, preguntas);
        Pulsar(Hijo<QPushButton>(f, "BotImprimirCuesGM"));
        QCOMPARE(preguntas, 2);
        QCOMPARE(vistos, 1);
        QCOMPARE(f.UltimaImpresion, ResultadoInforme::Hecho);
        QCOMPARE(p.e.NombreCursoAlumno, QStringLiteral("Lucía Pérez"));
        const QString texto = TextoPdf(pdf);
        for (const QString &esperado :
             {QStringLiteral("Lucía Pérez"), p.e.Texto(594).trimmed(),
              Textos(Hijo<QListWidget>(f, "ListGM2"), true).first(), p.e.Texto(595).trimmed(), p.e.Texto(190).trimmed(),
              titulos.first(), p.e.Texto(592).trimmed(), p.e.Texto(593).trimmed() + QLatin1Char(':'), centro,
              DesdeAnsi(p.e.ListaGM75[1]).trimmed()})
            QVERIFY2(texto.contains(esperado), qPrintable(esperado));
        QCOMPARE(texto.count(p.e.Texto(592).trimmed()), 1);
        // Another title from the mini list, then back to the title list.
        if (titulos.size() > 1) {
            ClicFila(Hijo<QListWidget>(f, "ListPeque"), 1);
            QCOMPARE(Hijo<QLabel>(f, "LabAyuGM")->text(), titulos.at(1));
            QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() &&
                    !Hijo<QPushButton>(f, "BotImprimirCuesGM")->isVisible());
        }
        // A balloon of the intro still on the screen goes with its pilot.
        f.Intro().Entrar(true);
        for (int guarda = 0; guarda < 200 && f.Intro().Bocadillo() == 0; ++guarda)
            f.Intro().PilotoEnMarcha() ? f.Intro().TickPiloto() : void(f.Intro().TickVuelo());
        QCOMPARE(f.Intro().Bocadillo(), 1);
        Pulsar(Hijo<QPushButton>(f, "BitFleGMiz"));
        QVERIFY(Hijo<QListWidget>(f, "ListGM")->isVisible() && !Hijo<QWidget>(f, "PanelEstrellas")->isVisible() &&
                !Hijo<QListWidget>(f, "ListPeque")->isVisible());
        QVERIFY(f.Intro().Bocadillo() == 0 && f.Intro().Fotograma() == -1);
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListGM"), true), titulos);
        // Each step back brings that step's help line in again.
        for (const QString &ayuda : {p.e.Texto(189), p.e.Texto(164) + QLatin1Char(' ') + p.e.Texto(165), p.e.Texto(163)}) {
            QCOMPARE(Hijo<QLabel>(f, "LabAyuGM")->text(), ayuda);
            QCOMPARE(Remolcar(f).first, QPoint(264, 120));
            if (ayuda != p.e.Texto(163))
                Pulsar(Hijo<QPushButton>(f, "BitFleGMiz"));
        }

        // Leaving goes back to the itinerary screen.
        Pulsar(Hijo<QPushButton>(f, "BotSalirCues"));
        QVERIFY(!f.isVisible() && iti.isVisible() && !p.e.CuestionarioGM);
        QVERIFY(Hijo<QListWidget>(f, "ListGM")->isHidden() && Hijo<QPushButton>(f, "BitFleGMiz")->isHidden() &&
                Hijo<QPushButton>(f, "BotSalirCues")->isHidden());

        // The eleventh option is the place route.
        AbrirCuestionarioDesdeItinerarios(p);
        QVERIFY(f.isVisible() && Hijo<QListWidget>(f, "ListGM")->isVisible());
        QVERIFY(!Hijo<QListWidget>(f, "ListGM")->item(0)->isSelected());
        ClicFila(Hijo<QListWidget>(f, "ListGM"), 10);
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        QVERIFY(!p.e.CuestionarioGM && f.EstadoRuta().RutaPorLugar);
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() && Hijo<QListWidget>(f, "ListGM")->isHidden() &&
                Hijo<QPushButton>(f, "BotSalirCues")->isHidden());

        // Opened from the assistant, leaving goes back to it; opened by
        // another door, the screen shows its menu and nothing of the mode.
        p.e.DesdeAsistente = true;
        AbrirCuestionarioDesdeItinerarios(p);
        QVERIFY(Hijo<QListWidget>(f, "ListGM")->isVisible() && !Hijo<QListWidget>(f, "ListGM")->item(10)->isSelected());
        ClicFila(Hijo<QListWidget>(f, "ListGM"), 2);
        Pulsar(Hijo<QPushButton>(f, "BitFleGMde"));
        Pulsar(Hijo<QPushButton>(f, "BotSalirCues"));
        QVERIFY(!f.isVisible() && p.arranque->pantallas.Por(Papel::Asistente)->isVisible());
        p.e.CuestionarioGM = true;
        p.e.DesdeAsistente = false;
        f.Mostrar();
        f.hide();
        p.e.CuestionarioGM = false;
        f.Mostrar();
        QVERIFY(MenuVisible(f) && Hijo<QListWidget>(f, "ListGM")->isHidden() &&
                Hijo<QPushButton>(f, "BitFleGMde")->isHidden() && Hijo<QLabel>(f, "LabAyuGM")->isHidden());
    }

    // The report holds the centres of the titles it lists: a title the
    // student left by going back takes its centres with it.
    void QuestionnaireReportForgetsTheCentresOfATitleLeft()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        AbrirCuestionarioDesdeItinerarios(p);
        ClicFila(Hijo<QListWidget>(f, "ListGM"), 6);
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BitFleGMde")));
        const QStringList frases = Textos(Hijo<QListWidget>(f, "ListGM2"), true);
        const int enfermos = frases.indexOf(QStringLiteral("Me gustaría cuidar a enfermos en un hospital"));
        const int farmacia = frases.indexOf(QStringLiteral("Me atrae trabajar en una farmacia"));
        QVERIFY(enfermos >= 0 && farmacia >= 0);
        ClicFila(Hijo<QListWidget>(f, "ListGM2"), enfermos);
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BitFleGMde")));
        const QString auxiliar = QStringLiteral("Cuidados Auxiliares de Enfermería");
        ClicFila(Hijo<QListWidget>(f, "ListGM"), Textos(Hijo<QListWidget>(f, "ListGM"), true).indexOf(auxiliar));
        QTRY_VERIFY_WITH_TIMEOUT(Hijo<QListWidget>(f, "ListPeque")->isVisible(), 8000);
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(p.e.MapaComunidades, kComunidadZonas));
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > 1 &&
                Hijo<QPushButton>(f, "BotImprimirCuesGM")->isVisible());

        // Back twice, the pharmacy instead, forward; its title opened and printed.
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BitFleGMiz")) && Pulsar(Hijo<QPushButton>(f, "BitFleGMiz")));
        ClicFila(Hijo<QListWidget>(f, "ListGM2"), enfermos);
        ClicFila(Hijo<QListWidget>(f, "ListGM2"), farmacia);
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BitFleGMde")));
        const QStringList titulos = Textos(Hijo<QListWidget>(f, "ListGM"), true);
        QVERIFY(!titulos.isEmpty() && !titulos.contains(auxiliar));
        ClicFila(Hijo<QListWidget>(f, "ListGM"), 0);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cuestionario.pdf"));
        int vistos = 0, preguntas = 0;
        f.DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);
        ResponderNombres(p.s().Form4, {QStringLiteral("Ana")}, preguntas);
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BotImprimirCuesGM")));
        QCOMPARE(vistos, 1);
        const QString texto = TextoPdf(pdf);
        QVERIFY(texto.contains(titulos.first()));
        QVERIFY2(!texto.contains(auxiliar) && !texto.contains(p.e.Texto(592).trimmed()), qPrintable(texto));
    }

    // The higher-cycle screen's "all FP" reads the intermediate and basic
    // offers the itinerary and basic-cycle screens load when start-up makes
    // them: a centre with only those levels is listed too.
    void AllFPOnTheHigherCycleScreenListsEveryLevel()
    {
        Programa p(0);
        QVERIFY(p.f);
        p.f->hide();
        TForm8 &g = *p.arranque->pantallas.Form8;
        p.AbrirPuerta(Tform0::kPuertaFpS);
        Pulsar(Hijo<QPushButton>(g, "MenuFP2"));
        Clic(Hijo<VistaMapa>(g, "mapa"), Pixel(p.e.MapaComunidades, 1));
        const int cordoba = Textos(Hijo<QListWidget>(g, "ListSelLugFP"), true).indexOf(QStringLiteral("Córdoba"));
        QVERIFY(cordoba >= 0);
        ClicFila(Hijo<QListWidget>(g, "ListSelLugFP"), cordoba);
        ClicFila(Hijo<QListWidget>(g, "ListSelLugFP"),
                 Textos(Hijo<QListWidget>(g, "ListSelLugFP"), true).indexOf(QStringLiteral("Cabra")));
        Pulsar(Hijo<QPushButton>(g, "botTodaFP"));
        const int priego = Textos(Hijo<QListWidget>(g, "ListSelLugFP"), true).indexOf(QStringLiteral("Priego Córdoba"));
        QVERIFY2(priego >= 0, qPrintable(Textos(Hijo<QListWidget>(g, "ListSelLugFP"), true).join('|')));
        ClicFila(Hijo<QListWidget>(g, "ListSelLugFP"), priego);
        QStringList filas;
        for (int i = 0; i < Hijo<QTableWidget>(g, "reja")->rowCount(); ++i)
            filas << (Hijo<QTableWidget>(g, "reja")->item(i, 0) ? Hijo<QTableWidget>(g, "reja")->item(i, 0)->text()
                                                                : QString());
        const QString todo = filas.join('\n');
        QVERIFY2(todo.contains(QStringLiteral("\nGM ")) && todo.contains(QStringLiteral("\nFP Básica ")), qPrintable(todo));
        // The centre with no higher cycle is listed, its intermediate cycles first.
        int centro = 0;
        while (centro < filas.size() && !filas[centro].contains(QStringLiteral("IES Álvarez Cubero")))
            ++centro;
        QVERIFY2(centro + 1 < filas.size(), qPrintable(todo));
        QVERIFY2(filas[centro + 1].startsWith(QStringLiteral("GM ")), qPrintable(filas.mid(centro, 6).join('\n')));
    }

    void PlacesDistrictsZonesAndTheCentreList()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        Enlace &e = p.e;
        QTemporaryDir dir;
        int vistos = 0;
        const QString pdf = dir.filePath(QStringLiteral("lista.pdf"));
        p.f->DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);

        Pulsar(Hijo<QPushButton>(f, "botLug2"));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() && Hijo<QTableWidget>(f, "reja")->isVisible());
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 0);
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(190) + QStringLiteral(" - ") + e.Texto(390));
        // The hover caption holds every community's whole name.
        for (int c = 1; c <= 19; ++c) {
            const QPoint q = Pixel(e.MapaComunidades, c);
            Mover(Hijo<VistaMapa>(f, "mapa"), Hijo<VistaMapa>(f, "mapa")->PuntoDe(q.x(), q.y()));
            QVERIFY2(
                Hijo<QLabel>(f, "PanelMapa")->fontMetrics().horizontalAdvance(Hijo<QLabel>(f, "PanelMapa")->text()) <
                    Hijo<QLabel>(f, "PanelMapa")->width(),
                qPrintable(Hijo<QLabel>(f, "PanelMapa")->text()));
        }

        // Andalucía, Sevilla, Utrera; back to the map and the same path
        // again: the grid keeps its caption.
        for (int vez = 0; vez < 2; ++vez) {
            Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 1));
            ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"),
                     Textos(Hijo<QListWidget>(f, "ListSelLugFP"), true).indexOf(QStringLiteral("Sevilla")));
            ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"),
                     Textos(Hijo<QListWidget>(f, "ListSelLugFP"), true).indexOf(QStringLiteral("Utrera")));
            QVERIFY2(Hijo<QTableWidget>(f, "reja")->rowCount() > 0 && Hijo<QLabel>(f, "PanelSelTit")->isVisible(),
                     qPrintable(QString::number(vez)));
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(190) + QStringLiteral(" - ") + e.Texto(390));
            QVERIFY(Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP")) && Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP")));
            QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
        }

        // Cantabria has one province: its localities at once, named after it.
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 6));
        QVERIFY(Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        QVERIFY(f.EstadoRuta().LocalidadesListadas);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), QStringLiteral("Cantabria"));
        const int santander = Textos(Hijo<QListWidget>(f, "ListSelLugFP"), true).indexOf(QStringLiteral("Santander"));
        QVERIFY(santander >= 0);
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), santander);
        const int filas = Hijo<QTableWidget>(f, "reja")->rowCount();
        QVERIFY(filas > 0);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->item(0, 0)->text().startsWith('-'));
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), e.Texto(190) + QStringLiteral(" - ") + e.Texto(390));
        // All FP and back: the intermediate list again.
        // Each toggle lists the localities again, to be picked anew.
        Pulsar(Hijo<QPushButton>(f, "BotTodoFP"));
        QCOMPARE(Hijo<QPushButton>(f, "BotTodoFP")->text(), e.Texto(390));
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), santander);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > filas);
        Pulsar(Hijo<QPushButton>(f, "BotTodoFP"));
        QCOMPARE(Hijo<QPushButton>(f, "BotTodoFP")->text(), e.Texto(391));
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), santander);
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), filas);

        // The list printed: its heading names the province and the level,
        // no line is bold.
        Pulsar(Hijo<QPushButton>(f, "BotImprimir"));
        QCOMPARE(vistos, 1);
        QCOMPARE(DesdeAnsi(e.LineasInforme[0]), QStringLiteral("Oferta educativa: Cantabria - FP Grado Medio"));
        QCOMPARE(e.LineasNegrita[0], 0);
        QVERIFY(e.NumLineasCuestionario > 0);
        const QString texto = TextoPdf(pdf);
        QVERIFY2(texto.contains(QStringLiteral("Oferta educativa: Cantabria - FP Grado Medio")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("IES Pe\u00f1acastillo")));

        // A title row of the grid opens that title's view.
        const int fila = FilaDeTitulo(Hijo<QTableWidget>(f, "reja"));
        QVERIFY(fila >= 0);
        const int titulo = Hijo<QTableWidget>(f, "reja")->item(fila, 0)->data(RolTitulo).toInt();
        Hijo<QTableWidget>(f, "reja")->scrollToItem(Hijo<QTableWidget>(f, "reja")->item(fila, 0));
        const QPoint celda =
            Hijo<QTableWidget>(f, "reja")->visualItemRect(Hijo<QTableWidget>(f, "reja")->item(fila, 0)).center();
        DobleClicEn(Hijo<QTableWidget>(f, "reja")->viewport(), celda);
        QCOMPARE(f.Estado().TituloSel, titulo);
        QVERIFY(f.EstadoRuta().RutaPorTitulo && !f.EstadoRuta().RutaPorLugar);
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() && Hijo<QPushButton>(f, "BotRequisitos")->isVisible());
        QVERIFY(!Hijo<QListWidget>(f, "ListSelLugFP")->isVisible() && !Hijo<QTableWidget>(f, "reja")->isVisible());
        // Back from it: the groups, then the menu.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->count(), 9);
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(MenuVisible(f));

        // Catalonia opens its district map and lists nothing until a district is picked.
        Pulsar(Hijo<QPushButton>(f, "botLug2"));
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 9));
        QVERIFY(Hijo<VistaMapa>(f, "mapac")->isVisible() && !Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 0);
        QVERIFY(!Hijo<QPushButton>(f, "BotImprimir")->isVisible());
        Clic(Hijo<VistaMapa>(f, "mapac"), Pixel(e.MapaRegionesC, 1));
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > 0);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), DesdeAnsi(e.NombresComarcas[1]).trimmed());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() && !Hijo<VistaMapa>(f, "mapac")->isVisible());

        // Madrid: its zone map, then a zone's centres under "Madrid".
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 13));
        QVERIFY(Hijo<VistaMapa>(f, "mapam")->isVisible());
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 0);
        Clic(Hijo<VistaMapa>(f, "mapam"), Pixel(e.MapaRegionesM, 1));
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > 0);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), QStringLiteral("Madrid"));
        Pulsar(Hijo<QPushButton>(f, "BotImprimir"));
        QCOMPARE(vistos, 2);
        QCOMPARE(DesdeAnsi(e.LineasInforme[0]), QStringLiteral("Oferta educativa: Madrid - FP Grado Medio"));
        // Back twice: the map, then the menu.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(MenuVisible(f) && !Hijo<TEffectsPanel>(f, "PanelSelec")->isVisible());
    }

    // Back from a community's localities, provinces, districts or zones
    // shows the map with the way back beside it; back from the map closes
    // the route. The same on the route the questionnaire's last option opens.
    void BackFromAPlaceListShowsTheMapAndAWayBack()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        for (const auto &[cuestionario, comunidad] : {std::pair{false, 3}, std::pair{false, 1},
                                                      std::pair{false, kComunidadComarcas},
                                                      std::pair{false, kComunidadZonas}, std::pair{true, 3}}) {
            const QByteArray caso = QByteArray::number(comunidad) + (cuestionario ? " (questionnaire)" : "");
            if (cuestionario) {
                AbrirCuestionarioDesdeItinerarios(p);
                ClicFila(Hijo<QListWidget>(f, "ListGM"), 10);
            }
            QVERIFY(Pulsar(cuestionario ? Hijo<QPushButton>(f, "BitFleGMde") : Hijo<QPushButton>(f, "botLug2")));
            Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(p.e.MapaComunidades, comunidad));
            QVERIFY2(!Hijo<QWidget>(f, "PanelEstrellas")->isVisible() &&
                         Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP")),
                     caso);
            QVERIFY2(Hijo<QWidget>(f, "PanelEstrellas")->isVisible() &&
                         Inalcanzable(Hijo<QPushButton>(f, "BotRetrocederFP")).isEmpty(),
                     caso);
            QVERIFY2(Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP")), caso);
            QVERIFY2(MenuVisible(f) && !Hijo<TEffectsPanel>(f, "PanelSelec")->isVisible() &&
                         !Hijo<QWidget>(f, "PanelEstrellas")->isVisible(),
                     caso);
        }
    }

    void TitleSheetPrintedWithItsNameWhileTheCaptionBlinks()
    {
        Programa p(0);
        QVERIFY(p.f);
        TForm3 &f = *p.f;
        Enlace &e = p.e;
        QTemporaryDir dir;
        int vistos = 0;
        const QString pdf = dir.filePath(QStringLiteral("titulo.pdf"));
        QList<int> negritas;
        p.f->DialogoImprimir = ResponderConPdf(p.e, pdf, vistos, [&] {
            negritas.clear();
            for (int k = 0; k <= p.e.LineasNegrita[0]; ++k)
                negritas << p.e.LineasNegrita[k];
        });

        // Sanidad's first title, printed while its caption is blank.
        AbrirFamilia(f, 7, 1);
        ClicFila(Hijo<QListWidget>(f, "ListTit"), 0);
        const QString nombre = DesdeAnsi(e.NombresFPMedio[f.Estado().TituloSel]).trimmed();
        Hijo<Parpadeo>(f, "TimerParpadeo")->Tic();
        Hijo<Parpadeo>(f, "TimerParpadeo")->Tic();
        QVERIFY(Hijo<QLabel>(f, "PanelCarSel")->text().isEmpty());
        Pulsar(Hijo<QPushButton>(f, "BotImprimir"));
        if (f.SeleccionInforme().SeleccionImpresion) {
            // Too long over all communities: the student picks two.
            QCOMPARE(vistos, 0);
            QVERIFY(Hijo<QWidget>(f, "PanelImp")->isVisible());
            Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 6));
            Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(e.MapaComunidades, 2));
            QCOMPARE(Hijo<QListWidget>(f, "ListImp")->count(), 2);
            Pulsar(Hijo<QPushButton>(f, "BotAceptar"));
        }
        QCOMPARE(vistos, 1);
        QCOMPARE(DesdeAnsi(e.LineasInforme[0]), nombre + QStringLiteral(" (FP Grado Medio)"));
        QCOMPARE(DesdeAnsi(e.LineasInforme[1]), QStringLiteral("** Requisitos de acceso **"));
        // The three headings, then the community headings from entry 4 on.
        QVERIFY(negritas.size() >= 5 && negritas[0] == negritas.size() - 1);
        QCOMPARE(negritas[1], 1);
        for (int k = 1; k <= 3; ++k)
            QVERIFY(DesdeAnsi(e.LineasInforme[negritas[k]]).startsWith(QStringLiteral("** ")));
        for (int k = 4; k < negritas.size(); ++k)
            QVERIFY(DesdeAnsi(e.LineasInforme[negritas[k]]).startsWith(QStringLiteral("***  ")));
        // The preview in the views' list.
        QCOMPARE(Hijo<QListWidget>(f, "listSelFP")->count(), e.NumLineasCuestionario);
        QVERIFY(Hijo<QListWidget>(f, "listSelFP")->item(0)->font().bold());
        const QString texto = TextoPdf(pdf);
        for (const QString &s : {nombre + QStringLiteral(" (FP Grado Medio)"), QStringLiteral("** Puestos de trabajo **"),
                                 QString(34, '_'), QStringLiteral("-D\u00d3NDE SE PUEDE ESTUDIAR")})
            QVERIFY2(texto.contains(s), qPrintable(s));
        QVERIFY(!f.Estado().Imprimiendo);
    }
};

QTEST_MAIN(PruebaMedio)
#include "medio_qtest.moc"
