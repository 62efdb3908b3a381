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

void TForm8::MenuFP1Click()
{
    Ruta->estado.CentrosEnRejilla = false;
    TerminarSeleccionImpresion();
    Ruta->estado.RutaPorLugar = false;
    enlace.FPSuperiorActivo = true;
    PanelFP->hide();
    PanelSel->show();
    PanelSelTit->show();
    AbrirGrupos();
}

void TForm8::FamiliasPulsadas()
{
    PanelFP->hide();
    ListPreFam->resize(ListPreFam->width(), AltoFamilias());
}

void TForm8::VolverAGrupos()
{
    ListTitFP->hide();
    Labeltitulo->hide();
    MostrarGrupos();
    PanelFP->show();
}

void TForm8::ListTitFPClick(int fila)
{
    int titulo = 0;
    if (estado.TituloDesdeRejilla) {
        titulo = enlace.ElementoElegido;
        estado.TituloDesdeRejilla = false;
    } else {
        const size_t f = static_cast<size_t>(estado.Titulos.FilaFamiliaSel);
        if (fila < 0 || f >= estado.Titulos.FamiliasGrupoSel.size())
            return;
        const int familia = estado.Titulos.FamiliasGrupoSel[f];
        const NivelFPDatos &nivel = Ruta->Nivel();
        if (familia < 1 || familia > nivel.NumFamilias())
            return;
        titulo = fila + 1 + nivel.filaTitulo[static_cast<size_t>(familia)];
    }
    if (titulo < 1 || titulo > enlace.NumFPSuperior)
        return;
    estado.TituloSel = titulo;
    ListPreFam->hide();
    ListTitFP->hide();
    Labeltitulo->hide();
    listSelFP->show();
    BotRetrocederFP->show();
    const QString nombre = DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPSuperior[estado.TituloSel]));
    PanelCarSel->show();
    PanelSelTit->clear();
    ParpadearTitulo(nombre);
    listSelFP->clear();
    PanelFpTit->show();
    MenuFpTit1->setText(T(317));
    MenuFpTit2->setText(T(277));
    MenuFpTit3->setText(T(319));
    MenuFpTit4->setText(T(298) + ' ' + T(46));
    MenuFpTit5->setText(T(321));
    MenuFpTit6->setText(T(322));
    MenuFPTitEst->setText(T(227));
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
        return LineasRequisitos(enlace, enlace.Requisitos, enlace.NumRequisitos, estado.TituloSel, HaciaAnsi(T(438)));
    case InfoTitulo::Asignaturas:
        return LineasAsignaturas(enlace, estado.TituloSel, HaciaAnsi(T(271)));
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
    estado.PrimeraFilaEncabezado = info == InfoTitulo::Asignaturas ? 100 : 1001;
    PanelSelTit->setText(T(titulo));
    const std::vector<std::string> lineas = LineasVista(info);
    PanelSelTit->show();
    if (imprimir) {
        // The report gets the lines after its last one, each cut to 65.
        for (const std::string &s : lineas)
            enlace.LineasInforme.Poner(++enlace.NumLineasInforme, Cortar(s, 65));
        return;
    }
    listSelFP->show();
    ConTransicion(true, [&] {
        listSelFP->setCursor(Qt::ArrowCursor);
        LlenarVista(listSelFP, lineas, estado.PrimeraFilaEncabezado);
        reja->hide();
    });
}

void TForm8::MenuFpTit1Click()
{
    MarcarOpcion(MenuFpTit1);
    listSelFP->clear();
    PanelEstrellas->show();
    MarcarDondeSeEstudia(estado.TituloSel);
    MostrarInfoTitulo(false, InfoTitulo::Donde);
}

void TForm8::AbrirVista(QPushButton *boton, InfoTitulo info)
{
    MarcarOpcion(boton);
    MostrarInfoTitulo(false, info);
}

void TForm8::MenuFpTit6Click()
{
    estado.Titulos.ListaDeGrupos = false;
    MostrarControles({ListTitFP, Labeltitulo, ListPreFam, BotRetrocederFP});
    Ocultar({listSelFP, PanelFpTit, PanelFP});
}

void TForm8::MenuFPTitEstClick()
{
    PanelEstadistica->show();
}

void TForm8::MostrarEstadisticas(const std::function<void(TEstadisticas &)> &grafico)
{
    auto *estadisticas = pantallas.Como<TEstadisticas>(Papel::EstadisticasFP);
    if (!estadisticas)
        return;
    grafico(*estadisticas);
    estadisticas->Mostrar();
}

// The family of the chosen title (field 24). An arts or sports title
// belongs to none of the 26 families (0): the family charts then show
// family 5, Artes y Artesanías.
int TForm8::FamiliaDelTitulo() const
{
    constexpr int kFamiliaSinFamilia = 5;
    const auto &t = enlace.TablaFPSuperior;
    const int familia = estado.TituloSel >= t.FilaPrimera() && estado.TituloSel <= t.FilaUltima() ? t.En(estado.TituloSel, 24) : 0;
    return familia == 0 ? kFamiliaSinFamilia : familia;
}

} // namespace norvela
