// Shared pieces of the 30 x 30 study icons: their colours and a few shapes
// more than one icon uses. Every icon draws in 30 x 30 units on a
// transparent canvas, with the same soft shading and thin outline.
#pragma once

#include "pincel.h"

#include <initializer_list>

namespace dibujo::icon {

inline const QColor rojo{226, 72, 72};
inline const QColor naranja{245, 150, 60};
inline const QColor amarillo{250, 204, 80};
inline const QColor oro{232, 178, 50};
inline const QColor verde{104, 180, 90};
inline const QColor azul{66, 140, 220};
inline const QColor morado{140, 110, 200};
inline const QColor metal{150, 160, 176};
inline const QColor terracota{214, 110, 70};
inline const QColor gris{96, 104, 120};

// A stroke with a darker rim, for handles, legs and other thin parts.
void trazo(QPainter &p, const QPainterPath &camino, qreal grosor, const QColor &color);
void trazo(QPainter &p, std::initializer_list<QPointF> puntos, qreal grosor, const QColor &color);

// A toothed wheel with a hole in the middle.
void engranaje(QPainter &p, QPointF centro, qreal radio, int dientes, const QColor &color);

// An open-ended spanner from `mango` (end of the handle) to `boca` (the jaw).
void llave(QPainter &p, QPointF mango, QPointF boca, qreal grosor, const QColor &color);

// A little person seen from the front, feet at y `pie`.
void persona(QPainter &p, qreal x, qreal pie, qreal alto, const QColor &ropa);

// The icons, by meaning; iconos.cpp puts them in the program's order.
void mecanica(QPainter &p);
void agraria(QPainter &p);
void administracion(QPainter &p);
void comercio(QPainter &p);
void extractivas(QPainter &p);
void vehiculos(QPainter &p);
void artesania(QPainter &p);
void informatica(QPainter &p);
void sociocultural(QPainter &p);
void sanidad(QPainter &p);
void hosteleria(QPainter &p);
void alimentarias(QPainter &p);
void quimica(QPainter &p);
void edificacion(QPainter &p);
void deporte(QPainter &p);
void graficas(QPainter &p);
void electricidad(QPainter &p);
void energia(QPainter &p);
void instalacion(QPainter &p);
void imagenSonido(QPainter &p);
void imagenPersonal(QPainter &p);
void maderaMueble(QPainter &p);
void maritima(QPainter &p);
void seguridad(QPainter &p);
void textil(QPainter &p);
void vidrio(QPainter &p);
void todas(QPainter &p);

void universidad(QPainter &p);
void lugar(QPainter &p);
void redes(QPainter &p);
void atencionPersonas(QPainter &p);
void periodico(QPainter &p);
void calendario(QPainter &p);
void teatro(QPainter &p);
void estrella(QPainter &p);
void idea(QPainter &p);
void pregunta(QPainter &p);
void libro(QPainter &p);
void derecho(QPainter &p);
void microscopio(QPainter &p);
void ingenieria(QPainter &p);
void corazon(QPainter &p);
void atomo(QPainter &p);
void trofeo(QPainter &p);

} // namespace dibujo::icon
