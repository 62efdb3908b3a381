// The title route of the intermediate-cycle screen: family groups,
// families and titles, the map of where the chosen title is taught, and its
// requirements, jobs and subjects.
#include "medio.h"

#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "comunidades_titulo.h"
#include "grupos_fp.h"
#include "lugares_fp.h"
#include "impresion_fp.h"
#include "panel_efectos.h"
#include "ruta_lugares_fp.h"
#include "titulos_fp.h"
#include "titulos_medio.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

// The study icons of the group rows 0..8, and of the back row.
constexpr int kIconosGrupo[9] = {1, 2, 35, 12, 0, 9, 19, 16, 21};
constexpr int kIconoVolver = 43;
// Heights of the family list: the groups, a group's families, a group
// with extra families (1 and 6).
constexpr int kAltoGrupos = 301;
constexpr int kAltoFamilias = 169;

} // namespace

void TForm3::LlenarGrupos()
{
    ListPreFam->clear();
    for (int g = 1; g <= enlace.NumGruposFamilias && enlace.GruposFamilias.Contiene(g); ++g) {
        auto *item = new QListWidgetItem(DesdeAnsi(enlace.GruposFamilias[g]).trimmed(), ListPreFam);
        item->setData(Qt::DecorationRole, IconoEstudios(g <= 9 ? kIconosGrupo[g - 1] : kIconosGrupo[0]));
    }
}

void TForm3::botTit2Click()
{
    OcultarMenu();
    PanelSelec->show();
    PanelSelTit->show();
    heli->stop();
    enlace.RutaPorTitulo = true;
    enlace.RutaPorLugar = false;
    Ruta->estado.CentrosEnRejilla = false;
    Seleccion->Terminar();
    enlace.ModoImpresion = false;
    BotRetrocederFP->show();
    IniciarCodigosProvincia(enlace.CodigoProvincia);
    PanelSelTit->setText(T(595));
    reja->hide();
    listSelFP->clear();
    listSelFP->setCursor(Qt::PointingHandCursor);
    estado.ListaDeGrupos = true;
    listSelFP->hide();
    ListPreFam->resize(ListPreFam->width(), kAltoGrupos);
    ListPreFam->show();
    LlenarGrupos();
}

void TForm3::ListPreFamMouseDown(int fila)
{
    // A press below the last row picks nothing.
    if (fila < 0 || fila >= ListPreFam->count())
        return;
    if (estado.ListaDeGrupos) {
        const int g = fila + 1;
        estado.FilaFamiliaSelGM = g;
        const std::vector<FilaFamilia> familias = FamiliasDeGrupo(Ruta->Nivel(), g);
        ListPreFam->clear();
        estado.FamiliasGrupoSel.assign(1, 0);
        auto *volver = new QListWidgetItem(T(82), ListPreFam);
        volver->setData(Qt::DecorationRole, IconoEstudios(kIconoVolver));
        int icono = 0;
        for (size_t k = 0; k < familias.size(); ++k) {
            estado.FamiliasGrupoSel.push_back(familias[k].familia);
            auto *item = new QListWidgetItem(DesdeAnsi(familias[k].texto).trimmed(), ListPreFam);
            // The rows after the third take the first family's icon.
            icono = IconoFamilia(k < 3 ? familias[k].familia : estado.FamiliasGrupoSel[1], icono);
            item->setData(Qt::DecorationRole, IconoEstudios(icono));
        }
        ListPreFam->resize(ListPreFam->width(), g == 1 || g == 6 ? kAltoGrupos : kAltoFamilias);
        estado.ListaDeGrupos = false;
        PanelSelTit->setText(T(578));
        return;
    }
    if (fila == 0) {
        BotRetroFamiClick();
        return;
    }
    estado.FilaFamiliaSelGM = fila;
    estado.NombreFamiliaSelGM = HaciaAnsi(ListPreFam->item(fila)->text().trimmed());
    ListPreFam->setCurrentRow(fila);
    const size_t f = static_cast<size_t>(fila);
    const int familia = f < estado.FamiliasGrupoSel.size() ? estado.FamiliasGrupoSel[f] : 0;
    estado.TitulosFamilia = TitulosDeFamilia(Ruta->Nivel(), familia);
    ListTit->clear();
    for (int t : estado.TitulosFamilia) {
        auto *item = new QListWidgetItem(DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPMedio[t])), ListTit);
        item->setData(Qt::DecorationRole, IconoLista(3));
    }
    ListTit->show();
    enlace.ListaDeLugares = true;
    Labeltitulo->move(ListTit->x(), ListTit->y() - 25);
    Labeltitulo->setText(DesdeAnsi(estado.NombreFamiliaSelGM) + QStringLiteral(" - ") +
                         (estado.TitulosFamilia.empty() ? T(292) : T(307) + QStringLiteral("...")));
    Labeltitulo->show();
}

void TForm3::BotRetroFamiClick()
{
    estado.ListaDeGrupos = true;
    ListPreFam->resize(ListPreFam->width(), kAltoGrupos);
    Ocultar({ListTit, Labeltitulo});
    LlenarGrupos();
    PanelSelTit->setText(T(595));
}

