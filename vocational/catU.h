// The title catalogue: for one of the 26 professional families, the
// university degrees, higher, intermediate and basic cycles and the
// professional certificates that belong to it. A click on a title rolls in
// its requirements and what it leads to; the family's lists print.
#pragma once

#include "catalogo.h"
#include "informes.h"
#include "pantalla.h"

#include <QTimer>
#include <array>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace norvela {

class EtiquetaActiva;
class TEffectsPanel;

// What the screen shows and remembers between events.
struct EstadoCatalogo {
    char FamiliaCatalogo = 0;     // code of the chosen family; 0 before any
    int NumFamiliaCatalogo = 0;   // its number 1..26
    std::vector<int> InicioFamiliaFPB;
    ListasCatalogo listas;        // the five lists' items and their rows
};

class TFormCat : public Pantalla, public ImpresionConDialogo {
    Q_OBJECT
public:
    TFormCat(Enlace &e, Pantallas &p);
    // Reads the basic-cycle titles the catalogue lists.
    static void PrepararDatos(Enlace &e);

protected:
    void showEvent(QShowEvent *evento) override;
    void changeEvent(QEvent *evento) override;

private:
    // Controls are found by their object names (the members' own).
    EtiquetaActiva *degradeMapa2;
    QLabel *TilArr, *TilIzq, *TilDer;
    QLabel *LabelFami, *LabelAyu0;
    QListWidget *ListFam;
    std::array<QLabel *, kListasCatalogo> Label;          // Label1..Label5
    std::array<QListWidget *, kListasCatalogo> ListCat;   // ListCat1..ListCat5
    TEffectsPanel *panelsel;
    QTextEdit *ListSel;
    QPushButton *botcerrar, *BotRetroceder, *BotImprimir;
    QTimer TimerAyu;   // a child of the screen, named "TimerAyu"

    EstadoCatalogo estado;

    void FormActivate();
    void ListFamClick(int fila);
    // Item `fila` (from 0) of list `lista` (CatGrados..CatCertificados).
    void ListCatClick(int lista, int fila);
    void botcerrarClick();
    void BotImprimirMouseUp();
    void BotRetrocederMouseUp();
    void TimerAyuTimer();

    void Construir();
    void Estilo();
    void Captions();
    void Conectar();
    // The pop-up under (or above) list `lista`, filled by `llenar`.
    void MostrarDetalle(int lista, const std::vector<LineaDetalle> &lineas);
};

} // namespace norvela
