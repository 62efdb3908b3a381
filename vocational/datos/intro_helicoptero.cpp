#include "intro_helicoptero.h"

namespace norvela {

namespace {

// The buttons end at Left 240 and Tops 130, 250 and 370.
constexpr QPoint kFinalTit2(240, 130);
constexpr QPoint kFinalLug2(240, 250);
constexpr QPoint kFinalSalir(240, 370);

} // namespace

void IntroHelicoptero::Entrar(bool conIntro)
{
    *this = IntroHelicoptero();
    if (conIntro) {
        vuelo_ = true;
        return;
    }
    tit2_ = {kFinalTit2, true};
    lug2_ = {kFinalLug2, true};
    salir_ = {kFinalSalir, true};
    fase_ = 3;
}

bool IntroHelicoptero::TickVuelo()
{
    if (!vuelo_)
        return false;
    if (fase_ >= 3) {
        vuelo_ = false;
        return false;
    }
    ++tick_;
    vueloPendiente_ = true;
    heliX_ = 15 * tick_;
    heliY_ = 150 + 6 * desnivel_;
    BotonVolado &boton = fase_ == 1 ? tit2_ : lug2_;
    if (fase_ == 2)
        fotogramaVisible_ = -1;   // the pilot of flight 1 goes
    boton = {QPoint(heliX_ - 300, heliY_), true};
    if (tick_ < kTicksVuelo)
        return true;
    boton.pos.ry() -= 20;
    if (fase_ == 2)
        salir_ = {QPoint(lug2_.pos.x(), lug2_.pos.y() + 120), true};
    heliY_ += 10;
    vuelo_ = false;
    faseBocadillo_ = fase_;
    piloto_ = true;
    desnivel_ += 20;
    tick_ = 0;
    ++fase_;
    return true;
}

void IntroHelicoptero::TickPiloto()
{
    if (!piloto_)
        return;
    fotogramaVisible_ = fotograma_;
    posPiloto_ = QPoint(heliX_ + 10 * fotograma_, heliY_);
    if (++fotograma_ < kFotogramasPiloto)
        return;
    fotograma_ = 0;
    piloto_ = false;
    if (vueloPendiente_) {
        vuelo_ = true;
        vueloPendiente_ = false;
    }
    bocadillo_ = faseBocadillo_;
    const int x = heliX_, y = heliY_ + 12;
    if (bocadillo_ == 1 || bocadillo_ == 2)
        rectBocadillos_[bocadillo_ - 1] = QRect(x - 34, y - 66, kAnchoBocadillo, kAltoBocadillo);
}

void IntroHelicoptero::Cortar()
{
    vuelo_ = false;
    piloto_ = false;
    vueloPendiente_ = false;
    bocadillo_ = 0;
    rectBocadillos_[0] = rectBocadillos_[1] = QRect();
    fotogramaVisible_ = -1;
}

void IntroHelicoptero::OcultarBocadillo()
{
    if (bocadillo_ == 0)
        return;
    bocadillo_ = 0;
    rectBocadillos_[0] = rectBocadillos_[1] = QRect();
    fotogramaVisible_ = -1;
}

void LineaAyuda::Empezar(int anchoForm, int arriba)
{
    left = anchoForm - 30;
    top = arriba;
    ancho = 0;
    heliLeft = left;
    heliTop = top - 5;
    enMarcha = true;
}

void LineaAyuda::Reanudar(int anchoForm)
{
    left = anchoForm;
    enMarcha = true;
}

bool LineaAyuda::Tick(int anchoForm)
{
    if (!enMarcha)
        return false;
    ancho = anchoForm - 80 - left;
    left -= 40;
    heliLeft = left - 85;
    heliVisible = true;
    if (left < 300)
        enMarcha = false;
    return enMarcha;
}

void LineaAyuda::OcultarHeli()
{
    enMarcha = false;
    heliVisible = false;
}

} // namespace norvela
