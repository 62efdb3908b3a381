// The title route of the basic-cycle screen: groups, families and titles,
// the chosen title's map and its three information views.
#include "inipro.h"

#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "lugares_fp.h"
#include "panel_efectos.h"
#include "ruta_lugares_fp.h"
#include "vista_mapa.h"
#include "titulos_fp.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

QString TFIniPro::NombreTitulo() const
{
    const int t = estado.TituloSel;
    if (t < 1 || t > enlace.NumFPBasica)
        return {};
    return DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPBasica[t]));
}

FuentesVistaFPB TFIniPro::Fuentes() const
{
    return {&enlace.Requisitos, enlace.NumRequisitos, &enlace.AsignaturasFPBasica, HaciaAnsi(T(199)),
            enlace.AnchoLista};
}

void TFIniPro::ListSelFpMouseMove(int fila)
{
    if (enlace.SeleccionFija)
        return;
    const int r = fila + 1;
    const int n = ListSelFp->count();
    if (r == propio.GrupoRaton || propio.GrupoRaton > n || r < 1 || r > n)
        return;
    ListSelFp->setCurrentRow(fila);
    propio.GrupoRaton = r;
}

void TFIniPro::ListSelFpMouseUp(int fila)
{
    // A click below the last group chooses nothing.
    if (fila < 0 || fila >= ListSelFp->count())
        return;
    MostrarControles({panelsel, ListPreFam, PanelSelTit});
    PanelSelTit->setText(T(578));
    Ocultar({ListTitFP, ListFPExpli, Labeltitulo});
    enlace.SeleccionFija = true;
    ListSelFp->setCurrentRow(fila);
    propio.GrupoElegido = fila + 1;
    if (datos.Grupos.PorLugar(propio.GrupoElegido)) {
        BotLugClick();
        return;
    }
    propio.TituloRaton = 0;
    ListPreFam->resize(ListPreFam->width(), AltoFamilias());
    // Only the families the group names get a row, so every row has one.
    ListarFamilias(propio.GrupoElegido, false);
}

int TFIniPro::IconoDeFamilia(size_t, int familia, int, int) const
{
    return IconoFamilia(familia, 1);
}

std::optional<int> TFIniPro::FamiliaElegida() const
{
    const EstadoTitulosFP &t = estado.Titulos;
    const size_t fila = static_cast<size_t>(t.FilaFamiliaSel);
    if (t.FilaFamiliaSel < 0 || fila >= t.FamiliasGrupoSel.size())
        return std::nullopt;
    return t.FamiliasGrupoSel[fila];
}

void TFIniPro::TitulosListados()
{
    ListFPExpli->show();
    ListFPExpli->clear();
    if (!estado.Titulos.TitulosFamilia.empty())
        Labeltitulo->setText(DesdeAnsi(Cortar(std::string(26, ' ') + HaciaAnsi(T(307)), 61)) + QStringLiteral("..."));
    propio.TituloRaton = 0;
}

void TFIniPro::ListTitFPMouseMove(int fila)
{
    const int r = fila + 1;
    if (r < 1 || r > ListTitFP->count() || r == propio.TituloRaton)
        return;
    const std::optional<int> f = FamiliaElegida();
    if (!f)
        return;
    ListTitFP->setCurrentRow(fila);
    propio.TituloRaton = r;
    ListFPExpli->move(ListTitFP->x() + 15, ListTitFP->y() + ListTitFP->height() + 10);
    ListFPExpli->show();
    ListFPExpli->clear();
    const int linea = datos.InicioFamiliaFPB[static_cast<size_t>(*f)] + r;
    for (const std::string &s :
         ExplicacionTituloFPB(datos.InicioFamiliaFPB, enlace.AsignaturasFPBasica, linea, HaciaAnsi(T(271))))
        ListFPExpli->addItem(DesdeAnsi(QuitarBlancosFinales(s)));
}

void TFIniPro::ListTitFPMouseUp(int fila)
{
    if (fila < 0 || fila >= ListTitFP->count())
        return;
    const std::optional<int> f = FamiliaElegida();
    if (!f)
        return;
    estado.TituloSel = datos.InicioFamiliaFPB[static_cast<size_t>(*f)] + fila + 1;
    enlace.SeleccionFija = false;
    propio.ComunidadElegidaFPB = false;

    Ocultar({PanelSelTit0, ListSelFp, ListPreFam, ListTitFP, ListFPExpli, Labeltitulo, BotLug});
    MostrarControles({mapa, PanelSelTit, PanelCarSel, panelsel, Listsel, BotRequisitos, BotAsig, BotTra, BotImprimir,
                      BotRetrocederFP});
    Listsel->clear();
    PanelSelTit->clear();
    PanelCarSel->setText(NombreTitulo());
    Ruta->estado.RutaPorTitulo = true;
    Ruta->estado.RutaPorLugar = false;

    // Where it is taught: group 2 is searched in the shared centre list here.
    MarcarDondeSeEstudia(estado.TituloSel);
    TimerParpadeo->Iniciar([this](bool mostrar) { PanelCarSel->setText(mostrar ? NombreTitulo() : QString()); });
}

void TFIniPro::MostrarVista(VistaFPB v, int titulo)
{
    static const int kTitulos[] = {29, 312, 312};
    PanelSelTit->setText(T(kTitulos[static_cast<int>(v)]));
    reja->hide();
    Listsel->show();
    const std::vector<std::string> lineas = LineasVistaFPB(v, Fuentes(), titulo);
    ConTransicion(true, [&] {
        Listsel->clear();
        // The list keeps the screen's own font after a report preview.
        Listsel->setFont(QFont(QStringLiteral("Arial"), 10));
        Listsel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Listsel->setCursor(Qt::ArrowCursor);
        for (const std::string &s : lineas)
            Listsel->addItem(DesdeAnsi(QuitarBlancosFinales(s)));
    });
}

void TFIniPro::BotRequisitosClick()
{
    MostrarVista(VistaFPB::Requisitos, estado.TituloSel);
}

void TFIniPro::botAsigClick()
{
    MostrarVista(VistaFPB::Asignaturas, estado.TituloSel);
}

void TFIniPro::BotTraClick()
{
    MostrarVista(VistaFPB::Salidas, estado.TituloSel);
}

} // namespace norvela
