// The dialogs in front of the report printers: the shared print dialog and
// the save dialog. The printing and writing behind them live in informes.cpp.
#include "informes.h"
#include "textos_propios.h"

#include <QCoreApplication>
#include <QFileDialog>
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

ResultadoInforme GuardarConDialogo(Enlace &e, const TablaTexto &lineas, int n, QWidget *padre)
{
    // Qt's own dialog everywhere: it applies the default suffix itself.
    QFileDialog dialogo(padre);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setDefaultSuffix(QStringLiteral("TXT"));
    dialogo.setNameFilters({TextoPropio(Propio::FiltroTexto), TextoPropio(Propio::FiltroTodos)});
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return ResultadoInforme::Cancelado;
    return GuardarInformeTexto(e, lineas, n, dialogo.selectedFiles().constFirst()) ? ResultadoInforme::Hecho
                                                                                    : ResultadoInforme::Fallido;
}

} // namespace norvela
