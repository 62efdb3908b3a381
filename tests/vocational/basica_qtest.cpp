// The basic-cycle screen as the program makes it at start-up over the
// shipped data: its tables, the group list that follows the mouse until a
// click, families, titles with their explanation, a title's map, views and
// centres in a community, the place route, both reports printed to a PDF
// file read back with pdftotext, back, the close box, and its captions in
// the four languages.
#include "ansi.h"
#include "asistente.h"
#include "enlace.h"
#include "inipro.h"
#include "pantalla_prueba.h"
#include "pantallas.h"
#include "programa_prueba.h"
#include "panel_efectos.h"
#include "principal.h"
#include "comunidades_titulo.h"
#include "controles_fp.h"
#include "lugares_fp.h"
#include "mano.h"
#include "ruta_lugares_fp.h"
#include "informes.h"
#include "mapa_regiones.h"
#include "titulos_fp.h"
#include "transiciones_paneles.h"
#include "vista_mapa.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <algorithm>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program, the basic-cycle screen opened by the main menu's door
// unless `puerta` is false.
struct Programa : ProgramaEntregado {
    explicit Programa(int idioma = 0, bool puerta = true) : ProgramaEntregado(QStringLiteral("basica"), idioma)
    {
        f = s().FIniPro.get();
        if (creadas && puerta)
            AbrirPuerta(Tform0::kPuertaFPip);
    }
    TFIniPro *f = nullptr;
};

QString Linea(const TablaTexto &t, int i)
{
    return DesdeAnsi(t[i]).trimmed();
}

// The first group that lists `familias` families.
int GrupoCon(const TFIniPro &f, size_t familias)
{
    for (int g = 1; g <= kGruposFPB; ++g)
        if (FamiliasDeGrupo(f.Nivel(), g).size() == familias)
            return g;
    return 0;
}

// The screen on the title route with title `t` chosen, as a click on its
// group, family and row leaves it.
void ElegirTitulo(Programa &p, int t)
{
    TFIniPro &f = *p.f;
    for (int g = 1; g <= kGruposFPB; ++g) {
        const std::vector<FilaFamilia> familias = FamiliasDeGrupo(f.Nivel(), g);
        for (size_t k = 0; k < familias.size(); ++k) {
            const std::vector<int> titulos = TitulosDeFamilia(f.Nivel(), familias[k].familia);
            const auto i = std::find(titulos.begin(), titulos.end(), t);
            if (i == titulos.end())
                continue;
            ClicFila(Hijo<QListWidget>(f, "ListSelFp"), g - 1);
            ClicFila(Hijo<QListWidget>(f, "ListPreFam"), static_cast<int>(k));
            ClicFila(Hijo<QListWidget>(f, "ListTitFP"), static_cast<int>(i - titulos.begin()));
            QCOMPARE(f.Estado().TituloSel, t);
            return;
        }
    }
    QFAIL("title in no group");
}

} // namespace

