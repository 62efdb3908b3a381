#include "estadistica.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "colores.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "lectura.h"
#include "paleta.h"
#include "pantallas.h"
#include "superior.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace norvela {

namespace {

const QColor kVerde{0, 128, 0};
const QColor kRojo{255, 0, 0};
const QColor kAmarillo{255, 255, 0};

// Notes after the chosen row's name in the subtitle.
constexpr int kSinResultados = 292;
constexpr int kFueraDelGrafico = 734;

// Paint boxes and their scroll bars.
constexpr int kAltoChart1 = 480;
constexpr int kAltoChart2 = 462;

QFont Arial(int puntos)
{
    return QFont(QStringLiteral("Arial"), puntos);
}

// A rectangle as the charts give it: from (x1, y1) to (x2, y2), outlined.
void Rectangulo(QPainter &p, int x1, int y1, int x2, int y2, const QColor &relleno)
{
    p.setPen(Qt::black);
    p.setBrush(relleno);
    if (x2 > x1 && y2 > y1)
        p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

} // namespace

// The address is ours; only http and https pages are ever handed on.
const QUrl TEstadisticas::kPaginaObservatorio{
    QStringLiteral("https://www.sepe.es/HomeSepe/que-es-el-sepe/observatorio.html")};

LienzoGrafico::LienzoGrafico(const GraficoEstadistico &grafico, QWidget *padre) : QWidget(padre), grafico_(grafico)
{
    PintarFondo(this, paleta::ColorFondo);
    setFont(Arial(10));
}

void LienzoGrafico::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), paleta::ColorFondo);
    if (grafico_.NumFilas() == 0)
        return;
    p.setFont(font());
    for (const FilaDibujada &d : grafico_.FilasVisibles(height())) {
        if (grafico_.Tipo() == TipoGrafico::EstudiosEmpleo)
            PintarFilaEstudiosEmpleo(p, d);
        else
            PintarFila(p, d);
    }
}

void LienzoGrafico::wheelEvent(QWheelEvent *evento)
{
    emit rueda(evento->angleDelta().y());
    evento->accept();
}

void LienzoGrafico::PintarNombre(QPainter &p, const FilaDibujada &d, int x0, int y)
{
    const QFontMetrics fm(p.font());
    // Long names are cut so that the icon still fits in the chart.
    const QString nombre = fm.elidedText(DesdeAnsi(d.nombre), Qt::ElideRight, x0 - 40);
    const int ancho = fm.horizontalAdvance(nombre);
    p.setPen(d.encabezado ? kRojo : paleta::ColorTexto);
    p.drawText(QRect(0, y, x0, fm.height() + 2), Qt::AlignRight | Qt::AlignTop, nombre);
    const QPixmap &icono = IconoEstudios(d.icono);
    if (!icono.isNull())
        p.drawPixmap(x0 - ancho - 33, y - 12, icono);
}

void LienzoGrafico::PintarCaja(QPainter &p, int x, int arriba, const std::string &texto, int xTexto, int yTexto)
{
    Rectangulo(p, x, arriba, x + kAnchoCaja, arriba + kAltoBarra, kAmarillo);
    p.setPen(Qt::black);
    p.drawText(QRect(xTexto, yTexto, kAnchoCaja, kAltoBarra), Qt::AlignLeft | Qt::AlignTop, DesdeAnsi(texto));
}

void LienzoGrafico::PintarFila(QPainter &p, const FilaDibujada &d)
{
    const int x0 = grafico_.X0();
    const int y = d.y;
    PintarNombre(p, d, x0, y + 2);
    const int fin = d.finDibujado;
    Rectangulo(p, x0 + kHuecoTexto, y, fin, y + kAltoBarra, kVerde);
    p.setPen(Qt::black);
    p.drawLine(fin, y + 10, fin + kConector, y + 10);
    const int margen = grafico_.Tipo() == TipoGrafico::Titulos ? 6 : 3;
    PintarCaja(p, fin + kConector, y, d.barra.texto, fin + kConector + margen, y + 2);
}

