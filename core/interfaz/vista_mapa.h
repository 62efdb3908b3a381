// A map picture the mouse explores, as the region-map window of the degrees
// screen and the maps of the FP screens show it: it reports the pixel under
// the mouse and clicks, keeps a canvas the pulsing markers are drawn on
// until the map is redrawn from its picture, and places the window's hover
// label by the mouse.
#pragma once

#include "mapa_estrellas_pulso.h"
#include "textos_propios.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

class QLabel;

namespace norvela {

struct DatosLugares;

// Where a window shows its hover label and how: the label belongs to the
// window (several maps of one window may share it); its corner goes to the
// pixel under the mouse moved by `desplazamiento`.
// The yellow label that names the region under the mouse: bold 8 pt Arial
// in a box, `ancho` wide, hidden until the mouse is over the map; the mouse
// passes through it.
QLabel *EtiquetaPistaMapa(QWidget *padre, int ancho);

struct PistaMapa {
    QLabel *etiqueta = nullptr;
    QPoint desplazamiento;
    // Keeps the label this far from the window's right edge; below 0, never moved.
    int margenDerecho = -1;
    // A text wider than the label widens it.
    bool anchoDelTexto = false;
    // An empty text hides the label (else it stays shown, empty).
    bool ocultarSinTexto = false;
};

class VistaMapa : public QWidget {
    Q_OBJECT
public:
    // The picture is shown `escala` times its size; positions stay the picture's.
    // A null picture shows a white 281 x 196 canvas. `nombre` is the object
    // name; screen readers say `nombreAccesible`, what the map shows.
    VistaMapa(QWidget *padre, const QImage &imagen, const QString &nombre, const QString &nombreAccesible,
              double escala = 1.0);

    // The canvas back to the plain picture (the markers go).
    void Redibujar();
    // One tick of the markers of the marked communities.
    void TicEstrellas(DatosLugares &d);
    // Where pixel (x, y) of the picture is shown on the widget (its centre).
    QPoint PuntoDe(int x, int y) const;

    void PonerPista(const PistaMapa &pista) { pista_ = pista; }
    // The hover label with `texto` by pixel (x, y), at least `ancho` wide.
    void MostrarPista(int x, int y, const QString &texto, int ancho);

    const QImage &Lienzo() const { return lienzo_; }
    const PincelEstrellas &Pincel() const { return pincel_; }

signals:
    // Pixel (x, y) of the picture under the mouse.
    void movido(int x, int y);
    // A click; `movido` has reported its pixel just before.
    void pulsado();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    const QImage &imagen_;
    QImage lienzo_;
    PincelEstrellas pincel_;
    double escala_;
    PistaMapa pista_;

    QPoint Pixel(const QPointF &p) const;
};

} // namespace norvela
