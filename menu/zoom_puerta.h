// The zoom of an opening door: the door's bay, as the corridor shows it with
// the door open, drawn stretched over the menu, growing around its column,
// with the open door on it. An overlay that paints only while the zoom runs,
// below the settings panel.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace norvela {

class ZoomPuerta : public QWidget {
    Q_OBJECT
public:
    explicit ZoomPuerta(QWidget *padre);

    // The bay picture into `destino`, and `puerta` with its top-left at `posicionPuerta`.
    void Dibujar(const QImage &bahia, const QRect &destino, const QPixmap &puerta, const QPoint &posicionPuerta);
    const QRect &Destino() const { return destino_; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QImage bahia_;
    QRect destino_;
    QPixmap puerta_;
    QPoint posicionPuerta_;
};

} // namespace norvela
