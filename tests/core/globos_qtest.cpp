// The balloon hints offscreen: the hint of the item under the mouse in a
// list, a grid and a tree, and balloons that stay on the screen.
#include "hintU.h"

#include <QApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

using namespace norvela;

namespace {

// A view with two items side by side or one above the other: the first
// with a hint of its own, the second without.
struct VistaConItems {
    QAbstractItemView *vista;
    std::function<QRect(int)> rectItem;
};

VistaConItems Lista(QWidget *padre)
{
    auto *l = new QListWidget(padre);
    (new QListWidgetItem(QStringLiteral("uno"), l))->setToolTip(QStringLiteral("Ayuda de uno"));
    new QListWidgetItem(QStringLiteral("dos"), l);
    return {l, [l](int i) { return l->visualItemRect(l->item(i)); }};
}

VistaConItems Rejilla(QWidget *padre)
{
    auto *t = new QTableWidget(1, 2, padre);
    t->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Historia")));
    t->setItem(0, 1, new QTableWidgetItem(QStringLiteral("+")));
    t->item(0, 0)->setToolTip(QStringLiteral("Ayuda de uno"));
    t->item(0, 1)->setToolTip(QString());
    return {t, [t](int i) { return t->visualItemRect(t->item(0, i)); }};
}

VistaConItems Arbol(QWidget *padre)
{
    auto *a = new QTreeWidget(padre);
    auto *rama = new QTreeWidgetItem(a, {QStringLiteral("rama")});
    rama->setToolTip(0, QStringLiteral("Ayuda de uno"));
    new QTreeWidgetItem(a, {QStringLiteral("otra")});
    return {a, [a](int i) { return a->visualItemRect(a->topLevelItem(i)); }};
}

void PedirHint(QWidget *w, const QPoint &p)
{
    QHelpEvent evento(QEvent::ToolTip, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &evento);
}

void Mover(QWidget *w, const QPoint &p)
{
    QMouseEvent evento(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &evento);
}

} // namespace

class PruebaGlobos : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { GestorHints::Instancia().Instalar(*qApp); }

    void theItemUnderTheMouseGivesItsHint_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::newRow("list") << 0;
        QTest::newRow("grid") << 1;
        QTest::newRow("tree") << 2;
    }

    void theItemUnderTheMouseGivesItsHint()
    {
        QFETCH(int, tipo);
        GestorHints &gestor = GestorHints::Instancia();
        QWidget ventana;
        ventana.resize(400, 300);
        const VistaConItems v = tipo == 0 ? Lista(&ventana) : tipo == 1 ? Rejilla(&ventana) : Arbol(&ventana);
        v.vista->setGeometry(10, 10, 380, 280);
        ventana.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ventana));
        QWidget *area = v.vista->viewport();
        const QPoint conHint = v.rectItem(0).center();
        const QPoint sinHint = v.rectItem(1).center();

        PedirHint(area, conHint);
        QVERIFY(gestor.Ventana().isVisible());
        QCOMPARE(gestor.Ventana().Texto(), QStringLiteral("Ayuda de uno"));
        // Moving within the item keeps it; onto an item with another hint takes it away.
        Mover(area, conHint + QPoint(1, 0));
        QVERIFY(gestor.Ventana().isVisible());
        Mover(area, sinHint);
        QVERIFY(!gestor.Ventana().isVisible());
        PedirHint(area, sinHint);
        QVERIFY(!gestor.Ventana().isVisible());

        // An item without a hint of its own shows the view's.
        v.vista->setToolTip(QStringLiteral("Clic~Clic"));
        PedirHint(area, sinHint);
        QVERIFY(gestor.Ventana().isVisible());
        QCOMPARE(gestor.Ventana().Texto(), QStringLiteral("Clic~Clic"));
        PedirHint(area, conHint);
        QCOMPARE(gestor.Ventana().Texto(), QStringLiteral("Ayuda de uno"));
        gestor.Cancelar();
    }

    // Near the screen's right or bottom edge the balloon moves in, whole.
    void theBalloonStaysOnTheScreen()
    {
        TMonHint &globo = GestorHints::Instancia().Ventana();
        const QRect pantalla = QGuiApplication::primaryScreen()->geometry();
        const QString texto = QStringLiteral("Certificados de profesionalidad: busca los de tu familia");
        for (const QPoint &punta : {QPoint(pantalla.right() - 5, 100), QPoint(100, pantalla.bottom() - 5),
                                    pantalla.bottomRight(), QPoint(200, 200)}) {
            globo.ActivateHintData(punta, texto);
            QVERIFY2(pantalla.contains(globo.geometry()), qPrintable(QStringLiteral("%1,%2").arg(punta.x()).arg(punta.y())));
        }
        // With room, the pointer's tip is at the point asked.
        QCOMPARE(globo.pos(), QPoint(200 - 23, 200));
        globo.hide();
    }
};

QTEST_MAIN(PruebaGlobos)
#include "globos_qtest.moc"
