// The basic-cycle screen: titles by family group, family and title, with
// where each is taught, its requirements, what is studied and what it
// leads to; and the centres of a province by place.
#pragma once

#include "datos_fpb.h"
#include "pantalla_fp.h"
#include "titulos_fpb.h"

#include <QTimer>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace norvela {

class TEffectsPanel;
struct InformeFP;

// What the student has chosen and sees on the screen.
struct VistaIniPro {
    int GrupoRaton = 0;        // row (1-based) of the group list under the mouse
    int GrupoElegido = 0;      // the group clicked last (1..9)
    int ElementoSel = 0;       // family position (1-based) clicked last
    // Families listed in the family list, row by row.
    std::vector<int> FamiliasMostradas;
    int TituloRaton = 0;       // row (1-based) of the title list under the mouse
    int TituloFPBSel = 0;      // the chosen title: its line of "fpba"
    bool ComunidadElegidaFPB = false;
    bool ImprimiendoFPB = false;
    // Ticks of the two blinks (group heading, title name); they share it.
    int ContadorParpadeo = 0;
};

class TFIniPro : public PantallaFP {
    Q_OBJECT
public:
    TFIniPro(Enlace &e, Pantallas &p);

    QLabel *LabelFPIp1 = nullptr, *LabelAno = nullptr;
    QListWidget *ListSelFp = nullptr;
    QLabel *PanelSelTit0 = nullptr;
    TEffectsPanel *panelsel = nullptr;
    QListWidget *ListTitFP = nullptr, *ListFPExpli = nullptr, *Listsel = nullptr;
    QPushButton *BotLug = nullptr, *BotRequisitos = nullptr, *BotAsig = nullptr, *BotTra = nullptr;
    EtiquetaActiva *degradeMapa2 = nullptr;
    Parpadeo *TimerAyu = nullptr;

    TablasFPB datos;
    VistaIniPro vista;

    // The system beep of a community without centres for the title.
    std::function<void()> Pitido;

    // Opens the screen on its groups, as the main menu and the assistant do.
    void AbrirPorTitulo();

    // Group, family and title lists (rows 0-based; -1 or past the end is no row).
    void ListSelFpMouseMove(int fila);
    void ListSelFpMouseUp(int fila);
    void ListPreFamMouseDown(int fila);
    void ListTitFPMouseMove(int fila);
    void ListTitFPMouseUp(int fila);
    void BotRequisitosClick();
    void botAsigClick();
    void BotTraClick();

    // The place route and printing.
    void BotLugClick();
    void BotImprimirClick();
    void BotRetrocederFPClick();

protected:
    void AlVolverPorCierre() override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void Construir() override;
    void Estilo() override;
    void Captions() override;
    void Conectar() override;
    void CrearRuta() override;
    // The name of the chosen title, trailing blanks removed.
    QString NombreTitulo() const;
    FuentesVistaFPB Fuentes() const;
    // One of the three information views on the screen.
    void MostrarVista(VistaFPB v, int titulo);
    // The report of the chosen title in the clicked community.
    InformeFP InformeTitulo() const;
    // The report in Listsel, as it prints: Courier New 9, bold lines bold.
    void MostrarVistaPrevia(const InformeFP &informe);
    // The home screen, or the assistant when it opened the screen.
    void IrAInicio();
};

} // namespace norvela
