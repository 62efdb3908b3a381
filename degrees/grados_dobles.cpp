// Double degrees on the degrees screen: the start menu's list of the degrees
// that take part in one, a degree's double degrees by university in the
// marks grid, and the region-map window that goes with the grid.
#include "grados.h"

#include "MapaEstrellas.h"
#include "ansi.h"
#include "cadenas.h"
#include "dobles_grado.h"
#include "enlace.h"
#include "paleta.h"
#include "panel_efectos.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace norvela {

void TForm1::ConectarMapa(TForm7 &mapa)
{
    TForm7 *ventana = &mapa;
    VentanaMapa = {[ventana] { ventana->MostrarConMarcas(); }, [ventana] { ventana->OcultarConMarcas(); }};
    mapa.AlElegirComunidad = [this](int c) { ElegirComunidadMapa(c); };
    mapa.AlDesplazarNotas = [this](int, int fila) { DesplazarNotas(fila); };
    mapa.AlListarDobles = [this](int c) { ListarDoblesComunidad(c); };
}

void TForm1::ElegirComunidadMapa(int comunidad)
{
    if (comunidad >= 1 && comunidad <= kNumComunidades)
        estado.ComunidadSel = comunidad;
}

void TForm1::DesplazarNotas(int fila)
{
    Completar();
    // The row comes from the last universities list: the grid may hold
    // another list by now.
    if (fila < 1 || fila >= GridNotas->rowCount())
        return;
    if (QTableWidgetItem *celda = GridNotas->item(fila, 0))
        GridNotas->scrollToItem(celda, QAbstractItemView::PositionAtTop);
}

void TForm1::ListarDoblesComunidad(int comunidad)
{
    Completar();
    const auto filas = RejillaDoblesComunidad(enlace, estado.GradoSel, comunidad, enlace.Textos[242],
                                              enlace.Textos[593]);
    // No degree selected, or not a community: the grid stays as it is.
    if (filas.empty())
        return;
    MostrarFilasDobles(filas);
}

void TForm1::MostrarFilasDobles(const std::vector<FilaRejillaDobles> &filas)
{
    GridNotas->setAccessibleName(enlace.Texto(242));
    GridNotas->show();
    listSel2->hide();
    ListSel->hide();
    GridNotas->scrollToTop();
    GridNotas->clearContents();
    GridNotas->setRowCount(static_cast<int>(filas.size()));
    int r = 0;
    for (const FilaRejillaDobles &f : filas) {
        GridNotas->setItem(r, 0, new QTableWidgetItem(DesdeAnsi(f.col0)));
        GridNotas->setItem(r, 1, new QTableWidgetItem(DesdeAnsi(f.col1)));
        ++r;
    }
    GridNotas->clearSelection();
    GridNotas->setCurrentItem(nullptr);
}

void TForm1::BotMenuDoblesClick()
{
    PanelMenu2->hide();
    enlace.VistaDobles = true;
    estado.ModoDeportes = false;
    estado.ArtesPlasticas = false;
    // The map window goes with the marks grid, which this list replaces.
    VentanaMapa.OcultarSiHay();

    const auto filas = ListaMenuDobles(enlace);
    enlace.FPSuperiorActivo = false;
    PanelMenu->hide();
    PanelSelTit->setText(enlace.Texto(242));
    PanelSelTit->show();
    PanelSel->show();
    BotRetroceder->show();
    ListComunidad->clear();
    ListComunidad->setAccessibleName(enlace.Texto(242));
    ListComunidad->show();

    estado.FilaGradoDobles.clear();
    QFont negrita = ListComunidad->font();
    negrita.setBold(true);
    for (const FilaMenuDobles &f : filas) {
        // Names come padded to 60: the blanks would only widen the list.
        auto *item = new QListWidgetItem(DesdeAnsi(QuitarBlancosFinales(f.texto)), ListComunidad);
        if (f.encabezado) {
            item->setForeground(paleta::ColorGranate);
            item->setFont(negrita);
        }
        estado.FilaGradoDobles.push_back(f.grado);
    }
    estado.ModoGrados = true;
}

void TForm1::BotDoblesCarMouseUp()
{
    if (estado.GradoDesdeMapa)
        estado.GradoSel = enlace.ElementoElegido;
    const int g = estado.GradoSel;
    if (g < 1 || g > enlace.NumGrados)
        return;
    enlace.VistaDobles = true;
    PanelSelTit->setText(enlace.Texto(242));
    RichSalidas->hide();

    MarcarComunidadesDobles(enlace, g, enlace.MarcasEstrellas);
    MostrarFilasDobles(RejillaDoblesGrado(enlace, g, enlace.Textos[242], enlace.Textos[393], enlace.Textos[593]));
    VentanaMapa.MostrarSiHay();
}

} // namespace norvela
