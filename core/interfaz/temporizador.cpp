#include "temporizador.h"

namespace norvela {

Temporizador::Temporizador(Reloj *reloj) : reloj_(reloj)
{
    connect(&sistema_, &QTimer::timeout, this, &Temporizador::Tic);
}

Temporizador::~Temporizador()
{
    if (activo_ && reloj_)
        reloj_->Parado(*this);
}

void Temporizador::setInterval(int ms)
{
    intervalo_ = ms;
    sistema_.setInterval(ms);
}

void Temporizador::start()
{
    activo_ = true;
    if (reloj_)
        reloj_->Arrancado(*this);
    else
        sistema_.start();
}

void Temporizador::stop()
{
    if (!activo_)
        return;
    activo_ = false;
    if (reloj_)
        reloj_->Parado(*this);
    else
        sistema_.stop();
}

void Temporizador::Tic()
{
    if (activo_)
        emit timeout();
}

} // namespace norvela
