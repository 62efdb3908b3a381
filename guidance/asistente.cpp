#include "asistente.h"

#include "enlace.h"
#include "guia_comun.h"
#include "paleta.h"
#include "pantallas.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace norvela {

TForm5::TForm5(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm5"))
{
    PonerCierre(CierreVentana::Volver);
    const auto t = [this](int k) { return enlace.Texto(k); };
    PonerCabeceraGuia(this, enlace, t(6));

    LabelPregunta = new QLabel(t(4), this);
    LabelPregunta->setObjectName(QStringLiteral("LabelPregunta"));
    LabelPregunta->setGeometry(kColumnaGuia, 140, kAnchoBotonGuia, 30);
    LabelPregunta->setAlignment(Qt::AlignCenter);
    QFont letra(QStringLiteral("Arial"), 13);
    letra.setBold(true);
    LabelPregunta->setFont(letra);
    QPalette texto = LabelPregunta->palette();
    texto.setColor(QPalette::WindowText, paleta::ColorTexto);
    LabelPregunta->setPalette(texto);

    int y = 190;
    const auto boton = [&](const char *nombre, const QString &texto) {
        QPushButton *b = BotonGuia(this, nombre, kColumnaGuia, y, kAnchoBotonGuia, kAltoBotonGuia, texto);
        y += 64;
        return b;
    };
    BGrados = boton("BGrados", t(306));
    BFpTitGsAsis = boton("BFpTitGsAsis", t(318));
    BtGM = boton("BtGM", t(113));
    BGarantia = boton("BGarantia", t(263));
    BDejar = boton("BDejar", t(587) + QLatin1Char(' ') + t(588));
    BVolver = BotonVolverGuia(this, "BVolver", t(82));

    connect(BGrados, &QPushButton::clicked, this, &TForm5::BGradosClick);
    connect(BFpTitGsAsis, &QPushButton::clicked, this, &TForm5::BFpTitGsAsisClick);
    connect(BtGM, &QPushButton::clicked, this, &TForm5::BtGMClick);
    connect(BGarantia, &QPushButton::clicked, this, &TForm5::BGarantiaClick);
    connect(BDejar, &QPushButton::clicked, this, &TForm5::BDejarClick);
    connect(BVolver, &QPushButton::clicked, this, &TForm5::BVolverClick);
}

void TForm5::showEvent(QShowEvent *evento)
{
    BGrados->setEnabled(static_cast<bool>(AbrirGrados));
    BFpTitGsAsis->setEnabled(static_cast<bool>(AbrirFPSuperior));
    BtGM->setEnabled(static_cast<bool>(AbrirFPMedio));
    BGarantia->setEnabled(static_cast<bool>(AbrirFPBasica));
    BDejar->setEnabled(pantallas.Hay(Papel::Certificados));
    Pantalla::showEvent(evento);
}

void TForm5::BGradosClick()
{
    if (!AbrirGrados)
        return;
    enlace.GradosDesdeAsistente = true;
    hide();
    AbrirGrados();
}

void TForm5::BFpTitGsAsisClick()
{
    if (!AbrirFPSuperior)
        return;
    enlace.FPSuperiorDesdeAsistente = true;
    hide();
    AbrirFPSuperior();
}

void TForm5::BtGMClick()
{
    if (!AbrirFPMedio)
        return;
    enlace.FPMedioDesdeAsistente = true;
    hide();
    enlace.CuestionarioGM = false;
    enlace.IntroHelicoptero = true;
    AbrirFPMedio();
}

void TForm5::BGarantiaClick()
{
    if (!AbrirFPBasica)
        return;
    hide();
    AbrirFPBasica();
}

void TForm5::BDejarClick()
{
    Pantalla *certificados = pantallas.Por(Papel::Certificados);
    if (!certificados)
        return;
    hide();
    certificados->Mostrar();
}

void TForm5::BVolverClick()
{
    enlace.DesdeAsistente = false;
    MostrarInicio();
}

void TForm5::AlVolverPorCierre()
{
    enlace.DesdeAsistente = false;
}

} // namespace norvela
