// The basic-cycle screen: titles by family group, family and title, with
// where each is taught, its requirements, what is studied and what it
// leads to; and the centres of a province by place.
#pragma once

#include "datos_fpb.h"
#include "estado_basica.h"
#include "pantalla_fp.h"
#include "titulos_fpb.h"

#include <QTimer>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace norvela {

class TEffectsPanel;
struct InformeFP;

class TFIniPro : public PantallaFP {
    Q_OBJECT
public:
    // Built on the tables its data step returned.
    TFIniPro(Enlace &e, Pantallas &p, TablasFPB tablas);
    // The basic level's files (its offer, titles and subjects into `e`, its
    // own tables returned for the screen), then the province codes; nothing
    // after a missing file.
    static TablasFPB PrepararDatos(Enlace &e);

    // Opens the screen on its groups, as the main menu and the assistant do.
    void AbrirPorTitulo();
    // The system beep of a community without centres for the title.
    std::function<void()> Pitido;
    const EstadoBasica &Propio() const { return propio; }
    // The basic level's tables, as loaded.
    TablasFPB &Datos() { return datos; }

protected:
    void AlVolverPorCierre() override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QLabel *LabelFPIp1 = nullptr, *LabelAno = nullptr;
    QListWidget *ListSelFp = nullptr;
    QLabel *PanelSelTit0 = nullptr;
    TEffectsPanel *panelsel = nullptr;
    QListWidget *ListTitFP = nullptr, *ListFPExpli = nullptr, *Listsel = nullptr;
    QPushButton *BotLug = nullptr, *BotRequisitos = nullptr, *BotAsig = nullptr, *BotTra = nullptr;
    EtiquetaActiva *degradeMapa2 = nullptr;
    Parpadeo *TimerAyu = nullptr;

    TablasFPB datos;
    EstadoBasica propio;

    // Group, family and title lists (rows 0-based; -1 or past the end is no row).
    void ListSelFpMouseMove(int fila);
    void ListSelFpMouseUp(int fila);
    void ListTitFPMouseMove(int fila);
    void ListTitFPMouseUp(int fila);
    void BotRequisitosClick();
    void botAsigClick();
    void BotTraClick();

    // The place route and printing.
    void BotLugClick();
    void BotImprimirClick();
    void BotRetrocederFPClick();

    void Construir() override;
    void Estilo() override;
    void Captions() override;
    void Conectar() override;
    void CrearRuta() override;
    // Every row of the family list is a family (no back row), each with its own icon.
    int IconoDeFamilia(size_t k, int familia, int primera, int anterior) const override;
    // A family's titles are listed: its titles' explanation list shows, empty.
    void TitulosListados() override;
    // The family of the family row last pressed.
    std::optional<int> FamiliaElegida() const;
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
