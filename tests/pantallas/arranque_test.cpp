// The start-up sequence, the welcome window with the skin it starts, and
// the Yes/No dialog.
#include "animacion.h"
#include "ansi.h"
#include "aplicacion.h"
#include "arranque.h"
#include "aviso.h"
#include "bienvenidaU.h"
#include "carpeta_entregada.h"
#include "enlace.h"
#include "grados.h"
#include "mano.h"
#include "pantalla_prueba.h"
#include "piel.h"
#include "principal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QTest>
#include <QTimer>

using namespace norvela;
using norvela::pruebas::CarpetaEntregada;

namespace {

// Runs `accion` on the modal dialog once it is showing.
void CuandoSeMuestre(QDialog &dialogo, std::function<void()> accion)
{
    QTimer::singleShot(0, &dialogo, [&dialogo, accion] {
        QTRY_VERIFY(dialogo.isVisible());
        accion();
    });
}

} // namespace

class PruebaArranque : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        carpeta = std::make_unique<CarpetaEntregada>();
    }

    // First: nothing before it has created a welcome window.
    void theWelcomeWindowSkinsEveryControlButATaggedOne()
    {
        const QColor sinPiel = QApplication::palette().color(QPalette::Button);
        QPushButton etiquetadoAntes;
        etiquetadoAntes.setProperty(kPropiedadTag, 99);
        QVERIFY(TSkinData::Activa() == nullptr);
        TBienvenida bienvenida;
        QVERIFY(bienvenida.SkinData1 && bienvenida.SkinData1 == TSkinData::Activa());
        const QColor piel(236, 242, 250);
        QVERIFY(sinPiel != piel);
        // Every kind the skin paints, twice: as it comes and tagged 99 (the
        // second tagged after its polish, as a screen may do it).
        QWidget ventana;
        QList<QWidget *> con, sin{&etiquetadoAntes};
        const auto hacer = [&ventana]() -> QList<QWidget *> {
            return {new QMenuBar(&ventana), new QMenu(&ventana),        new QToolBar(&ventana),
                    new QStatusBar(&ventana), new QComboBox(&ventana),  new QCheckBox(&ventana),
                    new QRadioButton(&ventana), new QProgressBar(&ventana), new QScrollBar(&ventana),
                    new QLineEdit(&ventana), new QPushButton(&ventana), new QGroupBox(&ventana),
                    new QTabBar(&ventana)};
        };
        con = hacer();
        const QList<QWidget *> etiquetados = hacer();
        for (QWidget *w : con + etiquetados + sin)
            w->ensurePolished();
        for (QWidget *w : etiquetados)
            w->setProperty(kPropiedadTag, 99);
        sin += etiquetados;
        for (QWidget *w : con) {
            QVERIFY2(w->style() == QApplication::style(), w->metaObject()->className());
            QCOMPARE(w->palette().color(QPalette::Button), piel);
        }
        for (QWidget *w : sin) {
            QVERIFY2(w->style() != QApplication::style(), w->metaObject()->className());
            QCOMPARE(w->palette().color(QPalette::Button), sinPiel);
        }
    }

    void screensAreCreatedOnceInTheirOrder()
    {
        MensajesRegistrados m;
        Enlace e(m);
        Iniciar(e);
        QStringList pasos;
        QList<int> pausas;
        Arranque arranque(e, [&](const QString &paso) { pasos << paso; }, [&](int ms) { pausas << ms; pasos << "pausa"; });
        QVERIFY(arranque.CrearPantallas());
        const QString esperado =
            "TBienvenida Tform0 10 pausa TForm6 TEstadisticas TFormEstGra TForm7 20 TForm1 TForm8 30 TFormCon TForm2 "
            "40 TForm5 50 TForm3 60 TForm4 70 TFIniPro 80 pausa TCertifica 90 Tprofe 100 TFormCat TFlomce";
        QCOMPARE(pasos.join(' '), esperado);
        QCOMPARE(pausas, (QList<int>{1000, 1000}));
        QCOMPARE(arranque.VentanaPrincipal(), static_cast<QWidget *>(arranque.pantallas.form0));
        QVERIFY(arranque.pantallas.form9 == nullptr);
        QCOMPARE(arranque.pantallas.Bienvenida->ProgressBar1->value(), 100);
        QVERIFY(arranque.pantallas.Bienvenida->isVisible());
        // Only the home screen is built; another the first time it is asked
        // for, once (the degrees screen with the region map it follows).
        const auto construidas = [] {
            QStringList nombres;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (dynamic_cast<Pantalla *>(w))
                    nombres << w->objectName();
            nombres.sort();
            return nombres;
        };
        QCOMPARE(construidas(), QStringList{"Tform0"});
        // The home screen's appearance closes the welcome window, which then
        // goes; its settings panel opens and closes without building a screen.
        const QPointer<TBienvenida> bienvenida = arranque.pantallas.Bienvenida;
        Tform0 &menu = *arranque.pantallas.form0;
        menu.show();
        QVERIFY(arranque.pantallas.Bienvenida == nullptr);
        QTRY_VERIFY(bienvenida.isNull());
        QVERIFY(pruebas::Pulsar(pruebas::Hijo(menu, "LabelConfig")));
        QVERIFY(pruebas::Pulsar(pruebas::Hijo(menu, "ButtonRetroConf")));
        QVERIFY(pruebas::Hijo(menu, "panelConfigu")->isHidden());
        QCOMPARE(construidas(), QStringList{"Tform0"});
        menu.hide();
        TForm1 *grados = arranque.pantallas.Form1.get();
        QCOMPARE(arranque.pantallas.Form1.get(), grados);
        QCOMPARE(construidas(), (QStringList{"TForm1", "TForm7", "Tform0"}));
        // The assistant offers the certificates without building them.
        QWidget *asistente = arranque.pantallas.Por(Papel::Asistente);
        asistente->show();
        QVERIFY(asistente->findChild<QPushButton *>(QStringLiteral("BDejar"))->isEnabled());
        QCOMPARE(construidas(), (QStringList{"TForm1", "TForm5", "TForm7", "Tform0"}));
        asistente->hide();
        // Every screen is a fixed 1024 x 768 window, hidden until shown.
        for (QWidget *w : {static_cast<QWidget *>(arranque.pantallas.form0), static_cast<QWidget *>(grados)}) {
            QCOMPARE(w->size(), QSize(1024, 768));
            QVERIFY(!w->isVisible());
        }
    }

    void animatedHomeScreenComesFirst()
    {
        MensajesRegistrados m;
        Enlace e(m);
        Iniciar(e);
        e.ModoAnimado = true;
        QStringList pasos;
        Arranque arranque(e, [&](const QString &paso) { pasos << paso; }, [](int) {});
        QVERIFY(arranque.CrearPantallas());
        QCOMPARE(pasos.mid(0, 3), (QStringList{"TBienvenida", "Tform9", "Tform0"}));
        QVERIFY(arranque.pantallas.form9 != nullptr);
        QCOMPARE(arranque.VentanaPrincipal(), static_cast<QWidget *>(arranque.pantallas.form9));
    }

    void aMissingFileStopsAtTheNextCheck_data()
    {
        QTest::addColumn<QString>("falla");
        QTest::addColumn<QString>("ultima");
        QTest::newRow("first group") << "TFormEstGra" << "TForm7";
        QTest::newRow("degrees") << "TForm1" << "TForm8";
        QTest::newRow("questionnaires") << "TForm2" << "TForm2";
        QTest::newRow("shared check after the basic cycle") << "TForm5" << "TFIniPro";
        QTest::newRow("certificates") << "TCertifica" << "TCertifica";
        QTest::newRow("professions") << "Tprofe" << "Tprofe";
        QTest::newRow("last") << "TFormCat" << "TFlomce";
    }

    void aMissingFileStopsAtTheNextCheck()
    {
        QFETCH(QString, falla);
        QFETCH(QString, ultima);
        MensajesRegistrados m;
        Enlace e(m);
        Iniciar(e);
        QStringList pantallas;
        // A screen whose data file is missing sets the flag while it is created.
        Arranque arranque(
            e,
            [&](const QString &paso) {
                if (paso.startsWith('T'))
                    pantallas << paso;
                if (paso == falla)
                    e.ErrorFicheros = true;
            },
            [](int) {});
        QVERIFY(!arranque.CrearPantallas());
        QCOMPARE(pantallas.last(), ultima);
    }

    // A file of the shipped folder's copy damaged stops the start-up; the
    // first message names it ("@" the data folder, "*" what the data make of
    // it), or both files where either may be the damaged one. No message: a
    // damage the program reads through, starting as with the whole file.
    void aDamagedFileStopsTheStartUpByItsName_data()
    {
        QTest::addColumn<QString>("fichero");
        // 0 emptied, 1 cut to half, 2 doubled, 3 CR alone as line end, 4 saved again in UTF-8,
        // 5 only its first 11 lines, 6 its third line beginning "XX99"
        QTest::addColumn<int>("dano");
        QTest::addColumn<QString>("mensaje");
        for (const char *f : {"cas/fp2", "cas/fpba", "cas/asignaba", "cas/asignagm", "cas/cuestion", "cas/itinerar",
                              "cas/cualidad", "cas/interes", "cas/otros", "cuestioESO", "cuestiocua", "cuestioint",
                              "lu1", "lu2", "lu3", "lu4", "comunida", "comuint", "comarcasm", "fami_estad.txt"})
            QTest::addRow("%s empty", f) << f << 0 << "Faltan ficheros (@" + QString::fromLatin1(f) + "). Vuelva *";
        QTest::newRow("fpba cut") << "cas/fpba" << 1 << "Error en los ficheros @cas/asignaba y @cas/fpba: *";
        QTest::newRow("certifica cut") << "cas/certifica" << 1 << "Error en los ficheros @cas/certificah y @cas/certifica*";
        QTest::newRow("cuesgm cut") << "cas/cuesgm" << 1 << "Error en el fichero @cas/cuesgm: tiene * preguntas, *";
        // Cut to half, a file is refused by the one that points into it or by what the screens read of it.
        const char *const cortados[][2] = {
            {"lu1", "@lu1: tiene 137 líneas y ningún centro de la provincia de la línea 41 de \"comunida\" *"},
            {"lu2", "@lu2: tiene 157 líneas y ningún centro *"}, {"lu3", "@lu3: tiene 118 líneas y ningún centro *"},
            {"lu4", "@lu4: tiene 109 líneas y ningún centro *"},
            {"comuint", "@comuint: tiene 10 líneas y hay 19 comunidades*"},
            {"cas/cualidad", "@cas/cualidad: tiene 24 líneas, pero \"cuestiocua\" *"},
            {"cas/interes", "@cas/interes: tiene 36 líneas, pero \"cuestioint\" *"},
            {"cas/cuestion", "@cas/cuestion: tiene 21 líneas, pero \"cuestioESO\" *"},
            {"cas/itinerar", "@cas/itinerar: tiene 6 líneas y hay 12 itinerarios*"},
            {"cas/informa_l", "@cas/informa_l: tiene 48 líneas, pero la pantalla de FP básica lee la línea 54"},
            {"cas/asignaot", "@cas/asignaot, línea 486: el fichero acaba antes de completar el bloque 10"}};
        for (const auto &[f, m] : cortados)
            QTest::addRow("%s cut", f) << f << 1 << "Error en el fichero " + QString::fromUtf8(m);
        QTest::newRow("otros cut") << "cas/otros" << 1 << "Error en los ficheros @cas/asignaot y @cas/otros: *";
        QTest::newRow("lu1 doubled") << "lu1" << 2 << "Error en el fichero @datluggsphp, línea * según @lu1, @lu2, *";
        const char *const otros[][3] = {
            {"comunida", "1", "los ficheros @comunida y @lu*: \"comunida\" tiene 35 líneas y ninguna *"},
            {"cas/activida", "1", "los ficheros @cas/profesio y @cas/activida: * tiene 13 actividades *"},
            {"cas/textos", "1", "el fichero @cas/textos: tiene 375 líneas y el programa lee hasta la línea 749"},
            {"cuestioint", "1", "el fichero @cuestioint: tiene 6 líneas y hay 12 áreas*"},
            {"cuestiocua", "1", "el fichero @cuestiocua: tiene 6 líneas y hay 12 áreas*"},
            {"cas/fp2", "3", ""},
            {"cas/itinerar", "3", ""},
            {"cas/textos", "4", "el fichero @cas/textos: está guardado en UTF-8*"},
            {"cas/fp", "4", "el fichero @cas/fp: está guardado en UTF-8*"},
            {"lu1", "4", "el fichero @lu1: está guardado en UTF-8*"},
            {"cas/profesio", "4", "el fichero @cas/profesio: está guardado en UTF-8*"},
            {"cas/cuesgm", "5", "el fichero @cas/cuesgm: tiene 0 preguntas, *"},
            {"cas/profesio", "6", "los ficheros @cas/profesio y @cas/activida: la línea 3 de \"profesio\" pide *"},
            {"lu1", "6", "el fichero @lu1, línea 3: el centro empieza por \"X\", *"}};
        for (const auto &[f, d, m] : otros)
            QTest::addRow("%s damage %s", f, d) << f << QByteArray(d).toInt()
                                                << (*m ? "Error en " + QString::fromUtf8(m) : QString());
    }

    void aDamagedFileStopsTheStartUpByItsName()
    {
        QFETCH(QString, fichero);
        QFETCH(int, dano);
        QFETCH(QString, mensaje);
        QFile f(carpeta->Ruta(fichero));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const auto reponer = qScopeGuard([&] { carpeta->EscribirBytes(fichero, bytes); });
        QList<QByteArray> lineas = bytes.split('\n');
        const QByteArray mitad = lineas.mid(0, lineas.size() / 2).join('\n'), once = lineas.mid(0, 11).join('\n') + '\n';
        lineas[2] = "XX99" + lineas[2].mid(4);
        carpeta->EscribirBytes(fichero, QList<QByteArray>{{}, mitad, bytes + bytes, QByteArray(bytes).replace("\r\n", "\r"),
                                                          DesdeAnsi(bytes.toStdString()).toUtf8(), once, lineas.join('\n')}
                                            .at(dano));
        MensajesRegistrados m;
        Enlace e(m);
        const int fallo = Protegido(m, [&] {
            Inicializar(e, Opciones());
            return !e.ErrorFicheros && Arranque(e, nullptr, [](int) {}).CrearPantallas() ? 0 : 1;
        });
        QCOMPARE(fallo, mensaje.isEmpty() ? 0 : 1);
        const QString patron = QRegularExpression::escape(mensaje.replace('@', carpeta->Ruta({}))).replace("\\*", ".*");
        QVERIFY2(QRegularExpression('^' + patron + '$').match(m.textos.value(0)).hasMatch(),
                 qPrintable(m.textos.join('|')));
    }

    void nothingIsCreatedAfterAFailedStartUp()
    {
        MensajesRegistrados m;
        Enlace e(m);
        Iniciar(e);
        e.ErrorFicheros = true;
        QStringList pasos;
        Arranque arranque(e, [&](const QString &paso) { pasos << paso; }, [](int) {});
        QVERIFY(!arranque.CrearPantallas());
        QVERIFY(pasos.isEmpty());
        QVERIFY(arranque.pantallas.Bienvenida == nullptr);
    }

    void welcomeWindowShowsItsPictureAndTitle()
    {
        TBienvenida b;
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        // Centred on the screen.
        const QRect pantalla = b.screen()->availableGeometry();
        QVERIFY2((b.geometry().center() - pantalla.center()).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2 on %3,%4").arg(b.geometry().center().x()).arg(b.geometry().center().y()).arg(pantalla.center().x()).arg(pantalla.center().y())));
        // The welcome picture was drawn and embedded, and the title fits its label.
        const QImage imagen = b.Image2->pixmap().toImage();
        QVERIFY(!imagen.isNull());
        QSet<QRgb> colores;
        for (int i = 0; i < imagen.width() && i < imagen.height(); ++i)
            colores.insert(imagen.pixel(i, i));
        QVERIFY(colores.size() >= 10);   // a picture, not a blank square
        const QRect texto = QFontMetrics(b.Label1->font()).boundingRect(b.Label1->text());
        QVERIFY(texto.width() <= b.Label1->width() && texto.height() <= b.Label1->height());
        b.Avanzar(40);
        QCOMPARE(b.ProgressBar1->value(), 40);
    }

    void yesNoDialogResults()
    {
        MensajesRegistrados m;
        Enlace e(m);
        Iniciar(e);
        TForm4 f(e);
        QCOMPARE(f.ShadowSi->text(), e.Texto(141));
        QCOMPARE(f.ShadowNo->text(), e.Texto(140));
        QVERIFY(!f.ShadowSi->text().isEmpty());

        CuandoSeMuestre(f, [&] { QVERIFY(pruebas::Tecla(&f, Qt::Key_Return)); });
        QCOMPARE(f.exec(), TForm4::kSi);
        CuandoSeMuestre(f, [&] { QVERIFY(pruebas::Tecla(&f, Qt::Key_Escape)); });
        QCOMPARE(f.exec(), TForm4::kNo);
        CuandoSeMuestre(f, [&] { QVERIFY(pruebas::Cerrar(&f)); });
        QCOMPARE(f.exec(), TForm4::kNo);
        CuandoSeMuestre(f, [&] { QVERIFY(pruebas::Pulsar(f.ShadowNo)); });
        QVERIFY(!f.Confirmar(QStringLiteral("¿Quieres salir?")));
        QCOMPARE(f.LabelNombre->text(), QStringLiteral("¿Quieres salir?"));
    }

    void nameEntryLoopsUntilANameIsTyped()
    {
        MensajesRegistrados m;
        Enlace e(m);
        Iniciar(e);
        TForm4 f(e);
        int vueltas = 0;
        // First an empty name with Yes, then a name typed and Enter in the field.
        std::function<void()> responder = [&] {
            ++vueltas;
            QVERIFY(f.EditNombre->isVisible());
            if (vueltas == 1) {
                QVERIFY(f.EditNombre->text().isEmpty());
                QVERIFY(pruebas::Pulsar(f.ShadowSi));
                QTimer::singleShot(0, &f, responder);
            } else {
                QVERIFY(pruebas::Teclear(f.EditNombre, QStringLiteral("Lucia ")));
                f.EditNombre->insert(QStringLiteral("Fernández García de la Torre y Martínez-Almeida"));
                QVERIFY(pruebas::Tecla(f.EditNombre, Qt::Key_Return));
            }
        };
        QTimer::singleShot(0, &f, responder);
        const auto nombre = f.PedirNombre(QStringLiteral("Escribe tu nombre"));
        QVERIFY(nombre.has_value());
        QCOMPARE(vueltas, 2);
        QCOMPARE(nombre->size(), 45);
        QVERIFY(nombre->startsWith(QStringLiteral("Lucia Fernández")));
        // Closing hid the field: a confirmation afterwards shows none.
        QVERIFY(f.EditNombre->isHidden());

        // No at any repeat abandons.
        CuandoSeMuestre(f, [&] { QVERIFY(pruebas::Tecla(&f, Qt::Key_Escape)); });
        QVERIFY(!f.PedirNombre(QStringLiteral("Escribe tu nombre")).has_value());
    }

private:
    OpcionesInicio Opciones() const
    {
        OpcionesInicio o;
        o.rutaPrograma = carpeta->Programa();
        o.carpetaUsuario = carpeta->Programa() + "usuario";
        return o;
    }

    void Iniciar(Enlace &e)
    {
        Inicializar(e, Opciones());
        QVERIFY(!e.ErrorFicheros);
    }

    std::unique_ptr<CarpetaEntregada> carpeta;
};

QTEST_MAIN(PruebaArranque)
#include "arranque_test.moc"
