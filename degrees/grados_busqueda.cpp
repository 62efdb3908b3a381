// The title search above the degree browser: its result takes the place of
// a branch grid, so its rows are hovered and clicked as a branch's are.
#include "grados.h"

#include "ansi.h"
#include "busqueda_grados.h"
#include "enlace.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace norvela {

void TForm1::ConectarBusqueda()
{
    connect(BitBusTit, &QPushButton::clicked, this, &TForm1::BitBusTitClick);
    connect(EditBusTit, &QLineEdit::returnPressed, this, &TForm1::BitBusTitClick);
}

void TForm1::BitBusTitClick()
{
    // The back button reads the browser's view: after a search from the
    // branch list it leaves the browser, from a branch grid it goes back
    // to the list (RetornoMenuGrados is left as it was).
    MostrarVistaNavegador(VistaNavegador::Rejilla);
    LlenarRejilla(FilasBusqueda(enlace, HaciaAnsi(EditBusTit->text()), HaciaAnsi(enlace.Texto(571)),
                                HaciaAnsi(enlace.Texto(41))));
}

} // namespace norvela
