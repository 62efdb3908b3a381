#include "transiciones.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace norvela {

namespace {

constexpr int kMilisegundosPorFotograma = 16;   // about the display's 60 frames a second
constexpr QImage::Format kFormato = QImage::Format_ARGB32_Premultiplied;

// Shows the frames of a run over the area, above everything else in it. It
// paints the run's one frame buffer, which the run rewrites in place.
class Lamina : public QWidget {
public:
    Lamina(QWidget *padre, const QRect &area, const QImage &fotograma) : QWidget(padre), fotograma_(fotograma)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(area);
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(rect(), fotograma_);
    }

private:
    const QImage &fotograma_;
};

QImage Captura(QWidget *control, const QRect &area)
{
    QImage imagen = control->grab(area).toImage().convertToFormat(kFormato);
    imagen.setDevicePixelRatio(1.0);
    return imagen.size() == area.size() ? imagen : imagen.scaled(area.size());
}

// Copies `ancho` pixels of row y of `origen`, from column x, into `destino`.
inline void CopiarTramo(const QImage &origen, QImage &destino, int y, int x, int ancho)
{
    if (ancho > 0)
        std::memcpy(reinterpret_cast<QRgb *>(destino.scanLine(y)) + x,
                    reinterpret_cast<const QRgb *>(origen.constScanLine(y)) + x, size_t(ancho) * sizeof(QRgb));
}

