// The title route of the higher-cycle screen: family groups, families and
// titles, the title menu and its views.
#include "superior.h"

#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "estadistica.h"
#include "grupos_fp.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "pantallas.h"
#include "ruta_lugares_fp.h"
#include "titulos_fp.h"

#include "panel_efectos.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

namespace {

// The study icons of the group rows 0..8.
constexpr int kIconosGrupo[9] = {1, 2, 35, 12, 0, 9, 19, 16, 21};

} // namespace

void TForm8::LlenarGrupos()
{
    ListPreFam->clear();
    for (int g = 1; g <= enlace.NumGruposFamilias; ++g) {
        auto *item = new QListWidgetItem(DesdeAnsi(enlace.GruposFamilias[g]).trimmed(), ListPreFam);
        item->setData(Qt::DecorationRole, IconoEstudios(g <= 9 ? kIconosGrupo[g - 1] : 1));
    }
}

void TForm8::MenuFP1Click()
{
    ListaDeGrupos = true;
    Ruta->estado.CentrosEnRejilla = false;
    TerminarSeleccionImpresion();
    ModoPorLugar = false;
    enlace.FPSuperiorActivo = true;
    PanelFP->hide();
    PanelSel->show();
    PanelSelTit->show();
    PanelSelTit->setText(T(595));
    listSelFP->hide();
    listSelFP->clear();
    listSelFP->setCursor(Qt::PointingHandCursor);
    ListPreFam->resize(ListPreFam->width(), 301);
    ListPreFam->show();
    LlenarGrupos();
}

void TForm8::ListPreFamMouseDown(int fila)
{
    // A press below the last row picks nothing.
    if (fila < 0 || fila >= ListPreFam->count())
        return;
    PanelFP->hide();
    ListPreFam->resize(ListPreFam->width(), 202);
    if (ListaDeGrupos) {
        const int r = fila + 1;
        FilaFamiliaSel = r;
        const std::vector<FilaFamilia> familias = FamiliasDeGrupo(Ruta->Nivel(), r);
        ListPreFam->clear();
        FilaGrado.assign(1, 0);
        auto *volver = new QListWidgetItem(T(82), ListPreFam);
        volver->setData(Qt::DecorationRole, IconoEstudios(43));
        int icono = 0;
        for (size_t k = 0; k < familias.size(); ++k) {
            FilaGrado.push_back(familias[k].familia);
            auto *item = new QListWidgetItem(DesdeAnsi(familias[k].texto).trimmed(), ListPreFam);
            // Rows after the fourth take the first family's icon.
            icono = IconoFamilia(k < 3 ? familias[k].familia : FilaGrado[1], icono);
            item->setData(Qt::DecorationRole, IconoEstudios(icono));
        }
        if (r == 1 || r == 6)
            ListPreFam->resize(ListPreFam->width(), 301);
        ListaDeGrupos = false;
        PanelSelTit->setText(T(578));
        return;
    }
    if (fila == 0) {
        VolverAGrupos();
        return;
    }
    FilaFamiliaSel = fila;
    NombreFamiliaSel = HaciaAnsi(ListPreFam->item(fila)->text().trimmed());
    ListPreFam->setCurrentRow(fila);
    const int f = fila < static_cast<int>(FilaGrado.size()) ? FilaGrado[static_cast<size_t>(fila)] : 0;
    const std::vector<int> titulos = TitulosDeFamilia(Ruta->Nivel(), f);
    ListaAux.clear();
    ListTitFP->show();
    ListTitFP->clear();
    for (int t : titulos) {
        ListaAux.push_back(enlace.NombresFPSuperior[t]);
        auto *item = new QListWidgetItem(DesdeAnsi(enlace.NombresFPSuperior[t]).trimmed(), ListTitFP);
        item->setData(Qt::DecorationRole, IconoLista(3));
    }
    Labeltitulo->move(ListTitFP->x(), ListTitFP->y() - 25);
    Labeltitulo->setText(DesdeAnsi(NombreFamiliaSel) + QStringLiteral(" - ") +
                         (titulos.empty() ? T(292) : T(307) + QStringLiteral("...")));
    Labeltitulo->show();
}

void TForm8::VolverAGrupos()
{
    ListaDeGrupos = true;
    ListPreFam->resize(ListPreFam->width(), 301);
    ListTitFP->hide();
    Labeltitulo->hide();
    LlenarGrupos();
    PanelFP->show();
}

void TForm8::ListTitFPClick(int fila)
{
    int titulo = 0;
    if (TituloDesdeRejilla) {
        titulo = enlace.ElementoElegido;
        TituloDesdeRejilla = false;
    } else {
        const size_t f = static_cast<size_t>(FilaFamiliaSel);
        if (fila < 0 || f >= FilaGrado.size())
            return;
        const int familia = FilaGrado[f];
        const NivelFPDatos &nivel = Ruta->Nivel();
        if (familia < 1 || familia > nivel.NumFamilias())
            return;
        titulo = fila + 1 + nivel.filaTitulo[static_cast<size_t>(familia)];
    }
    if (titulo < 1 || titulo > enlace.NumFPSuperior)
        return;
    TituloSel = titulo;
    ListPreFam->hide();
    ListTitFP->hide();
    Labeltitulo->hide();
    listSelFP->show();
    BotRetrocederFP->show();
    const QString nombre = DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPSuperior[TituloSel]));
    PanelCarSel->setText(nombre);
    PanelCarSel->show();
    PanelSelTit->clear();
    TimerParpadeo->Iniciar([this, nombre](bool mostrar) { PanelCarSel->setText(mostrar ? nombre : QString()); });
    listSelFP->clear();
    PanelFpTit->show();
    MenuFpTit1->setText(T(317));
    MenuFpTit2->setText(T(277));
    MenuFpTit3->setText(T(319));
    MenuFpTit4->setText(T(298) + ' ' + T(46));
    MenuFpTit5->setText(T(321));
    MenuFpTit6->setText(T(322));
    MenuFPTitEst->setText(T(227));
    enlace.ListaDeLugares = false;
}

