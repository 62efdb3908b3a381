#include "mano.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QGraphicsOpacityEffect>
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
// stacks them: an open pop-up takes every click (to close itself); then a
// window that stays on top of the others (the active one first where two
// do), even over an open modal question; then the question, which takes the
// clicks meant for the windows it blocks; then the active window, then the
// only window there, then whatever Qt finds there.
const QWidget *VentanaEn(QPoint global)
{
    if (QWidget *emergente = QApplication::activePopupWidget())
        return emergente;
    QList<const QWidget *> aqui;
    for (const QWidget *v : QApplication::topLevelWidgets())
        if (v->isVisible() && v->windowType() != Qt::ToolTip && v->frameGeometry().contains(global))
            aqui << v;
    const QWidget *activa = QApplication::activeWindow();
    const QWidget *flotante = nullptr;
    for (const QWidget *v : aqui)
        if (v->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && (!flotante || v == activa))
            flotante = v;
    if (flotante)
        return flotante;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (activa && aqui.contains(activa))
        return activa;
    if (aqui.size() == 1)
        return aqui.front();
    const QWidget *w = QApplication::widgetAt(global);
    return w ? w->window() : nullptr;
}

// Less than one step of a pixel's 255 shows nothing.
bool Transparente(qreal opacidad)
{
    return opacidad < 1.0 / 255;
}

// Whether window `hija` was opened from `madre` (or is it), whatever windows
// stand between them.
bool AbiertaDesde(const QWidget *hija, const QWidget *madre)
{
    for (const QWidget *v = hija; v; v = v->parentWidget())
        if (v == madre)
            return true;
    return false;
}

// An open question blocks the windows it stands for: every window when it
// asks for the whole program, its own parent windows when it asks for one.
QString Bloqueada(const QWidget *ventana)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (!modal || AbiertaDesde(ventana, modal))
        return {};
    if (modal->windowModality() == Qt::WindowModal && !AbiertaDesde(modal->parentWidget(), ventana))
        return {};
    return QStringLiteral("the question %1 is open").arg(Nombre(modal));
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
    // Faded out wholly, it is not seen, though it would still take the click.
    for (const QWidget *a = w; a; a = a->parentWidget()) {
        const auto *efecto = qobject_cast<const QGraphicsOpacityEffect *>(a->graphicsEffect());
        if (efecto && efecto->isEnabled() && Transparente(efecto->opacity()))
            return a == w ? QStringLiteral("it is fully transparent")
                          : QStringLiteral("its parent %1 is fully transparent").arg(Nombre(a));
        if (a == ventana)
            break;
    }
    if (Transparente(ventana->windowOpacity()))
        return QStringLiteral("its window is fully transparent");
    if (const QWidget *emergente = QApplication::activePopupWidget(); emergente && emergente != ventana)
        return QStringLiteral("the pop-up %1 is open: a click elsewhere only closes it").arg(Nombre(emergente));
    const QWidget *encima = ventana->childAt(enVentana);
    if (encima && encima != w && !w->isAncestorOf(encima))
        return QStringLiteral("%1 covers it").arg(Nombre(encima));
    if (const QString bloqueada = Bloqueada(ventana); !bloqueada.isEmpty())
        return bloqueada;
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

bool ApretarEn(QWidget *w, QPoint p)
{
    if (!PosarEn(w, p))
        return false;
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, p);
    return true;
}

void SoltarEn(QWidget *w, QPoint p)
{
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, p);
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

QString SinTeclado(const QWidget *w)
{
    if (!w)
        return QStringLiteral("there is no such control");
    const QWidget *ventana = w->window();
    if (!ventana->isActiveWindow())
        return QStringLiteral("its window is not the active one");
    const QWidget *foco = ventana->focusWidget();
    if (w != ventana && !w->hasFocus() && !(foco && w->isAncestorOf(foco)))
        return QStringLiteral("it does not have the keyboard focus (%1 has it)").arg(Nombre(foco));
    return {};
}

namespace {

// Where the window system hands a key: to the active window, which gives
// it to the control with the focus (its shortcuts first).
QWindow *Teclado(const QWidget *w)
{
    return w->window()->windowHandle();
}

} // namespace

