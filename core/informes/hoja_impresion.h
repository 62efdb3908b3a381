// The page-layout toolkit of the report printers: a grid of columns and
// rows over the printable area, positions in inches, a pen that the writing
// routines start from, and the current font. Conversions round to the
// nearest pixel, halves to even.
#pragma once

#include "pagina_informe.h"

#include <QPoint>
#include <QRect>

namespace norvela {

class HojaImpresion {
public:
    explicit HojaImpresion(PaginaInforme &pagina) : pagina_(pagina) {}

    // Reads the page's size and resolution; grid cols x filas; pen at (0, 0).
    void IniciarImpresion(int cols, int filas, double unidadesPorPulgada);
    QPoint UnidadesAPixeles(double x, double y) const;
    // The grid's columns end at x units at the latest, even on a wider page.
    void LimitarAncho(double x);

    void IrAXY(double x, double y);
    void IrAColFila(int col, int fila);
    QPoint Pluma() const { return pluma_; }

    // The pen stays where it was after each of these.
    void EscribirTexto(const QString &s);
    void EscribirCentrado(const QString &s);
    void EscribirDerecha(const QString &s);
    // Width in pixels of s in the current font.
    int AnchoTexto(const QString &s) { return pagina_.AnchoTexto(s); }

    void RectanguloMarco(double x1, double y1, double x2, double y2);
    void ElipseImpresion(double x1, double y1, double x2, double y2);
    // The rectangle in pixels; draws nothing, leaves the pen.
    QRect RectanguloImpresion(double x1, double y1, double x2, double y2) const;
    // The whole picture stretched into r (left, top, right, bottom as in RectanguloImpresion).
    void ImprimirBitmap(const QRect &r, const QImage &imagen);

    // Font name, point size and weight are set one at a time, as the
    // layouts do; each change reaches the page at once.
    void Fuente(const QString &familia);
    void Tamano(int puntos);
    void Negrita(bool negrita);

private:
    void AplicarFuente();

    PaginaInforme &pagina_;
    int ancho_ = 0;
    int alto_ = 0;
    int cols_ = 1;
    int filas_ = 1;
    double pixelesUnidadX_ = 0;
    double pixelesUnidadY_ = 0;
    QPoint pluma_;
    QString familia_;
    int puntos_ = 10;
    bool negrita_ = false;
};

// x rounded to the nearest integer, halves to even. A value that does not
// fit an int is a std::range_error.
int RedondearPixel(double x);

} // namespace norvela
