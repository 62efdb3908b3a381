#include "hintU.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

namespace norvela {

TMonHint::TMonHint() : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TMonHint"));
    setAttribute(Qt::WA_ShowWithoutActivating);
}

QSize TMonHint::CalcHintRect(const QFont &fuente, const QString &hint)
{
    const QFontMetrics medidas(fuente);
    const QRect texto = medidas.boundingRect(QRect(0, 0, kAnchoTexto, 10000), Qt::TextWordWrap, hint);
    // The text's extent plus 6 across and 2 down, then 10 wider and 30 taller.
    return QSize(texto.width() + 6 + 10, texto.height() + 2 + 30);
}

QRegion TMonHint::Forma(const QSize &tamano)
{
    QPainterPath cuerpo;
    cuerpo.addRoundedRect(QRectF(0, 20, tamano.width(), tamano.height() - 20), 15, 15);
    QPainterPath puntero;
    puntero.addPolygon(QPolygonF({QPointF(18, 20), QPointF(23, 0), QPointF(33, 20), QPointF(18, 20)}));
    puntero.setFillRule(Qt::OddEvenFill);
    return QRegion(cuerpo.toFillPolygon().toPolygon()).united(QRegion(puntero.toFillPolygon().toPolygon()));
}

void TMonHint::ActivateHintData(const QPoint &punta, const QString &hint)
{
    texto_ = hint;
    setFont(QApplication::font("QTipLabel"));
    resize(CalcHintRect(font(), hint));
    // The pointer's tip at the point, unless the balloon would leave the
    // screen: near the right edge it moves left, near the bottom it goes
    // above the mouse (the point is 18 pixels below it).
    QPoint donde = punta - QPoint(23, 0);
    const QScreen *pantalla = QGuiApplication::screenAt(punta);
    if (!pantalla)
        pantalla = QGuiApplication::primaryScreen();
    if (pantalla) {
        const QRect r = pantalla->geometry();
        if (donde.y() + height() - 1 > r.bottom())
            donde.setY(punta.y() - 18 - 4 - height());
        donde.setX(std::clamp(donde.x(), r.left(), std::max(r.left(), r.right() + 1 - width())));
        donde.setY(std::clamp(donde.y(), r.top(), std::max(r.top(), r.bottom() + 1 - height())));
    }
    move(donde);
    formaPendiente_ = true;
    show();
    raise();
    update();
}

void TMonHint::paintEvent(QPaintEvent *)
{
    GestorHints &gestor = GestorHints::Instancia();
    // The shape is set once per activation, on its first paint.
    if (formaPendiente_) {
        setMask(Forma(size()));
        formaPendiente_ = false;
    }
    QPainter p(this);
    p.fillRect(rect(), gestor.ColorHint);
    // Outline: two pixels of dark grey, the outer one overdrawn in light grey.
    QPainterPath borde;
    borde.addRegion(Forma(size()));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(96, 96, 96), 4));
    p.setClipRegion(Forma(size()));
    p.drawPath(borde.simplified());
    p.setPen(QPen(QColor(160, 160, 160), 2));
    p.drawPath(borde.simplified());
    p.setClipping(false);

    QRect r = rect().adjusted(5, 5, -5, -5);
    r.setTop(r.top() + 22);
    gestor.PausaHint = 400;
    p.setPen(Qt::black);
    p.drawText(r, Qt::TextWordWrap, texto_);
}

namespace {

// The hint of what lies at `p` in `w`: over an item of a list, grid or tree,
// the item's own hint, else its view's; over any other control, its own.
QString HintEn(const QWidget *w, const QPoint &p)
{
    const auto *vista = qobject_cast<const QAbstractItemView *>(w->parentWidget());
    if (!vista || vista->viewport() != w)
        return w->toolTip();
    const QModelIndex item = vista->indexAt(p);
    const QString hint = item.isValid() ? item.data(Qt::ToolTipRole).toString() : QString();
    return hint.isEmpty() ? vista->toolTip() : hint;
}

} // namespace

GestorHints::GestorHints() = default;

GestorHints &GestorHints::Instancia()
{
    static GestorHints gestor;
    return gestor;
}

void GestorHints::Instalar(QApplication &app)
{
    app.installEventFilter(this);
}

TMonHint &GestorHints::Ventana()
{
    if (!ventana_)
        ventana_ = new TMonHint();
    return *ventana_;
}

void GestorHints::Cancelar()
{
    if (ventana_)
        ventana_->hide();
    bajoRaton_ = nullptr;
}

bool GestorHints::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::ToolTip: {
        // Qt asks for a tooltip once the mouse has rested for the pause the
        // style gives (PausaHint): the balloon is shown instead.
        auto *w = qobject_cast<QWidget *>(objeto);
        if (!w)
            break;
        const QString hint = HintEn(w, static_cast<QHelpEvent *>(evento)->pos());
        if (hint.isEmpty()) {
            Cancelar();
            return true;
        }
        bajoRaton_ = w;
        Ventana().ActivateHintData(static_cast<QHelpEvent *>(evento)->globalPos() + QPoint(0, 18), hint);
        return true;
    }
    case QEvent::MouseMove:
        // Onto another item of a view, whose hint says something else.
        if (objeto == bajoRaton_ && ventana_ && ventana_->isVisible() &&
            HintEn(bajoRaton_, static_cast<QMouseEvent *>(evento)->position().toPoint()) != ventana_->Texto())
            Cancelar();
        break;
    case QEvent::Leave:
        if (objeto == bajoRaton_)
            Cancelar();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
    case QEvent::Wheel:
        if (bajoRaton_)
            Cancelar();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

} // namespace norvela
