// One function per picture of the data folder. Each returns the finished
// image at its final size; main.cpp saves them as 24-bit BMP files.
#pragma once

#include <QImage>

namespace dibujo {

QImage chica();          // logo: the girl student (70 x 110)
QImage parte();          // one bay of the main menu corridor, without its door (171 x 340)
QImage helicoptero();    // the assistant's helicopter (120 x 60)
QImage suelo();          // background tile of the screens (64 x 64)
QImage marcoDerecho();   // right side frame strip (24 x 64)
QImage marcoIzquierdo(); // left side frame strip, mirror of the right one
QImage marcoSuperior();  // top frame band (1024 x 50)
QImage rotulo();         // the "leave studying" sign of the main menu (97 x 57)
QImage escena();         // owl on books at the foot of the menu wall (124 x 92)

} // namespace dibujo
