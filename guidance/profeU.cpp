#include "profeU.h"

#include "ansi.h"
#include "enlace.h"
#include "guia_comun.h"
#include "paleta.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace norvela {

Tprofe::Tprofe(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("Tprofe"))
{
    PonerCierre(CierreVentana::Volver);
    const auto t = [this](int k) { return enlace.Texto(k); };
    PonerCabeceraGuia(this, enlace, t(641));

    PanelCuestio = new QWidget(this);
    PanelCuestio->setObjectName(QStringLiteral("PanelCuestio"));
    PanelCuestio->setGeometry(212, 130, 600, 30);
    PanelCuestio->setAutoFillBackground(true);
    QPalette fondo = PanelCuestio->palette();
    fondo.setColor(QPalette::Window, paleta::ColorMarfil);
    PanelCuestio->setPalette(fondo);
    LabelCuestio = new QLabel(t(622) + QLatin1Char(' ') + t(623), PanelCuestio);
    LabelCuestio->setObjectName(QStringLiteral("LabelCuestio"));
    LabelCuestio->setGeometry(0, 0, 600, 30);
    LabelCuestio->setAlignment(Qt::AlignCenter);
    QFont negrita(QStringLiteral("Arial"), 11);
    negrita.setBold(true);
    LabelCuestio->setFont(negrita);

    ListCuestio = new QListWidget(this);
    ListCuestio->setObjectName(QStringLiteral("ListCuestio"));
    // Screen readers name the list by the caption above it.
    ListCuestio->setAccessibleName(LabelCuestio->text());
    ListCuestio->setGeometry(212, 166, 600, 500);
    ListCuestio->setFont(QFont(QStringLiteral("Arial"), 11));
    ListCuestio->setCursor(Qt::PointingHandCursor);
    QPalette base = ListCuestio->palette();
    base.setColor(QPalette::Base, paleta::ColorCrema);
    ListCuestio->setPalette(base);
    // A click anywhere on a statement ticks it or unticks it.
    connect(ListCuestio, &QListWidget::itemClicked, this, [](QListWidgetItem *item) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });

    BotSalirProfe = BotonVolverGuia(this, "BotSalirProfe", t(82));
    connect(BotSalirProfe, &QPushButton::clicked, this, &Tprofe::BotSalirProfeClick);

    // The professional activities the degrees screen has read.
    for (int i = 1; i <= enlace.NumActividades; ++i)
        FrasesProfe << DesdeAnsi(enlace.NombresActividad[i]).trimmed();
}

void Tprofe::BotCuestioClick()
{
    PanelCuestio->show();
    ListCuestio->show();
    ListCuestio->clear();
    for (const QString &frase : FrasesProfe) {
        auto *item = new QListWidgetItem(frase, ListCuestio);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    ListCuestio->scrollToTop();
}

void Tprofe::BotSalirProfeClick()
{
    bool ninguno = false;
    Salir(ninguno);
}

} // namespace norvela
