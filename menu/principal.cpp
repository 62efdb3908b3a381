#include "principal.h"

#include "animacion.h"
#include "bienvenidaU.h"
#include "certifiU.h"
#include "dibujo.h"
#include "enlace.h"
#include "etiquetas.h"
#include "hintU.h"
#include "iconos.h"
#include "idioma_qt.h"
#include "imagenes.h"
#include "paleta.h"
#include "pantallas_creadas.h"
#include "panel_efectos.h"
#include "pasillo.h"
#include "plataforma.h"
#include "textos_propios.h"
#include "zoom_puerta.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <utility>

namespace norvela {

namespace {

QList<QPixmap> CargarLista(const QString &prefijo, int cuantas)
{
    QList<QPixmap> lista;
    for (int i = 0; i < cuantas; ++i)
        lista.append(ImagenIncorporada(prefijo.arg(i)));
    return lista;
}

} // namespace

Tform0::Tform0(Enlace &e, PantallasCreadas &p)
    : Pantalla(e, p, QStringLiteral("Tform0")), creadas_(p), modos_(std::make_unique<ModosPantalla>())
{
    setWindowTitle(QStringLiteral("Calmirex"));
    pantallas.Modos = modos_.get();
    PonerIdiomaQt(enlace);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, Qt::black);
    setPalette(fondo);
    setAutoFillBackground(true);

    piloto.setInterval(200);
    TimerPuerta.setInterval(200);
    TimerZoom.setInterval(100);
    TimerTexto.setInterval(3000);
    TimerAyuda.setInterval(200);
    connect(&piloto, &Temporizador::timeout, this, &Tform0::pilotoTimer);
    connect(&TimerPuerta, &Temporizador::timeout, this, &Tform0::TimerPuertaTimer);
    connect(&TimerZoom, &Temporizador::timeout, this, &Tform0::TimerZoomTimer);
    connect(&TimerTexto, &Temporizador::timeout, this, &Tform0::TimerTextoTimer);
    connect(&TimerAyuda, &Temporizador::timeout, this, &Tform0::TimerAyudaTimer);

    CrearControles();

    // The menu's own pictures. A missing one stops the program at the next
    // start-up check; the shared flag is only ever set here, never cleared.
    QImage rotulo;
    if (!CargarImagenObligatoria(enlace, enlace.Fichero(enlace.FicheroRotulo), rotulo)
        || !CargarImagenObligatoria(enlace, enlace.Fichero(enlace.FicheroImagen), enlace.BmpImagen))
        return;
    ImageDejar->setPixmap(TransparentePorEsquina(rotulo).scaled(ImageDejar->size()));
    const QPixmap faraon = TransparentePorEsquina(enlace.BmpImagen);
    Imagefaraon->setPixmap(faraon);
    Imagefaraon->resize(faraon.size());

    ImageList1 = CargarLista(QStringLiteral("anda%1"), 8);
    ImageListPuerta = CargarLista(QStringLiteral("puerta%1"), 5);
    W = enlace.BmpParte.width();
    H = enlace.BmpParte.height();

    Fotograma = 0;
    Progreso = 0;
    PonerTextos();
    ActivarHint(LabelCarreras, false);
    ActivarHint(LabelCat, false);
    PonerColores();

    CambiarResolucion(enlace, 0, *modos_);
    PintarCorredor();

    if (enlace.ModoAnimado) {
        BotRetroce->setText(enlace.Texto(82));
        BotRetroce->hide();
    } else {
        BotRetroce->setText(enlace.Texto(222));
        BotRetroce->show();
    }
    enlace.IntroHelicoptero = true;
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    enlace.AjusteFuente = pantalla && pantalla->logicalDotsPerInch() > 100 ? -2 : 0;
    enlace.DesdeAsistente = false;
    // Until the first balloon has been painted, a hint needs a long rest.
    GestorHints::Instancia().PausaHint = 30000;

    anda->setGeometry(100, 235, 56, 168);
    if (!enlace.AnimacionIniciada)
        piloto.start();
    ConectarPuertas();
}

Tform0::~Tform0()
{
    if (pantallas.Modos == modos_.get())
        pantallas.Modos = nullptr;
    for (Temporizador *t : Animaciones())
        t->stop();
}

QList<Temporizador *> Tform0::Animaciones()
{
    return {&piloto, &TimerPuerta, &TimerZoom, &TimerTexto, &TimerAyuda};
}

