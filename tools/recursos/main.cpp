// Draws the pictures embedded in the program's windows and saves them, ready
// to draw, in the folder given, icons under iconos/; and the desktop's icon
// of the program as a PNG file.
#include "imagen_lista.h"
#include "recursos.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

int fallos = 0;

void guardar(const QDir &carpeta, const QString &nombre, const QImage &imagen)
{
    const QString ruta = carpeta.filePath(nombre);
    // Pictures with a transparent background keep their alpha; the opaque
    // ones are written as plain RGB.
    const QImage::Format formato =
        imagen.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (imagen.isNull() || !imagen.convertToFormat(formato).save(ruta, "PNG")) {
        std::fprintf(stderr, "%s: cannot save\n", qPrintable(ruta));
        ++fallos;
    }
}

// A picture compiled into the program: `nombre` plus ".nvp", ready to draw.
void incorporar(const QDir &carpeta, const QString &nombre, const QImage &imagen)
{
    QFile f(carpeta.filePath(nombre + QStringLiteral(".nvp")));
    if (imagen.isNull() || !f.open(QIODevice::WriteOnly) || f.write(norvela::CodificarImagenLista(imagen)) < 0) {
        std::fprintf(stderr, "%s: cannot save\n", qPrintable(f.fileName()));
        ++fallos;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dibujar_recursos FOLDER\n");
        return 2;
    }
    const QDir carpeta(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(carpeta.filePath(QStringLiteral("iconos")))) {
        std::fprintf(stderr, "%s: cannot create the folder\n", argv[1]);
        return 1;
    }

    incorporar(carpeta, QStringLiteral("bienvenida"), dibujo::bienvenida());
    for (int n = 0; n < dibujo::fasesCaminante; ++n)
        incorporar(carpeta, QStringLiteral("anda%1").arg(n), dibujo::caminante(n));
    for (int n = 0; n < dibujo::pasosPuerta; ++n)
        incorporar(carpeta, QStringLiteral("puerta%1").arg(n), dibujo::puerta(n));
    incorporar(carpeta, QStringLiteral("bocadillo"), dibujo::bocadillo());
    guardar(carpeta, QStringLiteral("programa.png"), dibujo::iconoPrograma());
    for (int n = 0; n < dibujo::numeroIconos; ++n)
        incorporar(carpeta, QStringLiteral("iconos/icono%1").arg(n, 2, 10, QLatin1Char('0')), dibujo::icono(n));
    return fallos == 0 ? 0 : 1;
}
