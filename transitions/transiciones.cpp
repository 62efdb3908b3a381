#include "transiciones.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QRadialGradient>
#include <QThread>
#include <algorithm>
#include <cmath>

namespace norvela {

namespace {

constexpr int kMilisegundosPorFotograma = 16;   // about the display's 60 frames a second

// Shows the frames of a run over the area, above everything else in it.
class Lamina : public QWidget {
public:
    Lamina(QWidget *padre, const QRect &area) : QWidget(padre)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(area);
        raise();
        show();
    }
    void Mostrar(QImage fotograma)
    {
        fotograma_ = std::move(fotograma);
        repaint();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(rect(), fotograma_);
    }

private:
    QImage fotograma_;
};

QImage Captura(QWidget *control, const QRect &area)
{
    QImage imagen = control->grab(area).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    imagen.setDevicePixelRatio(1.0);
    return imagen.scaled(area.size());
}

} // namespace

std::optional<int> TTransitionEffect::MilisegundosForzados;

TTransitionEffect::TTransitionEffect(QObject *padre) : QObject(padre) {}

void TTransitionEffect::Prepare(QWidget *control, const QRect &R)
{
    UnPrepare();
    if (!control || R.isEmpty())
        return;
    control_ = control;
    area_ = R;
    antes_ = Captura(control, R);
}

bool TTransitionEffect::Prepared() const
{
    return control_ && !antes_.isNull();
}

void TTransitionEffect::UnPrepare()
{
    control_ = nullptr;
    antes_ = QImage();
}

void TTransitionEffect::Execute()
{
    if (!Prepared())
        return;
    const int duracion = MilisegundosForzados.value_or(Milliseconds);
    if (duracion <= 0 || !control_->isVisible())
        return;
    const QImage despues = Captura(control_, area_);
    Lamina lamina(control_, area_);
    QElapsedTimer reloj;
    reloj.start();
    for (;;) {
        const qint64 transcurrido = reloj.elapsed();
        const double progreso = std::min(1.0, double(transcurrido) / duracion);
        lamina.Mostrar(Componer(antes_, despues, progreso));
        // Paint requests go through; clicks and keys wait for the end of the run.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (progreso >= 1.0)
            break;
        const qint64 siguiente = (transcurrido / kMilisegundosPorFotograma + 1) * kMilisegundosPorFotograma;
        const qint64 espera = siguiente - reloj.elapsed();
        if (espera > 0)
            QThread::msleep(static_cast<unsigned long>(espera));
    }
}

QImage TRollTransition::Componer(const QImage &antes, const QImage &despues, double progreso) const
{
    QImage fotograma = antes.copy();
    const int h = fotograma.height();
    const int filas = static_cast<int>(std::lround(progreso * h));
    if (filas <= 0)
        return fotograma;
    QPainter p(&fotograma);
    if (Direction == TTransitionDirection::tedUp)
        p.drawImage(QPoint(0, h - filas), despues, QRect(0, h - filas, despues.width(), filas));
    else
        p.drawImage(QPoint(0, 0), despues, QRect(0, 0, despues.width(), filas));
    return fotograma;
}

QImage TRadialTransition::Componer(const QImage &antes, const QImage &despues, double progreso) const
{
    QImage fotograma = antes.copy();
    const QPointF centro(fotograma.width() / 2.0, fotograma.height() / 2.0);
    const double radioMaximo = std::hypot(centro.x(), centro.y());
    // A soft edge a few pixels wide; it fits inside the circle at the end.
    const double borde = 6.0 * std::max(1, SmoothingLevel);
    const double radio = progreso * (radioMaximo + borde);
    if (radio <= 0)
        return fotograma;
    QImage capa = despues.copy();
    {
        QPainter mascara(&capa);
        mascara.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QRadialGradient gradiente(centro, radio);
        const double blando = std::clamp((radio - borde) / radio, 0.0, 1.0);
        gradiente.setColorAt(0.0, QColor(0, 0, 0, 255));
        gradiente.setColorAt(blando, QColor(0, 0, 0, 255));
        gradiente.setColorAt(1.0, QColor(0, 0, 0, 0));
        mascara.fillRect(capa.rect(), gradiente);
    }
    QPainter p(&fotograma);
    p.drawImage(0, 0, capa);
    return fotograma;
}

QImage TPageTransition::Componer(const QImage &antes, const QImage &despues, double progreso) const
{
    QImage fotograma = antes.copy();
    const int w = fotograma.width();
    const int columnas = static_cast<int>(std::lround(progreso * w));
    if (columnas <= 0)
        return fotograma;
    QPainter p(&fotograma);
    if (Direction == TTransitionDirection::tedLeft)
        p.drawImage(QPoint(w - columnas, 0), despues, QRect(0, 0, columnas, despues.height()));
    else
        p.drawImage(QPoint(0, 0), despues, QRect(w - columnas, 0, columnas, despues.height()));
    return fotograma;
}

} // namespace norvela
