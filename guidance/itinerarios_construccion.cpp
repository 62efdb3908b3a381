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

namespace norvela {

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
    degradeIti->setScaledContents(true);
    PixmapAlMostrarse(degradeIti, [] {
        QImage imagen(kAncho, kAlto, QImage::Format_RGB32);
        QPainter lienzo(&imagen);
        PintarDegradado(lienzo, 0, 0, kAncho, kAlto, paleta::ColorFondo, paleta::ColorDegradado);
        return QPixmap::fromImage(imagen);
    });
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
    degradeIti->setGeometry(rect());
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
