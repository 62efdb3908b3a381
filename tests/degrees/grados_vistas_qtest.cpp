// The degrees screen with its region-map window, offscreen on the shipped
// data: the map that follows a degree's universities and double degrees,
// the double-degree menu, requirements, outlets and masters, the register
// link, and how each view looks in every language.
#include "ansi.h"
#include "dobles_grado.h"
#include "enlace.h"
#include "escritorio_registrado.h"
#include "grados.h"
#include "MapaEstrellas.h"
#include "mano.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "requisitos_grado.h"
#include "salidas_grado.h"
#include "transiciones_paneles.h"
#include "universidades_grado.h"
#include "vista_mapa.h"
#include "vista_grados.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <QTimer>
#include <memory>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data, the degrees screen with its region-map
// window opened by the main menu's door.
struct Pantallas17 : pruebas::ProgramaEntregado {
    explicit Pantallas17(int idioma = 0) : ProgramaEntregado(QStringLiteral("grados-vistas"), idioma)
    {
        mapa = s().Form7.get();
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        if (creadas)
            AbrirPuerta(Tform0::kPuertaCarreras);
    }
    // A degree chosen in the browser, as the student does it.
    void Elegir(int g)
    {
        // From the start menu, or from a listing back to the branches.
        Pulsar(f->BotMenuGrados->isVisible() ? f->BotMenuGrados : f->ButtonRetroN);
        ClicFila(f->Listramas, 5);   // every degree
        for (int fila = 0; fila < f->listgrados->rowCount(); ++fila)
            if (f->estado.GradoEnFila(fila) == g) {
                ClicFila(f->listgrados, fila);
                return;
            }
        QFAIL("the degree is not in the list of every degree");
    }
    // The information sub-menu opened by the mouse, and its masters button.
    void Master()
    {
        PosarEn(f->BotMenuInfo, {5, 5});
        Pulsar(f->BotMaster);
    }
    // The degree taught at most universities, and one in no double degree.
    int GradoMasUniversidades() const
    {
        int mejor = 1;
        for (int g = 1; g <= e.NumGrados; ++g)
            if (e.NotasCorteUni.En(g, 0) > e.NotasCorteUni.En(mejor, 0))
                mejor = g;
        return mejor;
    }
    int GradoConDobles(bool con) const
    {
        for (int g = 1; g <= e.NumGrados; ++g)
            if (LineasDobles(e, g).empty() != con)
                return g;
        return 0;
    }
    QString Nombre(int g) const { return DesdeAnsi(e.NombresGrado[g]).trimmed(); }
    void PulsarComunidad(int c)
    {
        ClicEn(pruebas::Control<VistaMapa>(*mapa, QStringLiteral("MapaEstrellas")), QPoint(e.PosicionComunidadX[c], e.PosicionComunidadY[c]));
    }

    TForm7 *mapa = nullptr;
    // The region map's pulse.
    QTimer *PulsoMapa() const { return pruebas::Control<QTimer>(*mapa, QStringLiteral("TimerEstrellas")); }
    std::unique_ptr<pruebas::VistaGrados> f;
};

// The width a list's rows have, with the vertical scroll bar showing.
int AnchoUtil(const QAbstractScrollArea *v)
{
    return v->width() - 2 * v->frameWidth() - v->verticalScrollBar()->sizeHint().width();
}

bool HayColor(const QImage &imagen, const QColor &color)
{
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (imagen.pixelColor(x, y) == color)
                return true;
    return false;
}

QStringList Lineas(const std::vector<std::string> &lineas)
{
    QStringList r;
    for (const auto &l : lineas)
        r << DesdeAnsi(l);
    return r;
}

} // namespace

class PruebaVistasGrados : public QObject {
    Q_OBJECT

private slots:
    void TheMapFollowsTheUniversitiesAndScrollsToACommunity()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        const int g = s.GradoMasUniversidades();
        s.Elegir(g);
        QVERIFY(s.mapa->isVisible());
        QVERIFY(s.PulsoMapa()->isActive());
        const auto u = UniversidadesDeGrado(s.e, g, HaciaAnsi(s.e.Texto(593)));
        for (int c = 1; c <= 19; ++c)
            QCOMPARE(s.e.MarcasEstrellas[c] == 1, u.MarcasEstrellas[static_cast<size_t>(c)]);

