// Draws the pictures of the animated home screen and writes the data
// folder's two image packs, OUT/segdxg1.DXG and OUT/vector.DXG, each
// picture an entry stored ready to draw (animated/datos/paquete_imagenes.h).
#include "imagen_lista.h"
#include "imagen_paquete.h"
#include "paquete_imagenes.h"
#include "paquetes.h"
#include "recursos.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

using namespace norvela;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dibujar_paquetes DATA_FOLDER\n");
        return 2;
    }
    const QDir salida(QString::fromLocal8Bit(argv[1]));

    ImagenesEscena im;
    im.fondo = dibujo::fondoEscena();
    for (int i = 0; i < kPasosPuerta; ++i) {
        im.puerta[i] = dibujo::puertaEscena(i);
        im.portal[i] = dibujo::portalEscena(i);
    }
    for (int i = 0; i < kFasesBandera; ++i)
        im.bandera[i] = dibujo::banderaEscena(i);
    for (int i = 0; i < kFasesAndar; ++i)
        im.anda[i] = dibujo::caminante(i);
    for (int i = 0; i < kNubes; ++i)
        im.nube[i] = dibujo::nubeEscena(i);
    for (int i = 0; i < kFasesPajaro; ++i)
        im.pajaro[i] = dibujo::pajaroEscena(i);
    im.autobus = dibujo::autobusEscena();

    // Each pack's pictures, in the scene's order, stored ready to draw: the
    // screen reads them without decoding anything.
    std::vector<std::pair<QString, QByteArray>> entradas[2];
    int fallos = 0;
    for (const EntradaPaquete &e : EntradasPaquetes(im)) {
        // The screen refuses a picture of another size than its scene's.
        if (e.destino->size() != e.tamano) {
            std::fprintf(stderr, "%s: drawn at a size the scene does not use\n", qPrintable(e.nombre));
            ++fallos;
        }
        entradas[e.paquete].emplace_back(e.nombre, CodificarImagenLista(*e.destino));
    }
    const char *paquetes[2] = {"segdxg1.DXG", "vector.DXG"};
    for (int i = 0; i < 2; ++i) {
        const QByteArray bytes = EscribirPaquete(entradas[i]);
        QSaveFile f(salida.filePath(QString::fromLatin1(paquetes[i])));
        if (bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(f.fileName()));
            ++fallos;
        }
    }
    return fallos == 0 ? 0 : 1;
}