void TForm3::ListTitClick(int fila)
{
    int titulo = 0;
    if (estado.TituloDesdeRejilla) {
        titulo = enlace.ElementoElegido;
    } else if (estado.TituloDesdeCuestionario) {
        titulo = estado.TituloSelGM;
    } else if (fila >= 0 && fila < static_cast<int>(estado.TitulosFamilia.size())) {
        titulo = estado.TitulosFamilia[static_cast<size_t>(fila)];
    }
    const bool desdeCuestionario = estado.TituloDesdeCuestionario;
    estado.TituloDesdeRejilla = false;
    estado.TituloDesdeCuestionario = false;
    if (titulo < 1 || titulo > enlace.NumFPMedio)
        return;
    OcultarBocadillo();
    estado.TituloSelGM = titulo;
    enlace.SeleccionFija = false;
    Ocultar({ListPreFam, ListTit, Labeltitulo, reja, LabAyuGM});
    TimerAyu.stop();
    ayudaGM.OcultarHeli();
    AplicarAyuda();
    const QString nombre = DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPMedio[estado.TituloSelGM]));
    if (desdeCuestionario) {
        // The title's name in the help line, below the map while the title
        // is open: in sight beside the centres, clear of the lists' captions.
        LabAyuGM->setText(nombre);
        LabAyuGM->adjustSize();
        LabAyuGM->move(PanelEstrellas->x(), PanelEstrellas->geometry().bottom() + 4);
        LabAyuGM->show();
    }
    listSelFP->show();
    PanelSelTit->show();
    PanelCarSel->show();
    // The questionnaire has its own arrows and print button.
    if (!desdeCuestionario)
        MostrarControles({BotPuesto, BotRequisitos, botAsig, BotImprimir, BotRetrocederFP});
    PanelSelTit->clear();
    PanelCarSel->setText(nombre);
    listSelFP->clear();
    MarcarDondeSeEstudia();
    TimerParpadeo->Iniciar([this, nombre](bool mostrar) { PanelCarSel->setText(mostrar ? nombre : QString()); });
}

void TForm3::MarcarDondeSeEstudia()
{
    const TablasPorGrupo t = TablasDeNivel(enlace, enlace, NivelFP::Medio);
    MarcarComunidadesTitulo(enlace, t.ofertas, t.centros, t.n, estado.TituloSelGM);
    mapa->Redibujar();
    TimerEstrellas.start();
    PanelEstrellas->show();
}

void TForm3::MostrarVista(const std::vector<std::string> &lineas, int primeraFilaEncabezado, const QString &titulo)
{
    estado.PrimeraFilaEncabezado = primeraFilaEncabezado;
    PanelSelTit->setText(titulo);
    ConTransicion(true, [&] {
        // The print preview may have left its typewriter font and width.
        listSelFP->setFont(font());
        listSelFP->resize(listSelFP->width(), estado.AltoListaSelGM);
        listSelFP->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        listSelFP->setCursor(Qt::ArrowCursor);
        LlenarVista(listSelFP, lineas, EstilosVistaGM(lineas, primeraFilaEncabezado));
        reja->hide();
        listSelFP->show();
    });
}

void TForm3::BotRequisitosClick()
{
    const std::string codigo = CodigoRequisitosGM(estado.TituloSelGM, enlace.SeccionGMDesde, enlace.SeccionGMHasta);
    MostrarVista(LineasRequisitosGM(enlace.Requisitos, enlace.NumRequisitos, codigo, enlace.AnchoLista), 1001,
                 QString());
}

void TForm3::BotPuestoClick()
{
    MostrarVista(LineasPuestosGM(enlace, estado.TituloSelGM), 1001, T(199));
}

void TForm3::botAsigClick()
{
    MostrarVista(LineasAsignaturasGM(enlace, estado.TituloSelGM, true), 100, T(312));
}

void TForm3::VolverDeRutaPorTitulo()
{
    if (PanelEstrellas->isVisible()) {
        // Back from a title to the family's titles.
        Ocultar({reja, BotPuesto, BotRequisitos, botAsig, BotImprimir, BotTodoFP, PanelMapa, listSelFP});
        mapa->Redibujar();
        TimerEstrellas.stop();
        TimerParpadeo->Detener();
        PanelEstrellas->hide();
        PanelCarSel->clear();
        if (ListPreFam->count() == 0 || estado.FamiliasGrupoSel.empty()) {
            // A title opened from the centre grid has no family behind it.
            estado.ListaDeGrupos = true;
            ListPreFam->resize(ListPreFam->width(), kAltoGrupos);
            LlenarGrupos();
            PanelSelTit->setText(T(595));
            ListPreFam->show();
            return;
        }
        estado.ListaDeGrupos = false;
        PanelSelTit->setText(T(578));
        MostrarControles({ListPreFam, ListTit, Labeltitulo});
        return;
    }
    // Back from the groups or families: the route closes.
    ListPreFam->resize(ListPreFam->width(), kAltoGrupos);
    Ocultar({ListPreFam, ListTit, BotPuesto, BotRequisitos, botAsig, BotImprimir, BotTodoFP, PanelEstrellas, PanelMapa,
             PanelSelec, listSelFP, reja, Labeltitulo, BotRetrocederFP, PanelSelTit, PanelCarSel});
    enlace.RutaPorTitulo = false;
    MostrarMenu();
}

} // namespace norvela