void Tform0::CrearControles()
{
    // Widgets stack in the order they are created, and nothing is raised
    // later: the corridor, the opening door, the captions and the button,
    // the sign, the greeting, the help panel, the zoom, and on top of all
    // the settings panel with the veil that keeps clicks off what it covers.
    auto *fondo = new EtiquetaActiva(this);
    fondo->setGeometry(rect());
    connect(fondo, &EtiquetaActiva::movido, this, &Tform0::RestablecerColores);
    mosaico = fondo;
    // The pictures have no caption: screen readers say what they show.
    fondo->setAccessibleName(TextoPropio(Propio::PasilloPuertas));

    Imagefaraon = new QLabel(this);
    Imagefaraon->move(48, 584);
    Imagefaraon->setAccessibleName(TextoPropio(Propio::Dibujo));

    anda = new QLabel(this);
    anda->setGeometry(100, 235, 56, 168);
    anda->setAttribute(Qt::WA_TransparentForMouseEvents);
    anda->setAccessibleName(TextoPropio(Propio::Chica));

    const auto puerta = [this](int x, int y, int w, int h) {
        auto *e = new EtiquetaActiva(this);
        e->setGeometry(x, y, w, h);
        diseno_[e] = e->geometry();
        e->setAlignment(Qt::AlignCenter);
        e->setCursor(Qt::PointingHandCursor);
        return e;
    };
    LabelCarreras = puerta(59, 100, 75, 22);
    LabelCat = puerta(227, 90, 64, 38);
    LabelFpS = puerta(410, 100, 64, 22);
    LabelIti = puerta(579, 100, 70, 19);
    LabelFPM = puerta(757, 100, 71, 22);
    LabelFPip = puerta(928, 100, 77, 19);
    LabelProfe = puerta(218, 500, 61, 17);
    LabelCuesB = puerta(408, 480, 68, 68);
    LabelCuesE = puerta(584, 480, 64, 68);
    LabelConfig = puerta(757, 490, 70, 38);
    LabelAsistente = puerta(930, 500, 63, 19);

    LabelAno = new EtiquetaSombreada(QStringLiteral("2019/20"), this);
    LabelAno->setGeometry(440, 648, 70, 20);

    BotRetroce = new QPushButton(this);
    BotRetroce->setGeometry(592, 296, 129, 33);
    BotRetroce->setCursor(Qt::PointingHandCursor);

    ImageDejar = new EtiquetaActiva(this);
    ImageDejar->setGeometry(913, 288, 97, 57);
    ImageDejar->setCursor(Qt::PointingHandCursor);
    LabelDejar = new EtiquetaActiva(this);
    LabelDejar->setGeometry(926, 293, 73, 34);
    LabelDejar->setAlignment(Qt::AlignCenter);
    LabelDejar->setCursor(Qt::PointingHandCursor);

    Bocadillo1 = new QLabel(this);
    Bocadillo1->setGeometry(236, 160, 195, 140);
    Bocadillo1->setScaledContents(true);
    Bocadillo1->setPixmap(ImagenIncorporada(QStringLiteral("bocadillo")));
    Bocadillo1->setAccessibleName(TextoPropio(Propio::Bocadillo));
    Bocadillo1->hide();
    LabelBocadillo1 = new QLabel(this);
    LabelBocadillo1->setGeometry(244, 168, 177, 65);
    labelBocadillo2 = new QLabel(this);
    labelBocadillo2->setGeometry(244, 168, 177, 75);
    for (QLabel *l : {LabelBocadillo1, labelBocadillo2}) {
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->hide();
    }

    PanelAyuda = new QFrame(this);
    PanelAyuda->setGeometry(296, 248, 289, 150);
    PanelAyuda->setFrameShape(QFrame::Panel);
    PanelAyuda->setFrameShadow(QFrame::Raised);
    chica = new QLabel(PanelAyuda);
    chica->setGeometry(2, 2, 56, 146);
    chica->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    chica->setAccessibleName(TextoPropio(Propio::Chica));
    const int filas[5] = {8, 31, 54, 77, 100};
    for (int i = 0; i < 5; ++i) {
        LabelAyu[i] = new QLabel(PanelAyuda);
        LabelAyu[i]->setGeometry(84, filas[i], 200, 20);
    }
    PanelAyuda->hide();

    zoom_ = new ZoomPuerta(this);
    zoom_->setAccessibleName(TextoPropio(Propio::Puerta));
    zoom_->setGeometry(rect());
    zoom_->hide();

    // While the settings panel is open nothing behind it takes a click.
    velo_ = new QWidget(this);
    velo_->setObjectName(QStringLiteral("veloConfiguracion"));
    velo_->setGeometry(rect());
    velo_->hide();

    CrearPanelConfiguracion();
    panelConfigu->installEventFilter(this);

    // Every control goes by its name, as accessibility and automation tools find it.
    const std::pair<QObject *, const char *> nombres[] = {
        {mosaico, "mosaico"}, {Imagefaraon, "Imagefaraon"}, {anda, "anda"}, {LabelCarreras, "LabelCarreras"},
        {LabelCat, "LabelCat"}, {LabelFpS, "LabelFpS"}, {LabelIti, "LabelIti"}, {LabelFPM, "LabelFPM"},
        {LabelFPip, "LabelFPip"}, {LabelProfe, "LabelProfe"}, {LabelCuesB, "LabelCuesB"}, {LabelCuesE, "LabelCuesE"},
        {LabelConfig, "LabelConfig"}, {LabelAsistente, "LabelAsistente"}, {LabelAno, "LabelAno"},
        {BotRetroce, "BotRetroce"}, {ImageDejar, "ImageDejar"}, {LabelDejar, "LabelDejar"},
        {Bocadillo1, "Bocadillo1"}, {LabelBocadillo1, "LabelBocadillo1"}, {labelBocadillo2, "labelBocadillo2"},
        {PanelAyuda, "PanelAyuda"}, {chica, "chica"}, {zoom_, "zoom"}, {panelConfigu, "panelConfigu"},
        {PanelCofiIdioma, "PanelCofiIdioma"}, {PanelCofigu2, "PanelCofigu2"}, {Labelidioma, "Labelidioma"},
        {LabelIdiomaSel, "LabelIdiomaSel"}, {LabelAnimacion, "LabelAnimacion"}, {LabelSINO, "LabelSINO"},
        {LabelReiniciar, "LabelReiniciar"}, {cas, "cas"}, {cat, "cat"}, {gal, "gal"}, {eus, "eus"}, {si, "si"},
        {no, "no"}, {ButtonGrabar, "ButtonGrabar"}, {ButtonRetroConf, "ButtonRetroConf"},
    };
    for (const auto &[control, nombre] : nombres)
        control->setObjectName(QLatin1String(nombre));
    for (int i = 0; i < 5; ++i)
        LabelAyu[i]->setObjectName(QStringLiteral("LabelAyu%1").arg(i));
}