void LienzoGrafico::PintarFilaEstudiosEmpleo(QPainter &p, const FilaDibujada &d)
{
    const int x0 = grafico_.X0();
    const int y = d.y;
    PintarNombre(p, d, x0, y + 2);
    const int ea = d.barra.fin;
    const int eb = d.finDibujado;
    Rectangulo(p, x0 + kHuecoTexto, y - 10, ea, y + 10, kVerde);
    Rectangulo(p, x0 + kHuecoTexto, y + 10, eb, y + 30, kRojo);
    p.setPen(Qt::black);
    p.drawLine(ea, y, ea + kConector, y);
    p.drawLine(eb, y + 20, eb + kConector, y + 20);
    PintarCaja(p, ea + kConector, y - 11, d.barra.texto, ea + kConector + 3, y - 8);
    PintarCaja(p, eb + kConector, y + 11, d.barra2.texto, eb + kConector + 3, y + 12);
}

TEstadisticas::TEstadisticas(Enlace &e, Pantallas &p, LecturasEstadistica lecturas)
    : Pantalla(e, p, QStringLiteral("TEstadisticas")), lecturas_(std::move(lecturas))
{
    AbrirPagina = [this](const QUrl &url) { return AbrirDireccion(url, enlace.RutaDatos); };
    Crear();
    PonerTextos();
}

void TEstadisticas::Crear()
{
    PintarFondo(this, paleta::ColorCrema);
    setFont(Arial(11));

    LabelEst1 = Etiqueta(this, 96, 16, 832, 24, {}, 11);
    LabelEst1->setObjectName(QStringLiteral("LabelEst1"));
    LabelEst1->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));
    LabelEst2 = Etiqueta(this, 96, 42, 832, 24, {}, 11);
    LabelEst2->setObjectName(QStringLiteral("LabelEst2"));

    PanelEst1 = new QWidget(this);
    PanelEst1->setObjectName(QStringLiteral("PanelEst1"));
    PanelEst1->setGeometry(96, 72, 832, 540);
    PintarFondo(PanelEst1, paleta::ColorFondo);
    chart1 = new LienzoGrafico(grafico1_, PanelEst1);
    chart1->setObjectName(QStringLiteral("chart1"));
    chart1->setGeometry(10, 10, 790, kAltoChart1);
    ScrollBar1 = new QScrollBar(Qt::Vertical, PanelEst1);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(804, 10, 18, kAltoChart1);
    ScrollBar1->setRange(1, 1);
    LabelExplica3 = Etiqueta(PanelEst1, 10, 500, 812, 30, {}, 9);
    LabelExplica3->setObjectName(QStringLiteral("LabelExplica3"));

    PanelEst2 = new QWidget(this);
    PanelEst2->setObjectName(QStringLiteral("PanelEst2"));
    PanelEst2->setGeometry(72, 72, 880, 620);
    PintarFondo(PanelEst2, paleta::ColorFondo);
    PanelEst2->setMouseTracking(true);
    PanelEst2->installEventFilter(this);
    Chart2 = new LienzoGrafico(grafico2_, PanelEst2);
    Chart2->setObjectName(QStringLiteral("Chart2"));
    Chart2->setGeometry(10, 10, 838, kAltoChart2);
    ScrollBar2 = new QScrollBar(Qt::Vertical, PanelEst2);
    ScrollBar2->setObjectName(QStringLiteral("ScrollBar2"));
    ScrollBar2->setGeometry(852, 10, 18, kAltoChart2);
    ScrollBar2->setRange(1, 1);

    // Legend: a swatch of each bar's colour before its caption.
    auto muestra = [this](int x, const QColor &color) {
        auto *m = new QLabel(PanelEst2);
        m->setGeometry(x, 487, 24, 14);
        m->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(color.name()));
    };
    muestra(10, kVerde);
    LabelVerde = Etiqueta(PanelEst2, 40, 483, 380, 22, {}, 11);
    LabelVerde->setObjectName(QStringLiteral("LabelVerde"));
    muestra(440, kRojo);
    LabelRojo = Etiqueta(PanelEst2, 470, 483, 400, 22, {}, 11);
    LabelRojo->setObjectName(QStringLiteral("LabelRojo"));
    LabelExplica1 = Etiqueta(PanelEst2, 10, 515, 860, 20, {}, 9);
    LabelExplica1->setObjectName(QStringLiteral("LabelExplica1"));
    LabelExplica2 = Etiqueta(PanelEst2, 10, 537, 860, 20, {}, 9);
    LabelExplica2->setObjectName(QStringLiteral("LabelExplica2"));
    LabelInfo2 = new EtiquetaActiva(PanelEst2);
    LabelInfo2->setObjectName(QStringLiteral("LabelInfo2"));
    LabelInfo2->setGeometry(10, 575, 400, 24);
    LabelInfo2->setFont(Arial(11));
    LabelInfo2->PonerColorTexto(paleta::ColorAzul);
    LabelInfo2->setCursor(Qt::PointingHandCursor);
    LabelInfo2->setMouseTracking(true);
    LabelInfo2->installEventFilter(this);
    connect(LabelInfo2, &EtiquetaActiva::clic, this, &TEstadisticas::LabelInfoClick);

    ButtonRetroEsta = Boton(this, 828, 712, 124, 34, {}, 11);
    ButtonRetroEsta->setObjectName(QStringLiteral("ButtonRetroEsta"));
    connect(ButtonRetroEsta, &QPushButton::clicked, this, &TEstadisticas::ButtonRetroEstaClick);

    connect(chart1, &LienzoGrafico::rueda, this, &TEstadisticas::FormMouseWheel);
    connect(Chart2, &LienzoGrafico::rueda, this, &TEstadisticas::FormMouseWheel);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TEstadisticas::ScrollBar1Change);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TEstadisticas::ScrollBar2Change);
    Timer1.setInterval(200);
    Timer2.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &TEstadisticas::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TEstadisticas::Timer2Timer);

    PanelEst2->hide();
}

