// The named pieces the FP screens are built from: each gets its object name
// (tests find it by that name), its place and its size; screen readers read
// them by their texts and items, never by that name.
#pragma once

#include <QColor>
#include <QString>

#include <initializer_list>

class QLabel;
class QListWidget;
class QTableWidget;
class QWidget;

namespace norvela {

// A list without a horizontal scroll bar: every row fits its width.
QListWidget *ListaFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

// The same list for the student to click, under the pointing hand.
QListWidget *ListaPulsableFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

// A filled label with its text centred, for captions and headings on panels.
QLabel *PanelTextoFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

// A filled panel that holds other controls.
QWidget *PanelRelleno(QWidget *padre, const QString &nombre, int x, int y, int w, int h);

// The look the FP screens share: Arial 10 on `fondo`; every list of the
// screen and the centre grid on cream; the filled `paneles` light blue and
// the `rotulos` maroon; the line of the chosen item bold, the maps' hover
// caption in Arial 8.
void EstiloFP(QWidget *pantalla, const QColor &fondo, QTableWidget *reja, QLabel *PanelCarSel, QLabel *PanelMapa,
              std::initializer_list<QWidget *> paneles, std::initializer_list<QWidget *> rotulos);

} // namespace norvela
