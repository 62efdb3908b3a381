// What Qt words itself speaks the interface language of the run: the
// buttons of the question box, and Qt's own dialogs (print, files) where
// Qt's translations are installed.
#pragma once

#include <QString>

namespace norvela {

class Enlace;

// Qt's locale name for a language folder ("cas/" -> "es"), empty when unknown.
QString LocaleDeCarpeta(const QString &carpetaIdioma);

// Installs Qt's translation of the run's language, or Castilian's where Qt
// has none (replacing an earlier one), gives the question box texts 141 and 140 as its Yes and No, and
// leaves every window's caption as its screen sets it. True when a Qt
// translation was found.
bool PonerIdiomaQt(Enlace &e);

} // namespace norvela
