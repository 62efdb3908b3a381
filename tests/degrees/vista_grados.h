// The degrees screen as its tests see it: its controls found by their object
// names, as an accessibility or automation tool finds them, and what it
// remembers between events, which no control shows.
#pragma once

#include "control_por_nombre.h"
#include "grados.h"
#include "panel_efectos.h"
#include "vista_mapa.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

namespace norvela::pruebas {

struct VistaGrados {
    explicit VistaGrados(TForm1 &f)
        : pantalla(f), estado(f.Estado()), VentanaMapa(f.VentanaMapa)
        , Panelinicio(Control<QWidget>(f, QStringLiteral("Panelinicio")))
        , degradeini(Control<QLabel>(f, QStringLiteral("degradeini")))
        , TilArr(Control<QLabel>(f, QStringLiteral("TilArr")))
        , TilIzq(Control<QLabel>(f, QStringLiteral("TilIzq")))
        , TilDer(Control<QLabel>(f, QStringLiteral("TilDer")))
        , PanelEstrellas(Control<QWidget>(f, QStringLiteral("PanelEstrellas")))
        , mapa(Control<VistaMapa>(f, QStringLiteral("mapa")))
        , PanelMapa(Control<QLabel>(f, QStringLiteral("PanelMapa")))
        , ListComunidad(Control<QListWidget>(f, QStringLiteral("ListComunidad")))
        , PanelMenu(Control<TEffectsPanel>(f, QStringLiteral("PanelMenu")))
        , BotMenuGrados(Control<QPushButton>(f, QStringLiteral("BotMenuGrados")))
        , BotMenuUni(Control<QPushButton>(f, QStringLiteral("BotMenuUni")))
        , BotMenuDobles(Control<QPushButton>(f, QStringLiteral("BotMenuDobles")))
        , BotMenuInfo(Control<QPushButton>(f, QStringLiteral("BotMenuInfo")))
        , BotMenuArtes(Control<QPushButton>(f, QStringLiteral("BotMenuArtes")))
        , BotMenuDepor(Control<QPushButton>(f, QStringLiteral("BotMenuDepor")))
        , BotMenuRetro(Control<QPushButton>(f, QStringLiteral("BotMenuRetro")))
        , PanelMenu2(Control<TEffectsPanel>(f, QStringLiteral("PanelMenu2")))
        , BotMaster(Control<QPushButton>(f, QStringLiteral("BotMaster")))
        , botinfo1(Control<QPushButton>(f, QStringLiteral("botinfo1")))
        , ButEstadisticas(Control<QPushButton>(f, QStringLiteral("ButEstadisticas")))
        , botinfo2(Control<QPushButton>(f, QStringLiteral("botinfo2")))
        , botinfo3(Control<QPushButton>(f, QStringLiteral("botinfo3")))
        , PanelMenu4(Control<TEffectsPanel>(f, QStringLiteral("PanelMenu4")))
        , BotArtesPlas(Control<QPushButton>(f, QStringLiteral("BotArtesPlas")))
        , BotMusica(Control<QPushButton>(f, QStringLiteral("BotMusica")))
        , BotDanza(Control<QPushButton>(f, QStringLiteral("BotDanza")))
        , BotDramatico(Control<QPushButton>(f, QStringLiteral("BotDramatico")))
        , PanelTree(Control<TEffectsPanel>(f, QStringLiteral("PanelTree")))
        , ComboAgru(Control<QComboBox>(f, QStringLiteral("ComboAgru")))
        , ButtonRetroN(Control<QPushButton>(f, QStringLiteral("ButtonRetroN")))
        , LabelBusTit(Control<QLabel>(f, QStringLiteral("LabelBusTit")))
        , LabelBusTit2(Control<QLabel>(f, QStringLiteral("LabelBusTit2")))
        , EditBusTit(Control<QLineEdit>(f, QStringLiteral("EditBusTit")))
        , BitBusTit(Control<QPushButton>(f, QStringLiteral("BitBusTit")))
        , Listramas(Control<QListWidget>(f, QStringLiteral("Listramas")))
        , listgrados(Control<QTableWidget>(f, QStringLiteral("listgrados")))
        , Tree(Control<QTreeWidget>(f, QStringLiteral("Tree")))
        , PanelSelTit(Control<QLabel>(f, QStringLiteral("PanelSelTit")))
        , PanelCarSel(Control<QLabel>(f, QStringLiteral("PanelCarSel")))
        , PanelSel(Control<TEffectsPanel>(f, QStringLiteral("PanelSel")))
        , GridNotas(Control<QTableWidget>(f, QStringLiteral("GridNotas")))
        , ListSel(Control<QListWidget>(f, QStringLiteral("ListSel")))
        , RichSalidas(Control<QTextEdit>(f, QStringLiteral("RichSalidas")))
        , listSel2(Control<QTextEdit>(f, QStringLiteral("listSel2")))
        , LabelMaster(Control<QLabel>(f, QStringLiteral("LabelMaster")))
        , LabelMaster2(Control<QLabel>(f, QStringLiteral("LabelMaster2")))
        , BotUni(Control<QPushButton>(f, QStringLiteral("BotUni")))
        , BotReq(Control<QPushButton>(f, QStringLiteral("BotReq")))
        , BotSal(Control<QPushButton>(f, QStringLiteral("BotSal")))
        , BotDoblesCar(Control<QPushButton>(f, QStringLiteral("BotDoblesCar")))
        , BotPonde(Control<QPushButton>(f, QStringLiteral("BotPonde")))
        , BotCorte(Control<QPushButton>(f, QStringLiteral("BotCorte")))
        , BotImprimirN(Control<QPushButton>(f, QStringLiteral("BotImprimirN")))
        , BotIntUni(Control<QPushButton>(f, QStringLiteral("BotIntUni")))
        , BotArtesTit(Control<QPushButton>(f, QStringLiteral("BotArtesTit")))
        , BotArtesEsp(Control<QPushButton>(f, QStringLiteral("BotArtesEsp")))
        , BotArtesLug(Control<QPushButton>(f, QStringLiteral("BotArtesLug")))
        , BotImprimir(Control<QPushButton>(f, QStringLiteral("BotImprimir")))
        , BotRetroceder(Control<QPushButton>(f, QStringLiteral("BotRetroceder")))
        , PanelGradosT(Control<QWidget>(f, QStringLiteral("PanelGradosT")))
        , ImageGrados(Control<QLabel>(f, QStringLiteral("ImageGrados")))
        , PanelGrado(Control<QWidget>(f, QStringLiteral("PanelGrado")))
        , PanelMueve1(Control<QWidget>(f, QStringLiteral("PanelMueve1")))
        , panelmueve2(Control<QWidget>(f, QStringLiteral("panelmueve2")))
        , Panelmueve3(Control<QWidget>(f, QStringLiteral("Panelmueve3")))
        , Panelmueve4(Control<QWidget>(f, QStringLiteral("Panelmueve4")))
        , Panelmueve5(Control<QWidget>(f, QStringLiteral("Panelmueve5")))
        , Panelmueve6(Control<QWidget>(f, QStringLiteral("Panelmueve6")))
        , Panelmueve7(Control<QWidget>(f, QStringLiteral("Panelmueve7")))
        , LabelG0(Control<QLabel>(f, QStringLiteral("LabelG0")))
        , LabelG1(Control<QLabel>(f, QStringLiteral("LabelG1")))
        , LabelG2(Control<QLabel>(f, QStringLiteral("LabelG2")))
        , LabelG3(Control<QLabel>(f, QStringLiteral("LabelG3")))
        , LabelG4(Control<QLabel>(f, QStringLiteral("LabelG4")))
        , LabelG5(Control<QLabel>(f, QStringLiteral("LabelG5")))
        , LabelG6(Control<QLabel>(f, QStringLiteral("LabelG6")))
        , LabelG7(Control<QLabel>(f, QStringLiteral("LabelG7")))
        , LabelG8(Control<QLabel>(f, QStringLiteral("LabelG8")))
        , LabelG9(Control<QLabel>(f, QStringLiteral("LabelG9")))
        , LabelG10(Control<QLabel>(f, QStringLiteral("LabelG10")))
        , LabelG11(Control<QLabel>(f, QStringLiteral("LabelG11")))
        , LabelG12(Control<QLabel>(f, QStringLiteral("LabelG12")))
        , LabelGT(Control<QLabel>(f, QStringLiteral("LabelGT")))
        , LabelGTexto(Control<QLabel>(f, QStringLiteral("LabelGTexto")))
        , MarcoFrase(Control<QWidget>(f, QStringLiteral("MarcoFrase")))
        , BotAvanza(Control<QPushButton>(f, QStringLiteral("BotAvanza")))
        , BotAcabarG(Control<QPushButton>(f, QStringLiteral("BotAcabarG")))
        , Timergrado(Control<QTimer>(f, QStringLiteral("Timergrado")))
        , Timerfrase(Control<QTimer>(f, QStringLiteral("Timerfrase")))
    {
    }
    TForm1 &pantalla;
    const EstadoGrados &estado;
    VentanaMapaRegiones &VentanaMapa;
    QWidget *Panelinicio;
    QLabel *degradeini;
    QLabel *TilArr;
    QLabel *TilIzq;
    QLabel *TilDer;
    QWidget *PanelEstrellas;
    VistaMapa *mapa;
    QLabel *PanelMapa;
    QListWidget *ListComunidad;
    TEffectsPanel *PanelMenu;
    QPushButton *BotMenuGrados;
    QPushButton *BotMenuUni;
    QPushButton *BotMenuDobles;
    QPushButton *BotMenuInfo;
    QPushButton *BotMenuArtes;
    QPushButton *BotMenuDepor;
    QPushButton *BotMenuRetro;
    TEffectsPanel *PanelMenu2;
    QPushButton *BotMaster;
    QPushButton *botinfo1;
    QPushButton *ButEstadisticas;
    QPushButton *botinfo2;
    QPushButton *botinfo3;
    TEffectsPanel *PanelMenu4;
    QPushButton *BotArtesPlas;
    QPushButton *BotMusica;
    QPushButton *BotDanza;
    QPushButton *BotDramatico;
    TEffectsPanel *PanelTree;
    QComboBox *ComboAgru;
    QPushButton *ButtonRetroN;
    QLabel *LabelBusTit;
    QLabel *LabelBusTit2;
    QLineEdit *EditBusTit;
    QPushButton *BitBusTit;
    QListWidget *Listramas;
    QTableWidget *listgrados;
    QTreeWidget *Tree;
    QLabel *PanelSelTit;
    QLabel *PanelCarSel;
    TEffectsPanel *PanelSel;
    QTableWidget *GridNotas;
    QListWidget *ListSel;
    QTextEdit *RichSalidas;
    QTextEdit *listSel2;
    QLabel *LabelMaster;
    QLabel *LabelMaster2;
    QPushButton *BotUni;
    QPushButton *BotReq;
    QPushButton *BotSal;
    QPushButton *BotDoblesCar;
    QPushButton *BotPonde;
    QPushButton *BotCorte;
    QPushButton *BotImprimirN;
    QPushButton *BotIntUni;
    QPushButton *BotArtesTit;
    QPushButton *BotArtesEsp;
    QPushButton *BotArtesLug;
    QPushButton *BotImprimir;
    QPushButton *BotRetroceder;
    QWidget *PanelGradosT;
    QLabel *ImageGrados;
    QWidget *PanelGrado;
    QWidget *PanelMueve1;
    QWidget *panelmueve2;
    QWidget *Panelmueve3;
    QWidget *Panelmueve4;
    QWidget *Panelmueve5;
    QWidget *Panelmueve6;
    QWidget *Panelmueve7;
    QLabel *LabelG0;
    QLabel *LabelG1;
    QLabel *LabelG2;
    QLabel *LabelG3;
    QLabel *LabelG4;
    QLabel *LabelG5;
    QLabel *LabelG6;
    QLabel *LabelG7;
    QLabel *LabelG8;
    QLabel *LabelG9;
    QLabel *LabelG10;
    QLabel *LabelG11;
    QLabel *LabelG12;
    QLabel *LabelGT;
    QLabel *LabelGTexto;
    QWidget *MarcoFrase;
    QPushButton *BotAvanza;
    QPushButton *BotAcabarG;
    QTimer *Timergrado;
    QTimer *Timerfrase;
};

} // namespace norvela::pruebas
