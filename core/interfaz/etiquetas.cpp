#include "etiquetas.h"

#include <QRegularExpression>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>

namespace norvela {

EtiquetaActiva::EtiquetaActiva(QWidget *padre) : QLabel(padre)
{
    setMouseTracking(true);
}

void EtiquetaActiva::PonerColorTexto(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void EtiquetaActiva::PonerColorFondo(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

QColor EtiquetaActiva::ColorTexto() const
{
    return palette().color(QPalette::WindowText);
}

QColor EtiquetaActiva::ColorFondo() const
{
    return palette().color(QPalette::Window);
}

void EtiquetaActiva::mouseReleaseEvent(QMouseEvent *evento)
{
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) {
        emit soltado();
        emit clic();
    }
}

void EtiquetaActiva::mouseMoveEvent(QMouseEvent *evento)
{
    QLabel::mouseMoveEvent(evento);
    emit movido();
}

EtiquetaSombreada::EtiquetaSombreada(const QString &texto, QWidget *padre) : QLabel(texto, padre) {}

void EtiquetaSombreada::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect();
    p.setPen(colorSombra);
    p.drawText(r.translated(1, 1), int(alignment()), text());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, int(alignment()), text());
}

QPixmap TransparentePorEsquina(const QImage &imagen)
{
    if (imagen.isNull())
        return {};
    QImage conAlfa = imagen.convertToFormat(QImage::Format_ARGB32);
    const QRgb clave = conAlfa.pixel(0, conAlfa.height() - 1);
    for (int y = 0; y < conAlfa.height(); ++y) {
        auto *fila = reinterpret_cast<QRgb *>(conAlfa.scanLine(y));
        for (int x = 0; x < conAlfa.width(); ++x)
            if (fila[x] == clave)
                fila[x] = 0;
    }
    return QPixmap::fromImage(conAlfa);
}

void AjustarAlTexto(QLabel *etiqueta)
{
    // Words wrap at the label's design width; a word longer than that, or
    // more lines than fit, make the label grow right and down.
    const QFontMetrics medidas(etiqueta->font());
    int ancho = etiqueta->width();
    for (const QString &palabra : etiqueta->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        ancho = std::max(ancho, medidas.horizontalAdvance(palabra) + 4);
    etiqueta->setWordWrap(true);
    const int alto = std::max(etiqueta->height(), etiqueta->heightForWidth(ancho));
    etiqueta->resize(ancho, alto);
}

} // namespace norvela
