#include "mensajes_pantalla.h"

#include "textos_propios.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace norvela {

void MensajesPantalla::Aviso(const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Norvela"), texto, QMessageBox::Ok);
    caja.setObjectName(QStringLiteral("Aviso"));
    // In the run's language even before the interface texts are read.
    caja.button(QMessageBox::Ok)->setText(TextoPropio(Propio::Aceptar));
    caja.exec();
}

bool MensajesPantalla::Pregunta(const QString &texto)
{
    // No title: the question says it all.
    QMessageBox caja(QMessageBox::Question, QString(), texto, QMessageBox::Yes | QMessageBox::No);
    caja.setObjectName(QStringLiteral("Pregunta"));
    if (!si_.isEmpty())
        caja.button(QMessageBox::Yes)->setText(si_);
    if (!no_.isEmpty())
        caja.button(QMessageBox::No)->setText(no_);
    caja.setDefaultButton(QMessageBox::Yes);
    return caja.exec() == QMessageBox::Yes;
}

void MensajesPantalla::PonerBotones(const QString &si, const QString &no)
{
    si_ = si;
    no_ = no;
}

} // namespace norvela
