// The higher-cycle screen as start-up creates it over the shipped data and
// the main menu opens it: the title route, the map in title and place modes,
// the detail maps, back, and printing (the title sheet to a PDF file read
// back with pdftotext, the community selection of a long sheet, the centre
// list).
#include "ansi.h"
#include "certifiU.h"
#include "controles_fp.h"
#include "enlace.h"
#include "escritorio_registrado.h"
#include "impresion_fp.h"
#include "informe_fp_titulo.h"
#include "informes.h"
#include "inipro.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "medio.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "ruta_lugares_fp.h"
#include "superior.h"
#include "titulos_fp.h"
#include "vista_mapa.h"
#include "titulo_superior_prueba.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data folder, every screen created through
// start-up, the higher-cycle screen opened as the main menu's door opens it.
struct Estado : ProgramaEntregado {
    explicit Estado(int idioma) : ProgramaEntregado(QStringLiteral("fp"), idioma)
    {
        if (!creadas)
            return;
        f = s().Form8.get();
        AbrirPuerta(Tform0::kPuertaFpS);
    }
    TForm8 *f = nullptr;
};

// The sheet of title t over every community, with the screen's views.
HojaTituloFP Hoja(Enlace &e, int t)
{
    VistasTitulo v{{LineasRequisitos(e, e.Requisitos, e.NumRequisitos, t, HaciaAnsi(e.Texto(438))),
                    LineasAsignaturas(e, t, HaciaAnsi(e.Texto(271))), {}}};
    for (int k = 711; k <= 715; ++k)
        v.secciones[2].push_back(HaciaAnsi(e.Texto(k)));
    SeleccionComunidadesFP sel;
    return HojaTitulo(e, NivelSuperior(e), e.Textos, t, v, sel);
}

// The first title whose sheet is long, or short and naming a community.
int TituloCon(Enlace &e, bool larga)
{
    for (int t = 1; t <= e.NumFPSuperior; ++t) {
        const HojaTituloFP h = Hoja(e, t);
        if (e.NombresFPSuperior[t][0] != '-' && h.pedirSeleccion == larga && (larga || h.informe.negritas.size() > 4))
            return t;
    }
    return 0;
}

// Title t's menu, opened from its family's title list.
void AbrirTitulo(Estado &s, int t)
{
    ElegirTituloSuperior(*s.f, s.e, t);
    QVERIFY(Hijo<QWidget>(s.f, "PanelFpTit")->isVisible());
}

// The "***" community headings a list shows.
QStringList Encabezados(const QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->text().startsWith(QStringLiteral("***")))
            r << l->item(i)->text();
    return r;
}

// The communities whose centres teach title t, and the heading of one.
QList<int> ComunidadesConCentros(Enlace &e, int t)
{
    QList<int> r;
    for (int c = 1; c <= 19; ++c)
        if (!BloqueComunidadTitulo(e, NivelSuperior(e), c, t).empty())
            r << c;
    return r;
}
// A community's heading on the sheet: its name upper-cased in 30 characters.
QString Encabezado(Enlace &e, int c)
{
    return QStringLiteral("***  %1***").arg(DesdeAnsi(NombreComunidad(e, c, 30)).toUpper(), -30);
}

} // namespace

