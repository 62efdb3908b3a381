// Which addresses the screens may hand to the desktop: web pages (http or
// https, with a host) and the PDF documents of the data folder's "pdf" and
// "pdf/est" folders. Anything else, any other file, or an address taken
// from a data file with another scheme, is refused.
#pragma once

#include <QString>
#include <QUrl>

namespace norvela {

bool DireccionPermitida(const QUrl &url, const QString &rutaDatos);

} // namespace norvela
