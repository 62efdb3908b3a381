// The transition effects, the show/hide routines every screen uses, and the
// main menu's settings panel.
#include "arranque.h"
#include "carpeta_entregada.h"
#include "enlace.h"
#include "etiquetas.h"
#include "grados.h"
#include "limite_escritura.h"
#include "mano.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "transiciones_paneles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <cmath>


using namespace norvela;
using norvela::pruebas::CarpetaEntregada;
using norvela::pruebas::Hijo;

namespace {

QImage Lleno(const QColor &color)
{
    QImage im(100, 80, QImage::Format_ARGB32_Premultiplied);
    im.fill(color);
    return im;
}

// An effect that records what it is asked to do and in which state the
// control was at each step.
class EfectoGrabador : public TTransitionEffect {
public:
    QWidget *vigilado = nullptr;
    QStringList pasos;
    bool fallar = false;
    bool preparado = false;

    void Prepare(QWidget *, const QRect &) override
    {
        pasos << QStringLiteral("prepare:%1").arg(vigilado->isVisible() ? "visible" : "hidden");
        preparado = true;
    }
    void Execute() override
    {
        pasos << QStringLiteral("execute:%1").arg(vigilado->isVisible() ? "visible" : "hidden");
        if (fallar)
            throw std::runtime_error("device lost");
    }
    void UnPrepare() override
    {
        pasos << QStringLiteral("unprepare");
        preparado = false;
    }
    bool Prepared() const override { return preparado; }
    void Componer(const QImage &antes, const QImage &, double, QImage &fotograma) const override { fotograma = antes; }
};

// Paints a control's background in one colour.
void Pintar(QWidget &w, const QColor &color)
{
    QPalette p = w.palette();
    p.setColor(QPalette::Window, color);
    w.setPalette(p);
    w.setAutoFillBackground(true);
}

QByteArray Contenido(const QString &ruta)
{
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PruebaTransiciones : public QObject {
    Q_OBJECT

private slots:
    // Rolling down the new look comes in from the top, rolling up from the bottom.
    void rollFramesRevealTheNewLook()
    {
        TRollTransition abajo, arriba;
        arriba.Direction = TTransitionDirection::tedUp;
        const QImage antes = Lleno(Qt::red), despues = Lleno(Qt::blue);
        for (const auto &[efecto, progreso, y, color] :
             {std::tuple{&abajo, 0.5, 10, Qt::blue}, {&abajo, 0.5, 70, Qt::red}, {&abajo, 0.0, 0, Qt::red},
              {&abajo, 1.0, 79, Qt::blue}, {&arriba, 0.25, 75, Qt::blue}, {&arriba, 0.25, 40, Qt::red}})
            QCOMPARE(efecto->Fotograma(antes, despues, progreso).pixelColor(50, y), QColor(color));
    }

    void radialBlendsOnlyItsSoftRing()
    {
        TRadialTransition radial;
        const int w = 320, h = 240;
        QImage antes(w, h, QImage::Format_ARGB32_Premultiplied), despues(antes.size(), antes.format());
        antes.fill(QColor(200, 40, 40));
        despues.fill(QColor(20, 60, 220));
        // A reused frame full of leftovers gives the same frame as a fresh one.
        QImage fotograma(antes.size(), antes.format());
        fotograma.fill(Qt::green);
        const double progreso = 0.4;
        radial.Componer(antes, despues, progreso, fotograma);
        QCOMPARE(fotograma, radial.Fotograma(antes, despues, progreso));

        const double radio = progreso * (std::hypot(w / 2.0, h / 2.0) + radial.Borde());
        double anterior = 1.0;
        for (int x = w / 2; x < w; ++x) {
            const double d = x + 0.5 - w / 2.0;
            const QColor c = fotograma.pixelColor(x, h / 2);
            // Share of the new look, from the red channel (200 old, 20 new).
            const double nuevo = (200.0 - c.red()) / 180.0;
            if (d < radio - radial.Borde() - 1)
                QCOMPARE(c, QColor(20, 60, 220));
            else if (d > radio + 1)
                QCOMPARE(c, QColor(200, 40, 40));
            QVERIFY2(nuevo <= anterior + 0.02, qPrintable(QString::number(x)));   // fades outwards
            anterior = nuevo;
        }
        // The ring is really soft: several steps between the two looks.
        QSet<int> tonos;
        for (int x = 0; x < w; ++x)
            tonos.insert(fotograma.pixelColor(x, h / 2).red());
        QVERIFY(tonos.size() >= 6);
        // Start and end are exactly the two looks.
        QCOMPARE(radial.Fotograma(antes, despues, 0.0), antes);
        QCOMPARE(radial.Fotograma(antes, despues, 1.0), despues);
    }

    // A run writes each frame over the last one, only what changed: frame
    // after frame it is the whole frame of that moment, and the part it says
    // it changed holds every pixel that differs from the frame before.
    void eachFrameIsWrittenOverTheLastOne()
    {
        const int w = 321, h = 243;   // odd: the circle's centre falls between pixels
        QImage antes(w, h, QImage::Format_ARGB32_Premultiplied), despues(antes.size(), antes.format());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                antes.setPixel(x, y, qRgb(x % 256, y, 40));
                despues.setPixel(x, y, qRgb(200, x % 256, y));
            }
        TRollTransition abajo, arriba;
        arriba.Direction = TTransitionDirection::tedUp;
        TRadialTransition radial;
        for (TTransitionEffect *efecto : std::initializer_list<TTransitionEffect *>{&abajo, &arriba, &radial}) {
            QImage fotograma = antes.copy();
            double desde = 0;
            for (double hasta : {0.0, 0.013, 0.05, 0.051, 0.2, 0.37, 0.5, 0.74, 0.9, 0.99, 1.0}) {
                const QImage previo = fotograma.copy();
                const QRegion cambio = efecto->ComponerCambio(antes, despues, desde, hasta, fotograma);
                QCOMPARE(fotograma, efecto->Fotograma(antes, despues, hasta));
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        if (fotograma.pixel(x, y) != previo.pixel(x, y) && !cambio.contains(QPoint(x, y)))
                            QFAIL(qPrintable(QStringLiteral("%1 at %2: %3,%4").arg(efecto->metaObject()->className()).arg(hasta).arg(x).arg(y)));
                desde = hasta;
            }
        }
    }

    void effectsPanelPaintsItsOwnBackground()
    {
        QWidget fondo;
        fondo.resize(60, 60);
        Pintar(fondo, Qt::red);
        TEffectsPanel panel(&fondo);
        panel.setFrameShape(QFrame::NoFrame);
        panel.setGeometry(10, 10, 40, 40);
        panel.PonerColor(Qt::blue);
        QCOMPARE(fondo.grab().toImage().pixelColor(30, 30), QColor(Qt::blue));
        panel.PonerTranslucencia(128);
        const QColor mezcla = fondo.grab().toImage().pixelColor(30, 30);
        QVERIFY(mezcla.red() > 100 && mezcla.blue() > 100);
    }

    void showHideProtocol()
    {
        QVERIFY(Programa());
        TForm1 &form1 = *arranque->pantallas.Form1;
        // Every screen reaches the degrees screen's effects through the registry.
        QCOMPARE(arranque->pantallas.Transiciones, form1.Transiciones());
        QWidget ventana;
        ventana.resize(200, 200);
        auto *panel = new QLabel(QStringLiteral("panel"), &ventana);
        panel->setGeometry(10, 10, 100, 100);
        ventana.show();
        EfectoGrabador grabador;
        grabador.vigilado = panel;
        TTransitionEffect *original = form1.Transiciones()->rollo;
        form1.Transiciones()->rollo = &grabador;

        // Mode 0 hides and captures, mode 1 runs and shows; mode 1 alone
        // shows at once, nothing prepared, nothing run; other modes change nothing.
        for (const auto &[ocultar, modos, pasos] :
             {std::tuple{false, QList<int>{0, 1}, QStringList{"prepare:hidden", "execute:visible", "unprepare"}},
              {true, {1}, {"unprepare"}}, {false, {2}, {}}}) {
            grabador.pasos.clear();
            if (ocultar)
                panel->hide();
            for (int modo : modos) {
                form1.MostrarConRollo(panel, modo);
                QCOMPARE(panel->isHidden(), modo == 0);
            }
            QCOMPARE(grabador.pasos, pasos);
        }

        // A failing run still releases the capture and reaches the caller.
        grabador.pasos.clear();
        grabador.fallar = true;
        form1.MostrarConRollo(panel, 0);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, form1.MostrarConRollo(panel, 1));
        QCOMPARE(grabador.pasos.last(), QStringLiteral("unprepare"));
        QVERIFY(!grabador.Prepared());
        form1.Transiciones()->rollo = original;

        // Hiding captures the control while it is still shown.
        EfectoGrabador subida;
        subida.vigilado = panel;
        TTransitionEffect *original2 = form1.Transiciones()->rollo2;
        form1.Transiciones()->rollo2 = &subida;
        form1.OcultarConRollo2(panel);
        QVERIFY(panel->isHidden());
        QCOMPARE(subida.pasos, (QStringList{"prepare:visible", "execute:hidden", "unprepare"}));
        form1.Transiciones()->rollo2 = original2;
    }

