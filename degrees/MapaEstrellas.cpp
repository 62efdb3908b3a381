#include "MapaEstrellas.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace norvela {

LienzoEstrellas::LienzoEstrellas(QWidget *padre) : QWidget(padre)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void LienzoEstrellas::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, lienzo);
}

void LienzoEstrellas::mouseMoveEvent(QMouseEvent *evento)
{
    const QPoint punto = evento->position().toPoint();
    if (alMover)
        alMover(punto.x(), punto.y());
}

void LienzoEstrellas::mousePressEvent(QMouseEvent *evento)
{
    pulsado_ = evento->button() == Qt::LeftButton;
}

void LienzoEstrellas::mouseReleaseEvent(QMouseEvent *evento)
{
    if (!pulsado_ || evento->button() != Qt::LeftButton)
        return;
    pulsado_ = false;
    const QPoint punto = evento->position().toPoint();
    if (rect().contains(punto) && alPulsar)
        alPulsar(punto.x(), punto.y());
}

TForm7::TForm7(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm7"))
{
    PonerCierre(CierreVentana::SoloOcultar);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral(" "));
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(fondo);

    MapaEstrellas = new LienzoEstrellas(this);
    MapaEstrellas->setObjectName(QStringLiteral("MapaEstrellas"));
    MapaEstrellas->setAccessibleName(QStringLiteral("MapaEstrellas"));
    // The picture is placed 15 pixels left and 8 up, so its left and top
    // edges fall outside the window.
    MapaEstrellas->setGeometry(-15, -8, kAnchoMapa, kAltoMapa);
    MapaEstrellas->lienzo = enlace.BmpMapa.isNull()
                                ? QImage(kAnchoMapa, kAltoMapa, QImage::Format_RGB32)
                                : enlace.BmpMapa.convertToFormat(QImage::Format_RGB32);
    if (enlace.BmpMapa.isNull())
        MapaEstrellas->lienzo.fill(Qt::white);
    MapaEstrellas->alMover = [this](int x, int y) { MapaEstrellasMouseMove(x, y); };
    MapaEstrellas->alPulsar = [this](int x, int y) {
        // The click acts on the community under the mouse.
        MapaEstrellasMouseMove(x, y);
        MapaEstrellasClick();
    };

    PanelMapa = new QLabel(this);
    PanelMapa->setObjectName(QStringLiteral("PanelMapa"));
    PanelMapa->setAutoFillBackground(true);
    QPalette amarillo = PanelMapa->palette();
    amarillo.setColor(QPalette::Window, QColor(255, 255, 0));
    amarillo.setColor(QPalette::WindowText, Qt::black);
    PanelMapa->setPalette(amarillo);
    QFont fuente(QStringLiteral("Arial"), 8);
    fuente.setBold(true);
    PanelMapa->setFont(fuente);
    PanelMapa->setAlignment(Qt::AlignCenter);
    PanelMapa->setFrameShape(QFrame::Box);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->resize(enlace.AnchoPanelMapa, 17);
    PanelMapa->hide();

    TimerEstrellas = new QTimer(this);
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
    if (enlace.BmpMapa.isNull())
        return;
    QPainter p(&MapaEstrellas->lienzo);
    p.drawImage(0, 0, enlace.BmpMapa);
    p.end();
    MapaEstrellas->update();
}

void TForm7::MostrarEstrellas()
{
    Mostrar();
    DibujarMapa();
    TimerEstrellas->start();
}

void TForm7::OcultarEstrellas()
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
    PulsoEstrellas(MapaEstrellas->lienzo, enlace, Pincel);
    MapaEstrellas->update();
}

void TForm7::MapaEstrellasMouseMove(int x, int y)
{
    if (x < 1 || x > kAnchoMapa || y < 1 || y > kAltoMapa)
        return;
    PanelMapa->show();
    PanelMapa->raise();
    enlace.ComunidadRaton = enlace.MapaComunidades.Valor(x, y);
    PanelMapa->move(x, y);
    const int c = enlace.ComunidadRaton;
    QString nombre;
    if (c >= 1 && c <= kNumComunidades && enlace.Lugares.Contiene(c)) {
        const std::string &linea = enlace.Lugares[c];
        const std::string_view desde3 = linea.size() > 2 ? std::string_view(linea).substr(2) : std::string_view();
        nombre = DesdeAnsi(QuitarBlancosFinales(Cortar(desde3, enlace.AnchoLista)));
    }
    PanelMapa->setText(nombre);
    // As wide as AnchoPanelMapa, or as the name when a long one would be cut.
    const int ancho = PanelMapa->fontMetrics().horizontalAdvance(nombre) + 8;
    PanelMapa->resize(std::max(enlace.AnchoPanelMapa, ancho), PanelMapa->height());
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
