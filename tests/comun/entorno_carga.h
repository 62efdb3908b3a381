// What a loader test needs: a fixture folder without pictures, and a fresh
// shared state whose messages are recorded.
#pragma once

#include "carpeta_prueba.h"
#include "enlace.h"

namespace norvela::pruebas {

struct Entorno {
    Entorno() : c(QStringLiteral("minima"), false), e(m) {}
    // Writes a data file and returns its path.
    QString Escribir(const QString &nombre, const std::vector<std::string> &lineas)
    {
        c.EscribirLineas(nombre, lineas);
        return c.Ruta(nombre);
    }
    CarpetaPrueba c;
    MensajesRegistrados m;
    Enlace e;
};

} // namespace norvela::pruebas
