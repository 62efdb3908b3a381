#include "tapas.h"

#include <algorithm>

#include <QEvent>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QVariant>
#include <QWidget>

namespace norvela {

namespace {

constexpr char kTapadera[] = "norvela_tapadera";

// The covers of one parent and what they hide. Hiding, not disabling: a
// hidden control takes no focus and is left out of what screen readers
// read; a covered one would still be both.
class Tapadera : public QObject {
public:
    explicit Tapadera(QWidget *padre) : QObject(padre), padre_(padre) { padre->installEventFilter(this); }

    void Anadir(QWidget *tapa)
    {
        tapas_ << tapa;
        tapa->installEventFilter(this);
        Repasar();
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        switch (evento->type()) {
        case QEvent::ShowToParent:
            Repasar();
            break;
        case QEvent::Show:
            // Controls shown with their window were not shown one by one.
            if (objeto == padre_)
                Repasar();
            break;
        case QEvent::HideToParent:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ZOrderChange:
            if (EsTapa(objeto))
                Repasar();
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool EsTapa(const QObject *o) const
    {
        return std::any_of(tapas_.begin(), tapas_.end(), [o](const QPointer<QWidget> &t) { return t == o; });
    }
    bool Tapado(const QWidget *w) const
    {
        return std::any_of(tapados_.begin(), tapados_.end(), [w](const QPointer<QWidget> &t) { return t == w; });
    }

    // What of w the covers over it hide whole, alone or together: w itself,
    // or, where they hide part of it, its controls. `origen` is where w
    // stands and r what its parents leave of it to show, in the covers'
    // coordinates.
    void Buscar(QWidget *w, QPoint origen, const QRect &r, const QRegion &encima, QList<QWidget *> &cubiertos)
    {
        if (w->isWindow() || r.isEmpty() || (w->isHidden() && !Tapado(w)))
            return;
        w->installEventFilter(this);
        if (QRegion(r).subtracted(encima).isEmpty()) {
            cubiertos << w;
            return;
        }
        if (!encima.intersects(r))
            return;
        for (QObject *o : w->children())
            if (auto *hijo = qobject_cast<QWidget *>(o))
                Buscar(hijo, origen + hijo->pos(), hijo->geometry().translated(origen) & r, encima, cubiertos);
    }

    void Repasar()
    {
        if (repasando_)
            return;
        repasando_ = true;
        // From the top of the stack down: each shown cover hides what lies
        // lower, unless a higher one hides the cover itself.
        QList<QWidget *> cubiertos;
        QRegion encima;
        const QObjectList hijos = padre_->children();
        for (auto i = hijos.size(); i-- > 0;) {
            auto *w = qobject_cast<QWidget *>(hijos[i]);
            if (!w || w->isWindow())
                continue;
            w->installEventFilter(this);
            if (!encima.isEmpty())
                Buscar(w, w->pos(), w->geometry(), encima, cubiertos);
            if (EsTapa(w) && !w->isHidden() && !cubiertos.contains(w))
                encima += w->geometry();
        }
        for (const QPointer<QWidget> &w : tapados_)
            if (w && !cubiertos.contains(w.data()))
                w->show();
        tapados_.clear();
        for (QWidget *w : cubiertos) {
            w->hide();
            tapados_ << w;
        }
        // The keyboard's place, hidden, goes to the cover on top.
        QWidget *foco = padre_->window()->focusWidget();
        if (foco && !foco->isVisibleTo(padre_->window()) && !encima.isEmpty())
            for (auto t = tapas_.crbegin(); t != tapas_.crend(); ++t)
                if (*t && (*t)->isVisibleTo(padre_->window()) && DarFoco(*t))
                    break;
        repasando_ = false;
    }

    // The first control of `tapa` that takes the keyboard, given it.
    static bool DarFoco(QWidget *tapa)
    {
        for (QWidget *w : tapa->findChildren<QWidget *>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(tapa->window())) {
                w->setFocus(Qt::TabFocusReason);
                return true;
            }
        return false;
    }

    QWidget *padre_;
    QList<QPointer<QWidget>> tapas_;
    QList<QPointer<QWidget>> tapados_;
    bool repasando_ = false;
};

} // namespace

void HacerTapa(QWidget *tapa)
{
    QWidget *padre = tapa->parentWidget();
    if (!padre)
        return;
    auto *tapadera = static_cast<Tapadera *>(padre->property(kTapadera).value<QObject *>());
    if (!tapadera) {
        tapadera = new Tapadera(padre);
        padre->setProperty(kTapadera, QVariant::fromValue<QObject *>(tapadera));
    }
    tapadera->Anadir(tapa);
}

} // namespace norvela
