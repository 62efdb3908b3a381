// Colouring widgets through their palettes.
#pragma once

#include <QColor>
#include <QPalette>

#include <initializer_list>

class QWidget;

namespace norvela {

// Each widget's `papel` in its palette becomes `color`.
void PonerColor(std::initializer_list<QWidget *> widgets, QPalette::ColorRole papel, const QColor &color);

// The widget fills its own background with `fondo`.
void PintarFondo(QWidget *w, const QColor &fondo);

} // namespace norvela
