#include "pantalla.h"

#include "enlace.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace norvela {

Pantalla::Pantalla(Enlace &enlace_, Pantallas &pantallas_, const QString &nombre)
    : QWidget(nullptr), enlace(enlace_), pantallas(pantallas_)
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
