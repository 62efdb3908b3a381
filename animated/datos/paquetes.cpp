#include "paquetes.h"

#include <QResource>

namespace norvela {

namespace {

// Where each pack's pictures appear while it is registered.
const QString kRaiz[2] = {QStringLiteral("/norvela-segdxg1"), QStringLiteral("/norvela-vector")};

QImage LeerImagen(const QString &ruta)
{
    const QResource recurso(ruta);
    if (!recurso.isValid())
        return {};
    if (recurso.compressionAlgorithm() != QResource::NoCompression) {
        const QByteArray datos = recurso.uncompressedData();
        return DecodificarImagenPaquete(datos.constData(), datos.size());
    }
    return DecodificarImagenPaquete(reinterpret_cast<const char *>(recurso.data()), recurso.size());
}

} // namespace

QString CargarPaquetesEscena(const QString &segdxg, const QString &vector, ImagenesEscena &imagenes)
{
    const QString ficheros[2] = {segdxg, vector};
    ImagenesEscena leidas;
    const std::vector<EntradaPaquete> entradas = EntradasPaquetes(leidas);
    for (int paquete = 0; paquete < 2; ++paquete) {
        if (!QResource::registerResource(ficheros[paquete], kRaiz[paquete]))
            return ficheros[paquete];
        bool completo = true;
        for (const EntradaPaquete &entrada : entradas) {
            if (entrada.paquete != paquete)
                continue;
            *entrada.destino = LeerImagen(QStringLiteral(":") + kRaiz[paquete] + '/' + entrada.nombre);
            completo = completo && !entrada.destino->isNull();
        }
        QResource::unregisterResource(ficheros[paquete], kRaiz[paquete]);
        if (!completo)
            return ficheros[paquete];
    }
    imagenes = std::move(leidas);
    return {};
}

} // namespace norvela
