// The itineraries screen.
#pragma once

#include "pantalla.h"

#include <functional>

class QLabel;
class QPushButton;

namespace norvela {

class TForm2 : public Pantalla {
    Q_OBJECT
public:
    TForm2(Enlace &e, Pantallas &p);
    // Reads the questionnaire, the itineraries and the intermediate-cycle data, and makes the scratch pictures.
    static void PrepararDatos(Enlace &e);

    // Shows the intermediate-cycle screen; start-up sets it once that screen exists.
    std::function<void()> MostrarFPMedio;

    // The main menu opens the screen on one of its two doors: the diagram's
    // button shows, or the questionnaire's, with the background fitting the
    // window.
    void MostrarConDiagrama();
    void MostrarConCuestionario();

private:
    QLabel *degradeIti = nullptr;
    QPushButton *BotLOMCE = nullptr;
    QPushButton *botCuestio = nullptr;

    // The education-system diagram.
    void BotLOMCEClick();
    // Into the intermediate-cycle questionnaire, keeping the student's name.
    void BotContinuarClick();
    // Into the intermediate-cycle questionnaire as a new student.
    void BotCuestio2Click();
    // Back to where the screen was opened from.
    void BotSalirItiClick();

    // Named after their members, as every control.
    QPushButton *BotContinuar = nullptr;
    QPushButton *BotSalirIti = nullptr;

    void Construir();
    void EntrarEnCuestionarioGM();
};

} // namespace norvela
