#include "estilo.h"

#include "hintU.h"
#include "paleta.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>

namespace norvela {

namespace {

// Fusion, with the program's own delay before a hint shows.
class EstiloNorvela : public QProxyStyle {
public:
    EstiloNorvela() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int styleHint(StyleHint hint, const QStyleOption *opcion, const QWidget *widget,
                  QStyleHintReturn *respuesta) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return GestorHints::Instancia().PausaHint;
        return QProxyStyle::styleHint(hint, opcion, widget, respuesta);
    }
};

} // namespace

void AplicarEstilo(QApplication &app)
{
    app.setStyle(new EstiloNorvela);
    GestorHints::Instancia().Instalar(app);
    QPalette p = app.style()->standardPalette();
    p.setColor(QPalette::Window, paleta::ColorFondo);
    p.setColor(QPalette::WindowText, paleta::ColorTexto);
    p.setColor(QPalette::Base, paleta::ColorBlanco);
    p.setColor(QPalette::AlternateBase, paleta::ColorCrema);
    p.setColor(QPalette::Text, Qt::black);
    p.setColor(QPalette::Button, QColor(236, 242, 250));
    p.setColor(QPalette::ButtonText, paleta::ColorTitulo);
    p.setColor(QPalette::Highlight, paleta::ColorTitulo);
    p.setColor(QPalette::HighlightedText, paleta::ColorBlanco);
    p.setColor(QPalette::ToolTipBase, GestorHints::Instancia().ColorHint);
    p.setColor(QPalette::ToolTipText, Qt::black);
    app.setPalette(p);
    // The settings panel's rounded hand-written look, with a free font.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont fuente(QStringLiteral("Arial"), 9);
    app.setFont(fuente);
}

} // namespace norvela