void TEstadisticas::PonerTextos()
{
    const Enlace &e = enlace;
    ButtonRetroEsta->setText(e.Texto(82));
    LabelExplica3->setText(e.Texto(233));
    LabelExplica1->setText(e.Texto(234) + ' ' + e.Texto(235));
    LabelExplica2->setText(e.Texto(236) + ' ' + e.Texto(237));
    LabelInfo2->setText(e.Texto(43));
    LabelVerde->setText(e.Texto(400));
    LabelRojo->setText(e.Texto(401));
    chart1->setAccessibleName(e.Texto(228));
    Chart2->setAccessibleName(e.Texto(232));
    for (QLabel *l : {LabelExplica3, LabelExplica1, LabelExplica2})
        l->setWordWrap(true);
}

LecturasEstadistica TEstadisticas::PrepararDatos(Enlace &e)
{
    // The screen reads its own copies: this step runs at start-up before
    // the data steps that load the shared FP tables.
    auto leer = [&e](const QString &ruta) -> std::optional<std::vector<std::string>> {
        auto lineas = LeerLineas(ruta);
        if (!lineas)
            e.FaltaFichero(ruta);
        return lineas;
    };
    const QString rutaFP = e.FicheroIdioma(QStringLiteral("fp"));
    const QString rutaFamilias = e.FicheroIdioma(QStringLiteral("familias"));
    const QString rutaDatos = e.Fichero(QStringLiteral("fami_estad.txt"));
    LecturasEstadistica lecturas;
    if (const auto l = leer(rutaFP))
        lecturas.fp = LeerFPEstadistica(*l, rutaFP);
    if (const auto l = leer(rutaFamilias))
        lecturas.familias = LeerListaEstadistica(*l, rutaFamilias);
    if (const auto l = leer(rutaDatos))
        lecturas.datos = LeerListaEstadistica(*l, rutaDatos);
    return lecturas;
}

QString TEstadisticas::Subtitulo(int texto, const QString &nombre, int nota) const
{
    QString s = enlace.Texto(texto) + QStringLiteral(": ");
    if (nota == 0)
        return s + nombre;
    return nombre.isEmpty() ? s + enlace.Texto(nota) : s + nombre + QStringLiteral(" - ") + enlace.Texto(nota);
}

