// The named pieces the FP screens are built from: each gets its object and
// accessible name (tests and accessibility tools find it by that name), its
// place and its size.
#pragma once

#include <QString>

class QLabel;
class QListWidget;
class QWidget;

namespace norvela {

// A list without a horizontal scroll bar: every row fits its width.
QListWidget *ListaFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

// A filled label with its text centred, for captions and headings on panels.
QLabel *PanelTextoFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

// A filled panel that holds other controls.
QWidget *PanelRelleno(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

} // namespace norvela
