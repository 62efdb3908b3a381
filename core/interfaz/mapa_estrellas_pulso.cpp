#include "mapa_estrellas_pulso.h"

#include "datos_lugares.h"

#include <QImage>
#include <QPainter>

namespace norvela {

std::optional<QColor> ColorFaseEstrellas(int fase)
{
    switch (fase) {
    case 1: return QColor(255, 255, 0);
    case 2: return QColor(0, 0, 128);
    case 3: return QColor(128, 0, 0);
    default: return std::nullopt;
    }
}

void PulsoEstrellas(QImage &lienzo, DatosLugares &lugares, PincelEstrellas &pincel)
{
    ++lugares.FaseEstrellas;
    ++lugares.FaseEstrellas2;
    const int fx = lugares.FaseEstrellas;
    const int fy = lugares.FaseEstrellas2;
    if (!lienzo.isNull()) {
        QPainter p(&lienzo);
        p.setPen(pincel.pluma);
        p.setBrush(pincel.relleno);
        for (int c = lugares.MarcasEstrellas.Primero(); c <= lugares.MarcasEstrellas.Ultimo(); ++c) {
            if (lugares.MarcasEstrellas[c] == 0 || !lugares.PosicionComunidadX.Contiene(c))
                continue;
            const int x = lugares.PosicionComunidadX[c];
            const int y = lugares.PosicionComunidadY[c];
            // The box (x - fx, y - fy) .. (x + fx, y + fy), its right and
            // bottom edges outside the ellipse: a stroked QRect covers one
            // pixel more than its width, so the width is 2 * fx - 1.
            p.drawEllipse(QRect(x - fx, y - fy, 2 * fx - 1, 2 * fy - 1));
        }
    }
    pincel.pluma = Qt::white;
    if (const auto color = ColorFaseEstrellas(fx))
        pincel.relleno = *color;
    // ">=" rather than "==": a counter another screen left beyond 3 comes
    // back into the cycle instead of growing for ever.
    if (lugares.FaseEstrellas >= 3)
        lugares.FaseEstrellas = 0;
    if (lugares.FaseEstrellas2 >= 3)
        lugares.FaseEstrellas2 = 0;
}

} // namespace norvela
