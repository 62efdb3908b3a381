#include "pantalla_fp.h"

#include "ansi.h"
#include "comunidades_titulo.h"
#include "construccion_diferida.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "grupos_fp.h"
#include "informe_fp_titulo.h"
#include "impresion_fp.h"
#include "lugares_fp.h"
#include "marco.h"
#include "nivel_fp.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "piezas_fp.h"
#include "ruta_lugares_fp.h"
#include "textos_propios.h"
#include "titulos_fp.h"
#include "transiciones_paneles.h"
#include "vista_mapa.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>

namespace norvela {

namespace {

// The study icons of the group rows 1..9 (later groups take the first), and
// of the back row.
constexpr int kIconosGrupo[9] = {1, 2, 35, 12, 0, 9, 19, 16, 21};
constexpr int kIconoVolver = 43;
// The family list's height while it shows the groups, or the families of
// group 1 or 6 (which add the sports and arts families).
constexpr int kAltoGrupos = 301;

} // namespace

PantallaFP::PantallaFP(Enlace &e, Pantallas &p, const QString &nombre)
    : Pantalla(e, p, nombre), ImpresionConDialogo(e, this)
{
    // A child of the screen, so tools find the stars' timer by its name.
    TimerEstrellas.setParent(this);
    TimerEstrellas.setObjectName(QStringLiteral("TimerEstrellas"));
    TimerEstrellas.setInterval(200);
    connect(&TimerEstrellas, &QTimer::timeout, this, &PantallaFP::TimerEstrellasTimer);
}

const NivelFPDatos &PantallaFP::Nivel() const
{
    Completar();
    return Ruta->Nivel();
}

const EstadoRutaFP &PantallaFP::EstadoRuta() const
{
    Completar();
    return Ruta->estado;
}

const LugarElegidoFP &PantallaFP::Lugar() const
{
    Completar();
    return Ruta->lugar;
}

const SeleccionComunidadesFP &PantallaFP::SeleccionInforme() const
{
    Completar();
    return Seleccion->seleccion;
}

std::optional<InformeFP> PantallaFP::HojaDelTitulo(const VistasTitulo &vistas)
{
    HojaTituloFP hoja = HojaTitulo(enlace, Ruta->Nivel(), enlace.Textos, estado.TituloSel, vistas, Seleccion->seleccion);
    if (hoja.pedirSeleccion)
        return std::nullopt;
    return std::move(hoja.informe);
}

void PantallaFP::Montar(CierreVentana cierre)
{
    PonerCierre(cierre);
    const auto resto = [this] {
        Construir();
        Estilo();
        Captions();
        CrearRuta();
        Conectar();
        Completado();
    };
    if (ConstruirPrimero())
        resto_ = new ConstruccionDiferida(this, resto);
    else
        resto();
}

void PantallaFP::Completar() const
{
    if (resto_)
        resto_->Completar();
}

bool PantallaFP::ConstruccionPendiente() const
{
    return resto_ && resto_->Pendiente();
}

void PantallaFP::TimerEstrellasTimer()
{
    mapa->TicEstrellas(enlace);
}

void PantallaFP::PonerMarcoFP(QLabel *fondo)
{
    const Marco marco = PonerMarco(this, enlace, fondo);
    TilIzq = marco.izquierda;
    TilDer = marco.derecha;
    TilArr = marco.arriba;
}

EtiquetaSombreada *PantallaFP::ConstruirTituloFP(const QRect &sitio)
{
    auto *titulo = new EtiquetaSombreada(QString(), this);
    titulo->setObjectName(QStringLiteral("LabelFP1"));
    titulo->setGeometry(sitio);
    return titulo;
}

void PantallaFP::ConstruirRotulos(QWidget *padre, const QRect &seleccion, const QRect &caracteristicas)
{
    PanelSelTit = PanelTextoFP(padre, QStringLiteral("PanelSelTit"), seleccion.x(), seleccion.y(), seleccion.width(),
                               seleccion.height());
    PanelCarSel = PanelTextoFP(padre, QStringLiteral("PanelCarSel"), caracteristicas.x(), caracteristicas.y(),
                               caracteristicas.width(), caracteristicas.height());
    Ocultar({PanelSelTit, PanelCarSel});
}

TEffectsPanel *PantallaFP::ConstruirPanelListas(const QString &nombre, const QRect &sitio)
{
    auto *panel = new TEffectsPanel(this);
    panel->setObjectName(nombre);
    panel->setGeometry(sitio);
    return panel;
}

QWidget *PantallaFP::ConstruirColumnaBotones(const QString &nombre, const QRect &sitio, const QRect &primero,
                                             int paso,
                                             std::initializer_list<std::pair<QPushButton **, const char *>> botones)
{
    QWidget *panel = PanelRelleno(this, nombre, sitio.x(), sitio.y(), sitio.width(), sitio.height());
    int y = primero.y();
    for (const auto &[boton, nombreBoton] : botones) {
        *boton = BotonNombrado(panel, QString::fromLatin1(nombreBoton), primero.x(), y, primero.width(),
                               primero.height());
        y += paso;
    }
    panel->hide();
    return panel;
}

void PantallaFP::PonerTextos(int cabecera, std::initializer_list<std::pair<QAbstractButton *, int>> botones)
{
    setWindowTitle(T(338));
    if (LabelFP1)
        LabelFP1->setText(T(cabecera));
    Labeltitulo->setText(T(307));
    if (Seleccion)
        Seleccion->Captions();
    for (const auto &[boton, texto] : botones)
        boton->setText(T(texto));
}

void PantallaFP::ConstruirFamilias(QWidget *panel, const QRect &familias, const QRect &rotulo)
{
    ListPreFam = ListaPulsableFP(panel, QStringLiteral("ListPreFam"), familias.x(), familias.y(), familias.width(),
                                 familias.height());
    ListPreFam->setItemDelegate(new DelegadoIconoTexto(40, 4, 33, ListPreFam));
    Labeltitulo = new QLabel(panel);
    Labeltitulo->setObjectName(QStringLiteral("Labeltitulo"));
    Labeltitulo->setGeometry(rotulo);
    // The panel that holds them paints itself: screen readers name it, and
    // the family list, by what they offer.
    if (panel->accessibleName().isEmpty())
        panel->setAccessibleName(T(316));
    ListPreFam->setAccessibleName(T(575));
}

void PantallaFP::ConstruirMapasDetalle(const QPoint &sitio, double escala)
{
    mapac = new VistaMapa(this, enlace.BmpMapaC, QStringLiteral("mapac"), TextoPropio(Propio::MapaComarcas), escala);
    mapam = new VistaMapa(this, enlace.BmpMapaM, QStringLiteral("mapam"), TextoPropio(Propio::MapaZonas), escala);
    for (VistaMapa *m : {mapac, mapam}) {
        m->move(sitio);
        m->hide();
    }
}

void PantallaFP::ConstruirPanelMapa()
{
    PanelMapa = PanelTextoFP(this, QStringLiteral("PanelMapa"), 0, 0, enlace.AnchoPanelMapa, 18);
    PanelMapa->setAttribute(Qt::WA_TransparentForMouseEvents);
    PanelMapa->hide();
}

void PantallaFP::LlenarComarcasBarcelona()
{
    for (int r = kPrimeraSubcomarca; r <= enlace.NumComarcas && enlace.NombresComarcas.Contiene(r); ++r)
        listBarcelona->addItem(DesdeAnsi(enlace.NombresComarcas[r]).trimmed());
}

ControlesRutaFP PantallaFP::ControlesRuta() const
{
    return {.mapa = mapa,
            .mapac = mapac,
            .mapam = mapam,
            .PanelEstrellas = PanelEstrellas ? PanelEstrellas : mapa,
            .PanelMapa = PanelMapa,
            .ListSelLugFP = ListSelLugFP,
            .listBarcelona = listBarcelona,
            .BotCerrar = BotCerrar,
            .BotInternetC = nullptr,
            .botTodaFP = nullptr,
            .BotImprimir = BotImprimir,
            .reja = reja,
            .PanelSelTit = PanelSelTit,
            .PanelCarSel = PanelCarSel,
            .listSelFP = listSelFP};
}

void PantallaFP::CrearRutaFP(NivelFPDatos nivel, const ControlesRutaFP &controles, QWidget *panel)
{
    panelListas_ = panel;
    // The route's lists and grid as screen readers name them.
    reja->setAccessibleName(T(317));
    ListSelLugFP->setAccessibleName(TextoPropio(Propio::Lugares));
    if (listSelFP)
        listSelFP->setAccessibleName(TextoPropio(Propio::InformacionTitulo));
    if (listBarcelona)
        listBarcelona->setAccessibleName(TextoPropio(Propio::Barcelona));
    Ruta = new RutaLugaresFP(enlace, std::move(nivel), controles, this);
    Ruta->Transicion = [this](bool circulo, const std::function<void()> &cambio) { ConTransicion(circulo, cambio); };
    Ruta->TituloElegido = [this] { return estado.TituloSel; };
}

void PantallaFP::ConectarRuta(EtiquetaActiva *fondo)
{
    Ruta->Conectar();
    connect(fondo, &EtiquetaActiva::movido, Ruta, &RutaLugaresFP::OcultarPista);
}

void PantallaFP::ConTransicion(bool circulo, const std::function<void()> &cambio)
{
    CambiarPanel(pantallas.Transiciones, panelListas_, circulo, cambio);
}

void PantallaFP::PonerListaTitulos(QListWidget *lista, int altoFamilias, std::function<void(int fila)> tituloPulsado)
{
    listaTitulos_ = lista;
    altoFamilias_ = altoFamilias;
    connect(ListPreFam, &QListWidget::itemPressed, this,
            [this](QListWidgetItem *i) { ListPreFamMouseDown(ListPreFam->row(i)); });
    connect(lista, &QListWidget::itemClicked, this,
            [lista, pulsado = std::move(tituloPulsado)](QListWidgetItem *i) { pulsado(lista->row(i)); });
}

void PantallaFP::AbrirGrupos()
{
    PanelSelTit->setText(T(595));
    listSelFP->hide();
    listSelFP->clear();
    listSelFP->setCursor(Qt::PointingHandCursor);
    MostrarGrupos();
    ListPreFam->show();
}

void PantallaFP::MostrarGrupos()
{
    estado.Titulos.ListaDeGrupos = true;
    ListPreFam->resize(ListPreFam->width(), kAltoGrupos);
    ListPreFam->clear();
    for (int g = 1; g <= enlace.NumGruposFamilias && enlace.GruposFamilias.Contiene(g); ++g) {
        auto *item = new QListWidgetItem(DesdeAnsi(enlace.GruposFamilias[g]).trimmed(), ListPreFam);
        item->setData(Qt::DecorationRole, IconoEstudios(kIconosGrupo[g <= 9 ? g - 1 : 0]));
    }
}

void PantallaFP::ListarFamilias(int grupo, bool conVolver)
{
    EstadoTitulosFP &t = estado.Titulos;
    const std::vector<FilaFamilia> familias = FamiliasDeGrupo(Ruta->Nivel(), grupo);
    filaVolver_ = conVolver;
    ListPreFam->clear();
    t.FamiliasGrupoSel.clear();
    if (conVolver) {
        t.FamiliasGrupoSel.push_back(0);
        auto *volver = new QListWidgetItem(T(82), ListPreFam);
        volver->setData(Qt::DecorationRole, IconoEstudios(kIconoVolver));
    }
    int icono = 0;
    for (size_t k = 0; k < familias.size(); ++k) {
        auto *item = new QListWidgetItem(DesdeAnsi(familias[k].texto).trimmed(), ListPreFam);
        icono = IconoDeFamilia(k, familias[k].familia, familias[0].familia, icono);
        item->setData(Qt::DecorationRole, IconoEstudios(icono));
        t.FamiliasGrupoSel.push_back(familias[k].familia);
    }
}

int PantallaFP::IconoDeFamilia(size_t k, int familia, int primera, int anterior) const
{
    return IconoFamilia(k < 3 ? familia : primera, anterior);
}

void PantallaFP::ListPreFamMouseDown(int fila)
{
    // A press below the last row picks nothing.
    if (fila < 0 || fila >= ListPreFam->count())
        return;
    FamiliasPulsadas();
    EstadoTitulosFP &t = estado.Titulos;
    if (t.ListaDeGrupos) {
        const int g = fila + 1;
        t.FilaFamiliaSel = g;
        ListarFamilias(g, true);
        ListPreFam->resize(ListPreFam->width(), g == 1 || g == 6 ? kAltoGrupos : altoFamilias_);
        t.ListaDeGrupos = false;
        PanelSelTit->setText(T(578));
        return;
    }
    if (filaVolver_ && fila == 0) {
        VolverAGrupos();
        return;
    }
    t.FilaFamiliaSel = fila;
    t.NombreFamiliaSel = HaciaAnsi(ListPreFam->item(fila)->text().trimmed());
    ListPreFam->setCurrentRow(fila);
    const size_t f = static_cast<size_t>(fila);
    const int familia = f < t.FamiliasGrupoSel.size() ? t.FamiliasGrupoSel[f] : 0;
    const NivelFPDatos &nivel = Ruta->Nivel();
    t.TitulosFamilia = TitulosDeFamilia(nivel, familia);
    listaTitulos_->clear();
    for (int titulo : t.TitulosFamilia) {
        auto *item = new QListWidgetItem(DesdeAnsi((*nivel.nombres)[titulo]).trimmed(), listaTitulos_);
        item->setData(Qt::DecorationRole, IconoLista(3));
    }
    listaTitulos_->show();
    Labeltitulo->move(listaTitulos_->x(), listaTitulos_->y() - 25);
    Labeltitulo->setText(DesdeAnsi(t.NombreFamiliaSel) + QStringLiteral(" - ") +
                         (t.TitulosFamilia.empty() ? T(292) : T(307) + QStringLiteral("...")));
    Labeltitulo->show();
    TitulosListados();
}

void PantallaFP::VolverAGrupos()
{
    listaTitulos_->hide();
    Labeltitulo->hide();
    MostrarGrupos();
    PanelSelTit->setText(T(595));
}

void PantallaFP::MarcarDondeSeEstudia(int titulo)
{
    const TablasPorGrupo &t = Ruta->Nivel().estrellas;
    MarcarComunidadesTitulo(enlace, t.ofertas, t.centros, t.n, titulo);
    mapa->Redibujar();
    TimerEstrellas.start();
}

void PantallaFP::ParpadearTitulo(const QString &nombre)
{
    PanelCarSel->setText(nombre);
    TimerParpadeo->Iniciar([this, nombre](bool mostrar) { PanelCarSel->setText(mostrar ? nombre : QString()); });
}

void PantallaFP::hideEvent(QHideEvent *evento)
{
    TimerEstrellas.stop();
    Pantalla::hideEvent(evento);
}

} // namespace norvela
