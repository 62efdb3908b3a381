// Labels of the screens that react to the mouse, and the shadowed label.
#pragma once

#include <QColor>
#include <QLabel>

#include <functional>

namespace norvela {

// A label that reports clicks and mouse moves over it. Under the pointing
// hand it is a button to screen readers, which can press it.
class EtiquetaActiva : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaActiva(QWidget *padre = nullptr);

    // What a click does, for tools that press the label without the mouse.
    void Pulsar();

    // The text colour, keeping the rest of the label's palette.
    void PonerColorTexto(const QColor &color);
    void PonerColorFondo(const QColor &color);
    QColor ColorTexto() const;
    QColor ColorFondo() const;

    // Whether a word is written with a hyphen: a caption's word broken at
    // its own hyphen keeps it when screen readers read the caption as one
    // line. Unset, every hyphen at a line's end only breaks its word.
    std::function<bool(const QString &)> ConGuion;

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

// A caption broken over lines, as one line: a word split at a line's end is
// whole again, with its hyphen where `conGuion` says the word has one.
QString UnaLinea(const QString &texto, const std::function<bool(const QString &)> &conGuion = {});

// Whether the label's caption, wrapped at word breaks, fits its rectangle in `fuente`.
bool TextoCabe(const QLabel *etiqueta, const QFont &fuente);
// Fits the label's caption to the label: it wraps at word breaks and the
// font's size steps down until it fits, to `legible` points; below that the
// label first widens about its centre, up to `anchoMaximo` pixels, then the
// size goes on down to `minimo`. A longer translation reads smaller, never cut.
void AjustarFuenteAlTexto(QLabel *etiqueta, int anchoMaximo = 0, qreal legible = 8.0, qreal minimo = 6.5);

} // namespace norvela
