#include "iconos.h"

#include "imagen_lista.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>

namespace norvela {

namespace {

// The study icons the small ones are made from: 4 university, 5 place,
// 15 star, 22 book.
constexpr int kOrigenPequenos[kNumIconosPequenos] = {4, 22, 15, 22, 4, 5};
constexpr int kLadoPequeno = 16;

// The decoded icons, owned by the application: every screen shares one copy,
// decoded once, and they go with the application, never after it.
class IconosDecodificados : public QObject {
public:
    explicit IconosDecodificados(QObject *aplicacion) : QObject(aplicacion)
    {
        iconos.reserve(kNumIconosEstudios);
        for (int i = 0; i < kNumIconosEstudios; ++i)
            iconos.append(ImagenIncorporada(QStringLiteral("iconos/icono%1").arg(i, 2, 10, QLatin1Char('0'))));
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

QPixmap ImagenIncorporada(const QString &nombre)
{
    return QPixmap::fromImage(LeerImagenLista(QStringLiteral(":/") + nombre + QStringLiteral(".nvp")));
}

QList<QPixmap> CargarIconosEstudios()
{
    return Decodificados().iconos;
}

QList<QPixmap> IconosPequenos()
{
    return Decodificados().pequenos;
}

} // namespace norvela