class PruebaBasica : public QObject {
    Q_OBJECT

private slots:
    void creationLoadsTheScreensTables()
    {
        Programa p(0, false);
        QVERIFY(!p.e.ErrorFicheros);
        QVERIFY(p.f);
        const Enlace &e = p.e;
        const TablasFPB &d = p.f->Datos();
        // "fpba" and its blocks, and every title offered by some centre.
        QCOMPARE(Linea(e.NombresFPBasica, 1).left(1), QStringLiteral("-"));
        QCOMPARE(d.InicioFamiliaFPB[0], kFamiliasFPB);
        QCOMPARE(d.InicioFamiliaFPB[1], 1);
        QCOMPARE(d.InicioFamiliaFPB[kFamiliasFPB], e.NumFPBasica - 1);
        std::vector<int> ofertas(static_cast<size_t>(e.NumFPBasica) + 1, 0);
        const int numCentros[4] = {e.NumCentros1, e.NumCentros2, e.NumCentros3, e.NumCentros4};
        for (int g = 0; g < 4; ++g)
            for (int i = 1; i <= numCentros[g]; ++i)
                for (int j = 1; j <= e.OfertaFPB[static_cast<size_t>(g)].En(i, 0); ++j)
                    ++ofertas[static_cast<size_t>(e.OfertaFPB[static_cast<size_t>(g)].En(i, j))];
        for (int t = 1; t <= e.NumFPBasica; ++t) {
            if (EsLineaFamiliaFPB(d.InicioFamiliaFPB, t))
                continue;
            QVERIFY2(ofertas[static_cast<size_t>(t)] > 0, qPrintable(Linea(e.NombresFPBasica, t)));
            QVERIFY2(!DesdeAnsi(e.AsignaturasFPBasica.En(t, 6)).trimmed().isEmpty(), qPrintable(QString::number(t)));
        }
        // Its own copy of "lu2": the "H" lines stay apart (the shared copy
        // has them as "8"), the Madrid block's zone letter is blank.
        QCOMPARE(d.NumCentrosFPB2, e.NumCentros2);
        int h = 0, madrid = 0;
        for (int i = 1; i <= d.NumCentrosFPB2; ++i) {
            const std::string &l = d.CentrosFPB2[i];
            h += l[0] == 'H';
            if (l[0] == '8' || l[0] == 'H') {
                ++madrid;
                QCOMPARE(l[44], ' ');
            }
            QVERIFY(e.Centros2[i][0] != 'H');
        }
        QVERIFY(h > 0);
        QVERIFY(madrid > h);
        // Groups from "familias" 40..48, and the heading from "informa_l" 54.
        QCOMPARE(Hijo<QListWidget>(p.f, "ListSelFp")->count(), kGruposFPB);
        for (int g = 1; g <= kGruposFPB; ++g)
            QCOMPARE(Hijo<QListWidget>(p.f, "ListSelFp")->item(g - 1)->text(),
                     DesdeAnsi(e.NombresFamilias[39 + g]).mid(6).trimmed());
        QCOMPARE(Hijo<QLabel>(p.f, "LabelFPIp1")->text(), DesdeAnsi(e.Requisitos[54]).mid(3).trimmed());
        QVERIFY(!Hijo<QLabel>(p.f, "LabelFPIp1")->text().isEmpty());

        // The group heading blinks 13 ticks from creation and ends shown.
        QVERIFY(Hijo<Parpadeo>(p.f, "TimerAyu")->EnMarcha());
        QStringList vistos;
        for (int k = 0; k < 13; ++k) {
            Hijo<Parpadeo>(p.f, "TimerAyu")->Tic();
            vistos << Hijo<QLabel>(p.f, "PanelSelTit0")->text();
        }
        QVERIFY(!Hijo<Parpadeo>(p.f, "TimerAyu")->EnMarcha());
        QCOMPARE(vistos.count(QString()), 6);
        QCOMPARE(vistos.last(), p.e.Texto(577).trimmed());
        QCOMPARE(p.f->Propio().ContadorParpadeo, 0);
    }

