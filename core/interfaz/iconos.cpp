#include "iconos.h"

#include <QString>

namespace norvela {

QList<QPixmap> CargarIconosEstudios()
{
    QList<QPixmap> iconos;
    iconos.reserve(kNumIconosEstudios);
    for (int i = 0; i < kNumIconosEstudios; ++i)
        iconos.append(QPixmap(QStringLiteral(":/iconos/icono%1.png").arg(i, 2, 10, QLatin1Char('0'))));
    return iconos;
}

} // namespace norvela
