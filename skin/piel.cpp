#include "piel.h"

#include "hintU.h"
#include "paleta.h"

#include <QApplication>
#include <QDynamicPropertyChangeEvent>
#include <QFont>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

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

QPalette PaletaNorvela(const QStyle &estilo)
{
    QPalette p = estilo.standardPalette();
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
    return p;
}

bool Etiquetado(const QObject *objeto)
{
    bool ok = false;
    return objeto->property(kPropiedadTag).toInt(&ok) == TSkinData::DisableTag && ok;
}

QPointer<TSkinData> &Unica()
{
    static QPointer<TSkinData> piel;
    return piel;
}

} // namespace

TSkinData &TSkinData::Iniciar()
{
    if (!Unica())
        Unica() = new TSkinData(*qApp);
    return *Unica();
}

TSkinData *TSkinData::Activa()
{
    return Unica();
}

TSkinData::TSkinData(QApplication &app) : QObject(&app)
{
    // What windows looked like before: a tagged widget keeps it.
    estiloBase_ = QStyleFactory::create(QApplication::style()->name());
    if (estiloBase_)
        estiloBase_->setParent(this);
    paletaBase_ = QApplication::palette();

    estilo_ = new EstiloNorvela;
    QApplication::setStyle(estilo_);
    QApplication::setPalette(PaletaNorvela(*estilo_));
    // The settings panel's rounded hand-written look, with a free font.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));

    app.installEventFilter(this);
    for (QWidget *w : QApplication::allWidgets())
        if (Etiquetado(w))
            Exceptuar(w);
}

void TSkinData::Exceptuar(QWidget *w) const
{
    if (estiloBase_ && w->style() != estiloBase_)
        w->setStyle(estiloBase_);
    // The colours the widget had set stay; every other one is the one it
    // had before the skin, not the skin's.
    QPalette p = w->palette().resolve(paletaBase_);
    p.setResolveMask(~QPalette::ResolveMask(0));
    w->setPalette(p);
}

bool TSkinData::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::Polish:
        // Before the widget's own polish, so it is polished as it was.
        if (objeto->isWidgetType() && Etiquetado(objeto))
            Exceptuar(static_cast<QWidget *>(objeto));
        break;
    case QEvent::DynamicPropertyChange:
        if (objeto->isWidgetType() &&
            static_cast<QDynamicPropertyChangeEvent *>(evento)->propertyName() == kPropiedadTag &&
            Etiquetado(objeto))
            Exceptuar(static_cast<QWidget *>(objeto));
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

} // namespace norvela
