#include "pantalla_fp.h"

#include "ansi.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "lugares_fp.h"
#include "marco.h"
#include "nivel_fp.h"
#include "pantallas.h"
#include "piezas_fp.h"
#include "ruta_lugares_fp.h"
#include "textos_propios.h"
#include "transiciones_paneles.h"
#include "vista_mapa.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace norvela {

PantallaFP::PantallaFP(Enlace &e, Pantallas &p, const QString &nombre)
    : Pantalla(e, p, nombre), ImpresionConDialogo(e, this)
{
    TimerEstrellas.setInterval(200);
    connect(&TimerEstrellas, &QTimer::timeout, this, &PantallaFP::TimerEstrellasTimer);
}

void PantallaFP::TimerEstrellasTimer()
{
    mapa->TicEstrellas(enlace);
}

void PantallaFP::PonerMarcoFP(QLabel *fondo)
{
    const Marco marco = PonerMarco(this, enlace, fondo);
    TilIzq = marco.izquierda;
    TilDer = marco.derecha;
    TilArr = marco.arriba;
}

void PantallaFP::ConstruirFamilias(QWidget *panel, const QRect &familias, const QRect &rotulo)
{
    ListPreFam = ListaPulsableFP(panel, QStringLiteral("ListPreFam"), familias.x(), familias.y(), familias.width(),
                                 familias.height());
    ListPreFam->setItemDelegate(new DelegadoIconoTexto(40, 4, 33, ListPreFam));
    Labeltitulo = new QLabel(panel);
    Labeltitulo->setObjectName(QStringLiteral("Labeltitulo"));
    Labeltitulo->setGeometry(rotulo);
    // The panel that holds them paints itself: screen readers name it, and
    // the family list, by what they offer.
    if (panel->accessibleName().isEmpty())
        panel->setAccessibleName(T(316));
    ListPreFam->setAccessibleName(T(575));
}

void PantallaFP::ConstruirMapasDetalle(const QPoint &sitio, double escala)
{
    mapac = new VistaMapa(this, enlace.BmpMapaC, QStringLiteral("mapac"), TextoPropio(Propio::MapaComarcas), escala);
    mapam = new VistaMapa(this, enlace.BmpMapaM, QStringLiteral("mapam"), TextoPropio(Propio::MapaZonas), escala);
    for (VistaMapa *m : {mapac, mapam}) {
        m->move(sitio);
        m->hide();
    }
}

void PantallaFP::ConstruirPanelMapa()
{
    PanelMapa = PanelTextoFP(this, QStringLiteral("PanelMapa"), 0, 0, enlace.AnchoPanelMapa, 18);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();
}

void PantallaFP::LlenarComarcasBarcelona()
{
    for (int r = kPrimeraSubcomarca; r <= enlace.NumComarcas && enlace.NombresComarcas.Contiene(r); ++r)
        listBarcelona->addItem(DesdeAnsi(enlace.NombresComarcas[r]).trimmed());
}

ControlesRutaFP PantallaFP::ControlesRuta() const
{
    return {.mapa = mapa,
            .mapac = mapac,
            .mapam = mapam,
            .PanelEstrellas = PanelEstrellas ? PanelEstrellas : mapa,
            .PanelMapa = PanelMapa,
            .ListSelLugFP = ListSelLugFP,
            .listBarcelona = listBarcelona,
            .BotCerrar = BotCerrar,
            .BotInternetC = nullptr,
            .botTodaFP = nullptr,
            .BotImprimir = BotImprimir,
            .reja = reja,
            .PanelSelTit = PanelSelTit,
            .PanelCarSel = PanelCarSel,
            .listSelFP = listSelFP};
}

void PantallaFP::CrearRutaFP(NivelFPDatos nivel, const ControlesRutaFP &controles, QWidget *panel)
{
    panelListas_ = panel;
    // The route's lists and grid as screen readers name them.
    reja->setAccessibleName(T(317));
    ListSelLugFP->setAccessibleName(TextoPropio(Propio::Lugares));
    if (listSelFP)
        listSelFP->setAccessibleName(TextoPropio(Propio::InformacionTitulo));
    if (listBarcelona)
        listBarcelona->setAccessibleName(TextoPropio(Propio::Barcelona));
    Ruta = new RutaLugaresFP(enlace, std::move(nivel), controles, this);
    Ruta->Transicion = [this](bool circulo, const std::function<void()> &cambio) { ConTransicion(circulo, cambio); };
}

void PantallaFP::ConectarRuta(EtiquetaActiva *fondo)
{
    Ruta->Conectar();
    connect(fondo, &EtiquetaActiva::movido, Ruta, &RutaLugaresFP::OcultarPista);
}

void PantallaFP::ConTransicion(bool circulo, const std::function<void()> &cambio)
{
    CambiarPanel(pantallas.Transiciones, panelListas_, circulo, cambio);
}

void PantallaFP::hideEvent(QHideEvent *evento)
{
    TimerEstrellas.stop();
    Pantalla::hideEvent(evento);
}

} // namespace norvela
