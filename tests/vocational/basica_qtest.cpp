// The basic-cycle screen as the program makes it at start-up over the
// shipped data: its tables, the group list that follows the mouse until a
// click, families, titles with their explanation, a title's map and views,
// back, the close box, and its captions in the four languages.
#include "arranque.h"
#include "ansi.h"
#include "asistente.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "inipro.h"
#include "pantallas.h"
#include "panel_efectos.h"
#include "principal.h"
#include "transiciones_paneles.h"
#include "vista_mapa.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QWindow>
#include <QtTest>
#include <memory>

using namespace norvela;

namespace {

struct Programa {
    explicit Programa(int idioma = 0) : e(m)
    {
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("basica"), idioma));
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        arranque->CrearPantallas();
        if (TransicionesPaneles *t = arranque->pantallas.Transiciones)
            for (TTransitionEffect *efecto : t->findChildren<TTransitionEffect *>())
                efecto->Milliseconds = 0;
        f = arranque->pantallas.FIniPro;
    }
    ~Programa() { e.ErrorFicheros = true; }
    MensajesRegistrados m;
    Enlace e;
    std::unique_ptr<Arranque> arranque;
    TFIniPro *f = nullptr;
};

// The mouse moves over row `fila` of a list, then (when `clic`) clicks it.
void SobreFila(QListWidget *l, int fila, bool clic = false)
{
    QVERIFY(fila < l->count());
    const QPoint centro = l->visualItemRect(l->item(fila)).center();
    // What the window system delivers while the mouse moves over the list.
    QMouseEvent movido(QEvent::MouseMove, centro, l->viewport()->mapToGlobal(centro), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
    QApplication::sendEvent(l->viewport(), &movido);
    if (clic)
        QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, centro);
}

QStringList Filas(const QListWidget *l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

QString Linea(const TablaTexto &t, int i)
{
    return DesdeAnsi(t[i]).trimmed();
}

// The first group that lists `familias` families, and its row.
int GrupoCon(const TFIniPro &f, size_t familias)
{
    for (int g = 1; g <= kGruposFPB; ++g)
        if (f.datos.Grupos.Familias(g).size() == familias)
            return g;
    return 0;
}

} // namespace

class PruebaBasica : public QObject {
    Q_OBJECT

private slots:
    void creationLoadsTheScreensTables()
    {
        Programa p;
        QVERIFY(!p.e.ErrorFicheros);
        QVERIFY(p.f);
        const Enlace &e = p.e;
        const TablasFPB &d = p.f->datos;
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
        QCOMPARE(p.f->ListSelFp->count(), kGruposFPB);
        for (int g = 1; g <= kGruposFPB; ++g)
            QCOMPARE(p.f->ListSelFp->item(g - 1)->text(),
                     DesdeAnsi(e.NombresFamilias[39 + g]).mid(6).trimmed());
        QCOMPARE(p.f->LabelFPIp1->text(), DesdeAnsi(e.Requisitos[54]).mid(3).trimmed());
        QVERIFY(!p.f->LabelFPIp1->text().isEmpty());

        // The group heading blinks 13 ticks from creation and ends shown;
        // the title's blink shares the count.
        QVERIFY(p.f->TimerAyu.isActive());
        QStringList vistos;
        for (int k = 0; k < 13; ++k) {
            p.f->TimerAyuTimer();
            vistos << p.f->PanelSelTit0->text();
        }
        QVERIFY(!p.f->TimerAyu.isActive());
        QCOMPARE(vistos.count(QString()), 6);
        QCOMPARE(vistos.last(), p.e.Texto(577).trimmed());
        QCOMPARE(p.f->vista.ContadorParpadeo, 0);
    }

