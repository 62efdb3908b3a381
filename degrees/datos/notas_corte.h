// The high cut-off marks view: every degree with at least one university
// whose cut-off mark reaches a threshold, built without a widget. Texts are
// Windows-1252 bytes.
#pragma once

#include <string>
#include <vector>

namespace norvela {

class Enlace;

// One listed degree: its row of the list and the universities behind it.
struct FilaCorte {
    int grado = 0;
    std::string nombre;             // the degree's name, first 50 characters
    std::string cuenta;             // "hh  (tt)": qualifying marks and published marks
    std::vector<int> universidades; // NombresUniversidad indexes of the qualifying marks
    std::vector<int> notas;         // the qualifying marks in tenths, same order
};

// "%2d  (%2d)": 3 hits out of 12 published marks read " 3  (12)".
std::string TextoCuenta(int aciertos, int total);

// The degrees 1..NumGrados, in order, with a published mark at or above
// `umbral` tenths. Unpublished marks (kNotaSinPublicar) are neither hits
// nor counted in the total. Sized from the data: any number of degrees and
// marks fits.
std::vector<FilaCorte> CalcularNotasCorte(const Enlace &e, int umbral);

} // namespace norvela
