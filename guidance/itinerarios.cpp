#include "itinerarios.h"

#include "cargas_listas.h"
#include "enlace.h"

namespace norvela {

TForm2::TForm2(Enlace &e, Pantallas &p) : Pantalla(e, p, QStringLiteral("TForm2"))
{
    Construir();
    CargarListaTexto(enlace, enlace.FicheroIdioma(QStringLiteral("cuestion")), enlace.Cuestiones,
                     enlace.NumCuestiones, enlace.AnchoLista);
    CargarListaTexto(enlace, enlace.FicheroIdioma(QStringLiteral("itinerar")), enlace.ListaItinerarios1,
                     enlace.NumItinerarios, enlace.AnchoLista);
}

} // namespace norvela
