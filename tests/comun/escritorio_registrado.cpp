#include "escritorio_registrado.h"

#include <QDesktopServices>

namespace norvela::pruebas {

EscritorioRegistrado::EscritorioRegistrado(QStringList esquemas) : esquemas_(std::move(esquemas))
{
    for (const QString &esquema : esquemas_)
        QDesktopServices::setUrlHandler(esquema, this, "Abrir");
}

EscritorioRegistrado::~EscritorioRegistrado()
{
    for (const QString &esquema : esquemas_)
        QDesktopServices::unsetUrlHandler(esquema);
}

} // namespace norvela::pruebas
