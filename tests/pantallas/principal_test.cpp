// The main menu: the walk, the doors and their screens, the captions in
// every language, the settings panel above everything, the help panel, the
// exit question over an opening door, the program's own texts in the run's
// language, and the balloon hints. The animations follow the test's clock;
// every press goes through the student's hand.
#include "animacion.h"
#include "arranque.h"
#include "asistente.h"
#include "aviso.h"
#include "carpeta_prueba.h"
#include "catU.h"
#include "certifiU.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "entorno_carga.h"
#include "etiquetas.h"
#include "formconsejo.h"
#include "grados.h"
#include "hintU.h"
#include "iconos.h"
#include "idioma_qt.h"
#include "inipro.h"
#include "itinerarios.h"
#include "mano.h"
#include "medio.h"
#include "mensajes_pantalla.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "pasillo.h"
#include "principal.h"
#include "profeU.h"
#include "reloj_prueba.h"
#include "ruta_lugares_fp.h"
#include "superior.h"
#include "transiciones_paneles.h"
#include "zoom_puerta.h"

#include <QAccessible>
#include <QDir>
#include <QFrame>
#include <QHelpEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <algorithm>

using namespace norvela;
using pruebas::Hijo;
using pruebas::Pulsar;

namespace {

// The program on the shipped data folder, with every screen created; the
// language of the run when `idioma` is 0..3 (or the whole command line);
// real message boxes on request. Its animations move only with `reloj`.
struct Programa {
    explicit Programa(bool animacionIniciada = false, int idioma = -1, bool cajasReales = false,
                      const QStringList &argumentos = {})
        : e(cajasReales ? static_cast<Mensajes &>(cajas) : m)
    {
        OpcionesInicio o = pruebas::OpcionesEntregadas(QStringLiteral("menu"), idioma);
        if (!argumentos.isEmpty())
            o.argumentos = argumentos;
        Inicializar(e, o);
        e.AnimacionIniciada = animacionIniciada;
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        arranque->pantallas.RelojAnimaciones = &reloj;
        arranque->CrearPantallas();
        menu = arranque->pantallas.form0;
        // Panels open and close at once.
        for (TTransitionEffect *efecto : s().Transiciones->findChildren<TTransitionEffect *>())
            efecto->Milliseconds = 0;
    }
    ~Programa() { e.ErrorFicheros = true; }
    PantallasCreadas &s() { return arranque->pantallas; }
    MensajesRegistrados m;
    MensajesPantalla cajas;
    Enlace e;
    pruebas::RelojPrueba reloj;
    std::unique_ptr<Arranque> arranque;
    Tform0 *menu = nullptr;
};

// Time enough for any door to open and its zoom to end.
constexpr int kPuertaAbierta = 3000;

// Answers the message box once it shows: `antes` runs while it is up, then
// the button `boton` is pressed. It waits while `contexto` lives.
void AlPreguntar(QObject *contexto, QMessageBox::StandardButton boton, std::function<void(QMessageBox &)> antes)
{
    auto *espera = new QTimer(contexto);
    espera->setInterval(10);
    QObject::connect(espera, &QTimer::timeout, espera, [espera, boton, antes] {
        auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!caja)
            return;
        espera->deleteLater();
        espera->stop();
        if (antes)
            antes(*caja);
        if (!Pulsar(caja->button(boton)))
            caja->done(boton);
    });
    espera->start();
}

// A window on show and active, as the student finds it.
bool Activa(QWidget *ventana)
{
    ventana->show();
    ventana->activateWindow();
    return QTest::qWaitForWindowActive(ventana);
}

