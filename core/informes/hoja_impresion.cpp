#include "hoja_impresion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace norvela {

int RedondearPixel(double x)
{
    // nearbyint follows the rounding mode; the program never changes it
    // from round-to-nearest-even.
    const double r = std::nearbyint(x);
    if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max()))
        throw std::range_error("coordenada fuera de la página");
    return static_cast<int>(r);
}

void HojaImpresion::IniciarImpresion(int cols, int filas, double unidadesPorPulgada)
{
    ancho_ = pagina_.Ancho();
    alto_ = pagina_.Alto();
    pixelesUnidadX_ = pagina_.PixelesPorPulgadaX() / unidadesPorPulgada;
    pixelesUnidadY_ = pagina_.PixelesPorPulgadaY() / unidadesPorPulgada;
    cols_ = cols;
    filas_ = filas;
    pluma_ = QPoint(0, 0);
}

QPoint HojaImpresion::UnidadesAPixeles(double x, double y) const
{
    return QPoint(RedondearPixel(x * pixelesUnidadX_), RedondearPixel(y * pixelesUnidadY_));
}

void HojaImpresion::LimitarAncho(double x)
{
    ancho_ = std::min(ancho_, UnidadesAPixeles(x, 0).x());
}

void HojaImpresion::IrAXY(double x, double y)
{
    pluma_ = UnidadesAPixeles(x, y);
}

void HojaImpresion::IrAColFila(int col, int fila)
{
    // Integer products, real division: every row lands on its own pixel.
    pluma_ = QPoint(RedondearPixel(static_cast<double>(static_cast<long long>(col) * ancho_) / cols_),
                    RedondearPixel(static_cast<double>(static_cast<long long>(fila) * alto_) / filas_));
}

void HojaImpresion::EscribirTexto(const QString &s)
{
    pagina_.Texto(pluma_.x(), pluma_.y(), s);
}

void HojaImpresion::EscribirCentrado(const QString &s)
{
    pagina_.Texto(pluma_.x() - pagina_.AnchoTexto(s) / 2, pluma_.y(), s);
}

void HojaImpresion::EscribirDerecha(const QString &s)
{
    pagina_.Texto(pluma_.x() - pagina_.AnchoTexto(s), pluma_.y(), s);
}

void HojaImpresion::RectanguloMarco(double x1, double y1, double x2, double y2)
{
    const QPoint a = UnidadesAPixeles(x1, y1);
    const QPoint b = UnidadesAPixeles(x2, y2);
    pluma_ = a;
    pagina_.Rectangulo(a.x(), a.y(), b.x(), b.y());
}

void HojaImpresion::ElipseImpresion(double x1, double y1, double x2, double y2)
{
    const QPoint a = UnidadesAPixeles(x1, y1);
    const QPoint b = UnidadesAPixeles(x2, y2);
    pluma_ = a;
    pagina_.Elipse(a.x(), a.y(), b.x(), b.y());
}

QRect HojaImpresion::RectanguloImpresion(double x1, double y1, double x2, double y2) const
{
    const QPoint a = UnidadesAPixeles(x1, y1);
    const QPoint b = UnidadesAPixeles(x2, y2);
    // QRect keeps right and bottom inside; the page takes them as far edges.
    return QRect(a, QPoint(b.x() - 1, b.y() - 1));
}

void HojaImpresion::ImprimirBitmap(const QRect &r, const QImage &imagen)
{
    pagina_.Imagen(r.left(), r.top(), r.right() + 1, r.bottom() + 1, imagen);
}

void HojaImpresion::Fuente(const QString &familia)
{
    familia_ = familia;
    AplicarFuente();
}

void HojaImpresion::Tamano(int puntos)
{
    puntos_ = puntos;
    AplicarFuente();
}

void HojaImpresion::Negrita(bool negrita)
{
    negrita_ = negrita;
    AplicarFuente();
}

void HojaImpresion::AplicarFuente()
{
    pagina_.PonerFuente(familia_, puntos_, negrita_);
}

} // namespace norvela
