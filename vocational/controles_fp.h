// The widgets the three FP screens share: the centre grid and the
// owner-drawn lists, and the title blink. Their maps are VistaMapa.
#pragma once

#include "centros_fp.h"
#include "comunidades_titulo.h"
#include "titulos_fp.h"
#include "vista_mapa.h"

#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QTableWidget;

namespace norvela {

// The small list icons the degrees screen draws too (iconos.h): 3 a list
// item (titles, views), 5 a place; an empty picture for any other k.
QPixmap IconoLista(int k);
// Icon k of the program's 30 x 30 study icons (0..43, see iconos.h),
// loaded once per application and owned by it; an empty picture for any
// other k. Needs a running application.
const QPixmap &IconoEstudios(int k);

// A list row: its decoration at (Left + 2, Top), its text at (Left + x, Top + y).
class DelegadoIconoTexto : public QStyledItemDelegate {
    Q_OBJECT
public:
    DelegadoIconoTexto(int x, int y, int alto, QObject *padre = nullptr);
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
    QSize sizeHint(const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;

private:
    int x_, y_, alto_;
};

// Roles of the view list's rows (see EstilosVista).
enum RolVista { RolEncabezado = Qt::UserRole + 1, RolIcono, RolDesde };

// The title views' list: heading rows shaded, icon rows, text at Left + 20.
class DelegadoVista : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
    // Wide enough for the text after its 20-pixel indent.
    QSize sizeHint(const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
};

// Fills a list with lines (Windows-1252) and their drawing styles: the
// higher-cycle ones (EstilosVista), or the styles given, one a line.
void LlenarVista(QListWidget *lista, const std::vector<std::string> &lineas, int primeraFilaEncabezado);
void LlenarVista(QListWidget *lista, const std::vector<std::string> &lineas, const std::vector<EstiloFila> &estilos);

// Role of a grid row's title number.
constexpr int RolTitulo = Qt::UserRole + 1;

// The centre grid: column 0 draws headers ("-") white on maroon, leaves
// separators ("---" in characters 3..5) plain and gives other non-blank
// cells the small icon.
class DelegadoRejilla : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override;
};

// A two-column centre grid (widths 367 and 76) without headers shown; its
// columns are named for screen readers (centres, telephone).
QTableWidget *CrearRejillaCentros(QWidget *padre, const QString &nombre);
// Rows of the grid from the search's rows; column 0 cut to `ancho0`
// characters when it is above 0; the second column only with `conSegunda`.
void LlenarRejilla(QTableWidget *rejilla, const std::vector<FilaRejilla> &filas, int ancho0, bool conSegunda);
// Row count 0, so both first cells read empty.
void VaciarRejilla(QTableWidget *rejilla);

// The hover caption of an FP screen's maps: just below the mouse, kept off
// the window's right edge, as wide as a long name needs; over no region it
// hides.
PistaMapa PistaMapaFP(QLabel *etiqueta);

// The blink of a caption: every tick the counter grows; odd counts show the
// text and even counts an empty caption; after the count passes `ultima`
// the timer stops and the count starts again, the text shown (8: nine
// ticks). Two blinks of one screen may share one counter: each then sees
// the other's ticks and both stop sooner.
class Parpadeo : public QObject {
    Q_OBJECT
public:
    // `contador` is the shared counter, which must outlive the blink; null
    // gives the blink its own.
    explicit Parpadeo(QObject *padre, int ultima = 8, int *contador = nullptr, int milisegundos = 200);

    // Starts blinking through `mostrar` (true: the text, false: nothing).
    void Iniciar(std::function<void(bool mostrar)> mostrar);
    // Stops the timer and clears the counter.
    void Detener();
    void Tic();
    bool EnMarcha() const { return temporizador_.isActive(); }
    int Cuenta() const { return *cuenta_; }

private:
    QTimer temporizador_;
    int ultima_;
    int propio_ = 0;
    int *cuenta_;
    std::function<void(bool)> mostrar_;
};

} // namespace norvela
