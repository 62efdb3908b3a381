// The degree-area questionnaire.
#pragma once

#include "pantalla.h"

class QLabel;
class QPushButton;

namespace norvela {

class TFormCon : public Pantalla {
    Q_OBJECT
public:
    TFormCon(Enlace &e, Pantallas &p);
    // Reads the qualities and interests lists the advice questionnaire offers.
    static void PrepararDatos(Enlace &e);

private:
    // Back to where the screen was opened from.
    void BotSalirConClick();

    // Every control bears its member's name as its object name.
    QLabel *LabelSubtitulo = nullptr;
    QPushButton *BotSalirCon = nullptr;
};

} // namespace norvela
