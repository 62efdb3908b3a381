// A degree's universities and cut-off marks by community in the marks grid,
// with the stars of the region-map window; the way to the cut-off marks and
// weightings screen.
#include "grados.h"

#include "ansi.h"
#include "enlace.h"
#include "grados_dibujo.h"
#include "rejilla_accesible.h"
#include "pantallas.h"
#include "panel_efectos.h"
#include "pasarelaFP.h"
#include "universidades_grado.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace norvela {

void TForm1::MarcarComunidadesGrado(const UniversidadesGrado &u)
{
    for (int c = 1; c <= kComunidades; ++c) {
        enlace.MarcasEstrellas[c] = u.MarcasEstrellas[static_cast<size_t>(c)] ? 1 : 0;
        enlace.FilaComunidadNotas[c] = u.FilaComunidadNotas[static_cast<size_t>(c)];
    }
}

void TForm1::MostrarNotas(const UniversidadesGrado &u)
{
    GridNotas->scrollToTop();
    GridNotas->clearContents();
    const auto celdas = CeldasDeNotas(u.lineas);
    GridNotas->setRowCount(static_cast<int>(celdas.size()));
    GridNotas->clearSelection();
    GridNotas->setCurrentItem(nullptr);
    MostrarConRollo(PanelSel, 0);
    int r = 0;
    for (const CeldasNotas &c : celdas) {
        for (int col = 0; col < 2; ++col) {
            const QString texto = DesdeAnsi(col == 0 ? c.col0 : c.col1);
            auto *item = new QTableWidgetItem(texto);
            TextoAccesibleNotas(item);
            GridNotas->setItem(r, col, item);
        }
        ++r;
    }
    // The heading spans the first two rows (the title over the universities,
    // the marks' legend under it): screen readers name the columns by it.
    if (celdas.size() > 1)
        NombrarColumnas(GridNotas, {DesdeAnsi(celdas[0].col0).remove(0, 1), DesdeAnsi(celdas[1].col1)});
    MostrarConRollo(PanelSel, 1);
}

void TForm1::BotUniClick()
{
    if (enlace.VistaDobles)
        enlace.VistaDobles = false;
    if (estado.GradoDesdeMapa)
        estado.GradoSel = enlace.ElementoElegido;
    // A degree that is not in the tables selects nothing.
    if (estado.GradoSel < 0 || estado.GradoSel > enlace.NumGrados)
        estado.GradoSel = 0;
    const int g = estado.GradoSel;
    if (estado.ModoImpresion && g == 0)
        AbrirSeccionInforme(enlace);
    PanelSelTit->setText(DesdeAnsi(enlace.NombresGrado[g]).trimmed());
    RichSalidas->hide();
    if (g == 0) {
        ListSel->clear();
        GridNotas->hide();
        VentanaMapa.OcultarSiHay();
        return;
    }
    GridNotas->show();
    GridNotas->setAccessibleName(enlace.Texto(593));
    const std::string titulo = HaciaAnsi(enlace.Texto(593));
    const UniversidadesGrado u =
        estado.ModoImpresion ? UniversidadesEnInforme(enlace, g, titulo) : UniversidadesDeGrado(enlace, g, titulo);
    if (!estado.ModoImpresion)
        GuardarEnListaAux(enlace, u.lineas);
    MarcarComunidadesGrado(u);
    VentanaMapa.MostrarSiHay();
    if (!enlace.DesdeAsistente)
        GridNotas->setFocus();
    if (estado.ModoImpresion)
        return;
    MostrarNotas(u);
}

void TForm1::GridNotasDblClick(int fila)
{
    // Only on the universities-by-region path, whose grid lists degrees.
    if (!estado.MenuGradosUsado || estado.ModoGrados)
        return;
    const int d = estado.GradoEnFilaNotas(fila);
    if (d < 1 || d > enlace.NumGrados)
        return;
    enlace.ElementoElegido = d;
    estado.GradoDesdeMapa = true;
    estado.ModoGrados = true;
    BotRetrocederClick();
    BotMenuGradosClick();
    for (QPushButton *b : {BotUni, BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte, BotImprimirN})
        b->show();
    PanelSelTit->setText(DesdeAnsi(enlace.NombresGrado[d]).trimmed());
    BotUniClick();
}

void TForm1::BotCorteMouseUp()
{
    AbrirPantallaCorte(false);
}

void TForm1::BotPondeMouseUp()
{
    AbrirPantallaCorte(true);
}

// Both buttons leave the marks grid and its map for the cut-off marks
// screen, opened on its marks or on its weightings.
void TForm1::AbrirPantallaCorte(bool ponderaciones)
{
    GridNotas->hide();
    enlace.VistaDobles = false;
    VentanaMapa.OcultarSiHay();
    if (TForm6 *corte = pantallas.Como<TForm6>(Papel::NotasCorte)) {
        hide();
        corte->Mostrar();
        if (ponderaciones)
            corte->MostrarPonderaciones();
        else
            corte->MostrarNotaCorte();
    }
}

} // namespace norvela