    void titleRouteFromTheAssistant()
    {
        Programa p(0, false);
        TFIniPro &f = *p.f;
        p.e.DesdeAsistente = true;
        p.arranque->pantallas.Form5->Mostrar();
        QVERIFY(QTest::qWaitForWindowActive(p.arranque->pantallas.Form5.get()));
        Pulsar(p.arranque->pantallas.Form5->findChild<QPushButton *>(QStringLiteral("BGarantia")));
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QVERIFY(!p.arranque->pantallas.Form5->isVisible());
        QVERIFY(f.EstadoRuta().RutaPorTitulo && !f.EstadoRuta().RutaPorLugar);
        QVERIFY(Hijo<QListWidget>(f, "ListSelFp")->isVisible() && Hijo<QPushButton>(f, "BotLug")->isVisible() &&
                Hijo<QPushButton>(f, "BotRetrocederFP")->isVisible());

        // The highlight follows the mouse until a click freezes it.
        SobreFila(Hijo<QListWidget>(f, "ListSelFp"), 4);
        QCOMPARE(Hijo<QListWidget>(f, "ListSelFp")->currentRow(), 4);
        SobreFila(Hijo<QListWidget>(f, "ListSelFp"), 2);
        QCOMPARE(Hijo<QListWidget>(f, "ListSelFp")->currentRow(), 2);
        const int g = GrupoCon(f, 3);
        QVERIFY(g > 0);
        ClicFila(Hijo<QListWidget>(f, "ListSelFp"), g - 1);
        QVERIFY(p.e.SeleccionFija);
        SobreFila(Hijo<QListWidget>(f, "ListSelFp"), g == 1 ? 1 : 0);
        QCOMPARE(Hijo<QListWidget>(f, "ListSelFp")->currentRow(), g - 1);
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), p.e.Texto(578));

        // Its families, each with its titles.
        const std::vector<FilaFamilia> familias = FamiliasDeGrupo(f.Nivel(), g);
        QStringList nombres;
        for (const FilaFamilia &fam : familias)
            nombres << Linea(p.e.NombresFPBasica, f.Datos().InicioFamiliaFPB[static_cast<size_t>(fam.familia)]).mid(1);
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListPreFam")), nombres);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 135);
        QVERIFY(Hijo<QListWidget>(f, "ListTitFP")->isHidden());
        int fila = -1;
        std::vector<int> titulos;
        for (size_t k = 0; k < familias.size() && fila < 0; ++k) {
            titulos = TitulosDeFamilia(f.Nivel(), familias[k].familia);
            if (titulos.size() >= 2)
                fila = static_cast<int>(k);
        }
        QVERIFY(fila >= 0);
        // The family acts on the press, before the button is let go.
        const QPoint familia =
            Hijo<QListWidget>(f, "ListPreFam")->visualItemRect(Hijo<QListWidget>(f, "ListPreFam")->item(fila)).center();
        QVERIFY(ApretarEn(Hijo<QListWidget>(f, "ListPreFam")->viewport(), familia));
        QCOMPARE(Hijo<QListWidget>(f, "ListTitFP")->count(), static_cast<int>(titulos.size()));
        SoltarEn(Hijo<QListWidget>(f, "ListPreFam")->viewport(), familia);
        QCOMPARE(Hijo<QListWidget>(f, "ListTitFP")->item(1)->text(), Linea(p.e.NombresFPBasica, titulos[1]));
        QVERIFY(Hijo<QLabel>(f, "Labeltitulo")->text().trimmed().startsWith(p.e.Texto(307)));

        // The explanation of the title under the mouse: what it leads to.
        SobreFila(Hijo<QListWidget>(f, "ListTitFP"), 1);
        QVERIFY(Hijo<QListWidget>(f, "ListFPExpli")->isVisible());
        QCOMPARE(Hijo<QListWidget>(f, "ListFPExpli")->count(), 6);
        QCOMPARE(Hijo<QListWidget>(f, "ListFPExpli")->item(0)->text(),
                 QStringLiteral("    ") + p.e.Texto(271).left(30));
        QCOMPARE(Hijo<QListWidget>(f, "ListFPExpli")->item(1)->text(),
                 DesdeAnsi(p.e.AsignaturasFPBasica.En(titulos[1], 1)).trimmed());

        // The title: its map with the communities that teach it, its name blinking.
        ClicFila(Hijo<QListWidget>(f, "ListTitFP"), 1);
        const int t = titulos[1];
        QCOMPARE(f.Estado().TituloSel, t);
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isVisible() && Hijo<QListWidget>(f, "ListSelFp")->isHidden() &&
                Hijo<QPushButton>(f, "BotLug")->isHidden());
        for (QPushButton *b :
             {Hijo<QPushButton>(f, "BotRequisitos"), Hijo<QPushButton>(f, "BotAsig"), Hijo<QPushButton>(f, "BotTra"),
              Hijo<QPushButton>(f, "BotImprimir"), Hijo<QPushButton>(f, "BotRetrocederFP")})
            QVERIFY(b->isVisible());
        int marcadas = 0;
        for (int c = 1; c <= kNumComunidades; ++c)
            marcadas += p.e.MarcasEstrellas[c];
        QVERIFY(marcadas > 0);
        QVERIFY(Hijo<QTimer>(f, "TimerEstrellas")->isActive());
        const QString nombre = Linea(p.e.NombresFPBasica, t);
        QVERIFY(Hijo<Parpadeo>(f, "TimerParpadeo")->EnMarcha());
        int vacios = 0;
        while (Hijo<Parpadeo>(f, "TimerParpadeo")->EnMarcha()) {
            Hijo<Parpadeo>(f, "TimerParpadeo")->Tic();
            vacios += Hijo<QLabel>(f, "PanelCarSel")->text().isEmpty();
        }
        QCOMPARE(vacios, 4);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), nombre);

        // The three views (their lines are the data logic's).
        Pulsar(Hijo<QPushButton>(f, "BotRequisitos"));
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), p.e.Texto(29));
        QVERIFY(Hijo<QListWidget>(f, "Listsel")->isVisible() && Hijo<QTableWidget>(f, "reja")->isHidden() &&
                Hijo<QListWidget>(f, "Listsel")->count() > 0);
        Pulsar(Hijo<QPushButton>(f, "BotAsig"));
        QVERIFY(
            Textos(Hijo<QListWidget>(f, "Listsel")).contains(DesdeAnsi(p.e.AsignaturasFPBasica.En(t, 6)).trimmed()));
        Pulsar(Hijo<QPushButton>(f, "BotTra"));
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), p.e.Texto(312));
        QCOMPARE(Hijo<QListWidget>(f, "Listsel")->item(1)->text(), QStringLiteral("  ") + p.e.Texto(199));

        // Back: the families and titles again, the stars stopped; then the assistant.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<QListWidget>(f, "ListSelFp")->isVisible() && Hijo<QListWidget>(f, "ListPreFam")->isVisible() &&
                Hijo<QListWidget>(f, "ListTitFP")->isVisible());
        QVERIFY(!Hijo<QTimer>(f, "TimerEstrellas")->isActive());
        QVERIFY(Hijo<QListWidget>(f, "Listsel")->isHidden());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.Form5->isVisible());
    }

    void centresOfATitleInACommunityAndItsReport()
    {
        Programa p;
        TFIniPro &f = *p.f;
        // The title taught in the most communities, and one community that does not teach it.
        int t = 0, mejor = 0;
        for (int k = 1; k <= p.e.NumFPBasica; ++k) {
            if (EsLineaFamiliaFPB(f.Datos().InicioFamiliaFPB, k))
                continue;
            MarcarComunidadesTitulo(p.e, f.Nivel().estrellas.ofertas, f.Nivel().estrellas.centros,
                                    f.Nivel().estrellas.n, k);
            int n = 0;
            for (int c = 1; c <= kNumComunidades; ++c)
                n += p.e.MarcasEstrellas[c];
            if (n > mejor && n < kNumComunidades) {
                mejor = n;
                t = k;
            }
        }
        QVERIFY(t > 0);
        ElegirTitulo(p, t);
        int si = 0, no = 0;
        for (int c = 1; c <= kNumComunidades; ++c) {
            int &primera = p.e.MarcasEstrellas[c] ? si : no;
            if (!primera)
                primera = c;
        }
        QVERIFY(si > 0 && no > 0);
        int pitidos = 0;
        f.Pitido = [&pitidos] { ++pitidos; };
        int vistos = 0;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("titulo.pdf"));
        p.f->DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);

        // Printing before a community is clicked: the message, and nothing else.
        Pulsar(Hijo<QPushButton>(f, "BotRequisitos"));
        const QStringList antes = Textos(Hijo<QListWidget>(f, "Listsel"));
        Pulsar(Hijo<QPushButton>(f, "BotImprimir"));
        QCOMPARE(p.m.textos, QStringList{p.e.Texto(585)});
        QCOMPARE(vistos, 0);
        QCOMPARE(Textos(Hijo<QListWidget>(f, "Listsel")), antes);
        QVERIFY(!f.Estado().Imprimiendo);

        // A community that does not teach it: a beep and the "none" row.
        Clic(Hijo<VistaMapa>(p.f, "mapa"), Pixel(p.e.MapaComunidades, no));
        QCOMPARE(pitidos, 1);
        QCOMPARE(Columna(Hijo<QTableWidget>(f, "reja")), QStringList{p.e.Texto(292)});
        QVERIFY(Hijo<QTableWidget>(f, "reja")->isVisible() && Hijo<QListWidget>(f, "Listsel")->isHidden());
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), p.e.Texto(323));

        // One that does: its centres, then the report.
        Clic(Hijo<VistaMapa>(p.f, "mapa"), Pixel(p.e.MapaComunidades, si));
        QCOMPARE(pitidos, 1);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() >= 2);
        const QStringList centros = Columna(Hijo<QTableWidget>(f, "reja"));
        // Printed while the blinking name is off.
        while (!Hijo<QLabel>(f, "PanelCarSel")->text().isEmpty() && Hijo<Parpadeo>(f, "TimerParpadeo")->EnMarcha())
            Hijo<Parpadeo>(f, "TimerParpadeo")->Tic();
        QVERIFY(Hijo<QLabel>(f, "PanelCarSel")->text().isEmpty());
        Pulsar(Hijo<QPushButton>(f, "BotImprimir"));
        QCOMPARE(vistos, 1);
        QCOMPARE(f.UltimaImpresion, ResultadoInforme::Hecho);
        QVERIFY(!f.Estado().Imprimiendo);
        // The preview: the report's lines in Courier New.
        QVERIFY(Hijo<QListWidget>(f, "Listsel")->isVisible() && Hijo<QTableWidget>(f, "reja")->isHidden());
        QCOMPARE(Hijo<QListWidget>(f, "Listsel")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(Hijo<QListWidget>(f, "Listsel")->count(), p.e.NumLineasInforme);
        const QString comunidad = DesdeAnsi(p.e.Lugares[si]).mid(2, 30).trimmed().toUpper();
        QVERIFY(Textos(Hijo<QListWidget>(f, "Listsel"))
                    .contains(QStringLiteral("***  ") + DesdeAnsi(p.e.Lugares[si]).mid(2, 30).toUpper() +
                              QStringLiteral("  ***")));
        // The record 0 from the title's name, not from the blinking caption.
        QCOMPARE(DesdeAnsi(p.e.LineasInforme[0]), Linea(p.e.NombresFPBasica, t) + QStringLiteral(" (") +
                                                      p.e.Texto(263) + QStringLiteral(")"));

        const QString texto = TextoPdf(pdf);
        QVERIFY2(texto.contains(Linea(p.e.NombresFPBasica, t)), qPrintable(texto.left(400)));
        QVERIFY(texto.contains(p.e.Texto(323)));
        QVERIFY(texto.contains(comunidad));
        for (const QString &c : centros)
            if (!c.trimmed().isEmpty() && !c.startsWith('-'))
                QVERIFY2(Impresa(texto, c), qPrintable(c));
        QVERIFY(Impresa(texto, DesdeAnsi(p.e.AsignaturasFPBasica.En(t, 6))));
    }

    // A centre whose name fills its columns is printed apart from its
    // telephone: Asturias's "CIFP Mantenimiento y Serv." at Gijón.
    void aPrintedCentreNeverRunsIntoItsTelephone()
    {
        Programa p;
        TFIniPro &f = *p.f;
        p.AbrirPuerta(Tform0::kPuertaFPip);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("asturias.pdf"));
        int vistos = 0;
        f.DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BotLug")));
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(p.e.MapaComunidades, 3));   // one province: its localities
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 0);
        QVERIFY(Pulsar(Hijo<QPushButton>(f, "BotImprimir")));
        QCOMPARE(vistos, 1);
        const QString texto = TextoPdf(pdf);
        QVERIFY2(texto.contains(QStringLiteral("CIFP Mantenimiento y Serv. 985785073")), qPrintable(texto));
    }

    void placeRouteProvincesLocalitiesAndItsReport()
    {
        Programa p;
        TFIniPro &f = *p.f;
        int vistos = 0;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lugar.pdf"));
        p.f->DialogoImprimir = ResponderConPdf(p.e, pdf, vistos);
        Pulsar(Hijo<QPushButton>(f, "BotLug"));
        QVERIFY(f.EstadoRuta().RutaPorLugar && !f.EstadoRuta().RutaPorTitulo);
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isVisible() && Hijo<QListWidget>(f, "ListSelFp")->isHidden());

        // Nothing to print before a province is chosen.
        QVERIFY(Hijo<QPushButton>(f, "BotImprimir")->isHidden());

        // A community with several provinces: its provinces, then a
        // province's localities, then the centres with their basic titles.
        Clic(Hijo<VistaMapa>(p.f, "mapa"), Pixel(p.e.MapaComunidades, 1));
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isHidden() && Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        QCOMPARE(Hijo<QListWidget>(f, "ListSelLugFP")->count(), f.Lugar().NumProvinciasSel);
        QVERIFY(f.Lugar().NumProvinciasSel >= 2);
        // Still no province.
        QVERIFY(Hijo<QPushButton>(f, "BotImprimir")->isHidden());
        int provincia = -1;
        for (int i = 0; i < Hijo<QListWidget>(f, "ListSelLugFP")->count() && provincia < 0; ++i) {
            ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), i);
            if (Hijo<QListWidget>(f, "ListSelLugFP")->count() >= 2 && f.EstadoRuta().LocalidadesListadas)
                provincia = i;
            else
                Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        }
        QVERIFY(provincia >= 0);
        const QString nombreProvincia = DesdeAnsi(f.Lugar().NombreProvinciaSel).trimmed();
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), nombreProvincia);
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 1);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->isVisible() && Hijo<QTableWidget>(f, "reja")->rowCount() > 0);
        const QStringList filas = Columna(Hijo<QTableWidget>(f, "reja"));
        QVERIFY(filas.first().startsWith('-'));
        // Every row that is no centre is a basic title the centre teaches.
        for (const QString &r : filas)
            if (!r.startsWith('-') && !r.trimmed().isEmpty()) {
                bool titulo = false;
                for (int k = 1; k <= p.e.NumFPBasica && !titulo; ++k)
                    titulo = Linea(p.e.NombresFPBasica, k) == r.trimmed();
                QVERIFY2(titulo, qPrintable(r));
            }

        // The report of the province: all its centres, no bold line.
        Pulsar(Hijo<QPushButton>(f, "BotImprimir"));
        QCOMPARE(vistos, 1);
        QCOMPARE(DesdeAnsi(p.e.LineasInforme[0]), (p.e.Texto(289) + QStringLiteral(": ")).left(32) + nombreProvincia +
                                                      QStringLiteral(" - ") + p.e.Texto(263));
        QCOMPARE(p.e.LineasNegrita[0], 0);
        const QString texto = TextoPdf(pdf);
        QVERIFY(texto.contains(nombreProvincia));
        QVERIFY2(Impresa(texto, filas.first().mid(1)), qPrintable(filas.first()));

        // Back: the provinces, the map, then home.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QCOMPARE(Hijo<QListWidget>(f, "ListSelLugFP")->count(), f.Lugar().NumProvinciasSel);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() == 0);
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isVisible() && Hijo<QListWidget>(f, "ListSelLugFP")->isHidden());

        // A community with one province lists its localities at once; back returns to the map.
        Clic(Hijo<VistaMapa>(p.f, "mapa"), Pixel(p.e.MapaComunidades, 6));
        QCOMPARE(f.Lugar().NumProvinciasSel, 1);
        QVERIFY(f.EstadoRuta().LocalidadesListadas && Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), DesdeAnsi(p.e.Lugares[6]).mid(2).trimmed());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isVisible() && Hijo<QListWidget>(f, "ListSelLugFP")->isHidden());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.form0->isVisible());
    }

    void theSecondBarcelonaProvinceListsTheFirst()
    {
        Programa p;
        TFIniPro &f = *p.f;
        Pulsar(Hijo<QPushButton>(f, "BotLug"));
        Clic(Hijo<VistaMapa>(p.f, "mapa"), Pixel(p.e.MapaComunidades, kComunidadComarcas));
        QVERIFY(Hijo<QListWidget>(f, "ListSelLugFP")->count() >= 2);
        QCOMPARE(f.Lugar().PrimeraProvincia, 34);
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 0);
        const QStringList primera = Textos(Hijo<QListWidget>(f, "ListSelLugFP"));
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 1);
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListSelLugFP")), primera);
        QCOMPARE(f.Lugar().ProvinciaGuardada, p.e.CodigoProvincia[34][1]);
    }

    void familyAndGroupClicksWithoutARowChooseNothing()
    {
        Programa p;
        TFIniPro &f = *p.f;
        // A group whose record has a hole lists its families without one.
        f.Datos().Grupos.FamiliasGrupoFPBasica.Poner(2, 1, 3);
        f.Datos().Grupos.FamiliasGrupoFPBasica.Poner(2, 2, 0);
        f.Datos().Grupos.FamiliasGrupoFPBasica.Poner(2, 3, 12);
        ClicFila(Hijo<QListWidget>(f, "ListSelFp"), 1);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->count(), 2);
        QCOMPARE(f.Estado().Titulos.FamiliasGrupoSel, (std::vector<int>{3, 12}));
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
        const std::vector<int> titulos = TitulosDeFamilia(f.Nivel(), 12);
        QCOMPARE(Hijo<QListWidget>(f, "ListTitFP")->item(0)->text(), Linea(p.e.NombresFPBasica, titulos.front()));
        // Below the last row of each list nothing changes.
        const QStringList lista = Textos(Hijo<QListWidget>(f, "ListTitFP"));
        const QRect ultima =
            Hijo<QListWidget>(f, "ListPreFam")
                ->visualItemRect(
                    Hijo<QListWidget>(f, "ListPreFam")->item(Hijo<QListWidget>(f, "ListPreFam")->count() - 1));
        ClicEn(Hijo<QListWidget>(f, "ListPreFam")->viewport(), ultima.bottomLeft() + QPoint(20, 3));
        QCOMPARE(Textos(Hijo<QListWidget>(f, "ListTitFP")), lista);
        ClicEn(Hijo<QListWidget>(f, "ListTitFP")->viewport(),
               QPoint(20, Hijo<QListWidget>(f, "ListTitFP")->viewport()->height() - 3));
        QCOMPARE(f.Estado().TituloSel, 0);
    }

    void aGroupWithoutFamiliesOpensThePlaceRouteAndTheCloseBoxGoesHome()
    {
        Programa p;
        TFIniPro &f = *p.f;
        int g = 0;
        for (int k = 1; k <= kGruposFPB && !g; ++k)
            if (f.Datos().Grupos.PorLugar(k))
                g = k;
        QVERIFY(g > 0);
        ClicFila(Hijo<QListWidget>(f, "ListSelFp"), g - 1);
        QVERIFY(f.EstadoRuta().RutaPorLugar && !f.EstadoRuta().RutaPorTitulo);
        QVERIFY(Hijo<VistaMapa>(f, "mapa")->isVisible() && Hijo<QListWidget>(f, "ListSelFp")->isHidden() &&
                Hijo<QPushButton>(f, "BotLug")->isHidden());
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), p.e.Texto(190));
        // The close box goes back home without asking.
        Clic(Hijo<VistaMapa>(p.f, "mapa"), Pixel(p.e.MapaComunidades, 1));
        QVERIFY(Cerrar(&f));
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.form0->isVisible());
        QVERIFY(p.m.textos.isEmpty());
        QVERIFY(!p.e.ErrorFicheros);
    }

    void everyCaptionFitsInTheFourLanguages_data()
    {
        QTest::addColumn<int>("idioma");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }

    void everyCaptionFitsInTheFourLanguages()
    {
        QFETCH(int, idioma);
        Programa p(idioma);
        TFIniPro &f = *p.f;
        for (QPushButton *b : f.findChildren<QPushButton *>())
            QVERIFY2(Cabe(b, b->text(), 12), qPrintable(b->objectName() + ": " + b->text()));
        QVERIFY(!Hijo<QLabel>(f, "LabelFPIp1")->text().isEmpty());
        QVERIFY(!LineasConCodigo(p.e.Requisitos, p.e.NumRequisitos, " 8", 60).empty());
        for (QLabel *l : {Hijo<QLabel>(f, "LabelFPIp1"), Hijo<QLabel>(f, "LabelAno"), Hijo<QLabel>(f, "PanelSelTit0")})
            QVERIFY2(Cabe(l, l->text(), 4), qPrintable(l->objectName() + ": " + l->text()));
        for (int k : {29, 312, 578, 190, 323})
            QVERIFY2(Cabe(Hijo<QLabel>(f, "PanelSelTit"), p.e.Texto(k), 4), qPrintable(p.e.Texto(k)));
        for (int i = 0; i < Hijo<QListWidget>(f, "ListSelFp")->count(); ++i)
            QVERIFY2(Cabe(Hijo<QListWidget>(f, "ListSelFp"), Hijo<QListWidget>(f, "ListSelFp")->item(i)->text(), 54),
                     qPrintable(Hijo<QListWidget>(f, "ListSelFp")->item(i)->text()));
        // Titles and family names in their lists.
        for (int t = 1; t <= p.e.NumFPBasica; ++t)
            QVERIFY2(Cabe(Hijo<QListWidget>(f, "ListTitFP"), Linea(p.e.NombresFPBasica, t), 26),
                     qPrintable(Linea(p.e.NombresFPBasica, t)));
    }
};

QTEST_MAIN(PruebaBasica)
#include "basica_qtest.moc"
