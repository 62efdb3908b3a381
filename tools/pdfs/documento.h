// A small PDF document: a heading, paragraphs and tables flowing down A4
// pages, with a footer line and the page number on every page.
#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>
#include <vector>

namespace pdfs {

struct Tabla {
    QStringList cabecera;
    std::vector<double> anchos;      // column widths in millimetres
    std::vector<QStringList> filas;  // one text per column
    int filasResaltadas = 0;         // the last n rows are totals, drawn in bold
};

class Documento {
public:
    Documento(const QString &ruta, const QString &titulo, QPageLayout::Orientation orientacion, QString pie);

    void Encabezado(const QString &titulo, const QString &subtitulo);
    void Apartado(const QString &texto);
    void Parrafo(const QString &texto);
    void Dibujar(const Tabla &tabla);
    // Draws the last footer and writes the file; false when it could not.
    bool Cerrar();

private:
    int Mm(double mm) const;
    // Height a text needs in a box of the given width.
    int Alto(const QString &texto, int ancho, int flags) const;
    // A new page when `alto` does not fit below the current position.
    void Reservar(int alto);
    void Pie();
    void LetraFila(bool cabecera, bool resaltada);
    // Height of a row in the current font: its tallest cell.
    int AltoFila(const Tabla &tabla, const QStringList &celdas) const;
    void PintarFila(const Tabla &tabla, const QStringList &celdas, int alto, bool cabecera, bool resaltada, bool par);

    QPdfWriter escritor_;
    QPainter pintor_;
    QString pie_;
    int y_ = 0;
    int pagina_ = 1;
};

} // namespace pdfs
