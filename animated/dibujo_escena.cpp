#include "dibujo_escena.h"

#include <QPainter>

namespace norvela {

namespace {

constexpr int kNubeY[kNubes] = {34, 100, 58};
constexpr int kAutobusY = 628;

QRect Rect(const Caja &c)
{
    return QRect(c.x, c.y, c.ancho, c.alto);
}

} // namespace

void PintarEscena(QPainter &p, const ImagenesEscena &im, const EstadoEscena &s, int resaltado)
{
    p.drawImage(0, 0, im.fondo);

    for (int i = 0; i < kNubes; ++i)
        p.drawImage(QPointF(s.nubeX[i], kNubeY[i]), im.nube[i]);
    for (size_t i = 0; i < s.pajaroX.size(); ++i)
        p.drawImage(QPointF(s.pajaroX[i], s.pajaroY[i]), im.pajaro[s.pajaroFase[i]]);
    p.drawImage(escena::kBanderaX, escena::kBanderaY, im.bandera[s.banderaFase]);

    if (resaltado >= 0 && resaltado < kLugares) {
        // A warm glow round the door the mouse is on.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 214, 64, 200), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(Rect(CajaPuerta(LugarEscena(resaltado)))).adjusted(-9, -9, 9, 1), 6, 6);
        p.restore();
    }

    if (s.puerta >= 0 && s.pasoPuerta > 0) {
        const LugarEscena lugar = PuertaAlumna(s.puerta);
        const Caja c = CajaPuerta(lugar);
        const auto &pasos = lugar == LugarEscena::Entrada ? im.portal : im.puerta;
        p.drawImage(c.x, c.y, pasos[s.pasoPuerta]);
    }

    if (s.alumnaVisible && s.alumnaOpacidad > 0) {
        p.setOpacity(s.alumnaOpacidad);
        p.drawImage(QPointF(s.alumnaX, s.alumnaSuelo - escena::kSuelaAndar), im.anda[s.alumnaFase]);
        p.setOpacity(1);
    }

    if (s.autobusVisible)
        p.drawImage(QPointF(s.autobusX, kAutobusY), im.autobus);
}

} // namespace norvela
