// Screen readers name a grid's cells by its column headings, shown or not:
// a grid without heading texts has its columns read as "1" and "2".
#pragma once

#include <QStringList>

class QTableWidget;

namespace norvela {

// Gives the grid's columns, in order, the names screen readers say; the
// headings stay hidden where the grid hides them.
void NombrarColumnas(QTableWidget *rejilla, const QStringList &nombres);

} // namespace norvela