bool Teclear(QWidget *w, const QString &texto)
{
    VerVentana(w);
    if (!Refusar(w, Inalcanzable(w)))
        return false;
    if (!(w->focusPolicy() & Qt::ClickFocus))
        return Refusar(w, QStringLiteral("a click gives it no keyboard focus"));
    w->setFocus(Qt::MouseFocusReason);
    if (!Refusar(w, SinTeclado(w)))
        return false;
    // Accented letters come from the keyboard as their text, as a Spanish
    // keyboard gives them.
    for (const QChar c : texto) {
        if (c.unicode() < 0x80)
            QTest::keyClick(Teclado(w), c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, Teclado(w), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    return true;
}

bool Tecla(QWidget *w, Qt::Key tecla, Qt::KeyboardModifiers mod)
{
    VerVentana(w);
    if (!Refusar(w, w && w->isWindow() ? QString() : Inalcanzable(w)) || !Refusar(w, SinTeclado(w)))
        return false;
    QTest::keyClick(Teclado(w), tecla, mod);
    return true;
}

bool Enfocar(QWidget *w)
{
    VerVentana(w);
    if (!Refusar(w, Inalcanzable(w)))
        return false;
    const QWidget *ventana = w->window();
    if (!ventana->isActiveWindow())
        return Refusar(w, QStringLiteral("its window is not the active one"));
    // A list or grid may take the Tabs from cell to cell before it lets the
    // focus go on.
    QList<const QWidget *> pasados;
    for (int tabs = 0; !w->hasFocus(); ++tabs) {
        const QWidget *foco = ventana->focusWidget();
        if ((pasados.contains(foco) && pasados.back() != foco) || tabs > 500)
            return Refusar(w, QStringLiteral("Tab goes round the window without reaching it"));
        if (pasados.isEmpty() || pasados.back() != foco)
            pasados << foco;
        QTest::keyClick(Teclado(w), Qt::Key_Tab);
    }
    return true;
}

bool ElegirEn(QComboBox *caja, int fila)
{
    if (!Pulsar(caja))
        return false;
    QAbstractItemView *lista = caja->view();
    if (!QTest::qWaitFor([&] { return lista->isVisible() && QApplication::activePopupWidget(); }, 2000))
        return Refusar(caja, QStringLiteral("its list does not open"));
    const QModelIndex i = caja->model()->index(fila, caja->modelColumn(), caja->rootModelIndex());
    if (!i.isValid())
        return Refusar(caja, QStringLiteral("its list has no row %1").arg(fila));
    lista->scrollTo(i);
    // A release close to the opening click, at once, would be taken for the
    // end of that click: the hand waits as a student's does.
    const QPoint punto = lista->visualRect(i).center();
    if ((lista->viewport()->mapToGlobal(punto) - caja->mapToGlobal(caja->rect().center())).manhattanLength() < 10)
        QTest::qWait(QApplication::doubleClickInterval());
    return ClicEn(lista->viewport(), punto);
}

QString CierreInalcanzable(const QWidget *ventana)
{
    if (!ventana || !ventana->isWindow())
        return QStringLiteral("there is no such window");
    if (!ventana->isVisible())
        return QStringLiteral("it is not visible");
    const Qt::WindowFlags f = ventana->windowFlags();
    if (f.testFlag(Qt::FramelessWindowHint) ||
        (f.testFlag(Qt::CustomizeWindowHint) && !f.testFlag(Qt::WindowCloseButtonHint)))
        return QStringLiteral("its window has no close box");
    if (const QWidget *emergente = QApplication::activePopupWidget(); emergente && emergente != ventana)
        return QStringLiteral("the pop-up %1 is open: a click elsewhere only closes it").arg(Nombre(emergente));
    if (const QString bloqueada = Bloqueada(ventana); !bloqueada.isEmpty())
        return bloqueada;
    // The close box ends the title bar on the right (on a window without a
    // frame drawn, the top right corner stands for it).
    const QRect marco = ventana->frameGeometry();
    const int barra = ventana->geometry().top() - marco.top();
    const QPoint caja(marco.right() - std::min(std::max(barra, 10), marco.width() / 2), marco.top() + barra / 2);
    if (const QWidget *arriba = VentanaEn(caja); arriba != ventana)
        return QStringLiteral("the window %1 is over its close box").arg(Nombre(arriba));
    return {};
}

bool Cerrar(QWidget *ventana)
{
    VerVentana(ventana);
    if (!Refusar(ventana, CierreInalcanzable(ventana)))
        return false;
    ventana->windowHandle()->close();
    return true;
}

} // namespace norvela::pruebas
