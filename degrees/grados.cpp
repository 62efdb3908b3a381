#include "grados.h"

#include "ansi.h"
#include "carga_grados.h"
#include "grados_dibujo.h"
#include "enlace.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "transiciones_paneles.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace norvela {

namespace {

// The public register of official degrees, behind LabelMaster2.
const char *const kRegistroTitulos = "https://www.educacion.gob.es/ruct/ListadoTitulos/";

// Mode 0 hides and captures, mode 1 shows and animates; any other does nothing.
bool PasoDe(int modo, PasoTransicion &paso)
{
    if (modo != 0 && modo != 1)
        return false;
    paso = modo == 0 ? PasoTransicion::OcultarYCapturar : PasoTransicion::MostrarYAnimar;
    return true;
}

} // namespace

TForm1::TForm1(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm1"))
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    TransitionList1 = new TransicionesPaneles(this);

    ImageList1 = IconosPequenos();
    ImageListRamas = IconosRamas();
    Disponer();

    estado = EstadoGrados{};
    estado.TopePanelSel = PanelSel->y();
    estado.TopePanelSelTit = PanelSelTit->y();
    estado.TopePanelCarSel = PanelCarSel->y();
    enlace.RetornoMenuGrados = true;
    enlace.MarcaCarga = true;
    enlace.ListaDeLugares = false;
    enlace.ModoImpresion = false;
    enlace.FPSuperiorActivo = false;
    enlace.VistaDobles = false;
    enlace.LocalidadesListadas = false;

    CargarDatosGrados();
    Reestilar();
    if (enlace.ErrorFicheros)
        return;
    CargarTablasGrados(enlace);
    enlace.VistaDobles = false;
    PanelSelTit->clear();
    enlace.LocalidadesListadas = false;
}

void TForm1::CargarDatosGrados()
{
    const auto t = [this](int k) { return enlace.Texto(k); };
    PanelMenu2->move(PanelMenu->x() + PanelMenu->width(), PanelMenu->y() + BotMenuInfo->y() - 30);
    PanelMenu4->move(PanelMenu->x() + PanelMenu->width(), PanelMenu->y() + BotMenuArtes->y() - 30);
    Panelinicio->setGeometry(rect());
    degradeini->setGeometry(rect());
    Panelinicio->show();

    for (QPushButton *b : {BotRetroceder, BotMenuRetro, ButtonRetroN})
        b->setText(t(82));
    BotImprimir->setText(t(36));
    BotImprimirN->setText(t(36));
    BotMenuDepor->setText(t(300));
    BotMenuUni->setText(t(503));
    BotMenuDobles->setText(t(242));
    BotDoblesCar->setText(t(242));
    BotUni->setText(t(276));
    BotReq->setText(t(277));
    BotSal->setText(t(311));
    ButEstadisticas->setText(t(227));
    botinfo1->setText(t(553));
    botinfo2->setText(t(111) + "  " + t(178));
    botinfo3->setText(t(346) + "  " + t(347));
    BotMenuGrados->setText(t(523));
    BotIntUni->setText(t(173));
    BotIntUni->setToolTip(t(174));
    BotPonde->setText(t(719));
    BotCorte->setText(t(296));
    BotMaster->setText(t(551));
    BotMenuInfo->setText(t(79));
    BotMenuArtes->setText(t(524));
    BotArtesPlas->setText(t(525));
    BotMusica->setText(t(526));
    BotDanza->setText(t(527));
    BotDramatico->setText(t(528));
    BotArtesTit->setText(t(533));
    BotArtesEsp->setText(t(534));
    BotArtesLug->setText(t(535));
    LabelMaster->setText(t(535) + " ?");
    LabelMaster2->setText(QString::fromLatin1(kRegistroTitulos));
    LabelMaster2->setToolTip(t(174));
    ListSel->setToolTip(QStringLiteral("Clic~Clic - ") + t(173));
    setWindowTitle(t(338));

    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, paleta::ColorCrema);
    setPalette(fondo);
    for (TEffectsPanel *panel : {PanelMenu, PanelMenu2, PanelMenu4, PanelTree, PanelSel})
        panel->PonerColor(paleta::ColorFondo);
    QPalette granate = PanelSel->palette();
    granate.setColor(QPalette::WindowText, paleta::ColorGranate);
    PanelSel->setPalette(granate);
    for (QLabel *panel : {PanelSelTit, PanelCarSel}) {
        QPalette colores = panel->palette();
        colores.setColor(QPalette::Window, paleta::ColorFondo);
        colores.setColor(QPalette::WindowText, paleta::ColorGranate);
        panel->setPalette(colores);
    }

    // A missing file has been reported and set ErrorFicheros: the creation stops after this.
    norvela::CargarDatosGrados(enlace);
    ComboAgru->clear();
    ComboAgru->setPlaceholderText(t(373));
    for (int k : {375, 374, 377, 376, 372})
        ComboAgru->addItem(t(k));
    ComboAgru->setCurrentIndex(-1);
    estado.LimpiarModosLista();
}

