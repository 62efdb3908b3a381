#include "aviso.h"

#include "enlace.h"
#include "paleta.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace norvela {

namespace {

QFont Fuente(bool negrita)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(15);
    f.setBold(negrita);
    return f;
}

} // namespace

TForm4::TForm4(Enlace &enlace) : QDialog(nullptr)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Norvela"));
    setFixedSize(382, 144);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, paleta::ColorMarfil);
    fondo.setColor(QPalette::WindowText, Qt::black);
    setPalette(fondo);
    setAutoFillBackground(true);

    LabelNombre = new QLabel(this);
    LabelNombre->setGeometry(40, 24, 330, 17);
    LabelNombre->setFont(Fuente(true));

    EditNombre = new QLineEdit(this);
    EditNombre->setGeometry(40, 56, 213, 25);
    EditNombre->setFont(Fuente(false));
    EditNombre->hide();

    LabelNombre2 = new QLabel(this);
    LabelNombre2->setGeometry(40, 56, 90, 17);
    LabelNombre2->setFont(Fuente(true));
    LabelNombre2->hide();

    ShadowSi = new QPushButton(enlace.Texto(141), this);
    ShadowSi->setGeometry(40, 100, 89, 33);
    ShadowSi->setFont(Fuente(true));
    ShadowSi->setDefault(true);
    connect(ShadowSi, &QPushButton::clicked, this, &TForm4::ShadowSiClick);

    ShadowNo = new QPushButton(enlace.Texto(140), this);
    ShadowNo->setGeometry(168, 100, 89, 33);
    ShadowNo->setFont(Fuente(true));
    connect(ShadowNo, &QPushButton::clicked, this, &TForm4::ShadowNoClick);

    setTabOrder(EditNombre, ShadowSi);
    setTabOrder(ShadowSi, ShadowNo);
}

void TForm4::done(int resultado)
{
    // Every use starts again from the confirmation layout.
    EditNombre->hide();
    LabelNombre2->hide();
    ShadowNo->show();
    QDialog::done(resultado);
}

bool TForm4::Confirmar(const QString &pregunta)
{
    LabelNombre->setText(pregunta);
    EditNombre->hide();
    return exec() == kSi;
}

std::optional<QString> TForm4::PedirNombre(const QString &peticion, int maximo)
{
    LabelNombre->setText(peticion);
    EditNombre->clear();
    for (;;) {
        EditNombre->show();
        EditNombre->setFocus();
        if (exec() != kSi)
            return std::nullopt;
        const QString nombre = EditNombre->text().left(maximo);
        if (!nombre.isEmpty())
            return nombre;
    }
}

} // namespace norvela
