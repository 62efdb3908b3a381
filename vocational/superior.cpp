#include "superior.h"

#include "colores.h"
#include "estadistica.h"
#include "impresion_fp.h"

#include "ansi.h"
#include "cargas_columnas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "piezas_fp.h"
#include "pantallas.h"
#include "ruta_lugares_fp.h"
#include "transiciones_paneles.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <utility>

namespace norvela {

void TForm8::PrepararDatos(Enlace &e)
{
    IniciarCodigosProvincia(e.CodigoProvincia);
    // The districts of Catalonia and the zones of Madrid, and the centres'
    // codes in them, which the intermediate-cycle screen reads too.
    CargarCodigosSuperior(e, e.Fichero(QStringLiteral("comarcas")), e.NumComarcas, 20);
    CargarZonasSuperior(e, e.Fichero(QStringLiteral("comarcasm")), e.NumZonas, 25);
    PrepararComarcasYZonas(e);
    e.FPSuperiorActivo = false;
}

TForm8::TForm8(Enlace &e, Pantallas &p) : PantallaFP(e, p, QStringLiteral("TForm8"))
{
    Montar(CierreVentana::PreguntarYTerminar);
}

void TForm8::Completado()
{
    LlenarComarcasBarcelona();
    estado.AltoListaSel = listSelFP->height();
}

void TForm8::hideEvent(QHideEvent *evento)
{
    TimerParpadeo->Detener();
    PantallaFP::hideEvent(evento);
}

void TForm8::Estilo()
{
    EstiloFP(this, paleta::ColorCrema, reja, PanelCarSel, PanelMapa,
             {PanelFP, PanelFpTit, PanelEstadistica, PanelImp, PanelSelTit, PanelCarSel, PanelMapa},
             {PanelSelTit, PanelCarSel, Labeltitulo});
    const QFont f9(QStringLiteral("Arial"), 9);
    for (QWidget *w : {static_cast<QWidget *>(ButtonEstad1), static_cast<QWidget *>(ButtonEstad2),
                       static_cast<QWidget *>(ButtonEstad3), static_cast<QWidget *>(LabelSelCom1),
                       static_cast<QWidget *>(LabelSelCom2)})
        w->setFont(f9);
    LabelFP1->setFont(QFont(QStringLiteral("Arial"), 24, QFont::Bold));
    PonerColor({LabelFP1}, QPalette::WindowText, paleta::ColorTitulo);
}

void TForm8::Captions()
{
    PonerTextos(513, {{MenuFP1, 316}, {MenuFP2, 317}, {menuFP3, 82}, {BotRetrocederFP, 82}, {BotImprimir, 36},
                 {BotCerrar, 13}, {botTodaFP, 391}, {ButtonEstad1, 228}, {ButtonEstad2, 231}, {ButtonEstad3, 232}});
    PanelSelTit->clear();
}

void TForm8::Conectar()
{
    // The start panel's buttons were wired with it.
    ConectarBotones<TForm8>({{MenuFpTit1, &TForm8::MenuFpTit1Click},
                             {MenuFpTit5, &TForm8::MenuFpTit5Click}, {MenuFpTit6, &TForm8::MenuFpTit6Click},
                             {MenuFPTitEst, &TForm8::MenuFPTitEstClick}, {BotImprimir, &TForm8::BotImprimirClick},
                             {BotRetrocederFP, &TForm8::BotRetrocederFPClick}, {BotAceptar, &TForm8::BotAceptarClick}});
    // The title's three views.
    for (const auto &[boton, info] : {std::pair{MenuFpTit2, InfoTitulo::Requisitos},
                                      std::pair{MenuFpTit3, InfoTitulo::Asignaturas},
                                      std::pair{MenuFpTit4, InfoTitulo::Acceso}})
        connect(boton, &QPushButton::clicked, this, [this, boton, info] { AbrirVista(boton, info); });
    // The statistics of the title, of its family's titles, of its family by community.
    connect(ButtonEstad1, &QPushButton::clicked, this,
            [this] { MostrarEstadisticas([this](TEstadisticas &e) { e.labelEstad1Click(estado.TituloSel); }); });
    connect(ButtonEstad2, &QPushButton::clicked, this,
            [this] { MostrarEstadisticas([this](TEstadisticas &e) { e.labelEstad3Click(FamiliaDelTitulo()); }); });
    connect(ButtonEstad3, &QPushButton::clicked, this,
            [this] { MostrarEstadisticas([this](TEstadisticas &e) { e.labelEstad4Click(FamiliaDelTitulo()); }); });
    ConectarRuta(degradeini);
}

void TForm8::MostrarInicio(bool cabecera)
{
    if (cabecera)
        LabelFP1->show();
    PanelFP->show();
    Mostrar();
}

void TForm8::menuFP3Click()
{
    LabelFP1->hide();
    PanelFP->hide();
    enlace.FPSuperiorActivo = false;
    Salir(enlace.FPSuperiorDesdeAsistente);
}

void TForm8::BotRetrocederFPClick()
{
    TerminarSeleccionImpresion();
    PanelSelTit->clear();
    BotImprimir->hide();
    if (Ruta->VolverAProvincias())
        return;
    if (Ruta->estado.RutaPorLugar && PanelEstrellas->isVisible()) {
        Ruta->estado.CentrosEnRejilla = false;
        reja->setCursor(Qt::ArrowCursor);
        Ocultar({mapac, mapam, listBarcelona, BotCerrar, PanelEstrellas, PanelSel, PanelSelTit, PanelCarSel, reja});
        mapa->Redibujar();
        TimerEstrellas.stop();
        PanelSelTit->clear();
        PanelCarSel->clear();
        PanelFP->show();
        BotRetrocederFP->hide();
        Ruta->estado.RutaPorLugar = false;
        return;
    }
    if (Ruta->estado.RutaPorLugar) {
        Ruta->VolverAlMapa();
        return;
    }
    // Title mode.
    reja->hide();
    PanelEstadistica->hide();
    VaciarRejilla(reja);
    if (PanelEstrellas->isVisible()) {
        PanelEstrellas->hide();
        mapa->Redibujar();
        TimerEstrellas.stop();
        Ocultar({mapam, mapac, listBarcelona, PanelMapa});
        PanelFpTit->show();
        listSelFP->show();
        return;
    }
    ListPreFam->resize(ListPreFam->width(), 301);
    Ocultar({listSelFP, ListTitFP, Labeltitulo, PanelFpTit, BotRetrocederFP});
    PanelSelTit->clear();
    PanelCarSel->clear();
    PanelFP->show();
}

} // namespace norvela
