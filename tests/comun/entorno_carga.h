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

// The program's start-up over a fixture folder, its messages recorded.
struct Iniciado {
    explicit Iniciado(const CarpetaPrueba &c, QStringList argumentos = {}) : e(m)
    {
        OpcionesInicio o;
        o.rutaPrograma = c.Programa();
        o.argumentos = std::move(argumentos);
        o.carpetaUsuario = c.Programa() + QStringLiteral("usuario");
        Inicializar(e, o);
    }
    MensajesRegistrados m;
    Enlace e;
};

} // namespace norvela::pruebas
