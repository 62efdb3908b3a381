// A throw-away program folder holding a copy of the shipped data folder:
// every screen finds the files it loads, and the settings record can be
// written without touching the build's own copy.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

namespace norvela::pruebas {

class CarpetaEntregada {
public:
    CarpetaEntregada()
    {
        const QDir origen(QStringLiteral(NORVELA_DATOS_ENTREGADOS));
        QDirIterator it(origen.path(), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString fichero = it.next();
            const QString destino = Ruta(origen.relativeFilePath(fichero));
            QDir().mkpath(QFileInfo(destino).path());
            QFile::copy(fichero, destino);
        }
    }

    QString Programa() const { return dir_.path() + '/'; }
    QString Ruta(const QString &relativa) const { return Programa() + QStringLiteral("norvela19_20/") + relativa; }
    void EscribirBytes(const QString &relativa, const QByteArray &bytes) const
    {
        QFile f(Ruta(relativa));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

} // namespace norvela::pruebas
