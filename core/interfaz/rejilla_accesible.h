// What screen readers say for a grid: they name its cells by its column
// headings, shown or not (a grid without heading texts has its columns read
// as "1" and "2"), and read each cell's text, where the drawing markers of
// the program's grids mean nothing said aloud.
#pragma once

#include <QStringList>

class QTableWidget;
class QTableWidgetItem;

namespace norvela {

// Gives the grid's columns, in order, the names screen readers say; the
// headings stay hidden where the grid hides them.
void NombrarColumnas(QTableWidget *rejilla, const QStringList &nombres);

// A heading cell's leading "-" is left unsaid, and a line of dashes between
// rows is said to be a separator.
void TextoAccesibleCelda(QTableWidgetItem *celda);

} // namespace norvela
