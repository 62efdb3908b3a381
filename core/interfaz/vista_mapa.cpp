#include "vista_mapa.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace norvela {

QLabel *EtiquetaPistaMapa(QWidget *padre, int ancho)
{
    auto *etiqueta = new QLabel(padre);
    etiqueta->setObjectName(QStringLiteral("PanelMapa"));
    etiqueta->setAutoFillBackground(true);
    QPalette amarillo = etiqueta->palette();
    amarillo.setColor(QPalette::Window, QColor(255, 255, 0));
    amarillo.setColor(QPalette::WindowText, Qt::black);
    etiqueta->setPalette(amarillo);
    QFont fuente(QStringLiteral("Arial"), 8);
    fuente.setBold(true);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(Qt::AlignCenter);
    etiqueta->setFrameShape(QFrame::Box);
    etiqueta->setAttribute(Qt::WA_TransparentForMouseEvents);
    etiqueta->resize(ancho, 17);
    etiqueta->hide();
    return etiqueta;
}

VistaMapa::VistaMapa(QWidget *padre, const QImage &imagen, const QString &nombre, const QString &nombreAccesible,
                     double escala)
    : QWidget(padre), imagen_(imagen), escala_(escala > 0 ? escala : 1.0)
{
    setObjectName(nombre);
    setAccessibleName(nombreAccesible);
    setMouseTracking(true);
    Redibujar();
    resize((QSizeF(lienzo_.size()) * escala_).toSize());
}

QPoint VistaMapa::PuntoDe(int x, int y) const
{
    return QPoint(static_cast<int>((x + 0.5) * escala_), static_cast<int>((y + 0.5) * escala_));
}

QPoint VistaMapa::Pixel(const QPointF &p) const
{
    return QPoint(static_cast<int>(p.x() / escala_), static_cast<int>(p.y() / escala_));
}

void VistaMapa::Redibujar()
{
    lienzo_ = imagen_.isNull() ? QImage(281, 196, QImage::Format_RGB32) : imagen_.convertToFormat(QImage::Format_RGB32);
    if (imagen_.isNull())
        lienzo_.fill(Qt::white);
    update();
}

void VistaMapa::TicEstrellas(DatosLugares &d)
{
    PulsoEstrellas(lienzo_, d, pincel_);
    update();
}

void VistaMapa::MostrarPista(int x, int y, const QString &texto, int ancho)
{
    QLabel *etiqueta = pista_.etiqueta;
    if (!etiqueta || !etiqueta->parentWidget())
        return;
    QWidget *ventana = etiqueta->parentWidget();
    if (pista_.anchoDelTexto)
        ancho = std::max(ancho, etiqueta->fontMetrics().horizontalAdvance(texto) + 8);
    QPoint donde = mapTo(ventana, PuntoDe(x, y)) + pista_.desplazamiento;
    if (pista_.margenDerecho >= 0)
        donde.setX(std::min(donde.x(), ventana->width() - pista_.margenDerecho - ancho));
    etiqueta->setGeometry(donde.x(), donde.y(), ancho, etiqueta->height());
    etiqueta->setText(texto);
    etiqueta->setVisible(!pista_.ocultarSinTexto || !texto.isEmpty());
    etiqueta->raise();
}

void VistaMapa::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), lienzo_);
}

void VistaMapa::mouseMoveEvent(QMouseEvent *evento)
{
    const QPoint q = Pixel(evento->position());
    emit movido(q.x(), q.y());
}

void VistaMapa::mouseReleaseEvent(QMouseEvent *evento)
{
    // A press dragged off the map and let go outside it is no click.
    if (evento->button() != Qt::LeftButton || !rect().contains(evento->position().toPoint()))
        return;
    const QPoint q = Pixel(evento->position());
    emit movido(q.x(), q.y());
    emit pulsado();
}

} // namespace norvela
