// The main menu: the walk, the doors and their screens, the help panel, the
// exit question, and the balloon hints.
#include "arranque.h"
#include "catU.h"
#include "certifiU.h"
#include "enlace.h"
#include "etiquetas.h"
#include "formconsejo.h"
#include "grados.h"
#include "hintU.h"
#include "inipro.h"
#include "itinerarios.h"
#include "medio.h"
#include "principal.h"
#include "profeU.h"
#include "asistente.h"
#include "carpeta_prueba.h"
#include "superior.h"

#include <QDir>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace norvela;

namespace {

// The program on the shipped data folder, with every screen created.
struct Programa {
    explicit Programa(bool animacionIniciada = false) : e(m)
    {
        OpcionesInicio o;
        o.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath("..");
        o.carpetaUsuario = QDir::tempPath() + "/norvela-pruebas-menu";
        Inicializar(e, o);
        e.AnimacionIniciada = animacionIniciada;
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        arranque->CrearPantallas();
        menu = arranque->pantallas.form0;
    }
    MensajesRegistrados m;
    Enlace e;
    std::unique_ptr<Arranque> arranque;
    Tform0 *menu = nullptr;
};

// Plays the door and the zoom tick by tick; returns the zoom ticks.
int AbrirConTics(Tform0 &menu)
{
    int tics = 0;
    while (menu.TimerPuerta.isActive())
        menu.TimerPuertaTimer();
    while (menu.TimerZoom.isActive() && tics < 50) {
        menu.TimerZoomTimer();
        ++tics;
    }
    return tics;
}

} // namespace

class PruebaMenu : public QObject {
    Q_OBJECT

private slots:
    void walkEndsAtItsPlaceAndGreets()
    {
        Programa p;
        QVERIFY(!p.e.ErrorFicheros);
        Tform0 &menu = *p.menu;
        QVERIFY(menu.piloto.isActive());
        QVERIFY(menu.LabelCarreras->toolTip().isEmpty());   // no door hint during the walk
        for (int i = 0; i < 8; ++i)
            menu.pilotoTimer();
        QCOMPARE(menu.anda->x(), 164);
        QVERIFY(!menu.piloto.isActive());
        QVERIFY(menu.TimerTexto.isActive());
        QVERIFY(!menu.LabelCarreras->toolTip().isEmpty());
        QVERIFY(!menu.LabelCat->toolTip().isEmpty());
        QVERIFY(!menu.Bocadillo1->isHidden());
        QVERIFY(!menu.LabelBocadillo1->isHidden());
        QVERIFY(menu.LabelBocadillo1->text().contains(QStringLiteral("Norvela.")));
        menu.TimerTextoTimer();
        QVERIFY(!menu.labelBocadillo2->isHidden());
        QVERIFY(menu.LabelBocadillo1->isHidden());
        QVERIFY(!menu.TimerTexto.isActive());
    }