void TEstadisticas::Describir(LienzoGrafico *lienzo, const GraficoEstadistico &g)
{
    lienzo->setAccessibleName(LabelEst1->text());
    QString descripcion = LabelEst2->text();
    if (g.Seleccion() > 0 && !g.SeleccionSinDatos()) {
        descripcion += QStringLiteral(": ") + DesdeAnsi(g.BarraDe(g.Seleccion()).texto);
        if (g.Tipo() == TipoGrafico::EstudiosEmpleo)
            descripcion += QStringLiteral(" / ") + DesdeAnsi(g.Barra2De(g.Seleccion()).texto);
    }
    lienzo->setAccessibleDescription(descripcion);
}

void TEstadisticas::PrepararBarra(QScrollBar *barra, const GraficoEstadistico &g)
{
    const QSignalBlocker bloqueo(barra);
    barra->setRange(1, g.Maximo());
    barra->setPageStep(kFilasVisibles);
    barra->setValue(g.Posicion());
}

// The chart's bar, description and growing bar of its chosen row, from the top.
void TEstadisticas::EmpezarGrafico(GraficoEstadistico &g, QScrollBar *barra, LienzoGrafico *lienzo, QTimer &reloj)
{
    PrepararBarra(barra, g);
    Describir(lienzo, g);
    g.EmpezarCrecimiento();
    lienzo->update();
    if (g.Creciendo())
        reloj.start();
}

QString TEstadisticas::SubtituloFamilia(const GraficoEstadistico &g) const
{
    const int sel = g.Seleccion();
    return Subtitulo(583, sel ? DesdeAnsi(g.NombreDe(sel)) : QString(), g.SeleccionSinDatos() ? kSinResultados : 0);
}

void TEstadisticas::labelEstad1Click(int TituloSel)
{
    Timer1.stop();
    Timer2.stop();
    chart2Activo_ = false;
    PanelEst1->show();
    PanelEst2->hide();
    const std::array<int, 4> numCentros{enlace.NumCentros1, enlace.NumCentros2, enlace.NumCentros3,
                                        enlace.NumCentros4};
    const auto centros = CentrosPorTitulo(enlace.OfertaGS, numCentros, EstFP().NumEstFP);
    grafico1_ = GraficoEstadistico::Titulos(EstFP(), centros, TituloSel);
    LabelEst1->setText(enlace.Texto(228));
    if (EstFP().Contiene(TituloSel)) {
        LabelEst2->setText(Subtitulo(325, DesdeAnsi(EstFP().EstFP[static_cast<size_t>(TituloSel)]), 0));
    } else {
        // A title the statistics do not list (the sports section): its name
        // from the title list when there is one, and that the chart leaves
        // it out. Not "no results": the map may well show its centres.
        QString nombre;
        if (TituloSel >= 1 && TituloSel <= enlace.NumFPSuperior && enlace.NombresFPSuperior.Contiene(TituloSel))
            nombre = DesdeAnsi(Recortado(enlace.NombresFPSuperior[TituloSel]));
        LabelEst2->setText(Subtitulo(325, nombre, kFueraDelGrafico));
    }
    EmpezarGrafico(grafico1_, ScrollBar1, chart1, Timer1);
}

void TEstadisticas::AvisarCamposMalos(bool conEmpleo)
{
    const auto datos = DatosDeFamilias(EstDatos());
    for (int f = 1; f <= kFamiliasEstadistica; ++f) {
        const DatoFamilia &d = datos[static_cast<size_t>(f)];
        if (!d.conLinea)
            continue;
        if (!d.estudios)
            enlace.Avisos().Aviso(QStringLiteral("problema decimales"));
        if (conEmpleo && !d.empleo)
            enlace.Avisos().Aviso(QStringLiteral("problema decimales"));
    }
}

