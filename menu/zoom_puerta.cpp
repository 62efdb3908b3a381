#include "zoom_puerta.h"

#include <QPainter>

namespace norvela {

ZoomPuerta::ZoomPuerta(QWidget *padre) : QWidget(padre)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ZoomPuerta::Dibujar(const QImage &bahia, const QRect &destino, const QPixmap &puerta,
                         const QPoint &posicionPuerta)
{
    bahia_ = bahia;
    destino_ = destino;
    puerta_ = puerta;
    posicionPuerta_ = posicionPuerta;
    show();
    repaint();
}

void ZoomPuerta::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(destino_, bahia_);
    p.drawPixmap(posicionPuerta_, puerta_);
}

} // namespace norvela
