// The printed report of the selected degree: the universities, requirements
// and outlets views run in print mode and leave their lines in the report
// buffer, which goes to the printer chosen in the print dialog.
#include "grados.h"

#include "ansi.h"
#include "enlace.h"
#include "errores.h"
#include "artes_grados.h"
#include "cadenas.h"
#include "informe_grado.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace norvela {

namespace {

// Print mode lasts one report, also when a view fails half way.
class ModoImpresionActivo {
public:
    explicit ModoImpresionActivo(bool &modo) : modo_(modo) { modo_ = true; }
    ~ModoImpresionActivo() { modo_ = false; }
    ModoImpresionActivo(const ModoImpresionActivo &) = delete;
    ModoImpresionActivo &operator=(const ModoImpresionActivo &) = delete;

private:
    bool &modo_;
};

// The paragraphs of the outlets view as it shows them (bullets without
// their mark).
std::vector<std::string> ParrafosDe(const QTextDocument &documento)
{
    std::vector<std::string> parrafos;
    for (QTextBlock b = documento.begin(); b.isValid(); b = b.next())
        parrafos.push_back(HaciaAnsi(b.text()));
    return parrafos;
}

} // namespace

void TForm1::ConectarInforme()
{
    connect(BotImprimirN, &QPushButton::clicked, this, &TForm1::BotImprimirNClick);
}

void TForm1::BotImprimirNClick()
{
    GridNotas->hide();
    if (estado.ModoArtes) {
        ImprimirListaArtes();
        return;
    }
    {
        ModoImpresionActivo impresion(estado.ModoImpresion);
        enlace.NumLineasInforme = 0;
        if (!AbrirInformeGrado(enlace, estado.GradoSel, HaciaAnsi(enlace.Texto(522))))
            return;
        try {
            BotUniClick();
            BotReqClick();
            RichSalidas->clear();
            BotSalClick();
            ComponerInformeGrado(enlace, HaciaAnsi(enlace.Texto(278)), ParrafosDe(*RichSalidas->document()));
        } catch (const ErrorDatos &error) {
            enlace.Avisos().Aviso(error.Mensaje());
            return;
        } catch (const ErrorIndice &error) {
            enlace.Avisos().Aviso(QString::fromUtf8(error.what()));
            return;
        }
    }
    Imprimir(Informe::Columnas(enlace.LineasInforme, enlace.NumLineasInforme, false));
}

// The shown artistic family: its heading, its titles and specialities and
// its centres, as the list shows them afterwards.
void TForm1::ImprimirListaArtes()
{
    const FamiliaArtes f = estado.ArtesPlasticas ? FamiliaArtes::Plasticas
                           : estado.ArtesMusica  ? FamiliaArtes::Musica
                           : estado.ArtesDanza   ? FamiliaArtes::Danza
                                                 : FamiliaArtes::Dramatico;
    const int encabezado = f == FamiliaArtes::Plasticas ? 529
                           : f == FamiliaArtes::Musica  ? 530
                           : f == FamiliaArtes::Danza   ? 531
                                                        : 532;
    TablaTexto &informe = enlace.LineasInforme;
    int n = 0;
    {
        ModoImpresionActivo impresion(estado.ModoImpresion);
        informe.Poner(0, QuitarBlancosFinales(enlace.Textos[encabezado]));
        informe.Poner(++n, std::string());
        const InformeArtes lista = LineasInformeArtes(estado.ListaArtes, f);
        for (const std::string &l : lista.lineas)
            informe.Poner(++n, l);
        if (lista.lugares) {
            // The centres' views, in print mode, go on from line n.
            enlace.NumLineasInforme = n;
            if (f == FamiliaArtes::Plasticas)
                mapaClick();
            else
                BotArtesLugClick();
            n = enlace.NumLineasInforme;
        }
    }
    ListSel->clear();
    int negritas = 0;
    for (int j = 0; j <= n; ++j) {
        const std::string &linea = informe[j];
        if (!linea.empty() && linea[0] == '-')
            enlace.LineasNegrita[++negritas] = j;
        ListSel->addItem(DesdeAnsi(linea));
    }
    enlace.LineasNegrita[0] = negritas;
    enlace.NumLineasInforme = n;
    Imprimir(Informe::Lista(informe, n, false, 12));
}

} // namespace norvela
