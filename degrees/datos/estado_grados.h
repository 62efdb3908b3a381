// The view state of the degrees screen: which degree is selected and which
// of its views and list modes is active. Kept in one place so every handler
// reads and writes the same flags, and so the state can be checked without
// a widget. The flags other windows read (VistaDobles, ...) stay in the
// shared state.
#pragma once

#include <cstddef>
#include <string>
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

    // The print re-runs the views to append their lines to the report
    // instead of showing them; it clears the flag before it returns.
    bool ModoImpresion = false;

    // Views and list modes of the selection panel.
    bool ModoDeportes = false;
    bool VistaMaster = false;
    bool ModoArtes = false;
    bool ArtesMusica = false;
    bool ArtesDanza = false;
    bool ArtesDramatico = false;
    bool ArtesPlasticas = false;

    // The university (or double-degree group) of each row of the community
    // list after a map click, 0-based; as many rows as the community has.
    std::vector<int> FilaUniversidad;
    // The university whose degrees the marks grid shows (its web button).
    int UniversidadSel = 0;
    // The degree of each row of that grid (0-based row; 0 on a heading
    // row), rebuilt with it: a double click opens the row's degree.
    std::vector<int> GradoDeFilaNotas;
    // The community last clicked on the screen's map or chosen on the
    // region-map window: the heading of its lists.
    int ComunidadSel = 0;
    // The print button asks the community list's click for the double
    // degrees' report instead of their view.
    bool ImprimirDobles = false;
    // The artistic family shown: its file's lines, whole, and the plastic
    // arts' speciality names (0..UltimaEspecialidad).
    std::vector<std::string> ListaArtes;
    std::vector<std::string> EspecialidadesArtes;
    int UltimaEspecialidad = 16;
    // The lines of the double-degree view last shown (index 0 the leading
    // empty line), printed as they stand.
    std::vector<std::string> LineasDobles;

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

    // The university (or group) of community-list row `fila`; 0 outside it.
    int UniversidadEnFila(int fila) const
    {
        return GradoEnPosicion(FilaUniversidad, fila);
    }
    // The degree of a university's marks-grid row `fila`; 0 outside it.
    int GradoEnFilaNotas(int fila) const
    {
        return GradoEnPosicion(GradoDeFilaNotas, fila);
    }

private:
    // The degree at position i of a row-to-degree list; 0 outside it.
    static int GradoEnPosicion(const std::vector<int> &grados, int i)
    {
        return i >= 0 && i < static_cast<int>(grados.size()) ? grados[static_cast<std::size_t>(i)] : 0;
    }
};

} // namespace norvela
