// Which addresses the screens may hand to the desktop: web pages (http or
// https, with a host) and files inside the data folder. Anything else, a
// file outside it, or an address taken from a data file with another scheme,
// is refused.
#pragma once

#include <QString>
#include <QUrl>

namespace norvela {

bool DireccionPermitida(const QUrl &url, const QString &rutaDatos);

} // namespace norvela