    // A burst of clicks on a button whose handler runs a transition: the
    // first click runs it, the clicks queued behind it are dropped, and a
    // click after the run is a click again.
    void clicksQueuedDuringARunAreDropped()
    {
        QWidget ventana;
        ventana.resize(300, 200);
        auto *boton = new QPushButton(QStringLiteral("Otra vez"), &ventana);
        boton->setGeometry(10, 10, 120, 30);
        auto *panel = new QLabel(QStringLiteral("panel"), &ventana);
        panel->setGeometry(150, 10, 120, 120);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        TRollTransition rollo;
        rollo.Milliseconds = 150;
        int pulsaciones = 0;
        QObject::connect(boton, &QPushButton::clicked, [&] {
            ++pulsaciones;
            rollo.Prepare(&ventana, panel->geometry());
            panel->setText(QString::number(pulsaciones));
            rollo.Execute();
            rollo.UnPrepare();
        });
        // The clicks are queued as the window system queues a burst, which
        // the student's hand cannot do: this test is about that queue.
        QWindow *w = ventana.windowHandle();
        const QPointF p = boton->geometry().center();
        const auto encolar = [&](int veces) {
            for (int i = 0; i < veces; ++i)
                for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    QCoreApplication::postEvent(w, new QMouseEvent(tipo, p, ventana.mapToGlobal(p), Qt::LeftButton,
                                                                   tipo == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                                    : Qt::NoButton,
                                                                   Qt::NoModifier));
        };
        encolar(8);
        QCoreApplication::processEvents();
        QCOMPARE(pulsaciones, 1);
        QCOMPARE(panel->text(), QStringLiteral("1"));
        encolar(1);
        QCoreApplication::processEvents();
        QCOMPARE(pulsaciones, 2);
    }

