#include "idioma_qt.h"

#include "enlace.h"
#include "mensajes_pantalla.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace norvela {

QString LocaleDeCarpeta(const QString &carpetaIdioma)
{
    if (carpetaIdioma.startsWith(QLatin1String("cas")))
        return QStringLiteral("es");
    if (carpetaIdioma.startsWith(QLatin1String("catVal")))
        return QStringLiteral("ca");
    if (carpetaIdioma.startsWith(QLatin1String("galego")))
        return QStringLiteral("gl");
    if (carpetaIdioma.startsWith(QLatin1String("euskera")))
        return QStringLiteral("eu");
    return {};
}

bool PonerIdiomaQt(Enlace &e)
{
    if (auto *cajas = dynamic_cast<MensajesPantalla *>(&e.Avisos()))
        cajas->PonerBotones(e.Texto(141), e.Texto(140));

    // Qt adds the application's display name to every window caption that
    // does not already end with it; the screens' captions are complete
    // ("Calmirex" on the main menu), so there is none to add.
    QGuiApplication::setApplicationDisplayName(QStringLiteral(""));

    static std::unique_ptr<QTranslator> traductor;
    if (traductor) {
        QCoreApplication::removeTranslator(traductor.get());
        traductor.reset();
    }
    const QString locale = LocaleDeCarpeta(e.CarpetaIdioma);
    if (locale.isEmpty())
        return false;
    // Qt has no Galician or Basque translation; Castilian, co-official where
    // those are spoken, reads better to these users than Qt's English.
    auto nuevo = std::make_unique<QTranslator>();
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!nuevo->load(QStringLiteral("qt_") + locale, carpeta) && !nuevo->load(QStringLiteral("qt_es"), carpeta))
        return false;
    QCoreApplication::installTranslator(nuevo.get());
    traductor = std::move(nuevo);
    return true;
}

} // namespace norvela
