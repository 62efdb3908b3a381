// Labels of the screens that react to the mouse, and the shadowed label.
#pragma once

#include <QColor>
#include <QLabel>

namespace norvela {

// A label that reports clicks and mouse moves over it.
class EtiquetaActiva : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaActiva(QWidget *padre = nullptr);

    // The text colour, keeping the rest of the label's palette.
    void PonerColorTexto(const QColor &color);
    void PonerColorFondo(const QColor &color);
    QColor ColorTexto() const;
    QColor ColorFondo() const;

signals:
    void clic();
    void soltado();
    void movido();

protected:
    void mouseReleaseEvent(QMouseEvent *evento) override;
    void mouseMoveEvent(QMouseEvent *evento) override;
};

// A label whose text has a shadow one pixel to the right and below.
class EtiquetaSombreada : public QLabel {
    Q_OBJECT
public:
    EtiquetaSombreada(const QString &texto, QWidget *padre = nullptr);
    QColor colorSombra = Qt::white;

protected:
    void paintEvent(QPaintEvent *evento) override;
};

// A picture shown the way transparent pictures are: the colour of its
// bottom-left pixel lets the background through.
QPixmap TransparentePorEsquina(const QImage &imagen);

// Fits a label to its caption the way the screens' labels size themselves:
// wrapped at the design width, growing where the text needs more room.
void AjustarAlTexto(QLabel *etiqueta);

} // namespace norvela
