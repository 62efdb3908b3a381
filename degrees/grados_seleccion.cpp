// The selection list's print button: the masters text, the double degrees
// of a degree, the details of a sports or other study, or the degrees and
// cut-off marks of a university, each printed on the printer chosen in the
// print dialog.
#include "grados.h"

#include "ansi.h"
#include "comunidad_grados.h"
#include "enlace.h"
#include "informe_fp.h"
#include "universidades_grado.h"

#include <QListWidget>
#include <QTableWidget>
#include <QTextEdit>

namespace norvela {

void TForm1::BotImprimirClick()
{
    if (estado.VistaMaster) {
        UltimaImpresion = ImprimirDocumentoConDialogo(enlace, *RichSalidas->document(), QStringLiteral("Master"), this);
        return;
    }
    const int fila = ListComunidad->currentRow();
    if (fila < 0)
        return;
    InformeFP informe;
    bool courier = true;
    if (enlace.VistaDobles) {
        estado.ImprimirDobles = true;
        ListComunidadClick();
        // A request the click did not take (another list is shown) goes.
        estado.ImprimirDobles = false;
        return;
    }
    if (estado.ModoDeportes) {
        estado.GradoSel = fila + 1;
        const std::string nombre = estado.GradoSel <= enlace.NumOtros ? enlace.NombresOtros[estado.GradoSel] : "";
        informe = InformeOtros(enlace.Textos[290], nombre, DetallesOtros(enlace, estado.GradoSel));
    } else {
        const int u = estado.UniversidadEnFila(fila);
        if (u < 1 || u > enlace.NumUniversidades)
            return;
        std::vector<CeldasNotas> celdas;
        for (int r = 0; r < GridNotas->rowCount(); ++r) {
            const auto celda = [this, r](int c) {
                const QTableWidgetItem *item = GridNotas->item(r, c);
                return item ? HaciaAnsi(item->text()) : std::string();
            };
            celdas.push_back({celda(0), celda(1)});
        }
        informe = InformeUniversidad(enlace.Textos[289], enlace.Textos[48], enlace.Textos[296],
                                     enlace.NombresUniversidad[u], celdas);
    }
    VolcarInforme(informe, enlace);
    Imprimir(Informe::Lista(enlace.LineasInforme, informe.NumLineas(), courier, 10));
    estado.ModoImpresion = false;
}

} // namespace norvela
