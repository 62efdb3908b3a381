// What the print system says of the queue behind a printer. Qt reports only
// whether a queue is idle, busy or stopped; a queue that turns new jobs
// away reads as idle, and a job it turns away is dropped without a word.
// Where CUPS is at hand its own answers fill that gap.
#pragma once

#include <QPrinter>

namespace norvela {

struct EstadoCola {
    QPrinter::PrinterState estado = QPrinter::Idle;
    // False when the queue turns new jobs away.
    bool aceptaTrabajos = true;
    // The print system turned away the last job handed to it on this
    // thread: read after a print, it tells whether the report was taken.
    bool envioRechazado = false;

    // A job sent now would be taken and printed.
    bool Admite() const { return aceptaTrabajos && estado != QPrinter::Error && estado != QPrinter::Aborted; }
};

// The queue behind `impresora` as the print system reports it; a file has
// no queue and always admits.
EstadoCola EstadoImpresora(const QPrinter &impresora);

} // namespace norvela
