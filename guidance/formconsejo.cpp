#include "formconsejo.h"

#include "cargas_listas.h"
#include "enlace.h"
#include "guia_comun.h"
#include "paleta.h"

#include <QLabel>
#include <QPushButton>

namespace norvela {

TFormCon::TFormCon(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TFormCon"))
{
    PonerCierre(CierreVentana::Volver);
    const auto t = [this](int k) { return enlace.Texto(k); };
    PonerCabeceraGuia(this, enlace, t(305) + QLatin1Char(' ') + t(301));
    LabelSubtitulo = new QLabel(t(302), this);
    LabelSubtitulo->setObjectName(QStringLiteral("LabelSubtitulo"));
    LabelSubtitulo->setGeometry(112, 130, 800, 30);
    LabelSubtitulo->setAlignment(Qt::AlignCenter);
    QFont letra(QStringLiteral("Arial"), 13);
    letra.setBold(true);
    LabelSubtitulo->setFont(letra);
    QPalette texto = LabelSubtitulo->palette();
    texto.setColor(QPalette::WindowText, paleta::ColorTexto);
    LabelSubtitulo->setPalette(texto);
    BotSalirCon = BotonVolverGuia(this, "BotSalirCon", t(82));
    connect(BotSalirCon, &QPushButton::clicked, this, &TFormCon::BotSalirConClick);
}

void TFormCon::PrepararDatos(Enlace &e)
{
    CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("cualidad")), e.ListaCualidades, e.NumCualidades,
                     e.AnchoLista);
    CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("interes")), e.ListaIntereses, e.NumIntereses,
                     e.AnchoLista);
}

void TFormCon::BotSalirConClick()
{
    // The screen has no flag of its own for the assistant.
    bool ninguno = false;
    Salir(ninguno);
}

} // namespace norvela
