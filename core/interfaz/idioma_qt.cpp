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

    // Qt's Galician translation is partial and it has none for Basque;
    // Castilian, co-official where those are spoken, fills what they lack
    // and reads better to these users than Qt's English. The translator
    // installed last is asked first.
    static std::unique_ptr<QTranslator> traductores[2];
    for (auto &t : traductores)
        if (t) {
            QCoreApplication::removeTranslator(t.get());
            t.reset();
        }
    const QString locale = LocaleDeCarpeta(e.CarpetaIdioma);
    if (locale.isEmpty())
        return false;
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString nombres[2] = {QStringLiteral("qt_es"), QStringLiteral("qt_") + locale};
    bool alguno = false;
    for (int k = locale == QLatin1String("es") ? 1 : 0; k < 2; ++k) {
        auto nuevo = std::make_unique<QTranslator>();
        if (!nuevo->load(nombres[k], carpeta))
            continue;
        QCoreApplication::installTranslator(nuevo.get());
        traductores[k] = std::move(nuevo);
        alguno = true;
    }
    return alguno;
}

} // namespace norvela
