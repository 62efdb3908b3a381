#include "animacion.h"

#include "dibujo_escena.h"
#include "enlace.h"
#include "etiquetas.h"
#include "paleta.h"
#include "paquetes.h"
#include "plataforma.h"
#include "textos_propios.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace norvela {

namespace {

// A place's label: its caption stands on the board, and the rest of it is
// the door the scene paints beneath. The caption is drawn again only when a
// repaint reaches the board, not each time the student passes the door.
class EtiquetaLugar : public EtiquetaActiva {
public:
    using EtiquetaActiva::EtiquetaActiva;

protected:
    void paintEvent(QPaintEvent *evento) override
    {
        if (evento->region().intersects(contentsRect()))
            EtiquetaActiva::paintEvent(evento);
    }
};

} // namespace

SuperficieEscena::SuperficieEscena(const ImagenesEscena &imagenes, QWidget *padre)
    : QWidget(padre), imagenes_(imagenes)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, escena::kAncho, escena::kAlto);
    // The scene paints itself: screen readers say what it is.
    setAccessibleName(TextoPropio(Propio::EscenaAnimada));
}

void SuperficieEscena::Initialize()
{
    reloj_.start();
    pedido_ = EstadoEn(tiempo_);
    resaltadoPedido_ = resaltado_;
    update();
}

void SuperficieEscena::Fotograma()
{
    if (!reloj_.isValid())
        reloj_.start();
    Avanzar(std::min<std::int64_t>(reloj_.restart(), 100));
}

void SuperficieEscena::Avanzar(std::int64_t ms)
{
    tiempo_ += std::max<std::int64_t>(ms, 0);
    PedirCambio();
}

void SuperficieEscena::PedirCambio()
{
    const EstadoEscena ahora = EstadoEn(tiempo_);
    if (imagenes_.fondo.isNull() || !isVisible()) {
        // Hidden, it is painted whole when it shows.
        update();
    } else {
        // Most of the picture stays: only where something moved, in its
        // old place and its new one.
        for (const QRect &zona : CambioEscena(imagenes_, pedido_, resaltadoPedido_, ahora, resaltado_)) {
            pendientes_.push_back(zona);
            update(zona);
        }
    }
    pedido_ = ahora;
    resaltadoPedido_ = resaltado_;
}

void SuperficieEscena::PonerResaltado(int lugar)
{
    resaltado_ = lugar;
}

void SuperficieEscena::paintEvent(QPaintEvent *evento)
{
    QPainter p(this);
    if (imagenes_.fondo.isNull()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    // The areas asked for, and whatever else the window needs (a part that
    // was uncovered, the whole of it when it shows), drawn area by area.
    std::vector<QRect> zonas = std::exchange(pendientes_, {});
    QRegion pedidas;
    for (const QRect &zona : zonas)
        pedidas += zona;
    for (const QRect &resto : evento->region() - pedidas)
        zonas.push_back(resto);
    const EstadoEscena s = EstadoEn(tiempo_);
    for (const QRect &zona : UnirZonas(std::move(zonas)))
        PintarEscena(p, imagenes_, s, resaltado_, zona);
}

Tform9::Tform9(Enlace &e, Pantallas &p)
    : Pantalla(e, p, QStringLiteral("Tform9")), modos_(std::make_unique<ModosPantalla>())
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    // The shared error flag is left as it is: start-up only gets here with
    // it clear, and a screen never hides an error found before it.
    // Where the desktop cannot switch its display mode there is nothing to
    // offer the student.
    if (!modos_->Listar().empty())
        CambiarResolucion(enlace, 1, *modos_);

    const QString fallido = CargarPaquetesEscena(enlace.Fichero(enlace.FicheroSegDXG),
                                                 enlace.Fichero(enlace.FicheroVectorDXG), imagenes_);
    // A damaged pack is told like a missing one; the program can go on
    // without the scene, so the error flag stays clear.
    escenaLeida_ = fallido.isEmpty();
    if (!escenaLeida_)
        enlace.AvisarFaltaFichero(fallido);
    // The backdrop has no transparent pixel: as an opaque picture each frame
    // copies it where it repaints, instead of blending it.
    if (!imagenes_.fondo.isNull())
        imagenes_.fondo = std::move(imagenes_.fondo).convertToFormat(QImage::Format_RGB32);

    DXDraw = new SuperficieEscena(imagenes_, this);
    DXTimer.setInterval(kIntervalo);
    DXTimer.setTimerType(Qt::PreciseTimer);
    connect(&DXTimer, &QTimer::timeout, this, &Tform9::DXTimerTimer);
    CrearLugares();
}

