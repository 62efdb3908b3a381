#include "textos_propios.h"

#include <array>

namespace norvela {

namespace {

using Fila = std::array<const char *, kIdiomas>;

// One row a text, in the order of Propio: Castilian, Catalan/Valencian,
// Galician, Basque.
constexpr std::array<Fila, static_cast<size_t>(Propio::Cuantos)> kTextos = {{
    {"Aceptar", "D'acord", "Aceptar", "Ados"},
    {"Error inesperado", "Error inesperat", "Erro inesperado", "Ustekabeko errorea"},
    {"No se ha podido abrir %1.\nCompruebe que hay un navegador o un lector de PDF instalado.",
     "No s'ha pogut obrir %1.\nComproveu que hi ha un navegador o un lector de PDF instal·lat.",
     "Non se puido abrir %1.\nComprobe que hai un navegador ou un lector de PDF instalado.",
     "Ezin izan da %1 ireki.\nEgiaztatu nabigatzaile bat edo PDF irakurgailu bat instalatuta dagoela."},
    {"Pasillo de las puertas", "Passadís de les portes", "Corredor das portas", "Ateen korridorea"},
    {"Dibujo", "Dibuix", "Debuxo", "Marrazkia"},
    {"Chica", "Noia", "Rapaza", "Neska"},
    {"Bocadillo", "Bafarada", "Globo de texto", "Bunbuiloa"},
    {"Puerta", "Porta", "Porta", "Atea"},
    {"Bienvenida", "Benvinguda", "Benvida", "Ongi etorri"},
    {"Escena animada", "Escena animada", "Escena animada", "Eszena animatua"},
    {"Fondo", "Fons", "Fondo", "Atzealdea"},
    {"Marco izquierdo", "Marc esquerre", "Marco esquerdo", "Ezkerreko markoa"},
    {"Marco derecho", "Marc dret", "Marco dereito", "Eskuineko markoa"},
    {"Marco superior", "Marc superior", "Marco superior", "Goiko markoa"},
    {"Mapa de España", "Mapa d'Espanya", "Mapa de España", "Espainiako mapa"},
    {"Mapa de las comarcas de Cataluña", "Mapa de les comarques de Catalunya", "Mapa das comarcas de Cataluña",
     "Kataluniako eskualdeen mapa"},
    {"Mapa de las zonas de la Comunidad de Madrid", "Mapa de les zones de la Comunitat de Madrid",
     "Mapa das zonas da Comunidade de Madrid", "Madrilgo Erkidegoko eremuen mapa"},
    {"Información del grado", "Informació del grau", "Información do grao", "Graduari buruzko informazioa"},
    {"Información del título", "Informació del títol", "Información do título", "Tituluari buruzko informazioa"},
    {"Nota sin publicar", "Nota sense publicar", "Nota sen publicar", "Argitaratu gabeko nota"},
    {"Separador", "Separador", "Separador", "Bereizlea"},
    {"Avanzar", "Avançar", "Avanzar", "Aurrera"},
    {"Anterior", "Anterior", "Anterior", "Aurrekoa"},
    {"Siguiente", "Següent", "Seguinte", "Hurrengoa"},
    {"Helicóptero", "Helicòpter", "Helicóptero", "Helikopteroa"},
    {"Centros", "Centres", "Centros", "Ikastetxeak"},
    {"Teléfono", "Telèfon", "Teléfono", "Telefonoa"},
    {"Lugares", "Llocs", "Lugares", "Lekuak"},
    {"Barcelona", "Barcelona", "Barcelona", "Bartzelona"},
    {"No se puede imprimir un informe de %1 líneas (caben %2).",
     "No es pot imprimir un informe de %1 línies (n'hi caben %2).",
     "Non se pode imprimir un informe de %1 liñas (caben %2).",
     "Ezin da %1 lerroko txosten bat inprimatu (%2 sartzen dira)."},
    {"No se puede imprimir el informe: %1 líneas en negrita (caben %2).",
     "No es pot imprimir l'informe: %1 línies en negreta (n'hi caben %2).",
     "Non se pode imprimir o informe: %1 liñas en negra (caben %2).",
     "Ezin da txostena inprimatu: %1 lerro letra lodiz (%2 sartzen dira)."},
    {"No se ha podido imprimir el informe.", "No s'ha pogut imprimir l'informe.", "Non se puido imprimir o informe.",
     "Ezin izan da txostena inprimatu."},
    {"No se ha podido imprimir el informe en %1.", "No s'ha pogut imprimir l'informe a %1.",
     "Non se puido imprimir o informe en %1.", "Ezin izan da txostena inprimatu hemen: %1."},
    {"La impresión del informe no se ha completado.", "La impressió de l'informe no s'ha completat.",
     "A impresión do informe non se completou.", "Txostenaren inprimaketa ez da osatu."},
    {"La impresión del informe no se ha completado (%1).", "La impressió de l'informe no s'ha completat (%1).",
     "A impresión do informe non se completou (%1).", "Txostenaren inprimaketa ez da osatu (%1)."},
    {"No se puede imprimir el informe: la página es demasiado grande.",
     "No es pot imprimir l'informe: la pàgina és massa gran.",
     "Non se pode imprimir o informe: a páxina é demasiado grande.", "Ezin da txostena inprimatu: orria handiegia da."},
    {"La impresora %1 no admite trabajos ahora. Revísela o elija otra.",
     "La impressora %1 no admet treballs ara. Reviseu-la o trieu-ne una altra.",
     "A impresora %1 non admite traballos agora. Revísea ou escolla outra.",
     "%1 inprimagailuak ez du lanik onartzen orain. Berrikusi edo aukeratu beste bat."},
    {"La impresora %1 ha dado un error: puede que el informe no se haya impreso.",
     "La impressora %1 ha donat un error: potser l'informe no s'ha imprès.",
     "A impresora %1 deu un erro: pode que o informe non se imprimise.",
     "%1 inprimagailuak errore bat eman du: baliteke txostena inprimatu ez izatea."},
}};

int idiomaDelPrograma = 0;

} // namespace

QString TextoPropio(Propio t, int idioma)
{
    const auto fila = static_cast<size_t>(t);
    if (fila >= kTextos.size())
        return {};
    const size_t columna = idioma >= 0 && idioma < kIdiomas ? static_cast<size_t>(idioma) : 0;
    return QString::fromUtf8(kTextos[fila][columna]);
}

QString TextoPropio(Propio t)
{
    return TextoPropio(t, idiomaDelPrograma);
}

void PonerIdiomaPropio(int idioma)
{
    idiomaDelPrograma = idioma >= 0 && idioma < kIdiomas ? idioma : 0;
}

int IdiomaPropio()
{
    return idiomaDelPrograma;
}

} // namespace norvela
