#include "principal.h"

#include "bienvenidaU.h"
#include "enlace.h"
#include "pantallas.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace norvela {

Tform0::Tform0(Enlace &enlace, Pantallas &pantallas) : Pantalla(enlace, pantallas, QStringLiteral("Tform0"))
{
    setWindowTitle(QStringLiteral("Calmirex"));
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, Qt::black);
    setPalette(fondo);
    setAutoFillBackground(true);
}

void Tform0::showEvent(QShowEvent *evento)
{
    Pantalla::showEvent(evento);
    // The welcome window stays until the home screen appears.
    if (pantallas.Bienvenida)
        pantallas.Bienvenida->close();
}

void Tform0::closeEvent(QCloseEvent *evento)
{
    // The main window: closing it ends the program.
    evento->accept();
    QCoreApplication::quit();
}

} // namespace norvela
