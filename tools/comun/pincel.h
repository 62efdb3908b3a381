// Palette and small drawing helpers shared by every picture, so that all of
// them keep one look: flat colours, a soft top light and a thin darker outline.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace dibujo {

// The program's palette.
inline const QColor fondo{223, 236, 249};
inline const QColor crema{255, 239, 206};
inline const QColor marfil{255, 255, 225};
inline const QColor coral{231, 90, 94};
inline const QColor granate{128, 0, 0};
inline const QColor marino{0, 0, 128};
inline const QColor cielo{0, 169, 251};

// Colours the pictures share beyond the palette.
inline const QColor pared{246, 224, 184};      // corridor wall, also behind the hanging sign
inline const QColor madera{196, 134, 82};
inline const QColor maderaOscura{128, 78, 44};
inline const QColor maderaPuerta{178, 112, 62};  // the leaves of the corridor doors
inline const QColor tinta{62, 52, 70};         // outlines of faces and fine details
inline const QColor blanco{255, 255, 255};

// Linear mix: t = 0 gives a, t = 1 gives b.
QColor mezcla(const QColor &a, const QColor &b, double t);
QColor luz(const QColor &c, double t = 0.35);     // towards white
QColor sombra(const QColor &c, double t = 0.3);   // towards black
QColor conAlfa(QColor c, int alfa);

// An opaque canvas filled with one colour (the BMP files carry no alpha).
QImage lienzo(int ancho, int alto, const QColor &color);

// A fully transparent canvas, for the PNG pictures laid over others.
QImage transparente(int ancho, int alto);

// Antialiased painter on the image.
void preparar(QPainter &p);

// Fills the path with the colour lit softly from above and outlines it
// with a darker shade of the same colour.
void pieza(QPainter &p, const QPainterPath &forma, const QColor &color, qreal borde = 1.0);
void pieza(QPainter &p, const QRectF &caja, qreal radio, const QColor &color, qreal borde = 1.0);
void ovalo(QPainter &p, const QRectF &caja, const QColor &color, qreal borde = 1.0);

// Flat fill, no outline.
void plano(QPainter &p, const QPainterPath &forma, const QColor &color);

// A blurred elliptic shadow, as if the object stood on the ground.
void sombraSuelo(QPainter &p, const QRectF &caja, int alfa = 60);

// A rounded-rectangle path, shorter to write than the QPainterPath dance.
QPainterPath redondeado(const QRectF &caja, qreal radio);

// A small white highlight stroke that makes glossy things read as round.
void brillo(QPainter &p, const QRectF &caja, int alfa = 150);

} // namespace dibujo
