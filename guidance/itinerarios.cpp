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
}

void TForm2::PrepararDatos(Enlace &e)
{
    CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("cuestion")), e.Cuestiones, e.NumCuestiones, e.AnchoLista);
    CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("itinerar")), e.ListaItinerarios1, e.NumItinerarios,
                     e.AnchoLista);
    // The intermediate-cycle titles, their questionnaire and offer, which
    // the intermediate-cycle screen made after this one reads.
    CargarDatosItinerarios(e);
    if (e.ErrorFicheros)
        return;
    CargarOfertaGM(e, e.Fichero(QStringLiteral("datluggmphp")));
    CargarTablaFPMedio(e, e.Fichero(QStringLiteral("datfpmphp")));
    for (QImage &bmp : e.BmpItinerario)
        bmp = QImage(kTamanoBmpItinerario, QImage::Format_RGB32);
}

} // namespace norvela
