#include "piezas_fp.h"

#include <QLabel>
#include <QListWidget>

namespace norvela {

namespace {

template <typename W> W *Nombrado(W *w, const QString &nombre, int x, int y, int ancho, int alto)
{
    w->setObjectName(nombre);
    w->setAccessibleName(nombre);
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

} // namespace norvela
