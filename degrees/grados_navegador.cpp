// The degree browser: the branch list, the grid of a branch, the four
// trees of the grouping box, and the selection of a degree.
#include "grados.h"

#include "ansi.h"
#include "enlace.h"
#include "grados_dibujo.h"
#include "panel_efectos.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolTip>
#include <QTreeWidget>

namespace norvela {

namespace {

constexpr int kRolNodo = Qt::UserRole + 2;
constexpr int kDesplazamientoNavegador = 60;

} // namespace

void TForm1::MostrarVistaNavegador(VistaNavegador vista)
{
    estado.Vista = vista;
    Listramas->setVisible(vista == VistaNavegador::Ramas);
    listgrados->setVisible(vista == VistaNavegador::Rejilla);
    Tree->setVisible(vista == VistaNavegador::Arbol);
}

void TForm1::BotMenuGradosClick()
{
    PanelSel->move(PanelSel->x(), estado.TopePanelSel + kDesplazamientoNavegador);
    PanelSelTit->move(PanelSelTit->x(), estado.TopePanelSelTit + kDesplazamientoNavegador);
    PanelCarSel->move(PanelCarSel->x(), estado.TopePanelCarSel + kDesplazamientoNavegador);
    RichSalidas->move(RichSalidas->x(), LabelMaster->y());
    estado.MenuGradosUsado = true;
    estado.ModoGrados = true;
    PanelMenu->hide();
    PanelSel->show();
    PanelSelTit->show();
    PanelTree->show();
    MostrarVistaNavegador(VistaNavegador::Ramas);

    Listramas->clear();
    estado.RetornoMenuGrados = true;
    for (int b = 0; b < 5; ++b)
        Listramas->addItem(DesdeAnsi(enlace.NombresRamas[b]).trimmed());
    Listramas->addItem(enlace.Texto(523));
}

void TForm1::LlenarRejilla(const std::vector<FilaNavegador> &filas)
{
    // The row-to-degree list is rebuilt with the rows: a click can only
    // reach a degree of this listing.
    estado.GradoDeFila.clear();
    listgrados->clearContents();
    listgrados->setRowCount(static_cast<int>(filas.size()));
    const QString cabeceraHint = enlace.Texto(538);
    int r = 0;
    for (const FilaNavegador &fila : filas) {
        auto *nombre = new QTableWidgetItem(DesdeAnsi(fila.texto));
        nombre->setData(DibujoRejillaGrados::kRolCabecera, fila.cabecera);
        auto *marca = new QTableWidgetItem(DesdeAnsi(fila.marca));
        if (!fila.marca.empty()) {
            const QString hint = DesdeAnsi(TextoEnlaces(enlace, fila.grado, HaciaAnsi(cabeceraHint)));
            nombre->setToolTip(hint);
            marca->setToolTip(hint);
            // The mark is only a sign: screen readers say what it stands for.
            marca->setData(Qt::AccessibleTextRole, hint.simplified());
        }
        listgrados->setItem(r, 0, nombre);
        listgrados->setItem(r, 1, marca);
        estado.GradoDeFila.push_back(fila.grado);
        ++r;
    }
    listgrados->clearSelection();
    listgrados->scrollToTop();
}

void TForm1::ListramasClick(int item)
{
    if (item < 0 || item >= Listramas->count())
        return;
    MostrarVistaNavegador(VistaNavegador::Rejilla);
    LlenarRejilla(FilasRama(enlace, item + 1));
    estado.RetornoMenuGrados = false;
    listgrados->setFocus();
}

void TForm1::MostrarBotonesSeleccion()
{
    for (QPushButton *b : {BotUni, BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte, BotMaster, BotImprimirN})
        b->show();
}

void TForm1::SeleccionarGrado()
{
    MostrarBotonesSeleccion();
    const int g = enlace.NombresGrado.Contiene(estado.GradoSel) ? estado.GradoSel : 0;
    PanelSelTit->setText(DesdeAnsi(enlace.NombresGrado[g]).trimmed());
    BotUniClick();
}

void TForm1::listgradosMouseUp(int fila)
{
    if (fila < 0 || fila >= listgrados->rowCount())
        return;
    estado.GradoSel = estado.GradoEnFila(fila);
    enlace.VistaDobles = false;
    estado.GradoDesdeMapa = false;
    SeleccionarGrado();
}

void TForm1::LlenarArbol(const std::vector<NodoArbol> &nodos)
{
    Tree->clear();
    estado.GradoDeNodo.clear();
    QTreeWidgetItem *arriba = nullptr;
    int k = 0;
    for (const NodoArbol &nodo : nodos) {
        QTreeWidgetItem *item = nullptr;
        if (nodo.nivel == 0 || !arriba) {
            item = new QTreeWidgetItem(Tree);
            arriba = item;
        } else {
            item = new QTreeWidgetItem(arriba);
        }
        item->setText(0, DesdeAnsi(nodo.texto));
        item->setIcon(0, ImageList1.value(nodo.imagen));
        item->setData(0, kRolNodo, k++);
        estado.GradoDeNodo.push_back(nodo.grado);
    }
}

void TForm1::ComboAgruChange(int item)
{
    MostrarVistaNavegador(VistaNavegador::Arbol);
    const auto agrupacion = static_cast<Agrupacion>(item + 1);
    switch (agrupacion) {
    case Agrupacion::PorRamas:
        BotMenuGradosClick();
        return;
    case Agrupacion::PorGrupos:
        estado.ArbolDeGrupos = true;
        break;
    case Agrupacion::PorActividad:
    case Agrupacion::PorItinerario:
    case Agrupacion::Alfabetica:
        estado.ArbolDeGrupos = false;
        break;
    default:
        return;
    }
    LlenarArbol(ArbolDe(enlace, agrupacion));
}

void TForm1::TreeClick()
{
    estado.GradoDesdeMapa = false;
    if (QTreeWidgetItem *item = Tree->currentItem()) {
        const bool hijo = item->parent() != nullptr;
        int imagen = kImagenSeleccion;
        if (!hijo)
            imagen = estado.ArbolDeGrupos ? (item->childCount() == 0 ? kImagenSeleccion : kImagenEncabezado) : 0;
        // The selected node shows its selected image until another one is chosen.
        for (QTreeWidgetItemIterator it(Tree); *it; ++it) {
            const int nodo = (*it)->data(0, kRolNodo).toInt();
            (*it)->setIcon(0, ImageList1.value(estado.GradoEnNodo(nodo) ? kImagenGrado : kImagenEncabezado));
        }
        item->setIcon(0, ImageList1.value(imagen));
    }
    Tree->viewport()->update();
    TreeDblClick();
}

void TForm1::TreeDblClick()
{
    QTreeWidgetItem *item = Tree->currentItem();
    if (!item)
        return;
    MostrarVistaNavegador(VistaNavegador::Arbol);
    const int grado = estado.GradoEnNodo(item->data(0, kRolNodo).toInt());
    if (grado == 0) {
        ListSel->clear();
        RichSalidas->clear();
        VentanaMapa.OcultarSiHay();
        PanelSelTit->clear();
        return;
    }
    estado.GradoSel = grado;
    enlace.VistaDobles = false;
    estado.GradoDesdeMapa = false;
    SeleccionarGrado();
}

void TForm1::ButtonRetroNClick()
{
    if (!estado.RetornoMenuGrados) {
        BotMenuGradosClick();
        return;
    }
    // The branch list, or a search made from it: leave the browser.
    if (estado.Vista != VistaNavegador::Arbol) {
        estado.GradoDesdeMapa = false;
        PanelTree->hide();
        VentanaMapa.OcultarSiHay();
        BotRetrocederClick();
        return;
    }
    BotMenuGradosClick();
}

} // namespace norvela
