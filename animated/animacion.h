// The animated home screen: a small school seen from across the road, where
// a student walks along the pavement and in and out of the doors, clouds and
// birds go by and the school bus passes. Each door opens a screen of the
// program; the main entrance leads to the classic main menu.
#pragma once

#include "imagen_paquete.h"
#include "pantalla.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

namespace norvela {

class EtiquetaActiva;
class ModosPantalla;

// The drawing surface: the whole window, painted from the packs' pictures
// at the scene's own clock.
class SuperficieEscena : public QWidget {
    Q_OBJECT
public:
    SuperficieEscena(const ImagenesEscena &imagenes, QWidget *padre);

    // Starts the clock afresh: the scene goes on from where it stood, with
    // no jump for the time it was away.
    void Initialize();
    // Moves the scene on by the time since the last frame (at most a tenth
    // of a second, so a stalled machine slows the scene rather than skips
    // it) and repaints.
    void Fotograma();
    // Moves the scene on by `ms` milliseconds.
    void Avanzar(std::int64_t ms);
    std::int64_t Tiempo() const { return tiempo_; }
    // The door that glows from the next frame on.
    void PonerResaltado(int lugar);

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    // Asks to repaint only what changed since the moment last asked for.
    void PedirCambio();

    const ImagenesEscena &imagenes_;
    QElapsedTimer reloj_;
    // Starts with the student already on her way to the first door.
    std::int64_t tiempo_ = 1500;
    int resaltado_ = -1;
    // The moment and glow the window's picture shows, or will once the
    // pending repaint is done, and the areas that repaint is to redraw.
    EstadoEscena pedido_;
    int resaltadoPedido_ = -1;
    std::vector<QRect> pendientes_;
};

class Tform9 : public Pantalla {
    Q_OBJECT
public:
    Tform9(Enlace &e, Pantallas &p);
    ~Tform9() override;

    // The frame timer: about thirty frames a second, as the scene was made
    // for; what moves goes by the time passed, not by the frames.
    static constexpr int kIntervalo = 33;

    SuperficieEscena *DXDraw;
    QTimer DXTimer;
    // The clickable places: the five doors, the main entrance and the bus
    // stop's sign, each with its name on its board.
    EtiquetaActiva *LabelCarreras, *LabelCat, *LabelFpS, *LabelEntrada, *LabelFPM, *LabelFPip, *LabelDejar;

    void DXTimerTimer();
    void LabelCarrerasClick();
    void LabelCatClick();
    void LabelFpSClick();
    void LabelFPMClick();
    void LabelFPipClick();
    void LabelDejarClick();
    // Into the classic main menu, which comes back here with its back button.
    void LabelEntradaClick();

    const ImagenesEscena &Imagenes() const { return imagenes_; }
    // False when an image pack was missing or damaged: its message has been
    // shown, and the scene has nothing to draw.
    bool EscenaLeida() const { return escenaLeida_; }
    // The place's label, by its place in the scene.
    EtiquetaActiva *Lugar(LugarEscena lugar) const;

signals:
    // The screen has appeared: the welcome window goes.
    void aparecida();

protected:
    bool event(QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void hideEvent(QHideEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;

private:
    void CrearLugares();
    bool AlAparecer();
    void AbrirPuerta(int codigo);

    ImagenesEscena imagenes_;
    bool escenaLeida_ = false;
    std::unique_ptr<ModosPantalla> modos_;
};

} // namespace norvela
