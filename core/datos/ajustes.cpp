#include "ajustes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

namespace norvela {

namespace {

std::optional<Ajustes> LeerDe(const QString &ruta)
{
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    Ajustes a;
    const QList<QByteArray> lineas = f.readAll().split('\n');
    for (QByteArray linea : lineas) {
        linea = linea.trimmed();
        const qsizetype igual = linea.indexOf('=');
        if (igual < 0)
            continue;
        const QByteArray clave = linea.left(igual).trimmed();
        bool ok = false;
        const int valor = linea.mid(igual + 1).trimmed().toInt(&ok);
        if (!ok)
            continue;
        if (clave == "idioma" && valor >= 0 && valor <= 3)
            a.idioma = valor;
        else if (clave == "orden" && (valor == 0 || valor == 1))
            a.orden = valor == 1;
        else if (clave == "animacion" && (valor == 0 || valor == 1))
            a.animacion = valor == 1;
    }
    return a;
}

// A save killed between writing its temporary file and renaming it leaves
// "ajustes.XXXXXX" behind. Only one program runs at a time, so any such file
// is stale.
void QuitarTemporales(const QString &carpeta)
{
    if (carpeta.isEmpty())
        return;
    const QString prefijo = QString::fromLatin1(AlmacenAjustes::kNombre) + '.';
    // An unsorted walk: this runs at every start.
    QDirIterator it(carpeta, {prefijo + QStringLiteral("??????")}, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString ruta = it.next();
        const QString nombre = it.fileName();
        const QStringView resto = QStringView(nombre).mid(prefijo.size());
        if (std::all_of(resto.begin(), resto.end(), [](QChar c) { return c.isLetterOrNumber() && c.unicode() < 128; }))
            QFile::remove(ruta);
    }
}

} // namespace

void AlmacenAjustes::QuitarTemporales() const
{
    norvela::QuitarTemporales(carpetaDatos_);
    norvela::QuitarTemporales(carpetaUsuario_);
}

AlmacenAjustes::AlmacenAjustes(QString carpetaDatos, QString carpetaUsuario)
    : carpetaDatos_(std::move(carpetaDatos)), carpetaUsuario_(std::move(carpetaUsuario))
{
}

bool AlmacenAjustes::CarpetaDatosEscribible() const
{
    const QFileInfo carpeta(carpetaDatos_);
    if (!carpeta.isDir() || !carpeta.isWritable())
        return false;
    const QFileInfo registro(QDir(carpetaDatos_).filePath(kNombre));
    return !registro.exists() || registro.isWritable();
}

QString AlmacenAjustes::Ruta() const
{
    const QString &carpeta = CarpetaDatosEscribible() ? carpetaDatos_ : carpetaUsuario_;
    return QDir(carpeta).filePath(kNombre);
}

Ajustes AlmacenAjustes::Leer() const
{
    QuitarTemporales();
    if (auto a = LeerDe(Ruta()))
        return *a;
    // An installed copy that was never saved: the data folder's record, if any.
    if (auto a = LeerDe(QDir(carpetaDatos_).filePath(kNombre)))
        return *a;
    return {};
}

bool AlmacenAjustes::Grabar(const Ajustes &a) const
{
    QuitarTemporales();
    const QString ruta = Ruta();
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    const QByteArray contenido = "idioma=" + QByteArray::number(a.idioma) + "\r\norden="
                                 + QByteArray::number(a.orden ? 1 : 0) + "\r\nanimacion="
                                 + QByteArray::number(a.animacion ? 1 : 0) + "\r\n";
    QSaveFile f(ruta);
    // Unbuffered, so a short write (disk full, size limit) shows in write()'s
    // result instead of being lost in a buffered flush.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(contenido) != contenido.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace norvela