class PruebaSuperior : public QObject {
    Q_OBJECT

private slots:
    void TitleByFamilyInEveryLanguage()
    {
        // The screen's captions in the four languages: the group list's
        // heading, the back row, the title list's label, the access entry of
        // the title menu, the centre grid's heading and its no-result row.
        struct Textos {
            const char *areas, *volver, *eligeTitulo, *acceso, *centros, *ninguno;
        };
        const Textos textos[4] = {
            {"¿Qué área profesional te interesa?", "Volver", "Elige un título", "Acceso a la universidad",
             "Centros que imparten el título", "No hay resultados"},
            {"Quina àrea professional t'interessa?", "Tornar", "Tria un títol", "Accés a la universitat",
             "Centres que ofereixen el títol", "No hi ha resultats"},
            {"Que área profesional che interesa?", "Volver", "Elixe un título", "Acceso á universidade",
             "Centros que imparten o título", "Non hai resultados"},
            {"Zein lanbide-arlo interesatzen zaizu?", "Itzuli", "Aukeratu titulu bat", "Sarbidea unibertsitatera",
             "Titulua duten ikastetxeak", "Ez dago emaitzarik"},
        };
        for (int idioma = 0; idioma < 4; ++idioma) {
            const Textos &x = textos[idioma];
            Estado s(idioma);
            TForm8 &f = *s.f;
            QVERIFY(s.m.textos.isEmpty());
            Pulsar(Hijo<QPushButton>(f, "MenuFP1"));
            QVERIFY(Hijo<QListWidget>(f, "ListPreFam")->isVisible());
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->count(), s.e.NumGruposFamilias);
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), QString::fromUtf8(x.areas));

            // Group 1: the back row, its families and the sports family.
            ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 0);
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->item(0)->text(), QString::fromUtf8(x.volver));
            const QString deporte = DesdeAnsi(s.e.EncabezadosFPSuperior[s.e.NumEncabezadosFPSuperior]).mid(1).trimmed();
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->item(Hijo<QListWidget>(f, "ListPreFam")->count() - 1)->text(),
                     deporte);
            QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 301);

            // Its first family and the family's first title.
            ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
            QVERIFY(Hijo<QListWidget>(f, "ListTitFP")->isVisible());
            QVERIFY(Hijo<QListWidget>(f, "ListTitFP")->count() > 0);
            QVERIFY(Hijo<QLabel>(f, "Labeltitulo")
                        ->text()
                        .endsWith(QString::fromUtf8(x.eligeTitulo) + QStringLiteral("...")));
            const int familia = f.Estado().Titulos.FamiliasGrupoSel[1];
            ClicFila(Hijo<QListWidget>(f, "ListTitFP"), 0);
            QCOMPARE(f.Estado().TituloSel, s.e.FilaTituloGS[familia] + 1);
            QVERIFY(Hijo<QWidget>(f, "PanelFpTit")->isVisible());
            QCOMPARE(Hijo<QPushButton>(f, "MenuFpTit4")->text(), QString::fromUtf8(x.acceso));
            const QString nombre = DesdeAnsi(s.e.NombresFPSuperior[f.Estado().TituloSel]).trimmed();
            for (int tic = 0; tic < 9; ++tic) {
                QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text().isEmpty(), tic > 0 && tic % 2 == 0);
                Hijo<Parpadeo>(f, "TimerParpadeo")->Tic();
            }
            QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), nombre);
            QVERIFY(!Hijo<Parpadeo>(f, "TimerParpadeo")->EnMarcha());

            // Where it is taught: circles over the communities, centres of one.
            Pulsar(Hijo<QPushButton>(f, "MenuFpTit1"));
            QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
            QVERIFY(!Hijo<QWidget>(f, "PanelFpTit")->isVisible());
            QVERIFY(Hijo<QTimer>(f, "TimerEstrellas")->isActive());
            int c = 1;
            while (c <= 19 && !s.e.MarcasEstrellas[c])
                ++c;
            QVERIFY2(c <= 19, "the first title of the first family is taught somewhere");
            Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, c));
            QCOMPARE(f.Lugar().ComunidadSel, c);
            QVERIFY(Hijo<QTableWidget>(f, "reja")->isVisible());
            QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), QString::fromUtf8(x.centros));
            QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > 0);
            QVERIFY(Hijo<QTableWidget>(f, "reja")->item(0, 0)->text() != QString::fromUtf8(x.ninguno));

            // Back: to the title menu, then to the start panel.
            Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
            QVERIFY(Hijo<QWidget>(f, "PanelFpTit")->isVisible());
            QVERIFY(!Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
            QVERIFY(!Hijo<QTimer>(f, "TimerEstrellas")->isActive());
            Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
            QVERIFY(Hijo<QWidget>(f, "PanelFP")->isVisible());
            QVERIFY(!Hijo<QWidget>(f, "PanelFpTit")->isVisible());
        }
    }

    void ViewsAndGroupSix()
    {
        Estado s(0);
        TForm8 &f = *s.f;
        Pulsar(Hijo<QPushButton>(f, "MenuFP1"));
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 5);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->height(), 301);
        QVERIFY2(Hijo<QListWidget>(f, "ListPreFam")->count() > 4, "group 6 lists the arts families too");
        // A family row, then a requirements view with its LOMCE block.
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
        ClicFila(Hijo<QListWidget>(f, "ListTitFP"), 0);
        Pulsar(Hijo<QPushButton>(f, "MenuFpTit2"));
        QVERIFY(Hijo<QListWidget>(f, "listSelFP")->isVisible());
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), QStringLiteral("Requisitos"));
        const bool lomce = f.Estado().TituloSel < s.e.LimiteSeccionGS;
        QCOMPARE(!Hijo<QListWidget>(f, "listSelFP")->findItems(QStringLiteral("LOMCE"), Qt::MatchContains).isEmpty(),
                 lomce);
        QCOMPARE(Hijo<QPushButton>(f, "MenuFpTit2")->font().italic(), true);
        Pulsar(Hijo<QPushButton>(f, "MenuFpTit4"));
        QCOMPARE(Hijo<QListWidget>(f, "listSelFP")->count(), 5);
        QCOMPARE(Hijo<QListWidget>(f, "listSelFP")->item(0)->text(),
                 QStringLiteral("Desde Bachillerato, aprobando la EBAU."));
        Pulsar(Hijo<QPushButton>(f, "MenuFpTit3"));
        QVERIFY(Hijo<QListWidget>(f, "listSelFP")->count() >= 14);

        // A title taught nowhere: no circles, and a community shows the no-result row.
        int nadie = 0;
        for (int t = 1; t <= s.e.NumFPSuperior && !nadie; ++t)
            if (s.e.NombresFPSuperior[t][0] != '-' && ComunidadesConCentros(s.e, t).isEmpty())
                nadie = t;
        QVERIFY2(nadie > 0, "some title is taught nowhere");
        AbrirTitulo(s, nadie);
        Pulsar(Hijo<QPushButton>(f, "MenuFpTit1"));
        for (int c = 1; c <= 19; ++c)
            QVERIFY(!s.e.MarcasEstrellas[c]);
        QVERIFY(Hijo<QTimer>(f, "TimerEstrellas")->isActive());
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, 1));
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 1);
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->item(0, 0)->text(), QStringLiteral("No hay resultados"));
    }

    void PlaceRouteDownToLocalitiesAndBack()
    {
        Estado s(0);
        TForm8 &f = *s.f;
        Pulsar(Hijo<QPushButton>(f, "MenuFP2"));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, 2));   // Aragón: three provinces
        QVERIFY(Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        QCOMPARE(Hijo<QListWidget>(f, "ListSelLugFP")->count(), f.Lugar().NumProvinciasSel);
        QVERIFY(f.Lugar().NumProvinciasSel >= 3);
        QVERIFY(!Hijo<QWidget>(f, "PanelEstrellas")->isVisible());

        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 2);
        QVERIFY(f.EstadoRuta().LocalidadesListadas);
        QVERIFY(Hijo<QListWidget>(f, "ListSelLugFP")->count() >= 2);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), Hijo<QLabel>(f, "PanelCarSel")->text().trimmed());
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 1);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->isVisible());
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > 0);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->item(0, 0)->text().startsWith('-'));
        // The whole province, scrolled to the chosen locality's first centre.
        const int arriba = Hijo<QTableWidget>(f, "reja")->rowAt(1);
        QVERIFY(arriba > 0);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->item(arriba, 0)->text().startsWith('-'));
        QVERIFY(Hijo<QTableWidget>(f, "reja")->item(arriba, 0)->text().mid(1).startsWith(
            Hijo<QListWidget>(f, "ListSelLugFP")->item(1)->text()));
        QCOMPARE(Hijo<QLabel>(f, "PanelSelTit")->text(), QStringLiteral("Títulos - Solo Grado Superior"));
        const int soloSuperior = Hijo<QTableWidget>(f, "reja")->rowCount();

        // All levels: more rows, none of them a title a double click opens.
        Pulsar(Hijo<QPushButton>(f, "botTodaFP"));
        QCOMPARE(Hijo<QPushButton>(f, "botTodaFP")->text(), QStringLiteral("Solo Grado Superior"));
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 1);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > soloSuperior);
        Pulsar(Hijo<QPushButton>(f, "botTodaFP"));
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 1);
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), soloSuperior);

        // A double click on a title row opens that title.
        int fila = 0;
        while (fila < Hijo<QTableWidget>(f, "reja")->rowCount() &&
               Hijo<QTableWidget>(f, "reja")->item(fila, 0)->data(RolTitulo).toInt() == 0)
            ++fila;
        QVERIFY(fila < Hijo<QTableWidget>(f, "reja")->rowCount());
        const int titulo = Hijo<QTableWidget>(f, "reja")->item(fila, 0)->data(RolTitulo).toInt();
        DobleClicFila(Hijo<QTableWidget>(f, "reja"), 0);
        QCOMPARE(f.Estado().TituloSel, 0);
        DobleClicFila(Hijo<QTableWidget>(f, "reja"), fila);
        QCOMPARE(f.Estado().TituloSel, titulo);
        QVERIFY(Hijo<QWidget>(f, "PanelFpTit")->isVisible());

        // Back through every level of the place route.
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        Pulsar(Hijo<QPushButton>(f, "MenuFP2"));
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, 2));
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 0);
        QVERIFY(f.EstadoRuta().LocalidadesListadas);
        ClicFila(Hijo<QListWidget>(f, "ListSelLugFP"), 0);
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(!f.EstadoRuta().LocalidadesListadas);
        QCOMPARE(Hijo<QListWidget>(f, "ListSelLugFP")->count(), f.Lugar().NumProvinciasSel);
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 0);
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
        QVERIFY(!Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<QWidget>(f, "PanelFP")->isVisible());
        QVERIFY(!f.EstadoRuta().RutaPorLugar);
    }

    void CataloniaAndMadridDetailMaps()
    {
        Estado s(0);
        TForm8 &f = *s.f;
        Pulsar(Hijo<QPushButton>(f, "MenuFP2"));
        // The hover caption holds a community's whole name, however long.
        const auto entera = [&f] {
            return Hijo<QLabel>(f, "PanelMapa")->isVisible() &&
                   Hijo<QLabel>(f, "PanelMapa")->fontMetrics().horizontalAdvance(Hijo<QLabel>(f, "PanelMapa")->text()) <
                       Hijo<QLabel>(f, "PanelMapa")->width();
        };
        for (int c = 1; c <= 19; ++c) {
            const QPoint p = Pixel(s.e.MapaComunidades, c);
            Mover(Hijo<VistaMapa>(f, "mapa"), Hijo<VistaMapa>(f, "mapa")->PuntoDe(p.x(), p.y()));
            QVERIFY2(entera(), qPrintable(Hijo<QLabel>(f, "PanelMapa")->text()));
            QVERIFY(Hijo<QLabel>(f, "PanelMapa")->geometry().right() < f.width());
        }
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, kComunidadComarcas));
        QVERIFY(Hijo<VistaMapa>(f, "mapac")->isVisible());
        QVERIFY(!Hijo<QListWidget>(f, "ListSelLugFP")->isVisible());
        QVERIFY(f.Lugar().ModoComarcas);

        Clic(Hijo<VistaMapa>(f, "mapac"), Pixel(s.e.MapaRegionesC, kComarcaBarcelones));
        QVERIFY(Hijo<QListWidget>(f, "listBarcelona")->isVisible());
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 0);
        ClicFila(Hijo<QListWidget>(f, "listBarcelona"), 4);   // the separator
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), 0);
        ClicFila(Hijo<QListWidget>(f, "listBarcelona"), 0);
        QVERIFY(Hijo<QTableWidget>(f, "reja")->rowCount() > 0);
        QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), DesdeAnsi(s.e.NombresComarcas[kPrimeraSubcomarca]).trimmed());
        Pulsar(Hijo<QPushButton>(f, "BotCerrar"));
        QVERIFY(!Hijo<QListWidget>(f, "listBarcelona")->isVisible());

        // Every district of the map lists centres.
        for (int r = 1; r <= kNumComarcasMapa; ++r) {
            if (r == kComarcaBarcelones)
                continue;
            VaciarRejilla(Hijo<QTableWidget>(f, "reja"));
            const QPoint p = Pixel(s.e.MapaRegionesC, r);
            QVERIFY2(p.x() > 0, qPrintable(QString::number(r)));
            Clic(Hijo<VistaMapa>(f, "mapac"), p);
            QVERIFY2(Hijo<QTableWidget>(f, "reja")->rowCount() > 0, qPrintable(QStringLiteral("district %1").arg(r)));
        }

        Pulsar(Hijo<QPushButton>(f, "BotRetrocederFP"));
        QVERIFY(Hijo<QWidget>(f, "PanelEstrellas")->isVisible());
        QVERIFY(!Hijo<VistaMapa>(f, "mapac")->isVisible());

        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, kComunidadZonas));
        QVERIFY(Hijo<VistaMapa>(f, "mapam")->isVisible());
        for (int z = 1; z <= kNumZonasMapa; ++z) {
            VaciarRejilla(Hijo<QTableWidget>(f, "reja"));
            const QPoint p = Pixel(s.e.MapaRegionesM, z);
            QVERIFY2(p.x() > 0, qPrintable(QString::number(z)));
            Mover(Hijo<VistaMapa>(f, "mapam"), Hijo<VistaMapa>(f, "mapam")->PuntoDe(p.x(), p.y()));
            QVERIFY(Hijo<QLabel>(f, "PanelMapa")->width() >= 250);
            QVERIFY2(entera(), qPrintable(Hijo<QLabel>(f, "PanelMapa")->text()));
            Clic(Hijo<VistaMapa>(f, "mapam"), p);
            QVERIFY2(Hijo<QTableWidget>(f, "reja")->rowCount() > 0, qPrintable(QStringLiteral("zone %1").arg(z)));
            QCOMPARE(Hijo<QLabel>(f, "PanelCarSel")->text(), QStringLiteral("Madrid"));
        }
        // Outside every zone nothing happens.
        const int filas = Hijo<QTableWidget>(f, "reja")->rowCount();
        Clic(Hijo<VistaMapa>(f, "mapam"), Pixel(s.e.MapaRegionesM, 0));
        QCOMPARE(Hijo<QTableWidget>(f, "reja")->rowCount(), filas);
    }

    void ClicksOnNoItemDoNothing()
    {
        // A press below the rows of the group list, then of a family's titles.
        Estado s(0);
        TForm8 &f = *s.f;
        Pulsar(Hijo<QPushButton>(f, "MenuFP1"));
        ClicEn(Hijo<QListWidget>(f, "ListPreFam")->viewport(),
               QPoint(20, Hijo<QListWidget>(f, "ListPreFam")->viewport()->height() - 2));
        QVERIFY(f.Estado().Titulos.ListaDeGrupos);
        QCOMPARE(Hijo<QListWidget>(f, "ListPreFam")->count(), s.e.NumGruposFamilias);
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
        ClicFila(Hijo<QListWidget>(f, "ListPreFam"), 1);
        QVERIFY(Hijo<QListWidget>(f, "ListTitFP")->count() > 0);
        ClicEn(Hijo<QListWidget>(f, "ListTitFP")->viewport(),
               QPoint(20, Hijo<QListWidget>(f, "ListTitFP")->viewport()->height() - 2));
        QCOMPARE(f.Estado().TituloSel, 0);
        QVERIFY(Hijo<QListWidget>(f, "ListTitFP")->isVisible());
    }

    // Two blinks of one screen on one counter (the group heading's 13 ticks
    // and the title's 9): each sees the other's ticks and stops sooner.
    void TwoBlinksShareOneCounter()
    {
        int contador = 0;
        QString grupo, titulo;
        Parpadeo ayuda(nullptr, 12, &contador), nombre(nullptr, 8, &contador);
        ayuda.Iniciar([&](bool mostrar) { grupo = mostrar ? QStringLiteral("G") : QString(); });
        for (int tic = 1; tic <= 12; ++tic)
            ayuda.Tic();
        QCOMPARE(grupo, QString());
        QCOMPARE(contador, 12);
        ayuda.Tic();
        QCOMPARE(grupo, QStringLiteral("G"));
        QVERIFY(!ayuda.EnMarcha());
        QCOMPARE(contador, 0);

        ayuda.Iniciar([&](bool mostrar) { grupo = mostrar ? QStringLiteral("G") : QString(); });
        nombre.Iniciar([&](bool mostrar) { titulo = mostrar ? QStringLiteral("T") : QString(); });
        for (int par = 1; par <= 4; ++par) {
            ayuda.Tic();
            nombre.Tic();
        }
        QCOMPARE(contador, 8);
        QCOMPARE(titulo, QString());
        nombre.Tic();
        QCOMPARE(titulo, QStringLiteral("T"));
        QVERIFY(!nombre.EnMarcha());
        QVERIFY(ayuda.EnMarcha());
        QCOMPARE(ayuda.Cuenta(), 0);
    }

    void CommunityPortalOpensOnlyWebAddresses()
    {
        Estado s(0);
        TForm8 &f = *s.f;
        pruebas::EscritorioRegistrado abridor({QStringLiteral("http"), QStringLiteral("https")});
        Pulsar(Hijo<QPushButton>(f, "MenuFP2"));
        Clic(Hijo<VistaMapa>(f, "mapa"), Pixel(s.e.MapaComunidades, 8));
        Pulsar(Hijo<QPushButton>(f, "BotInternetC"));
        QCOMPARE(abridor.abiertas, QList<QUrl>{QUrl(QStringLiteral("http://www.educa.jcyl.es/fp"))});
        for (const char *malas : {"", "   ", "www.ejemplo.es/a b", "\\\\servidor\\recurso"}) {
            s.e.WebComunidad.Poner(8, malas);
            Pulsar(Hijo<QPushButton>(f, "BotInternetC"));
        }
        Pulsar(Hijo<QPushButton>(f, "BotInternetC"));
        QCOMPARE(abridor.abiertas.size(), 1);
    }

    void TitleSheetPreviewAndPdf()
    {
        Estado s(0);
        const int t = TituloCon(s.e, false);
        QVERIFY2(t > 0, "some short sheet names a community");
        AbrirTitulo(s, t);

        // The program's print dialog, cancelled: nothing printed, the
        // preview stays as built, bold where the print is.
        QTemporaryDir dir;
        DialogoImpresion().printer()->setOutputFormat(QPrinter::PdfFormat);
        DialogoImpresion().printer()->setOutputFileName(dir.filePath(QStringLiteral("nunca.pdf")));
        bool visto = false;
        QTimer rechazo;
        QObject::connect(&rechazo, &QTimer::timeout, [&] {
            if (auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                visto = true;
                d->reject();
            }
        });
        rechazo.start(10);
        Pulsar(Hijo<QPushButton>(s.f, "MenuFpTit5"));
        rechazo.stop();
        QVERIFY(visto);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("nunca.pdf"))));
        QCOMPARE(s.f->UltimaImpresion, ResultadoInforme::Cancelado);
        QVERIFY(Hijo<QListWidget>(s.f, "listSelFP")->isVisible() && !Hijo<QTableWidget>(s.f, "reja")->isVisible());
        QCOMPARE(Hijo<QListWidget>(s.f, "listSelFP")->count(), s.e.NumLineasInforme);
        QCOMPARE(Hijo<QListWidget>(s.f, "listSelFP")->font().family(), QStringLiteral("Courier New"));
        // Bold are the three section headings, the heading over the
        // communities and each community's heading.
        const QStringList secciones = {QStringLiteral("- Requisitos"), QStringLiteral("- Salidas y módulos del título"),
                                       QStringLiteral("- Acceso a la universidad"),
                                       QStringLiteral("-DÓNDE SE PUEDE ESTUDIAR")};
        QStringList negritasVistas;
        int comunidades = 0;
        for (int i = 0; i < Hijo<QListWidget>(s.f, "listSelFP")->count(); ++i) {
            const QListWidgetItem *fila = Hijo<QListWidget>(s.f, "listSelFP")->item(i);
            const bool encabezado = fila->text().startsWith(QStringLiteral("***"));
            comunidades += encabezado;
            QCOMPARE(fila->font().bold(), encabezado || secciones.contains(fila->text()));
            if (fila->font().bold() && !encabezado)
                negritasVistas << fila->text();
        }
        QCOMPARE(negritasVistas, secciones);
        QVERIFY(comunidades > 0);

        // Confirmed to a PDF file: the title, a community heading and the
        // line after the empty one below it (a centre or a province).
        int vistos = 0, negritas = -1;
        const QString pdf = dir.filePath(QStringLiteral("hoja.pdf"));
        s.f->DialogoImprimir = ResponderConPdf(s.e, pdf, vistos, [&] { negritas = s.e.LineasNegrita[0]; });
        Pulsar(Hijo<QPushButton>(s.f, "MenuFpTit5"));
        QCOMPARE(s.f->UltimaImpresion, ResultadoInforme::Hecho);
        QCOMPARE(negritas, 4 + comunidades);
        QVERIFY(s.m.textos.isEmpty());
        const QString texto = TextoPdf(pdf);
        QVERIFY(Impresa(texto, DesdeAnsi(s.e.NombresFPSuperior[t])));
        int encabezado = 0;
        while (!Hijo<QListWidget>(s.f, "listSelFP")->item(encabezado)->text().startsWith(QStringLiteral("***")))
            ++encabezado;
        for (int k : {encabezado, encabezado + 2})
            QVERIFY2(Impresa(texto, Hijo<QListWidget>(s.f, "listSelFP")->item(k)->text()),
                     qPrintable(Hijo<QListWidget>(s.f, "listSelFP")->item(k)->text()));
    }

    void LongSheetPrintsThePickedCommunitiesInOrder()
    {
        Estado s(0);
        int vistos = 0;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("seleccion.pdf"));
        s.f->DialogoImprimir = ResponderConPdf(s.e, pdf, vistos);
        const int t = TituloCon(s.e, true);
        const QList<int> conCentros = ComunidadesConCentros(s.e, t);
        QVERIFY2(t > 0 && conCentros.size() >= 3, "some sheet is long");
        AbrirTitulo(s, t);
        Pulsar(Hijo<QPushButton>(s.f, "MenuFpTit5"));
        QCOMPARE(vistos, 0);
        QVERIFY(Hijo<QWidget>(s.f, "PanelImp")->isVisible() && Hijo<QWidget>(s.f, "PanelEstrellas")->isVisible());
        QVERIFY(!Hijo<QWidget>(s.f, "PanelFpTit")->isVisible());

        // The last community first; a second click adds nothing; a click in
        // the list removes a pick, the others keep their order.
        const int a = conCentros.last(), b = conCentros.first(), c = conCentros[1];
        for (int k : {a, c, a, b})
            Clic(Hijo<VistaMapa>(s.f, "mapa"), Pixel(s.e.MapaComunidades, k));
        QCOMPARE(Hijo<QListWidget>(s.f, "ListImp")->count(), 3);
        QVERIFY(!Hijo<QListWidget>(s.f, "ListSelLugFP")->isVisible());
        ClicFila(Hijo<QListWidget>(s.f, "ListImp"), 1);
        QCOMPARE(s.f->SeleccionInforme().NumComunidadesImpresion(), 2);
        QVERIFY(!s.f->SeleccionInforme().Contiene(c));
        // A click below its rows keeps the picks.
        ClicEn(Hijo<QListWidget>(s.f, "ListImp")->viewport(),
               QPoint(20, Hijo<QListWidget>(s.f, "ListImp")->viewport()->height() - 2));
        QCOMPARE(s.f->SeleccionInforme().NumComunidadesImpresion(), 2);
        QCOMPARE(Hijo<QListWidget>(s.f, "ListImp")->item(1)->text(),
                 DesdeAnsi(NombreComunidad(s.e, b, s.e.AnchoLista)).trimmed());

        Pulsar(Hijo<QPushButton>(s.f, "BotAceptar"));
        QCOMPARE(s.f->UltimaImpresion, ResultadoInforme::Hecho);
        QVERIFY(!Hijo<QWidget>(s.f, "PanelImp")->isVisible() && !Hijo<QWidget>(s.f, "PanelEstrellas")->isVisible());
        QVERIFY(Hijo<QWidget>(s.f, "PanelFpTit")->isVisible());
        QVERIFY(!s.f->SeleccionInforme().SeleccionImpresion);
        QCOMPARE(Encabezados(Hijo<QListWidget>(s.f, "listSelFP")),
                 (QStringList{Encabezado(s.e, a), Encabezado(s.e, b)}));
        // Printed are the picked ones only (their order is the preview's:
        // the columns of a page share the text's lines).
        const QString texto = TextoPdf(pdf);
        QVERIFY(Impresa(texto, Encabezado(s.e, a)) && Impresa(texto, Encabezado(s.e, b)));
        QVERIFY(!Impresa(texto, Encabezado(s.e, c)));

        // The whole sheet is long again; an empty selection prints the
        // sheet without any community.
        Pulsar(Hijo<QPushButton>(s.f, "MenuFpTit5"));
        QVERIFY(Hijo<QWidget>(s.f, "PanelImp")->isVisible());
        s.f->DialogoImprimir = ResponderConPdf(s.e, {}, vistos);
        Pulsar(Hijo<QPushButton>(s.f, "BotAceptar"));
        QCOMPARE(vistos, 2);
        QVERIFY(Encabezados(Hijo<QListWidget>(s.f, "listSelFP")).isEmpty());
        QCOMPARE(Hijo<QListWidget>(s.f, "listSelFP")->item(Hijo<QListWidget>(s.f, "listSelFP")->count() - 2)->text(),
                 QStringLiteral("-DÓNDE SE PUEDE ESTUDIAR"));
    }

    void BackEndsTheSelectionAndTheMapListsCentresAgain()
    {
        Estado s(0);
        int vistos = 0;
        s.f->DialogoImprimir = ResponderConPdf(s.e, {}, vistos);
        const int t = TituloCon(s.e, true);
        AbrirTitulo(s, t);
        Pulsar(Hijo<QPushButton>(s.f, "MenuFpTit5"));
        const int c = ComunidadesConCentros(s.e, t).first();
        Clic(Hijo<VistaMapa>(s.f, "mapa"), Pixel(s.e.MapaComunidades, c));
        QCOMPARE(Hijo<QListWidget>(s.f, "ListImp")->count(), 1);

        Pulsar(Hijo<QPushButton>(s.f, "BotRetrocederFP"));
        QVERIFY(!s.f->SeleccionInforme().SeleccionImpresion);
        QCOMPARE(s.f->SeleccionInforme().NumComunidadesImpresion(), 0);
        QVERIFY(!Hijo<QWidget>(s.f, "PanelImp")->isVisible());
        QVERIFY(Hijo<QWidget>(s.f, "PanelFpTit")->isVisible());

        // The title's map lists centres again instead of picking.
        Pulsar(Hijo<QPushButton>(s.f, "MenuFpTit1"));
        Clic(Hijo<VistaMapa>(s.f, "mapa"), Pixel(s.e.MapaComunidades, c));
        QCOMPARE(Hijo<QListWidget>(s.f, "ListImp")->count(), 0);
        QVERIFY(Hijo<QTableWidget>(s.f, "reja")->isVisible());
        QVERIFY(Hijo<QTableWidget>(s.f, "reja")->item(0, 0)->text() != QStringLiteral("No hay resultados"));
        QCOMPARE(vistos, 0);
    }

    void CentreListsPrintOneBoldLinePerCentre()
    {
        Estado s(0);
        int vistos = 0;
        QTemporaryDir dir;
        // The report and its bold lines while the dialog is up.
        QStringList lineas;
        QList<int> negritas;
        const auto leer = [&] {
            lineas = {DesdeAnsi(s.e.LineasInforme[0])};
            for (int i = 1; i <= s.e.NumLineasInforme; ++i)
                lineas << DesdeAnsi(s.e.LineasInforme[i]);
            negritas.clear();
            for (int k = 1; k <= s.e.LineasNegrita[0]; ++k)
                negritas << s.e.LineasNegrita[k];
        };
        const auto comprobar = [&](const QString &nombre) {
            QCOMPARE(lineas.value(0), QStringLiteral("Oferta educativa: ") + nombre);
            QList<int> cabeceras;
            for (int i = 1; i < lineas.size(); ++i)
                if (lineas[i].startsWith('-'))
                    cabeceras << i;
            QCOMPARE(negritas, cabeceras);
            int centros = 0;
            for (int r = 0; r < Hijo<QTableWidget>(s.f, "reja")->rowCount(); ++r)
                centros += Hijo<QTableWidget>(s.f, "reja")->item(r, 0)->text().startsWith('-');
            QVERIFY(centros > 0);
            QCOMPARE(negritas.size(), centros);
        };

        // A locality of Aragón's third province, every level, to a PDF file.
        Pulsar(Hijo<QPushButton>(s.f, "MenuFP2"));
        Clic(Hijo<VistaMapa>(s.f, "mapa"), Pixel(s.e.MapaComunidades, 2));
        ClicFila(Hijo<QListWidget>(s.f, "ListSelLugFP"), 2);
        const QString provincia = DesdeAnsi(s.f->Lugar().NombreProvinciaSel).trimmed();
        Pulsar(Hijo<QPushButton>(s.f, "botTodaFP"));
        ClicFila(Hijo<QListWidget>(s.f, "ListSelLugFP"), 1);
        const QString pdf = dir.filePath(QStringLiteral("centros.pdf"));
        s.f->DialogoImprimir = ResponderConPdf(s.e, pdf, vistos, leer);
        Pulsar(Hijo<QPushButton>(s.f, "BotImprimir"));
        comprobar(provincia);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(s.f->UltimaImpresion, ResultadoInforme::Hecho);
        const QString texto = TextoPdf(pdf);
        QVERIFY(Impresa(texto, lineas[0]) && Impresa(texto, lineas[negritas.first()]));

        // A district of Catalonia and a zone of Madrid.
        s.f->DialogoImprimir = ResponderConPdf(s.e, {}, vistos, leer);
        Pulsar(Hijo<QPushButton>(s.f, "BotRetrocederFP"));
        Pulsar(Hijo<QPushButton>(s.f, "BotRetrocederFP"));
        Clic(Hijo<VistaMapa>(s.f, "mapa"), Pixel(s.e.MapaComunidades, kComunidadComarcas));
        Clic(Hijo<VistaMapa>(s.f, "mapac"), Pixel(s.e.MapaRegionesC, 1));
        Pulsar(Hijo<QPushButton>(s.f, "BotImprimir"));
        comprobar(DesdeAnsi(s.e.NombresComarcas[1]).trimmed());
        if (QTest::currentTestFailed())
            return;
        Pulsar(Hijo<QPushButton>(s.f, "BotRetrocederFP"));
        Clic(Hijo<VistaMapa>(s.f, "mapa"), Pixel(s.e.MapaComunidades, kComunidadZonas));
        Clic(Hijo<VistaMapa>(s.f, "mapam"), Pixel(s.e.MapaRegionesM, 1));
        Pulsar(Hijo<QPushButton>(s.f, "BotImprimir"));
        comprobar(QStringLiteral("Madrid"));
        QCOMPARE(vistos, 3);
    }

    void ButtonsAreSpokenByTheirCaptions()
    {
        // A screen reader speaks a button's caption, never its code name: the
        // three FP screens' and the certificate screen's buttons, in Basque.
        Estado s(3);
        QVERIFY(s.creadas);
        int vistos = 0;
        const QList<QWidget *> pantallas = {s.s().Form8.get(), s.s().Form3.get(), s.s().FIniPro.get(),
                                               s.s().Certifica.get()};
        for (QWidget *p : pantallas) {
            // As the student first sees it, whole.
            p->show();
            QVERIFY(QTest::qWaitForWindowExposed(p));
            QCoreApplication::processEvents();
            for (QPushButton *b : p->findChildren<QPushButton *>()) {
                if (b->text().isEmpty() || b->objectName().isEmpty())
                    continue;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
                QVERIFY(a);
                QCOMPARE(a->text(QAccessible::Name), b->text().remove(QLatin1Char('&')));
                ++vistos;
            }
            p->hide();
        }
        QVERIFY(vistos > 20);
    }
};

QTEST_MAIN(PruebaSuperior)
#include "superior_qtest.moc"
