#include "estado_impresora.h"

#include <QPrinterInfo>

#ifdef NORVELA_CUPS
#include <cups/cups.h>
#endif

namespace norvela {

namespace {

#ifdef NORVELA_CUPS
// What CUPS adds to Qt's state. Qt's engine hands the finished document to
// CUPS on this thread when the painter ends and drops the answer, so the
// thread's last CUPS status is that job's: it is read before any request of
// ours replaces it. Qt names an instance of a queue "queue/instance".
void PreguntarACups(const QPrinter &impresora, EstadoCola &cola)
{
    cola.envioRechazado = cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST;
    const QString nombre = impresora.printerName();
    if (nombre.isEmpty())
        return;
    const qsizetype barra = nombre.indexOf(QLatin1Char('/'));
    const QByteArray cola8 = (barra < 0 ? nombre : nombre.left(barra)).toLocal8Bit();
    const QByteArray instancia = barra < 0 ? QByteArray() : nombre.mid(barra + 1).toLocal8Bit();
    cups_dest_t *destino = cupsGetNamedDest(CUPS_HTTP_DEFAULT, cola8.constData(),
                                            instancia.isEmpty() ? nullptr : instancia.constData());
    if (!destino)
        return;   // not a CUPS queue, or no scheduler to ask: Qt's word stands
    const char *acepta = cupsGetOption("printer-is-accepting-jobs", destino->num_options, destino->options);
    if (acepta && qstrcmp(acepta, "false") == 0)
        cola.aceptaTrabajos = false;
    cupsFreeDests(1, destino);
}
#endif

} // namespace

EstadoCola EstadoImpresora(const QPrinter &impresora)
{
    EstadoCola cola;
    if (impresora.outputFormat() != QPrinter::NativeFormat)
        return cola;
#ifdef NORVELA_CUPS
    PreguntarACups(impresora, cola);
#endif
    if (impresora.printerState() == QPrinter::Error || impresora.printerState() == QPrinter::Aborted) {
        cola.estado = impresora.printerState();
        return cola;
    }
    const QPrinterInfo info(impresora);
    if (!info.isNull())
        cola.estado = info.state();
    return cola;
}

} // namespace norvela
