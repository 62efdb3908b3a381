// Close boxes as a student meets them: every door of the main menu opens a
// screen, its close box either brings the menu back or, on the large
// screens, asks and ends the program on Yes; and whatever is closed, the
// program never stays running without a visible window. The animations
// follow the test's clock; every press goes through the student's hand.
#include "asistente.h"
#include "control_por_nombre.h"
#include "aviso.h"
#include "certifiU.h"
#include "enlace.h"
#include "est_grados.h"
#include "estadistica.h"
#include "etiquetas.h"
#include "grados.h"
#include "MapaEstrellas.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "pasarelaFP.h"
#include "principal.h"
#include "programa_prueba.h"
#include "superior.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

using namespace norvela;
using namespace norvela::pruebas;

namespace {

// The program on the shipped data folder, every screen created, the menu showing.
struct Programa : ProgramaEntregado {
    Programa() : ProgramaEntregado(QStringLiteral("cierres"), 0, {}, true)
    {
        menu = s().form0;
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
    }
    Tform0 *menu = nullptr;
};

// What the window system does when the student clicks the close box.
void CajaDeCierre(QWidget *ventana)
{
    QVERIFY(Cerrar(ventana));
}

// A click on a door of the menu, by its caption's name, and time for it to open.
void AbrirPuerta(Programa &p, const char *etiqueta)
{
    QVERIFY(Pulsar(Hijo<EtiquetaActiva>(p.menu, etiqueta)));
    p.reloj.Avanzar(3000);
}

// Runs the event loop until the program ends it (true), or gives up.
bool TerminaElPrograma(const std::function<void()> &accion)
{
    QTimer::singleShot(0, accion);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec() == 0;
}

} // namespace

