#include "colores.h"

#include <QWidget>

namespace norvela {

void PonerColor(std::initializer_list<QWidget *> widgets, QPalette::ColorRole papel, const QColor &color)
{
    for (QWidget *w : widgets) {
        QPalette p = w->palette();
        p.setColor(papel, color);
        w->setPalette(p);
    }
}

void PintarFondo(QWidget *w, const QColor &fondo)
{
    PonerColor({w}, QPalette::Window, fondo);
    w->setAutoFillBackground(true);
}

} // namespace norvela
