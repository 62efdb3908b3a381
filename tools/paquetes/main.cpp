// Draws the pictures of the animated home screen and writes each pack's
// pictures into its own folder with the resource list that packs them:
// OUT/segdxg1/segdxg1.qrc and OUT/vector/vector.qrc. The build then turns
// each list into a binary resource file of the data folder.
#include "imagen_paquete.h"
#include "paquetes.h"
#include "recursos.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

using namespace norvela;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dibujar_paquetes OUTPUT_FOLDER\n");
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

    const char *paquetes[2] = {"segdxg1", "vector"};
    QByteArray listas[2];
    for (int i = 0; i < 2; ++i) {
        if (!salida.mkpath(QString::fromLatin1(paquetes[i]))) {
            std::fprintf(stderr, "%s: cannot create the folder\n", argv[1]);
            return 1;
        }
        listas[i] = "<RCC>\n  <qresource prefix=\"/\">\n";
    }
    int fallos = 0;
    for (const EntradaPaquete &e : EntradasPaquetes(im)) {
        const QString carpeta = QString::fromLatin1(paquetes[e.paquete]);
        QFile f(salida.filePath(carpeta + '/' + e.nombre + QStringLiteral(".nvp")));
        // The screen refuses a picture of another size than its scene's.
        if (e.destino->size() != e.tamano) {
            std::fprintf(stderr, "%s: drawn at a size the scene does not use\n", qPrintable(e.nombre));
            ++fallos;
        } else if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || f.write(CodificarImagenPaquete(*e.destino)) < 0) {
            std::fprintf(stderr, "%s: cannot write\n", qPrintable(f.fileName()));
            ++fallos;
        }
        listas[e.paquete] += "    <file alias=\"" + e.nombre.toLatin1() + "\">" + e.nombre.toLatin1() + ".nvp</file>\n";
    }
    for (int i = 0; i < 2; ++i) {
        listas[i] += "  </qresource>\n</RCC>\n";
        const QString nombre = QString::fromLatin1(paquetes[i]);
        QFile f(salida.filePath(nombre + '/' + nombre + QStringLiteral(".qrc")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(listas[i]) < 0)
            ++fallos;
    }
    return fallos == 0 ? 0 : 1;
}
