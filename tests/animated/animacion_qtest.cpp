// The animated home screen on the shipped data, started with "S": created
// first as the main window, its scene drawn, each place opening its screen
// and every screen coming back to it, the hand-over to the main menu and
// back, the close question, and the settings panel's animation row.
#include "animacion.h"
#include "arranque.h"
#include "aviso.h"
#include "bienvenidaU.h"
#include "carpeta_entregada.h"
#include "pantalla_prueba.h"
#include "catU.h"
#include "certifiU.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "etiquetas.h"
#include "grados.h"
#include "inipro.h"
#include "mano.h"
#include "medio.h"
#include "panel_efectos.h"
#include "paquete_imagenes.h"
#include "principal.h"
#include "reloj_prueba.h"
#include "ruta_lugares_fp.h"
#include "superior.h"
#include "transiciones.h"
#include "transiciones_paneles.h"

#include <QFrame>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

using namespace norvela;

namespace {

struct Programa {
    // With `conReloj` the screens' animations follow `reloj`.
    explicit Programa(QStringList argumentos = {"S"}, const QString &rutaPrograma = {}, bool conReloj = false)
        : e(m)
    {
        OpcionesInicio o = pruebas::OpcionesEntregadas(QStringLiteral("animado"));
        if (!rutaPrograma.isEmpty())
            o.rutaPrograma = rutaPrograma;
        o.argumentos = std::move(argumentos);
        Inicializar(e, o);
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        if (conReloj)
            arranque->pantallas.RelojAnimaciones = &reloj;
        creadas = arranque->CrearPantallas();
        escena = arranque->pantallas.form9;
        if (TransicionesPaneles *t = arranque->pantallas.Transiciones)
            for (TTransitionEffect *efecto : t->findChildren<TTransitionEffect *>())
                efecto->Milliseconds = 0;
    }
    ~Programa() { e.ErrorFicheros = true; }
    PantallasCreadas &s() { return arranque->pantallas; }
    MensajesRegistrados m;
    Enlace e;
    pruebas::RelojPrueba reloj;
    std::unique_ptr<Arranque> arranque;
    bool creadas = false;
    Tform9 *escena = nullptr;
};

} // namespace

class PruebaAnimacion : public QObject {
    Q_OBJECT

private slots:
    void theSceneIsTheMainWindowAndMoves()
    {
        Programa p;
        QVERIFY(p.creadas);
        QVERIFY(p.e.ModoAnimado);
        QVERIFY(p.escena);
        QCOMPARE(p.arranque->VentanaPrincipal(), static_cast<QWidget *>(p.escena));
        QCOMPARE(p.escena->size(), QSize(1024, 768));
        QVERIFY(p.s().form0 && !p.s().form0->isVisible());
        QVERIFY(p.m.textos.isEmpty());

        // Showing it sends the welcome window away and starts the frames.
        QVERIFY(p.s().Bienvenida->isVisible());
        QPointer<QWidget> bienvenida = p.s().Bienvenida;
        p.escena->show();
        QVERIFY(p.s().Bienvenida == nullptr);
        QTRY_VERIFY(bienvenida.isNull());   // it goes for good
        QVERIFY(p.escena->DXTimer.isActive());
        QCOMPARE(p.escena->DXTimer.interval(), Tform9::kIntervalo);
        const std::int64_t antes = p.escena->DXDraw->Tiempo();
        QTRY_VERIFY(p.escena->DXDraw->Tiempo() > antes + 100);

        // The scene as drawn: the backdrop's sky above, the road below, and
        // the student somewhere on the pavement as time goes by.
        const QImage a = p.escena->grab().toImage();
        QVERIFY(a.pixelColor(300, 20).blue() > 200);
        QVERIFY(a.pixelColor(300, 690).lightness() < 100);
        p.escena->DXDraw->Avanzar(700);
        const QImage b = p.escena->grab().toImage();
        QVERIFY(a != b);
        // Hidden, it stops drawing.
        p.escena->hide();
        QVERIFY(!p.escena->DXTimer.isActive());
    }

    void placesCarryTheirNamesInEveryLanguage_data()
    {
        QTest::addColumn<int>("idioma");
        for (int i = 0; i < 4; ++i)
            QTest::newRow(QByteArray::number(i).constData()) << i;
    }