bool Tform0::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == panelConfigu) {
        if (evento->type() == QEvent::Show)
            velo_->show();
        else if (evento->type() == QEvent::Hide)
            velo_->hide();
    }
    return Pantalla::eventFilter(objeto, evento);
}

void Tform0::PonerTextos()
{
    const auto t = [this](int k) { return enlace.Texto(k); };
    const QString salto = QStringLiteral("\n");
    LabelCarreras->setText(t(84));
    PonerHint(LabelCarreras, t(306) + salto + t(551) + salto);
    LabelCat->setText(t(103));
    PonerHint(LabelCat, t(224));
    LabelFpS->setText(t(513));
    PonerHint(LabelFpS, t(318) + salto + t(316) + salto + t(317));
    LabelIti->setText(t(21));
    PonerHint(LabelIti, t(179) + salto + t(180));
    LabelFPM->setText(t(512));
    PonerHint(LabelFPM, QStringList{t(113), t(154), t(155), t(156), t(157), t(158), t(159)}.join(salto));
    LabelFPip->setText(t(263));
    PonerHint(LabelFPip, t(263) + salto + t(584));
    LabelProfe->setText(t(622) + QStringLiteral(" ") + t(623));
    PonerHint(LabelProfe, t(641));
    LabelCuesB->setText(QStringList{t(8), t(9), t(10), t(11)}.join(salto));
    PonerHint(LabelCuesB, t(305) + salto + t(301) + salto + t(302));
    LabelCuesE->setText(QStringList{t(8), t(9), t(10), t(12)}.join(salto));
    PonerHint(LabelCuesE, t(305) + salto + t(509) + QStringLiteral(" ") + t(510));
    LabelAsistente->setText(t(6));
    LabelConfig->setText(t(121) + salto + t(396) + salto + t(606));
    LabelDejar->setText(t(587) + salto + t(588));
    // A caption's word broken at its own hyphen ("Orientazio-galdetegia")
    // keeps it when read as one line: the program's texts write it so.
    const auto conGuion = [this](const QString &palabra) {
        for (int k = TextosInterfaz::kPrimero; k <= TextosInterfaz::kUltimo; ++k)
            if (TextosInterfaz::Existe(k) && enlace.Texto(k).contains(palabra, Qt::CaseInsensitive))
                return true;
        return false;
    };
    for (EtiquetaActiva *e : {LabelCarreras, LabelCat, LabelFpS, LabelIti, LabelFPM, LabelFPip, LabelProfe,
                              LabelCuesB, LabelCuesE, LabelConfig, LabelAsistente, LabelDejar})
        e->ConGuion = conGuion;
    PonerHint(LabelDejar, t(580));
    PonerHint(ImageDejar, t(580));
    // The sign is spoken by the caption it carries.
    ImageDejar->setAccessibleName(t(587) + QStringLiteral(" ") + t(588));
    LabelBocadillo1->setText(t(264) + salto + QStringLiteral("Norvela.") + salto + t(175) + QStringLiteral(" 2019/20."));
    labelBocadillo2->setText(QStringList{t(16), t(265), t(266), t(267)}.join(salto));
}

