#include "guia_comun.h"

#include "enlace.h"
#include "marco.h"
#include "paleta.h"

#include <QLabel>
#include <QPushButton>

namespace norvela {

CabeceraGuia PonerCabeceraGuia(QWidget *pantalla, const Enlace &e, const QString &titulo)
{
    const Marco marco = PonerMarco(pantalla, e);
    auto *panel = new QWidget(pantalla);
    panel->setObjectName(QStringLiteral("PanelTitulo"));
    panel->setGeometry(112, 70, 800, 44);
    panel->setAutoFillBackground(true);
    QPalette fondo = panel->palette();
    fondo.setColor(QPalette::Window, paleta::ColorFondo);
    panel->setPalette(fondo);

    auto *etiqueta = new QLabel(titulo, panel);
    etiqueta->setObjectName(QStringLiteral("LabelTitulo"));
    etiqueta->setAccessibleName(titulo);
    etiqueta->setGeometry(8, 0, 784, 44);
    etiqueta->setAlignment(Qt::AlignCenter);
    QFont letra(QStringLiteral("Arial"), 14);
    letra.setBold(true);
    etiqueta->setFont(letra);
    QPalette texto = etiqueta->palette();
    texto.setColor(QPalette::WindowText, paleta::ColorGranate);
    etiqueta->setPalette(texto);

    pantalla->setWindowTitle(titulo);
    return {marco.fondo, panel, etiqueta};
}

QPushButton *BotonGuia(QWidget *padre, const char *nombre, int x, int y, int w, int h, const QString &texto)
{
    auto *b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setGeometry(x, y, w, h);
    b->setFont(QFont(QStringLiteral("Arial"), 11));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QPushButton *BotonVolverGuia(QWidget *padre, const char *nombre, const QString &texto)
{
    return BotonGuia(padre, nombre, 840, 690, 129, 33, texto);
}

} // namespace norvela
