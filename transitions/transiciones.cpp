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
// paints a frame the run rewrites in place, and only the parts asked for.
class Lamina : public QWidget {
public:
    Lamina(QWidget *padre, const QRect &area, const QImage *fotograma) : QWidget(padre), fotograma_(fotograma)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(area);
        raise();
        show();
    }
    void Mostrar(const QImage *fotograma) { fotograma_ = fotograma; }

protected:
    void paintEvent(QPaintEvent *evento) override
    {
        QPainter p(this);
        for (const QRect &r : evento->region())
            p.drawImage(r.topLeft(), *fotograma_, r);
    }

private:
    const QImage *fotograma_;
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

QRegion TTransitionEffect::ComponerCambio(const QImage &antes, const QImage &despues, double, double hasta,
                                          QImage &fotograma) const
{
    Componer(antes, despues, hasta, fotograma);
    return QRegion(fotograma.rect());
}

void TTransitionEffect::Execute()
{
    if (!Prepared())
        return;
    const int duracion = Milliseconds;
    if (duracion <= 0 || !control_->isVisible())
        return;
    const RunEnMarcha enMarcha;
    QElapsedTimer reloj;
    reloj.start();
    // The first frame is the "before" picture itself: it is on the screen at
    // once, and only then is the new look captured (without the sheet that
    // covers it).
    Lamina lamina(control_, area_, &antes_);
    lamina.repaint();
    lamina.hide();
    const QImage despues = Captura(control_, area_);
    lamina.show();
    // One frame buffer for the whole run, starting as the first frame; each
    // frame rewrites and repaints only what changed since the last one.
    QImage fotograma = antes_.copy();
    lamina.Mostrar(&fotograma);
    double mostrado = 0;
    for (;;) {
        const qint64 transcurrido = reloj.elapsed();
        const double progreso = std::min(1.0, double(transcurrido) / duracion);
        const QRegion cambio = ComponerCambio(antes_, despues, mostrado, progreso, fotograma);
        mostrado = progreso;
        if (!cambio.isEmpty())
            lamina.repaint(cambio);
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

QRegion TRollTransition::ComponerCambio(const QImage &antes, const QImage &despues, double desde, double hasta,
                                        QImage &fotograma) const
{
    if (hasta < desde)
        return TTransitionEffect::ComponerCambio(antes, despues, desde, hasta, fotograma);
    const int w = fotograma.width(), h = fotograma.height();
    const auto filas = [h](double progreso) { return std::clamp(static_cast<int>(std::lround(progreso * h)), 0, h); };
    // The rows the new look has reached since the last frame.
    const int nuevas = filas(hasta) - filas(desde);
    const int desdeFila = Direction == TTransitionDirection::tedUp ? h - filas(hasta) : filas(desde);
    for (int y = desdeFila; y < desdeFila + nuevas; ++y)
        CopiarTramo(despues, fotograma, y, 0, w);
    return nuevas > 0 ? QRegion(0, desdeFila, w, nuevas) : QRegion();
}

double TRadialTransition::Borde() const
{
    return 6.0 * std::max(1, SmoothingLevel);
}

namespace {

// The circle of a radial run at one moment, row by row: pixel centres in
// [x0, x1) lie within its soft edge, those in [i0, i1) in its solid part.
struct Circulo {
    Circulo(int ancho, int alto, double progreso, double borde)
        : w(ancho), cx(ancho / 2.0), cy(alto / 2.0), borde(borde),
          // The soft edge has left the area when the run ends.
          radio(progreso * (std::hypot(cx, cy) + borde)), interior(radio - borde)
    {
    }

    double Dy(int y) const { return y + 0.5 - cy; }
    bool Toca(double dy) const { return radio > std::abs(dy); }
    bool Solido(double dy) const { return interior > std::abs(dy); }

    struct Fila {
        int x0, x1, i0, i1;
    };
    Fila En(double dy) const
    {
        const double fuera = std::sqrt(radio * radio - dy * dy);
        Fila f{};
        f.x0 = std::clamp(static_cast<int>(std::floor(cx - fuera)), 0, w);
        f.x1 = std::clamp(static_cast<int>(std::ceil(cx + fuera)), f.x0, w);
        f.i0 = f.i1 = f.x1;
        if (Solido(dy)) {
            const double dentro = std::sqrt(interior * interior - dy * dy);
            f.i0 = std::clamp(static_cast<int>(std::ceil(cx - dentro)), f.x0, f.x1);
            f.i1 = std::clamp(static_cast<int>(std::floor(cx + dentro)), f.i0, f.x1);
        }
        return f;
    }

    // Row y's pixels from `desde` to `hasta`: the new look within the solid
    // part, the two blended across the soft edge.
    void Escribir(const QImage &antes, const QImage &despues, QImage &fotograma, int y, const Fila &f, int desde,
                  int hasta) const
    {
        const double dy = Dy(y);
        const auto *a = reinterpret_cast<const QRgb *>(antes.constScanLine(y));
        const auto *d = reinterpret_cast<const QRgb *>(despues.constScanLine(y));
        auto *salida = reinterpret_cast<QRgb *>(fotograma.scanLine(y));
        const int s0 = std::max(desde, f.i0), s1 = std::min(hasta, f.i1);
        CopiarTramo(despues, fotograma, y, s0, s1 - s0);
        const auto anillo = [&](int x0, int x1) {
            for (int x = x0; x < x1; ++x) {
                const double dx = x + 0.5 - cx;
                const double t = std::clamp((radio - std::sqrt(dx * dx + dy * dy)) / borde, 0.0, 1.0);
                salida[x] = Mezcla(a[x], d[x], static_cast<uint>(t * 255.0 + 0.5));
            }
        };
        anillo(desde, std::min(hasta, f.i0));
        anillo(std::max(desde, f.i1), hasta);
    }

    int w;
    double cx, cy, borde, radio, interior;
};

} // namespace

void TRadialTransition::Componer(const QImage &antes, const QImage &despues, double progreso,
                                 QImage &fotograma) const
{
    const int w = fotograma.width(), h = fotograma.height();
    const Circulo c(w, h, progreso, Borde());
    for (int y = 0; y < h; ++y) {
        const double dy = c.Dy(y);
        if (!c.Toca(dy)) {
            CopiarTramo(antes, fotograma, y, 0, w);
            continue;
        }
        const Circulo::Fila f = c.En(dy);
        CopiarTramo(antes, fotograma, y, 0, f.x0);
        CopiarTramo(antes, fotograma, y, f.x1, w - f.x1);
        c.Escribir(antes, despues, fotograma, y, f, f.x0, f.x1);
    }
}

QRegion TRadialTransition::ComponerCambio(const QImage &antes, const QImage &despues, double desde, double hasta,
                                          QImage &fotograma) const
{
    if (hasta < desde)
        return TTransitionEffect::ComponerCambio(antes, despues, desde, hasta, fotograma);
    const int w = fotograma.width(), h = fotograma.height();
    const Circulo ahora(w, h, hasta, Borde()), antesC(w, h, desde, Borde());
    // What was already wholly new stays; the rest of the circle is written
    // again. The repaint goes by bands of rows, on each side of what stayed.
    constexpr int kBanda = 24;
    QRegion cambio;
    for (int banda = 0; banda < h; banda += kBanda) {
        QRect izquierda, derecha;
        for (int y = banda; y < std::min(h, banda + kBanda); ++y) {
            const double dy = ahora.Dy(y);
            if (!ahora.Toca(dy))
                continue;
            const Circulo::Fila f = ahora.En(dy);
            int p0 = f.x1, p1 = f.x1;
            if (antesC.Solido(dy)) {
                const Circulo::Fila previa = antesC.En(dy);
                p0 = std::clamp(previa.i0, f.x0, f.x1);
                p1 = std::clamp(previa.i1, p0, f.x1);
            }
            if (p0 > f.x0) {
                ahora.Escribir(antes, despues, fotograma, y, f, f.x0, p0);
                izquierda |= QRect(f.x0, y, p0 - f.x0, 1);
            }
            if (f.x1 > p1) {
                ahora.Escribir(antes, despues, fotograma, y, f, p1, f.x1);
                derecha |= QRect(p1, y, f.x1 - p1, 1);
            }
        }
        if (izquierda.intersects(derecha))
            izquierda |= derecha, derecha = QRect();
        cambio += izquierda;
        cambio += derecha;
    }
    return cambio;
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
