#include "iconos.h"

#include "imagen_lista.h"

#include <QCoreApplication>
#include <QPointer>
#include <QResource>
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
    const QString ruta = QStringLiteral(":/") + nombre + QStringLiteral(".nvp");
    // Stored uncompressed in the program: its pixels are drawn from where
    // they are, with no copy of their own.
    const QResource recurso(ruta);
    if (recurso.isValid() && recurso.compressionAlgorithm() == QResource::NoCompression)
        if (const QImage imagen = EnvolverImagenLista(reinterpret_cast<const char *>(recurso.data()), recurso.size());
            !imagen.isNull())
            return QPixmap::fromImage(imagen);
    return QPixmap::fromImage(LeerImagenLista(ruta));
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
