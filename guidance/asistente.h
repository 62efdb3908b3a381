// The assistant that guides the student through the other screens.
#pragma once

#include "pantalla.h"

#include <functional>

class QLabel;
class QPushButton;

namespace norvela {

class TForm5 : public Pantalla {
    Q_OBJECT
public:
    TForm5(Enlace &e, Pantallas &p);

    // How each screen the assistant opens is shown with what it needs first;
    // start-up sets them once those screens exist. A button whose screen has
    // no opener is disabled.
    std::function<void()> AbrirGrados;      // the degrees screen on its start menu
    std::function<void()> AbrirFPSuperior;  // the higher cycles on their start panel
    std::function<void()> AbrirFPMedio;     // the intermediate cycles with the helicopter intro
    std::function<void()> AbrirFPBasica;    // the basic cycles on their groups

protected:
    void showEvent(QShowEvent *evento) override;
    void AlVolverPorCierre() override;

private:
    // Every control bears its member's name as its object name.
    QLabel *LabelPregunta = nullptr;
    QPushButton *BGrados = nullptr;
    QPushButton *BFpTitGsAsis = nullptr;
    QPushButton *BtGM = nullptr;
    QPushButton *BGarantia = nullptr;
    QPushButton *BDejar = nullptr;
    QPushButton *BVolver = nullptr;

    // University degrees.
    void BGradosClick();
    // Higher vocational cycles.
    void BFpTitGsAsisClick();
    // Intermediate vocational cycles, always with their intro.
    void BtGMClick();
    // Leaves the assistant for the basic-cycle screen.
    void BGarantiaClick();
    // "Quiero dejar de estudiar": the professional certificates.
    void BDejarClick();
    // Back to the home screen: the screens opened from now on go back there.
    void BVolverClick();
};

} // namespace norvela
