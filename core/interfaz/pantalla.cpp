#include "pantalla.h"

#include "aviso.h"
#include "enlace.h"
#include "pantallas.h"
#include "plataforma.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace norvela {

namespace {

// Watches a screen being hidden, whatever its own handlers do, and judges
// once the handler that hid it has shown what comes next. A hidden screen
// gives back its window's picture (3 MB at 1024 x 768): it is painted afresh
// whenever the screen shows again.
class Vigia : public QObject {
public:
    Vigia(Enlace &e, Pantallas &p, QWidget *pantalla) : QObject(pantalla), enlace_(e), pantallas_(p)
    {
        pantalla->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Hide && !evento->spontaneous()) {
            if (QBackingStore *imagen = static_cast<QWidget *>(objeto)->backingStore())
                imagen->resize(QSize(1, 1));
            QTimer::singleShot(0, this, [this] { AsegurarVentanaVisible(enlace_, pantallas_); });
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    Enlace &enlace_;
    Pantallas &pantallas_;
};

} // namespace

Pantalla::Pantalla(Enlace &e, Pantallas &p, const QString &nombre)
    : QWidget(nullptr), enlace(e), pantallas(p)
{
    new Vigia(e, p, this);
    setObjectName(nombre);
    setWindowTitle(QStringLiteral("Norvela"));
    setFixedSize(kAncho, kAlto);
    move(0, 0);
    if (enlace.CentrarFormularios) {
        if (const QScreen *pantalla = QGuiApplication::primaryScreen())
            move(pantalla->availableGeometry().center() - rect().center());
    }
}

void Pantalla::Mostrar()
{
    show();
    raise();
    activateWindow();
}

void Pantalla::MostrarInicio()
{
    if (Pantalla *inicio = pantallas.Inicio(enlace.ModoAnimado); inicio && inicio != this) {
        inicio->Mostrar();
        hide();
    }
}

void Pantalla::Salir(bool &abiertaPorAsistente)
{
    if (enlace.DesdeAsistente) {
        abiertaPorAsistente = false;
        if (Pantalla *asistente = pantallas.Por(Papel::Asistente); asistente && asistente != this) {
            asistente->Mostrar();
            hide();
            return;
        }
    }
    MostrarInicio();
}

Pantalla *Pantalla::DestinoAlCerrar()
{
    return pantallas.Inicio(enlace.ModoAnimado);
}

void Pantalla::closeEvent(QCloseEvent *evento)
{
    switch (cierre_) {
    case CierreVentana::PreguntarYTerminar:
        // The close box never hides the screen alone: the program ends, or
        // the screen stays.
        if (PreguntarYTerminar(enlace, pantallas))
            evento->accept();
        else
            evento->ignore();
        return;
    case CierreVentana::Volver:
        // Hidden by hand after the next screen is shown, so a window is
        // always in front.
        evento->ignore();
        AlVolverPorCierre();
        if (Pantalla *destino = DestinoAlCerrar(); destino && destino != this) {
            destino->Mostrar();
            hide();
        }
        return;
    case CierreVentana::SoloOcultar:
        evento->accept();
        return;
    }
}

bool PreguntarYTerminar(Enlace &enlace, Pantallas &pantallas)
{
    const bool si = pantallas.Form4 ? pantallas.Form4->Confirmar(enlace.Texto(49))
                                    : enlace.Avisos().Pregunta(enlace.Texto(49));
    if (si)
        Terminar(enlace, pantallas);
    return si;
}

void Terminar(Enlace &enlace, Pantallas &pantallas)
{
    if (enlace.PantallaCambiada) {
        ModosPantalla propios;
        RestaurarPantalla(pantallas.Modos ? *pantallas.Modos : propios);
    }
    enlace.ErrorFicheros = true;
    // exit, not quit: quit first asks every visible window to close, and
    // their close boxes would ask the question again or go back instead.
    QCoreApplication::exit(0);
}

void AsegurarVentanaVisible(Enlace &enlace, Pantallas &pantallas)
{
    if (enlace.ErrorFicheros)
        return;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        const Qt::WindowType tipo = w->windowType();
        if (w->isVisible() && tipo != Qt::ToolTip && tipo != Qt::Popup && tipo != Qt::Desktop)
            return;
    }
    if (Pantalla *inicio = pantallas.Inicio(enlace.ModoAnimado))
        inicio->Mostrar();
}

QLabel *Pantalla::Etiqueta(QWidget *padre, int x, int y, int w, int h, const QString &texto, int puntos,
                           bool negrita)
{
    auto *etiqueta = new QLabel(texto, padre);
    etiqueta->setGeometry(x, y, w, h);
    QFont fuente(QStringLiteral("Arial"), puntos);
    fuente.setBold(negrita);
    etiqueta->setFont(fuente);
    return etiqueta;
}

QPushButton *Pantalla::Boton(QWidget *padre, int x, int y, int w, int h, const QString &texto, int puntos,
                             bool negrita)
{
    auto *boton = new QPushButton(texto, padre);
    boton->setGeometry(x, y, w, h);
    QFont fuente(QStringLiteral("Arial"), puntos);
    fuente.setBold(negrita);
    boton->setFont(fuente);
    boton->setCursor(Qt::PointingHandCursor);
    return boton;
}

QPushButton *Pantalla::BotonNombrado(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    QPushButton *boton = Boton(padre, x, y, w, h, {}, 10);
    boton->setObjectName(nombre);
    return boton;
}

QString Pantalla::T(int k) const
{
    return enlace.Texto(k);
}

Reloj *Pantalla::RelojAnimaciones() const
{
    return pantallas.RelojAnimaciones;
}

void Pantalla::Ocultar(std::initializer_list<QWidget *> controles)
{
    for (QWidget *w : controles)
        w->hide();
}

void Pantalla::MostrarControles(std::initializer_list<QWidget *> controles)
{
    for (QWidget *w : controles)
        w->show();
}

} // namespace norvela
