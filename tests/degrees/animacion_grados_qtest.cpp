// The degree-structure animation on the degrees screen, offscreen on the
// shipped data: opened from the information sub-menu, stepped through with
// the arrow, closed and opened again; its captions in every language.
#include "enlace.h"
#include "mano.h"
#include "grados.h"
#include "mano.h"
#include "mensajes.h"
#include "panel_efectos.h"
#include "pantalla_prueba.h"
#include "principal.h"
#include "programa_prueba.h"
#include "transiciones_paneles.h"
#include "vista_grados.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace norvela;

namespace {

// The program on the shipped data, the degrees screen opened by the main
// menu's door.
struct Pantalla1 : pruebas::ProgramaEntregado {
    explicit Pantalla1(int idioma = 0) : ProgramaEntregado(QStringLiteral("animacion"), idioma)
    {
        f = s().Form1.Hay() ? std::make_unique<pruebas::VistaGrados>(*s().Form1) : nullptr;
        if (!creadas)
            return;
        // Ticks as fast as the event loop runs.
        f->Timergrado->setInterval(0);
        f->Timerfrase->setInterval(0);
        AbrirPuerta(Tform0::kPuertaCarreras);
    }
    // Points at the information entry and clicks the animation in its sub-menu.
    void Abrir()
    {
        QVERIFY(pruebas::PosarEn(f->BotMenuInfo, {5, 5}));
        QVERIFY(!f->PanelMenu2->isHidden());
        QVERIFY(pruebas::Pulsar(f->botinfo1));
    }
    // Waits for the current step to finish: uncovered and sentence shown.
    bool Esperar()
    {
        // The timers tick on every pass of the event loop; qWaitFor would
        // sleep between passes.
        QElapsedTimer reloj;
        reloj.start();
        while (f->Timergrado->isActive() || f->Timerfrase->isActive()) {
            if (reloj.elapsed() > 10000)
                return false;
            QCoreApplication::processEvents();
        }
        return true;
    }
    QString Frase(int a, int b = 0) const
    {
        return (b ? e.Texto(a) + QLatin1Char(' ') + e.Texto(b) : e.Texto(a)).left(141);
    }
    std::vector<QWidget *> Cubiertas() const
    {
        return {f->PanelMueve1, f->panelmueve2, f->Panelmueve3, f->Panelmueve4,
                f->Panelmueve5, f->Panelmueve6, f->Panelmueve7};
    }
    std::unique_ptr<pruebas::VistaGrados> f;
};

const QRect kCubiertas[] = {{12, 72, 174, 209}, {192, 80, 345, 41}, {539, 80, 45, 265}, {188, 120, 181, 121},
                            {372, 168, 165, 57}, {189, 247, 345, 36}, {40, 284, 361, 89}};

// Whether a screen reader is told the control shows.
bool Leido(QWidget *w)
{
    return !QAccessible::queryAccessibleInterface(w)->state().invisible;
}

bool Amarillento(QRgb c)
{
    return qRed(c) > 180 && qGreen(c) > 150 && qBlue(c) < 150;
}

} // namespace

class PruebaAnimacionGrados : public QObject {
    Q_OBJECT

private slots:
    void OpenStepThroughCloseAndReopen()
    {
        Pantalla1 s;
        pruebas::VistaGrados &f = *s.f;
        QVERIFY(s.m.textos.isEmpty());
        s.Abrir();
        QVERIFY(!f.PanelGradosT->isHidden());
        QVERIFY(f.PanelMenu2->isHidden());
        QCOMPARE(f.PanelGradosT->geometry(), f.pantalla.rect());
        QCOMPARE(f.LabelG0->text(), s.e.Texto(502));
        QCOMPARE(f.BotAcabarG->text(), s.e.Texto(222));
        QCOMPARE(f.LabelGT->text(), QStringLiteral("T\nR\nA\nB\nA\nJ\nO"));
        QCOMPARE(f.LabelG2->text(), QStringLiteral("4 años"));
        // The gradient runs from white at the top to navy at the bottom.
        const QImage fondo = f.ImageGrados->pixmap().toImage();
        QCOMPARE(QColor(fondo.pixel(10, 0)), QColor(Qt::white));
        QVERIFY(qBlue(fondo.pixel(10, 767)) > 100 && qRed(fondo.pixel(10, 767)) < 10);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(s.Cubiertas()[i]->geometry(), kCubiertas[i]);
        // The keyboard goes round the animation's own controls only, and
        // screen readers meet neither the start menu under it nor a label
        // still covered.
        for (int tab = 0; tab < 12; ++tab) {
            QWidget *foco = f.pantalla.focusWidget();
            QVERIFY(pruebas::Tecla(foco && foco->isVisible() ? foco : f.PanelGradosT, Qt::Key_Tab));
            foco = f.pantalla.focusWidget();
            QVERIFY2(foco && f.PanelGradosT->isAncestorOf(foco), qPrintable(foco ? foco->objectName() : QString()));
        }
        QVERIFY(!Leido(f.BotMenuUni) && !Leido(f.LabelG1));
        // Only the title shows: the covers hide every box and arrow.
        const QImage cubierto = f.PanelGrado->grab().toImage();
        for (int y = 60; y < 385; ++y)
            for (int x = 2; x < cubierto.width() - 2; ++x)
                QVERIFY2(QColor(cubierto.pixel(x, y)) == QColor(Qt::white),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));

