// The printed report of the selected degree: the universities, requirements
// and outlets views run in print mode and leave their lines in the report
// buffer, which goes to the printer chosen in the print dialog.
#include "grados.h"

#include "ansi.h"
#include "enlace.h"
#include "errores.h"
#include "informe_grado.h"

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
    explicit ModoImpresionActivo(Enlace &e) : e_(e) { e_.ModoImpresion = true; }
    ~ModoImpresionActivo() { e_.ModoImpresion = false; }
    ModoImpresionActivo(const ModoImpresionActivo &) = delete;
    ModoImpresionActivo &operator=(const ModoImpresionActivo &) = delete;

private:
    Enlace &e_;
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
    DialogoImprimir = [this](const Informe &informe) { return ImprimirConDialogo(enlace, informe, this); };
    connect(BotImprimirN, &QPushButton::clicked, this, &TForm1::BotImprimirNClick);
}

void TForm1::BotImprimirNClick()
{
    GridNotas->hide();
    // The lists of the artistic studies are not a degree report.
    if (estado.ModoArtes)
        return;
    {
        ModoImpresionActivo impresion(enlace);
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
    UltimaImpresion = DialogoImprimir(Informe::Columnas(enlace.LineasInforme, enlace.NumLineasInforme, false));
}

} // namespace norvela
