#include "nombres_columnas.h"

#include <QTableWidget>

namespace norvela {

void NombrarColumnas(QTableWidget *rejilla, const QStringList &nombres)
{
    for (int c = 0; c < nombres.size() && c < rejilla->columnCount(); ++c)
        rejilla->setHorizontalHeaderItem(c, new QTableWidgetItem(nombres[c].simplified()));
}

} // namespace norvela
