// The communities the student picks on the map when a title sheet would be
// too long: each community once, in the order of the clicks.
#pragma once

#include <vector>

namespace norvela {

struct SeleccionComunidadesFP {
    // Set while the map collects communities for the sheet, and when the
    // sheet is printed for the picked ones.
    bool SeleccionImpresion = false;
    // Community numbers (1..19) in the order they were picked; entry i is
    // row i of the list the screen shows.
    std::vector<int> ComunidadesImpresion;

    int NumComunidadesImpresion() const { return static_cast<int>(ComunidadesImpresion.size()); }
    bool Contiene(int c) const;

    // Adds c at the end; false (nothing changed) when c is outside 1..19 or
    // already picked.
    bool Anadir(int c);
    // Removes row i (0-based), moving the later ones up; false outside the list.
    bool Quitar(int i);

    // Starts collecting: nothing picked, SeleccionImpresion set.
    void Empezar();
    // The sheet was printed: the selection is over.
    void Terminar();
};

} // namespace norvela
