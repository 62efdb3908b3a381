// The title route of the basic-cycle screen: groups, families and titles,
// the chosen title's map and its three information views.
#include "inipro.h"

#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "grupos_fp.h"
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

namespace {

constexpr int kAltoFamilias = 135;

} // namespace

QString TFIniPro::NombreTitulo() const
{
    const int t = vista.TituloFPBSel;
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
    if (r == vista.GrupoRaton || vista.GrupoRaton > n || r < 1 || r > n)
        return;
    ListSelFp->setCurrentRow(fila);
    vista.GrupoRaton = r;
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
    vista.GrupoElegido = fila + 1;
    if (datos.Grupos.PorLugar(vista.GrupoElegido)) {
        BotLugClick();
        return;
    }
    vista.TituloRaton = 0;
    ListPreFam->resize(ListPreFam->width(), kAltoFamilias);
    ListPreFam->clear();
    // Only the families the group names get a row, so every row has one.
    vista.FamiliasMostradas.clear();
    for (const FilaFamilia &f : FamiliasDeGrupo(Ruta->Nivel(), vista.GrupoElegido)) {
        vista.FamiliasMostradas.push_back(f.familia);
        auto *item = new QListWidgetItem(DesdeAnsi(f.texto).trimmed(), ListPreFam);
        item->setData(Qt::DecorationRole, IconoEstudios(IconoFamilia(f.familia, 1)));
    }
}

void TFIniPro::ListPreFamMouseDown(int fila)
{
    if (fila < 0 || fila >= static_cast<int>(vista.FamiliasMostradas.size()) || fila >= ListPreFam->count())
        return;
    const int p = fila + 1;
    const QString nombre = ListPreFam->item(fila)->text().trimmed();
    const int f = vista.FamiliasMostradas[static_cast<size_t>(fila)];
    const std::vector<int> titulos = TitulosDeFamilia(Ruta->Nivel(), f);
    vista.ElementoSel = p;

    ListFPExpli->show();
    ListFPExpli->clear();
    ListTitFP->show();
    ListTitFP->clear();
    for (int t : titulos) {
        auto *item = new QListWidgetItem(DesdeAnsi(enlace.NombresFPBasica[t]).trimmed(), ListTitFP);
        item->setData(Qt::DecorationRole, IconoLista(3));
    }
    enlace.ListaDeLugares = true;

    Labeltitulo->move(ListTitFP->x(), ListTitFP->y() - 25);
    Labeltitulo->setText(!titulos.empty() ? DesdeAnsi(Cortar(std::string(26, ' ') + HaciaAnsi(T(307)), 61)) +
                                                    QStringLiteral("...")
                                              : nombre + QStringLiteral(" - ") + T(292));
    Labeltitulo->show();
    vista.TituloRaton = 0;
}

void TFIniPro::ListTitFPMouseMove(int fila)
{
    const int r = fila + 1;
    if (r < 1 || r > ListTitFP->count() || r == vista.TituloRaton)
        return;
    if (vista.ElementoSel < 1 || vista.ElementoSel > static_cast<int>(vista.FamiliasMostradas.size()))
        return;
    ListTitFP->setCurrentRow(fila);
    vista.TituloRaton = r;
    ListFPExpli->move(ListTitFP->x() + 15, ListTitFP->y() + ListTitFP->height() + 10);
    ListFPExpli->show();
    ListFPExpli->clear();
    const int f = vista.FamiliasMostradas[static_cast<size_t>(vista.ElementoSel - 1)];
    const int linea = datos.InicioFamiliaFPB[static_cast<size_t>(f)] + r;
    for (const std::string &s :
         ExplicacionTituloFPB(datos.InicioFamiliaFPB, enlace.AsignaturasFPBasica, linea, HaciaAnsi(T(271))))
        ListFPExpli->addItem(DesdeAnsi(QuitarBlancosFinales(s)));
}

void TFIniPro::ListTitFPMouseUp(int fila)
{
    if (fila < 0 || fila >= ListTitFP->count())
        return;
    if (vista.ElementoSel < 1 || vista.ElementoSel > static_cast<int>(vista.FamiliasMostradas.size()))
        return;
    const int f = vista.FamiliasMostradas[static_cast<size_t>(vista.ElementoSel - 1)];
    vista.TituloFPBSel = datos.InicioFamiliaFPB[static_cast<size_t>(f)] + fila + 1;
    enlace.SeleccionFija = false;
    vista.ComunidadElegidaFPB = false;

    Ocultar({PanelSelTit0, ListSelFp, ListPreFam, ListTitFP, ListFPExpli, Labeltitulo, BotLug});
    MostrarControles({mapa, PanelSelTit, PanelCarSel, panelsel, Listsel, BotRequisitos, BotAsig, BotTra, BotImprimir,
                      BotRetrocederFP});
    Listsel->clear();
    PanelSelTit->clear();
    PanelCarSel->setText(NombreTitulo());
    enlace.RutaPorTitulo = true;
    Ruta->estado.RutaPorLugar = false;

    // Where it is taught: group 2 is searched in the shared centre list here.
    MarcarDondeSeEstudia(vista.TituloFPBSel);
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
    MostrarVista(VistaFPB::Requisitos, vista.TituloFPBSel);
}

void TFIniPro::botAsigClick()
{
    MostrarVista(VistaFPB::Asignaturas, vista.TituloFPBSel);
}

void TFIniPro::BotTraClick()
{
    MostrarVista(VistaFPB::Salidas, vista.TituloFPBSel);
}

} // namespace norvela
