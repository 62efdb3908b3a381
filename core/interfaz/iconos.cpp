#include "iconos.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

namespace norvela {

namespace {

// The decoded icons, owned by the application: every screen shares one copy,
// decoded once, and they go with the application, never after it.
class IconosDecodificados : public QObject {
public:
    explicit IconosDecodificados(QObject *aplicacion) : QObject(aplicacion)
    {
        iconos.reserve(kNumIconosEstudios);
        for (int i = 0; i < kNumIconosEstudios; ++i)
            iconos.append(QPixmap(QStringLiteral(":/iconos/icono%1.png").arg(i, 2, 10, QLatin1Char('0'))));
    }
    QList<QPixmap> iconos;
};

} // namespace

QList<QPixmap> CargarIconosEstudios()
{
    static QPointer<IconosDecodificados> decodificados;
    if (!decodificados)
        decodificados = new IconosDecodificados(QCoreApplication::instance());
    return decodificados->iconos;
}

} // namespace norvela