        const QString frases[] = {s.Frase(539), s.Frase(540), s.Frase(541, 542), s.Frase(543), s.Frase(544),
                                  s.Frase(545), s.Frase(546), s.Frase(547), s.Frase(548, 549)};
        const int cubiertaDePaso[] = {-1, -1, -1, 0, 2, 3, 4, 5, 6};
        for (int paso = 0; paso <= 8; ++paso) {
            QVERIFY2(s.Esperar(), qPrintable(QString::number(paso)));
            QCOMPARE(f.LabelGTexto->text(), frases[paso]);
            QVERIFY(f.MarcoFrase->width() > 600);
            if (cubiertaDePaso[paso] >= 0)
                QCOMPARE(s.Cubiertas()[cubiertaDePaso[paso]]->width(), 0);
            if (paso == 3)
                QVERIFY(Amarillento(f.PanelGrado->grab().toImage().pixel(60, 240)) && Leido(f.LabelG1));
            QVERIFY(f.BotAvanza->isEnabled());
            QVERIFY(pruebas::Pulsar(f.BotAvanza));
        }
        QVERIFY(s.Esperar());
        QVERIFY(!f.BotAvanza->isEnabled());
        for (QWidget *c : s.Cubiertas())
            QCOMPARE(c->width(), 0);

        QVERIFY(pruebas::Pulsar(f.BotAcabarG));
        QVERIFY(f.PanelGradosT->isHidden());
        QVERIFY(f.BotAvanza->isEnabled() && Leido(f.BotMenuUni));

        // Opening again starts from the beginning with every part covered.
        s.Abrir();
        QVERIFY(!f.PanelGradosT->isHidden());
        QCOMPARE(f.LabelGTexto->text(), s.Frase(539));
        QCOMPARE(f.MarcoFrase->width(), 0);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(s.Cubiertas()[i]->geometry(), kCubiertas[i]);
        QVERIFY(!Leido(f.LabelG1) && !Leido(f.BotMenuUni));
    }

    void CaptionsFitInEveryLanguage_data()
    {
        QTest::addColumn<int>("idioma");
        for (int k = 0; k < 4; ++k)
            QTest::newRow(qPrintable(QString::number(k))) << k;
    }
    void CaptionsFitInEveryLanguage()
    {
        QFETCH(int, idioma);
        Pantalla1 s(idioma);
        pruebas::VistaGrados &f = *s.f;
        s.Abrir();
        for (QLabel *l : f.PanelGradosT->findChildren<QLabel *>()) {
            if (l == f.ImageGrados || l == f.LabelGTexto)
                continue;
            QVERIFY2(!l->text().isEmpty(), qPrintable(l->objectName()));
            QVERIFY2(pruebas::CabeEnEtiqueta(l, l->text()), qPrintable(l->objectName() + QLatin1Char(' ') + l->text()));
        }
        // LabelGT stands one character a line along its bar.
        const QFontMetrics fm(f.LabelGT->font());
        QVERIFY(fm.lineSpacing() * s.e.Texto(671).size() <= f.LabelGT->height());
        for (const QString &t : {s.Frase(539), s.Frase(540), s.Frase(541, 542), s.Frase(543), s.Frase(544),
                                 s.Frase(545), s.Frase(546), s.Frase(547), s.Frase(548, 549)})
            QVERIFY2(pruebas::CabeEnEtiqueta(f.LabelGTexto, t), qPrintable(t));
        QVERIFY(pruebas::Cabe(f.BotAcabarG, f.BotAcabarG->text(), 12));
    }
};

QTEST_MAIN(PruebaAnimacionGrados)
#include "animacion_grados_qtest.moc"