class PruebaCierres : public QObject {
    Q_OBJECT

private slots:
    void everyDoorsScreenClosesBackToTheMenuOrAsks_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<bool>("pregunta");
        QTest::newRow("degrees") << 1 << true;
        QTest::newRow("catalogue") << 2 << false;
        QTest::newRow("higher cycles") << 3 << true;
        QTest::newRow("itineraries") << 4 << false;
        QTest::newRow("intermediate cycles") << 5 << true;
        QTest::newRow("basic cycles") << 6 << false;
        QTest::newRow("professions") << 7 << false;
        QTest::newRow("degree areas") << 8 << false;
        QTest::newRow("ESO questionnaires") << 9 << false;
        QTest::newRow("assistant") << 11 << false;
        QTest::newRow("sign: certificates") << 0 << false;
    }

    void everyDoorsScreenClosesBackToTheMenuOrAsks()
    {
        QFETCH(int, codigo);
        QFETCH(bool, pregunta);
        Programa p;
        Tform0 &menu = *p.menu;
        const char *etiquetas[12] = {"LabelDejar", "LabelCarreras", "LabelCat",  "LabelFpS",
                                     "LabelIti",   "LabelFPM",      "LabelFPip", "LabelProfe",
                                     "LabelCuesB", "LabelCuesE",    nullptr,     "LabelAsistente"};
        AbrirPuerta(p, etiquetas[codigo]);
        QVERIFY(!menu.isVisible());
        const QList<QWidget *> abiertas = VentanasVisibles();
        QCOMPARE(abiertas.size(), 1);
        QWidget *pantalla = abiertas.first();
        QVERIFY(pantalla != &menu);

        if (!pregunta) {
            CajaDeCierre(pantalla);
            QTRY_VERIFY(menu.isVisible());
            QVERIFY(!pantalla->isVisible());
            QVERIFY(!p.e.ErrorFicheros);
            return;
        }
        // No: the screen stays, nothing else shows.
        bool preguntado = false;
        ResponderSiNo(p.arranque->pantallas.Form4, false, &preguntado);
        CajaDeCierre(pantalla);
        QVERIFY(preguntado);
        QCOMPARE(p.arranque->pantallas.Form4->LabelNombre->text(), p.e.Texto(49));
        QTest::qWait(20);
        QCOMPARE(VentanasVisibles(), QList<QWidget *>{pantalla});
        QVERIFY(!p.e.ErrorFicheros);
        // Yes: the program ends, and no window comes back on the way out.
        preguntado = false;
        QVERIFY(TerminaElPrograma([&] {
            ResponderSiNo(p.arranque->pantallas.Form4, true, &preguntado);
            CajaDeCierre(pantalla);
        }));
        QVERIFY(preguntado);
        QVERIFY(p.e.ErrorFicheros);
        QVERIFY(!menu.isVisible());
        QVERIFY(p.m.textos.isEmpty());   // asked once, in the dialog only
    }

    void sideWindowsCloseBackToTheirScreen()
    {
        Programa p;
        PantallasCreadas &s = p.arranque->pantallas;
        const QList<QPair<Pantalla *, Pantalla *>> casos = {
            {s.Form6.get(), s.Form1.get()}, {s.FormEstGra.get(), s.Form1.get()}, {s.Estadisticas.get(), s.Form8.get()}};
        for (const auto &[ventana, destino] : casos) {
            p.menu->hide();
            ventana->Mostrar();
            CajaDeCierre(ventana);
            QTRY_VERIFY2(destino->isVisible(), qPrintable(ventana->objectName()));
            QVERIFY(!ventana->isVisible());
            destino->hide();
            // Hiding the last screen by hand brings the menu back.
            QTRY_VERIFY(p.menu->isVisible());
        }
    }

    void leavingAScreenTheAssistantOpenedGoesBackToTheAssistant()
    {
        Programa p;
        PantallasCreadas &s = p.arranque->pantallas;
        struct Caso {
            Pantalla *pantalla;
            bool *bandera;
            const char *abrir;   // the assistant's button
            const char *puerta;   // the menu's door
            QPushButton *salir;
        };
        const QList<Caso> casos = {
            {s.Form1.get(), &p.e.GradosDesdeAsistente, "BGrados", "LabelCarreras",
             Control<QPushButton>(*s.Form1, QStringLiteral("BotMenuRetro"))},
            {s.Form8.get(), &p.e.FPSuperiorDesdeAsistente, "BFpTitGsAsis", "LabelFpS", Hijo<QPushButton>(s.Form8, "menuFP3")}};
        for (const Caso &caso : casos) {
            AbrirPuerta(p, "LabelAsistente");
            QVERIFY(s.Form5->isVisible());
            QVERIFY(Pulsar(Control<QPushButton>(*s.Form5, QString::fromLatin1(caso.abrir))));
            QVERIFY(caso.pantalla->isVisible() && *caso.bandera);
            QVERIFY(Pulsar(caso.salir));
            QVERIFY2(s.Form5->isVisible(), qPrintable(caso.pantalla->objectName()));
            QVERIFY(!caso.pantalla->isVisible() && !p.menu->isVisible());
            QVERIFY(!*caso.bandera);
            // Not from the assistant: home.
            QVERIFY(Pulsar(Control<QPushButton>(*s.Form5, QStringLiteral("BVolver"))));
            QTRY_VERIFY(p.menu->isActiveWindow());
            AbrirPuerta(p, caso.puerta);
            QVERIFY(caso.pantalla->isVisible());
            QVERIFY(Pulsar(caso.salir));
            QTRY_VERIFY(p.menu->isActiveWindow());
            QVERIFY(!s.Form5->isVisible());
        }
    }

    void aWindowThatOnlyHidesNeverStrandsTheProgram()
    {
        Programa p;
        TForm7 *mapa = p.arranque->pantallas.Form7.get();
        p.menu->hide();
        mapa->Mostrar();
        QTRY_COMPARE(VentanasVisibles(), QList<QWidget *>{mapa});
        CajaDeCierre(mapa);
        QTRY_VERIFY(p.menu->isVisible());
        QVERIFY(!mapa->isVisible());
    }

    void theMenuAsksAndEndsTheProgramOnYes()
    {
        Programa p;
        p.m.respuestas = {false};
        CajaDeCierre(p.menu);
        QCOMPARE(p.m.textos, QStringList{p.e.Texto(49)});
        QVERIFY(p.menu->isVisible());
        p.m.respuestas = {true};
        QVERIFY(TerminaElPrograma([&] { QVERIFY(pruebas::Tecla(p.menu, Qt::Key_Escape)); }));
        QCOMPARE(p.m.textos.size(), 2);   // the way out asks no second time
        QVERIFY(p.e.ErrorFicheros);
        // The student's walk in stopped with it.
        p.reloj.Avanzar(2000);
        QCOMPARE(Hijo<QLabel>(p.menu, "anda")->x(), 100);
    }
};

QTEST_MAIN(PruebaCierres)
#include "cierres_test.moc"
