// The professional certificates screen: nine families, the sub-groups of
// the chosen family, the certificates of the sub-group under the mouse
// beside it, and a certificate's requirements, hours and description. A
// whole sub-group prints; a help figure greets the student.
#pragma once

#include "certificados.h"
#include "informes.h"
#include "pantalla.h"
#include "temporizador.h"

#include <QList>
#include <QPixmap>
#include <functional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace norvela {

// What the screen shows and remembers between events.
struct EstadoCertifica {
    FamiliasCertificados familias;
    // Line of NombresCertificados of each row (from 0) of the sub-group
    // list and of the certificate list.
    std::vector<int> LineaSubgrupo;
    std::vector<int> LineaCertificado;
    int FamiliaRaton = 0;    // row (from 1) of the family list under the mouse
    int SubgrupoRaton = 0;   // row (from 1) of the sub-group list under the mouse; 0 after a family click
    int FilaCertSel = 0;     // the family clicked, then the certificate clicked (from 1)
    int ContadorAyuda = 0;   // ticks of the help figure since it started
};

class TCertifica : public Pantalla, public ImpresionConDialogo {
    Q_OBJECT
public:
    // Built on the families its data step split off.
    TCertifica(Enlace &e, Pantallas &p, FamiliasCertificados familias);
    // Reads the certificates and their explanations and splits off the
    // requirement headings (for the catalogue too) and the families, which it
    // returns for the screen.
    static FamiliasCertificados PrepararDatos(Enlace &e);

    QLabel *degradeMapa2 = nullptr, *TilArr = nullptr, *TilIzq = nullptr, *TilDer = nullptr;
    QWidget *PanelSelTit0 = nullptr, *PanelSelTit1 = nullptr, *PanelSelTit2 = nullptr;
    QLabel *LabelTit1 = nullptr, *LabelTit2 = nullptr, *LabelTit3 = nullptr;
    QListWidget *ListSelFp = nullptr, *ListTitFP = nullptr, *ListFPExpli = nullptr;
    QWidget *PanelResul = nullptr;
    QLabel *LabelTitulo = nullptr, *LabelReq = nullptr, *LabelRequisitos = nullptr, *LabelHor = nullptr,
           *LabelHoras = nullptr, *LabelDes = nullptr;
    QWidget *PanelAyuda = nullptr;
    QLabel *chica = nullptr;
    QList<QLabel *> LabelAyu;   // LabelAyu1..LabelAyu7
    QPushButton *BotRetrocederFP = nullptr, *BotImprimir = nullptr, *BotInternet = nullptr;
    Temporizador TimerAyuda{RelojAnimaciones()}, TimerAyu{RelojAnimaciones()};

    EstadoCertifica estado;

    void FormActivate();
    void BotRetrocederFPClick();
    // Rows from 0; -1 (no row under the mouse) does nothing.
    void ListSelFpMouseMove(int fila);
    void ListSelFpMouseUp(int fila);
    void ListTitFPMouseMove(int fila);
    void ListTitFPMouseUp(int fila);
    void ListFPExpliMouseUp(int fila);
    void BotImprimirClick();
    void BotInternetMouseUp();
    void TimerAyudaTimer();
    void TimerAyuTimer();

protected:
    void showEvent(QShowEvent *evento) override;
    // A hidden screen runs no timer; showing it again starts the help anew.
    void hideEvent(QHideEvent *evento) override;
    void changeEvent(QEvent *evento) override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    // The close box goes back a view and then home, never to two screens.
    void AlVolverPorCierre() override;

private:
    void Construir();
    void Estilo();
    void Captions();
    // Back from the sub-groups to the families; false when they showed already.
    bool VolverAFamilias();
    // Only row `fila` (from 0) of `lista` selected.
    static void SeleccionarSolo(QListWidget *lista, int fila);
    static void Llenar(QListWidget *lista, const std::vector<FilaCertificado> &filas, std::vector<int> &lineas);

    QList<QPixmap> figura_;
};

} // namespace norvela
