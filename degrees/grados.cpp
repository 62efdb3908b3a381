#include "grados.h"

#include "ansi.h"
#include "carga_grados.h"
#include "construccion_diferida.h"
#include "grados_dibujo.h"
#include "iconos.h"
#include "rejilla_accesible.h"
#include "enlace.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "textos_propios.h"
#include "transiciones_paneles.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>

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

TForm1::TForm1(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm1")), ImpresionConDialogo(e, this)
{
    PonerCierre(CierreVentana::PreguntarYTerminar);
    // The program's panel effects; a screen built alone has its own.
    TransitionList1 = pantallas.Transiciones ? pantallas.Transiciones : new TransicionesPaneles(this);

    ConstruirInicio();
    resto_ = new ConstruccionDiferida(this, [this] { ConstruirResto(); });
}

void TForm1::ConstruirInicio()
{
    ImageList1 = IconosPequenos();
    setAutoFillBackground(true);
    DisponerInicio();
    DisponerMenu();
    estado = EstadoGrados{};
    estado.RetornoMenuGrados = true;
    ColocarMenusEInicio();
    PonerTextosInicio();
    PonerColoresInicio();
    EstilarControles(Panelinicio);
    // Whatever a button of the start panel opens is built by then: a screen
    // reader's press comes without the mouse or the key that builds it.
    for (QPushButton *b : Panelinicio->findChildren<QPushButton *>())
        connect(b, &QPushButton::pressed, this, &TForm1::Completar);
}

// Built after the start panel and its menus, in the order they were, so
// the stack and the keyboard's order stay as they are.
void TForm1::ConstruirResto()
{
    ImageListRamas = IconosRamas();
    DisponerNavegador();
    DisponerSeleccion();
    Conectar();

    estado.TopePanelSel = PanelSel->y();
    estado.TopePanelSelTit = PanelSelTit->y();
    estado.TopePanelCarSel = PanelCarSel->y();

    PonerTextos();
    PonerColores();
    LlenarComboAgrupacion();
    estado.LimpiarModosLista();
    Reestilar();
    // A file missing from the data prepared before has been reported: the creation stops here.
    if (enlace.ErrorFicheros)
        return;
    PanelSelTit->clear();
}

void TForm1::Completar() const
{
    resto_->Completar();
}

const EstadoGrados &TForm1::Estado() const
{
    Completar();
    return estado;
}

void TForm1::PrepararDatos(Enlace &e)
{
    e.MarcaCarga = true;
    e.FPSuperiorActivo = false;
    e.VistaDobles = false;
    // A missing file has been reported and set ErrorFicheros: nothing more is read.
    norvela::CargarDatosGrados(e);
    if (e.ErrorFicheros)
        return;
    CargarTablasGrados(e);
    e.VistaDobles = false;
}

void TForm1::ColocarMenusEInicio()
{
    PanelMenu2->move(PanelMenu->x() + PanelMenu->width(), PanelMenu->y() + BotMenuInfo->y() - 30);
    PanelMenu4->move(PanelMenu->x() + PanelMenu->width(), PanelMenu->y() + BotMenuArtes->y() - 30);
    Panelinicio->setGeometry(rect());
    degradeini->setGeometry(rect());
    Panelinicio->show();
}

void TForm1::PonerTextosInicio()
{
    const auto t = [this](int k) { return enlace.Texto(k); };
    for (QPushButton *b : {BotRetroceder, BotMenuRetro})
        b->setText(t(82));
    BotImprimir->setText(t(36));
    BotMenuDepor->setText(t(300));
    BotMenuUni->setText(t(503));
    BotMenuDobles->setText(t(242));
    ButEstadisticas->setText(t(227));
    botinfo1->setText(t(553));
    botinfo2->setText(t(111) + "  " + t(178));
    botinfo3->setText(t(346) + "  " + t(347));
    BotMenuGrados->setText(t(523));
    BotMaster->setText(t(551));
    BotMenuInfo->setText(t(79));
    BotMenuArtes->setText(t(524));
    // The panels paint themselves: screen readers name them by what they hold.
    PanelMenu->setAccessibleName(t(84));
    PanelMenu2->setAccessibleName(t(79));
    PanelMenu4->setAccessibleName(t(524));
    ListComunidad->setAccessibleName(t(503));
    BotArtesPlas->setText(t(525));
    BotMusica->setText(t(526));
    BotDanza->setText(t(527));
    BotDramatico->setText(t(528));
    setWindowTitle(t(338));
}

void TForm1::PonerTextos()
{
    const auto t = [this](int k) { return enlace.Texto(k); };
    ButtonRetroN->setText(t(82));
    BotImprimirN->setText(t(36));
    BotDoblesCar->setText(t(242));
    BotUni->setText(t(276));
    BotReq->setText(t(277));
    BotSal->setText(t(311));
    BotIntUni->setText(t(173));
    BotIntUni->setToolTip(t(174));
    BotPonde->setText(t(719));
    BotCorte->setText(t(296));
    PanelTree->setAccessibleName(t(523));
    PanelSel->setAccessibleName(TextoPropio(Propio::InformacionGrado));
    Tree->setHeaderLabel(t(84));
    Tree->setAccessibleName(t(84));
    listgrados->setAccessibleName(t(84));
    Listramas->setAccessibleName(t(375));
    GridNotas->setAccessibleName(t(593));
    // The selection panel's views are named again by each view that fills
    // them, after what they hold.
    ListSel->setAccessibleName(PanelSel->accessibleName());
    RichSalidas->setAccessibleName(t(311));
    listSel2->setAccessibleName(t(242));
    // The search button is a sign: it is read by what it does.
    BitBusTit->setAccessibleName(t(569));
    NombrarColumnas(listgrados, {t(84), t(538).remove(QLatin1Char(':'))});
    BotArtesTit->setText(t(533));
    BotArtesEsp->setText(t(534));
    BotArtesLug->setText(t(535));
    LabelMaster->setText(t(535) + " ?");
    LabelMaster2->setText(QString::fromLatin1(kRegistroTitulos));
    LabelMaster2->setToolTip(t(174));
    ListSel->setToolTip(QStringLiteral("Clic~Clic - ") + t(173));
}

void TForm1::PonerColoresInicio()
{
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, paleta::ColorCrema);
    setPalette(fondo);
    for (TEffectsPanel *panel : {PanelMenu, PanelMenu2, PanelMenu4})
        panel->PonerColor(paleta::ColorFondo);
}

void TForm1::PonerColores()
{
    for (TEffectsPanel *panel : {PanelTree, PanelSel})
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
}

void TForm1::LlenarComboAgrupacion()
{
    const auto t = [this](int k) { return enlace.Texto(k); };
    ComboAgru->clear();
    ComboAgru->setPlaceholderText(t(373));
    ComboAgru->setAccessibleName(t(373));
    for (int k : {375, 374, 377, 376, 372})
        ComboAgru->addItem(t(k));
    ComboAgru->setCurrentIndex(-1);
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
    VentanaMapa.OcultarSiHay();
    Pantalla::hideEvent(evento);
}

void TForm1::botinformacionClick()
{
    PanelMenu->setVisible(true);
}

void TForm1::OcultarSeleccion()
{
    ListSel->setCursor(Qt::ForbiddenCursor);
    PanelCarSel->hide();
    PanelSelTit->clear();
    ListSel->clear();
    PanelSel->hide();
    PanelSelTit->hide();
    ListSel->hide();
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
