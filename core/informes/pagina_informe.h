// Where a printed report goes: a small page device the report layout draws
// on. The program prints through QPrinter; tests record what was drawn.
// Coordinates are device pixels from the top-left corner of the printable
// area; rectangles are (x1, y1)-(x2, y2) with the far edges excluded.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;
class QSaveFile;

namespace norvela {

class PaginaInforme {
public:
    virtual ~PaginaInforme() = default;

    // Starts the document (job title, orientation). False when the device
    // cannot start; nothing else may be called then.
    virtual bool Comenzar(const QString &titulo, bool apaisada) = 0;
    virtual bool NuevaPagina() = 0;
    // Ends the document; false when it could not be completed.
    virtual bool Terminar() = 0;
    // Gives up a started document after a failure.
    virtual void Abortar() = 0;
    // The printer name or the output file, for messages.
    virtual QString Destino() const = 0;

    // Printable area in pixels and pixels per inch; valid once started.
    virtual int Ancho() const = 0;
    virtual int Alto() const = 0;
    virtual int PixelesPorPulgadaX() const = 0;
    virtual int PixelesPorPulgadaY() const = 0;

    virtual void PonerFuente(const QString &familia, int puntos, bool negrita) = 0;
    // Width in pixels of s in the current font.
    virtual int AnchoTexto(const QString &s) = 0;
    // s with the top-left corner of its cell at (x, y).
    virtual void Texto(int x, int y, const QString &s) = 0;
    // Black outline, white inside.
    virtual void Rectangulo(int x1, int y1, int x2, int y2) = 0;
    virtual void Elipse(int x1, int y1, int x2, int y2) = 0;
    // The whole picture stretched into the rectangle.
    virtual void Imagen(int x1, int y1, int x2, int y2, const QImage &imagen) = 0;
};

// Pages on a QPrinter: a real printer or a PDF file, as the printer is set.
// A PDF file is written beside its target and replaces it only when every
// write reached the disk; a failed one leaves any older file as it was.
class PaginaImpresora : public PaginaInforme {
public:
    explicit PaginaImpresora(QPrinter &impresora);
    ~PaginaImpresora() override;

    bool Comenzar(const QString &titulo, bool apaisada) override;
    bool NuevaPagina() override;
    bool Terminar() override;
    void Abortar() override;
    QString Destino() const override;

    int Ancho() const override;
    int Alto() const override;
    int PixelesPorPulgadaX() const override;
    int PixelesPorPulgadaY() const override;

    void PonerFuente(const QString &familia, int puntos, bool negrita) override;
    int AnchoTexto(const QString &s) override;
    void Texto(int x, int y, const QString &s) override;
    void Rectangulo(int x1, int y1, int x2, int y2) override;
    void Elipse(int x1, int y1, int x2, int y2) override;
    void Imagen(int x1, int y1, int x2, int y2, const QImage &imagen) override;

    // For a document that paints its own pages (a rich text): the device
    // opened as Comenzar opens it, without a painter of ours; Cerrar then
    // ends it as Terminar does. False when it cannot be opened or closed.
    bool Abrir(const QString &titulo, bool apaisada);
    QPagedPaintDevice &Paginas() const;
    bool Cerrar();

private:
    QPaintDevice &Dispositivo() const;
    void DescartarFichero();

    QPrinter &impresora_;
    // Only while a PDF file is being written.
    std::unique_ptr<QSaveFile> fichero_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPainter pintor_;
};

} // namespace norvela
