#include "construccion_diferida.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace norvela {

ConstruccionDiferida::ConstruccionDiferida(QWidget *ventana, std::function<void()> resto)
    : QObject(ventana), ventana_(ventana), resto_(std::move(resto))
{
    // Its window on the desktop exists once it is shown.
    ventana_->installEventFilter(this);
}

void ConstruccionDiferida::Completar()
{
    if (!resto_)
        return;
    ventana_->removeEventFilter(this);
    if (vigilada_)
        vigilada_->removeEventFilter(this);
    // Taken first: the rest may reach for itself while it is being built.
    const std::function<void()> resto = std::move(resto_);
    resto_ = nullptr;
    resto();
}

bool ConstruccionDiferida::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == ventana_) {
        if (evento->type() == QEvent::Show && !vigilada_ && ventana_->windowHandle()) {
            vigilada_ = ventana_->windowHandle();
            vigilada_->installEventFilter(this);
        }
        return false;
    }
    switch (evento->type()) {
    case QEvent::Expose: {
        // The window paints and flushes its first picture while it handles
        // its exposure; the rest is built straight after, before any other
        // event reaches the window.
        QWindow *ventana = vigilada_;
        ventana->removeEventFilter(this);
        QCoreApplication::sendEvent(ventana, evento);
        if (ventana->isExposed())
            Completar();
        else if (resto_)
            ventana->installEventFilter(this);
        return true;
    }
    // What acts on the window; a pointer passing over it or the window
    // taking the focus does not reach for the rest.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
        Completar();
        return false;
    default:
        return false;
    }
}

} // namespace norvela
