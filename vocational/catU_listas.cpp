// The catalogue's lists of a family, the details pop-up of a title and the
// printed lists.
#include "catU.h"

#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "requisitos_grado.h"
#include "transiciones_paneles.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

namespace norvela {

void TFormCat::ListFamClick(int fila)
{
    if (fila < 0 || fila >= enlace.NumFamilias)
        return;
    const std::string &registro = enlace.NombresFamilias[fila + 1];
    estado.FamiliaCatalogo = registro.empty() ? ' ' : registro[0];
    panelsel->hide();
    estado.NumFamiliaCatalogo = NumeroDeCodigo(estado.FamiliaCatalogo);
    estado.listas = ListasDeFamilia(enlace, estado.InicioFamiliaFPB, estado.FamiliaCatalogo);
    for (int k = 0; k < kListasCatalogo; ++k) {
        QListWidget *l = ListCat[static_cast<size_t>(k)];
        l->clear();
        for (const EntradaCatalogo &item : estado.listas[static_cast<size_t>(k)]) {
            auto *i = new QListWidgetItem(DesdeAnsi(item.texto), l);
            // A note is read, not opened.
            if (item.indice == 0) {
                i->setFlags(Qt::ItemIsEnabled);
                QFont f = l->font();
                f.setItalic(true);
                i->setFont(f);
            }
        }
    }
    BotImprimir->setEnabled(true);
}

void TFormCat::ListCatClick(int lista, int fila)
{
    if (lista < 0 || lista >= kListasCatalogo || fila < 0)
        return;
    const auto &items = estado.listas[static_cast<size_t>(lista)];
    if (fila >= static_cast<int>(items.size()) || items[static_cast<size_t>(fila)].indice == 0)
        return;
    const int indice = items[static_cast<size_t>(fila)].indice;
    std::vector<LineaDetalle> lineas;
    switch (lista) {
    case CatGrados:
        // The degree's requirements, as the degrees screen words them.
        for (const std::string &s : RequisitosParaCatalogo(enlace, indice))
            lineas.push_back({QuitarBlancosFinales(s), !s.empty() && s[0] == '-'});
        break;
    case CatSuperior:
        lineas = DetalleSuperior(enlace, indice);
        break;
    case CatMedio:
        lineas = DetalleMedio(enlace, indice, estado.FamiliaCatalogo);
        break;
    case CatBasica:
        lineas = DetalleBasica(enlace, indice);
        break;
    default:
        lineas = DetalleCertificado(enlace, indice);
        break;
    }
    MostrarDetalle(lista, lineas);
}

void TFormCat::MostrarDetalle(int lista, const std::vector<LineaDetalle> &lineas)
{
    QListWidget *l = ListCat[static_cast<size_t>(lista)];
    // Under the upper lists, above the two lower ones; never over "Volver"
    // and "Imprimir", which stay within reach while it shows.
    const int encimaBotones = BotRetroceder->y() - panelsel->height() - 2;
    const int arriba =
        lista <= CatMedio ? std::min(l->y() + l->height(), encimaBotones) : l->y() - panelsel->height() - 2;
    panelsel->move(panelsel->x(), arriba);
    panelsel->show();
    panelsel->raise();
    const auto llenar = [this, lista, &lineas] {
        ListSel->clear();
        QTextCursor c(ListSel->document());
        QTextCharFormat normal, encabezado;
        normal.setForeground(Qt::black);
        encabezado.setForeground(paleta::ColorTitulo);
        encabezado.setFontWeight(QFont::Bold);
        bool primera = true;
        for (const LineaDetalle &linea : lineas) {
            if (!primera)
                c.insertBlock();
            primera = false;
            c.insertText(DesdeAnsi(linea.texto), linea.encabezado ? encabezado : normal);
        }
        if (lista == CatSuperior || lista == CatMedio || lista == CatBasica)
            ListSel->moveCursor(QTextCursor::Start);
        ListSel->verticalScrollBar()->setValue(0);
    };
    if (TransicionesPaneles *efectos = pantallas.Transiciones; efectos && isVisible())
        efectos->CambiarConRollo(panelsel, llenar);
    else
        llenar();
    panelsel->show();
}

void TFormCat::BotImprimirMouseUp()
{
    if (estado.FamiliaCatalogo == 0)
        return;
    std::array<std::string, kListasCatalogo> captions;
    for (int k = 0; k < kListasCatalogo; ++k)
        captions[static_cast<size_t>(k)] = HaciaAnsi(Label[static_cast<size_t>(k)]->text().trimmed());
    const int f = estado.NumFamiliaCatalogo;
    const std::string nombre = f >= 1 && f <= enlace.NumFamilias ? enlace.NombresFamilias[f].substr(1) : std::string();
    const InformeFP informe = InformeCatalogo(enlace.Textos[103], nombre, captions, estado.listas);
    VolcarInforme(informe, enlace);
    Imprimir(Informe::Lista(enlace.LineasInforme, enlace.NumLineasInforme, false, 12));
}

} // namespace norvela
