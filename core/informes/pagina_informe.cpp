#include "pagina_informe.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

namespace norvela {

PaginaImpresora::PaginaImpresora(QPrinter &impresora) : impresora_(impresora) {}

PaginaImpresora::~PaginaImpresora()
{
    if (pintor_.isActive())
        pintor_.end();
    DescartarFichero();
}

QPaintDevice &PaginaImpresora::Dispositivo() const
{
    return Paginas();
}

void PaginaImpresora::DescartarFichero()
{
    pdf_.reset();
    if (fichero_)
        fichero_->cancelWriting();
    fichero_.reset();
}

QPagedPaintDevice &PaginaImpresora::Paginas() const
{
    if (pdf_)
        return *pdf_;
    return impresora_;
}

bool PaginaImpresora::Comenzar(const QString &titulo, bool apaisada)
{
    if (!Abrir(titulo, apaisada))
        return false;
    if (!pintor_.begin(&Dispositivo())) {
        DescartarFichero();
        return false;
    }
    // Hairline outlines and white fills, as the report frames expect.
    pintor_.setPen(QPen(Qt::black, 0));
    pintor_.setBrush(Qt::white);
    return true;
}

bool PaginaImpresora::Abrir(const QString &titulo, bool apaisada)
{
    impresora_.setDocName(titulo);
    impresora_.setPageOrientation(apaisada ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (impresora_.outputFormat() == QPrinter::PdfFormat && !impresora_.outputFileName().isEmpty()) {
        // The printer's own PDF engine would write straight over the file
        // and never say whether its writes failed: the same page layout
        // and resolution go to a PDF writer on a save file instead.
        fichero_ = std::make_unique<QSaveFile>(impresora_.outputFileName());
        if (!fichero_->open(QIODevice::WriteOnly)) {
            fichero_.reset();
            return false;
        }
        pdf_ = std::make_unique<QPdfWriter>(fichero_.get());
        pdf_->setTitle(titulo);
        pdf_->setCreator(impresora_.creator());
        pdf_->setResolution(impresora_.resolution());
        pdf_->setPageLayout(impresora_.pageLayout());
    }
    return true;
}

bool PaginaImpresora::NuevaPagina()
{
    if (pdf_)
        return pdf_->newPage();
    return impresora_.newPage();
}

bool PaginaImpresora::Terminar()
{
    if (!pintor_.end()) {
        DescartarFichero();
        return false;
    }
    return Cerrar();
}

bool PaginaImpresora::Cerrar()
{
    bool hecho = true;
    if (fichero_) {
        // QPainter::end() says nothing of the file's writes: every one must
        // have reached the disk, and the file must be as long as what was
        // written, before it replaces the target.
        pdf_.reset();
        hecho = fichero_->flush() && fichero_->error() == QFileDevice::NoError && fichero_->pos() > 0
                && fichero_->size() == fichero_->pos() && fichero_->commit();
        DescartarFichero();
    }
    return hecho;
}

void PaginaImpresora::Abortar()
{
    if (!fichero_ && impresora_.outputFormat() != QPrinter::PdfFormat)
        impresora_.abort();
    if (pintor_.isActive())
        pintor_.end();
    // The half-written file goes; an older one stays.
    DescartarFichero();
}

QString PaginaImpresora::Destino() const
{
    if (impresora_.outputFormat() == QPrinter::PdfFormat || impresora_.printerName().isEmpty())
        return impresora_.outputFileName();
    return impresora_.printerName();
}

int PaginaImpresora::Ancho() const
{
    return Dispositivo().width();
}

int PaginaImpresora::Alto() const
{
    return Dispositivo().height();
}

int PaginaImpresora::PixelesPorPulgadaX() const
{
    return Dispositivo().logicalDpiX();
}

int PaginaImpresora::PixelesPorPulgadaY() const
{
    return Dispositivo().logicalDpiY();
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
    return qRound(QFontMetricsF(pintor_.font(), &Dispositivo()).horizontalAdvance(s));
}

void PaginaImpresora::Texto(int x, int y, const QString &s)
{
    // QPainter writes on the baseline; the layout gives the cell's top.
    const QFontMetricsF medidas(pintor_.font(), &Dispositivo());
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
