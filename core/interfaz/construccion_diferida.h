// A window built in two steps: what its first paint shows is built before it
// is shown, the rest right after that first picture has reached the screen,
// so opening it for the first time waits only for what the student sees.
// Anything that reaches for the rest sooner (a click or key on the window,
// or a caller through Completar) builds it then.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;
class QWindow;

namespace norvela {

class ConstruccionDiferida : public QObject {
public:
    // `resto` builds what `ventana`'s first paint does not show: widgets
    // created hidden, as the first ones were, and stacked above them.
    ConstruccionDiferida(QWidget *ventana, std::function<void()> resto);

    // Builds the rest now if it is still to be built.
    void Completar();
    bool Pendiente() const { return static_cast<bool>(resto_); }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QWidget *ventana_;
    QPointer<QWindow> vigilada_;
    std::function<void()> resto_;
};

} // namespace norvela
