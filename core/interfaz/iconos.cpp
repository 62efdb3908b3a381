#include "iconos.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

namespace norvela {

namespace {

// The study icons the small ones are made from: 10 place (the place
// entries of the FP lists show it too), 11 university, 15 star, 22 book.
constexpr int kOrigenPequenos[kNumIconosPequenos] = {11, 22, 15, 22, 11, 10};
constexpr int kLadoPequeno = 16;

// The decoded icons, owned by the application: every screen shares one copy,
// decoded once, and they go with the application, never after it.
class IconosDecodificados : public QObject {
public:
    explicit IconosDecodificados(QObject *aplicacion) : QObject(aplicacion)
    {
        iconos.reserve(kNumIconosEstudios);
        for (int i = 0; i < kNumIconosEstudios; ++i)
            iconos.append(QPixmap(QStringLiteral(":/iconos/icono%1.png").arg(i, 2, 10, QLatin1Char('0'))));
        for (int n : kOrigenPequenos) {
            const QPixmap &icono = iconos.at(n);
            pequenos.append(icono.isNull() ? QPixmap()
                                           : icono.scaled(kLadoPequeno, kLadoPequeno, Qt::KeepAspectRatio,
                                                          Qt::SmoothTransformation));
        }
    }
    QList<QPixmap> iconos, pequenos;
};

IconosDecodificados &Decodificados()
{
    static QPointer<IconosDecodificados> decodificados;
    if (!decodificados)
        decodificados = new IconosDecodificados(QCoreApplication::instance());
    return *decodificados;
}

} // namespace

QList<QPixmap> CargarIconosEstudios()
{
    return Decodificados().iconos;
}

QList<QPixmap> IconosPequenos()
{
    return Decodificados().pequenos;
}

} // namespace norvela