    void placesCarryTheirNamesInEveryLanguage()
    {
        QFETCH(int, idioma);
        Programa p({"S", QString::number(idioma)});
        QVERIFY(p.escena);
        const int textos[kLugares] = {84, 103, 513, -1, 512, 263, 587};
        for (int i = 0; i < kLugares; ++i) {
            EtiquetaActiva *l = p.escena->Lugar(LugarEscena(i));
            if (textos[i] > 0)
                QVERIFY2(l->text().startsWith(p.e.Texto(textos[i])), qPrintable(l->text()));
            QVERIFY(!l->accessibleName().isEmpty());
            QVERIFY(!l->accessibleName().contains('\n'));
            // The caption fits its board, never cut.
            QVERIFY2(TextoCabe(l, l->font()), qPrintable(l->text()));
            QVERIFY(l->font().pointSizeF() >= 6.5);
            const Caja caja = CajaLugar(LugarEscena(i));
            QCOMPARE(l->geometry(), QRect(caja.x, caja.y, caja.ancho, caja.alto));
        }
        QVERIFY(!p.escena->LabelDejar->toolTip().isEmpty());
        QCOMPARE(p.escena->LabelDejar->toolTip(), p.e.Texto(580));
    }

    void eachPlaceOpensItsScreenAndComesBack_data()
    {
        QTest::addColumn<int>("lugar");
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<bool>("cierreVuelve");   // the screen's close box goes home
        QTest::newRow("degrees") << int(LugarEscena::Carreras) << "TForm1" << false;
        QTest::newRow("catalogue") << int(LugarEscena::Cat) << "TFormCat" << true;
        QTest::newRow("higher cycles") << int(LugarEscena::FpS) << "TForm8" << false;
        QTest::newRow("intermediate cycles") << int(LugarEscena::FPM) << "TForm3" << false;
        QTest::newRow("basic cycles") << int(LugarEscena::FPip) << "TFIniPro" << true;
        QTest::newRow("leaving studies") << int(LugarEscena::Dejar) << "TCertifica" << true;
    }

    void eachPlaceOpensItsScreenAndComesBack()
    {
        QFETCH(int, lugar);
        QFETCH(QString, pantalla);
        QFETCH(bool, cierreVuelve);
        Programa p;
        Tform9 &escena = *p.escena;
        escena.show();
        QVERIFY(QTest::qWaitForWindowActive(&escena));
        pruebas::Hijo<QWidget>(p.s().Form8, "PanelFP")->hide();
        pruebas::Hijo<QPushButton>(p.s().FIniPro, "BotLug")->hide();
        // Clicked on its door, under the board.
        const Caja puerta = CajaPuerta(LugarEscena(lugar));
        EtiquetaActiva *etiqueta = escena.Lugar(LugarEscena(lugar));
        QVERIFY(pruebas::ClicEn(etiqueta, QPoint(puerta.x + puerta.ancho / 2, puerta.y + puerta.alto / 2) - etiqueta->pos()));

        QVERIFY(!escena.isVisible());
        QVERIFY(!escena.DXTimer.isActive());
        const QList<QWidget *> abiertas = pruebas::VentanasVisibles();
        QCOMPARE(abiertas.size(), 1);
        auto *abierta = qobject_cast<Pantalla *>(abiertas.first());
        QVERIFY(abierta);
        QCOMPARE(abierta->objectName(), pantalla);
        switch (LugarEscena(lugar)) {
        case LugarEscena::FpS:
            QVERIFY(pruebas::Hijo<QWidget>(p.s().Form8, "PanelFP")->isVisible());
            QVERIFY(pruebas::Hijo<QLabel>(p.s().Form8, "LabelFP1")->isVisible());
            break;
        case LugarEscena::FPM:
            QVERIFY(!p.e.CuestionarioGM);
            break;
        case LugarEscena::FPip:
            QVERIFY(p.s().FIniPro->EstadoRuta().RutaPorTitulo);
            QVERIFY(!p.s().FIniPro->EstadoRuta().RutaPorLugar);
            QVERIFY(pruebas::Hijo<QPushButton>(p.s().FIniPro, "BotLug")->isVisible());
            QVERIFY(pruebas::Hijo<QListWidget>(p.s().FIniPro, "ListSelFp")->isVisible());
            QVERIFY(pruebas::Hijo<QPushButton>(p.s().FIniPro, "BotRetrocederFP")->isVisible());
            break;
        default:
            break;
        }

        // Back home: the scene, not the main menu, and moving again.
        if (cierreVuelve)
            QVERIFY(pruebas::Cerrar(abierta));
        else
            abierta->MostrarInicio();
        QTRY_VERIFY(escena.isVisible());
        QVERIFY(!abierta->isVisible());
        QVERIFY(!p.s().form0->isVisible());
        QVERIFY(escena.DXTimer.isActive());
        QVERIFY(p.m.textos.isEmpty());
    }

