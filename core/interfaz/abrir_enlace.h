// Hands a web page or a document of the data folder to the desktop's own
// handler. Nothing goes through a command line: an address is checked and
// opened as an address, never run.
#pragma once

#include <QString>
#include <QUrl>

namespace norvela {

// Opens `url` when it is an http/https page or a file inside `rutaDatos`;
// false, opening nothing, otherwise or when the desktop has no handler.
bool AbrirDireccion(const QUrl &url, const QString &rutaDatos);

// A file of the data folder by its path, e.g. RutaDatos + "pdf/est/Becas.pdf".
bool AbrirFichero(const QString &ruta, const QString &rutaDatos);

// A web address as the data files write it: taken as http when it names no
// scheme ("www.ub.edu"); other schemes are refused.
bool AbrirWeb(const QString &direccion, const QString &rutaDatos);

} // namespace norvela
