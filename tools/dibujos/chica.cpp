// The program's logo: the girl student on white, like the paper of the
// reports it is printed on.
#include "alumna.h"
#include "dibujos.h"
#include "pincel.h"

namespace dibujo {

QImage chica()
{
    QImage imagen = lienzo(70, 110, blanco);
    QPainter p(&imagen);
    preparar(p);
    alumna(p);
    return imagen;
}

} // namespace dibujo