    void realRollCapturesBeforeAndAfter()
    {
        QVERIFY(Programa());
        TForm1 &form1 = *arranque->pantallas.Form1;
        QWidget ventana;
        ventana.resize(200, 200);
        Pintar(ventana, Qt::red);
        auto *panel = new QWidget(&ventana);
        panel->setGeometry(20, 20, 100, 80);
        Pintar(*panel, Qt::blue);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));

        form1.MostrarConRollo(panel, 0);
        QVERIFY(form1.Transiciones()->rollo->Prepared());
        const QImage antes = form1.Transiciones()->rollo->Antes();
        QCOMPARE(antes.size(), QSize(100, 80));
        QCOMPARE(antes.pixelColor(50, 40), QColor(Qt::red));   // the area without the panel
        panel->show();
        const QImage despues = ventana.grab(panel->geometry()).toImage();
        const QImage mitad = form1.Transiciones()->rollo->Fotograma(antes, despues, 0.5);
        QCOMPARE(mitad.pixelColor(50, 5), QColor(Qt::blue));
        QCOMPARE(mitad.pixelColor(50, 75), QColor(Qt::red));
        // A short real run returns with the panel shown and nothing held.
        form1.Transiciones()->rollo->Milliseconds = 50;
        form1.MostrarConRollo(panel, 1);
        form1.Transiciones()->rollo->Milliseconds = 0;
        QVERIFY(!form1.Transiciones()->rollo->Prepared());
        QVERIFY(panel->isVisible());
        QCOMPARE(ventana.grab().toImage().pixelColor(70, 60), QColor(Qt::blue));
    }

    void circleShowsTheNewContentAndLetsGo()
    {
        QVERIFY(Programa());
        TForm1 &form1 = *arranque->pantallas.Form1;
        QWidget ventana;
        ventana.resize(240, 200);
        Pintar(ventana, Qt::white);
        auto *texto = new QLabel(QStringLiteral("antes"), &ventana);
        texto->setGeometry(20, 20, 200, 160);
        texto->setAutoFillBackground(true);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));

        form1.MostrarConCirculo(texto, 0);
        QVERIFY(texto->isHidden());
        QVERIFY(form1.Transiciones()->circle->Prepared());
        // The capture is the area without the control: the window's white.
        QCOMPARE(form1.Transiciones()->circle->Antes().pixelColor(100, 80), QColor(Qt::white));
        Pintar(*texto, Qt::blue);
        texto->setText(QStringLiteral("después"));
        form1.Transiciones()->circle->Milliseconds = 60;
        form1.MostrarConCirculo(texto, 1);
        form1.Transiciones()->circle->Milliseconds = 0;
        QVERIFY(texto->isVisible());
        QVERIFY(!form1.Transiciones()->circle->Prepared());
        QCOMPARE(texto->text(), QStringLiteral("después"));
        const QImage ahora = ventana.grab().toImage();
        QCOMPARE(ahora.pixelColor(30, 170), QColor(Qt::blue));   // no frame of the run is left over it
        // Shown without a capture: at once, nothing run.
        texto->hide();
        form1.MostrarConCirculo(texto, 1);
        QVERIFY(texto->isVisible());
        form1.MostrarConCirculo(texto, 7);
        QVERIFY(texto->isVisible());
    }

    void settingsPanelSavesAndNotifies()
    {
        QVERIFY(Programa());
        Tform0 &menu = *arranque->pantallas.form0;
        menu.show();
        auto *config = Hijo<EtiquetaActiva>(menu, "LabelConfig");
        QWidget *panel = Hijo(menu, "panelConfigu");
        auto *elegido = Hijo<QLabel>(menu, "LabelIdiomaSel");
        auto *grabar = Hijo<QPushButton>(menu, "ButtonGrabar");
        auto *volver = Hijo<QPushButton>(menu, "ButtonRetroConf");
        QVERIFY(pruebas::Pulsar(config));
        QVERIFY(panel->isVisible());
        QVERIFY(Hijo<QRadioButton>(menu, "gal")->isChecked());   // the record says Galician
        QCOMPARE(elegido->text(), QStringLiteral("Galego"));
        QVERIFY(!Hijo(menu, "PanelCofigu2")->isHidden());   // both image packs are shipped: the animation row
        QVERIFY(Hijo<QRadioButton>(menu, "no")->isChecked());

        // Saving without a change says nothing.
        QVERIFY(pruebas::Pulsar(grabar));
        QVERIFY(panel->isHidden());
        QVERIFY(mensajes.textos.isEmpty());

        // A new language: saved, with the restart notice; the running program keeps its texts.
        const QString antes = Hijo<QLabel>(menu, "LabelCarreras")->text();
        QVERIFY(pruebas::Pulsar(config));
        QVERIFY(pruebas::ClicEn(Hijo<QRadioButton>(menu, "eus"), QPoint(6, 10)));
        QCOMPARE(elegido->text(), QStringLiteral("Euskera"));
        QVERIFY(pruebas::Pulsar(grabar));
        QCOMPARE(mensajes.textos, QStringList{enlace->Texto(607)});
        QCOMPARE(Contenido(carpeta->Ruta("ajustes")), QByteArray("idioma=3\r\norden=1\r\nanimacion=0\r\n"));
        QCOMPARE(Hijo<QLabel>(menu, "LabelCarreras")->text(), antes);

        // Back: nothing saved, the choice is forgotten at the next opening.
        const QDateTime escrito = QFileInfo(carpeta->Ruta("ajustes")).lastModified();
        QVERIFY(pruebas::Pulsar(config));
        QVERIFY(pruebas::ClicEn(Hijo<QRadioButton>(menu, "cas"), QPoint(6, 10)));
        QVERIFY(pruebas::Pulsar(volver));
        QVERIFY(panel->isHidden());
        QCOMPARE(QFileInfo(carpeta->Ruta("ajustes")).lastModified(), escrito);
        QVERIFY(pruebas::Pulsar(config));
        QVERIFY(Hijo<QRadioButton>(menu, "eus")->isChecked());

        // The animation row: its caption follows the choice, which is saved with the notice.
        mensajes.textos.clear();
        QVERIFY(pruebas::ClicEn(Hijo<QRadioButton>(menu, "si"), QPoint(6, 10)));
        QCOMPARE(Hijo<QLabel>(menu, "LabelSINO")->text(), enlace->Texto(141));
        QVERIFY(pruebas::Pulsar(grabar));
        QVERIFY(enlace->AnimacionSi);
        QCOMPARE(mensajes.textos, QStringList{enlace->Texto(607)});
        QCOMPARE(Contenido(carpeta->Ruta("ajustes")), QByteArray("idioma=3\r\norden=1\r\nanimacion=1\r\n"));
    }

    void failedSaveKeepsTheRecordAndTheNoticeFollowsTheDisk()
    {
        QVERIFY(Programa({"N", "0"}));   // Castilian and no alphabetical order for this run only
        Tform0 &menu = *arranque->pantallas.form0;
        menu.show();
        auto *config = Hijo<EtiquetaActiva>(menu, "LabelConfig");
        auto *grabar = Hijo<QPushButton>(menu, "ButtonGrabar");
        const QByteArray guardado = Contenido(carpeta->Ruta("ajustes"));
        QVERIFY(pruebas::Pulsar(config));
        QVERIFY(pruebas::ClicEn(Hijo<QRadioButton>(menu, "cat"), QPoint(6, 10)));
        {
            pruebas::LimiteEscritura limite;
            QVERIFY(pruebas::Pulsar(grabar));
        }
        QCOMPARE(mensajes.textos, QStringList{"Lo siento. No puedo grabar."});
        QCOMPARE(Contenido(carpeta->Ruta("ajustes")), guardado);
        QVERIFY(Hijo(menu, "panelConfigu")->isHidden());
        QCOMPARE(enlace->IdiomaSel, 1);   // the new value stays in memory

        // Saving the same choice later writes it, and it is a change on disk.
        mensajes.textos.clear();
        QVERIFY(pruebas::Pulsar(config));
        QVERIFY(pruebas::Pulsar(grabar));
        QCOMPARE(mensajes.textos, QStringList{enlace->Texto(607)});
        // The one-run alphabetical order was not made permanent.
        QCOMPARE(Contenido(carpeta->Ruta("ajustes")), QByteArray("idioma=1\r\norden=1\r\nanimacion=0\r\n"));
    }

    void cleanup()
    {
        arranque.reset();
        enlace.reset();
        carpeta.reset();
        mensajes.textos.clear();
        mensajes.respuestas.clear();
    }

