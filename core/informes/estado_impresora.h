// What the print system says of the queue behind a printer. Qt reports only
// whether a queue is idle, busy or stopped; a queue that turns new jobs
// away reads as idle, and a job it turns away is dropped without a word.
// Where CUPS is at hand its own answers fill that gap.
#pragma once

#include <QByteArray>
#include <QPrinter>

#include <functional>

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

// What the print system answers of one queue (`cola`, and `instancia` when
// the printer is an instance of it): its "printer-is-accepting-jobs" option,
// empty when it does not know the queue, and whether it turned away the last
// job handed to it on this thread.
struct RespuestaCola {
    QByteArray aceptaTrabajos;
    bool ultimoRechazado = false;
};
using LectorCola = std::function<RespuestaCola(const QByteArray &cola, const QByteArray &instancia)>;

// The print system's word on the printer named `nombre` ("queue", or
// "queue/instance" as Qt names an instance), read by `lector`: only a queue
// that answers "false" turns jobs away.
EstadoCola PreguntarCola(const QString &nombre, const LectorCola &lector);

} // namespace norvela
