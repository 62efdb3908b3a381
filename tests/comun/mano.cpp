#include "mano.h"

#include <QApplication>
#include <QEnterEvent>
#include <QPointer>
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
// the only window there or one that stays on top of the others, then
// whatever Qt finds there.
const QWidget *VentanaEn(QPoint global)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *activa = QApplication::activeWindow();
        activa && activa->isVisible() && activa->frameGeometry().contains(global))
        return activa;
    QList<const QWidget *> aqui;
    for (const QWidget *v : QApplication::topLevelWidgets())
        if (v->isVisible() && v->windowType() != Qt::ToolTip && v->frameGeometry().contains(global))
            aqui << v;
    for (const QWidget *v : aqui)
        if (aqui.size() == 1 || (v->windowFlags() & Qt::WindowStaysOnTopHint))
            return v;
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

namespace {

// A student sees a window once the window system has shown and raised it:
// a window shown a moment ago is waited for, as the eye waits for it.
void VerVentana(const QWidget *w)
{
    const QWidget *ventana = w ? w->window() : nullptr;
    if (ventana && ventana->isVisible() &&
        (!ventana->windowHandle() || !ventana->windowHandle()->isExposed() || !QApplication::activeWindow() ||
         !QApplication::activeWindow()->isVisible()))
        QCoreApplication::processEvents();
}

} // namespace

bool PosarEn(QWidget *w, QPoint p)
{
    VerVentana(w);
    if (!Refusar(w, Inalcanzable(w, p)))
        return false;
    QWidget *ventana = w->window();
    const QPoint punto = w->mapTo(ventana, p);
    // The mouse comes into a window from outside it: the window system says
    // so before the first move, and the control under it is entered.
    static QPointer<QWindow> dentro;
    if (dentro != ventana->windowHandle()) {
        dentro = ventana->windowHandle();
        QEnterEvent entra(punto, punto, ventana->mapToGlobal(QPointF(punto)));
        QCoreApplication::sendEvent(dentro, &entra);
    }
    QTest::mouseMove(ventana->windowHandle(), punto);
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
    VerVentana(w);
    if (!Refusar(w, Inalcanzable(w)))
        return false;
    w->setFocus(Qt::MouseFocusReason);
    // Accented letters come from the keyboard as their text, as a Spanish
    // keyboard gives them.
    for (const QChar c : texto) {
        if (c.unicode() < 0x80)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return true;
}

bool Tecla(QWidget *w, Qt::Key tecla, Qt::KeyboardModifiers mod)
{
    VerVentana(w);
    if (!Refusar(w, Inalcanzable(w)))
        return false;
    QTest::keyClick(w, tecla, mod);
    return true;
}

} // namespace norvela::pruebas
