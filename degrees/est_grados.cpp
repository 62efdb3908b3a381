#include "est_grados.h"

#include "abrir_enlace.h"
#include "colores.h"
#include "enlace.h"
#include "etiquetas.h"
#include "grados.h"
#include "grados_dibujo.h"
#include "iconos.h"
#include "paleta.h"
#include "pantallas.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace norvela {

namespace {

const QColor kVerde{0, 128, 0};
const QColor kRojo{255, 0, 0};
const QColor kAmarillo{255, 255, 0};

// The chart's panel and the column of buttons at its right.
constexpr int kAnchoPanel = kAnchoGraficoGrado;
constexpr int kArribaGrafico = 118;
constexpr int kXBotones = 830;
constexpr int kAnchoBotones = 184;

QFont Arial(int puntos, bool negrita = false)
{
    QFont f(QStringLiteral("Arial"), puntos);
    f.setBold(negrita);
    return f;
}

} // namespace

// The address is ours; only http and https pages are ever handed on.
const QUrl TFormEstGra::kPaginaEstadisticas{
    QStringLiteral("https://www.universidades.gob.es/estadisticas-e-indicadores-universitarios/")};

LienzoEstGra::LienzoEstGra(QWidget *padre)
    : QWidget(padre), iconos_(CargarIconosEstudios()), ramas_(IconosRamas())
{
    PintarFondo(this, paleta::ColorCrema);
    setFont(Arial(10, true));
    setMouseTracking(true);
}

void LienzoEstGra::Poner(std::vector<FilaDibujo> filas, int extra)
{
    filas_ = std::move(filas);
    extra_ = extra;
    update();
}

void LienzoEstGra::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setFont(font());
    int FilaEstadistica = 0;
    for (const FilaDibujo &f : filas_)
        DibujarBarra(p, ++FilaEstadistica, f);
}

void LienzoEstGra::DibujarBarra(QPainter &p, int FilaEstadistica, const FilaDibujo &f)
{
    const GeometriaFila g = Geometria(FilaEstadistica, f.valor, extra_);
    const QFontMetrics fm(p.font());
    const int xNombre = kFinNombres - fm.horizontalAdvance(f.nombre);
    const int base = g.y + 2 + fm.ascent();
    if (f.clave == kClaveEncabezado) {
        p.setPen(paleta::ColorTexto);
        p.drawText(xNombre, base, f.nombre);
        return;
    }
    const IconoEstadistica icono = IconoRama(f.clave, iconos_.size(), ramas_.size());
    if (icono.indice >= 0)
        p.drawPixmap(xNombre - 42, g.y - 10, (icono.deRamas ? ramas_ : iconos_).at(icono.indice));
    p.setPen(Qt::black);
    p.drawText(xNombre, base, f.nombre);
    p.setBrush(kVerde);
    if (g.finBarra > kInicioBarra)
        p.drawRect(kInicioBarra, g.y, g.finBarra - kInicioBarra - 1, kAltoBarraGrado - 1);
    p.drawLine(g.finBarra, g.y + 10, g.xCaja, g.y + 10);
    p.setBrush(kAmarillo);
    p.drawRect(g.xCaja, g.y, kAnchoCajaGrado - 1, kAltoBarraGrado - 1);
    p.setPen(kRojo);
    p.drawText(g.xTexto, base, f.texto);
}

void LienzoEstGra::mouseMoveEvent(QMouseEvent *evento)
{
    emit movido();
    QWidget::mouseMoveEvent(evento);
}