void Tform0::PonerColores()
{
    QFont etiqueta(QStringLiteral("Arial"), 10);
    etiqueta.setBold(true);
    for (EtiquetaActiva *e : {LabelCarreras, LabelCat, LabelFpS, LabelIti, LabelFPM, LabelFPip, LabelProfe, LabelCuesB,
                              LabelCuesE, LabelConfig, LabelAsistente}) {
        e->setFont(etiqueta);
        e->PonerColorFondo(paleta::ColorMarfil);
        e->PonerColorTexto(paleta::ColorTexto);
    }
    QFont pequena = etiqueta;
    pequena.setPointSize(9);
    for (QLabel *l : {static_cast<QLabel *>(LabelDejar), LabelBocadillo1, labelBocadillo2})
        l->setFont(pequena);
    LabelDejar->PonerColorTexto(paleta::ColorTexto);
    LabelAno->setFont(etiqueta);
    QPalette ano = LabelAno->palette();
    ano.setColor(QPalette::WindowText, paleta::ColorTexto);
    LabelAno->setPalette(ano);
    for (QLabel *l : LabelAyu)
        l->setFont(etiqueta);
    QPalette ayuda = PanelAyuda->palette();
    ayuda.setColor(QPalette::Window, paleta::ColorFondo);
    PanelAyuda->setPalette(ayuda);
    PanelAyuda->setAutoFillBackground(true);
    QFont boton(QStringLiteral("Arial"), 9);
    boton.setBold(true);
    BotRetroce->setFont(boton);
    // Every caption keeps its place on its board; a longer translation
    // takes a smaller size of the same font.
    // A door caption may widen over its bay's wall (a bay is 171 wide); the
    // sign's caption stays on the sign.
    for (QLabel *e : EtiquetasConTexto())
        AjustarFuenteAlTexto(e, e == LabelDejar ? 0 : kAnchoMaximoRotulo);
}

QList<QLabel *> Tform0::EtiquetasConTexto() const
{
    return {LabelCarreras, LabelCat,   LabelFpS,   LabelIti,    LabelFPM,       LabelFPip, LabelProfe,
            LabelCuesB,    LabelCuesE, LabelConfig, LabelAsistente, LabelDejar};
}

void Tform0::PintarCorredor()
{
    QList<QPoint> puertas;
    QList<QRect> rotulos;
    for (EtiquetaActiva *e : {LabelCarreras, LabelCat, LabelFpS, LabelIti, LabelFPM, LabelFPip, LabelProfe, LabelCuesB,
                              LabelCuesE, LabelConfig, LabelAsistente}) {
        // Where the door opening is played for this caption.
        puertas.append(PosicionPuerta(e));
        rotulos.append(e->geometry());
    }
    const QImage cerrada = ImageListPuerta.value(0).toImage();
    mosaico->setPixmap(PixmapPasillo(PintarPasillo(size(), enlace.BmpParte, cerrada, puertas, rotulos)));
}

QPoint Tform0::PosicionPuerta(EtiquetaActiva *etiqueta) const
{
    // From the caption's place as designed: a caption may have widened.
    const auto it = diseno_.find(etiqueta);
    const QRect r = it != diseno_.end() ? it->second : etiqueta->geometry();
    return QPoint(r.x() + 4, r.y() >= 305 ? 510 : 170);
}

