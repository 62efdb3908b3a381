// The view state of the degrees screen: which degree is selected and which
// of its views and list modes is active. Kept in one place so every handler
// reads and writes the same flags, and so the state can be checked without
// a widget. The flags other screens read (VistaDobles, ModoImpresion, ...)
// stay in the shared state.
#pragma once

#include <cstddef>
#include <vector>

namespace norvela {

// What the browser shows in its place below the grouping box.
enum class VistaNavegador { Ramas, Rejilla, Arbol };

struct EstadoGrados {
    // The selected degree (row of the degree tables), 0 = none.
    int GradoSel = 0;

    // Browser.
    VistaNavegador Vista = VistaNavegador::Ramas;
    bool ArbolDeGrupos = false;
    // Degree of each row of the degree grid (0-based row; 0 = header row),
    // and of each tree node in creation order (0 = heading node). Rebuilt
    // with every listing, so no row keeps a degree of an earlier one.
    std::vector<int> GradoDeFila;
    std::vector<int> GradoDeNodo;
    // Degree of each row of the double-degree menu list (0-based row; 0 on
    // a branch heading), rebuilt with the list.
    std::vector<int> FilaGradoDobles;

    // The branch list is showing (a branch grid is not): what the browser's
    // back button does.
    bool RetornoMenuGrados = false;
    // The selected degree came from a double click in the cut-off marks
    // grid; the browser clears it.
    bool GradoDesdeMapa = false;

    // Entered from the start menu's degrees button (degree paths) or from
    // the universities-by-region button.
    bool MenuGradosUsado = false;
    bool ModoGrados = false;

    // Views and list modes of the selection panel.
    bool ModoDeportes = false;
    bool VistaMaster = false;
    bool ModoArtes = false;
    bool ArtesMusica = false;
    bool ArtesDanza = false;
    bool ArtesDramatico = false;
    bool ArtesPlasticas = false;

    // Design tops of PanelSel, PanelSelTit and PanelCarSel.
    int TopePanelSel = 0;
    int TopePanelSelTit = 0;
    int TopePanelCarSel = 0;

    // The six list modes of the selection panel go back to off.
    void LimpiarModosLista()
    {
        MenuGradosUsado = false;
        ModoArtes = false;
        ArtesMusica = false;
        ArtesDanza = false;
        ArtesDramatico = false;
        ArtesPlasticas = false;
    }

    // The degree listed in grid row `fila` (0-based); 0 outside the listing.
    int GradoEnFila(int fila) const
    {
        return GradoEnPosicion(GradoDeFila, fila);
    }
    int GradoEnNodo(int nodo) const
    {
        return GradoEnPosicion(GradoDeNodo, nodo);
    }
    int GradoEnFilaDobles(int fila) const
    {
        return GradoEnPosicion(FilaGradoDobles, fila);
    }

private:
    // The degree at position i of a row-to-degree list; 0 outside it.
    static int GradoEnPosicion(const std::vector<int> &grados, int i)
    {
        return i >= 0 && i < static_cast<int>(grados.size()) ? grados[static_cast<std::size_t>(i)] : 0;
    }
};

} // namespace norvela
