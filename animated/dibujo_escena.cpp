#include "dibujo_escena.h"

#include <QPainter>
#include <cmath>
#include <vector>

namespace norvela {

namespace {

constexpr int kNubeY[kNubes] = {34, 100, 58};
constexpr int kAutobusY = 628;

QRect Rect(const Caja &c)
{
    return QRect(c.x, c.y, c.ancho, c.alto);
}

QRectF Resplandor(int lugar)
{
    return QRectF(Rect(CajaPuerta(LugarEscena(lugar)))).adjusted(-9, -9, 9, 1);
}

// One moving thing as drawn at a moment: the pixel its picture lands on (a
// picture at a fractional place is drawn from the nearest pixel), the area
// it covers, and a number that tells its look apart (frame, opacity).
struct Pieza {
    QPoint origen;
    QRect donde;
    qint64 aspecto = 0;
    bool operator==(const Pieza &) const = default;
};

Pieza En(const QPointF &p, const QSize &tamano, qint64 aspecto)
{
    const QPoint origen(int(std::floor(p.x() + 0.5)), int(std::floor(p.y() + 0.5)));
    return {origen, QRect(origen, tamano).adjusted(-1, -1, 1, 1), aspecto};
}

// The moving things in a fixed order, so two moments compare piece by piece;
// one that is not drawn has an empty place.
std::vector<Pieza> Piezas(const ImagenesEscena &im, const EstadoEscena &s, int resaltado)
{
    std::vector<Pieza> piezas;
    piezas.reserve(kNubes + 7);
    for (int i = 0; i < kNubes; ++i)
        piezas.push_back(En(QPointF(s.nubeX[i], kNubeY[i]), im.nube[i].size(), 0));
    for (size_t i = 0; i < s.pajaroX.size(); ++i)
        piezas.push_back(En(QPointF(s.pajaroX[i], s.pajaroY[i]), im.pajaro[s.pajaroFase[i]].size(), s.pajaroFase[i]));
    piezas.push_back(En(QPointF(escena::kBanderaX, escena::kBanderaY), im.bandera[s.banderaFase].size(), s.banderaFase));
    if (resaltado >= 0 && resaltado < kLugares)
        // The glow's pen is 4 wide and antialiased.
        piezas.push_back({{}, Resplandor(resaltado).toAlignedRect().adjusted(-3, -3, 3, 3), resaltado});
    else
        piezas.push_back({});
    if (s.puerta >= 0 && s.pasoPuerta > 0) {
        const LugarEscena lugar = PuertaAlumna(s.puerta);
        const Caja c = CajaPuerta(lugar);
        const auto &pasos = lugar == LugarEscena::Entrada ? im.portal : im.puerta;
        piezas.push_back(En(QPointF(c.x, c.y), pasos[s.pasoPuerta].size(), s.puerta * 16 + s.pasoPuerta));
    } else {
        piezas.push_back({});
    }
    if (s.alumnaVisible && s.alumnaOpacidad > 0)
        piezas.push_back(En(QPointF(s.alumnaX, s.alumnaSuelo - escena::kSuelaAndar), im.anda[s.alumnaFase].size(),
                            s.alumnaFase * 1024 + qRound(s.alumnaOpacidad * 1000)));
    else
        piezas.push_back({});
    if (s.autobusVisible)
        piezas.push_back(En(QPointF(s.autobusX, kAutobusY), im.autobus.size(), 0));
    else
        piezas.push_back({});
    return piezas;
}

} // namespace

std::vector<QRect> CambioEscena(const ImagenesEscena &im, const EstadoEscena &antes, int resaltadoAntes,
                                const EstadoEscena &ahora, int resaltadoAhora)
{
    const std::vector<Pieza> a = Piezas(im, antes, resaltadoAntes);
    const std::vector<Pieza> b = Piezas(im, ahora, resaltadoAhora);
    std::vector<QRect> zonas;
    for (size_t i = 0; i < a.size(); ++i)
        if (!(a[i] == b[i]))
            // A piece moves little from one frame to the next: one area
            // covers where it was and where it is.
            zonas.push_back(a[i].donde.united(b[i].donde));
    return UnirZonas(std::move(zonas));
}

std::vector<QRect> UnirZonas(std::vector<QRect> zonas)
{
    const QRect escena(0, 0, escena::kAncho, escena::kAlto);
    for (QRect &z : zonas)
        z &= escena;
    std::erase_if(zonas, [](const QRect &z) { return z.isEmpty(); });
    // Areas that overlap become one, so nothing is drawn twice.
    for (bool unidas = true; unidas;) {
        unidas = false;
        for (size_t i = 0; i < zonas.size() && !unidas; ++i)
            for (size_t j = i + 1; j < zonas.size() && !unidas; ++j)
                if (zonas[i].intersects(zonas[j])) {
                    zonas[i] |= zonas[j];
                    zonas.erase(zonas.begin() + std::ptrdiff_t(j));
                    unidas = true;
                }
    }
    return zonas;
}

void PintarEscena(QPainter &p, const ImagenesEscena &im, const EstadoEscena &s, int resaltado, const QRect &zona)
{
    const QRect area = zona.isEmpty() ? QRect(0, 0, escena::kAncho, escena::kAlto) : zona;
    p.save();
    if (!zona.isEmpty())
        p.setClipRect(area, Qt::IntersectClip);
    p.drawImage(area.topLeft(), im.fondo, area);

    // Only what reaches the area is drawn, in the pieces' order.
    const std::vector<Pieza> piezas = Piezas(im, s, resaltado);
    size_t k = 0;
    const auto toca = [&] { return piezas[k++].donde.intersects(area); };

    for (int i = 0; i < kNubes; ++i)
        if (toca())
            p.drawImage(QPointF(s.nubeX[i], kNubeY[i]), im.nube[i]);
    for (size_t i = 0; i < s.pajaroX.size(); ++i)
        if (toca())
            p.drawImage(QPointF(s.pajaroX[i], s.pajaroY[i]), im.pajaro[s.pajaroFase[i]]);
    if (toca())
        p.drawImage(escena::kBanderaX, escena::kBanderaY, im.bandera[s.banderaFase]);

    if (toca()) {
        // A warm glow round the door the mouse is on.
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 214, 64, 200), 4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(Resplandor(resaltado), 6, 6);
        p.restore();
    }

    if (toca()) {
        const LugarEscena lugar = PuertaAlumna(s.puerta);
        const Caja c = CajaPuerta(lugar);
        const auto &pasos = lugar == LugarEscena::Entrada ? im.portal : im.puerta;
        p.drawImage(c.x, c.y, pasos[s.pasoPuerta]);
    }

    if (toca()) {
        p.setOpacity(s.alumnaOpacidad);
        p.drawImage(QPointF(s.alumnaX, s.alumnaSuelo - escena::kSuelaAndar), im.anda[s.alumnaFase]);
        p.setOpacity(1);
    }

    if (toca())
        p.drawImage(QPointF(s.autobusX, kAutobusY), im.autobus);
    p.restore();
}

} // namespace norvela
