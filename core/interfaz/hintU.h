// Every hint (tooltip) of the program is a speech balloon: a rounded box with
// a small pointer at its upper left pointing up at the mouse, framed by a
// two-tone grey outline. The application's hint mechanism (pause before a
// hint shows, hiding it) lives in GestorHints.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

class QApplication;

namespace norvela {

class TMonHint : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAnchoTexto = 300;   // hints wrap at this width

    TMonHint();

    // Window size for a hint: the wrapped text plus the margins and the
    // pointer band (text width + 16, text height + 32).
    static QSize CalcHintRect(const QFont &fuente, const QString &hint);
    // Shows the hint with the pointer's tip at `punta`.
    void ActivateHintData(const QPoint &punta, const QString &hint);

    const QString &Texto() const { return texto_; }
    // The balloon's outline: rounded body below the pointer band, and the pointer.
    static QRegion Forma(const QSize &tamano);

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    bool formaPendiente_ = false;
    QString texto_;
};

class GestorHints : public QObject {
    Q_OBJECT
public:
    static GestorHints &Instancia();

    // Makes the balloon the application's hint window.
    void Instalar(QApplication &app);

    // Delay before a hint shows, in milliseconds (the style reports it to Qt).
    int PausaHint = 500;
    // Background of the hint text.
    QColor ColorHint = QColor(255, 255, 225);

    TMonHint &Ventana();
    // Hides the hint that is showing, if any.
    void Cancelar();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    GestorHints();

    QPointer<QWidget> bajoRaton_;
    QPointer<TMonHint> ventana_;
};

} // namespace norvela
