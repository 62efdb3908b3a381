// Printing on the higher-cycle screen: the title sheet, with the choice of
// communities when it would be long, and the centre list on the grid.
#include "superior.h"

#include "ansi.h"
#include "controles_fp.h"
#include "enlace.h"
#include "grupos_fp.h"
#include "impresion_fp.h"
#include "informe_fp_centros.h"
#include "informe_fp_seleccion.h"
#include "informe_fp_titulo.h"
#include "lugares_fp.h"
#include "ruta_lugares_fp.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace norvela {

void TForm8::MenuFpTit5Click()
{
    MarcarOpcion(MenuFpTit5);
    enlace.FPSuperiorActivo = true;
    enlace.NumLineasInforme = 0;
    // The views are built as the screen shows them; printing leaves the
    // student's place and view state as they were.
    const VistasTitulo vistas{
        {LineasVista(InfoTitulo::Requisitos), LineasVista(InfoTitulo::Asignaturas), LineasVista(InfoTitulo::Acceso)}};
    if (const std::optional<InformeFP> hoja = HojaDelTitulo(vistas)) {
        VolcarInforme(*hoja, enlace);
        MostrarVistaPrevia(*hoja);
        ImprimirInformeFP();
        return;
    }
    PedirComunidades();
}

void TForm8::PedirComunidades()
{
    Ocultar({PanelFpTit, PanelFP, mapac, mapam, listBarcelona, BotCerrar, PanelEstadistica});
    mapa->Redibujar();
    PanelEstrellas->show();
    Seleccion->Pedir();
    BotRetrocederFP->show();
}

bool TForm8::AnadirComunidadSeleccion(int c)
{
    if (!Seleccion->Abierta())
        return false;
    Seleccion->Anadir(c);
    return true;
}

void TForm8::ListImpClick(int i)
{
    Seleccion->ListImpClick(i);
}

void TForm8::BotAceptarClick()
{
    if (!Seleccion->Aceptar())
        return;
    Ocultar({mapac, mapam, listBarcelona, BotCerrar, PanelEstrellas});
    PanelFpTit->show();
    mapa->Redibujar();
    MenuFpTit5Click();
}

void TForm8::TerminarSeleccionImpresion()
{
    Seleccion->Terminar();
}

void TForm8::MostrarVistaPrevia(const InformeFP &informe)
{
    reja->hide();
    estado.PrimeraFilaEncabezado = 1001;
    PanelSelTit->setText(T(321));
    PanelSelTit->show();
    MostrarVistaPreviaFP(listSelFP, informe, enlace.AjusteFuente, estado.AltoListaSel);
}

void TForm8::ImprimirInformeFP()
{
    Imprimir(Informe::Columnas(enlace.LineasInforme, enlace.NumLineasInforme, true));
}

void TForm8::BotImprimirClick()
{
    const std::optional<InformeFP> informe = Ruta->InformeDeLista();
    if (!informe)
        return;
    VolcarInforme(*informe, enlace);
    ImprimirInformeFP();
}

} // namespace norvela