    void theEntranceHandsOverToTheMainMenuAndItsBackButtonReturns()
    {
        Programa p({"S"}, {}, true);
        Tform9 &escena = *p.escena;
        Tform0 &menu = *p.s().form0;
        auto *atras = pruebas::Hijo<QPushButton>(menu, "BotRetroce");
        escena.show();
        // The welcome window is gone for good before the menu first shows.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(pruebas::Pulsar(escena.LabelEntrada));
        QVERIFY(!escena.isVisible());
        QVERIFY(p.e.AnimacionIniciada);
        // The menu plays its help panel instead of the walk.
        p.reloj.Avanzar(1800);
        QVERIFY(pruebas::Hijo(menu, "PanelAyuda")->isVisible());
        QCOMPARE(pruebas::Hijo<QLabel>(menu, "LabelAyu4")->text(), p.e.Texto(18));
        QVERIFY(atras->isVisible());
        QCOMPARE(atras->text(), p.e.Texto(82));

        // A door of the menu opens at once, and its screen comes back to the menu.
        QVERIFY(pruebas::Pulsar(pruebas::Hijo<EtiquetaActiva>(menu, "LabelCat")));
        p.reloj.Avanzar(100);
        QVERIFY(p.s().FormCat->isVisible());
        QVERIFY(pruebas::Cerrar(p.s().FormCat.get()));
        QTRY_VERIFY(menu.isVisible());
        QVERIFY(!escena.isVisible());

        // Back returns to the scene, without a question, and it moves again.
        QVERIFY(pruebas::Pulsar(atras));
        QVERIFY(p.e.ModoAnimado);
        QVERIFY(!menu.isVisible());
        QVERIFY(escena.isVisible());
        QVERIFY(escena.DXTimer.isActive());
        QVERIFY(p.m.textos.isEmpty());
        // And the screens go home to the scene again.
        QVERIFY(pruebas::Pulsar(escena.LabelCat));
        QVERIFY(pruebas::Cerrar(p.s().FormCat.get()));
        QTRY_VERIFY(escena.isVisible());
    }