void Tform0::ConectarPuertas()
{
    puertas_ = {{LabelCarreras, kPuertaCarreras}, {LabelCat, kPuertaCat},     {LabelFpS, kPuertaFpS},
                {LabelIti, kPuertaIti},           {LabelFPM, kPuertaFPM},     {LabelFPip, kPuertaFPip},
                {LabelProfe, kPuertaProfe},       {LabelCuesB, kPuertaCuesB}, {LabelCuesE, kPuertaCuesE},
                {LabelAsistente, kPuertaAsistente}};
    for (const auto &[etiqueta, codigo] : puertas_) {
        EtiquetaActiva *e = etiqueta;
        const int c = codigo;
        connect(e, &EtiquetaActiva::clic, this, [this, e, c] {
            if (c == kPuertaCarreras || c == kPuertaCat) {
                ActivarHint(LabelCarreras, true);
                ActivarHint(LabelCat, true);
            }
            AbrirPuerta(e, c);
        });
        connect(e, &EtiquetaActiva::movido, this, [e] { e->PonerColorTexto(paleta::ColorResalte); });
    }
    connect(LabelConfig, &EtiquetaActiva::movido, this, [this] { LabelConfig->PonerColorTexto(paleta::ColorResalte); });
    connect(LabelDejar, &EtiquetaActiva::clic, this, &Tform0::LabelDejarClick);
    connect(ImageDejar, &EtiquetaActiva::soltado, this, &Tform0::LabelDejarClick);
    connect(LabelDejar, &EtiquetaActiva::movido, this, [this] { LabelDejar->PonerColorTexto(QColor(255, 255, 0)); });
    connect(BotRetroce, &QPushButton::clicked, this, &Tform0::BotRetroceClick);
    connect(LabelConfig, &EtiquetaActiva::clic, this, &Tform0::LabelConfigClick);
}

void Tform0::RestablecerColores()
{
    for (EtiquetaActiva *e : {LabelCarreras, LabelCat, LabelFpS, LabelIti, LabelFPM, LabelFPip, LabelProfe, LabelCuesB,
                              LabelCuesE, LabelConfig, LabelAsistente, LabelDejar})
        e->PonerColorTexto(paleta::ColorTexto);
}

void Tform0::PonerHint(QWidget *w, const QString &hint)
{
    hints_[w] = hint;
    w->setToolTip(hint);
}

void Tform0::ActivarHint(QWidget *w, bool activo)
{
    w->setToolTip(activo ? hints_[w] : QString());
}

void Tform0::LabelDejarClick()
{
    if (panelConfigu->isVisible())
        return;
    // Clicked last, the sign wins over a door still opening.
    if (abriendo_)
        DejarPuerta();
    if (AbrirDestinoPuerta(puerta::Dejar))
        hide();
}

void Tform0::showEvent(QShowEvent *evento)
{
    Pantalla::showEvent(evento);
    if (enlace.ErrorFicheros) {
        // A failed start-up goes no further than the close question.
        close();
        return;
    }
    // The welcome window stays until the home screen appears.
    if (creadas_.Bienvenida) {
        creadas_.Bienvenida->close();
        creadas_.Bienvenida = nullptr;
    }
    raise();
    activateWindow();
    if (enlace.AnimacionIniciada) {
        // The help plays from its first line every time.
        ContadorAyuda = 0;
        for (QLabel *l : LabelAyu)
            l->clear();
        TimerAyuda.start();
    }
}

void Tform0::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        close();
        return;
    }
    Pantalla::keyPressEvent(evento);
}

void Tform0::closeEvent(QCloseEvent *evento)
{
    if (!salir_) {
        // The menu waits for the answer: a door half open must not open its
        // screen over the question. No: it goes on from where it was.
        QList<Temporizador *> enMarcha;
        for (Temporizador *t : Animaciones())
            if (t->isActive()) {
                enMarcha.append(t);
                t->stop();
            }
        if (!enlace.Avisos().Pregunta(enlace.Texto(49))) {
            for (Temporizador *t : enMarcha)
                t->start();
            evento->ignore();
            return;
        }
    }
    salir_ = true;
    for (Temporizador *t : Animaciones())
        t->stop();
    evento->accept();
    // The shared data is freed once the event loop has stopped.
    Terminar(enlace, pantallas);
}

void Tform0::BotRetroceClick()
{
    if (!enlace.AnimacionIniciada) {
        close();
        return;
    }
    TimerAyuda.stop();
    ContadorAyuda = 0;
    PanelAyuda->hide();
    hide();
    enlace.ModoAnimado = true;
    // The scene starts drawing afresh as it shows.
    if (creadas_.form9)
        creadas_.form9->Mostrar();
}

} // namespace norvela