    void titleRouteFromTheAssistant()
    {
        Programa p;
        TFIniPro &f = *p.f;
        p.e.DesdeAsistente = true;
        p.arranque->pantallas.Form5->show();
        p.arranque->pantallas.Form5->BGarantiaClick();
        QVERIFY(f.isVisible());
        QVERIFY(!p.arranque->pantallas.Form5->isVisible());
        QVERIFY(p.e.RutaPorTitulo && !p.e.RutaPorLugar);
        QVERIFY(f.ListSelFp->isVisible() && f.BotLug->isVisible() && f.BotRetrocederFP->isVisible());

        // The highlight follows the mouse until a click freezes it.
        SobreFila(f.ListSelFp, 4);
        QCOMPARE(f.ListSelFp->currentRow(), 4);
        SobreFila(f.ListSelFp, 2);
        QCOMPARE(f.ListSelFp->currentRow(), 2);
        const int g = GrupoCon(f, 3);
        QVERIFY(g > 0);
        SobreFila(f.ListSelFp, g - 1, true);
        QVERIFY(p.e.SeleccionFija);
        SobreFila(f.ListSelFp, g == 1 ? 1 : 0);
        QCOMPARE(f.ListSelFp->currentRow(), g - 1);
        QCOMPARE(f.PanelSelTit->text(), p.e.Texto(578));

        // Its families, each with its titles.
        const std::vector<int> familias = f.datos.Grupos.Familias(g);
        QStringList nombres;
        for (int fam : familias)
            nombres << DesdeAnsi(p.e.NombresFPBasica[f.datos.InicioFamiliaFPB[static_cast<size_t>(fam)]]).mid(1).trimmed();
        QCOMPARE(Filas(f.ListPreFam), nombres);
        QCOMPARE(f.ListPreFam->height(), 135);
        QVERIFY(f.ListTitFP->isHidden());
        int fila = -1;
        RangoTitulos r;
        for (size_t k = 0; k < familias.size() && fila < 0; ++k) {
            r = TitulosDeFamiliaFPB(f.datos.InicioFamiliaFPB, familias[k], p.e.NumFPBasica);
            if (r.Cuantos() >= 2)
                fila = static_cast<int>(k);
        }
        QVERIFY(fila >= 0);
        QTest::mousePress(f.ListPreFam->viewport(), Qt::LeftButton, Qt::NoModifier,
                          f.ListPreFam->visualItemRect(f.ListPreFam->item(fila)).center());
        QTest::mouseRelease(f.ListPreFam->viewport(), Qt::LeftButton, Qt::NoModifier,
                            f.ListPreFam->visualItemRect(f.ListPreFam->item(fila)).center());
        QCOMPARE(f.ListTitFP->count(), r.Cuantos());
        QCOMPARE(f.ListTitFP->item(1)->text(), Linea(p.e.NombresFPBasica, r.desde + 1));
        QVERIFY(f.Labeltitulo->text().trimmed().startsWith(p.e.Texto(307)));

        // The explanation of the title under the mouse: what it leads to.
        SobreFila(f.ListTitFP, 1);
        QVERIFY(f.ListFPExpli->isVisible());
        QCOMPARE(f.ListFPExpli->count(), 6);
        QCOMPARE(f.ListFPExpli->item(0)->text(), QStringLiteral("    ") + p.e.Texto(271).left(30));
        QCOMPARE(f.ListFPExpli->item(1)->text(), DesdeAnsi(p.e.AsignaturasFPBasica.En(r.desde + 1, 1)).trimmed());

        // The title: its map with the communities that teach it, its name blinking.
        SobreFila(f.ListTitFP, 1, true);
        const int t = r.desde + 1;
        QCOMPARE(f.vista.TituloFPBSel, t);
        QVERIFY(f.mapa->isVisible() && f.ListSelFp->isHidden() && f.BotLug->isHidden());
        for (QPushButton *b : {f.BotRequisitos, f.BotAsig, f.BotTra, f.BotImprimir, f.BotRetrocederFP})
            QVERIFY(b->isVisible());
        int marcadas = 0;
        for (int c = 1; c <= kNumComunidades; ++c)
            marcadas += p.e.MarcasEstrellas[c];
        QVERIFY(marcadas > 0);
        QVERIFY(f.TimerEstrellas.isActive());
        const QString nombre = Linea(p.e.NombresFPBasica, t);
        QVERIFY(f.TimerParpadeo.isActive());
        int vacios = 0;
        while (f.TimerParpadeo.isActive()) {
            f.TimerParpadeoTimer();
            vacios += f.PanelCarSel->text().isEmpty();
        }
        QCOMPARE(vacios, 4);
        QCOMPARE(f.PanelCarSel->text(), nombre);

        // The three views.
        QTest::mouseClick(f.BotRequisitos, Qt::LeftButton);
        QCOMPARE(f.PanelSelTit->text(), p.e.Texto(29));
        QVERIFY(f.Listsel->isVisible() && f.reja->isHidden());
        QStringList requisitos;
        for (int i = 1; i <= p.e.NumRequisitos; ++i)
            if (p.e.Requisitos[i].rfind(" 8", 0) == 0)
                requisitos << DesdeAnsi(p.e.Requisitos[i]).mid(2).trimmed();
        QVERIFY(!requisitos.isEmpty());
        QCOMPARE(Filas(f.Listsel), requisitos);
        QTest::mouseClick(f.BotAsig, Qt::LeftButton);
        QCOMPARE(f.PanelSelTit->text(), p.e.Texto(312));
        QVERIFY(Filas(f.Listsel).contains(DesdeAnsi(p.e.AsignaturasFPBasica.En(t, 6)).trimmed()));
        QTest::mouseClick(f.BotTra, Qt::LeftButton);
        QCOMPARE(f.Listsel->item(1)->text(), QStringLiteral("  ") + p.e.Texto(199));
        QCOMPARE(f.Listsel->item(2)->text(), DesdeAnsi(p.e.AsignaturasFPBasica.En(t, 1)).trimmed());

        // Back: the families and titles again, the stars stopped; then the assistant.
        QTest::mouseClick(f.BotRetrocederFP, Qt::LeftButton);
        QVERIFY(f.ListSelFp->isVisible() && f.ListPreFam->isVisible() && f.ListTitFP->isVisible());
        QVERIFY(!f.TimerEstrellas.isActive());
        QVERIFY(f.Listsel->isHidden());
        QTest::mouseClick(f.BotRetrocederFP, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.Form5->isVisible());
    }

