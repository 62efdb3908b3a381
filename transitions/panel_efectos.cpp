#include "panel_efectos.h"

#include <QPainter>
#include <algorithm>

namespace norvela {

TEffectsPanel::TEffectsPanel(QWidget *padre) : QFrame(padre)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    // The panel paints its background itself, so what is behind can show through.
    setAutoFillBackground(false);
}

void TEffectsPanel::PonerColor(const QColor &color)
{
    BackgroundOptions.color = color;
    update();
}

void TEffectsPanel::PonerTranslucencia(int translucencia)
{
    BackgroundOptions.translucencia = std::clamp(translucencia, 0, 255);
    update();
}

void TEffectsPanel::paintEvent(QPaintEvent *evento)
{
    {
        QPainter p(this);
        QColor fondo = BackgroundOptions.color;
        fondo.setAlpha(255 - BackgroundOptions.translucencia);
        p.fillRect(rect(), fondo);
    }
    QFrame::paintEvent(evento);
}

} // namespace norvela
