#include "mano.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace norvela::pruebas {

namespace {

QString Nombre(const QWidget *w)
{
    if (!w)
        return QStringLiteral("(nothing)");
    QString n = w->objectName();
    if (n.isEmpty() && w->parentWidget() && !w->parentWidget()->objectName().isEmpty())
        n = w->parentWidget()->objectName() + QStringLiteral("/…");
    if (n.isEmpty())
        n = w->accessibleName();
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()), n);
}

// The top-level window a click at `global` lands on, as the window system
// stacks them: an open modal question first, then the active window, then
// whatever Qt finds there.
const QWidget *VentanaEn(QPoint global)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *activa = QApplication::activeWindow();
        activa && activa->isVisible() && activa->frameGeometry().contains(global))
        return activa;
    const QWidget *w = QApplication::widgetAt(global);
    return w ? w->window() : nullptr;
}

bool Refusar(const QWidget *w, const QString &porque)
{
    if (porque.isEmpty())
        return true;
    QTest::qFail(qPrintable(QStringLiteral("a student cannot reach %1: %2").arg(Nombre(w), porque)), __FILE__,
                 __LINE__);
    return false;
}

} // namespace

QString Inalcanzable(const QWidget *w, QPoint p)
{
    if (!w)
        return QStringLiteral("there is no such control");
    if (!w->isVisible())
        return QStringLiteral("it is not visible");
    if (!w->isEnabled())
        return QStringLiteral("it is disabled");
    if (!w->rect().contains(p))
        return QStringLiteral("the point (%1, %2) is outside it").arg(p.x()).arg(p.y());
    const QWidget *ventana = w->window();
    const QPoint enVentana = w->mapTo(ventana, p);
    if (!ventana->rect().contains(enVentana))
        return QStringLiteral("it lies outside its window at (%1, %2)").arg(enVentana.x()).arg(enVentana.y());
    // Clipped by a parent: the point must be inside every ancestor.
    for (const QWidget *a = w->parentWidget(); a && a != ventana; a = a->parentWidget())
        if (!a->rect().contains(w->mapTo(a, p)))
            return QStringLiteral("its parent %1 cuts it off there").arg(Nombre(a));
    const QWidget *encima = ventana->childAt(enVentana);
    if (encima && encima != w && !w->isAncestorOf(encima))
        return QStringLiteral("%1 covers it").arg(Nombre(encima));
    const QWidget *arriba = VentanaEn(ventana->mapToGlobal(enVentana));
    if (arriba != ventana)
        return QStringLiteral("the window %1 is above it").arg(Nombre(arriba));
    return {};
}

QString Inalcanzable(const QWidget *w)
{
    return w ? Inalcanzable(w, w->rect().center()) : Inalcanzable(w, {});
}

bool PosarEn(QWidget *w, QPoint p)
{
    if (!Refusar(w, Inalcanzable(w, p)))
        return false;
    QWidget *ventana = w->window();
    QTest::mouseMove(ventana->windowHandle(), w->mapTo(ventana, p));
    return true;
}

bool ClicEn(QWidget *w, QPoint p, Qt::MouseButton boton)
{
    if (!PosarEn(w, p))
        return false;
    QTest::mouseClick(w, boton, Qt::NoModifier, p);
    return true;
}

bool Pulsar(QWidget *w, Qt::MouseButton boton)
{
    return w ? ClicEn(w, w->rect().center(), boton) : Refusar(w, Inalcanzable(w));
}

bool DobleClicEn(QWidget *w, QPoint p)
{
    if (!ClicEn(w, p))
        return false;
    // A click that changed the screen may have taken the control away.
    if (!Refusar(w, Inalcanzable(w, p)))
        return false;
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
    return true;
}

bool Teclear(QWidget *w, const QString &texto)
{
    if (!Refusar(w, Inalcanzable(w)))
        return false;
    w->setFocus(Qt::MouseFocusReason);
    // A letter beyond ASCII ("í", "ñ") comes as the key that writes it.
    for (const QChar c : texto) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return true;
}

bool Tecla(QWidget *w, Qt::Key tecla, Qt::KeyboardModifiers mod)
{
    if (!Refusar(w, Inalcanzable(w)))
        return false;
    QTest::keyClick(w, tecla, mod);
    return true;
}

} // namespace norvela::pruebas
