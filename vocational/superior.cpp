#include "superior.h"

#include "colores.h"
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

namespace norvela {

TForm8::TForm8(Enlace &e, Pantallas &p) : PantallaFP(e, p, QStringLiteral("TForm8"))
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    Construir();
    Estilo();
    Captions();
    CrearRuta();
    Conectar();

    IniciarCodigosProvincia(enlace.CodigoProvincia);
    // The districts of Catalonia and the zones of Madrid, and the centres'
    // codes in them, which the intermediate-cycle screen reads too.
    CargarCodigosSuperior(enlace, enlace.Fichero(QStringLiteral("comarcas")), enlace.NumComarcas, 20);
    CargarZonasSuperior(enlace, enlace.Fichero(QStringLiteral("comarcasm")), enlace.NumZonas, 25);
    LlenarComarcasBarcelona();
    PrepararComarcasYZonas(enlace);

    enlace.FPSuperiorActivo = false;
    enlace.ListaDeLugares = false;
    enlace.ModoImpresion = false;
    AltoListaSel = listSelFP->height();
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
    setWindowTitle(T(338));
    LabelFP1->setText(T(513));
    MenuFP1->setText(T(316));
    MenuFP2->setText(T(317));
    menuFP3->setText(T(82));
    BotRetrocederFP->setText(T(82));
    BotImprimir->setText(T(36));
    BotCerrar->setText(T(13));
    botTodaFP->setText(T(391));
    Seleccion->Captions();
    Labeltitulo->setText(T(307));
    ButtonEstad1->setText(T(228));
    ButtonEstad2->setText(T(231));
    ButtonEstad3->setText(T(232));
    PanelSelTit->clear();
}

void TForm8::Conectar()
{
    connect(MenuFP1, &QPushButton::clicked, this, &TForm8::MenuFP1Click);
    connect(MenuFP2, &QPushButton::clicked, this, &TForm8::MenuFP2Click);
    connect(menuFP3, &QPushButton::clicked, this, &TForm8::menuFP3Click);
    connect(MenuFpTit1, &QPushButton::clicked, this, &TForm8::MenuFpTit1Click);
    connect(MenuFpTit2, &QPushButton::clicked, this, &TForm8::MenuFpTit2Click);
    connect(MenuFpTit3, &QPushButton::clicked, this, &TForm8::MenuFpTit3Click);
    connect(MenuFpTit4, &QPushButton::clicked, this, &TForm8::MenuFpTit4Click);
    connect(MenuFpTit5, &QPushButton::clicked, this, &TForm8::MenuFpTit5Click);
    connect(MenuFpTit6, &QPushButton::clicked, this, &TForm8::MenuFpTit6Click);
    connect(MenuFPTitEst, &QPushButton::clicked, this, &TForm8::MenuFPTitEstClick);
    connect(ButtonEstad1, &QPushButton::clicked, this, &TForm8::ButtonEstad1Click);
    connect(ButtonEstad2, &QPushButton::clicked, this, &TForm8::ButtonEstad2Click);
    connect(ButtonEstad3, &QPushButton::clicked, this, &TForm8::ButtonEstad3Click);
    connect(BotImprimir, &QPushButton::clicked, this, &TForm8::BotImprimirClick);
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TForm8::BotRetrocederFPClick);
    connect(BotAceptar, &QPushButton::clicked, this, &TForm8::BotAceptarClick);
    ConectarRuta(degradeini);
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
    enlace.ModoImpresion = false;
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
