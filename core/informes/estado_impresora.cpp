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
// ours replaces it.
RespuestaCola LeerCups(const QByteArray &cola, const QByteArray &instancia)
{
    RespuestaCola r;
    r.ultimoRechazado = cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST;
    if (cola.isEmpty())
        return r;
    cups_dest_t *destino =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, cola.constData(), instancia.isEmpty() ? nullptr : instancia.constData());
    if (!destino)
        return r;   // not a CUPS queue, or no scheduler to ask: Qt's word stands
    r.aceptaTrabajos = cupsGetOption("printer-is-accepting-jobs", destino->num_options, destino->options);
    cupsFreeDests(1, destino);
    return r;
}
#endif

} // namespace

EstadoCola PreguntarCola(const QString &nombre, const LectorCola &lector)
{
    const qsizetype barra = nombre.indexOf(QLatin1Char('/'));
    const RespuestaCola r = lector((barra < 0 ? nombre : nombre.left(barra)).toLocal8Bit(),
                                   barra < 0 ? QByteArray() : nombre.mid(barra + 1).toLocal8Bit());
    EstadoCola cola;
    cola.envioRechazado = r.ultimoRechazado;
    cola.aceptaTrabajos = r.aceptaTrabajos != "false";
    return cola;
}

EstadoCola EstadoImpresora(const QPrinter &impresora)
{
    EstadoCola cola;
    if (impresora.outputFormat() != QPrinter::NativeFormat)
        return cola;
#ifdef NORVELA_CUPS
    cola = PreguntarCola(impresora.printerName(), LeerCups);
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
