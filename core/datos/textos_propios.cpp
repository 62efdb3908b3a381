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
