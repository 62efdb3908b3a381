#include "MapaEstrellas.h"

#include "ansi.h"
#include "comunidades.h"
#include "enlace.h"
#include "vista_mapa.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace norvela {

TForm7::TForm7(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm7"))
{
    PonerCierre(CierreVentana::SoloOcultar);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral(" "));
    // The window shows no caption; screen readers say what it holds.
    setAccessibleName(TextoPropio(Propio::MapaEspana));
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(fondo);

    MapaEstrellas =
        new VistaMapa(this, enlace.BmpMapa, QStringLiteral("MapaEstrellas"), TextoPropio(Propio::MapaEspana));
    MapaEstrellas->setCursor(Qt::PointingHandCursor);
    // The picture is placed 15 pixels left and 8 up, so its left and top
    // edges fall outside the window.
    MapaEstrellas->setGeometry(-15, -8, kAnchoMapa, kAltoMapa);
    // The click acts on the community under the mouse, which the move just
    // before it reported.
    connect(MapaEstrellas, &VistaMapa::movido, this, &TForm7::MapaEstrellasMouseMove);
    connect(MapaEstrellas, &VistaMapa::pulsado, this, &TForm7::MapaEstrellasClick);

    PanelMapa = EtiquetaPistaMapa(this, enlace.AnchoPanelMapa);
    // The label's corner at the mouse's picture coordinates in the window,
    // as wide as AnchoPanelMapa or as the name when a long one would be cut;
    // over the sea it stays, empty.
    PistaMapa pista;
    pista.etiqueta = PanelMapa;
    pista.desplazamiento = -MapaEstrellas->pos();
    pista.anchoDelTexto = true;
    MapaEstrellas->PonerPista(pista);

    TimerEstrellas = new QTimer(this);
    TimerEstrellas->setObjectName(QStringLiteral("TimerEstrellas"));
    TimerEstrellas->setInterval(200);
    connect(TimerEstrellas, &QTimer::timeout, this, &TForm7::TimerEstrellasTimer);

    setFixedSize(kAnchoMapa, kAltoMapa + 10);
    // Beside the degrees screen, which stands where every screen does.
    QPoint origen(0, 0);
    if (enlace.CentrarFormularios) {
        if (const QScreen *pantalla = QGuiApplication::primaryScreen())
            origen = pantalla->availableGeometry().center() - QRect(0, 0, kAncho, kAlto).center();
    }
    move(Posicion(origen));
}

QPoint TForm7::Posicion(const QPoint &origen)
{
    return origen + QPoint(kAncho - kAnchoMapa / 2, 0);
}

void TForm7::DibujarMapa()
{
    MapaEstrellas->Redibujar();
}

void TForm7::MostrarConMarcas()
{
    Mostrar();
    DibujarMapa();
    TimerEstrellas->start();
}

void TForm7::OcultarConMarcas()
{
    hide();
    TimerEstrellas->stop();
}

void TForm7::hideEvent(QHideEvent *evento)
{
    // A hidden window's pulse would only step the phases the FP screens'
    // markers share.
    TimerEstrellas->stop();
    Pantalla::hideEvent(evento);
}

void TForm7::TimerEstrellasTimer()
{
    MapaEstrellas->TicEstrellas(enlace);
}

void TForm7::MapaEstrellasMouseMove(int x, int y)
{
    if (x < 1 || x > kAnchoMapa || y < 1 || y > kAltoMapa)
        return;
    enlace.ComunidadRaton = enlace.MapaComunidades.Valor(x, y);
    MapaEstrellas->MostrarPista(x, y, DesdeAnsi(NombreComunidad(enlace, enlace.ComunidadRaton, enlace.AnchoLista)),
                                enlace.AnchoPanelMapa);
}

void TForm7::MapaEstrellasClick()
{
    const int c = enlace.ComunidadRaton;
    if (c < 1 || c > kNumComunidades)
        return;
    if (AlElegirComunidad)
        AlElegirComunidad(c);
    if (enlace.VistaDobles) {
        if (AlListarDobles)
            AlListarDobles(c);
        return;
    }
    const int fila = enlace.FilaComunidadNotas.Contiene(c) ? enlace.FilaComunidadNotas[c] : 0;
    if (fila >= 1 && AlDesplazarNotas)
        AlDesplazarNotas(c, fila);
}

} // namespace norvela