    void captionsComeFromTheTexts()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        QCOMPARE(menu.windowTitle(), QStringLiteral("Calmirex"));
        QCOMPARE(menu.LabelCarreras->text(), p.e.Texto(84));
        QCOMPARE(menu.LabelCuesB->text(), QStringList({p.e.Texto(8), p.e.Texto(9), p.e.Texto(10), p.e.Texto(11)}).join('\n'));
        QCOMPARE(menu.LabelProfe->text(), p.e.Texto(622) + " " + p.e.Texto(623));
        QCOMPARE(menu.LabelFPM->toolTip().count('\n'), 6);
        QCOMPARE(menu.BotRetroce->text(), p.e.Texto(222));
        QCOMPARE(menu.LabelAno->text(), QStringLiteral("2019/20"));
        QCOMPARE(menu.ImageListIconos.size(), 44);
        for (const QPixmap &icono : menu.ImageListIconos)
            QCOMPARE(icono.size(), QSize(30, 30));
        QCOMPARE(menu.ImageList1.size(), 8);
        QCOMPARE(menu.ImageListPuerta.value(4).size(), QSize(56, 168));
        // A caption longer than its label's design width is not cut.
        const QFontMetrics medidas(menu.LabelConfig->font());
        QVERIFY(menu.LabelConfig->width() >= medidas.horizontalAdvance(p.e.Texto(121)));
    }

    void everyDoorOpensItsScreen_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("pantalla");
        QTest::newRow("degrees") << 1 << "TForm1";
        QTest::newRow("catalogue") << 2 << "TFormCat";
        QTest::newRow("higher cycles") << 3 << "TForm8";
        QTest::newRow("itineraries") << 4 << "TForm2";
        QTest::newRow("intermediate cycles") << 5 << "TForm3";
        QTest::newRow("basic cycles") << 6 << "TFIniPro";
        QTest::newRow("professions") << 7 << "Tprofe";
        QTest::newRow("degree areas") << 8 << "TFormCon";
        QTest::newRow("ESO questionnaires") << 9 << "TForm2";
        QTest::newRow("assistant") << 11 << "TForm5";
    }

    void everyDoorOpensItsScreen()
    {
        QFETCH(int, codigo);
        QFETCH(QString, pantalla);
        Programa p;
        Tform0 &menu = *p.menu;
        menu.show();
        EtiquetaActiva *etiquetas[12] = {nullptr, menu.LabelCarreras, menu.LabelCat, menu.LabelFpS, menu.LabelIti,
                                         menu.LabelFPM, menu.LabelFPip, menu.LabelProfe, menu.LabelCuesB,
                                         menu.LabelCuesE, nullptr, menu.LabelAsistente};
        EtiquetaActiva *puerta = etiquetas[codigo];
        QTest::mouseClick(puerta, Qt::LeftButton);
        QVERIFY(!menu.piloto.isActive());
        QVERIFY(menu.TimerPuerta.isActive());
        QCOMPARE(puerta->ColorFondo(), QColor(223, 236, 249));
        QCOMPARE(menu.PuertaY, codigo >= 7 ? 510 : 170);
        QCOMPARE(menu.PuertaX, puerta->x() + 4);

        int tics = 0;
        while (menu.TimerPuerta.isActive()) {
            menu.TimerPuertaTimer();
            ++tics;
        }
        QCOMPARE(tics, 5);
        QCOMPARE(menu.PuertaArriba, menu.PuertaY - 40);
        QVERIFY(menu.TimerZoom.isActive());
        // The first zoom picture grows around the door's column.
        menu.TimerZoomTimer();
        const int columna = codigo >= 7 ? codigo - 5 : codigo;
        QCOMPARE(menu.RectanguloZoom().left(), (columna - 1) * menu.W - 7);
        QCOMPARE(menu.RectanguloZoom().top(), codigo >= 7 ? 305 : 0);
        // A second click while the door opens changes nothing.
        QTest::mouseClick(menu.LabelCat, Qt::LeftButton);
        QCOMPARE(menu.MenuElegido, codigo);
        QTest::mouseClick(menu.LabelDejar, Qt::LeftButton);
        QVERIFY(menu.isVisible());

        QCOMPARE(AbrirConTics(menu), 10);
        QVERIFY(!menu.isVisible());
        QWidget *abierta = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->objectName() == pantalla)
                abierta = w;
        QVERIFY2(abierta, qPrintable(pantalla + " is not showing"));
        QVERIFY(!menu.AbriendoPuerta());
        QVERIFY(!puerta->toolTip().isEmpty() || codigo == 11);
        QCOMPARE(puerta->ColorFondo(), QColor(223, 236, 249));   // stays for the run

        Pantallas &s = p.arranque->pantallas;
        switch (codigo) {
        case 3:
            QVERIFY(!s.Form8->PanelFP->isHidden());
            break;
        case 4:
            QVERIFY(!s.Form2->BotLOMCE->isHidden());
            QVERIFY(s.Form2->botCuestio->isHidden());
            break;
        case 5:
            // The intro's timer stays idle until the screen has an intro to play.
            QVERIFY(!s.Form3->heli->isActive());
            QVERIFY(!p.e.CuestionarioGM);
            break;
        case 6:
            QVERIFY(p.e.RutaPorTitulo && !p.e.RutaPorLugar);
            QVERIFY(!s.FIniPro->BotLug->isHidden());
            break;
        case 9:
            QVERIFY(s.Form2->BotLOMCE->isHidden());
            QVERIFY(!s.Form2->botCuestio->isHidden());
            QCOMPARE(s.Form2->degradeIti->geometry(), s.Form2->rect());
            break;
        case 11:
            QVERIFY(p.e.DesdeAsistente);
            break;
        }
        abierta->hide();
    }

    void signOpensTheCertificatesAtOnce()
    {
        Programa p;
        p.menu->show();
        p.e.ContadorAyuda = 5;
        QTest::mouseClick(p.menu->LabelDejar, Qt::LeftButton);
        QVERIFY(!p.menu->isVisible());
        QVERIFY(p.arranque->pantallas.Certifica->isVisible());
        QCOMPARE(p.e.ContadorAyuda, 0);
        p.arranque->pantallas.Certifica->hide();
    }

    void fromTheAnimatedScreenTheHelpPanelPlays()
    {
        Programa p(true);
        Tform0 &menu = *p.menu;
        QVERIFY(!menu.piloto.isActive());
        menu.show();
        QVERIFY(menu.TimerAyuda.isActive());
        QStringList lineas;
        for (int i = 1; i <= 9; ++i) {
            menu.TimerAyudaTimer();
            if (i == 1)
                QCOMPARE(menu.LabelAyu[0]->text(), p.e.Texto(14));
            if (i == 8)
                QCOMPARE(menu.LabelAyu[4]->text(), p.e.Texto(18));
        }
        QVERIFY(!menu.TimerAyuda.isActive());
        QCOMPARE(p.e.ContadorAyuda, 0);
        QVERIFY(!menu.PanelAyuda->isHidden());
        // Doors open on the first zoom tick, with no door animation.
        QTest::mouseClick(menu.LabelCat, Qt::LeftButton);
        QVERIFY(!menu.TimerPuerta.isActive());
        QCOMPARE(AbrirConTics(menu), 1);
        QVERIFY(p.arranque->pantallas.FormCat->isVisible());
        p.arranque->pantallas.FormCat->hide();
        // Back returns to the animated screen without asking.
        menu.show();
        QTest::mouseClick(menu.BotRetroce, Qt::LeftButton);
        QVERIFY(p.e.ModoAnimado);
        QVERIFY(!menu.isVisible());
        QVERIFY(p.m.textos.isEmpty());
    }

    void exitAsksFirst()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        menu.show();
        p.m.respuestas = {false};
        QTest::keyClick(&menu, Qt::Key_Escape);
        QCOMPARE(p.m.textos, QStringList{p.e.Texto(49)});
        QVERIFY(menu.isVisible());
        QVERIFY(!p.e.ErrorFicheros);

        p.m.respuestas = {true};
        QVERIFY(menu.close());
        QVERIFY(!menu.isVisible());
        QVERIFY(p.e.ErrorFicheros);   // nothing may start again on the way out
        QVERIFY(!menu.piloto.isActive());
    }

    void missingMenuPictureStopsTheStartUp()
    {
        pruebas::CarpetaPrueba c;
        c.Borrar("rotulon.bmp");
        MensajesRegistrados m;
        Enlace e(m);
        OpcionesInicio o;
        o.rutaPrograma = c.Programa();
        o.carpetaUsuario = c.Programa() + "usuario";
        Inicializar(e, o);
        QVERIFY(!e.ErrorFicheros);
        Pantallas pantallas;
        Tform0 menu(e, pantallas);
        QVERIFY(e.ErrorFicheros);
        QVERIFY(m.textos.isEmpty());   // no message of its own
        QVERIFY(!menu.piloto.isActive());
    }

    void balloonShapeSizeAndPause()
    {
        GestorHints &gestor = GestorHints::Instancia();
        gestor.PausaHint = 30000;
        TMonHint &globo = gestor.Ventana();
        const QString largo = QString(QStringLiteral("palabra ")).repeated(40);
        globo.ActivateHintData(QPoint(100, 100), largo);
        const QFontMetrics medidas(globo.font());
        const QRect texto = medidas.boundingRect(QRect(0, 0, 300, 10000), Qt::TextWordWrap, largo);
        QVERIFY(texto.width() <= 300);
        QCOMPARE(globo.size(), QSize(texto.width() + 16, texto.height() + 32));
        QCOMPARE(globo.pos(), QPoint(77, 100));
        QVERIFY(QTest::qWaitForWindowExposed(&globo));
        QTRY_COMPARE(gestor.PausaHint, 400);
        const QRegion forma = globo.mask();
        QVERIFY(forma.contains(QPoint(25, 15)));   // the pointer
        QVERIFY(forma.contains(QPoint(25, 25)));   // the body
        QVERIFY(!forma.contains(QPoint(2, 2)));
        QVERIFY(!forma.contains(QPoint(40, 5)));
        globo.hide();
    }
};

QTEST_MAIN(PruebaMenu)
#include "principal_test.moc"
