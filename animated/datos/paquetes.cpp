#include "paquetes.h"

#include "paquete_imagenes.h"

namespace norvela {

QString CargarPaquetesEscena(const QString &segdxg, const QString &vector, ImagenesEscena &imagenes)
{
    const QString ficheros[2] = {segdxg, vector};
    ImagenesEscena leidas;
    const std::vector<EntradaPaquete> entradas = EntradasPaquetes(leidas);
    for (int paquete = 0; paquete < 2; ++paquete) {
        PaqueteImagenes p;
        if (!p.Leer(ficheros[paquete]))
            return ficheros[paquete];
        for (const EntradaPaquete &entrada : entradas) {
            if (entrada.paquete != paquete)
                continue;
            // A picture of another size would leave gaps or smears on the scene.
            *entrada.destino = p.Imagen(entrada.nombre, entrada.tamano);
            if (entrada.destino->isNull())
                return ficheros[paquete];
        }
    }
    imagenes = std::move(leidas);
    return {};
}

} // namespace norvela