        // The community whose block starts furthest down and still fits a page.
        QVERIFY(QTest::qWaitForWindowExposed(s.mapa));
        int elegida = 0;
        const int filasPorPagina = f.GridNotas->viewport()->height() / f.GridNotas->rowHeight(1);
        for (int c = 1; c <= 19; ++c) {
            const int fila = s.e.FilaComunidadNotas[c];
            if (fila > 0 && fila + filasPorPagina <= f.GridNotas->rowCount() &&
                (!elegida || fila > s.e.FilaComunidadNotas[elegida]))
                elegida = c;
        }
        QVERIFY2(elegida > 0 && s.e.FilaComunidadNotas[elegida] > 3, "a degree with a long list");
        // The heading row is fixed: the list scrolls under it, and it looks
        // the same (maroon title on aqua) after the scroll.
        QCOMPARE(f.GridNotas->rowAt(0), 1);
        const int marco = f.GridNotas->frameWidth();
        const QRect franja(f.GridNotas->pos() + QPoint(marco, marco),
                           QSize(f.GridNotas->viewport()->width(), f.GridNotas->rowHeight(1)));
        const QImage cabecera = f.PanelSel->grab(franja).toImage();
        QVERIFY(HayColor(cabecera, QColor(128, 0, 0)) && HayColor(cabecera, QColor(0, 255, 255)));
        // Screen readers name the columns by the two heading rows: the title
        // without its heading dash, and the marks' legend under it.
        const auto columna = [&](int col) { return f.GridNotas->model()->headerData(col, Qt::Horizontal).toString(); };
        QCOMPARE(columna(0), f.GridNotas->item(0, 0)->text().mid(1).simplified());
        QCOMPARE(columna(1), f.GridNotas->item(1, 1)->text().simplified());
        QVERIFY(!columna(1).isEmpty());
        s.PulsarComunidad(elegida);
        QCOMPARE(f.estado.ComunidadSel, elegida);
        QCOMPARE(f.GridNotas->rowAt(0), s.e.FilaComunidadNotas[elegida]);
        QVERIFY(f.GridNotas->item(f.GridNotas->rowAt(0), 0)->text().startsWith(QStringLiteral("- ")));
        QCOMPARE(f.PanelSel->grab(franja).toImage(), cabecera);

        // A community without the degree leaves the grid where it is.
        int sin = 0;
        for (int c = 1; c <= 19 && !sin; ++c)
            if (s.e.FilaComunidadNotas[c] == 0)
                sin = c;
        if (sin) {
            s.PulsarComunidad(sin);
            QCOMPARE(f.GridNotas->rowAt(0), s.e.FilaComunidadNotas[elegida]);
        }
        // A row left from a longer list than the grid holds now moves nothing
        // (what the map's click asks of the grid, asked directly).
        const int arriba = f.GridNotas->rowAt(0);
        f.pantalla.DesplazarNotas(f.GridNotas->rowCount());
        f.pantalla.DesplazarNotas(-3);
        QCOMPARE(f.GridNotas->rowAt(0), arriba);

