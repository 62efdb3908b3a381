// The dialog in front of the report printers: the shared print dialog. The
// printing behind it lives in informes.cpp.
#include "informes.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace norvela {

QPrintDialog &DialogoImpresion()
{
    static QPointer<QPrintDialog> dialogo;
    if (!dialogo) {
        // Printer and dialog live as long as the program: the choice of
        // printer carries over from one report to the next.
        auto *impresora = new QPrinter(QPrinter::HighResolution);
        dialogo = new QPrintDialog(impresora);
        QObject::connect(dialogo, &QObject::destroyed, [impresora] { delete impresora; });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, dialogo, [] { delete dialogo.data(); });
    }
    return *dialogo;
}


namespace {

// The shared print dialog, borrowed by the asking screen while it is shown
// so it stays in front of it (screens live as long as the program).
bool Confirmado(QWidget *padre)
{
    QPrintDialog &dialogo = DialogoImpresion();
    if (padre)
        dialogo.setParent(padre, dialogo.windowFlags());
    const bool confirmado = dialogo.exec() == QDialog::Accepted;
    if (padre)
        dialogo.setParent(nullptr, dialogo.windowFlags());
    return confirmado;
}

} // namespace

ResultadoInforme ImprimirConDialogo(Enlace &e, const Informe &informe, QWidget *padre)
{
    const bool confirmado = Confirmado(padre);
    return ImprimirTrasDialogo(e, informe, *DialogoImpresion().printer(), confirmado);
}

ResultadoInforme ImprimirDocumentoConDialogo(Enlace &e, const QTextDocument &documento, const QString &titulo,
                                             QWidget *padre)
{
    const bool confirmado = Confirmado(padre);
    return ImprimirDocumentoTrasDialogo(e, documento, titulo, *DialogoImpresion().printer(), confirmado);
}

} // namespace norvela
