// The start menu's hover sub-menus (information and artistic studies) and
// the information entries that lead out of the screen.
#include "grados.h"

#include "abrir_enlace.h"
#include "enlace.h"
#include "est_grados.h"
#include "panel_efectos.h"
#include "pantallas.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace norvela {

namespace {

// The program's own web site: the pages of universities and of grants.
const char *const kWebPrograma = "https://www.norvela.es/norvela/index.php?id=";

} // namespace

void TForm1::ConectarMenu()
{
    // Pointing at an entry opens or closes the sub-menus; the background
    // closes both (the arts sub-menu has no handler of its own, so crossing
    // the background on the way to it closes it).
    for (QWidget *w : std::initializer_list<QWidget *>{BotMenuInfo, PanelMenu2, BotMenuArtes, BotMenuUni, BotMenuDobles,
                                                       BotMenuDepor, degradeini})
        w->installEventFilter(this);
    connect(ButEstadisticas, &QPushButton::clicked, this, &TForm1::ButEstadisticasClick);
    connect(botinfo2, &QPushButton::clicked, this, &TForm1::botinfo2Click);
    connect(botinfo3, &QPushButton::clicked, this, &TForm1::botinfo3Click);
}

bool TForm1::MenuAlPasar(QObject *objeto)
{
    if (objeto == BotMenuInfo || objeto == PanelMenu2) {
        PanelMenu2->show();
        PanelMenu2->raise();
        PanelMenu4->hide();
    } else if (objeto == BotMenuArtes) {
        PanelMenu2->hide();
        PanelMenu4->show();
        PanelMenu4->raise();
    } else if (objeto == BotMenuUni || objeto == BotMenuDobles || objeto == BotMenuDepor) {
        PanelMenu2->hide();
        PanelMenu4->hide();
    } else if (objeto == degradeini) {
        PanelMenu2->hide();
        PanelMenu4->hide();
    } else {
        return false;
    }
    return true;
}

void TForm1::ButEstadisticasClick()
{
    Pantalla *estadisticas = pantallas.Por(Papel::EstadisticasGrados);
    if (!estadisticas)
        return;
    estadisticas->Mostrar();
    hide();
}

void TForm1::botinfo2Click()
{
    AbrirWeb(QString::fromLatin1(kWebPrograma) + QStringLiteral("universidad"), enlace.RutaDatos);
}

void TForm1::botinfo3Click()
{
    AbrirWeb(QString::fromLatin1(kWebPrograma) + QStringLiteral("becas"), enlace.RutaDatos);
}

} // namespace norvela