        // The views that leave the grid take the map away and stop its pulse.
        Pulsar(f.BotReq);
        QVERIFY(!s.mapa->isVisible());
        QVERIFY(!s.PulsoMapa()->isActive());
        Pulsar(f.BotUni);
        QVERIFY(s.mapa->isVisible());
        Pulsar(f.BotSal);
        QVERIFY(!s.mapa->isVisible());
        Pulsar(f.BotUni);
        Pulsar(f.ButtonRetroN);
        Pulsar(f.ButtonRetroN);
        QVERIFY(!s.mapa->isVisible());
        s.Elegir(g);
        f.pantalla.hide();
        QVERIFY(!s.mapa->isVisible());
        QVERIFY(!s.PulsoMapa()->isActive());
    }

    void DoubleDegreesByUniversityAndByCommunity()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        const int g = s.GradoConDobles(true);
        QVERIFY(g > 0);
        s.Elegir(g);
        // The map closed by its close box comes back with the double degrees.
        QVERIFY(QTest::qWaitForWindowExposed(s.mapa) && Cerrar(s.mapa) && !s.mapa->isVisible());
        Pulsar(f.BotDoblesCar);
        QVERIFY(s.e.VistaDobles);
        QCOMPARE(f.PanelSelTit->text(), s.e.Texto(242));
        QVERIFY(Visible(f.GridNotas) && !Visible(f.ListSel) && !Visible(f.RichSalidas));
        const auto lineas = LineasDobles(s.e, g);
        QCOMPARE(f.GridNotas->rowCount(), static_cast<int>(lineas.size()) + 3);
        QCOMPARE(f.GridNotas->item(0, 0)->text(), "- " + DesdeAnsi(s.e.NombresGrado[g]));
        QCOMPARE(f.GridNotas->item(1, 0)->text(), "     " + s.e.Texto(593) + "...");
        QVERIFY(f.GridNotas->item(3, 0)->text().startsWith(QStringLiteral("- ")));
        QVERIFY(f.GridNotas->item(4, 0)->text().startsWith(QStringLiteral("+ ")));
        // The tag stands in the second column, cut from character 48 of the line.
        const QString linea = DesdeAnsi(lineas[1].texto);
        QCOMPARE(f.GridNotas->item(4, 0)->text(), linea.left(47));
        QCOMPARE(f.GridNotas->item(4, 1)->text(), " " + linea.mid(47, 4));

        // Stars on the communities of those universities.
        QVERIFY(s.mapa->isVisible() && s.PulsoMapa()->isActive());
        int comunidad = 0;
        for (int c = 1; c <= 19; ++c) {
            const bool tiene = !LineasDobles(s.e, g, c).empty();
            QCOMPARE(s.e.MarcasEstrellas[c] == 1, tiene);
            if (tiene && !comunidad)
                comunidad = c;
        }
        // A click on one lists only its universities' double degrees.
        QVERIFY(QTest::qWaitForWindowExposed(s.mapa));
        s.PulsarComunidad(comunidad);
        const auto enComunidad = LineasDobles(s.e, g, comunidad);
        QCOMPARE(f.GridNotas->rowCount(), static_cast<int>(enComunidad.size()) + 3);
        QCOMPARE(f.GridNotas->item(0, 0)->text(), "     " + s.e.Texto(242) + " de...");
        QCOMPARE(f.GridNotas->item(1, 0)->text(), "- " + DesdeAnsi(s.e.NombresGrado[g]));
        QCOMPARE(f.GridNotas->item(3, 0)->text(), DesdeAnsi(enComunidad[0].texto).left(47));
        // A community without any: the three heading rows only.
        int sin = 0;
        for (int c = 1; c <= 19 && !sin; ++c)
            if (LineasDobles(s.e, g, c).empty())
                sin = c;
        QVERIFY(sin > 0);
        s.PulsarComunidad(sin);
        QCOMPARE(f.GridNotas->rowCount(), 3);

        // A degree in no double degree: four rows and no star.
        const int solo = s.GradoConDobles(false);
        QVERIFY(solo > 0);
        s.Elegir(solo);
        Pulsar(f.BotDoblesCar);
        QCOMPARE(Columna(f.GridNotas),
                 (QStringList{("     " + s.e.Texto(242)).left(30) + " de...", "- " + DesdeAnsi(s.e.NombresGrado[solo]),
                              QString(), "     " + s.e.Texto(393)}));
        for (int c = 1; c <= 19; ++c)
            QCOMPARE(int(s.e.MarcasEstrellas[c]), 0);

        // A heading row selects no degree: then the button does nothing at all.
        ClicFila(f.listgrados, 0);
        QCOMPARE(f.estado.GradoSel, 0);
        Pulsar(f.BotDoblesCar);
        QCOMPARE(f.GridNotas->rowCount(), 4);
        QVERIFY(!s.e.VistaDobles && !s.mapa->isVisible());
    }

    // The hand reaches only what a student reaches: not what the map window,
    // which stays on top, covers (the screen's close box too), nothing
    // while a box's list is open, nothing faded out, and keys only where the
    // focus is.
    void TheHandRefusesWhatAStudentCannotReach()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        s.Elegir(s.GradoConDobles(true));
        Pulsar(f.BotDoblesCar);
        QVERIFY(QTest::qWaitForWindowExposed(s.mapa));
        const QPoint bajoElMapa = f.pantalla.mapFromGlobal(s.mapa->geometry().topLeft() + QPoint(10, 100));
        QVERIFY(f.pantalla.rect().contains(bajoElMapa));
        // Also once the screen is the active window again, as a click beside the map makes it.
        f.pantalla.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.pantalla));
        QVERIFY(Inalcanzable(&f.pantalla, bajoElMapa).contains(QStringLiteral("TForm7")));
        QVERIFY(CierreInalcanzable(&f.pantalla).contains(QStringLiteral("TForm7")));
        QVERIFY(Cerrar(s.mapa));
        QCOMPARE(Inalcanzable(&f.pantalla, bajoElMapa), QString());

        Pulsar(f.ButtonRetroN);
        QVERIFY(SinTeclado(f.ComboAgru).contains(QStringLiteral("focus")));
        QVERIFY(Enfocar(f.ComboAgru) && SinTeclado(f.ComboAgru).isEmpty());
        Pulsar(f.ComboAgru);
        QVERIFY(Inalcanzable(f.ButtonRetroN).contains(QStringLiteral("pop-up")));
        QVERIFY(CierreInalcanzable(&f.pantalla).contains(QStringLiteral("pop-up")));
        f.ComboAgru->hidePopup();

        auto *velo = new QGraphicsOpacityEffect(f.ButtonRetroN);
        velo->setOpacity(0);
        f.ButtonRetroN->setGraphicsEffect(velo);
        QVERIFY(Inalcanzable(f.ButtonRetroN).contains(QStringLiteral("transparent")));
        f.ButtonRetroN->setGraphicsEffect(nullptr);
        QCOMPARE(Inalcanzable(f.ButtonRetroN), QString());
        f.pantalla.setWindowOpacity(0);
        QVERIFY(Inalcanzable(f.ButtonRetroN).contains(QStringLiteral("transparent")));
    }

    void TheStartMenuListsTheDegreesInDoubleDegreesByBranch()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        Pulsar(f.BotMenuDobles);
        QVERIFY(!Visible(f.PanelMenu));
        QVERIFY(Visible(f.ListComunidad) && Visible(f.PanelSel) && Visible(f.BotRetroceder));
        QCOMPARE(f.PanelSelTit->text(), s.e.Texto(242));
        QVERIFY(s.e.VistaDobles && f.estado.ModoGrados);
        const auto filas = ListaMenuDobles(s.e);
        QCOMPARE(f.ListComunidad->count(), static_cast<int>(filas.size()));
        int encabezados = 0;
        for (int r = 0; r < f.ListComunidad->count(); ++r) {
            const bool encabezado = f.ListComunidad->item(r)->text().startsWith(QStringLiteral("- "));
            encabezados += encabezado;
            QCOMPARE(f.estado.GradoEnFilaDobles(r), filas[static_cast<size_t>(r)].grado);
            QCOMPARE(encabezado, f.estado.GradoEnFilaDobles(r) == 0);
        }
        QCOMPARE(encabezados, 5);
        QCOMPARE(f.ListComunidad->item(0)->text(), "- " + s.e.Texto(515));
        QVERIFY(f.ListComunidad->count() > 10);
        QCOMPARE(f.estado.GradoEnFilaDobles(f.ListComunidad->count()), 0);
    }

    void RequirementsJudgeTheCutOffMarks()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        const int g = s.GradoMasUniversidades();
        s.Elegir(g);
        Pulsar(f.BotReq);
        QVERIFY(Visible(f.ListSel) && !Visible(f.GridNotas) && Visible(f.PanelSel));
        QCOMPARE(f.PanelSelTit->text(), s.Nombre(g));
        const QStringList lineas = Lineas(LineasRequisitos(s.e, g));
        QCOMPARE(Textos(f.ListSel), lineas);
        QCOMPARE(lineas[0], "-     " + s.e.Texto(277));
        // A degree taught at many universities has published marks: a judgement follows text 674.
        const JuicioNotas juicio = ValorarNotasCorte(s.e, g);
        QVERIFY(juicio.alta || juicio.media);
        QCOMPARE(lineas[2], s.e.Texto(674));
        QVERIFY(lineas[3].startsWith(juicio.alta ? s.e.Texto(721) : s.e.Texto(720)));
        QCOMPARE(f.ListSel->item(0)->foreground().color(), QColor(128, 0, 0));
        QCOMPARE(DesdeAnsi(s.e.ListaAux[1]), lineas[0]);
        QCOMPARE(s.m.textos, QStringList());
    }

    void OutletsShowTheBlockWithHeadingsAndRedWords()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        // A degree whose block has a heading and a red word.
        int g = 0;
        TextoSalidas salidas;
        for (int d = 1; d <= s.e.NumGrados && !g; ++d) {
            salidas = SalidasGrado(s.e, d);
            bool encabezado = false;
            for (const auto &p : salidas.parrafos)
                encabezado = encabezado || p.tipo == TipoParrafo::Encabezado;
            if (encabezado && !salidas.resaltes.empty())
                g = d;
        }
        QVERIFY(g > 0);
        s.Elegir(g);
        Pulsar(f.BotSal);
        QVERIFY(Visible(f.RichSalidas) && !Visible(f.GridNotas));
        QCOMPARE(f.PanelSelTit->text(), s.Nombre(g));
        QTextDocument &doc = *f.RichSalidas->document();
        QCOMPARE(doc.blockCount(), static_cast<int>(salidas.parrafos.size()));
        QCOMPARE(doc.firstBlock().text(), salidas.parrafos[0].texto);
        QCOMPARE(doc.firstBlock().charFormat().foreground().color(), QColor(128, 0, 0));
        for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next()) {
            const Parrafo &p = salidas.parrafos[static_cast<size_t>(b.blockNumber())];
            QCOMPARE(b.text(), p.texto);
            QCOMPARE(b.textList() != nullptr, p.tipo == TipoParrafo::Vineta);
            if (p.tipo == TipoParrafo::Encabezado) {
                const QTextCharFormat formato = b.begin().fragment().charFormat();
                QCOMPARE(formato.foreground().color(), QColor(0, 128, 0));
                QVERIFY(formato.fontWeight() >= QFont::Bold);
            }
        }
        // Every red word, and the caret at the start.
        for (const Resalte &r : salidas.resaltes) {
            QTextCursor c(&doc);
            c.setPosition(r.desde + 1);
            QCOMPARE(c.charFormat().foreground().color(), QColor(255, 0, 0));
        }
        QCOMPARE(f.RichSalidas->textCursor().position(), 0);

        // A heading row selects no degree: then the view stays hidden.
        ClicFila(f.listgrados, 0);
        Pulsar(f.BotSal);
        QVERIFY(!Visible(f.RichSalidas));
        QCOMPARE(s.m.textos, QStringList());
    }

    void MastersShowHeadingsAndBulletsAndAMissingFileIsReported()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        pruebas::EscritorioRegistrado navegador;
        s.Master();
        QVERIFY(f.estado.VistaMaster);
        QVERIFY(!Visible(f.PanelMenu) && Visible(f.PanelSel) && Visible(f.RichSalidas));
        QVERIFY(Visible(f.LabelMaster) && Visible(f.LabelMaster2) && Visible(f.BotRetroceder));
        QCOMPARE(f.PanelSelTit->text(), s.e.Texto(551));
        QCOMPARE(f.RichSalidas->y(), f.LabelMaster2->y() + f.LabelMaster2->height() + 5);
        QCOMPARE(f.LabelMaster2->toolTip(), ("Clic~Clic - " + s.e.Texto(174)).left(52));
        // The register's address is a link screen readers can press.
        QCOMPARE(QAccessible::queryAccessibleInterface(f.LabelMaster2)->role(), QAccessible::Button);
        const auto parrafos = LeerMaster(s.e);
        QTextDocument &doc = *f.RichSalidas->document();
        QCOMPARE(doc.blockCount(), static_cast<int>(parrafos.size()));
        int encabezados = 0, vinetas = 0;
        for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next()) {
            const Parrafo &p = parrafos[static_cast<size_t>(b.blockNumber())];
            if (b.text().isEmpty())
                continue;
            const QTextCharFormat formato = b.begin().fragment().charFormat();
            if (p.tipo == TipoParrafo::Encabezado) {
                ++encabezados;
                QVERIFY(b.text().startsWith('-'));
                QCOMPARE(formato.foreground().color(), QColor(128, 0, 0));
                QVERIFY(formato.fontWeight() >= QFont::Bold);
            } else if (p.tipo == TipoParrafo::Vineta) {
                ++vinetas;
                QVERIFY(b.textList());
                QVERIFY(!b.text().startsWith('*'));
                QCOMPARE(formato.foreground().color(), QColor(0, 0, 128));
            }
        }
        QVERIFY(encabezados >= 2 && vinetas >= 3);

        // The register's page opens through the desktop's handler.
        Pulsar(f.LabelMaster2);
        QCOMPARE(navegador.abiertas.size(), 1);
        QCOMPARE(navegador.abiertas[0].scheme(), QStringLiteral("https"));
        QVERIFY(navegador.abiertas[0].path().contains(QStringLiteral("/ListadoTitulos/")));

        // Back to the start menu.
        Pulsar(f.BotRetroceder);
        QVERIFY(!f.estado.VistaMaster && Visible(f.PanelMenu) && !Visible(f.RichSalidas));

        // A language folder without the file: reported, the panel kept with its text.
        const QString antes = doc.toPlainText();
        s.e.CarpetaIdioma = QStringLiteral("no-existe/");
        s.Master();
        QCOMPARE(s.m.textos.size(), 1);
        QVERIFY(s.m.textos[0].startsWith(QStringLiteral("Faltan ficheros (")));
        QVERIFY(s.m.textos[0].contains(QStringLiteral("master.txt")));
        QVERIFY(Visible(f.PanelSel) && Visible(f.LabelMaster) && Visible(f.RichSalidas) && Visible(f.BotRetroceder));
        QCOMPARE(doc.toPlainText(), antes);
        QVERIFY(!s.e.ErrorFicheros);
    }

    void TheMastersTextPrintsAsShownUnderItsTitle()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        s.Master();
        QVERIFY(f.estado.VistaMaster && Visible(f.BotImprimir));

        // The program's print dialog, answered with a file name and confirmed.
        QTemporaryDir dir;
        const auto imprimir = [&f](const QString &fichero) {
            QPrinter &impresora = *DialogoImpresion().printer();
            impresora.setOutputFormat(QPrinter::PdfFormat);
            bool visto = false;
            QTimer respuesta;
            QObject::connect(&respuesta, &QTimer::timeout, [&] {
                auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
                if (!d)
                    return;
                visto = true;
                respuesta.stop();
                if (auto *nombre = d->findChild<QLineEdit *>(QStringLiteral("filename")))
                    nombre->setText(fichero);
                d->accept();
            });
            respuesta.start(0);
            Pulsar(f.BotImprimir);
            return visto;
        };
        const QString pdf = dir.filePath(QStringLiteral("master.pdf"));
        QVERIFY(imprimir(pdf));
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Hecho);
        QVERIFY(QFile::exists(pdf));

        // Every paragraph of the view is printed, bullets without their mark.
        const QString impreso = pruebas::TextoPdf(pdf);
        const QString mostrado = f.RichSalidas->toPlainText();
        QVERIFY(mostrado.contains(QStringLiteral("Psicología General Sanitaria")));
        for (const QString &linea : mostrado.split('\n', Qt::SkipEmptyParts))
            QVERIFY2(impreso.simplified().contains(linea.simplified()), qPrintable(linea + '\n' + impreso));
        QVERIFY(!impreso.contains(QStringLiteral("* ")));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(20000));
        QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(QStringLiteral("Title: +Master\n"))),
                 "the document's title");
        QVERIFY(s.m.textos.isEmpty());

        // A file that cannot be written is told, not passed over.
        const QString perdido = dir.filePath(QStringLiteral("no-existe/master.pdf"));
        QVERIFY(imprimir(perdido));
        QCOMPARE(f.pantalla.UltimaImpresion, ResultadoInforme::Fallido);
        QCOMPARE(s.m.textos, QStringList{QStringLiteral("No se ha podido imprimir el informe en %1.").arg(perdido)});
        QVERIFY(!QFile::exists(perdido));
    }

    void TheInformationSubMenuOpensOnHoverAndLeadsToTheMasters()
    {
        Pantallas17 s;
        pruebas::VistaGrados &f = *s.f;
        pruebas::EscritorioRegistrado navegador;
        const auto pasar = [](QWidget *w) { PosarEn(w, {5, 5}); };
        QVERIFY(!Visible(f.PanelMenu2) && !Visible(f.PanelMenu4));
        pasar(f.BotMenuInfo);
        QVERIFY(Visible(f.PanelMenu2) && !Visible(f.PanelMenu4));
        pasar(f.BotMenuArtes);
        QVERIFY(!Visible(f.PanelMenu2) && Visible(f.PanelMenu4));
        PosarEn(f.degradeini, f.degradeini->mapFrom(f.Panelinicio, QPoint(40, 300)));
        QVERIFY(!Visible(f.PanelMenu2) && !Visible(f.PanelMenu4));
        pasar(f.BotMenuInfo);
        pasar(f.BotMenuDobles);
        QVERIFY(!Visible(f.PanelMenu2));

        // The masters are reached by a click in the sub-menu.
        s.Master();
        QVERIFY(f.estado.VistaMaster && Visible(f.RichSalidas));
        QVERIFY(!f.RichSalidas->document()->isEmpty());

        // The program's own pages open through the desktop's handler.
        Pulsar(f.BotRetroceder);
        const std::pair<QPushButton *, QString> paginas[] = {{f.botinfo2, QStringLiteral("id=universidad")},
                                                             {f.botinfo3, QStringLiteral("id=becas")}};
        for (const auto &[boton, pagina] : paginas) {
            navegador.abiertas.clear();
            pasar(f.BotMenuInfo);
            Pulsar(boton);
            QCOMPARE(navegador.abiertas.size(), 1);
            QCOMPARE(navegador.abiertas[0].query(), pagina);
        }
    }

    void TheViewsFitInEveryLanguage()
    {
        QStringList fallos;
        const auto cabe = [&](int idioma, const QString &que, const QString &texto, int ancho, int sitio) {
            if (ancho > sitio)
                fallos << QStringLiteral("%1 %2: \"%3\" needs %4 of %5").arg(idioma).arg(que, texto).arg(ancho).arg(sitio);
        };
        const QByteArray carpeta = qgetenv("NORVELA_CAPTURAS");
        for (int idioma = 0; idioma < 4; ++idioma) {
            Pantallas17 s(idioma);
            pruebas::VistaGrados &f = *s.f;
            QVERIFY(s.m.textos.isEmpty());
            // Screen readers name each list, grid and text by what it holds now.
            const auto nombre = [&](const QWidget *w, int texto) {
                if (w->accessibleName() != s.e.Texto(texto))
                    fallos << QStringLiteral("%1 %2 named \"%3\"").arg(idioma).arg(w->objectName(), w->accessibleName());
            };
            const auto captura = [&](const char *vista) {
                if (!carpeta.isEmpty()) {
                    QDir().mkpath(QString::fromLocal8Bit(carpeta));
                    f.pantalla.grab().save(QStringLiteral("%1/%2_%3.png").arg(QString::fromLocal8Bit(carpeta), vista).arg(idioma));
                }
            };
            const QFontMetrics lista(f.ListSel->font());
            const int anchoLista = AnchoUtil(f.ListSel);
            const QFontMetrics rejilla(f.GridNotas->font());
            const QFontMetrics titulo(f.PanelSelTit->font());
            for (int k : {242, 551})
                cabe(idioma, "PanelSelTit", s.e.Texto(k), titulo.horizontalAdvance(s.e.Texto(k)), f.PanelSelTit->width());
            cabe(idioma, "LabelMaster2", f.LabelMaster2->text(),
                 QFontMetrics(f.LabelMaster2->font()).horizontalAdvance(f.LabelMaster2->text()), f.LabelMaster2->width());
            for (int g = 1; g <= s.e.NumGrados; ++g) {
                for (const QString &l : Lineas(LineasRequisitos(s.e, g)))
                    cabe(idioma, "ListSel", l, lista.horizontalAdvance(l) + 6, anchoLista);
                for (const auto &fila : RejillaDoblesGrado(s.e, g, s.e.Textos[242], s.e.Textos[393], s.e.Textos[593])) {
                    // Names keep their padding: the blanks take no room on screen.
                    const QString texto = DesdeAnsi(fila.col0).trimmed();
                    cabe(idioma, "GridNotas", texto, rejilla.horizontalAdvance(texto) + 6, f.GridNotas->columnWidth(0));
                }
            }
            Pulsar(f.BotMenuDobles);
            nombre(f.ListComunidad, 242);
            const QFontMetrics menu(f.ListComunidad->font());
            for (const QString &l : Textos(f.ListComunidad))
                cabe(idioma, "ListComunidad", l, menu.horizontalAdvance(l.trimmed()) + 10, AnchoUtil(f.ListComunidad));
            captura("menu_dobles");
            Pulsar(f.BotRetroceder);
            Pulsar(f.BotMenuDepor);
            nombre(f.ListComunidad, 300);
            // Rows with an icon start 20 pixels in.
            for (const QString &l : Textos(f.ListComunidad))
                cabe(idioma, "ListComunidad", l, menu.horizontalAdvance(l) + 20, AnchoUtil(f.ListComunidad));

            const int g = s.GradoConDobles(true);
            Pulsar(f.BotRetroceder);
            s.Elegir(g);
            nombre(f.GridNotas, 593);
            nombre(f.BitBusTit, 569);
            captura("universidades");
            Pulsar(f.BotDoblesCar);
            nombre(f.GridNotas, 242);
            captura("dobles");
            if (!carpeta.isEmpty()) {
                QTest::qWait(5 * s.PulsoMapa()->interval());
                s.mapa->grab().save(QStringLiteral("%1/mapa_dobles_%2.png").arg(QString::fromLocal8Bit(carpeta)).arg(idioma));
            }
            Pulsar(f.BotReq);
            nombre(f.ListSel, 277);
            captura("requisitos");
            Pulsar(f.BotSal);
            nombre(f.RichSalidas, 311);
            captura("salidas");
            // Back through the browser to the start menu, and its masters button.
            Pulsar(f.ButtonRetroN);
            Pulsar(f.ButtonRetroN);
            QVERIFY(Visible(f.PanelMenu) && !Visible(f.PanelTree));
            s.Master();
            nombre(f.RichSalidas, 551);
            captura("master");
            QVERIFY(s.m.textos.isEmpty());
        }
        QVERIFY2(fallos.isEmpty(), qPrintable(fallos.join('\n')));
    }
};

QTEST_MAIN(PruebaVistasGrados)
#include "grados_vistas_qtest.moc"
