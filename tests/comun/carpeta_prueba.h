// A throw-away program folder with a data folder built from tests/fixtures,
// plus the pictures and the binary map that start-up needs, made here.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace norvela::pruebas {

class CarpetaPrueba {
public:
    // Copies tests/fixtures/<fixture> into the data folder; with `completa`
    // also writes the pictures and a valid "puntos3".
    explicit CarpetaPrueba(const QString &fixture = QStringLiteral("minima"), bool completa = true);

    QString Programa() const { return dir_.path() + '/'; }
    QString Datos() const { return Programa() + QStringLiteral("norvela19_20/"); }
    QString Ruta(const QString &relativa) const { return Datos() + relativa; }

    // Writes a data file from Windows-1252 lines, CR LF.
    void EscribirLineas(const QString &relativa, const std::vector<std::string> &lineas) const;
    void EscribirBytes(const QString &relativa, const QByteArray &bytes) const;
    void Borrar(const QString &relativa) const;

    void EscribirImagenes() const;
    // "puntos3" with value(X, k) for X = 1..281, k = 1..636.
    void EscribirPuntos(const std::function<int32_t(int x, int k)> &valor) const;

    // The value EscribirImagenes/EscribirPuntos use by default.
    static int32_t ValorPorDefecto(int x, int k);

private:
    QTemporaryDir dir_;
};

// The ten pictures start-up loads and the main menu's two.
extern const char *const kImagenes[12];

} // namespace norvela::pruebas
