#include "inipro.h"

#include <QListWidget>
#include <QPushButton>

namespace norvela {

TFIniPro::TFIniPro(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFIniPro"))
{
    ListSelFp = new QListWidget(this);
    ListSelFp->hide();
    BotLug = Boton(this, 0, 0, 0, 0);
    BotLug->hide();
    BotRetrocederFP = Boton(this, 0, 0, 0, 0);
    BotRetrocederFP->hide();
}

} // namespace norvela
