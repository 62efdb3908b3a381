// Printing on the basic-cycle screen: the report of a title with the
// centres of the clicked community, and the centre list of a province.
#include "inipro.h"

#include "ansi.h"
#include "enlace.h"
#include "informe_fpb.h"
#include "mensajes.h"
#include "ruta_lugares_fp.h"

#include <QListWidget>
#include <QTableWidget>
#include <algorithm>

namespace norvela {

InformeFP TFIniPro::InformeTitulo() const
{
    const int t = estado.TituloSel;
    const FuentesVistaFPB f = Fuentes();
    VistasTitulo v;
    v.secciones = {LineasInformeVistaFPB(VistaFPB::Requisitos, f, t),
                   LineasInformeVistaFPB(VistaFPB::Asignaturas, f, t),
                   LineasInformeVistaFPB(VistaFPB::Salidas, f, t)};
    return InformeTituloFPB(Ruta->Nivel(), enlace.Textos, enlace, t, v, Ruta->lugar.ComunidadSel,
                            CentrosTituloEnComunidad(enlace, Ruta->lugar, Ruta->Nivel(), t));
}

void TFIniPro::MostrarVistaPrevia(const InformeFP &informe)
{
    reja->hide();
    Listsel->show();
    Listsel->clear();
    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    Listsel->setFont(courier);
    // Whole report lines are wider than the list: they scroll sideways.
    Listsel->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont negrita = courier;
    negrita.setBold(true);
    for (size_t k = 0; k < informe.lineas.size(); ++k) {
        auto *item = new QListWidgetItem(DesdeAnsi(informe.lineas[k]), Listsel);
        const int linea = static_cast<int>(k) + 1;
        if (std::find(informe.negritas.begin(), informe.negritas.end(), linea) != informe.negritas.end())
            item->setFont(negrita);
    }
    Listsel->scrollToTop();
}

void TFIniPro::BotImprimirClick()
{
    // Set while the handler runs, whichever way it ends.
    struct Imprimiendo {
        bool &b;
        explicit Imprimiendo(bool &bandera) : b(bandera) { b = true; }
        ~Imprimiendo() { b = false; }
    } imprimiendo(estado.Imprimiendo);
    enlace.NumLineasInforme = 0;

    if (Ruta->estado.RutaPorLugar) {
        // Only once a province has been chosen: its centres are the list.
        const std::optional<InformeFP> informe = Ruta->InformeDeLista();
        if (!informe)
            return;
        VolcarInforme(*informe, enlace);
    } else {
        if (!propio.ComunidadElegidaFPB) {
            enlace.Avisos().Aviso(T(585));
            return;
        }
        const InformeFP informe = InformeTitulo();
        VolcarInforme(informe, enlace);
        MostrarVistaPrevia(informe);
    }
    Imprimir(Informe::Lista(enlace.LineasInforme, enlace.NumLineasInforme, true, 10));
}

} // namespace norvela
