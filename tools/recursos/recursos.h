// One function per kind of embedded picture. Each returns the finished image
// at its final size; main.cpp saves them as PNG files.
#pragma once

#include <QImage>

namespace dibujo {

QImage bienvenida();           // start-up picture: choosing what to study (500 x 500)
QImage caminante(int fase);    // walk cycle of the girl, fase 0..7 (56 x 168, transparent)
QImage puerta(int paso);       // corridor door opening, paso 0 (closed) .. 4 (56 x 168)
QImage bocadillo();            // speech balloon (195 x 140, transparent)
QImage icono(int numero);      // study icon 0..43 (30 x 30, transparent)
QImage iconoPrograma();        // the program's icon on the desktop (128 x 128, transparent)

inline constexpr int fasesCaminante = 8;
inline constexpr int pasosPuerta = 5;
inline constexpr int numeroIconos = 44;

} // namespace dibujo