    void familyAndGroupClicksWithoutARowChooseNothing()
    {
        Programa p;
        TFIniPro &f = *p.f;
        f.AbrirPorTitulo();
        // A group whose record has a hole lists its families without one.
        f.datos.Grupos.FamiliasGrupoFPBasica[2] = {3, 0, 12};
        SobreFila(f.ListSelFp, 1, true);
        QCOMPARE(f.ListPreFam->count(), 2);
        QCOMPARE(f.vista.FamiliasMostradas, (std::vector<int>{3, 12}));
        QTest::mouseClick(f.ListPreFam->viewport(), Qt::LeftButton, Qt::NoModifier,
                          f.ListPreFam->visualItemRect(f.ListPreFam->item(1)).center());
        const RangoTitulos r = TitulosDeFamiliaFPB(f.datos.InicioFamiliaFPB, 12, p.e.NumFPBasica);
        QCOMPARE(f.ListTitFP->item(0)->text(), Linea(p.e.NombresFPBasica, r.desde));
        // Below the last row of each list nothing changes.
        const QStringList titulos = Filas(f.ListTitFP);
        QTest::mouseClick(f.ListPreFam->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(20, f.ListPreFam->viewport()->height() - 3));
        QCOMPARE(Filas(f.ListTitFP), titulos);
        QTest::mouseClick(f.ListTitFP->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(20, f.ListTitFP->viewport()->height() - 3));
        QCOMPARE(f.vista.TituloFPBSel, 0);
    }

    void aGroupWithoutFamiliesOpensThePlaceRoute()
    {
        Programa p;
        TFIniPro &f = *p.f;
        f.AbrirPorTitulo();
        int g = 0;
        for (int k = 1; k <= kGruposFPB && !g; ++k)
            if (f.datos.Grupos.PorLugar(k))
                g = k;
        QVERIFY(g > 0);
        SobreFila(f.ListSelFp, g - 1, true);
        QVERIFY(p.e.RutaPorLugar && !p.e.RutaPorTitulo);
        QVERIFY(f.mapa->isVisible() && f.ListSelFp->isHidden() && f.BotLug->isHidden());
        QCOMPARE(f.PanelSelTit->text(), p.e.Texto(190));
        // Back from the map goes home.
        QTest::mouseClick(f.BotRetrocederFP, Qt::LeftButton);
        QVERIFY(!f.isVisible());
        QVERIFY(p.arranque->pantallas.form0->isVisible());
    }

    void theCloseBoxGoesHomeWithoutAsking()
    {
        Programa p;
        TFIniPro &f = *p.f;
        f.AbrirPorTitulo();
        SobreFila(f.ListSelFp, 0, true);
        QVERIFY(f.windowHandle());
        f.windowHandle()->close();
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
        const auto cabe = [](QWidget *w, const QString &texto, int margen) {
            return QFontMetrics(w->font()).horizontalAdvance(texto) + margen <= w->width();
        };
        for (QPushButton *b : f.findChildren<QPushButton *>())
            QVERIFY2(cabe(b, b->text(), 12), qPrintable(b->objectName() + ": " + b->text()));
        for (QLabel *l : {f.LabelFPIp1, f.LabelAno, f.PanelSelTit0})
            QVERIFY2(cabe(l, l->text(), 4), qPrintable(l->objectName() + ": " + l->text()));
        for (int k : {29, 312, 578, 190, 323})
            QVERIFY2(cabe(f.PanelSelTit, p.e.Texto(k), 4), qPrintable(p.e.Texto(k)));
        for (int i = 0; i < f.ListSelFp->count(); ++i)
            QVERIFY2(cabe(f.ListSelFp, f.ListSelFp->item(i)->text(), 54), qPrintable(f.ListSelFp->item(i)->text()));
        // Titles and family names in their lists.
        for (int t = 1; t <= p.e.NumFPBasica; ++t)
            QVERIFY2(cabe(f.ListTitFP, Linea(p.e.NombresFPBasica, t), 26), qPrintable(Linea(p.e.NombresFPBasica, t)));
    }
};

QTEST_MAIN(PruebaBasica)
#include "basica_qtest.moc"