void TForm1::changeEvent(QEvent *evento)
{
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        enlace.SeleccionFija = false;
    Pantalla::changeEvent(evento);
}

void TForm1::hideEvent(QHideEvent *evento)
{
    // The map window stays on top of every window: it leaves with the screen.
    Estrellas.OcultarSiHay();
    Pantalla::hideEvent(evento);
}

void TForm1::botinformacionClick()
{
    PanelMenu->setVisible(true);
}

void TForm1::OcultarSeleccion()
{
    enlace.ListaDeLugares = false;
    ListSel->setCursor(Qt::ForbiddenCursor);
    PanelCarSel->hide();
    PanelSelTit->clear();
    ListSel->clear();
    PanelSel->hide();
    PanelSelTit->hide();
    ListSel->hide();
}

void TForm1::BotMenuRetroClick()
{
    PanelMenu->hide();
    Salir(enlace.GradosDesdeAsistente);
}

void TForm1::BotRetrocederClick()
{
    // Every way back leaves the marks grid, and the map window with it.
    Estrellas.OcultarSiHay();
    PanelMenu2->hide();
    PanelMenu4->hide();
    if (estado.VistaMaster) {
        estado.VistaMaster = false;
        LabelMaster->hide();
        LabelMaster2->hide();
        PanelMenu->show();
        for (QWidget *w :
             std::initializer_list<QWidget *>{PanelSel, PanelSelTit, RichSalidas, BotRetroceder, BotImprimir})
            w->hide();
        return;
    }
    enlace.ModoImpresion = false;
    ListSel->setCursor(Qt::ForbiddenCursor);
    PanelSel->move(PanelSel->x(), estado.TopePanelSel);
    PanelSelTit->move(PanelSelTit->x(), estado.TopePanelSelTit);
    PanelCarSel->move(PanelCarSel->x(), estado.TopePanelCarSel);
    const auto visible = [](QWidget *w) { return !w->isHidden(); };
    const auto ocultar = [](QWidget *w) { w->hide(); };
    if (estado.ModoArtes) {
        estado.ModoArtes = false;
        estado.ArtesMusica = estado.ArtesDanza = estado.ArtesDramatico = estado.ArtesPlasticas = false;
        for (QWidget *w :
             std::initializer_list<QWidget *>{BotImprimirN, BotRetroceder, BotArtesTit, BotArtesEsp, BotArtesLug})
            w->hide();
        ocultar(ListComunidad);
        OcultarSeleccion();
        ListSel->setCursor(Qt::ArrowCursor);
    }
    if (estado.MenuGradosUsado) {
        if (visible(ListComunidad) && !estado.ModoGrados) {
            ListComunidad->hide();
            PanelEstrellas->show();
            return;
        }
        for (QWidget *w : std::initializer_list<QWidget *>{BotIntUni, BotImprimir, BotUni, BotReq, BotSal, BotDoblesCar,
                                                           BotPonde, BotCorte, BotImprimirN})
            w->hide();
        PanelMenu->show();
        for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, PanelCarSel, ListSel, GridNotas,
                                                           RichSalidas, BotRetroceder, PanelEstrellas})
            w->hide();
        ocultar(ListComunidad);
        ListSel->clear();
        estado.MenuGradosUsado = false;
        return;
    }
    if (enlace.VistaDobles && visible(ListComunidad) && !estado.ModoGrados) {
        ListComunidad->hide();
        PanelEstrellas->show();
        return;
    }
    ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, ListSel, GridNotas, BotIntUni})
        w->hide();
    PanelSelTit->clear();
    ListSel->clear();
    BotImprimir->hide();
    if (enlace.VistaDobles) {
        enlace.VistaDobles = false;
        PanelEstrellas->hide();
        ocultar(ListComunidad);
        PanelMenu->show();
        listSel2->hide();
        BotRetroceder->hide();
        return;
    }
    if (estado.ModoDeportes) {
        estado.ModoDeportes = false;
        PanelMenu->show();
        ocultar(ListComunidad);
        ListSel->clear();
        BotRetroceder->hide();
        return;
    }
    if (!PanelEstrellas->isHidden()) {
        PanelEstrellas->hide();
        BotRetroceder->hide();
        PanelMenu->show();
    }
    if (visible(ListComunidad)) {
        ListComunidad->hide();
        PanelEstrellas->show();
    }
    PanelMenu->show();
}

void TForm1::MostrarConRollo(QWidget *control, int modo)
{
    if (PasoTransicion paso; PasoDe(modo, paso))
        TransitionList1->MostrarConRollo(control, paso);
}

void TForm1::MostrarConCirculo(QWidget *control, int modo)
{
    if (PasoTransicion paso; PasoDe(modo, paso))
        TransitionList1->MostrarConCirculo(control, paso);
}

void TForm1::OcultarConRollo2(QWidget *control)
{
    TransitionList1->OcultarConRollo2(control);
}

} // namespace norvela
