// The guidance screens as a student meets them: the assistant opens every
// screen it names and each goes back to it; the itinerary doors prepare
// their buttons, which lead to the education-system diagram and into the
// intermediate-cycle questionnaire; the professions questionnaire starts
// afresh each time; and a missing file of these screens stops the start-up.
#include "asistente.h"
#include "aviso.h"
#include "carpeta_entregada.h"
#include "certifiU.h"
#include "control_por_nombre.h"
#include "dibujo.h"
#include "enlace.h"
#include "formconsejo.h"
#include "formlomce.h"
#include "grados.h"
#include "inipro.h"
#include "itinerarios.h"
#include "mano.h"
#include "medio.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "principal.h"
#include "profeU.h"
#include "pantalla_prueba.h"
#include "programa_prueba.h"
#include "ruta_lugares_fp.h"
#include "superior.h"
#include "transiciones_paneles.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace norvela;

namespace {

using Programa = pruebas::ProgramaEntregado;

} // namespace

class PruebaGuia : public QObject {
    Q_OBJECT
private slots:
    void theAssistantOpensEachScreenAndEachComesBack_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::newRow("degrees") << "BGrados";
        QTest::newRow("higher cycles") << "BFpTitGsAsis";
        QTest::newRow("intermediate cycles") << "BtGM";
        QTest::newRow("basic cycles") << "BGarantia";
        QTest::newRow("certificates") << "BDejar";
    }

    void theAssistantOpensEachScreenAndEachComesBack()
    {
        QFETCH(QString, boton);
        Programa p(QStringLiteral("guia"));
        QVERIFY(p.creadas);
        TForm5 &asistente = *p.s().Form5;
        p.s().AbrirPuerta(puerta::Asistente);
        QVERIFY(asistente.isVisible() && p.e.DesdeAsistente);
        QCOMPARE(asistente.windowTitle(), p.e.Texto(6));
        p.e.CuestionarioGM = true;
        p.e.IntroHelicoptero = false;
        pruebas::Pulsar(asistente.findChild<QPushButton *>(boton));
        QVERIFY(!asistente.isVisible());

        // The screen it opened, on its start, with the flag that brings it back.
        QPushButton *volver = nullptr;
        bool *bandera = nullptr;
        QWidget *abierta = nullptr;
        if (boton == "BGrados") {
            abierta = p.s().Form1.get();
            QVERIFY(pruebas::Control<TEffectsPanel>(*p.s().Form1, QStringLiteral("PanelMenu"))->isVisible());
            volver = pruebas::Control<QPushButton>(*p.s().Form1, QStringLiteral("BotMenuRetro"));
            bandera = &p.e.GradosDesdeAsistente;
        } else if (boton == "BFpTitGsAsis") {
            abierta = p.s().Form8.get();
            QVERIFY(pruebas::Hijo<QWidget>(p.s().Form8, "PanelFP")->isVisible());
            volver = pruebas::Hijo<QPushButton>(p.s().Form8, "menuFP3");
            bandera = &p.e.FPSuperiorDesdeAsistente;
        } else if (boton == "BtGM") {
            abierta = p.s().Form3.get();
            // The screen's entry has taken the intro's flag.
            QVERIFY(p.e.FPMedioDesdeAsistente && !p.e.IntroHelicoptero && !p.e.CuestionarioGM);
            volver = p.s().Form3->findChild<QPushButton *>(QStringLiteral("botSalir"));
            bandera = &p.e.FPMedioDesdeAsistente;
        } else if (boton == "BGarantia") {
            abierta = p.s().FIniPro.get();
            QVERIFY(p.s().FIniPro->EstadoRuta().RutaPorTitulo && !p.s().FIniPro->EstadoRuta().RutaPorLugar);
            volver = pruebas::Hijo<QPushButton>(p.s().FIniPro, "BotRetrocederFP");
        } else {
            abierta = p.s().Certifica.get();
            volver = p.s().Certifica->BotRetrocederFP;
        }
        QVERIFY(abierta->isVisible());
        if (bandera)
            QVERIFY(*bandera);
        if (!volver)
            return;
        QTRY_VERIFY_WITH_TIMEOUT(volver->isVisible(), 15000);   // the exit button comes with the second flight
        pruebas::Pulsar(volver);
        QVERIFY(!abierta->isVisible());
        QVERIFY(asistente.isVisible());
        if (bandera)
            QVERIFY(!*bandera);

        // Its own back button leaves the assistant for the menu.
        pruebas::Pulsar(pruebas::Control<QPushButton>(asistente, QStringLiteral("BVolver")));
        QVERIFY(p.s().form0->isVisible() && !asistente.isVisible());
        QVERIFY(!p.e.DesdeAsistente);
    }

    void theHelicopterIntroFliesTheMenuInAndAClickCutsIt()
    {
        Programa p(QStringLiteral("guia"));
        QVERIFY(p.creadas);
        TForm3 &f = *p.s().Form3;
        QVERIFY(p.e.IntroHelicoptero);   // the first opening plays it
        p.s().AbrirPuerta(puerta::FPM);
        QVERIFY(f.isVisible() && pruebas::Hijo<QTimer>(f, "heli")->isActive());
        QVERIFY(!pruebas::Hijo<QPushButton>(f, "botLug2")->isVisible() &&
                !pruebas::Hijo<QPushButton>(f, "botSalir")->isVisible());
        // The first flight ends, the pilot walks and the balloon is drawn by him.
        QTRY_VERIFY_WITH_TIMEOUT(f.Intro().Bocadillo() == 1, 8000);
        QCOMPARE(pruebas::Hijo<QPushButton>(f, "botTit2")->pos(), QPoint(240, 130));
        const QRect globo = f.Intro().RectBocadillo();
        const QImage imagen = f.grab().toImage();
        QCOMPARE(imagen.pixelColor(globo.topLeft() + QPoint(3, globo.height() - 4)), QColor(255, 255, 0));
        QVERIFY(!pruebas::Hijo<QPushButton>(f, "botSalir")->isVisible());
        // A click on the titles button during the second flight cuts it short.
        QTRY_VERIFY(pruebas::Hijo<QPushButton>(f, "botLug2")->isVisible());
        pruebas::Pulsar(pruebas::Hijo<QPushButton>(f, "botTit2"));
        QVERIFY(!pruebas::Hijo<QTimer>(f, "heli")->isActive() && !pruebas::Hijo<QTimer>(f, "piloto")->isActive());
        QCOMPARE(f.Intro().Bocadillo(), 0);
        QCOMPARE(f.Intro().Fotograma(), -1);
        QVERIFY(!pruebas::Hijo<QPushButton>(f, "botSalir")->isVisible());
        QTest::qWait(100);
        QVERIFY(!pruebas::Hijo<QTimer>(f, "heli")->isActive() && !pruebas::Hijo<QTimer>(f, "piloto")->isActive());
        QVERIFY(f.grab().toImage().pixelColor(globo.topLeft() + QPoint(3, globo.height() - 4)) != QColor(255, 255, 0));
    }

    void theItineraryDoorsPrepareTheirButtons()
    {
        Programa p(QStringLiteral("guia"));
        QVERIFY(p.creadas);
        TForm2 &iti = *p.s().Form2;
        // Door 4: the diagram button, which goes there and back.
        p.s().AbrirPuerta(puerta::Iti);
        QVERIFY(iti.isVisible() && pruebas::Hijo<QPushButton>(iti, "BotLOMCE")->isVisible() && !pruebas::Hijo<QPushButton>(iti, "botCuestio")->isVisible());
        QCOMPARE(iti.windowTitle(), p.e.Texto(21));
        pruebas::Pulsar(pruebas::Hijo<QPushButton>(iti, "BotLOMCE"));
        QVERIFY(p.s().Flomce->isVisible() && !iti.isVisible());
        QCOMPARE(p.s().Flomce->windowTitle(), QStringLiteral("El sistema educativo"));
        pruebas::Pulsar(pruebas::Control<QPushButton>(*p.s().Flomce, QStringLiteral("BotSalirLomce")));
        QVERIFY(iti.isVisible() && !p.s().Flomce->isVisible());
        // Continuing keeps the student's name and the itinerary screen under it.
        p.e.NombreCursoAlumno = QStringLiteral("Ana");
        pruebas::Pulsar(pruebas::Control<QPushButton>(iti, QStringLiteral("BotContinuar")));
        QVERIFY(p.e.CuestionarioGM && p.s().Form3->isVisible());
        QCOMPARE(p.e.NombreCursoAlumno, QStringLiteral("Ana"));
        p.s().Form3->hide();
        p.e.CuestionarioGM = false;

        // Door 9: the questionnaire button over the gradient spread on the whole window.
        p.s().AbrirPuerta(puerta::CuesE);
        QVERIFY(iti.isVisible() && !pruebas::Hijo<QPushButton>(iti, "BotLOMCE")->isVisible() && pruebas::Hijo<QPushButton>(iti, "botCuestio")->isVisible());
        QCOMPARE(pruebas::Hijo<QLabel>(iti, "degradeIti")->geometry(), iti.rect());
        QImage degradado(iti.size(), QImage::Format_RGB32);
        QPainter lienzo(&degradado);
        PintarDegradado(lienzo, 0, 0, iti.width(), iti.height(), paleta::ColorFondo, paleta::ColorDegradado);
        lienzo.end();
        QCOMPARE(pruebas::Hijo<QLabel>(iti, "degradeIti")->grab().toImage().convertToFormat(QImage::Format_RGB32), degradado);
        pruebas::Pulsar(pruebas::Hijo<QPushButton>(iti, "botCuestio"));
        QVERIFY(p.e.CuestionarioGM && p.s().Form3->isVisible() && !iti.isVisible());
        QVERIFY(p.e.NombreCursoAlumno.isEmpty());
        p.s().Form3->hide();

        // And its back button goes home.
        p.s().AbrirPuerta(puerta::Iti);
        pruebas::Pulsar(pruebas::Control<QPushButton>(iti, QStringLiteral("BotSalirIti")));
        QVERIFY(!iti.isVisible() && p.s().form0->isVisible());
    }

    void theProfessionsQuestionnaireStartsAfreshAndTheAdviceScreenComesBack()
    {
        Programa p(QStringLiteral("guia"));
        QVERIFY(p.creadas);
        Tprofe &profe = *p.s().profe;
        auto *lista = pruebas::Control<QListWidget>(profe, QStringLiteral("ListCuestio"));
        p.s().AbrirPuerta(puerta::Profe);
        QVERIFY(profe.isVisible() && lista->isVisible()
                && pruebas::Control<QWidget>(profe, QStringLiteral("PanelCuestio"))->isVisible());
        QCOMPARE(lista->count(), p.e.NumActividades);
        QVERIFY(lista->count() > 10);
        QCOMPARE(lista->item(0)->text(), QStringLiteral("Sanidad y cuidado de la salud"));
        QListWidgetItem *item = lista->item(2);
        pruebas::ClicFila(lista, 2);
        QCOMPARE(item->checkState(), Qt::Checked);
        pruebas::Pulsar(pruebas::Control<QPushButton>(profe, QStringLiteral("BotSalirProfe")));
        QVERIFY(p.s().form0->isVisible());
        p.s().AbrirPuerta(puerta::Profe);
        for (int i = 0; i < lista->count(); ++i)
            QCOMPARE(lista->item(i)->checkState(), Qt::Unchecked);

        TFormCon &con = *p.s().FormCon;
        p.s().AbrirPuerta(puerta::CuesB);
        QVERIFY(con.isVisible());
        QCOMPARE(con.windowTitle(), QStringLiteral("Cuestionario de orientación para alumnos de Bachillerato"));
        QVERIFY(p.e.NumCualidades > 0 && p.e.NumIntereses > 0 && p.e.NumCuestiones > 0);
        pruebas::Pulsar(pruebas::Control<QPushButton>(con, QStringLiteral("BotSalirCon")));
        QVERIFY(!con.isVisible() && p.s().form0->isVisible());
    }

    void aMissingFileOfTheGuidanceScreensStopsTheStartUp_data()
    {
        QTest::addColumn<QString>("fichero");
        QTest::newRow("advice: qualities") << "cas/cualidad";
        QTest::newRow("advice: interests") << "cas/interes";
        QTest::newRow("itineraries: questions") << "cas/cuestion";
    }

    void aMissingFileOfTheGuidanceScreensStopsTheStartUp()
    {
        QFETCH(QString, fichero);
        pruebas::CarpetaEntregada carpeta;
        QVERIFY(QFile::remove(carpeta.Ruta(fichero)));
        Programa p(QStringLiteral("guia-falta"), -1, carpeta.Programa());
        QVERIFY(!p.creadas);
        QVERIFY(p.e.ErrorFicheros);
        QVERIFY(p.s().Form2.Hay());
        QVERIFY(!p.s().Form5.Hay());
        QVERIFY(p.m.textos.join('|').contains(fichero.section('/', 1)));
    }

    void captionsFitInEveryLanguage()
    {
        for (int idioma = 0; idioma < 4; ++idioma) {
            Programa p(QStringLiteral("guia"), idioma);
            QVERIFY(p.creadas);
            const QList<QWidget *> pantallas{p.s().Form5.get(), p.s().Form2.get(), p.s().profe.get(), p.s().FormCon.get(),
                                             p.s().Flomce.get()};
            for (QWidget *w : pantallas) {
                QVERIFY(!w->windowTitle().trimmed().isEmpty());
                for (QPushButton *b : w->findChildren<QPushButton *>()) {
                    QVERIFY2(!b->text().isEmpty(), qPrintable(b->objectName()));
                    QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 8,
                             qPrintable(QString::number(idioma) + b->text()));
                }
            }
        }
    }
};

QTEST_MAIN(PruebaGuia)
#include "guia_test.moc"
