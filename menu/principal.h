// The main menu: a corridor of doors, each labelled with a part of the
// program. A student walks in and greets; clicking a door plays the door
// opening and a zoom, then shows the chosen screen. The classic home screen,
// and the main window unless the animated home screen is on.
#pragma once

#include "pantalla.h"
#include "temporizador.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <map>

class QFrame;
class QPushButton;
class QRadioButton;

namespace norvela {

class EtiquetaActiva;
class EtiquetaSombreada;
class ModosPantalla;
struct PantallasCreadas;
class TEffectsPanel;
class ZoomPuerta;

class Tform0 : public Pantalla {
    Q_OBJECT
public:
    Tform0(Enlace &e, PantallasCreadas &p);
    ~Tform0() override;

    // Door codes: 1..6 the upper row, 7..11 the lower one (10 unused).
    static constexpr int kPuertaCarreras = 1, kPuertaCat = 2, kPuertaFpS = 3, kPuertaIti = 4, kPuertaFPM = 5,
                         kPuertaFPip = 6, kPuertaProfe = 7, kPuertaCuesB = 8, kPuertaCuesE = 9,
                         kPuertaAsistente = 11;

    // Shows the screen behind door `codigo` (0 the sign) with what it needs
    // first; false when there is none to show.
    bool AbrirDestinoPuerta(int codigo);
    // The screen behind a door, built now if it was not yet; null when there
    // is none or while it is being built. The door's zoom builds it, so that
    // the zoom's end only shows it.
    Pantalla *Destino(int codigo) const;
    // True while a door is opening; another door clicked meanwhile opens instead.
    bool AbriendoPuerta() const { return abriendo_; }

    // Top-left corner of a door's opening: 4 pixels right of its caption as
    // designed, at y 170 on the upper row and 510 on the lower.
    QPoint PosicionPuerta(EtiquetaActiva *etiqueta) const;
    // The captions that must fit their boards.
    QList<QLabel *> EtiquetasConTexto() const;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    // Each control carries its member's name as its object name.
    QLabel *mosaico = nullptr;
    EtiquetaActiva *LabelCarreras = nullptr, *LabelCat = nullptr, *LabelFpS = nullptr, *LabelIti = nullptr,
        *LabelFPM = nullptr, *LabelFPip = nullptr, *LabelProfe = nullptr, *LabelCuesB = nullptr, *LabelCuesE = nullptr,
        *LabelConfig = nullptr, *LabelAsistente = nullptr;
    EtiquetaActiva *ImageDejar = nullptr, *LabelDejar = nullptr;
    QLabel *Imagefaraon = nullptr;
    EtiquetaSombreada *LabelAno = nullptr;
    QLabel *anda = nullptr;
    QLabel *Bocadillo1 = nullptr, *LabelBocadillo1 = nullptr, *labelBocadillo2 = nullptr;
    QFrame *PanelAyuda = nullptr;
    QLabel *chica = nullptr;
    QLabel *LabelAyu[5] = {};
    QPushButton *BotRetroce = nullptr;

    // Settings panel: interface language and animated home screen.
    TEffectsPanel *panelConfigu = nullptr;
    QFrame *PanelCofiIdioma = nullptr, *PanelCofigu2 = nullptr;
    QLabel *Labelidioma = nullptr, *LabelIdiomaSel = nullptr, *LabelAnimacion = nullptr, *LabelSINO = nullptr,
           *LabelReiniciar = nullptr;
    QRadioButton *cas = nullptr, *cat = nullptr, *gal = nullptr, *eus = nullptr, *si = nullptr, *no = nullptr;
    QPushButton *ButtonGrabar = nullptr, *ButtonRetroConf = nullptr;
    void LabelConfigClick();
    void casClick();
    void siClick();
    void ButtonGrabarClick();
    void ButtonRetroConfClick();

    // Image lists: the walking figure and the door opening.
    QList<QPixmap> ImageList1, ImageListPuerta;

    // They follow the screens' clock.
    Temporizador piloto{RelojAnimaciones()}, TimerPuerta{RelojAnimaciones()},
        TimerZoom{RelojAnimaciones()}, TimerTexto{RelojAnimaciones()},
        TimerAyuda{RelojAnimaciones()};

    // Menu state.
    int MenuElegido = 0;
    int PuertaX = 0, PuertaY = 0, PuertaArriba = 0;
    int Fotograma = 0;
    int Progreso = 0;
    // Ticks of the help panel since it started to play; the panel's own.
    int ContadorAyuda = 0;
    int W = 0, H = 0;
    static constexpr int kPasoVertical = 10;
    // The widest a door caption's board may grow.
    static constexpr int kAnchoMaximoRotulo = 140;

    void pilotoTimer();
    void TimerTextoTimer();
    void TimerPuertaTimer();
    void TimerZoomTimer();
    void TimerAyudaTimer();

    void AbrirPuerta(EtiquetaActiva *etiqueta, int codigo);
    // Stops the opening under way, which then opens nothing.
    void DejarPuerta();
    void LabelDejarClick();
    void BotRetroceClick();
    // Where the zoom draws (empty when it does not).
    QRect RectanguloZoom() const;

    // Hint texts: a label's hint can be switched off and on again.
    void PonerHint(QWidget *w, const QString &hint);
    void ActivarHint(QWidget *w, bool activo);

    void CrearControles();
    void CrearPanelConfiguracion();
    void PintarCorredor();
    void PonerTextos();
    void PonerColores();
    void ConectarPuertas();
    void RestablecerColores();
    EtiquetaActiva *EtiquetaDePuerta(int codigo) const;
    QList<Temporizador *> Animaciones();

    std::map<QWidget *, QString> hints_;
    std::map<EtiquetaActiva *, int> puertas_;
    std::map<EtiquetaActiva *, QRect> diseno_;
    bool abriendo_ = false;
    bool salir_ = false;
    ZoomPuerta *zoom_ = nullptr;
    QWidget *velo_ = nullptr;
    // Every screen, which the doors open.
    PantallasCreadas &creadas_;
    std::unique_ptr<ModosPantalla> modos_;
};

} // namespace norvela
