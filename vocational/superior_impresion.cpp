// Printing on the higher-cycle screen: the title sheet, with the choice of
// communities when it would be long, and the centre list on the grid.
#include "superior.h"

#include "ansi.h"
#include "controles_fp.h"
#include "enlace.h"
#include "grupos_fp.h"
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
    enlace.ModoImpresion = true;
    enlace.NumLineasInforme = 0;
    // The views are built as the screen shows them; printing leaves the
    // student's place and view state as they were.
    const VistasTitulo vistas{
        {LineasVista(InfoTitulo::Requisitos), LineasVista(InfoTitulo::Asignaturas), LineasVista(InfoTitulo::Acceso)}};
    SeleccionComunidadesFP seleccion = SeleccionComunidadesFP::Leer(enlace);
    const HojaTituloFP hoja = HojaTitulo(enlace, Ruta->Nivel(), enlace.Textos, TituloSel, vistas, seleccion);
    seleccion.Guardar(enlace);
    if (hoja.pedirSeleccion) {
        PedirComunidades();
        return;
    }
    VolcarInforme(hoja.informe, enlace);
    MostrarVistaPrevia(hoja.informe);
    ImprimirInformeFP();
}

void TForm8::PedirComunidades()
{
    ListImp->clear();
    Ocultar({PanelFpTit, PanelFP, mapac, mapam, listBarcelona, BotCerrar, PanelEstadistica});
    mapa->Redibujar();
    PanelEstrellas->show();
    PanelImp->show();
    PanelImp->raise();
    BotRetrocederFP->show();
}

void TForm8::AnadirComunidadSeleccion(int c)
{
    SeleccionComunidadesFP s = SeleccionComunidadesFP::Leer(enlace);
    if (!s.Anadir(c))
        return;
    s.Guardar(enlace);
    ListImp->addItem(DesdeAnsi(NombreComunidad(enlace, c, enlace.AnchoLista)).trimmed());
}

void TForm8::ListImpClick(int i)
{
    SeleccionComunidadesFP s = SeleccionComunidadesFP::Leer(enlace);
    // The list and the picked communities go row for row.
    if (i < 0 || i >= ListImp->count() || !s.Quitar(i))
        return;
    s.Guardar(enlace);
    delete ListImp->takeItem(i);
    ListImp->clearSelection();
}

void TForm8::BotAceptarClick()
{
    if (!enlace.SeleccionImpresion)
        return;
    Ocultar({PanelImp, mapac, mapam, listBarcelona, BotCerrar, PanelEstrellas});
    PanelFpTit->show();
    mapa->Redibujar();
    ListImp->clear();
    MenuFpTit5Click();
}

void TForm8::TerminarSeleccionImpresion()
{
    SeleccionComunidadesFP s = SeleccionComunidadesFP::Leer(enlace);
    s.Terminar();
    s.Guardar(enlace);
    ListImp->clear();
    PanelImp->hide();
}

void TForm8::MostrarVistaPrevia(const InformeFP &informe)
{
    reja->hide();
    PrimeraFilaEncabezado = 1001;
    PanelSelTit->setText(T(321));
    PanelSelTit->show();
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(std::max(6, enlace.AjusteFuente + 10));
    listSelFP->setFont(courier);
    listSelFP->setCursor(Qt::ArrowCursor);
    // Full report lines are wider than the list: they scroll sideways.
    listSelFP->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    LlenarVista(listSelFP, informe.lineas, PrimeraFilaEncabezado);
    QFont negrita = courier;
    negrita.setBold(true);
    for (int i : informe.negritas)
        if (i >= 1 && i <= listSelFP->count())
            listSelFP->item(i - 1)->setFont(negrita);
    listSelFP->resize(listSelFP->width(), AltoListaSel);
    listSelFP->scrollToTop();
    listSelFP->show();
}

void TForm8::ImprimirInformeFP()
{
    UltimaImpresion = DialogoImprimir(Informe::Columnas(enlace.LineasInforme, enlace.NumLineasInforme, true));
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
