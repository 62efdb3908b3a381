// Hands a web page or a document of the data folder to the desktop's own
// handler. Nothing goes through a command line: an address is checked and
// opened as an address, never run.
#pragma once

#include <QString>
#include <QUrl>

namespace norvela {

class Mensajes;

// Where an address the desktop could not open (no browser, no PDF viewer) is
// told to the user, with the address; start-up points it at the program's
// message boxes. Without it a failure is only returned.
void AvisarEnlacesFallidosCon(Mensajes *mensajes);

// Opens `url` when it is an http/https page or a PDF document of the
// "pdf" or "pdf/est" folder of `rutaDatos`; false, opening nothing,
// otherwise or when the desktop has no handler. The user is told when the
// desktop fails, and when a document is refused.
bool AbrirDireccion(const QUrl &url, const QString &rutaDatos);

// A file of the data folder by its path, e.g. RutaDatos + "pdf/est/Becas.pdf".
bool AbrirFichero(const QString &ruta, const QString &rutaDatos);

// A web address as the data files write it: taken as http when it names no
// scheme ("www.ub.edu"); other schemes are refused.
bool AbrirWeb(const QString &direccion, const QString &rutaDatos);

} // namespace norvela
