// Writes the PDF documents of the data folder: the universities' subject
// weightings in "pdf" and the documents the screens open by name in "pdf/est".
#include "documentos.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

// Every file written must be a PDF: its first bytes are "%PDF".
int Comprobar(const QDir &carpeta, const QStringList &fallos)
{
    int errores = 0;
    for (const QString &f : fallos) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(carpeta.filePath(f)));
        ++errores;
    }
    for (const QString &f : carpeta.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
        QFile fichero(carpeta.filePath(f));
        if (!fichero.open(QIODevice::ReadOnly) || fichero.read(4) != "%PDF") {
            std::fprintf(stderr, "%s: not a PDF\n", qPrintable(fichero.fileName()));
            ++errores;
        }
    }
    return errores;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: escribir_pdfs DATA_FOLDER\n");
        return 2;
    }
    const QDir datos(QString::fromLocal8Bit(argv[1]));
    const QDir pdf(datos.filePath(QStringLiteral("pdf")));
    const QDir est(pdf.filePath(QStringLiteral("est")));
    if (!QDir().mkpath(est.path())) {
        std::fprintf(stderr, "%s: cannot create the folder\n", qPrintable(est.path()));
        return 1;
    }
    const int errores =
        Comprobar(pdf, pdfs::EscribirPonderaciones(pdf)) + Comprobar(est, pdfs::EscribirEstudios(est));
    return errores == 0 ? 0 : 1;
}
