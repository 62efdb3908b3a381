#include "etiquetas.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace norvela {

namespace {

// A label that acts as a button where the pointing hand says it is one;
// otherwise a picture or a text, as any label.
class EtiquetaActivaAccesible : public QAccessibleWidget {
public:
    explicit EtiquetaActivaAccesible(EtiquetaActiva *e) : QAccessibleWidget(e) {}

    EtiquetaActiva *Etiqueta() const { return static_cast<EtiquetaActiva *>(widget()); }
    bool Pulsable() const { return Etiqueta()->cursor().shape() == Qt::PointingHandCursor; }
    // Whether a click could land on it: a veil or a panel over the whole of
    // it (an open settings panel, say) takes the mouse, and so the press.
    bool Alcanzable() const
    {
        const EtiquetaActiva *e = Etiqueta();
        const QWidget *ventana = e->window();
        const QRect r = e->rect().adjusted(2, 2, -2, -2);
        for (const QPoint p : {r.center(), r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const QWidget *arriba = ventana->childAt(e->mapTo(ventana, p));
            if (arriba == e || e->isAncestorOf(arriba))
                return true;
        }
        return false;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (Pulsable() && !Alcanzable())
            s.disabled = true;
        return s;
    }

    QAccessible::Role role() const override
    {
        if (Pulsable())
            return QAccessible::Button;
        return Etiqueta()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && Etiqueta()->accessibleName().isEmpty()) {
            // A caption broken over lines is spoken as one line.
            return UnaLinea(Etiqueta()->text(), Etiqueta()->ConGuion);
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return Pulsable() && Alcanzable() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString &accion) override
    {
        if (accion == pressAction() && Pulsable()) {
            if (Alcanzable())
                Etiqueta()->Pulsar();
        }
        else
            QAccessibleWidget::doAction(accion);
    }
};

QAccessibleInterface *FabricaEtiquetas(const QString &clase, QObject *objeto)
{
    if (clase == QLatin1String(EtiquetaActiva::staticMetaObject.className()))
        return new EtiquetaActivaAccesible(static_cast<EtiquetaActiva *>(objeto));
    return nullptr;
}

} // namespace

QString UnaLinea(const QString &texto, const std::function<bool(const QString &)> &conGuion)
{
    const QStringList lineas = texto.split(QLatin1Char('\n'));
    QString una = lineas.front();
    for (qsizetype i = 1; i < lineas.size(); ++i) {
        const QString &sigue = lineas[i];
        if (!una.endsWith(QLatin1Char('-'))) {
            una += QLatin1Char(' ') + sigue;
            continue;
        }
        // The word as written with the hyphen: its start on this line and
        // its end on the next (a hyphen closing that line breaks it again).
        QString palabra = una.mid(una.lastIndexOf(QLatin1Char(' ')) + 1) + sigue.section(QLatin1Char(' '), 0, 0);
        if (palabra.endsWith(QLatin1Char('-')))
            palabra.chop(1);
        if (!conGuion || !conGuion(palabra))
            una.chop(1);
        una += sigue;
    }
    return una;
}

EtiquetaActiva::EtiquetaActiva(QWidget *padre) : QLabel(padre)
{
    static const bool instalada = (QAccessible::installFactory(FabricaEtiquetas), true);
    (void)instalada;
    setMouseTracking(true);
}

void EtiquetaActiva::Pulsar()
{
    emit soltado();
    emit clic();
}

void EtiquetaActiva::PonerColorTexto(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void EtiquetaActiva::PonerColorFondo(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

QColor EtiquetaActiva::ColorTexto() const
{
    return palette().color(QPalette::WindowText);
}

QColor EtiquetaActiva::ColorFondo() const
{
    return palette().color(QPalette::Window);
}

void EtiquetaActiva::mouseReleaseEvent(QMouseEvent *evento)
{
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        Pulsar();
}

void EtiquetaActiva::mouseMoveEvent(QMouseEvent *evento)
{
    QLabel::mouseMoveEvent(evento);
    emit movido();
}

EtiquetaSombreada::EtiquetaSombreada(const QString &texto, QWidget *padre) : QLabel(texto, padre) {}

void EtiquetaSombreada::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect();
    p.setPen(colorSombra);
    p.drawText(r.translated(1, 1), int(alignment()), text());
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, int(alignment()), text());
}

QPixmap TransparentePorEsquina(const QImage &imagen)
{
    if (imagen.isNull())
        return {};
    QImage conAlfa = imagen.convertToFormat(QImage::Format_ARGB32);
    const QRgb clave = conAlfa.pixel(0, conAlfa.height() - 1);
    for (int y = 0; y < conAlfa.height(); ++y) {
        auto *fila = reinterpret_cast<QRgb *>(conAlfa.scanLine(y));
        for (int x = 0; x < conAlfa.width(); ++x)
            if (fila[x] == clave)
                fila[x] = 0;
    }
    return QPixmap::fromImage(conAlfa);
}

namespace {

bool Cabe(const QString &texto, const QFont &fuente, const QSize &caja)
{
    const QRect r = QFontMetrics(fuente).boundingRect(QRect(0, 0, caja.width(), 100000),
                                                       Qt::AlignHCenter | Qt::TextWordWrap, texto);
    return r.width() <= caja.width() && r.height() <= caja.height();
}

} // namespace

bool TextoCabe(const QLabel *etiqueta, const QFont &fuente)
{
    return Cabe(etiqueta->text(), fuente, etiqueta->contentsRect().size());
}

void AjustarFuenteAlTexto(QLabel *etiqueta, int anchoMaximo, qreal legible, qreal minimo)
{
    etiqueta->setWordWrap(true);
    QFont fuente = etiqueta->font();
    const auto reducir = [&](qreal limite) {
        while (!TextoCabe(etiqueta, fuente) && fuente.pointSizeF() - 0.5 >= limite)
            fuente.setPointSizeF(fuente.pointSizeF() - 0.5);
    };
    reducir(legible);
    // Wider about its centre rather than unreadably small, when that is enough.
    const int centro = etiqueta->geometry().center().x();
    const QSize maximo(anchoMaximo - (etiqueta->width() - etiqueta->contentsRect().width()),
                       etiqueta->contentsRect().height());
    const bool ensanchar = !TextoCabe(etiqueta, fuente) && Cabe(etiqueta->text(), fuente, maximo);
    while (ensanchar && !TextoCabe(etiqueta, fuente) && etiqueta->width() + 2 <= anchoMaximo) {
        const int ancho = etiqueta->width() + 2;
        etiqueta->setGeometry(centro - (ancho - 1) / 2, etiqueta->y(), ancho, etiqueta->height());
    }
    reducir(minimo);
    etiqueta->setFont(fuente);
}

} // namespace norvela
