// The panel class of the screens: it paints its own background, a plain
// colour or a translucent one over what lies behind it.
#pragma once

#include <QColor>
#include <QFrame>

namespace norvela {

class TEffectsPanel : public QFrame {
    Q_OBJECT
public:
    explicit TEffectsPanel(QWidget *padre = nullptr);

    struct OpcionesFondo {
        QColor color = QColor(223, 236, 249);
        // 0: opaque; up to 255: more and more of what lies behind shows through.
        int translucencia = 0;
    };
    OpcionesFondo BackgroundOptions;

    void PonerColor(const QColor &color);
    void PonerTranslucencia(int translucencia);

protected:
    void paintEvent(QPaintEvent *evento) override;
};

} // namespace norvela
