// What the FP screens share when they print a title sheet: the panel where
// the student picks the communities of a sheet that would be too long, and
// the sheet's preview in the views' list.
#pragma once

#include "informe_fp.h"
#include "informe_fp_seleccion.h"

#include <QObject>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace norvela {

class Enlace;

class SeleccionImpresionFP : public QObject {
    Q_OBJECT
public:
    // The panel (hidden) on `pantalla` at x, y: two help lines, the picked
    // communities and the accept button.
    SeleccionImpresionFP(Enlace &e, QWidget *pantalla, int x, int y);

    QWidget *PanelImp;
    QLabel *LabelSelCom1, *LabelSelCom2;
    QListWidget *ListImp;
    QPushButton *BotAceptar;
    // The communities picked, row for row with ListImp; the screen's own.
    SeleccionComunidadesFP seleccion;

    // A selection is open: a community clicked on the map goes to it.
    bool Abierta() const { return seleccion.SeleccionImpresion; }

    // Texts 558 + 559 and 560 + 561 over the list, text 19 on the button.
    void Captions();
    // The sheet was too long: the panel shows with nothing picked.
    void Pedir();
    // Community c was clicked on the map: picked once, at the end of the list.
    void Anadir(int c);
    // Row i of the list was clicked: that community is no longer picked.
    void ListImpClick(int i);
    // The selection is over (printed, or the student went back): nothing
    // picked, panel hidden.
    void Terminar();
    // The accept button: when a selection is open, the panel goes and true
    // is returned, the picked communities kept for the sheet.
    bool Aceptar();

private:
    Enlace &e_;
};

// The sheet in the views' list as it will print: Courier New of the
// program's size, its bold lines bold, the list back to `alto` pixels high.
void MostrarVistaPreviaFP(QListWidget *lista, const InformeFP &informe, int ajusteFuente, int alto);

} // namespace norvela
