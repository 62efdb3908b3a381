// What the screen tests do as a student does it: find a pixel inside a map
// region and click it, click a list row, read a list's texts, answer a
// screen's print dialog with a PDF file and read that file back.
#pragma once

#include "informes.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;
class QTableWidget;
class QWidget;

namespace norvela {
class Enlace;
class TForm4;
class MapaBytes;
class VistaMapa;
} // namespace norvela

namespace norvela::pruebas {

// The one child of `pantalla` named `nombre`, found as a tool outside the
// program finds it: by its object name. None, or more than one, ends the test.
template <class T = QWidget>
T *Hijo(const QObject *pantalla, const char *nombre)
{
    const QList<T *> hijos = pantalla->findChildren<T *>(QString::fromLatin1(nombre));
    if (hijos.size() != 1)
        qFatal("%s has %d children named %s", qPrintable(pantalla->objectName()), int(hijos.size()), nombre);
    return hijos.front();
}
template <class T = QWidget>
T *Hijo(const QObject &pantalla, const char *nombre)
{
    return Hijo<T>(&pantalla, nombre);
}
// The same in a screen built when first used, which this builds.
template <class T = QWidget, class P>
    requires requires(const P &p) { static_cast<const QObject *>(p.get()); }
T *Hijo(const P &pantalla, const char *nombre)
{
    return Hijo<T>(pantalla.get(), nombre);
}

// A pixel well inside the region `valor` of a map: the eight around it have
// the same value, so the map's scaling cannot move a click out of it;
// (-1, -1) when there is none.
QPoint Pixel(const MapaBytes &mapa, int valor);

// The mouse moves onto point p of widget w, delivered to w's own window as
// the window system would deliver it (another window covering it or not).
void Mover(QWidget *w, QPoint p);

// The mouse moves to pixel p of a map's picture and clicks it.
void Clic(VistaMapa *mapa, QPoint p);

// The row scrolled into view and the mouse moved onto it.
void SobreFila(QListWidget *lista, int fila);

// The row (of a grid, its first cell) scrolled into view, the mouse moved
// onto it, then clicked.
void ClicFila(QListWidget *lista, int fila);
void ClicFila(QTableWidget *rejilla, int fila);
// The same, clicked twice.
void DobleClicFila(QListWidget *lista, int fila);
void DobleClicFila(QTableWidget *rejilla, int fila);

// The rows' texts as shown; `recortados` drops their trailing blanks.
QStringList Textos(const QListWidget *lista, bool recortados = false);
// The texts of a grid's column (empty for a cell without an item).
QStringList Columna(const QTableWidget *rejilla, int columna = 0);

// Whether a control is not hidden itself, its window shown or not.
bool Visible(const QWidget *w);

// The top-level windows on show (tool tips aside).
QList<QWidget *> VentanasVisibles();

// What a screen reader meets on the window's visible controls and cannot
// speak, one line each: a button, a clickable or editable control, a picture
// or a self-painted area without a name or with its code name, a list or
// grid without a name, a clickable label read as a mere text, an item that
// shows something and says nothing or only a sign, a grid column named by
// its number.
QStringList Inaudibles(QWidget *ventana);

// The window's shown controls that others cover wholly: a screen reader
// would read them though a student cannot see them, one line each.
QStringList Tapados(QWidget *ventana);

// Answers the Yes/No dialog once it shows (`si` for Yes); `preguntado`
// tells that it showed.
void ResponderSiNo(TForm4 *dialogo, bool si, bool *preguntado);

// Whether `texto` fits w on one line with `margen` pixels to spare.
bool Cabe(const QWidget *w, const QString &texto, int margen = 0);
// Whether a label shows `texto` whole: on one line within its width and
// height, or, where it wraps, within its height.
bool CabeEnEtiqueta(const QLabel *l, const QString &texto);

// A screen's print dialog answered: each report goes to the PDF file `pdf`
// (the dialog cancelled when it is empty), `vistos` counts the dialogs, and
// `alVerlo` runs while the dialog would be up, when the report is complete
// and its bold entries not yet spent by printing.
std::function<ResultadoInforme(const Informe &)> ResponderConPdf(Enlace &e, const QString &pdf, int &vistos,
                                                                 std::function<void()> alVerlo = {});

// A PDF file's text through pdftotext: in the order it was written (each
// line whole even where it runs into the next column), or as laid out on
// the page.
QString TextoPdf(const QString &pdf, bool maquetado = false);

// Whether a report line was printed: each run of its words (runs part where
// it has two blanks or more, as between a centre and its column) is there.
bool Impresa(const QString &texto, const QString &linea);

} // namespace norvela::pruebas