// WCAG contrast ratio of two colours.
double Contraste(const QColor &a, const QColor &b)
{
    const auto canal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const auto lum = [&](const QColor &c) {
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
    };
    const double la = lum(a), lb = lum(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The box of the door picture's sky-blue glass.
QRect Cristal(const QImage &puerta)
{
    QRect caja;
    for (int y = 0; y < puerta.height(); ++y)
        for (int x = 0; x < puerta.width(); ++x) {
            const QColor c = puerta.pixelColor(x, y);
            if (c.alpha() == 255 && c.blue() > 200 && c.red() < 200)
                caja |= QRect(x, y, 1, 1);
        }
    return caja;
}

// The rows of a picture that are opaque in its middle column.
int FilasOpacas(const QImage &imagen)
{
    int filas = 0;
    while (filas < imagen.height() && imagen.pixelColor(imagen.width() / 2, filas).alpha() == 255)
        ++filas;
    return filas;
}

// The menu's door pictures: closed, then the four steps of its opening.
QImage Puerta(int paso)
{
    return ImagenIncorporada(QStringLiteral("puerta%1").arg(paso)).toImage();
}

// Whether a point of the corridor lies under a caption or its board.
bool BajoRotulo(const Tform0 &menu, const QPoint &punto)
{
    for (const QLabel *e : menu.EtiquetasConTexto())
        if (e->geometry().adjusted(-6, -6, 7, 7).contains(punto))
            return true;
    return false;
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
        QLabel *anda = Hijo<QLabel>(menu, "anda");
        QWidget *bocadillo = Hijo(menu, "Bocadillo1");
        QLabel *saludo = Hijo<QLabel>(menu, "LabelBocadillo1");
        QWidget *segundo = Hijo(menu, "labelBocadillo2");
        // However long the start-up took, the walk has not begun.
        QCOMPARE(anda->x(), 100);
        // Eight steps of 8 pixels, one each 200 ms, with no door hint meanwhile.
        p.reloj.Avanzar(1599);
        QCOMPARE(anda->x(), 156);
        QVERIFY(Hijo(menu, "LabelCarreras")->toolTip().isEmpty());
        QVERIFY(bocadillo->isHidden());
        p.reloj.Avanzar(1);
        QCOMPARE(anda->x(), 164);
        QVERIFY(!Hijo(menu, "LabelCarreras")->toolTip().isEmpty());
        QVERIFY(!Hijo(menu, "LabelCat")->toolTip().isEmpty());
        QVERIFY(!bocadillo->isHidden());
        QVERIFY(!saludo->isHidden());
        QVERIFY(saludo->text().contains(QStringLiteral("Norvela.")));
        // The greeting changes to its second text 3 s later, and the walk is over.
        p.reloj.Avanzar(2999);
        QVERIFY(segundo->isHidden());
        p.reloj.Avanzar(1);
        QVERIFY(!segundo->isHidden());
        QVERIFY(saludo->isHidden());
        p.reloj.Avanzar(10000);
        QCOMPARE(anda->x(), 164);
        QVERIFY(!segundo->isHidden() && saludo->isHidden());
    }

    void captionsFitTheirBoardsInEveryLanguage_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::newRow("Castilian") << 0;
        QTest::newRow("Catalan") << 1;
        QTest::newRow("Galician") << 2;
        QTest::newRow("Basque") << 3;
    }

    void captionsFitTheirBoardsInEveryLanguage()
    {
        QFETCH(int, idioma);
        Programa p(false, idioma);
        Tform0 &menu = *p.menu;
        const QList<QLabel *> etiquetas = menu.EtiquetasConTexto();
        for (QLabel *e : etiquetas) {
            QVERIFY(!e->text().trimmed().isEmpty());
            const QRect caja = e->contentsRect();
            const QRect texto = QFontMetrics(e->font()).boundingRect(QRect(0, 0, caja.width(), 1000),
                                                                     Qt::AlignHCenter | Qt::TextWordWrap, e->text());
            QVERIFY2(texto.width() <= caja.width() && texto.height() <= caja.height(),
                     qPrintable(e->text() + " does not fit"));
            QVERIFY2(e->font().pointSizeF() >= 6.5, qPrintable(e->text()));
            for (QLabel *otra : etiquetas)
                QVERIFY2(otra == e || !otra->geometry().intersects(e->geometry()), qPrintable(e->text()));
        }
        // No caption covers a door's glass.
        const QRect cristal = Cristal(Puerta(0));
        QVERIFY(cristal.width() > 10 && cristal.height() > 10);
        for (const char *puerta : {"LabelCarreras", "LabelCat", "LabelFpS", "LabelIti", "LabelFPM", "LabelFPip",
                                   "LabelProfe", "LabelCuesB", "LabelCuesE", "LabelConfig", "LabelAsistente"}) {
            const QRect vidrio = cristal.translated(menu.PosicionPuerta(Hijo<EtiquetaActiva>(menu, puerta)));
            for (QLabel *e : etiquetas)
                QVERIFY2(!e->geometry().intersects(vidrio), qPrintable(e->text()));
        }
        // The sign's caption lies on the sign's board, where its navy and its
        // hover yellow both read.
        const QLabel *cartel = Hijo<QLabel>(menu, "ImageDejar");
        const QImage rotulo = cartel->pixmap().toImage();
        const QRect sobre = Hijo(menu, "LabelDejar")->geometry().translated(-cartel->pos());
        QVERIFY(QRect(QPoint(0, 0), rotulo.size()).contains(sobre));
        for (int y = sobre.top(); y <= sobre.bottom(); ++y)
            for (int x = sobre.left(); x <= sobre.right(); ++x) {
                const QColor c = rotulo.pixelColor(x, y);
                QCOMPARE(c.alpha(), 255);
                QVERIFY2(Contraste(c, QColor(0, 0, 128)) >= 3.0 && Contraste(c, QColor(255, 255, 0)) >= 3.0,
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
    }

    void menuCaptionIsItsOwn()
    {
        // As the program's entry sets it: Qt adds it to captions that lack it.
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Norvela"));
        Programa p;
        QCOMPARE(p.menu->windowTitle(), QStringLiteral("Calmirex"));
        QVERIFY(QGuiApplication::applicationDisplayName().isEmpty());
    }

    void questionsSpeakTheLanguageAndStayAboveAnOpeningDoor_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("si");
        QTest::addColumn<QString>("no");
        QTest::addColumn<int>("como");   // 0 Esc, 1 the close box, 2 the leave button
        QTest::newRow("Castilian, Esc") << 0 << "Aceptar" << "Sí" << "No" << 0;
        QTest::newRow("Catalan, close box") << 1 << "D'acord" << "Sí" << "No" << 1;
        QTest::newRow("Galician, leave button") << 2 << "Aceptar" << "Si" << "Non" << 2;
        QTest::newRow("Basque, Esc") << 3 << "Ados" << "Bai" << "Ez" << 0;
    }

    void questionsSpeakTheLanguageAndStayAboveAnOpeningDoor()
    {
        QFETCH(int, idioma);
        QFETCH(QString, ok);
        QFETCH(QString, si);
        QFETCH(QString, no);
        QFETCH(int, como);
        // "A": a box before any window tells that the program was updated.
        QString aviso;
        QObject espera;
        AlPreguntar(&espera, QMessageBox::Ok,
                    [&](QMessageBox &caja) { aviso = caja.text() + '|' + caja.button(QMessageBox::Ok)->text(); });
        Programa p(false, idioma, true, {QStringLiteral("A"), QString::number(idioma)});
        QCOMPARE(aviso, QStringLiteral("Programa Norvela actualizado|") + ok);
        // The exit question asked while a door opens, and read for a while.
        Tform0 &menu = *p.menu;
        QVERIFY(Activa(&menu));
        QVERIFY(Pulsar(Hijo(menu, "LabelIti")));
        p.reloj.Avanzar(600);
        const QWidget *anda = Hijo(menu, "anda");
        const QPoint puerta = anda->pos();
        QStringList botones;
        QString titulo = QStringLiteral("?");
        bool arriba = false;
        QList<QWidget *> otras;
        AlPreguntar(&menu, QMessageBox::No, [&](QMessageBox &caja) {
            titulo = caja.windowTitle();
            for (QAbstractButton *b : caja.buttons())
                botones << b->text();
            p.reloj.Avanzar(10000);
            arriba = QApplication::activeModalWidget() == &caja;
            otras = pruebas::VentanasVisibles();
            otras.removeAll(&caja);
            otras.removeAll(&menu);
        });
        if (como == 0)
            QVERIFY(pruebas::Tecla(&menu, Qt::Key_Escape));
        else if (como == 1)
            QVERIFY(pruebas::Cerrar(&menu));
        else
            QVERIFY(Pulsar(Hijo(menu, "BotRetroce")));
        botones.sort();
        QStringList esperados{si, no};
        esperados.sort();
        QCOMPARE(botones, esperados);
        QVERIFY(titulo.isEmpty());
        // Nothing opened over the question.
        QVERIFY(arriba);
        QVERIFY2(otras.isEmpty(), qPrintable(otras.value(0) ? otras.value(0)->objectName() : QString()));
        // No: as it was, the door half open; then it opens as it would have.
        QVERIFY(menu.isVisible());
        QCOMPARE(anda->pos(), puerta);
        p.reloj.Avanzar(kPuertaAbierta);
        QVERIFY(p.s().Form2->isVisible() && !menu.isVisible());
        QCOMPARE(p.s().Form4->ShadowSi->text(), si);
        QCOMPARE(p.s().Form4->ShadowNo->text(), no);
        p.s().Form2->hide();
    }

    void qtDialogsSpeakTheLanguageWhereQtIsTranslated()
    {
        Programa p(false, 1);
        QCOMPARE(LocaleDeCarpeta(p.e.CarpetaIdioma), QStringLiteral("ca"));
        if (!PonerIdiomaQt(p.e))
            QSKIP("Qt's Catalan translation is not installed (qt6-translations-l10n)");
        QVERIFY(QCoreApplication::translate("QPrintDialog", "Print") != QLatin1String("Print"));
        const QString catalan = QCoreApplication::translate("QPrintDialog", "Print");
        // No Qt translation for Basque: its dialogs speak Castilian, not Catalan left behind nor English.
        Programa basco(false, 3);
        QVERIFY(PonerIdiomaQt(basco.e));
        const QString castellano = QCoreApplication::translate("QPrintDialog", "Print");
        QVERIFY(castellano != catalan && castellano != QLatin1String("Print"));
        // Qt's Galician is partial: what it lacks is Castilian too.
        Programa galego(false, 2);
        QVERIFY(PonerIdiomaQt(galego.e));
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    }

    void settingsPanelTakesEveryClickWhileTheWalkEnds()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        QVERIFY(Activa(&menu));
        p.reloj.Avanzar(800);
        QWidget *panel = Hijo(menu, "panelConfigu");
        QVERIFY(Pulsar(Hijo(menu, "LabelConfig")));
        QVERIFY(panel->isVisible());
        // The walk ends and the greeting changes its text under the panel.
        p.reloj.Avanzar(800);
        QVERIFY(Hijo(menu, "Bocadillo1")->isVisible());
        for (const char *idioma : {"cas", "cat", "gal", "eus"}) {
            auto *b = Hijo<QRadioButton>(menu, idioma);
            QVERIFY(Pulsar(b));
            QVERIFY2(b->isChecked(), qPrintable(b->text()));
            QCOMPARE(Hijo<QLabel>(menu, "LabelIdiomaSel")->text(), b->text());
            p.reloj.Avanzar(1000);
        }
        // Nothing behind the panel can be reached; what it covers whole is
        // not even there for the keyboard and screen readers.
        for (const char *detras : {"LabelCarreras", "LabelFPip", "LabelDejar"})
            QVERIFY2(pruebas::Inalcanzable(Hijo(menu, detras)).contains(QStringLiteral("covers it")),
                     qPrintable(pruebas::Inalcanzable(Hijo(menu, detras))));
        QVERIFY(!Hijo(menu, "BotRetroce")->isVisible());
        // Nor can a screen reader press a door there.
        QAccessibleInterface *puerta = QAccessible::queryAccessibleInterface(Hijo(menu, "LabelCarreras"));
        QVERIFY(puerta->state().disabled && puerta->actionInterface()->actionNames().isEmpty());
        // Closed, the doors and the back button work again.
        QVERIFY(Pulsar(Hijo(menu, "ButtonRetroConf")));
        QVERIFY(panel->isHidden());
        QVERIFY(pruebas::Inalcanzable(Hijo(menu, "BotRetroce")).isEmpty());
        QVERIFY(Pulsar(Hijo(menu, "LabelCarreras")));
        QVERIFY(menu.AbriendoPuerta());
        // The sign clicked while that door opens is the one that opens.
        QVERIFY(Pulsar(Hijo(menu, "LabelDejar")));
        p.reloj.Avanzar(kPuertaAbierta);
        TCertifica *certificados = p.s().Certifica.Creada();
        QVERIFY(!menu.isVisible() && certificados && certificados->isVisible() && !p.s().Form1.Creada());
        certificados->hide();
    }

    void theOpeningDoorIsThePaintedOne()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        const QImage corredor = Hijo<QLabel>(menu, "mosaico")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage cerrada = Puerta(0);
        const int alto = FilasOpacas(cerrada);
        QCOMPARE(alto, kAltoHoja);
        // 4 pixels right of each caption as designed, whatever width it took.
        const QList<QPair<const char *, QPoint>> puertas = {
            {"LabelCarreras", {63, 170}}, {"LabelCat", {231, 170}},   {"LabelFpS", {414, 170}},
            {"LabelIti", {583, 170}},     {"LabelFPM", {761, 170}},   {"LabelFPip", {932, 170}},
            {"LabelProfe", {222, 510}},   {"LabelCuesB", {412, 510}}, {"LabelCuesE", {588, 510}},
            {"LabelAsistente", {934, 510}}};
        for (const auto &[nombre, en] : puertas) {
            auto *puerta = Hijo<EtiquetaActiva>(menu, nombre);
            QCOMPARE(menu.PosicionPuerta(puerta), en);
            const QImage pintada = corredor.copy(QRect(en, QSize(cerrada.width(), alto)));
            const QImage cerradaOpaca = cerrada.copy(0, 0, cerrada.width(), alto).convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < alto; ++y)
                for (int x = 0; x < cerradaOpaca.width(); ++x)
                    if (pintada.pixel(x, y) != cerradaOpaca.pixel(x, y) && !BajoRotulo(menu, en + QPoint(x, y)))
                        QFAIL(qPrintable(QStringLiteral("%1: %2,%3").arg(puerta->text()).arg(x).arg(y)));
            // The button, the year and the sign stand clear of every leaf.
            const QRect hoja(en, QSize(cerrada.width(), alto));
            for (const char *w : {"BotRetroce", "LabelAno", "LabelDejar", "ImageDejar"})
                QVERIFY2(!Hijo(menu, w)->geometry().intersects(hoja), qPrintable(puerta->text()));
        }
        // Step k plays 10 x k pixels higher and reaches down over the closed leaf.
        for (int k = 1; k < 5; ++k)
            QCOMPARE(FilasOpacas(Puerta(k)), kAltoHoja + 10 * k);
    }

    void everyDoorOpensItsScreen_data()
    {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("pantalla");
        QTest::addColumn<int>("despues");   // ms after another door was clicked; past 1000 in its zoom
        QTest::newRow("degrees") << 1 << "TForm1" << 300;
        QTest::newRow("catalogue") << 2 << "TFormCat" << 1100;
        QTest::newRow("higher cycles") << 3 << "TForm8" << 300;
        QTest::newRow("itineraries") << 4 << "TForm2" << 300;
        QTest::newRow("intermediate cycles") << 5 << "TForm3" << 300;
        QTest::newRow("basic cycles") << 6 << "TFIniPro" << 300;
        QTest::newRow("professions") << 7 << "Tprofe" << 300;
        QTest::newRow("degree areas") << 8 << "TFormCon" << 300;
        QTest::newRow("ESO questionnaires") << 9 << "TForm2" << 300;
        QTest::newRow("assistant") << 11 << "TForm5" << 1100;
    }

    void everyDoorOpensItsScreen()
    {
        QFETCH(int, codigo);
        QFETCH(QString, pantalla);
        QFETCH(int, despues);
        Programa p;
        Tform0 &menu = *p.menu;
        QVERIFY(Activa(&menu));
        const char *etiquetas[12] = {nullptr,      "LabelCarreras", "LabelCat",   "LabelFpS",
                                     "LabelIti",   "LabelFPM",      "LabelFPip",  "LabelProfe",
                                     "LabelCuesB", "LabelCuesE",    nullptr,      "LabelAsistente"};
        auto *puerta = Hijo<EtiquetaActiva>(menu, etiquetas[codigo]);
        QLabel *anda = Hijo<QLabel>(menu, "anda");
        QWidget *panel = Hijo(menu, "panelConfigu");
        auto *zoom = Hijo<ZoomPuerta>(menu, "zoom");
        const QPoint abajo = menu.PosicionPuerta(puerta);
        QCOMPARE(abajo.y(), codigo >= 7 ? 510 : 170);
        // The door clicked last opens, though another was still opening.
        auto *otra = Hijo<EtiquetaActiva>(menu, codigo == 1 ? "LabelIti" : "LabelCarreras");
        QVERIFY(Pulsar(otra));
        p.reloj.Avanzar(despues);
        QVERIFY(Pulsar(puerta));
        QCOMPARE(puerta->ColorFondo(), QColor(223, 236, 249));

        // The door opens in five steps of 200 ms, 10 pixels up each, where
        // the walk was: the walk and its greeting are over.
        p.reloj.Avanzar(200);
        QCOMPARE(anda->pos(), abajo);
        p.reloj.Avanzar(799);
        QCOMPARE(anda->pos(), abajo - QPoint(0, 30));
        // The settings stay closed while a door opens.
        QVERIFY(Pulsar(Hijo(menu, "LabelConfig")));
        QVERIFY(panel->isHidden());
        p.reloj.Avanzar(1);
        // The open door stays until the zoom draws it.
        QVERIFY(anda->isVisible());
        QCOMPARE(anda->pos(), abajo - QPoint(0, 40));
        QVERIFY(zoom->isHidden());
        // The first zoom picture grows around the door's column.
        p.reloj.Avanzar(100);
        QVERIFY(zoom->isVisible());
        QVERIFY(!anda->isVisible());
        // Stacking: the sign in front of the opening door, and the settings
        // panel in front of everything the menu plays.
        const QObjectList capas = menu.children();
        QVERIFY(capas.indexOf(anda) < capas.indexOf(Hijo(menu, "ImageDejar")));
        for (QObject *debajo : {static_cast<QObject *>(zoom), static_cast<QObject *>(Hijo(menu, "Bocadillo1")),
                                static_cast<QObject *>(Hijo(menu, "PanelAyuda")), static_cast<QObject *>(anda)})
            QVERIFY(capas.indexOf(debajo) < capas.indexOf(panel));
        const int columna = codigo >= 7 ? codigo - 5 : codigo;
        const QRect zona = zoom->Destino();
        QCOMPARE(zona.left(), (columna - 1) * p.e.BmpParte.width() - 7);
        QCOMPARE(zona.top(), codigo >= 7 ? 305 : 0);
        // The same door clicked again changes nothing.
        QVERIFY(Pulsar(puerta));
        QVERIFY(menu.isVisible());

        // Ten growing pictures, 100 ms apart; the screen opens on the next tick.
        p.reloj.Avanzar(999);
        QVERIFY(menu.isVisible());
        // The zoom has built the screen, still hidden: its end only shows it.
        const QWidgetList ventanas = QApplication::topLevelWidgets();
        QVERIFY(std::any_of(ventanas.begin(), ventanas.end(),
                            [&](QWidget *w) { return w->objectName() == pantalla && !w->isVisible(); }));
        QCOMPARE(zoom->Destino().left(), zona.left() - 45);
        QVERIFY(Hijo(menu, "Bocadillo1")->isHidden());
        p.reloj.Avanzar(1);
        QVERIFY(!menu.isVisible());
        QWidget *abierta = nullptr;
        QStringList visibles;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->isVisible() && dynamic_cast<Pantalla *>(w)) {
                visibles << w->objectName();
                abierta = w;
            }
        QVERIFY2(visibles == QStringList{pantalla}, qPrintable(visibles.join(' ')));
        QVERIFY(!otra->toolTip().isEmpty());
        QVERIFY(!menu.AbriendoPuerta());
        QVERIFY(panel->isHidden());
        QVERIFY(!puerta->toolTip().isEmpty() || codigo == 11);
        QCOMPARE(puerta->ColorFondo(), QColor(223, 236, 249));   // stays for the run

        PantallasCreadas &s = p.arranque->pantallas;
        switch (codigo) {
        case 3:
            QVERIFY(!pruebas::Hijo<QWidget>(s.Form8, "PanelFP")->isHidden());
            break;
        case 4:
            QVERIFY(!pruebas::Hijo<QPushButton>(s.Form2, "BotLOMCE")->isHidden());
            QVERIFY(pruebas::Hijo<QPushButton>(s.Form2, "botCuestio")->isHidden());
            break;
        case 5:
            // The first opening plays the helicopter intro.
            QVERIFY(pruebas::Hijo<QTimer>(s.Form3, "heli")->isActive());
            QVERIFY(!p.e.CuestionarioGM);
            break;
        case 6:
            QVERIFY(s.FIniPro->EstadoRuta().RutaPorTitulo && !s.FIniPro->EstadoRuta().RutaPorLugar);
            QVERIFY(!pruebas::Hijo<QPushButton>(s.FIniPro, "BotLug")->isHidden());
            break;
        case 9:
            QVERIFY(pruebas::Hijo<QPushButton>(s.Form2, "BotLOMCE")->isHidden());
            QVERIFY(!pruebas::Hijo<QPushButton>(s.Form2, "botCuestio")->isHidden());
            QCOMPARE(pruebas::Hijo<QLabel>(s.Form2, "degradeIti")->geometry(), s.Form2->rect());
            break;
        case 11:
            QVERIFY(p.e.DesdeAsistente);
            break;
        }
        abierta->hide();
    }

    void fromTheAnimatedScreenTheHelpPanelPlays()
    {
        Programa p(true);
        Tform0 &menu = *p.menu;
        QVERIFY(Activa(&menu));
        // A line at the 1st, 2nd, 4th, 6th and 8th tick of 200 ms, and no walk.
        p.reloj.Avanzar(200);
        QCOMPARE(Hijo<QLabel>(menu, "LabelAyu0")->text(), p.e.Texto(14));
        QVERIFY(Hijo<QLabel>(menu, "LabelAyu1")->text().isEmpty());
        p.reloj.Avanzar(1400);
        QCOMPARE(Hijo<QLabel>(menu, "LabelAyu4")->text(), p.e.Texto(18));
        p.reloj.Avanzar(200);
        QVERIFY(!Hijo(menu, "PanelAyuda")->isHidden());
        QVERIFY(Hijo<QLabel>(menu, "anda")->pixmap().isNull());
        // Doors open on the first zoom tick, with no door animation.
        QVERIFY(Pulsar(Hijo(menu, "LabelCat")));
        p.reloj.Avanzar(100);
        QVERIFY(p.arranque->pantallas.FormCat->isVisible());
        // Back from its screen, the help plays again from its first line.
        QVERIFY(pruebas::Cerrar(p.arranque->pantallas.FormCat.get()));
        QTRY_VERIFY(menu.isVisible());
        // Back returns to the animated screen without asking.
        QVERIFY(Pulsar(Hijo(menu, "BotRetroce")));
        QVERIFY(p.e.ModoAnimado);
        QVERIFY(!menu.isVisible());
        QVERIFY(p.m.textos.isEmpty());
    }

    void helpPanelsPlayFromTheirFirstLine()
    {
        // Certificates left while their help played (in Basque, after a
        // web page the desktop cannot open), and opened again from the assistant.
        {
            Programa p(false, 3);
            Tform0 &menu = *p.menu;
            TCertifica &c = *p.s().Certifica;
            QVERIFY(Activa(&menu));
            QVERIFY(Pulsar(Hijo(menu, "LabelDejar")));
            p.reloj.Avanzar(1000);
            QCOMPARE(c.LabelAyu[2]->text(), p.e.Texto(564));
            pruebas::ClicFila(c.ListSelFp, 0);
            pruebas::ClicFila(c.ListTitFP, 0);
            QVERIFY(Pulsar(c.BotInternet));
            QCOMPARE(p.m.textos.size(), 1);
            QVERIFY2(p.m.textos[0].startsWith(QStringLiteral("Ezin izan da https://www.sepe.es/")),
                     qPrintable(p.m.textos[0]));
            QVERIFY(Pulsar(c.BotRetrocederFP));
            QVERIFY(Pulsar(c.BotRetrocederFP));
            QTRY_VERIFY(menu.isActiveWindow());
            QVERIFY(Pulsar(Hijo(menu, "LabelAsistente")));
            p.reloj.Avanzar(kPuertaAbierta);
            QVERIFY(Pulsar(p.s().Form5->findChild<QPushButton *>(QStringLiteral("BDejar"))));
            QVERIFY(c.isVisible());
            p.reloj.Avanzar(300);
            QCOMPARE(c.LabelAyu[0]->text(), p.e.Texto(562));
            QVERIFY(c.LabelAyu[1]->text().isEmpty());
            c.hide();
        }
        // The main menu reached from the animated screen after the same.
        {
            Programa p(false, 0, false, {QStringLiteral("S"), QStringLiteral("0")});
            Tform9 *escena = p.s().form9;
            QVERIFY(escena);
            QVERIFY(Activa(escena));
            QVERIFY(Pulsar(escena->LabelDejar));
            TCertifica &c = *p.s().Certifica;
            QVERIFY(c.isVisible());
            p.reloj.Avanzar(3000);
            QVERIFY(Pulsar(c.BotRetrocederFP));
            QTRY_VERIFY(escena->isVisible());
            QVERIFY(Pulsar(escena->LabelEntrada));
            Tform0 &menu = *p.menu;
            QVERIFY(menu.isVisible());
            p.reloj.Avanzar(1800);
            QVERIFY(Hijo(menu, "PanelAyuda")->isVisible());
            for (int i = 0; i < 5; ++i)
                QCOMPARE(Hijo<QLabel>(menu, qPrintable(QStringLiteral("LabelAyu%1").arg(i)))->text(), p.e.Texto(14 + i));
            menu.hide();
        }
    }

    void screenReadersHearTheLanguage()
    {
        // What screen readers hear of the menu's pictures and of the degrees
        // screen, reached by its door: in Basque nothing stays Castilian.
        QStringList nombres[2];
        for (int k = 0; k < 2; ++k) {
            Programa p(false, k == 0 ? 0 : 3);
            QVERIFY(Activa(p.menu));
            QVERIFY(Pulsar(Hijo(p.menu, "LabelCarreras")));
            p.reloj.Avanzar(kPuertaAbierta);
            QVERIFY(p.s().Form1->isVisible());
            for (QWidget *ventana : {static_cast<QWidget *>(p.menu), static_cast<QWidget *>(p.s().Form1.get())})
                for (const QWidget *w : ventana->findChildren<QWidget *>())
                    nombres[k] << w->accessibleName();
            p.s().Form1->hide();
        }
        QCOMPARE(nombres[0].size(), nombres[1].size());
        QStringList iguales;
        for (qsizetype i = 0; i < nombres[0].size(); ++i)
            if (!nombres[0][i].isEmpty() && nombres[0][i] == nombres[1][i])
                iguales << nombres[0][i];
        QVERIFY2(iguales.isEmpty(), qPrintable(iguales.join(QStringLiteral(", "))));
    }

    void missingMenuPictureStopsTheStartUp()
    {
        pruebas::CarpetaPrueba c;
        c.Borrar("rotulon.bmp");
        pruebas::Iniciado a(c);
        QVERIFY(!a.e.ErrorFicheros);
        PantallasCreadas pantallas;
        pruebas::RelojPrueba reloj;
        pantallas.RelojAnimaciones = &reloj;
        Tform0 menu(a.e, pantallas);
        QVERIFY(a.e.ErrorFicheros);
        // The student is told which file is missing.
        QCOMPARE(a.m.textos, QStringList{"Faltan ficheros (" + a.e.Fichero("rotulon.bmp") + "). Vuelva a instalar el programa"});
        // Nor does the student walk in.
        reloj.Avanzar(2000);
        QCOMPARE(Hijo(menu, "anda")->x(), 100);
    }

    void balloonWrapsAndFramesItsText()
    {
        GestorHints &gestor = GestorHints::Instancia();
        gestor.PausaHint = 30000;
        TMonHint &globo = gestor.Ventana();
        const QString largo = QString(QStringLiteral("palabra ")).repeated(40);
        globo.ActivateHintData(QPoint(100, 100), largo);
        const QFontMetrics medidas(globo.font());
        // Wrapped at 300 pixels of text, however long the hint.
        QVERIFY(globo.width() <= 300 + 16);
        QVERIFY(globo.width() > 200);
        QVERIFY(globo.height() > 3 * medidas.height() + 32);
        QCOMPARE(globo.pos(), QPoint(77, 100));   // the pointer's tip at the point asked
        QVERIFY(QTest::qWaitForWindowExposed(&globo));
        QTRY_COMPARE(gestor.PausaHint, 400);

        // One line: the text sits below the pointer band, inside the margins.
        globo.ActivateHintData(QPoint(100, 100), QStringLiteral("Hola"));
        QTRY_VERIFY(!globo.mask().isEmpty());
        const QRegion forma = globo.mask();
        QVERIFY(forma.contains(QPoint(25, 15)));   // the pointer
        QVERIFY(forma.contains(QPoint(globo.width() / 2, 25)));   // the body
        QVERIFY(!forma.contains(QPoint(2, 2)));
        QVERIFY(!forma.contains(QPoint(globo.width() - 3, 5)));
        const QImage dibujo = globo.grab().toImage();
        QRect tinta;
        for (int y = 0; y < dibujo.height(); ++y)
            for (int x = 0; x < dibujo.width(); ++x)
                if (forma.contains(QPoint(x, y)) && qGray(dibujo.pixel(x, y)) < 60)
                    tinta |= QRect(x, y, 1, 1);
        QVERIFY(!tinta.isEmpty());
        QVERIFY2(tinta.top() >= 27 && tinta.left() >= 5 && tinta.right() < globo.width() - 5, qPrintable(
                 QStringLiteral("%1,%2 %3x%4").arg(tinta.x()).arg(tinta.y()).arg(tinta.width()).arg(tinta.height())));
        globo.hide();
    }

    void hintsShowAsBalloonsAndGoAway()
    {
        GestorHints &gestor = GestorHints::Instancia();
        gestor.Instalar(*qApp);
        QWidget ventana;
        ventana.resize(300, 200);
        auto *con = new QLabel(QStringLiteral("con"), &ventana);
        con->setGeometry(10, 10, 80, 20);
        con->setToolTip(QStringLiteral("Texto de ayuda"));
        auto *sin = new QLabel(QStringLiteral("sin"), &ventana);
        sin->setGeometry(10, 50, 80, 20);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));

        const auto pedir = [](QWidget *w) {
            QHelpEvent evento(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(w, &evento);
        };
        pedir(con);
        QVERIFY(gestor.Ventana().isVisible());
        QCOMPARE(gestor.Ventana().Texto(), QStringLiteral("Texto de ayuda"));
        QVERIFY(!QToolTip::isVisible());   // the balloon replaces Qt's tooltip
        // Leaving the control hides it; so does a click or a key.
        QEvent salida(QEvent::Leave);
        QApplication::sendEvent(con, &salida);
        QVERIFY(!gestor.Ventana().isVisible());
        pedir(con);
        QVERIFY(Pulsar(sin));
        QVERIFY(!gestor.Ventana().isVisible());
        pedir(con);
        QVERIFY(pruebas::Tecla(&ventana, Qt::Key_A));
        QVERIFY(!gestor.Ventana().isVisible());
        // A control without a hint takes the balloon away.
        pedir(con);
        pedir(sin);
        QVERIFY(!gestor.Ventana().isVisible());
    }
};

QTEST_MAIN(PruebaMenu)
#include "principal_test.moc"
