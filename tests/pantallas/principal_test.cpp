// The main menu: the walk, the doors and their screens, the captions in
// every language, the settings panel above everything, the help panel, the
// exit question, and the balloon hints.
#include "arranque.h"
#include "asistente.h"
#include "aviso.h"
#include "carpeta_prueba.h"
#include "catU.h"
#include "certifiU.h"
#include "datos_entregados.h"
#include "enlace.h"
#include "etiquetas.h"
#include "formconsejo.h"
#include "grados.h"
#include "hintU.h"
#include "idioma_qt.h"
#include "inipro.h"
#include "itinerarios.h"
#include "medio.h"
#include "mensajes_pantalla.h"
#include "panel_efectos.h"
#include "pasillo.h"
#include "principal.h"
#include "profeU.h"
#include "superior.h"
#include "transiciones_paneles.h"
#include "zoom_puerta.h"

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

using namespace norvela;

namespace {

// The program on the shipped data folder, with every screen created; the
// language of the run when `idioma` is 0..3; real message boxes on request.
struct Programa {
    explicit Programa(bool animacionIniciada = false, int idioma = -1, bool cajasReales = false)
        : e(cajasReales ? static_cast<Mensajes &>(cajas) : m)
    {
        Inicializar(e, pruebas::OpcionesEntregadas(QStringLiteral("menu"), idioma));
        e.AnimacionIniciada = animacionIniciada;
        arranque = std::make_unique<Arranque>(e, nullptr, [](int) {});
        arranque->CrearPantallas();
        menu = arranque->pantallas.form0;
        // Panels open and close at once.
        TForm1 &f = *arranque->pantallas.Form1;
        for (TTransitionEffect *efecto : f.TransitionList1->findChildren<TTransitionEffect *>())
            efecto->Milliseconds = 0;
    }
    ~Programa() { e.ErrorFicheros = true; }
    MensajesRegistrados m;
    MensajesPantalla cajas;
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

// A click where the student would click: the window finds the widget under
// the point, as it does for the mouse.
void ClicEn(QWidget &ventana, const QWidget *control)
{
    const QPoint punto = control->mapTo(&ventana, control->rect().center());
    QTest::mouseClick(ventana.windowHandle(), Qt::LeftButton, {}, punto);
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
        const QRect cristal = Cristal(menu.ImageListPuerta.value(0).toImage());
        QVERIFY(cristal.width() > 10 && cristal.height() > 10);
        for (EtiquetaActiva *puerta : {menu.LabelCarreras, menu.LabelCat, menu.LabelFpS, menu.LabelIti, menu.LabelFPM,
                                       menu.LabelFPip, menu.LabelProfe, menu.LabelCuesB, menu.LabelCuesE,
                                       menu.LabelConfig, menu.LabelAsistente}) {
            const QRect vidrio = cristal.translated(menu.PosicionPuerta(puerta));
            for (QLabel *e : etiquetas)
                QVERIFY2(!e->geometry().intersects(vidrio), qPrintable(e->text()));
        }
        // The sign's caption lies on the sign's board, where its navy and its
        // hover yellow both read.
        const QImage rotulo = menu.ImageDejar->pixmap().toImage();
        const QRect sobre = menu.LabelDejar->geometry().translated(-menu.ImageDejar->pos());
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

    void yesNoButtonsSpeakTheLanguage_data()
    {
        QTest::addColumn<int>("idioma");
        QTest::addColumn<QString>("si");
        QTest::addColumn<QString>("no");
        QTest::newRow("Castilian") << 0 << QStringLiteral("Sí") << QStringLiteral("No");
        QTest::newRow("Catalan") << 1 << QStringLiteral("Sí") << QStringLiteral("No");
        QTest::newRow("Galician") << 2 << QStringLiteral("Si") << QStringLiteral("Non");
        QTest::newRow("Basque") << 3 << QStringLiteral("Bai") << QStringLiteral("Ez");
    }

    void yesNoButtonsSpeakTheLanguage()
    {
        QFETCH(int, idioma);
        QFETCH(QString, si);
        QFETCH(QString, no);
        Programa p(false, idioma, true);
        Tform0 &menu = *p.menu;
        menu.show();
        QStringList botones;
        QString titulo = QStringLiteral("?");
        QTimer::singleShot(0, &menu, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto *caja = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(caja);
            titulo = caja->windowTitle();
            for (QAbstractButton *b : caja->buttons())
                botones << b->text();
            QTest::mouseClick(caja->button(QMessageBox::No), Qt::LeftButton);
        });
        QTest::keyClick(&menu, Qt::Key_Escape);
        botones.sort();
        QStringList esperados{si, no};
        esperados.sort();
        QCOMPARE(botones, esperados);
        QVERIFY(titulo.isEmpty());
        QVERIFY(menu.isVisible());   // No: the menu stays
        TForm4 &form4 = *p.arranque->pantallas.Form4;
        QCOMPARE(form4.ShadowSi->text(), si);
        QCOMPARE(form4.ShadowNo->text(), no);
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
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        menu.piloto.stop();
        for (int i = 0; i < 4; ++i)
            menu.pilotoTimer();
        QTest::mouseClick(menu.LabelConfig, Qt::LeftButton);
        QVERIFY(menu.panelConfigu->isVisible());
        // The walk ends and the greeting changes its text under the panel.
        for (int i = 0; i < 4; ++i)
            menu.pilotoTimer();
        QVERIFY(menu.Bocadillo1->isVisible());
        for (QRadioButton *b : {menu.cas, menu.cat, menu.gal, menu.eus}) {
            ClicEn(menu, b);
            QVERIFY2(b->isChecked(), qPrintable(b->text()));
            QCOMPARE(menu.LabelIdiomaSel->text(), b->text());
            menu.TimerTextoTimer();
        }
        // Nothing behind the panel answers.
        for (QWidget *detras : {static_cast<QWidget *>(menu.LabelCarreras), static_cast<QWidget *>(menu.LabelFPip),
                                static_cast<QWidget *>(menu.LabelDejar), static_cast<QWidget *>(menu.BotRetroce)}) {
            ClicEn(menu, detras);
            QVERIFY(!menu.AbriendoPuerta());
            QVERIFY(menu.isVisible());
        }
        QVERIFY(p.m.textos.isEmpty());   // not even the exit question
        // Closed, the doors work again.
        QTest::mouseClick(menu.ButtonRetroConf, Qt::LeftButton);
        QVERIFY(menu.panelConfigu->isHidden());
        ClicEn(menu, menu.LabelCarreras);
        QVERIFY(menu.AbriendoPuerta());
    }

