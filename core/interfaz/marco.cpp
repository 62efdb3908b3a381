#include "marco.h"

#include "dibujo.h"
#include "enlace.h"
#include "pantalla.h"
#include "tapas.h"
#include "textos_propios.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QPointer>

namespace norvela {

namespace {

// Draws its label's picture on the label's first show, then goes.
class DibujoAlMostrarse : public QObject {
public:
    DibujoAlMostrarse(QLabel *etiqueta, std::function<QPixmap()> dibujar)
        : QObject(etiqueta), dibujar_(std::move(dibujar))
    {
        etiqueta->installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Show) {
            objeto->removeEventFilter(this);
            static_cast<QLabel *>(objeto)->setPixmap(dibujar_());
            deleteLater();
        }
        return false;
    }

private:
    std::function<QPixmap()> dibujar_;
};

// The tiled pictures of the frames, one per picture and size, owned by the
// application: every screen that shows the same floor shares one, instead of
// keeping a full-window copy of its own.
class MosaicosCompartidos : public QObject {
public:
    explicit MosaicosCompartidos(QObject *aplicacion) : QObject(aplicacion) {}

    QPixmap Mosaico(const QSize &tamano, const QImage &grafico)
    {
        // The picture's key names its pixels: a copy of the same picture
        // shares them and the key; a changed one gets a key of its own.
        const QString clave =
            QStringLiteral("%1:%2x%3").arg(grafico.cacheKey()).arg(tamano.width()).arg(tamano.height());
        auto it = mosaicos_.find(clave);
        if (it == mosaicos_.end())
            it = mosaicos_.insert(clave, QPixmap::fromImage(norvela::Mosaico(tamano, grafico)));
        return *it;
    }

private:
    QHash<QString, QPixmap> mosaicos_;
};

QPixmap MosaicoCompartido(const QSize &tamano, const QImage &grafico)
{
    static QPointer<MosaicosCompartidos> compartidos;
    if (!compartidos)
        compartidos = new MosaicosCompartidos(QCoreApplication::instance());
    return compartidos->Mosaico(tamano, grafico);
}

QLabel *Tira(QLabel *tira, const char *nombre, const QString &descripcion, const QRect &donde, const QImage &grafico)
{
    tira->setObjectName(QString::fromLatin1(nombre));
    // A picture has no caption: screen readers say what it is.
    tira->setAccessibleName(descripcion);
    tira->setGeometry(donde);
    PixmapAlMostrarse(tira, [tamano = donde.size(), grafico] { return MosaicoCompartido(tamano, grafico); });
    return tira;
}

} // namespace

void PixmapAlMostrarse(QLabel *etiqueta, std::function<QPixmap()> dibujar)
{
    if (etiqueta->isVisible())
        etiqueta->setPixmap(dibujar());
    else
        new DibujoAlMostrarse(etiqueta, std::move(dibujar));
}

Marco PonerMarco(QWidget *padre, const Enlace &e, QLabel *fondo)
{
    constexpr int kAncho = Pantalla::kAncho;
    constexpr int kAlto = Pantalla::kAlto;
    const int anchoIzq = e.BmpMarcoI.isNull() ? kAnchoMarco : e.BmpMarcoI.width();
    const int anchoDer = e.BmpMarcoD.isNull() ? kAnchoMarco : e.BmpMarcoD.width();
    Marco m;
    m.fondo = Tira(fondo ? fondo : new QLabel(padre), "degradeini", TextoPropio(Propio::Fondo),
                   QRect(0, 0, kAncho, kAlto), e.BmpSuelo);
    m.izquierda = Tira(new QLabel(padre), "TilIzq", TextoPropio(Propio::MarcoIzquierdo), QRect(0, 0, anchoIzq, kAlto),
                       e.BmpMarcoI);
    m.derecha = Tira(new QLabel(padre), "TilDer", TextoPropio(Propio::MarcoDerecho),
                     QRect(kAncho - anchoDer, 0, anchoDer, kAlto), e.BmpMarcoD);
    m.arriba = Tira(new QLabel(padre), "TilArr", TextoPropio(Propio::MarcoSuperior), QRect(0, 0, kAncho, 50),
                    e.BmpMarcoAr);
    // The strips cover the floor's edges: where a picture covers the rest of
    // it, screen readers are not told of a floor nobody sees.
    for (QLabel *tira : {m.izquierda, m.derecha, m.arriba})
        HacerTapa(tira);
    return m;
}

} // namespace norvela
