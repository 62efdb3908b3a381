// The shared report printers. A screen writes its lines into records 1..n
// of a report buffer (LineasInforme, InformeCuesGM, ...) and, when the
// report has a title, the title into record 0; it may list bold lines in
// LineasNegrita ([0] the count, then line numbers). Those entries belong to
// one print: every print, failed or cancelled ones too, leaves
// LineasNegrita[0] at 0. After a print records n+1.. of the buffer are
// empty; records 0..n are kept, so a title is printed again by the next
// report unless replaced.
#pragma once

#include "estado_impresora.h"
#include "pagina_informe.h"
#include "tablas.h"

#include <QPrinter>
#include <QString>
#include <functional>

class QPrintDialog;
class QTextDocument;
class QWidget;

namespace norvela {

class Enlace;

// One report: which buffer, how many lines and how it is laid out.
struct Informe {
    TablaTexto *lineas = nullptr;
    int n = 0;
    bool courier = true;
    int tamano = 10;
    bool columnas = false;

    // Portrait pages, one line a row, at point size `tamano`.
    static Informe Lista(TablaTexto &lineas, int n, bool courier, int tamano)
    {
        return {&lineas, n, courier, tamano, false};
    }
    // Three columns on landscape pages (75 lines or more).
    static Informe Columnas(TablaTexto &lineas, int n, bool courier) { return {&lineas, n, courier, 8, true}; }
};

enum class ResultadoInforme { Hecho, Cancelado, Fallido };

// Records 1..n on portrait pages in "Courier New" or "Arial" at `tamano`
// points, 51 lines a page at size 12 and 71 otherwise, under a header box
// on the first page. False, after a message, when n is outside the buffer,
// the bold count outside 0..200, or the page device fails.
bool ImprimirLista(Enlace &e, PaginaInforme &pagina, TablaTexto &lineas, int n, bool courier, int tamano);

// Records 1..n in three columns on landscape pages at 8 points, with the
// header and (for more than 150 lines) the page number on every page.
// Fewer than 75 lines go to ImprimirLista in Courier New at 10 points.
bool ImprimirListaColumnas(Enlace &e, PaginaInforme &pagina, TablaTexto &lineas, int n, bool courier);

bool ImprimirInforme(Enlace &e, PaginaInforme &pagina, const Informe &informe);

// The same pages in a PDF file (A4). False, after a message, when the file
// cannot be written; no partial file is left behind.
bool ImprimirEnPdf(Enlace &e, const Informe &informe, const QString &ruta);

using ConsultaImpresora = std::function<EstadoCola(const QPrinter &)>;

// Prints on `impresora` when the print dialog was confirmed; a cancelled
// dialog prints nothing and drops the bold entries. A printer that does not
// admit jobs (stopped, or turning them away) is told and not used; a job
// the print system turns away, or a printer left in an error state after
// the print, is told too.
ResultadoInforme ImprimirTrasDialogo(Enlace &e, const Informe &informe, QPrinter &impresora, bool confirmado,
                                     const ConsultaImpresora &estado = EstadoImpresora);

// A rich text printed by its own rules, `titulo` naming the job (or the PDF
// file's document), with the same checks of the printer, the same PDF file
// handling and the same messages as a report.
ResultadoInforme ImprimirDocumentoTrasDialogo(Enlace &e, const QTextDocument &documento, const QString &titulo,
                                              QPrinter &impresora, bool confirmado,
                                              const ConsultaImpresora &estado = EstadoImpresora);

// The program's one print dialog; it keeps the printer and its settings
// from one report to the next. Needs a QApplication.
QPrintDialog &DialogoImpresion();

// Shows the shared print dialog and prints on the printer chosen there.
ResultadoInforme ImprimirConDialogo(Enlace &e, const Informe &informe, QWidget *padre = nullptr);

// What a screen that prints reports holds: the dialog it prints through
// and how its last print ended.
class ImpresionConDialogo {
public:
    // How the last print dialog ended (Cancelado until one is confirmed).
    ResultadoInforme UltimaImpresion = ResultadoInforme::Cancelado;
    // Confirms a report in the print dialog and prints it on the printer
    // chosen there: the program's shared dialog over `pantalla`, unless a
    // test answers.
    std::function<ResultadoInforme(const Informe &)> DialogoImprimir;

protected:
    ImpresionConDialogo(Enlace &e, QWidget *pantalla)
        : DialogoImprimir([&e, pantalla](const Informe &informe) { return ImprimirConDialogo(e, informe, pantalla); })
    {
    }
    // Prints `informe` through DialogoImprimir and keeps how it ended (with
    // no dialog to print through, nothing is printed: Cancelado).
    ResultadoInforme Imprimir(const Informe &informe)
    {
        UltimaImpresion = DialogoImprimir ? DialogoImprimir(informe) : ResultadoInforme::Cancelado;
        return UltimaImpresion;
    }
};

// Shows the shared print dialog and prints the rich text on the printer
// chosen there.
ResultadoInforme ImprimirDocumentoConDialogo(Enlace &e, const QTextDocument &documento, const QString &titulo,
                                             QWidget *padre = nullptr);

} // namespace norvela
