#include "estrellas.h"

#include "centros_fp.h"
#include "lugares_fp.h"

#include <QImage>
#include <QPainter>

namespace norvela {

void MarcarComunidadesTitulo(DatosLugares &d, const std::array<const TablaEnteros *, 4> &ofertas,
                             const std::array<const TablaTexto *, 4> &centros, const std::array<int, 4> &n,
                             int titulo)
{
    for (int c = 1; c <= kNumComunidades; ++c) {
        d.MarcasEstrellas[c] = 0;
        const int desde = PrimeraProvinciaDe(d, c);
        const int hasta = c < kNumComunidades ? PrimeraProvinciaDe(d, c + 1) - 1 : desde;
        if (desde < 1)
            continue;
        for (int k = desde; k <= hasta && d.CodigoProvincia.Contiene(k); ++k) {
            const std::string &codigo = d.CodigoProvincia[k];
            if (codigo.size() < 2 || codigo[0] < '1' || codigo[0] > '4')
                continue;
            const size_t g = static_cast<size_t>(codigo[0] - '1');
            if (!ofertas[g] || !centros[g])
                continue;
            if (TituloEnProvincia(codigo[1], *ofertas[g], *centros[g], n[g], titulo)) {
                d.MarcasEstrellas[c] = 1;
                break;
            }
        }
    }
}

void TicEstrellas(QImage &lienzo, DatosLugares &d, TrazoEstrellas &trazo)
{
    ++d.FaseEstrellas;
    ++d.FaseEstrellas2;
    if (!lienzo.isNull()) {
        QPainter p(&lienzo);
        p.setPen(trazo.pluma);
        p.setBrush(trazo.relleno);
        for (int c = 1; c <= kNumComunidades; ++c) {
            if (!d.MarcasEstrellas[c])
                continue;
            const int x = d.PosicionComunidadX[c], y = d.PosicionComunidadY[c];
            p.drawEllipse(QRect(QPoint(x - d.FaseEstrellas, y - d.FaseEstrellas2),
                                QPoint(x + d.FaseEstrellas - 1, y + d.FaseEstrellas2 - 1)));
        }
    }
    trazo.pluma = Qt::white;
    if (d.FaseEstrellas == 1)
        trazo.relleno = QColor(255, 255, 0);
    else if (d.FaseEstrellas == 2)
        trazo.relleno = QColor(0, 0, 128);
    else if (d.FaseEstrellas == 3)
        trazo.relleno = QColor(128, 0, 0);
    if (d.FaseEstrellas >= 3)
        d.FaseEstrellas = 0;
    if (d.FaseEstrellas2 >= 3)
        d.FaseEstrellas2 = 0;
}

} // namespace norvela
