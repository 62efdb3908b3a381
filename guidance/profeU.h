// The professions questionnaire.
#pragma once

#include "pantalla.h"

#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

namespace norvela {

class Tprofe : public Pantalla {
    Q_OBJECT
public:
    Tprofe(Enlace &e, Pantallas &p);

    // The statements the student ticks: one for each professional activity.
    QStringList FrasesProfe;

    QWidget *PanelCuestio = nullptr;
    QLabel *LabelCuestio = nullptr;
    QListWidget *ListCuestio = nullptr;
    QPushButton *BotSalirProfe = nullptr;

    // Prepares the questionnaire for a new run: the list and its panel
    // shown, the statements listed again and none ticked.
    void BotCuestioClick();
    // Back to where the screen was opened from.
    void BotSalirProfeClick();
};

} // namespace norvela