// a * (255 - alfa) + b * alfa, channel by channel, two channels at a time.
inline QRgb Mezcla(QRgb a, QRgb b, uint alfa)
{
    const uint inverso = 255 - alfa;
    uint rb = (a & 0xff00ffu) * inverso + (b & 0xff00ffu) * alfa;
    uint ag = ((a >> 8) & 0xff00ffu) * inverso + ((b >> 8) & 0xff00ffu) * alfa;
    rb = ((rb + ((rb >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    ag = (ag + ((ag >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return rb | ag;
}

// While a run lasts, the mouse and keyboard input the desktop delivers to
// the program's windows is dropped: clicks made during a transition do not
// start others once it has ended. A button pressed during a run has its
// release dropped too, even when it comes after the run.
class EntradaDescartada : public QObject {
public:
    EntradaDescartada() { qApp->installEventFilter(this); }
    ~EntradaDescartada() override
    {
        if (qApp)
            qApp->removeEventFilter(this);
    }

    void Empezar() { ++activas_; }
    void Terminar() { --activas_; }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (!objeto->isWindowType())
            return false;
        switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (activas_ == 0)
                return false;
            botones_ |= static_cast<QMouseEvent *>(evento)->button();
            return true;
        case QEvent::MouseButtonRelease: {
            const Qt::MouseButton boton = static_cast<QMouseEvent *>(evento)->button();
            if (activas_ == 0 && !(botones_ & boton))
                return false;
            botones_ &= ~Qt::MouseButtons(boton);
            return true;
        }
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return activas_ > 0;
        default:
            return false;
        }
    }

private:
    int activas_ = 0;
    Qt::MouseButtons botones_;
};

EntradaDescartada &Descarte()
{
    static EntradaDescartada *descarte = new EntradaDescartada;
    return *descarte;
}

struct RunEnMarcha {
    RunEnMarcha() { Descarte().Empezar(); }
    ~RunEnMarcha() { Descarte().Terminar(); }
};

} // namespace

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

QImage TTransitionEffect::Fotograma(const QImage &antes, const QImage &despues, double progreso) const
{
    QImage fotograma(antes.size(), kFormato);
    const QImage a = antes.convertToFormat(kFormato);
    const QImage d = despues.convertToFormat(kFormato).scaled(antes.size());
    Componer(a, d, std::clamp(progreso, 0.0, 1.0), fotograma);
    return fotograma;
}

void TTransitionEffect::Execute()
{
    if (!Prepared())
        return;
    const int duracion = Milliseconds;
    if (duracion <= 0 || !control_->isVisible())
        return;
    const QImage despues = Captura(control_, area_);
    // One frame buffer for the whole run.
    QImage fotograma(antes_.size(), kFormato);
    Lamina lamina(control_, area_, fotograma);
    const RunEnMarcha enMarcha;
    QElapsedTimer reloj;
    reloj.start();
    for (;;) {
        const qint64 transcurrido = reloj.elapsed();
        const double progreso = std::min(1.0, double(transcurrido) / duracion);
        Componer(antes_, despues, progreso, fotograma);
        lamina.repaint();
        // Paint requests go through; clicks and keys are dropped.
        QCoreApplication::processEvents();
        if (progreso >= 1.0)
            break;
        const qint64 siguiente = (transcurrido / kMilisegundosPorFotograma + 1) * kMilisegundosPorFotograma;
        const qint64 espera = siguiente - reloj.elapsed();
        if (espera > 0)
            QThread::msleep(static_cast<unsigned long>(espera));
    }
}

void TRollTransition::Componer(const QImage &antes, const QImage &despues, double progreso, QImage &fotograma) const
{
    const int w = fotograma.width(), h = fotograma.height();
    const int filas = std::clamp(static_cast<int>(std::lround(progreso * h)), 0, h);
    const bool haciaArriba = Direction == TTransitionDirection::tedUp;
    for (int y = 0; y < h; ++y) {
        const bool nueva = haciaArriba ? y >= h - filas : y < filas;
        CopiarTramo(nueva ? despues : antes, fotograma, y, 0, w);
    }
}

double TRadialTransition::Borde() const
{
    return 6.0 * std::max(1, SmoothingLevel);
}

void TRadialTransition::Componer(const QImage &antes, const QImage &despues, double progreso,
                                 QImage &fotograma) const
{
    const int w = fotograma.width(), h = fotograma.height();
    const double cx = w / 2.0, cy = h / 2.0;
    const double borde = Borde();
    // The soft edge has left the area when the run ends.
    const double radio = progreso * (std::hypot(cx, cy) + borde);
    const double interior = radio - borde;
    for (int y = 0; y < h; ++y) {
        const double dy = y + 0.5 - cy;
        if (radio <= std::abs(dy)) {
            CopiarTramo(antes, fotograma, y, 0, w);
            continue;
        }
        // Pixel centres outside [x0, x1) lie beyond the circle, those inside
        // [i0, i1) within its solid part; only the ring between is blended.
        const double fuera = std::sqrt(radio * radio - dy * dy);
        const int x0 = std::clamp(static_cast<int>(std::floor(cx - fuera)), 0, w);
        const int x1 = std::clamp(static_cast<int>(std::ceil(cx + fuera)), x0, w);
        int i0 = x1, i1 = x1;
        if (interior > std::abs(dy)) {
            const double dentro = std::sqrt(interior * interior - dy * dy);
            i0 = std::clamp(static_cast<int>(std::ceil(cx - dentro)), x0, x1);
            i1 = std::clamp(static_cast<int>(std::floor(cx + dentro)), i0, x1);
        }
        CopiarTramo(antes, fotograma, y, 0, x0);
        CopiarTramo(antes, fotograma, y, x1, w - x1);
        CopiarTramo(despues, fotograma, y, i0, i1 - i0);
        const auto *a = reinterpret_cast<const QRgb *>(antes.constScanLine(y));
        const auto *d = reinterpret_cast<const QRgb *>(despues.constScanLine(y));
        auto *f = reinterpret_cast<QRgb *>(fotograma.scanLine(y));
        const auto anillo = [&](int desde, int hasta) {
            for (int x = desde; x < hasta; ++x) {
                const double dx = x + 0.5 - cx;
                const double t = std::clamp((radio - std::sqrt(dx * dx + dy * dy)) / borde, 0.0, 1.0);
                f[x] = Mezcla(a[x], d[x], static_cast<uint>(t * 255.0 + 0.5));
            }
        };
        anillo(x0, i0);
        anillo(i1, x1);
    }
}

void TPageTransition::Componer(const QImage &antes, const QImage &despues, double progreso, QImage &fotograma) const
{
    const int w = fotograma.width(), h = fotograma.height();
    const int columnas = std::clamp(static_cast<int>(std::lround(progreso * w)), 0, w);
    for (int y = 0; y < h; ++y) {
        if (Direction == TTransitionDirection::tedLeft) {
            // The new page's left part comes in at the right edge.
            CopiarTramo(antes, fotograma, y, 0, w - columnas);
            if (columnas > 0)
                std::memcpy(reinterpret_cast<QRgb *>(fotograma.scanLine(y)) + (w - columnas),
                            despues.constScanLine(y), size_t(columnas) * sizeof(QRgb));
        } else {
            // The new page's right part comes in at the left edge.
            if (columnas > 0)
                std::memcpy(fotograma.scanLine(y),
                            reinterpret_cast<const QRgb *>(despues.constScanLine(y)) + (w - columnas),
                            size_t(columnas) * sizeof(QRgb));
            CopiarTramo(antes, fotograma, y, columnas, w - columnas);
        }
    }
}

} // namespace norvela