TFormEstGra::TFormEstGra(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFormEstGra"))
{
    PintarFondo(this, paleta::ColorFondo);
    setMouseTracking(true);

    PanelEst1 = new QWidget(this);
    PanelEst1->setGeometry(96, 72, kAnchoPanel, kArribaGrafico + kAltoGraficoGrado + 7);
    PintarFondo(PanelEst1, paleta::ColorCrema);
    PanelEst1->setMouseTracking(true);
    PanelEst1->installEventFilter(this);
    LabelEst1 = Etiqueta(PanelEst1, 10, 10, kAnchoPanel - 20, 22, e.Texto(408), 12, true);
    LabelEst2 = Etiqueta(PanelEst1, 10, 35, kAnchoPanel - 20, 78, {}, 11);
    LabelEst2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelEst2->setText(QStringLiteral("\n") + e.Texto(409) + QStringLiteral(". ") + e.Texto(175)
                       + QStringLiteral(" 2016-17"));
    chart1 = new LienzoEstGra(PanelEst1);
    chart1->setGeometry(0, kArribaGrafico, kAnchoPanel, kAltoGraficoGrado);
    chart1->setObjectName(QStringLiteral("chart1"));
    chart1->setAccessibleName(e.Texto(408));
    connect(chart1, &LienzoEstGra::movido, this, [this] { SubrayarWeb(false); });

    ButtonMatricula = Boton(this, kXBotones, 100, kAnchoBotones, 30, e.Texto(406), 10);
    ButtonDific = Boton(this, kXBotones, 140, kAnchoBotones, 30, e.Texto(651), 10);
    ButtonTrabajo = Boton(this, kXBotones, 180, kAnchoBotones, 30, e.Texto(404), 10);
    connect(ButtonMatricula, &QPushButton::clicked, this, &TFormEstGra::ButtonMatriculaClick);
    connect(ButtonDific, &QPushButton::clicked, this, &TFormEstGra::ButtonDificClick);
    connect(ButtonTrabajo, &QPushButton::clicked, this, &TFormEstGra::ButtonTrabajoClick);

    // Each chart shows its own documents in the same places.
    ButtonMas1 = BotonPdf(603, "PreciosMatricula.pdf", 260);
    ButtonMas2 = BotonPdf(604, "NotaMedia.pdf", 300);
    ButtonMas3 = BotonPdf(605, "Movilidad.pdf", 340);
    ButtonMas21 = BotonPdf(407, "Tasa_Rendimiento.pdf", 260);
    ButtonMas22 = BotonPdf(346, "Becas.pdf", 300);
    ButtonMas31 = BotonPdf(407, "insercionLaboral.pdf", 260);
    ButtonMas32 = BotonPdf(407, "Tasa_de_Paro.pdf", 300);
    LabelPDF = Etiqueta(this, kXBotones, 380, kAnchoBotones, 20, {}, 11);

    LabelWeb = new EtiquetaActiva(this);
    LabelWeb->setGeometry(kXBotones, 600, kAnchoBotones, 40);
    LabelWeb->setFont(Arial(11));
    LabelWeb->setWordWrap(true);
    LabelWeb->setText(e.Texto(173));
    LabelWeb->setToolTip(e.Texto(174));
    LabelWeb->setAccessibleName(e.Texto(173));
    LabelWeb->setCursor(Qt::PointingHandCursor);
    LabelWeb->setMouseTracking(true);
    LabelWeb->installEventFilter(this);
    connect(LabelWeb, &EtiquetaActiva::clic, this, &TFormEstGra::LabelWebClick);

    ButtonRetroEsta = Boton(this, kXBotones, 700, kAnchoBotones, 36, e.Texto(82), 10);
    connect(ButtonRetroEsta, &QPushButton::clicked, this, &TFormEstGra::ButtonRetroEstaClick);
    // Each control is named after its member.
    const std::pair<QWidget *, const char *> nombres[] = {
        {PanelEst1, "PanelEst1"},         {LabelEst1, "LabelEst1"},     {LabelEst2, "LabelEst2"},
        {ButtonMatricula, "ButtonMatricula"}, {ButtonDific, "ButtonDific"}, {ButtonTrabajo, "ButtonTrabajo"},
        {ButtonMas1, "ButtonMas1"},       {ButtonMas2, "ButtonMas2"},   {ButtonMas3, "ButtonMas3"},
        {ButtonMas21, "ButtonMas21"},     {ButtonMas22, "ButtonMas22"}, {ButtonMas31, "ButtonMas31"},
        {ButtonMas32, "ButtonMas32"},     {LabelPDF, "LabelPDF"},       {LabelWeb, "LabelWeb"},
        {ButtonRetroEsta, "ButtonRetroEsta"}};
    for (const auto &[control, nombre] : nombres)
        control->setObjectName(QString::fromLatin1(nombre));
    OcultarBotones();
}

QPushButton *TFormEstGra::BotonPdf(int texto, const char *fichero, int y)
{
    QPushButton *b = Boton(this, kXBotones, y, kAnchoBotones, 30, enlace.Texto(texto), 10);
    const QString nombre = QString::fromLatin1(fichero);
    connect(b, &QPushButton::clicked, this, [this, nombre] {
        AbrirFichero(enlace.RutaDatos + QStringLiteral("pdf/est/") + nombre, enlace.RutaDatos);
    });
    return b;
}

void TFormEstGra::ButtonMatriculaClick()
{
    LabelEst1->setText(enlace.Texto(418) + QStringLiteral("   2016-17"));
    LabelEst2->setText(enlace.Texto(419) + QLatin1Char(' ') + enlace.Texto(517) + QLatin1Char('\n')
                       + enlace.Texto(420) + QStringLiteral(" 83.5%"));
    Dibujar(GraficoGrado::Matricula);
}

void TFormEstGra::ButtonDificClick()
{
    LabelEst1->setText(enlace.Texto(422));
    LabelEst2->setText(enlace.Texto(423) + QLatin1Char('\n') + enlace.Texto(424) + QLatin1Char('\n')
                       + enlace.Texto(425) + QStringLiteral(" 77.70%"));
    Dibujar(GraficoGrado::Dificultad);
}

void TFormEstGra::ButtonTrabajoClick()
{
    LabelEst1->setText(enlace.Texto(427) + QStringLiteral(" 2010"));
    LabelEst2->setText(enlace.Texto(428) + QLatin1Char('\n') + enlace.Texto(429) + QStringLiteral(" 43,4%\n")
                       + enlace.Texto(430) + QStringLiteral(" 64,4%"));
    Dibujar(GraficoGrado::Trabajo);
}

void TFormEstGra::Dibujar(GraficoGrado g)
{
    grafico_ = g;
    MostrarBotones(g);
    std::vector<FilaDibujo> filas;
    QStringList descripcion;
    for (const FilaEstadistica &f : FilasGrafico(g)) {
        FilaDibujo d;
        d.nombre = (f.texto > 0 ? enlace.Texto(f.texto) : QString()) + QString::fromUtf8(f.sufijo);
        d.texto = QString::fromUtf8(f.textoValor);
        d.clave = f.clave;
        d.valor = f.valor;
        descripcion << (d.texto.isEmpty() ? d.nombre : d.nombre + QStringLiteral(": ") + d.texto);
        filas.push_back(std::move(d));
    }
    chart1->Poner(std::move(filas), LargoExtra(g));
    chart1->setAccessibleName(LabelEst1->text());
    chart1->setAccessibleDescription(descripcion.join(QStringLiteral("; ")));
}

void TFormEstGra::MostrarBotones(GraficoGrado g)
{
    const bool matricula = g == GraficoGrado::Matricula;
    const bool dificultad = g == GraficoGrado::Dificultad;
    const bool trabajo = g == GraficoGrado::Trabajo;
    ButtonMas1->setVisible(matricula);
    ButtonMas2->setVisible(matricula);
    ButtonMas3->setVisible(matricula);
    ButtonMas21->setVisible(dificultad);
    ButtonMas22->setVisible(dificultad);
    ButtonMas31->setVisible(trabajo);
    ButtonMas32->setVisible(trabajo);
    // The employment chart leaves the label as it was.
    if (matricula || dificultad)
        LabelPDF->show();
}

void TFormEstGra::OcultarBotones()
{
    LabelPDF->hide();
    for (QPushButton *b : {ButtonMas1, ButtonMas2, ButtonMas3, ButtonMas21, ButtonMas22, ButtonMas31, ButtonMas32})
        b->hide();
}

// Coming back shows the last chart again, with its documents.
void TFormEstGra::showEvent(QShowEvent *evento)
{
    if (grafico_ != GraficoGrado::Ninguno)
        MostrarBotones(grafico_);
    Pantalla::showEvent(evento);
}

void TFormEstGra::ButtonRetroEstaClick()
{
    AlVolverPorCierre();
    if (Pantalla *destino = DestinoAlCerrar())
        destino->Mostrar();
    hide();
}

void TFormEstGra::AlVolverPorCierre()
{
    OcultarBotones();
}

// The close box, like the back button, goes back to the degrees screen.
Pantalla *TFormEstGra::DestinoAlCerrar()
{
    return pantallas.Por(Papel::Grados);
}

void TFormEstGra::LabelWebClick()
{
    AbrirDireccion(kPaginaEstadisticas, enlace.RutaDatos);
}

void TFormEstGra::SubrayarWeb(bool si)
{
    QFont f = LabelWeb->font();
    if (f.underline() == si)
        return;
    f.setUnderline(si);
    LabelWeb->setFont(f);
}

void TFormEstGra::mouseMoveEvent(QMouseEvent *evento)
{
    // The link's own moves come up here too: they keep the underline.
    if (!LabelWeb->geometry().contains(evento->position().toPoint()))
        SubrayarWeb(false);
    Pantalla::mouseMoveEvent(evento);
}

bool TFormEstGra::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == LabelWeb && (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove))
        SubrayarWeb(true);
    else if ((objeto == LabelWeb && evento->type() == QEvent::Leave)
             || (objeto == PanelEst1 && evento->type() == QEvent::MouseMove))
        SubrayarWeb(false);
    return Pantalla::eventFilter(objeto, evento);
}

} // namespace norvela
