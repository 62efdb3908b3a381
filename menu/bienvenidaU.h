// The welcome window shown while the screens are created at start-up.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace norvela {

class TSkinData;

class TBienvenida : public QWidget {
    Q_OBJECT
public:
    TBienvenida();

    QLabel *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    // The skin of every window: creating the welcome window starts it.
    TSkinData *SkinData1 = nullptr;

    // Sets the progress bar, which paints itself at once: the start-up
    // blocks the event loop while it creates the screens. The window is
    // painted whole when it first shows; after that, just the bar changes.
    void Avanzar(int posicion);
};

} // namespace norvela
