// The timers of the screens' animations (a walk, a door, a help figure).
// They keep the system's time, unless the screens were given a clock of
// their own: then they tick only as that clock moves on, so where an
// animation stands after a given time does not depend on how busy the
// machine is.
#pragma once

#include <QObject>
#include <QTimer>

namespace norvela {

class Temporizador;

// A clock other than the system's: it is told when its timers start and
// stop, and ticks them (Temporizador::Tic) as its time passes.
class Reloj {
public:
    virtual ~Reloj() = default;
    // `t` started now (or started again), with its interval.
    virtual void Arrancado(Temporizador &t) = 0;
    // `t` stopped, or is going.
    virtual void Parado(Temporizador &t) = 0;
};

class Temporizador : public QObject {
    Q_OBJECT
public:
    // Null `reloj`: the system's time.
    explicit Temporizador(Reloj *reloj = nullptr);
    ~Temporizador() override;

    void setInterval(int ms);
    int interval() const { return intervalo_; }
    // Starts, or starts again from now.
    void start();
    void stop();
    bool isActive() const { return activo_; }

    // One tick, when the clock says it is due.
    void Tic();

signals:
    void timeout();

private:
    Reloj *reloj_;
    QTimer sistema_;
    int intervalo_ = 0;
    bool activo_ = false;
};

} // namespace norvela
