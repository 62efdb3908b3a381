// The settings panel of the main menu: the interface language and whether
// the program starts in the animated home screen. Saved choices take effect
// at the next start.
#include "principal.h"

#include "enlace.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "tapas.h"
#include "transiciones_paneles.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace norvela {

namespace {

QFont Comic(int puntos, bool negrita = true)
{
    QFont f(QStringLiteral("Comic Sans MS"), puntos);
    f.setBold(negrita);
    return f;
}

void Colorear(QWidget *w, const QColor &texto)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, texto);
    p.setColor(QPalette::ButtonText, texto);
    w->setPalette(p);
}

QFrame *PanelBlanco(QWidget *padre, const QRect &r)
{
    auto *panel = new QFrame(padre);
    panel->setGeometry(r);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::white);
    panel->setPalette(p);
    panel->setAutoFillBackground(true);
    return panel;
}

} // namespace

void Tform0::CrearPanelConfiguracion()
{
    panelConfigu = new TEffectsPanel(this);
    panelConfigu->setGeometry(298, 136, 519, 313);
    panelConfigu->PonerColor(paleta::ColorCrema);
    // The panel paints itself: screen readers name it by its door's caption.
    panelConfigu->setAccessibleName(enlace.Texto(121));
    panelConfigu->hide();
    // What the panel covers is out of reach while it is open.
    HacerTapa(panelConfigu);

    PanelCofiIdioma = PanelBlanco(panelConfigu, QRect(23, 48, 130, 145));
    Labelidioma = new QLabel(PanelCofiIdioma);
    Labelidioma->move(27, 8);
    const char *idiomas[4] = {"Castellano", "Català/Valencià", "Galego", "Euskera"};
    QRadioButton **botones[4] = {&cas, &cat, &gal, &eus};
    for (int i = 0; i < 4; ++i) {
        auto *b = new QRadioButton(QString::fromUtf8(idiomas[i]), PanelCofiIdioma);
        b->setGeometry(8, 40 + 24 * i, 120, 20);
        b->setFont(Comic(9));
        Colorear(b, paleta::ColorTitulo);
        connect(b, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                casClick();
        });
        *botones[i] = b;
    }
    LabelIdiomaSel = new QLabel(panelConfigu);
    LabelIdiomaSel->setGeometry(163, 88, 200, 24);

    PanelCofigu2 = PanelBlanco(panelConfigu, QRect(240, 37, 201, 25));
    LabelAnimacion = new QLabel(PanelCofigu2);
    LabelAnimacion->setGeometry(2, 3, 70, 20);
    si = new QRadioButton(PanelCofigu2);
    si->setGeometry(74, 3, 40, 20);
    no = new QRadioButton(PanelCofigu2);
    no->setGeometry(115, 3, 46, 20);
    for (QRadioButton *b : {si, no}) {
        b->setFont(Comic(9));
        Colorear(b, paleta::ColorTitulo);
        connect(b, &QRadioButton::toggled, this, [this](bool marcado) {
            if (marcado)
                siClick();
        });
    }
    LabelSINO = new QLabel(PanelCofigu2);
    LabelSINO->setGeometry(165, 2, 36, 22);

    ButtonGrabar = new QPushButton(panelConfigu);
    ButtonGrabar->setGeometry(256, 128, 113, 25);
    LabelReiniciar = new QLabel(panelConfigu);
    LabelReiniciar->setGeometry(160, 184, 313, 23);
    LabelReiniciar->setAlignment(Qt::AlignCenter);
    ButtonRetroConf = new QPushButton(panelConfigu);
    ButtonRetroConf->setGeometry(168, 248, 129, 25);

    for (QLabel *l : {Labelidioma, LabelIdiomaSel, LabelAnimacion, LabelReiniciar}) {
        l->setFont(Comic(10));
        Colorear(l, paleta::ColorGranate);
    }
    LabelSINO->setFont(Comic(12));
    Colorear(LabelSINO, paleta::ColorGranate);
    for (QPushButton *b : {ButtonGrabar, ButtonRetroConf}) {
        b->setFont(Comic(9));
        b->setCursor(Qt::PointingHandCursor);
    }

    Labelidioma->setText(enlace.Texto(396));
    Labelidioma->adjustSize();
    LabelAnimacion->setText(enlace.Texto(606));
    si->setText(enlace.Texto(141));
    no->setText(enlace.Texto(140));
    ButtonGrabar->setText(enlace.Texto(608));
    LabelReiniciar->setText(enlace.Texto(607));
    ButtonRetroConf->setText(enlace.Texto(82));
    connect(ButtonGrabar, &QPushButton::clicked, this, &Tform0::ButtonGrabarClick);
    connect(ButtonRetroConf, &QPushButton::clicked, this, &Tform0::ButtonRetroConfClick);
}

void Tform0::LabelConfigClick()
{
    if (abriendo_)
        return;
    // The panel rolls in already filled: its choices start from the values
    // in memory, never from the last unsaved ones.
    CambiarPanel(pantallas.Transiciones, panelConfigu, false, [this] {
        QRadioButton *idiomas[4] = {cas, cat, gal, eus};
        idiomas[std::clamp(enlace.IdiomaSel, 0, 3)]->setChecked(true);
        casClick();
        const bool paquetes = QFileInfo::exists(enlace.Fichero(enlace.FicheroSegDXG))
                              && QFileInfo::exists(enlace.Fichero(enlace.FicheroVectorDXG));
        PanelCofigu2->setVisible(paquetes);
        LabelSINO->setVisible(paquetes);
        (enlace.AnimacionSi ? si : no)->setChecked(true);
        siClick();
    });
}

void Tform0::casClick()
{
    for (QRadioButton *b : {cas, cat, gal, eus})
        if (b->isChecked())
            LabelIdiomaSel->setText(b->text());
}

void Tform0::siClick()
{
    LabelSINO->setText(si->isChecked() ? si->text() : no->text());
}

void Tform0::ButtonGrabarClick()
{
    const QRadioButton *idiomas[4] = {cas, cat, gal, eus};
    for (int i = 0; i < 4; ++i)
        if (idiomas[i]->isChecked()) {
            enlace.IdiomaSel = i;
            break;
        }
    enlace.AnimacionSi = si->isChecked();
    // Judged against what is really stored, so a choice that failed to save
    // before still brings the notice once it is saved.
    const Ajustes antes = enlace.AjustesGuardados;
    if (GrabarAjustes(enlace) && !(enlace.AjustesGuardados == antes))
        enlace.Avisos().Aviso(enlace.Texto(607));
    panelConfigu->hide();
}

void Tform0::ButtonRetroConfClick()
{
    if (TransicionesPaneles *efectos = pantallas.Transiciones)
        efectos->OcultarConRollo2(panelConfigu);
    else
        panelConfigu->hide();
}

} // namespace norvela
