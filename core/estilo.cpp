#include "estilo.h"

#include "paleta.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace norvela {

void AplicarEstilo(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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
    p.setColor(QPalette::ToolTipBase, paleta::ColorMarfil);
    p.setColor(QPalette::ToolTipText, Qt::black);
    app.setPalette(p);
    QFont fuente(QStringLiteral("Arial"), 9);
    app.setFont(fuente);
}

} // namespace norvela
