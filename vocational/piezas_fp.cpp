#include "piezas_fp.h"

#include "colores.h"
#include "paleta.h"

#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace norvela {

namespace {

template <typename W> W *Nombrado(W *w, const QString &nombre, int x, int y, int ancho, int alto)
{
    w->setObjectName(nombre);
    w->setGeometry(x, y, ancho, alto);
    return w;
}

} // namespace

QListWidget *ListaFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    auto *l = Nombrado(new QListWidget(padre), nombre, x, y, w, h);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

QListWidget *ListaPulsableFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    QListWidget *l = ListaFP(padre, nombre, x, y, w, h);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QLabel *PanelTextoFP(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    auto *l = Nombrado(new QLabel(padre), nombre, x, y, w, h);
    l->setAutoFillBackground(true);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QWidget *PanelRelleno(QWidget *padre, const QString &nombre, int x, int y, int w, int h)
{
    auto *p = Nombrado(new QWidget(padre), nombre, x, y, w, h);
    p->setAutoFillBackground(true);
    return p;
}

void EstiloFP(QWidget *pantalla, const QColor &fondo, QTableWidget *reja, QLabel *PanelCarSel, QLabel *PanelMapa,
              std::initializer_list<QWidget *> paneles, std::initializer_list<QWidget *> rotulos)
{
    const QFont arial(QStringLiteral("Arial"), 10);
    pantalla->setFont(arial);
    PonerColor({pantalla}, QPalette::Window, fondo);
    PonerColor(paneles, QPalette::Window, paleta::ColorFondo);
    for (QListWidget *l : pantalla->findChildren<QListWidget *>())
        PonerColor({l}, QPalette::Base, paleta::ColorCrema);
    PonerColor({reja}, QPalette::Base, paleta::ColorCrema);
    PonerColor(rotulos, QPalette::WindowText, paleta::ColorGranate);
    QFont negrita = arial;
    negrita.setBold(true);
    PanelCarSel->setFont(negrita);
    QFont f8 = arial;
    f8.setPointSize(8);
    PanelMapa->setFont(f8);
}

} // namespace norvela
