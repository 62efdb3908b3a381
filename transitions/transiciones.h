// Transition effects: an area of a window changes from how it looked when
// the effect was prepared to how it looks now, animated over a given time.
// Runs are synchronous: Execute returns when the animation has ended. Mouse
// and keyboard input that arrives meanwhile is dropped, not kept for later.
#pragma once

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QWidget>

namespace norvela {

enum class TTransitionDirection { tedDown, tedUp, tedLeft, tedRight };

class TTransitionEffect : public QObject {
    Q_OBJECT
public:
    explicit TTransitionEffect(QObject *padre = nullptr);

    // Total run time; 0 or less changes the area at once, with no frames.
    int Milliseconds = 1000;

    // Captures the current look of `R` (in `control`'s coordinates) as the
    // "before" picture.
    virtual void Prepare(QWidget *control, const QRect &R);
    virtual bool Prepared() const;
    // Animates from the "before" picture to the area's current look.
    virtual void Execute();
    // Releases the capture; safe at any time.
    virtual void UnPrepare();

    // The "before" picture of the prepared area.
    const QImage &Antes() const { return antes_; }

    // One frame of the run at `progreso` (0 at the start, 1 at the end),
    // written into `fotograma`. The three pictures are the same size, in
    // QImage::Format_ARGB32_Premultiplied; a run allocates its frame once.
    virtual void Componer(const QImage &antes, const QImage &despues, double progreso, QImage &fotograma) const = 0;
    // Turns `fotograma`, the frame at `desde`, into the frame at `hasta`
    // (later in the run), writing only what changes between them, and says
    // where that is: the run repaints no more than that. By default the
    // whole frame is composed again.
    virtual QRegion ComponerCambio(const QImage &antes, const QImage &despues, double desde, double hasta,
                                   QImage &fotograma) const;
    // The same frame in a picture of its own.
    QImage Fotograma(const QImage &antes, const QImage &despues, double progreso) const;

private:
    QPointer<QWidget> control_;
    QRect area_;
    QImage antes_;
};

// The new look rolls in from the top (or, upwards, from the bottom).
class TRollTransition : public TTransitionEffect {
    Q_OBJECT
public:
    using TTransitionEffect::TTransitionEffect;
    TTransitionDirection Direction = TTransitionDirection::tedDown;
    void Componer(const QImage &antes, const QImage &despues, double progreso, QImage &fotograma) const override;
    QRegion ComponerCambio(const QImage &antes, const QImage &despues, double desde, double hasta,
                           QImage &fotograma) const override;
};

// The new look appears in a circle growing from the centre, with a soft edge.
class TRadialTransition : public TTransitionEffect {
    Q_OBJECT
public:
    using TTransitionEffect::TTransitionEffect;
    int Style = 4;
    int SmoothingLevel = 2;
    // Width in pixels of the soft edge between the new look and the old.
    double Borde() const;
    void Componer(const QImage &antes, const QImage &despues, double progreso, QImage &fotograma) const override;
    QRegion ComponerCambio(const QImage &antes, const QImage &despues, double desde, double hasta,
                           QImage &fotograma) const override;
};

// The new look slides in like a turned page.
class TPageTransition : public TTransitionEffect {
    Q_OBJECT
public:
    using TTransitionEffect::TTransitionEffect;
    TTransitionDirection Direction = TTransitionDirection::tedRight;
    void Componer(const QImage &antes, const QImage &despues, double progreso, QImage &fotograma) const override;
};

// Owns a screen's transition effects.
class TTransitionList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};

} // namespace norvela
