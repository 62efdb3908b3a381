#include "mensajes_pantalla.h"

#include <QApplication>
#include <QMessageBox>

namespace norvela {

void MensajesPantalla::Aviso(const QString &texto)
{
    QMessageBox caja(QMessageBox::NoIcon, QApplication::applicationDisplayName(), texto, QMessageBox::Ok);
    caja.exec();
}

bool MensajesPantalla::Pregunta(const QString &texto)
{
    QMessageBox caja(QMessageBox::Question, QString(), texto, QMessageBox::Yes | QMessageBox::No);
    caja.setDefaultButton(QMessageBox::Yes);
    return caja.exec() == QMessageBox::Yes;
}

} // namespace norvela
