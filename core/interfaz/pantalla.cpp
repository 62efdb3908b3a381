#include "pantalla.h"

#include "aviso.h"
#include "enlace.h"
#include "pantallas.h"
#include "plataforma.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace norvela {

Pantalla::Pantalla(Enlace &e, Pantallas &p, const QString &nombre)
    : QWidget(nullptr), enlace(e), pantallas(p)
{
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
    if (!si)
        return false;
    if (Pantalla *inicio = pantallas.Inicio(enlace.ModoAnimado))
        inicio->Mostrar();
    if (enlace.PantallaCambiada) {
        ModosPantalla modos;
        RestaurarPantalla(modos);
    }
    enlace.ErrorFicheros = true;
    QCoreApplication::quit();
    return true;
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

} // namespace norvela
