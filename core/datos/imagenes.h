// Pictures of the data folder: Windows bitmaps whatever their extension.
// The file is checked against its own header before Qt decodes it: Qt
// gives a full-size picture for a cut-off file, with garbage in the rows it
// could not read.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace norvela {

class Enlace;

// No picture of the data folder is drawn larger than a screen.
inline constexpr QSize kImagenMaxima{1024, 768};

// The size a bitmap's header gives, when the file holds everything the
// header announces (file size, pixel rows); nullopt for a file that is not
// a bitmap, is cut short or has no pixels.
std::optional<QSize> TamanoBmp(const QByteArray &bytes);

// Reads the picture into `imagen`. False, leaving `imagen` as it was, when
// the file is missing, unreadable, cut short, larger than kImagenMaxima or,
// when `tamano` is valid, of another size.
bool CargarImagen(const QString &ruta, QImage &imagen, QSize tamano = {});

// As CargarImagen; a picture that cannot be used is a missing file:
// "Faltan ficheros (" + ruta + "). Vuelva a instalar el programa" and
// ErrorFicheros.
bool CargarImagenObligatoria(Enlace &e, const QString &ruta, QImage &imagen, QSize tamano = {});

} // namespace norvela