void TEstadisticas::labelEstad3Click(int FamiliaEstad)
{
    Timer1.stop();
    Timer2.stop();
    chart2Activo_ = false;
    PanelEst1->show();
    PanelEst2->hide();
    LabelEst1->setText(enlace.Texto(231));
    AvisarCamposMalos(false);
    grafico1_ = GraficoEstadistico::Familias(TipoGrafico::Familias, EstFamilias(), DatosDeFamilias(EstDatos()),
                                            FamiliaEstad, enlace.AnchoLista);
    LabelEst2->setText(SubtituloFamilia(grafico1_));
    EmpezarGrafico(grafico1_, ScrollBar1, chart1, Timer1);
}

void TEstadisticas::labelEstad4Click(int FamiliaEstad)
{
    Timer1.stop();
    Timer2.stop();
    chart2Activo_ = true;
    LabelEst1->setText(enlace.Texto(232));
    PanelEst2->show();
    PanelEst1->hide();
    AvisarCamposMalos(true);
    grafico2_ = GraficoEstadistico::Familias(TipoGrafico::EstudiosEmpleo, EstFamilias(), DatosDeFamilias(EstDatos()),
                                            FamiliaEstad, enlace.AnchoLista);
    // The caption names chart 4's family too, so it never shows an earlier chart's choice.
    LabelEst2->setText(SubtituloFamilia(grafico2_));
    EmpezarGrafico(grafico2_, ScrollBar2, Chart2, Timer2);
}

void TEstadisticas::ScrollBar1Change(int posicion)
{
    grafico1_.Desplazar(posicion);
    chart1->update();
}

void TEstadisticas::ScrollBar2Change(int posicion)
{
    grafico2_.Desplazar(posicion);
    Chart2->update();
}

void TEstadisticas::Timer1Timer()
{
    if (!grafico1_.Crecer())
        Timer1.stop();
    chart1->update();
}

void TEstadisticas::Timer2Timer()
{
    if (!grafico2_.Crecer())
        Timer2.stop();
    Chart2->update();
}

void TEstadisticas::wheelEvent(QWheelEvent *evento)
{
    FormMouseWheel(evento->angleDelta().y());
    evento->accept();
}

void TEstadisticas::FormMouseWheel(int delta)
{
    GraficoEstadistico &g = chart2Activo_ ? grafico2_ : grafico1_;
    g.Rueda(delta);
    (chart2Activo_ ? ScrollBar2 : ScrollBar1)->setValue(g.Posicion());
    (chart2Activo_ ? Chart2 : chart1)->update();
}

void TEstadisticas::ButtonRetroEstaClick()
{
    AlVolverPorCierre();
    if (Pantalla *destino = DestinoAlCerrar(); destino && destino != this)
        destino->Mostrar();
    hide();
}

void TEstadisticas::AlVolverPorCierre()
{
    Timer1.stop();
    Timer2.stop();
}

// The close box, like the back button, goes back to the higher-cycle screen.
Pantalla *TEstadisticas::DestinoAlCerrar()
{
    return pantallas.Por(Papel::FPSuperior);
}

void TEstadisticas::LabelInfoClick()
{
    if (AbrirPagina)
        AbrirPagina(kPaginaObservatorio);
}

void TEstadisticas::LabelInfo2MouseMove()
{
    QFont f = LabelInfo2->font();
    f.setUnderline(true);
    LabelInfo2->setFont(f);
}

void TEstadisticas::PanelEst2MouseMove()
{
    QFont f = LabelInfo2->font();
    f.setUnderline(false);
    LabelInfo2->setFont(f);
}

// The link's own moves come up to the panel too: they keep the underline.
bool TEstadisticas::SobreLabelInfo2(QEvent *movimiento) const
{
    return LabelInfo2->geometry().contains(static_cast<QMouseEvent *>(movimiento)->position().toPoint());
}

bool TEstadisticas::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == LabelInfo2 && (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove))
        LabelInfo2MouseMove();
    else if ((objeto == LabelInfo2 && evento->type() == QEvent::Leave)
             || (objeto == PanelEst2 && evento->type() == QEvent::MouseMove && !SobreLabelInfo2(evento)))
        PanelEst2MouseMove();
    return Pantalla::eventFilter(objeto, evento);
}

} // namespace norvela