    void closingAsksAndNoKeepsTheScene()
    {
        Programa p;
        Tform9 &escena = *p.escena;
        escena.show();
        bool preguntado = false;
        pruebas::ResponderSiNo(p.s().Form4, false, &preguntado);
        QVERIFY(pruebas::Cerrar(&escena));
        QVERIFY(preguntado);
        QCOMPARE(p.s().Form4->LabelNombre->text(), p.e.Texto(49));
        QVERIFY(escena.isVisible());
        QVERIFY(escena.DXTimer.isActive());
        QVERIFY(!p.e.ErrorFicheros);

        // Yes ends the program.
        preguntado = false;
        QTimer::singleShot(0, [&] {
            pruebas::ResponderSiNo(p.s().Form4, true, &preguntado);
            QVERIFY(pruebas::Cerrar(&escena));
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(preguntado);
        QVERIFY(p.e.ErrorFicheros);
        QVERIFY(!escena.DXTimer.isActive());

        // Once the program is ending, showing the scene closes it again, asking nothing.
        escena.show();
        QTRY_VERIFY(!escena.isVisible());
        QVERIFY(!escena.DXTimer.isActive());
        QVERIFY(!p.s().Form4->isVisible());
    }

    void withoutSOrWithoutPacksTheMenuIsHome()
    {
        {
            Programa p({"N"});
            QVERIFY(p.creadas);
            QVERIFY(!p.escena);
            QCOMPARE(p.arranque->VentanaPrincipal(), static_cast<QWidget *>(p.s().form0));
        }
        pruebas::CarpetaEntregada carpeta;
        QFile::remove(carpeta.Ruta(QStringLiteral("vector.DXG")));
        Programa p({"S"}, carpeta.Programa());
        QVERIFY(p.creadas);
        QVERIFY(!p.escena);
        QCOMPARE(p.arranque->VentanaPrincipal(), static_cast<QWidget *>(p.s().form0));
        // Nor does the settings panel offer the animation then; saving keeps the stored choice.
        Tform0 &menu = *p.s().form0;
        menu.show();
        QVERIFY(pruebas::Pulsar(pruebas::Hijo<EtiquetaActiva>(menu, "LabelConfig")));
        QVERIFY(pruebas::Hijo(menu, "PanelCofigu2")->isHidden());
        QVERIFY(pruebas::Hijo(menu, "LabelSINO")->isHidden());
        const bool guardada = p.e.AnimacionSi;
        QVERIFY(pruebas::Pulsar(pruebas::Hijo<QPushButton>(menu, "ButtonGrabar")));
        QCOMPARE(p.e.AnimacionSi, guardada);
    }

    void theSettingsPanelOffersTheAnimation()
    {
        pruebas::CarpetaEntregada carpeta;
        Programa p({}, carpeta.Programa());
        QVERIFY(p.creadas);
        QVERIFY(!p.escena);   // not chosen yet
        Tform0 &menu = *p.s().form0;
        menu.show();
        auto *si = pruebas::Hijo<QRadioButton>(menu, "si");
        QVERIFY(pruebas::Pulsar(pruebas::Hijo<EtiquetaActiva>(menu, "LabelConfig")));
        QVERIFY(!pruebas::Hijo(menu, "PanelCofigu2")->isHidden());
        QVERIFY(pruebas::Hijo<QRadioButton>(menu, "no")->isChecked());
        QVERIFY(pruebas::ClicEn(si, QPoint(6, 10)));
        QCOMPARE(pruebas::Hijo<QLabel>(menu, "LabelSINO")->text(), si->text());
        QVERIFY(pruebas::Pulsar(pruebas::Hijo<QPushButton>(menu, "ButtonGrabar")));
        QCOMPARE(p.m.textos, QStringList{p.e.Texto(607)});
        p.e.ErrorFicheros = true;
        menu.hide();

        // The next start begins on the scene.
        Programa siguiente({}, carpeta.Programa());
        QVERIFY(siguiente.creadas);
        QVERIFY(siguiente.escena);
        QCOMPARE(siguiente.arranque->VentanaPrincipal(), static_cast<QWidget *>(siguiente.escena));
    }

    void aDamagedPackEndsOnTheClassicMenu_data()
    {
        QTest::addColumn<QString>("fichero");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("not a pack") << "segdxg1.DXG" << QByteArray("no es un paquete");
        // Well formed, but every picture 1 x 1.
        PaqueteImagenes entregado;
        entregado.Leer(QStringLiteral(NORVELA_DATOS_ENTREGADOS "/vector.DXG"));
        QImage punto(1, 1, QImage::Format_RGB32);
        punto.fill(Qt::blue);
        std::vector<std::pair<QString, QByteArray>> diminutas;
        for (const QString &nombre : entregado.Nombres())
            diminutas.emplace_back(nombre, CodificarPng(punto));
        QTest::newRow("1 x 1 pictures") << "vector.DXG" << EscribirPaquete(diminutas);
    }

    void aDamagedPackEndsOnTheClassicMenu()
    {
        QFETCH(QString, fichero);
        QFETCH(QByteArray, bytes);
        pruebas::CarpetaEntregada carpeta;
        carpeta.EscribirBytes(fichero, bytes);
        Programa p({"S"}, carpeta.Programa());
        QVERIFY(p.creadas);
        QVERIFY(!p.e.ErrorFicheros);
        QCOMPARE(p.m.textos, QStringList{"Faltan ficheros (" + carpeta.Ruta(fichero) + "). Vuelva a instalar el programa"});
        QVERIFY(!p.e.ModoAnimado);
        QVERIFY(!p.s().form9);
        Tform0 &menu = *p.s().form0;
        QCOMPARE(p.arranque->VentanaPrincipal(), static_cast<QWidget *>(&menu));
        menu.show();
        QVERIFY(!p.s().Bienvenida);
        // Its back button leaves the program, as on a start without the scene.
        QCOMPARE(pruebas::Hijo<QPushButton>(menu, "BotRetroce")->text(), p.e.Texto(222));
    }
};

QTEST_MAIN(PruebaAnimacion)
#include "animacion_qtest.moc"
