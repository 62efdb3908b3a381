// Draws the shared pictures of the data folder and saves them, as the
// program expects them, as 24-bit Windows BMP files in the folder given.
#include "dibujos.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <functional>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dibujar_imagenes DATA_FOLDER\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(carpeta.path())) {
        std::fprintf(stderr, "%s: cannot create the folder\n", argv[1]);
        return 1;
    }

    struct Dibujo {
        const char *fichero;
        std::function<QImage()> dibujar;
    };
    // Some names have no extension: the program opens them as they are.
    const Dibujo dibujos[] = {
        {"chica.bmp", dibujo::chica},
        {"parte", dibujo::parte},
        {"heli.bmp", dibujo::helicoptero},
        {"suelo", dibujo::suelo},
        {"marcod", dibujo::marcoDerecho},
        {"marcoi", dibujo::marcoIzquierdo},
        {"marcoar", dibujo::marcoSuperior},
        {"rotulon.bmp", dibujo::rotulo},
        {"imagen", dibujo::escena},
    };

    int fallos = 0;
    for (const Dibujo &d : dibujos) {
        const QString ruta = carpeta.filePath(QString::fromLatin1(d.fichero));
        // RGB888 makes the writer produce 24 bits per pixel, no alpha.
        const QImage imagen = d.dibujar().convertToFormat(QImage::Format_RGB888);
        if (imagen.isNull() || !imagen.save(ruta, "BMP")) {
            std::fprintf(stderr, "%s: cannot save\n", qPrintable(ruta));
            ++fallos;
        }
    }
    return fallos == 0 ? 0 : 1;
}
