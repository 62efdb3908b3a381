#include "pagina_informe.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>

namespace norvela {

bool PaginaImpresora::Comenzar(const QString &titulo, bool apaisada)
{
    impresora_.setDocName(titulo);
    impresora_.setPageOrientation(apaisada ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!pintor_.begin(&impresora_))
        return false;
    // Hairline outlines and white fills, as the report frames expect.
    pintor_.setPen(QPen(Qt::black, 0));
    pintor_.setBrush(Qt::white);
    return true;
}

bool PaginaImpresora::NuevaPagina()
{
    return impresora_.newPage();
}

bool PaginaImpresora::Terminar()
{
    return pintor_.end();
}

void PaginaImpresora::Abortar()
{
    const bool pdf = impresora_.outputFormat() == QPrinter::PdfFormat;
    if (!pdf)
        impresora_.abort();
    if (pintor_.isActive())
        pintor_.end();
    // A half-written file would pass for the report.
    if (pdf && !impresora_.outputFileName().isEmpty())
        QFile::remove(impresora_.outputFileName());
}

QString PaginaImpresora::Destino() const
{
    if (impresora_.outputFormat() == QPrinter::PdfFormat || impresora_.printerName().isEmpty())
        return impresora_.outputFileName();
    return impresora_.printerName();
}

int PaginaImpresora::Ancho() const
{
    return impresora_.width();
}

int PaginaImpresora::Alto() const
{
    return impresora_.height();
}

int PaginaImpresora::PixelesPorPulgadaX() const
{
    return impresora_.logicalDpiX();
}

int PaginaImpresora::PixelesPorPulgadaY() const
{
    return impresora_.logicalDpiY();
}

void PaginaImpresora::PonerFuente(const QString &familia, int puntos, bool negrita)
{
    QFont fuente(familia);
    fuente.setStyleHint(familia.startsWith(QLatin1String("Courier")) ? QFont::TypeWriter : QFont::SansSerif);
    fuente.setPointSize(puntos);
    fuente.setBold(negrita);
    pintor_.setFont(fuente);
}

int PaginaImpresora::AnchoTexto(const QString &s)
{
    return qRound(QFontMetricsF(pintor_.font(), &impresora_).horizontalAdvance(s));
}

void PaginaImpresora::Texto(int x, int y, const QString &s)
{
    // QPainter writes on the baseline; the layout gives the cell's top.
    const QFontMetricsF medidas(pintor_.font(), &impresora_);
    pintor_.drawText(QPointF(x, y + medidas.ascent()), s);
}

void PaginaImpresora::Rectangulo(int x1, int y1, int x2, int y2)
{
    pintor_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PaginaImpresora::Elipse(int x1, int y1, int x2, int y2)
{
    pintor_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void PaginaImpresora::Imagen(int x1, int y1, int x2, int y2, const QImage &imagen)
{
    if (!imagen.isNull())
        pintor_.drawImage(QRect(x1, y1, x2 - x1, y2 - y1), imagen);
}

} // namespace norvela
