#include "itinerarios.h"

#include "carga_itinerarios.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "enlace.h"

namespace norvela {

namespace {

// The six scratch pictures the screens paint into; the intermediate-cycle
// screen keeps what lies under its balloon in the second.
constexpr QSize kTamanoBmpItinerario(118, 53);

} // namespace

TForm2::TForm2(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm2"))
{
    Construir();
    CargarListaTexto(enlace, enlace.FicheroIdioma(QStringLiteral("cuestion")), enlace.Cuestiones,
                     enlace.NumCuestiones, enlace.AnchoLista);
    CargarListaTexto(enlace, enlace.FicheroIdioma(QStringLiteral("itinerar")), enlace.ListaItinerarios1,
                     enlace.NumItinerarios, enlace.AnchoLista);
    // The intermediate-cycle titles, their questionnaire and offer, which
    // the intermediate-cycle screen made after this one reads.
    CargarDatosItinerarios(enlace);
    if (enlace.ErrorFicheros)
        return;
    CargarOfertaGM(enlace, enlace.Fichero(QStringLiteral("datluggmphp")));
    CargarTablaFPMedio(enlace, enlace.Fichero(QStringLiteral("datfpmphp")));
    for (QImage &bmp : enlace.BmpItinerario)
        bmp = QImage(kTamanoBmpItinerario, QImage::Format_RGB32);
}

} // namespace norvela