void TForm8::MarcarOpcion(QPushButton *boton)
{
    PanelEstadistica->hide();
    QPalette p = boton->palette();
    p.setColor(QPalette::ButtonText, QColor(128, 0, 128));
    boton->setPalette(p);
    QFont f = boton->font();
    f.setItalic(true);
    boton->setFont(f);
}

std::vector<std::string> TForm8::LineasVista(InfoTitulo vista) const
{
    std::vector<std::string> r;
    switch (vista) {
    case InfoTitulo::Requisitos:
        return LineasRequisitos(enlace, enlace.Requisitos, enlace.NumRequisitos, TituloSel, HaciaAnsi(T(438)));
    case InfoTitulo::Asignaturas:
        return LineasAsignaturas(enlace, TituloSel, HaciaAnsi(T(271)));
    case InfoTitulo::Acceso:
        for (int k = 711; k <= 715; ++k)
            r.push_back(Cortar(HaciaAnsi(T(k)), 60));
        break;
    case InfoTitulo::Donde:
        break;
    }
    return r;
}

void TForm8::MostrarInfoTitulo(bool imprimir, InfoTitulo info)
{
    if (info == InfoTitulo::Donde) {
        PanelFpTit->hide();
        PanelFP->hide();
        BotRetrocederFP->show();
        return;
    }
    // The caption of each view; the subjects view has heading rows.
    const int titulo = info == InfoTitulo::Requisitos ? 277 : info == InfoTitulo::Asignaturas ? 312 : 717;
    PrimeraFilaEncabezado = info == InfoTitulo::Asignaturas ? 100 : 1001;
    PanelSelTit->setText(T(titulo));
    ListaAux = LineasVista(info);
    PanelSelTit->show();
    if (imprimir) {
        // The report gets the lines after its last one, each cut to 65.
        for (const std::string &s : ListaAux)
            enlace.LineasInforme.Poner(++enlace.NumLineasInforme, Cortar(s, 65));
        return;
    }
    listSelFP->show();
    ConTransicion(true, [this] {
        listSelFP->setCursor(Qt::ArrowCursor);
        LlenarVista(listSelFP, ListaAux, PrimeraFilaEncabezado);
        reja->hide();
    });
    enlace.ListaDeLugares = false;
}

void TForm8::MenuFpTit1Click()
{
    MarcarOpcion(MenuFpTit1);
    enlace.ModoImpresion = false;
    listSelFP->clear();
    PanelEstrellas->show();
    const TablasPorGrupo &t = Ruta->Nivel().estrellas;
    MarcarComunidadesTitulo(enlace, t.ofertas, t.centros, t.n, TituloSel);
    mapa->Redibujar();
    TimerEstrellas.start();
    MostrarInfoTitulo(false, InfoTitulo::Donde);
}

void TForm8::MenuFpTit2Click()
{
    MarcarOpcion(MenuFpTit2);
    enlace.ModoImpresion = false;
    MostrarInfoTitulo(false, InfoTitulo::Requisitos);
}

void TForm8::MenuFpTit3Click()
{
    MarcarOpcion(MenuFpTit3);
    enlace.ModoImpresion = false;
    MostrarInfoTitulo(false, InfoTitulo::Asignaturas);
}

void TForm8::MenuFpTit4Click()
{
    MarcarOpcion(MenuFpTit4);
    enlace.ModoImpresion = false;
    MostrarInfoTitulo(false, InfoTitulo::Acceso);
}

void TForm8::MenuFpTit6Click()
{
    ListaDeGrupos = false;
    MostrarControles({ListTitFP, Labeltitulo, ListPreFam, BotRetrocederFP});
    Ocultar({listSelFP, PanelFpTit, PanelFP});
}

void TForm8::MenuFPTitEstClick()
{
    PanelEstadistica->show();
}

void TForm8::ButtonEstad1Click()
{
    auto *estadisticas = pantallas.Como<TEstadisticas>(Papel::EstadisticasFP);
    if (!estadisticas)
        return;
    estadisticas->labelEstad1Click(TituloSel);
    estadisticas->Mostrar();
}

// The family of the chosen title (field 24). An arts or sports title
// belongs to none of the 26 families (0): the family charts then show
// family 5, Artes y Artesanías.
int TForm8::FamiliaDelTitulo() const
{
    constexpr int kFamiliaSinFamilia = 5;
    const auto &t = enlace.TablaFPSuperior;
    const int familia = TituloSel >= t.FilaPrimera() && TituloSel <= t.FilaUltima() ? t.En(TituloSel, 24) : 0;
    return familia == 0 ? kFamiliaSinFamilia : familia;
}

void TForm8::ButtonEstad2Click()
{
    auto *estadisticas = pantallas.Como<TEstadisticas>(Papel::EstadisticasFP);
    if (!estadisticas)
        return;
    estadisticas->labelEstad3Click(FamiliaDelTitulo());
    estadisticas->Mostrar();
}

void TForm8::ButtonEstad3Click()
{
    auto *estadisticas = pantallas.Como<TEstadisticas>(Papel::EstadisticasFP);
    if (!estadisticas)
        return;
    estadisticas->labelEstad4Click(FamiliaDelTitulo());
    estadisticas->Mostrar();
}

} // namespace norvela
