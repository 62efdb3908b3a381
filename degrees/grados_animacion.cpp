// The degree-structure animation: a diagram of degree, master, doctorate,
// the certificate for unfinished studies and the way to work, uncovered
// step by step under the student's arrow. The steps live in AnimacionGrado;
// this file builds the controls and copies the steps onto them.
#include "grados.h"

#include "dibujo.h"
#include "enlace.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "tapas.h"
#include "textos_propios.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace norvela {

namespace {

constexpr int kAnchoDiagrama = 609;
constexpr int kAltoDiagrama = 489;
constexpr QPoint kOrigenDiagrama{207, 110};
constexpr int kIntervaloMs = 10;
constexpr int kCorteEtiqueta = 21;
constexpr int kCorteAnos = 13;
constexpr int kCorteFrase = 141;
const QColor kAmarillo{255, 240, 120};
const QColor kRayado{225, 190, 40};

// Hatched yellow boxes with arc corners, and the arrows between them.
struct Caja {
    QRect r;
};
const Caja kCajas[] = {
    {{18, 78, 162, 197}},   // Shape1: degree
    {{222, 126, 142, 110}}, // Shape2: master
    {{222, 250, 278, 30}},  // Shape3: long doctorate bar
    {{404, 172, 128, 49}},  // Shape4: doctorate after the master
    {{543, 84, 37, 257}},   // Shape5: the bar to work
    {{84, 290, 314, 80}},   // Shape6: certificate for unfinished studies
};
// ImageG2..ImageG8: each a polyline ending in a head.
const std::vector<std::vector<QPoint>> kFlechas = {
    {{191, 265}, {219, 265}},             // ImageG2: degree -> long doctorate
    {{190, 180}, {219, 180}},             // ImageG3: degree -> master
    {{196, 100}, {531, 100}},             // ImageG4: degree -> work
    {{502, 265}, {530, 265}},             // ImageG5: doctorate -> work
    {{374, 196}, {401, 196}},             // ImageG7: master -> doctorate
    {{56, 287}, {56, 330}, {81, 330}},    // ImageG8: degree -> certificate
};

class DiagramaGrado : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        p.setPen(QPen(paleta::ColorGranate, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        for (const Caja &c : kCajas) {
            QPainterPath camino;
            camino.addRoundedRect(QRectF(c.r), 14, 14);
            p.fillPath(camino, kAmarillo);
            p.fillPath(camino, QBrush(kRayado, Qt::BDiagPattern));
            p.setPen(QPen(paleta::ColorGranate, 2));
            p.drawPath(camino);
        }
        p.setPen(QPen(paleta::ColorGranate, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(paleta::ColorGranate);
        for (const auto &f : kFlechas) {
            p.drawPolyline(f.data(), static_cast<int>(f.size()));
            const QPointF fin = f.back();
            const QPointF dir = QPointF(f.back() - f[f.size() - 2]) / QLineF(f[f.size() - 2], f.back()).length();
            const QPointF normal(-dir.y(), dir.x());
            const QPointF cabeza[] = {fin + dir * 2, fin - dir * 8 + normal * 6, fin - dir * 8 - normal * 6};
            p.setPen(Qt::NoPen);
            p.drawPolygon(cabeza, 3);
            p.setPen(QPen(paleta::ColorGranate, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        }
    }
};

QLabel *EtiquetaDiagrama(QWidget *padre, const char *nombre, const QRect &r)
{
    auto *l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QFont Letra(int puntos, bool negrita = true)
{
    QFont f(QStringLiteral("Arial"), puntos);
    f.setBold(negrita);
    return f;
}

} // namespace

QString TForm1::TextoAnimacion(int a, int b, int corte) const
{
    QString t = enlace.Texto(a);
    if (b)
        t += QLatin1Char(' ') + enlace.Texto(b);
    return t.left(corte);
}

std::array<QWidget *, AnimacionGrado::kCubiertas> TForm1::CubiertasGrado() const
{
    return {PanelMueve1, panelmueve2, Panelmueve3, Panelmueve4, Panelmueve5, Panelmueve6, Panelmueve7};
}

void TForm1::DisponerAnimacion()
{
    PanelGradosT = new QWidget(this);
    PanelGradosT->setObjectName(QStringLiteral("PanelGradosT"));
    ImageGrados = new QLabel(PanelGradosT);
    ImageGrados->setObjectName(QStringLiteral("ImageGrados"));
    ImageGrados->setAccessibleName(TextoPropio(Propio::Fondo));

    PanelGrado = new DiagramaGrado(PanelGradosT);
    PanelGrado->setObjectName(QStringLiteral("PanelGrado"));
    // The diagram paints itself: screen readers name it by its menu caption.
    PanelGrado->setAccessibleName(enlace.Texto(553));
    PanelGrado->setGeometry(QRect(kOrigenDiagrama, QSize(kAnchoDiagrama, kAltoDiagrama)));

    LabelG0 = EtiquetaDiagrama(PanelGrado, "LabelG0", {0, 14, kAnchoDiagrama, 40});
    LabelG1 = EtiquetaDiagrama(PanelGrado, "LabelG1", {22, 100, 154, 32});
    LabelG2 = EtiquetaDiagrama(PanelGrado, "LabelG2", {22, 150, 154, 24});
    LabelG3 = EtiquetaDiagrama(PanelGrado, "LabelG3", {22, 180, 154, 24});
    LabelG8 = EtiquetaDiagrama(PanelGrado, "LabelG8", {226, 136, 134, 28});
    LabelG11 = EtiquetaDiagrama(PanelGrado, "LabelG11", {226, 172, 134, 22});
    LabelG12 = EtiquetaDiagrama(PanelGrado, "LabelG12", {226, 198, 134, 22});
    LabelG10 = EtiquetaDiagrama(PanelGrado, "LabelG10", {406, 184, 124, 24});
    LabelG5 = EtiquetaDiagrama(PanelGrado, "LabelG5", {226, 253, 270, 24});
    LabelGT = EtiquetaDiagrama(PanelGrado, "LabelGT", {546, 88, 31, 249});
    LabelGT->setWordWrap(true);
    LabelG4 = EtiquetaDiagrama(PanelGrado, "LabelG4", {88, 294, 306, 24});
    LabelG7 = EtiquetaDiagrama(PanelGrado, "LabelG7", {88, 320, 306, 20});
    LabelG9 = EtiquetaDiagrama(PanelGrado, "LabelG9", {88, 344, 306, 20});

    // The sentence is laid out at its full width and revealed by widening
    // the area that clips it, so its lines never re-wrap as it appears.
    MarcoFrase = new QWidget(PanelGrado);
    MarcoFrase->setObjectName(QStringLiteral("MarcoFrase"));
    MarcoFrase->setGeometry(4, 395, 0, 80);
    LabelGTexto = EtiquetaDiagrama(MarcoFrase, "LabelGTexto", {0, 0, AnimacionGrado::kAnchoFraseMax, 80});
    LabelGTexto->setWordWrap(true);
    LabelGTexto->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The covers go last, over the parts they hide.
    const char *nombres[] = {"PanelMueve1", "panelmueve2", "Panelmueve3", "Panelmueve4",
                             "Panelmueve5", "Panelmueve6", "Panelmueve7"};
    QWidget **cubiertas[] = {&PanelMueve1, &panelmueve2, &Panelmueve3, &Panelmueve4,
                             &Panelmueve5, &Panelmueve6, &Panelmueve7};
    for (int i = 0; i < AnimacionGrado::kCubiertas; ++i) {
        QWidget *c = new QWidget(PanelGrado);
        c->setObjectName(QString::fromLatin1(nombres[i]));
        c->setAutoFillBackground(true);
        QPalette blanco = c->palette();
        blanco.setColor(QPalette::Window, Qt::white);
        c->setPalette(blanco);
        // What a cover hides is neither reached nor read until it is uncovered.
        HacerTapa(c);
        *cubiertas[i] = c;
    }

    const int derecha = kOrigenDiagrama.x() + kAnchoDiagrama;
    BotAvanza = new QPushButton(PanelGradosT);
    BotAvanza->setObjectName(QStringLiteral("BotAvanza"));
    // An arrow without a caption: screen readers say what it does.
    BotAvanza->setAccessibleName(TextoPropio(Propio::Avanzar));
    BotAvanza->setGeometry(derecha + 58, 300, 64, 64);
    QPixmap flecha(40, 40);
    flecha.fill(Qt::transparent);
    {
        QPainter p(&flecha);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(paleta::ColorGranate);
        const QPoint punta[] = {{4, 14}, {22, 14}, {22, 4}, {38, 20}, {22, 36}, {22, 26}, {4, 26}};
        p.drawPolygon(punta, 7);
    }
    BotAvanza->setIcon(QIcon(flecha));
    BotAvanza->setIconSize(flecha.size());
    LabelG6 = EtiquetaDiagrama(PanelGradosT, "LabelG6", {derecha + 10, 370, 160, 44});
    LabelG6->setWordWrap(true);
    BotAcabarG = new QPushButton(PanelGradosT);
    BotAcabarG->setObjectName(QStringLiteral("BotAcabarG"));
    BotAcabarG->setGeometry(derecha - 130, kOrigenDiagrama.y() + kAltoDiagrama + 20, 130, 34);

    Timergrado = new QTimer(this);
    Timergrado->setObjectName(QStringLiteral("Timergrado"));
    Timergrado->setInterval(kIntervaloMs);
    Timerfrase = new QTimer(this);
    Timerfrase->setObjectName(QStringLiteral("Timerfrase"));
    Timerfrase->setInterval(kIntervaloMs);
    PanelGradosT->hide();
    // The animation fills the screen: the start menu under it is out of
    // reach of the keyboard and of screen readers while it shows.
    HacerTapa(PanelGradosT);
}

void TForm1::ConectarAnimacion()
{
    DisponerAnimacion();
    connect(botinfo1, &QPushButton::clicked, this, &TForm1::botinfo1Click);
    connect(BotAvanza, &QPushButton::clicked, this, &TForm1::BotAvanzaClick);
    connect(BotAcabarG, &QPushButton::clicked, this, &TForm1::BotAcabarGClick);
    connect(Timergrado, &QTimer::timeout, this, &TForm1::TimergradoTimer);
    connect(Timerfrase, &QTimer::timeout, this, &TForm1::TimerfraseTimer);
}

void TForm1::PonerTextosAnimacion()
{
    const auto poner = [](QLabel *l, const QString &t, int puntos, const QColor &color, bool negrita = true) {
        l->setText(t);
        l->setFont(Letra(puntos, negrita));
        QPalette colores = l->palette();
        colores.setColor(QPalette::WindowText, color);
        l->setPalette(colores);
    };
    const QColor granate = paleta::ColorGranate;
    BotAcabarG->setText(enlace.Texto(222));
    poner(LabelG6, enlace.Texto(466), 11, Qt::white);
    poner(LabelG0, enlace.Texto(502), 18, paleta::ColorTitulo);
    poner(LabelG1, enlace.Texto(522), 16, granate);
    poner(LabelG2, TextoAnimacion(670, 664, kCorteAnos), 11, granate);
    poner(LabelG3, TextoAnimacion(667, 665, kCorteEtiqueta), 11, granate);
    poner(LabelG8, enlace.Texto(551), 12, granate);
    poner(LabelG11, TextoAnimacion(668, 664, kCorteEtiqueta), 10, granate);
    poner(LabelG12, TextoAnimacion(669, 665, kCorteEtiqueta), 10, granate);
    poner(LabelG10, enlace.Texto(550), 10, granate);
    poner(LabelG5, enlace.Texto(550), 10, granate);
    poner(LabelG4, enlace.Texto(552), 10, granate);
    poner(LabelG7, TextoAnimacion(666, 665, kCorteEtiqueta), 9, granate);
    poner(LabelG9, enlace.Texto(485), 9, granate);
    // One character a line down the bar, whatever the font's widths.
    QString vertical;
    for (const QChar c : enlace.Texto(671))
        vertical += c + QLatin1Char('\n');
    vertical.chop(1);
    poner(LabelGT, vertical, 11, granate);
    poner(LabelGTexto, QString(), 11, paleta::ColorTexto);
}

void TForm1::botinfo1Click()
{
    PanelGradosT->setGeometry(rect());
    ImageGrados->setGeometry(PanelGradosT->rect());
    QImage fondo(PanelGradosT->size(), QImage::Format_RGB32);
    {
        QPainter p(&fondo);
        PintarDegradado(p, 0, 0, fondo.width(), fondo.height(), paleta::ColorBlanco, paleta::ColorDegradado);
    }
    ImageGrados->setPixmap(QPixmap::fromImage(fondo));
    PanelGradosT->show();
    PanelGradosT->raise();
    PanelMenu2->hide();
    PonerTextosAnimacion();
    animacion.Abrir();
    AplicarAnimacion();
}

void TForm1::AplicarAnimacion()
{
    const auto cubiertas = CubiertasGrado();
    for (int i = 0; i < AnimacionGrado::kCubiertas; ++i) {
        const RectCubierta &r = animacion.cubiertas[i];
        cubiertas[i]->setGeometry(r.left, r.top, r.width, r.height);
    }
    LabelGTexto->setText(TextoAnimacion(animacion.frase.texto1, animacion.frase.texto2, kCorteFrase));
    MarcoFrase->resize(animacion.anchoFrase, MarcoFrase->height());
    BotAvanza->setEnabled(animacion.avanzaActivo);
    const auto encender = [](QTimer *t, bool activo) {
        if (!activo)
            t->stop();
        else if (!t->isActive())
            t->start();
    };
    encender(Timergrado, animacion.timerGrado);
    encender(Timerfrase, animacion.timerFrase);
}

void TForm1::TimergradoTimer()
{
    animacion.TickGrado();
    AplicarAnimacion();
}

void TForm1::TimerfraseTimer()
{
    animacion.TickFrase();
    AplicarAnimacion();
}

void TForm1::BotAvanzaClick()
{
    animacion.Avanzar();
    AplicarAnimacion();
}

void TForm1::BotAcabarGClick()
{
    // Closing only hides the panel; the next opening starts again.
    PanelGradosT->hide();
    animacion.avanzaActivo = true;
    BotAvanza->setEnabled(true);
}

} // namespace norvela
