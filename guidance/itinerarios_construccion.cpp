// The itinerary screen's controls and what its buttons do.
#include "itinerarios.h"

#include "dibujo.h"
#include "enlace.h"
#include "formlomce.h"
#include "guia_comun.h"
#include "marco.h"
#include "paleta.h"
#include "pantallas.h"
#include "tapas.h"
#include "textos_propios.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

namespace norvela {

namespace {

// The window's gradient at `tamano`, as smoothly scaling the whole window's
// gives it. Every row is one colour, so one column scaled and then widened
// gives the same pixels, without scaling a whole window's picture when the
// screen first shows.
QPixmap DegradadoA(const QSize &tamano)
{
    QImage columna(1, Pantalla::kAlto, QImage::Format_RGB32);
    {
        QPainter lienzo(&columna);
        PintarDegradado(lienzo, 0, 0, 1, Pantalla::kAlto, paleta::ColorFondo, paleta::ColorDegradado);
    }
    const QImage escalada = columna.scaled(QSize(1, tamano.height()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage imagen(tamano, QImage::Format_RGB32);
    for (int y = 0; y < imagen.height(); ++y) {
        auto *fila = reinterpret_cast<QRgb *>(imagen.scanLine(y));
        std::fill(fila, fila + imagen.width(), escalada.pixel(0, y));
    }
    return QPixmap::fromImage(std::move(imagen));
}

} // namespace

void TForm2::Construir()
{
    PonerCierre(CierreVentana::Volver);
    const auto t = [this](int k) { return enlace.Texto(k); };
    const CabeceraGuia cabecera = PonerCabeceraGuia(this, enlace, t(21));

    // The gradient inside the frame; the questionnaire door spreads it over
    // the whole window.
    degradeIti = new QLabel(this);
    degradeIti->setObjectName(QStringLiteral("degradeIti"));
    // A picture without caption: screen readers say what it is.
    degradeIti->setAccessibleName(TextoPropio(Propio::Fondo));
    degradeIti->setGeometry(cabecera.fondo->geometry().adjusted(kAnchoMarco, 50, -kAnchoMarco, 0));
    PixmapAlMostrarse(degradeIti, [this] { return DegradadoA(degradeIti->size()); });
    // Over the gradient, under the heading; over the whole window it covers
    // the frame too.
    degradeIti->stackUnder(cabecera.panel);
    HacerTapa(degradeIti);

    BotLOMCE = BotonGuia(this, "BotLOMCE", kColumnaGuia, 180, kAnchoBotonGuia, kAltoBotonGuia, t(3));
    botCuestio = BotonGuia(this, "botCuestio", kColumnaGuia, 180, kAnchoBotonGuia, kAltoBotonGuia, t(305));
    botCuestio->hide();
    BotContinuar = BotonGuia(this, "BotContinuar", kColumnaGuia, 250, kAnchoBotonGuia, kAltoBotonGuia, t(7));
    BotSalirIti = BotonVolverGuia(this, "BotSalirIti", t(82));

    connect(BotLOMCE, &QPushButton::clicked, this, &TForm2::BotLOMCEClick);
    connect(botCuestio, &QPushButton::clicked, this, &TForm2::BotCuestio2Click);
    connect(BotContinuar, &QPushButton::clicked, this, &TForm2::BotContinuarClick);
    connect(BotSalirIti, &QPushButton::clicked, this, &TForm2::BotSalirItiClick);
}

void TForm2::MostrarConDiagrama()
{
    Mostrar();
    BotLOMCE->show();
    botCuestio->hide();
}

void TForm2::MostrarConCuestionario()
{
    Mostrar();
    BotLOMCE->hide();
    botCuestio->show();
    // The gradient over the whole window, once the window shows, so that what
    // it covers is hidden from the keyboard at once.
    degradeIti->setGeometry(rect());
    degradeIti->setPixmap(DegradadoA(size()));
}

void TForm2::BotLOMCEClick()
{
    Pantalla *lomce = pantallas.Por(Papel::Lomce);
    if (!lomce)
        return;
    lomce->Mostrar();
    hide();
}

void TForm2::EntrarEnCuestionarioGM()
{
    enlace.CuestionarioGM = true;
    if (MostrarFPMedio)
        MostrarFPMedio();
}

void TForm2::BotContinuarClick()
{
    EntrarEnCuestionarioGM();
}

void TForm2::BotCuestio2Click()
{
    enlace.NombreCursoAlumno.clear();
    EntrarEnCuestionarioGM();
    hide();
}

void TForm2::BotSalirItiClick()
{
    // The screen has no flag of its own for the assistant.
    bool ninguno = false;
    Salir(ninguno);
}

} // namespace norvela
