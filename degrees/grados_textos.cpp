// The text views of a degree on the degrees screen: its requirements with
// the judgement of its cut-off marks, its profile and outlets, and the
// masters text with the link to the register of official degrees.
#include "grados.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "cadenas.h"
#include "enlace.h"
#include "errores.h"
#include "panel_efectos.h"
#include "parrafos_texto.h"
#include "requisitos_grado.h"
#include "salidas_grado.h"
#include "universidades_grado.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextEdit>

namespace norvela {

namespace {

// Runs a reading of a text file; a file that cannot be read is reported as
// a missing one (the views stay as they were). False when it failed.
template <typename F> bool Leer(Enlace &e, F &&lectura)
{
    try {
        lectura();
        return true;
    } catch (const ErrorEntradaSalida &error) {
        e.AvisarFaltaFichero(error.Fichero());
    } catch (const ErrorDatos &error) {
        e.Avisos().Aviso(error.Mensaje());
    }
    return false;
}

void AlPrincipio(QTextEdit *texto)
{
    QTextCursor cursor = texto->textCursor();
    cursor.movePosition(QTextCursor::Start);
    texto->setTextCursor(cursor);
    texto->ensureCursorVisible();
}

} // namespace

QString TForm1::NombreGrado(int g) const
{
    return DesdeAnsi(enlace.NombresGrado[enlace.NombresGrado.Contiene(g) ? g : 0]).trimmed();
}

void TForm1::BotReqClick()
{
    GridNotas->hide();
    enlace.VistaDobles = false;
    if (estado.GradoDesdeMapa)
        estado.GradoSel = enlace.ElementoElegido;
    VentanaMapa.OcultarSiHay();
    RichSalidas->hide();
    const int g = estado.GradoSel;
    PanelSelTit->setText(NombreGrado(g));

    if (estado.ModoImpresion) {
        RequisitosParaInforme(enlace, g);
        MostrarConCirculo(PanelSel, 1);
        return;
    }
    if (g < 1 || g > enlace.NumGrados)
        return;
    const auto lineas = LineasRequisitos(enlace, g);
    GuardarEnListaAux(enlace, lineas);

    MostrarConCirculo(PanelSel, 0);
    listSel2->hide();
    ListSel->clear();
    ListSel->setAccessibleName(enlace.Texto(277));
    ListSel->show();
    for (const std::string &linea : lineas)
        ListSel->addItem(DesdeAnsi(linea));
    MostrarConCirculo(PanelSel, 1);
}

void TForm1::BotSalClick()
{
    GridNotas->hide();
    VentanaMapa.OcultarSiHay();
    enlace.VistaDobles = false;
    const int g = estado.GradoSel;
    if (g < 1 || g > enlace.NumGrados)
        return;
    RichSalidas->setAccessibleName(enlace.Texto(311));
    RichSalidas->show();
    PanelSelTit->setText(NombreGrado(g));

    TextoSalidas salidas;
    if (!Leer(enlace, [&] { salidas = SalidasGrado(enlace, g); }))
        return;
    MostrarConCirculo(PanelSel, 0);
    listSel2->hide();
    EscribirParrafos(*RichSalidas->document(), salidas.parrafos, VistaTexto::Salidas, salidas.resaltes);
    MostrarConCirculo(PanelSel, 1);
    AlPrincipio(RichSalidas);
}

void TForm1::BotMasterClick()
{
    estado.VistaMaster = true;
    PanelMenu->hide();
    PanelMenu2->hide();
    // The masters text stands alone in the panel.
    for (QWidget *w : std::initializer_list<QWidget *>{GridNotas, ListSel, listSel2})
        w->hide();
    PanelSel->show();
    LabelMaster->show();
    LabelMaster2->show();
    LabelMaster2->setToolTip(DesdeAnsi(Cortar("Clic~Clic - " + enlace.Textos[174], 52)));
    PanelSelTit->setText(enlace.Texto(551));
    PanelSelTit->show();

    RichSalidas->move(RichSalidas->x(), LabelMaster2->y() + LabelMaster2->height() + 5);
    RichSalidas->setAccessibleName(PanelSelTit->text());
    RichSalidas->show();
    RichSalidas->setFocus();

    std::vector<Parrafo> parrafos;
    if (Leer(enlace, [&] { parrafos = LeerMaster(enlace); })) {
        EscribirParrafos(*RichSalidas->document(), parrafos, VistaTexto::Master);
        AlPrincipio(RichSalidas);
    }
    BotRetroceder->show();
    BotImprimir->show();
}

void TForm1::LabelMaster2MouseUp()
{
    AbrirDireccion(QUrl(LabelMaster2->text()), enlace.RutaDatos);
}

bool TForm1::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::Enter)
        MenuAlPasar(objeto);
    return Pantalla::eventFilter(objeto, evento);
}

} // namespace norvela