Tform9::~Tform9()
{
    DXTimer.stop();
}

void Tform9::CrearLugares()
{
    const auto t = [this](int k) { return enlace.Texto(k); };
    const QString salto = QStringLiteral("\n");
    struct Lugar {
        EtiquetaActiva **etiqueta;
        LugarEscena lugar;
        QString texto, hint;
        void (Tform9::*clic)();
    };
    const Lugar lugares[] = {
        {&LabelCarreras, LugarEscena::Carreras, t(84), t(306) + salto + t(551), &Tform9::LabelCarrerasClick},
        {&LabelCat, LugarEscena::Cat, t(103), t(224), &Tform9::LabelCatClick},
        {&LabelFpS, LugarEscena::FpS, t(513), t(318) + salto + t(316) + salto + t(317), &Tform9::LabelFpSClick},
        {&LabelEntrada, LugarEscena::Entrada, QStringLiteral("Norvela 2019/20"), t(14), &Tform9::LabelEntradaClick},
        {&LabelFPM, LugarEscena::FPM, t(512),
         QStringList{t(113), t(154), t(155), t(156), t(157), t(158), t(159)}.join(salto), &Tform9::LabelFPMClick},
        {&LabelFPip, LugarEscena::FPip, t(263), t(263) + salto + t(584), &Tform9::LabelFPipClick},
        {&LabelDejar, LugarEscena::Dejar, t(587) + salto + t(588), t(580), &Tform9::LabelDejarClick},
    };
    for (const Lugar &l : lugares) {
        auto *e = new EtiquetaLugar(this);
        const Caja caja = CajaLugar(l.lugar), rotulo = CajaRotulo(l.lugar);
        e->setGeometry(caja.x, caja.y, caja.ancho, caja.alto);
        // The caption sits on the board; the rest of the place is the door.
        e->setContentsMargins(rotulo.x - caja.x + 3, rotulo.y - caja.y + 2, caja.x + caja.ancho - rotulo.x - rotulo.ancho + 3,
                              caja.y + caja.alto - rotulo.y - rotulo.alto + 2);
        e->setText(l.texto);
        e->setAlignment(Qt::AlignCenter);
        QFont fuente(QStringLiteral("Arial"), l.lugar == LugarEscena::Entrada ? 11 : 10);
        fuente.setBold(true);
        e->setFont(fuente);
        e->PonerColorTexto(l.lugar == LugarEscena::Entrada ? paleta::ColorGranate : paleta::ColorTitulo);
        e->setCursor(Qt::PointingHandCursor);
        AjustarFuenteAlTexto(e);
        e->setAccessibleName(QString(l.texto).replace(salto, QStringLiteral(" ")));
        if (!l.hint.isEmpty())
            e->setToolTip(l.hint);
        connect(e, &EtiquetaActiva::clic, this, l.clic);
        *l.etiqueta = e;
    }
}

EtiquetaActiva *Tform9::Lugar(LugarEscena lugar) const
{
    EtiquetaActiva *const etiquetas[kLugares] = {LabelCarreras, LabelCat, LabelFpS, LabelEntrada,
                                                 LabelFPM,      LabelFPip, LabelDejar};
    return etiquetas[int(lugar)];
}

void Tform9::DXTimerTimer()
{
    int resaltado = -1;
    for (int i = 0; i < kLugares; ++i)
        if (Lugar(LugarEscena(i))->underMouse())
            resaltado = i;
    DXDraw->PonerResaltado(resaltado);
    DXDraw->Fotograma();
}

bool Tform9::AlAparecer()
{
    if (enlace.ErrorFicheros) {
        close();
        return false;
    }
    emit aparecida();
    return true;
}

bool Tform9::event(QEvent *evento)
{
    if (evento->type() == QEvent::WindowActivate && isVisible())
        AlAparecer();
    return Pantalla::event(evento);
}

void Tform9::showEvent(QShowEvent *evento)
{
    Pantalla::showEvent(evento);
    if (!AlAparecer())
        return;
    DXDraw->Initialize();
    DXTimer.start();
}

void Tform9::hideEvent(QHideEvent *evento)
{
    // Nothing is drawn while the scene is away.
    DXTimer.stop();
    Pantalla::hideEvent(evento);
}

void Tform9::closeEvent(QCloseEvent *evento)
{
    // Once the program is ending (or could not start), nothing is asked.
    if (enlace.ErrorFicheros) {
        DXTimer.stop();
        evento->accept();
        return;
    }
    Pantalla::closeEvent(evento);
    if (evento->isAccepted())
        DXTimer.stop();
}

} // namespace norvela
