// Turns the UTF-8 sources under data/ into the program's data folder:
// Windows-1252 text with CR LF line ends. A character that Windows-1252
// cannot hold stops the build, naming the file and the line.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <cstdio>

namespace {

bool convertir(const QString &origen, const QString &destino)
{
    QFile entrada(origen);
    if (!entrada.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", qPrintable(origen));
        return false;
    }
    const QByteArray bytes = entrada.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8(bytes);
    if (utf8.hasError()) {
        std::fprintf(stderr, "%s: not valid UTF-8\n", qPrintable(origen));
        return false;
    }
    texto.remove(QChar('\r'));
    QStringList lineas = texto.split(QChar('\n'));
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast();   // the final LF ends the last line, it does not start a new one

    QByteArray salida;
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        QStringEncoder cp1252("windows-1252");
        const QByteArray linea = cp1252(lineas[i]);
        if (!cp1252.isValid() || cp1252.hasError() || linea.size() != lineas[i].size()) {
            std::fprintf(stderr, "%s:%lld: character not in Windows-1252\n", qPrintable(origen),
                         static_cast<long long>(i + 1));
            return false;
        }
        salida += linea;
        salida += "\r\n";
    }
    // The program refuses a data file that reads as UTF-8 with bytes above
    // 127 (someone saved it again in UTF-8): a text whose Windows-1252 bytes
    // happen to read so must not ship.
    QStringDecoder comoUtf8(QStringDecoder::Utf8);
    const QString leido = comoUtf8(salida);   // decoding happens here
    if (!comoUtf8.hasError() && std::any_of(salida.cbegin(), salida.cend(), [](char c) { return (c & 0x80) != 0; })) {
        std::fprintf(stderr, "%s: its Windows-1252 text reads as UTF-8, which the program refuses\n", qPrintable(origen));
        return false;
    }
    QDir().mkpath(QFileInfo(destino).absolutePath());
    QSaveFile fichero(destino);
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || fichero.write(salida) != salida.size() || !fichero.commit()) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(destino));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: codificar_datos SOURCE_DIR DATA_DIR\n");
        return 2;
    }
    const QDir origen(args[1]);
    bool ok = true;
    QDirIterator it(origen.absolutePath(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        const QString relativa = origen.relativeFilePath(ruta);
        if (relativa == "CMakeLists.txt")
            continue;
        ok = convertir(ruta, QDir(args[2]).filePath(relativa)) && ok;
    }
    return ok ? 0 : 1;
}
