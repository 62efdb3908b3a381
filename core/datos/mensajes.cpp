#include "mensajes.h"

#include <QFile>

namespace norvela {

bool MensajesRegistrados::Pregunta(const QString &texto)
{
    textos.append(texto);
    if (respuestas.empty())
        return respuestaPorDefecto;
    const bool r = respuestas.front();
    respuestas.pop_front();
    return r;
}

void MensajesEnFichero::Aviso(const QString &texto)
{
    QFile f(ruta_);
    if (f.open(QIODevice::Append))
        f.write(texto.toUtf8() + '\n');
}

bool MensajesEnFichero::Pregunta(const QString &texto)
{
    Aviso(texto);
    return respuesta_;
}

} // namespace norvela
