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

    // Prepares the questionnaire for a new run: the list and its panel
    // shown, the statements listed again and none ticked.
    void BotCuestioClick();

private:
    // Back to where the screen was opened from.
    void BotSalirProfeClick();

    // The statements the student ticks: one for each professional activity.
    QStringList FrasesProfe;

    // Every control bears its member's name as its object name.
    QWidget *PanelCuestio = nullptr;
    QLabel *LabelCuestio = nullptr;
    QListWidget *ListCuestio = nullptr;
    QPushButton *BotSalirProfe = nullptr;
};

} // namespace norvela