private:
    // A program on a fixture folder whose record holds Galician and alphabetical order.
    bool Programa(QStringList argumentos = {})
    {
        carpeta = std::make_unique<CarpetaEntregada>();
        carpeta->EscribirBytes("ajustes", "idioma=2\r\norden=1\r\nanimacion=0\r\n");
        enlace = std::make_unique<Enlace>(mensajes);
        OpcionesInicio o;
        o.rutaPrograma = carpeta->Programa();
        o.carpetaUsuario = carpeta->Programa() + "usuario";
        o.argumentos = std::move(argumentos);
        Inicializar(*enlace, o);
        arranque = std::make_unique<Arranque>(*enlace, nullptr, [](int) {});
        if (enlace->ErrorFicheros || !arranque->CrearPantallas()) {
            qWarning("%s", qPrintable(mensajes.textos.join('|')));
            return false;
        }
        // Panels open and close at once unless a test asks for a run.
        TForm1 &f = *arranque->pantallas.Form1;
        for (TTransitionEffect *efecto : f.Transiciones()->findChildren<TTransitionEffect *>())
            efecto->Milliseconds = 0;
        return true;
    }

    MensajesRegistrados mensajes;
    std::unique_ptr<CarpetaEntregada> carpeta;
    std::unique_ptr<Enlace> enlace;
    std::unique_ptr<Arranque> arranque;
};

QTEST_MAIN(PruebaTransiciones)
#include "transiciones_test.moc"
