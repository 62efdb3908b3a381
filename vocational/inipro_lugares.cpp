// The place route of the basic-cycle screen, on the shared FP route: the
// map, the provinces and localities of a community, and the centres of a
// province.
#include "inipro.h"

#include "controles_fp.h"
#include "enlace.h"
#include "mapa_regiones.h"
#include "panel_efectos.h"
#include "ruta_lugares_fp.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

void TFIniPro::BotLugClick()
{
    Ruta->estado.RutaPorLugar = true;
    Ruta->estado.RutaPorTitulo = false;
    MostrarControles({mapa, PanelSelTit});
    PanelSelTit->setText(T(190));
    Ocultar({ListPreFam, ListSelFp, Listsel, PanelSelTit0, ListTitFP, Labeltitulo, ListFPExpli, BotLug, BotTra,
             BotAsig, BotRequisitos, ListSelLugFP});
    mapa->Redibujar();
    TimerEstrellas.stop();
    VaciarRejilla(reja);
    reja->show();
    BotRetrocederFP->show();
    Ruta->estado.LocalidadesListadas = false;
    IniciarCodigosProvincia(enlace.CodigoProvincia);
    PanelCarSel->clear();
    PanelCarSel->show();
}

} // namespace norvela
