// Start-up options over the data folder the build writes, for the tests that
// run on the shipped data. Each test names its own settings folder, so no
// test reads the settings another one wrote.
#pragma once

#include "enlace.h"

#include <QDir>
#include <QString>

namespace norvela::pruebas {

// `idioma` 0..3 chooses the interface language for the run ("N" k); a
// negative one leaves the command line empty.
inline OpcionesInicio OpcionesEntregadas(const QString &nombre, int idioma = -1)
{
    OpcionesInicio o;
    o.rutaPrograma = QDir(QStringLiteral(NORVELA_DATOS_ENTREGADOS)).absoluteFilePath(QStringLiteral(".."));
    o.carpetaUsuario = QDir::tempPath() + QStringLiteral("/norvela-pruebas-") + nombre;
    if (idioma >= 0)
        o.argumentos = {QStringLiteral("N"), QString::number(idioma)};
    return o;
}

} // namespace norvela::pruebas
