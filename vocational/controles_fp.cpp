#include "controles_fp.h"

#include "ansi.h"
#include "iconos.h"
#include "rejilla_accesible.h"
#include "paleta.h"
#include "textos_propios.h"
#include "titulos_fp.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QTableWidget>

namespace norvela {

namespace {


QString Texto(const QModelIndex &i)
{
    return i.data(Qt::DisplayRole).toString();
}

void Rellenar(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i)
{
    if (o.state & QStyle::State_Selected) {
        p->fillRect(o.rect, o.palette.highlight());
        p->setPen(o.palette.highlightedText().color());
        return;
    }
    const QVariant fondo = i.data(Qt::BackgroundRole);
    p->fillRect(o.rect, fondo.isValid() ? fondo.value<QBrush>() : o.palette.base());
    p->setPen(o.palette.text().color());
}

} // namespace

QPixmap IconoLista(int k)
{
    return IconosPequenos().value(k);
}

namespace {

// The FP screens' study icons, owned by the application: they are deleted
// with it, never after it, and a later application loads them anew.
class IconosFP : public QObject {
public:
    using QObject::QObject;
    const QList<QPixmap> iconos = CargarIconosEstudios();
    const QPixmap ninguno;
};

} // namespace

const QPixmap &IconoEstudios(int k)
{
    static QPointer<IconosFP> propios;
    if (!propios)
        propios = new IconosFP(QCoreApplication::instance());
    return k >= 0 && k < propios->iconos.size() ? propios->iconos[k] : propios->ninguno;
}

DelegadoIconoTexto::DelegadoIconoTexto(int x, int y, int alto, QObject *padre)
    : QStyledItemDelegate(padre), x_(x), y_(y), alto_(alto)
{
}

void DelegadoIconoTexto::paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    p->save();
    Rellenar(p, o, i);
    const QVariant icono = i.data(Qt::DecorationRole);
    if (icono.canConvert<QPixmap>())
        p->drawPixmap(o.rect.left() + 2, o.rect.top(), icono.value<QPixmap>());
    // A row's own font (a long name made to fit) over the list's.
    const QVariant fuente = i.data(Qt::FontRole);
    p->setFont(fuente.isValid() ? fuente.value<QFont>() : o.font);
    p->drawText(QRect(o.rect.left() + x_, o.rect.top() + y_, o.rect.width() - x_, o.rect.height() - y_),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Texto(i));
    p->restore();
}

QSize DelegadoIconoTexto::sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    return QSize(QStyledItemDelegate::sizeHint(o, i).width(), alto_);
}

void DelegadoVista::paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    p->save();
    if (i.data(RolEncabezado).toBool() && !(o.state & QStyle::State_Selected)) {
        p->fillRect(o.rect, paleta::ColorFondo);
        p->setPen(o.palette.text().color());
    } else {
        Rellenar(p, o, i);
    }
    if (i.data(RolIcono).toBool())
        p->drawPixmap(o.rect.left() + 2, o.rect.top(), IconoLista(3));
    // A row's own font (the bold lines of a report preview) over the list's.
    const QVariant fuente = i.data(Qt::FontRole);
    p->setFont(fuente.isValid() ? fuente.value<QFont>() : o.font);
    const QString texto = Texto(i).mid(i.data(RolDesde).toInt());
    p->drawText(o.rect.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, texto);
    p->restore();
}

QSize DelegadoVista::sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    const QSize base = QStyledItemDelegate::sizeHint(o, i);
    return QSize(base.width() + 20, base.height());
}

void LlenarVista(QListWidget *lista, const std::vector<std::string> &lineas, int primeraFilaEncabezado)
{
    LlenarVista(lista, lineas, EstilosVista(lineas, primeraFilaEncabezado));
}

void LlenarVista(QListWidget *lista, const std::vector<std::string> &lineas, const std::vector<EstiloFila> &estilos)
{
    lista->clear();
    for (size_t k = 0; k < lineas.size() && k < estilos.size(); ++k) {
        auto *item = new QListWidgetItem(DesdeAnsi(lineas[k]), lista);
        item->setData(RolEncabezado, estilos[k].encabezado);
        item->setData(RolIcono, estilos[k].icono);
        item->setData(RolDesde, estilos[k].desde);
    }
}

