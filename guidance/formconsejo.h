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

    QLabel *LabelSubtitulo = nullptr;
    QPushButton *BotSalirCon = nullptr;

    // Back to where the screen was opened from.
    void BotSalirConClick();
};

} // namespace norvela
