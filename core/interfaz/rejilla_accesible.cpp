#include "rejilla_accesible.h"
#include "textos_propios.h"

#include <QTableWidget>

namespace norvela {

void NombrarColumnas(QTableWidget *rejilla, const QStringList &nombres)
{
    for (int c = 0; c < nombres.size() && c < rejilla->columnCount(); ++c)
        rejilla->setHorizontalHeaderItem(c, new QTableWidgetItem(nombres[c].simplified()));
}

void TextoAccesibleCelda(QTableWidgetItem *celda)
{
    const QString texto = celda->text().trimmed();
    if (texto.isEmpty())
        return;
    if (texto.count(QLatin1Char('-')) == texto.size())
        celda->setData(Qt::AccessibleTextRole, TextoPropio(Propio::Separador));
    else if (texto.startsWith(QLatin1Char('-')))
        celda->setData(Qt::AccessibleTextRole, texto.mid(1).simplified());
}

} // namespace norvela
