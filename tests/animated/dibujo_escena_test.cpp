// The scene's frames repaint only what changed.
#include "dibujo_escena.h"
#include "paquetes.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

using namespace norvela;

namespace {

QImage Entera(const ImagenesEscena &im, const EstadoEscena &s, int resaltado)
{
    QImage imagen(escena::kAncho, escena::kAlto, QImage::Format_RGB32);
    QPainter p(&imagen);
    PintarEscena(p, im, s, resaltado);
    return imagen;
}

} // namespace

// Starting from a whole frame and repainting at each later moment only the
// areas that changed gives, moment after moment, the whole frame of that
// moment: through a round of the student, with the bus, the flag and the
// glow of the door under the mouse coming and going, at uneven steps.
TEST(EscenaCambios, RepaintingOnlyWhatChangedGivesTheWholeFrame)
{
    const QDir datos(QStringLiteral(NORVELA_DATOS_ENTREGADOS));
    ImagenesEscena im;
    ASSERT_TRUE(CargarPaquetesEscena(datos.filePath("segdxg1.DXG"), datos.filePath("vector.DXG"), im).isEmpty());
    EstadoEscena antes = EstadoEn(0);
    int resaltadoAntes = -1;
    QImage pantalla = Entera(im, antes, resaltadoAntes);
    for (std::int64_t t = 7, paso = 16; t < DuracionRonda() + 1000; t += paso, paso = paso == 16 ? 331 : 16) {
        const EstadoEscena ahora = EstadoEn(t);
        const int resaltado = (t / 2000) % 2 ? int((t / 4000) % kLugares) : -1;
        {
            QPainter p(&pantalla);
            for (const QRect &zona : CambioEscena(im, antes, resaltadoAntes, ahora, resaltado))
                PintarEscena(p, im, ahora, resaltado, zona);
        }
        ASSERT_EQ(pantalla, Entera(im, ahora, resaltado)) << "at " << t << " ms";
        antes = ahora;
        resaltadoAntes = resaltado;
    }
}
