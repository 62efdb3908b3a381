#include "dibujo.h"

#include <QPainter>
#include <cmath>

namespace norvela {

void PintarMosaico(QPainter &lienzo, const QSize &tamano, const QImage &grafico)
{
    const int w = grafico.width();
    const int h = grafico.height();
    if (w <= 0 || h <= 0)
        return;
    for (int y = 0; y < tamano.height(); y += h)
        for (int x = 0; x < tamano.width(); x += w)
            lienzo.drawImage(x, y, grafico);
}

QImage Mosaico(const QSize &tamano, const QImage &grafico, QImage::Format formato)
{
    QImage imagen(tamano, formato);
    imagen.fill(Qt::black);
    QPainter lienzo(&imagen);
    // A tile of the picture's own format is copied row by row; any other is
    // converted pixel by pixel on every copy, many times slower.
    const bool convertir = grafico.format() != formato && !grafico.hasAlphaChannel();
    PintarMosaico(lienzo, tamano, convertir ? grafico.convertToFormat(formato) : grafico);
    return imagen;
}

void PintarDegradado(QPainter &lienzo, int left, int top, int right, int bottom, const QColor &colorDesde,
                     const QColor &colorHasta)
{
    // Tested before dividing: an empty rectangle has no rows.
    if (bottom <= top)
        return;
    const int filas = bottom - top;
    const double dR = double(colorHasta.red() - colorDesde.red()) / filas;
    const double dG = double(colorHasta.green() - colorDesde.green()) / filas;
    const double dB = double(colorHasta.blue() - colorDesde.blue()) / filas;
    // Nearest whole number, halves to even.
    const auto n = [](double x) { return static_cast<int>(std::nearbyint(x)); };
    for (int k = 0; k < filas; ++k) {
        const QColor color(colorDesde.red() + n(k * dR), colorDesde.green() + n(k * dG), colorDesde.blue() + n(k * dB));
        lienzo.fillRect(QRect(left, top + k, right - left, 1), color);
    }
}

} // namespace norvela