    void settingsClickWhileADoorOpensChangesNothing()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        ClicEn(menu, menu.LabelFpS);
        menu.TimerPuertaTimer();
        menu.TimerPuertaTimer();
        ClicEn(menu, menu.LabelConfig);
        QVERIFY(menu.panelConfigu->isHidden());
        QCOMPARE(menu.MenuElegido, Tform0::kPuertaFpS);
        AbrirConTics(menu);
        QVERIFY(p.arranque->pantallas.Form8->isVisible());
        QVERIFY(menu.panelConfigu->isHidden());
        p.arranque->pantallas.Form8->hide();
    }

    void theOpeningDoorIsThePaintedOne()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        const QImage corredor = menu.mosaico->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage cerrada = menu.ImageListPuerta.value(0).toImage();
        const int alto = FilasOpacas(cerrada);
        QCOMPARE(alto, kAltoHoja);
        // 4 pixels right of each caption as designed, whatever width it took.
        const QList<QPair<EtiquetaActiva *, QPoint>> puertas = {
            {menu.LabelCarreras, {63, 170}}, {menu.LabelCat, {231, 170}},   {menu.LabelFpS, {414, 170}},
            {menu.LabelIti, {583, 170}},     {menu.LabelFPM, {761, 170}},   {menu.LabelFPip, {932, 170}},
            {menu.LabelProfe, {222, 510}},   {menu.LabelCuesB, {412, 510}}, {menu.LabelCuesE, {588, 510}},
            {menu.LabelAsistente, {934, 510}}};
        for (const auto &[puerta, en] : puertas) {
            QCOMPARE(menu.PosicionPuerta(puerta), en);
            const QImage pintada = corredor.copy(QRect(en, QSize(cerrada.width(), alto)));
            const QImage cerradaOpaca = cerrada.copy(0, 0, cerrada.width(), alto).convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < alto; ++y)
                for (int x = 0; x < cerradaOpaca.width(); ++x)
                    if (pintada.pixel(x, y) != cerradaOpaca.pixel(x, y) && !BajoRotulo(menu, en + QPoint(x, y)))
                        QFAIL(qPrintable(QStringLiteral("%1: %2,%3").arg(puerta->text()).arg(x).arg(y)));
            // The button, the year and the sign stand clear of every leaf.
            const QRect hoja(en, QSize(cerrada.width(), alto));
            for (QWidget *w : {static_cast<QWidget *>(menu.BotRetroce), static_cast<QWidget *>(menu.LabelAno),
                               static_cast<QWidget *>(menu.LabelDejar), static_cast<QWidget *>(menu.ImageDejar)})
                QVERIFY2(!w->geometry().intersects(hoja), qPrintable(puerta->text()));
        }
        // Step k plays 10 x k pixels higher and reaches down over the closed leaf.
        for (int k = 1; k < menu.ImageListPuerta.size(); ++k)
            QCOMPARE(FilasOpacas(menu.ImageListPuerta[k].toImage()), kAltoHoja + 10 * k);
    }

    void theOpenDoorStaysUntilTheZoomDrawsIt()
    {
        Programa p;
        Tform0 &menu = *p.menu;
        menu.show();
        QTest::mouseClick(menu.LabelFPip, Qt::LeftButton);
        while (menu.TimerPuerta.isActive())
            menu.TimerPuertaTimer();
        QVERIFY(menu.anda->isVisible());
        QCOMPARE(menu.anda->pos(), QPoint(menu.PuertaX, menu.PuertaArriba));
        auto *zoom = menu.findChild<ZoomPuerta *>();
        QVERIFY(zoom && zoom->isHidden());
        menu.TimerZoomTimer();
        QVERIFY(zoom->isVisible());
        QVERIFY(!menu.anda->isVisible());
        // Stacking: the sign in front of the opening door, and the settings
        // panel in front of everything the menu plays.
        const QObjectList capas = menu.children();
        QVERIFY(capas.indexOf(menu.anda) < capas.indexOf(menu.ImageDejar));
        for (QObject *debajo : {static_cast<QObject *>(zoom), static_cast<QObject *>(menu.Bocadillo1),
                                static_cast<QObject *>(menu.PanelAyuda), static_cast<QObject *>(menu.anda)})
            QVERIFY(capas.indexOf(debajo) < capas.indexOf(menu.panelConfigu));
        AbrirConTics(menu);
        p.arranque->pantallas.FIniPro->hide();
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
        QCOMPARE(QPoint(menu.PuertaX, menu.PuertaY), menu.PosicionPuerta(puerta));

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
            // The first opening plays the helicopter intro.
            QVERIFY(s.Form3->heli->isActive());
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
        // The student is told which file is missing.
        QCOMPARE(m.textos, QStringList{"Faltan ficheros (" + e.Fichero("rotulon.bmp") + "). Vuelva a instalar el programa"});
        QVERIFY(!menu.piloto.isActive());
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
        QTest::mouseClick(sin, Qt::LeftButton);
        QVERIFY(!gestor.Ventana().isVisible());
        pedir(con);
        QTest::keyClick(&ventana, Qt::Key_A);
        QVERIFY(!gestor.Ventana().isVisible());
        // A control without a hint takes the balloon away.
        pedir(con);
        pedir(sin);
        QVERIFY(!gestor.Ventana().isVisible());
    }
};

QTEST_MAIN(PruebaMenu)
#include "principal_test.moc"