void DelegadoRejilla::paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const
{
    const QString texto = Texto(i);
    if (i.column() != 0 || texto.mid(2, 3) == QLatin1String("---")) {
        QStyledItemDelegate::paint(p, o, i);
        return;
    }
    p->save();
    if (texto.startsWith('-')) {
        p->fillRect(o.rect, paleta::ColorGranate);
        p->setPen(Qt::white);
        p->setFont(o.font);
        p->drawText(o.rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texto);
    } else {
        Rellenar(p, o, i);
        if (!texto.trimmed().isEmpty()) {
            p->drawPixmap(o.rect.left(), o.rect.top() + 3, IconoLista(3));
            p->setFont(o.font);
            p->drawText(o.rect.adjusted(20, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texto);
        }
    }
    p->restore();
}

PistaMapa PistaMapaFP(QLabel *etiqueta)
{
    PistaMapa pista;
    pista.etiqueta = etiqueta;
    pista.desplazamiento = QPoint(0, 20);
    pista.margenDerecho = 30;
    pista.anchoDelTexto = true;
    pista.ocultarSinTexto = true;
    return pista;
}

QTableWidget *CrearRejillaCentros(QWidget *padre, const QString &nombre)
{
    auto *r = new QTableWidget(0, 2, padre);
    r->setObjectName(nombre);
    // The headings stay hidden; screen readers name the columns by them.
    NombrarColumnas(r, {TextoPropio(Propio::Centros), TextoPropio(Propio::Telefono)});
    r->horizontalHeader()->hide();
    r->verticalHeader()->hide();
    r->setColumnWidth(0, 367);
    r->setColumnWidth(1, 76);
    r->verticalHeader()->setDefaultSectionSize(22);
    r->setEditTriggers(QAbstractItemView::NoEditTriggers);
    r->setSelectionMode(QAbstractItemView::SingleSelection);
    r->setSelectionBehavior(QAbstractItemView::SelectRows);
    r->setShowGrid(false);
    r->setWordWrap(false);
    r->setTextElideMode(Qt::ElideNone);
    r->setItemDelegate(new DelegadoRejilla(r));
    return r;
}

void LlenarRejilla(QTableWidget *rejilla, const std::vector<FilaRejilla> &filas, int ancho0, bool conSegunda)
{
    rejilla->clearContents();
    rejilla->setRowCount(static_cast<int>(filas.size()));
    for (int k = 0; k < rejilla->rowCount(); ++k) {
        const FilaRejilla &f = filas[static_cast<size_t>(k)];
        const std::string col0 = ancho0 > 0 && static_cast<int>(f.col0.size()) > ancho0 ? f.col0.substr(0, static_cast<size_t>(ancho0)) : f.col0;
        auto *a = new QTableWidgetItem(DesdeAnsi(col0));
        a->setData(RolTitulo, f.titulo);
        TextoAccesibleCelda(a);
        rejilla->setItem(k, 0, a);
        rejilla->setItem(k, 1, new QTableWidgetItem(conSegunda ? DesdeAnsi(f.col1) : QString()));
    }
    rejilla->clearSelection();
    rejilla->setCurrentCell(-1, -1);
}

void VaciarRejilla(QTableWidget *rejilla)
{
    rejilla->clearContents();
    rejilla->setRowCount(0);
}

Parpadeo::Parpadeo(QObject *padre, int ultima, int *contador, int milisegundos)
    : QObject(padre), ultima_(ultima), cuenta_(contador ? contador : &propio_)
{
    temporizador_.setInterval(milisegundos);
    connect(&temporizador_, &QTimer::timeout, this, &Parpadeo::Tic);
}

void Parpadeo::Iniciar(std::function<void(bool)> mostrar)
{
    mostrar_ = std::move(mostrar);
    temporizador_.start();
}

void Parpadeo::Detener()
{
    temporizador_.stop();
    *cuenta_ = 0;
}

void Parpadeo::Tic()
{
    ++*cuenta_;
    if (mostrar_)
        mostrar_(*cuenta_ % 2 == 1);
    if (*cuenta_ > ultima_) {
        temporizador_.stop();
        *cuenta_ = 0;
    }
}

} // namespace norvela
