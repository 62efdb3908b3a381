#include "marco.h"

#include "dibujo.h"
#include "enlace.h"
#include "pantalla.h"
#include "textos_propios.h"

#include <QEvent>
#include <QLabel>

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

QLabel *Tira(QLabel *tira, const char *nombre, const QString &descripcion, const QRect &donde, const QImage &grafico)
{
    tira->setObjectName(QString::fromLatin1(nombre));
    // A picture has no caption: screen readers say what it is.
    tira->setAccessibleName(descripcion);
    tira->setGeometry(donde);
    PixmapAlMostrarse(tira, [tamano = donde.size(), grafico] { return QPixmap::fromImage(Mosaico(tamano, grafico)); });
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
    return m;
}

} // namespace norvela
