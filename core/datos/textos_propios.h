// The texts the program adds to the numbered interface texts: what screen
// readers say of pictures and of controls that show no caption, the OK of a
// message box, the message for an address the desktop could not open, what
// printing a report says. All of them come from this one table, in the four
// interface languages; the numbered texts stay in the languages' "textos"
// files.
#pragma once

#include <QString>

namespace norvela {

// The interface languages, numbered as the settings and the command line
// number them: 0 Castilian, 1 Catalan/Valencian, 2 Galician, 3 Basque.
inline constexpr int kIdiomas = 4;

enum class Propio {
    Aceptar,
    ErrorInesperado,
    // "%1" stands for the address or file.
    NoSePuedeAbrir,
    PasilloPuertas,
    Dibujo,
    Chica,
    Bocadillo,
    Puerta,
    Bienvenida,
    EscenaAnimada,
    Fondo,
    MarcoIzquierdo,
    MarcoDerecho,
    MarcoSuperior,
    MapaEspana,
    MapaComarcas,
    MapaZonas,
    InformacionGrado,
    InformacionTitulo,
    NotaSinPublicar,
    Separador,
    Avanzar,
    Anterior,
    Siguiente,
    Helicoptero,
    Centros,
    Telefono,
    Lugares,
    Barcelona,
    // What printing a report tells the user; "%1" and "%2" stand for the
    // figures, the printer or the destination.
    InformeDemasiadoLargo,
    DemasiadasNegritas,
    NoSeImprime,
    NoSeImprimeEn,
    NoSeCompleta,
    NoSeCompletaEn,
    PaginaDemasiadoGrande,
    ImpresoraNoAdmite,
    ImpresoraConError,
    Cuantos
};

// Text `t` in language `idioma`; a number outside 0..3 reads as Castilian.
QString TextoPropio(Propio t, int idioma);
// Text `t` in the language of the run.
QString TextoPropio(Propio t);

// The language of the run, fixed by start-up as soon as the settings and
// the command line have chosen it (before any message box can show), like
// the language folder it goes with. Castilian until then.
void PonerIdiomaPropio(int idioma);
int IdiomaPropio();

} // namespace norvela
