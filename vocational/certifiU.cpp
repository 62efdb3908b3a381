#include "certifiU.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "cargas_listas.h"
#include "colores.h"
#include "controles_fp.h"
#include "enlace.h"
#include "etiquetas.h"
#include "iconos.h"
#include "marco.h"
#include "paleta.h"
#include "piezas_fp.h"
#include "textos_propios.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace norvela {

namespace {

// Rows of the sub-group and certificate lists.
constexpr int kAltoFila = 18;
// Rows of the family list: the 30 x 30 icon and its name.
constexpr int kAltoFamilia = 31;
// Study icon of each family row.
constexpr int kIconoFamilia[kFamiliasCert] = {1, 2, 9, 8, 19, 5, 0, 12, 18};

const char *const kPaginaEmpleo =
    "https://www.sepe.es/contenidos/personas/formacion/certificados_de_profesionalidad/"
    "certificados_profesionalidad.html";

QWidget *Panel(QWidget *padre, const char *nombre, int x, int y, int w, int h)
{
    return PanelRelleno(padre, QString::fromLatin1(nombre), x, y, w, h);
}

QListWidget *Lista(QWidget *padre, const char *nombre, int x, int y, int w, int h)
{
    auto *l = ListaFP(padre, QString::fromLatin1(nombre), x, y, w, h);
    l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l->setMouseTracking(true);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QLabel *Rotulo(QWidget *padre, const char *nombre, int x, int y, int w, int h)
{
    auto *l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(x, y, w, h);
    return l;
}

} // namespace

TCertifica::TCertifica(Enlace &e, Pantallas &p, FamiliasCertificados familias) : Pantalla(e, p, QStringLiteral("TCertifica")), ImpresionConDialogo(e, this)
{
    PonerCierre(CierreVentana::Volver);
    Construir();

    if (enlace.ErrorFicheros)
        return;
    Captions();
    estado.familias = std::move(familias);
    for (int f = 1; f <= kFamiliasCert; ++f) {
        auto *item = new QListWidgetItem(DesdeAnsi(estado.familias.NombresFamiliaCert[static_cast<size_t>(f)]).trimmed(),
                                         ListSelFp);
        item->setData(Qt::DecorationRole, IconoEstudios(kIconoFamilia[f - 1]));
    }
    Estilo();

    connect(&TimerAyuda, &Temporizador::timeout, this, &TCertifica::TimerAyudaTimer);
    connect(&TimerAyu, &Temporizador::timeout, this, &TCertifica::TimerAyuTimer);
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TCertifica::BotRetrocederFPClick);
    connect(BotImprimir, &QPushButton::clicked, this, &TCertifica::BotImprimirClick);
    connect(BotInternet, &QPushButton::clicked, this, &TCertifica::BotInternetMouseUp);
}

FamiliasCertificados TCertifica::PrepararDatos(Enlace &e)
{
    CargarListaTexto(e, e.FicheroIdioma(QStringLiteral("certifica")), e.NombresCertificados, e.NumCertificados,
                     60);
    CargarLista250(e, e.FicheroIdioma(QStringLiteral("certificah")), e.ExplicacionCertificados,
                   e.NumExplicacionesCert);
    if (e.ErrorFicheros)
        return {};
    // The catalogue reads both tables split.
    return DividirCertificados(e);
}

void TCertifica::Construir()
{
    const Marco marco = PonerMarco(this, enlace);
    degradeMapa2 = marco.fondo;
    TilIzq = marco.izquierda;
    TilDer = marco.derecha;
    TilArr = marco.arriba;

    PanelSelTit0 = Panel(this, "PanelSelTit0", 112, 71, 323, 30);
    LabelTit1 = Rotulo(PanelSelTit0, "LabelTit1", 323, 5, 296, 20);
    ListSelFp = Lista(this, "ListSelFp", 112, 100, 323, 281);
    ListSelFp->setItemDelegate(new DelegadoIconoTexto(35, 6, kAltoFamilia, ListSelFp));

    PanelSelTit1 = Panel(this, "PanelSelTit1", 112, 86, 345, 29);
    LabelTit2 = Rotulo(PanelSelTit1, "LabelTit2", 345, 5, 296, 20);
    ListTitFP = Lista(this, "ListTitFP", 112, 115, 345, 4);
    PanelSelTit2 = Panel(this, "PanelSelTit2", 457, 86, 406, 29);
    LabelTit3 = Rotulo(PanelSelTit2, "LabelTit3", 656, 5, 326, 20);
    ListFPExpli = Lista(this, "ListFPExpli", 457, 115, 406, 4);
    for (QWidget *w : {static_cast<QWidget *>(PanelSelTit1), static_cast<QWidget *>(ListTitFP), PanelSelTit2,
                       static_cast<QWidget *>(ListFPExpli)})
        w->hide();
    for (QListWidget *l : {ListSelFp, ListTitFP, ListFPExpli})
        l->viewport()->installEventFilter(this);

    PanelResul = Panel(this, "PanelResul", 432, 464, 449, 169);
    LabelTitulo = Rotulo(PanelResul, "LabelTitulo", 8, 6, 433, 20);
    LabelReq = Rotulo(PanelResul, "LabelReq", 8, 30, 160, 20);
    LabelReq->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelRequisitos = Rotulo(PanelResul, "LabelRequisitos", 170, 30, 271, 62);
    LabelRequisitos->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelHor = Rotulo(PanelResul, "LabelHor", 8, 94, 160, 20);
    LabelHoras = Rotulo(PanelResul, "LabelHoras", 170, 94, 80, 20);
    LabelDes = Rotulo(PanelResul, "LabelDes", 8, 116, 433, 48);
    LabelDes->setWordWrap(true);
    LabelDes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PanelResul->hide();

    PanelAyuda = Panel(this, "PanelAyuda", 115, 417, 286, 184);
    chica = Rotulo(PanelAyuda, "chica", 4, 8, 56, 168);
    chica->setAccessibleName(TextoPropio(Propio::Chica));
    for (int n = 1; n <= 7; ++n)
        LabelAyu.append(Rotulo(PanelAyuda, QStringLiteral("LabelAyu%1").arg(n).toLatin1().constData(), 64,
                               8 + 24 * (n - 1), 218, 22));
    for (int k = 0; k < 8; ++k)
        figura_.append(ImagenIncorporada(QStringLiteral("anda%1").arg(k)));

    BotRetrocederFP = BotonNombrado(this, QStringLiteral("BotRetrocederFP"), 472, 400, 104, 34);
    BotImprimir = BotonNombrado(this, QStringLiteral("BotImprimir"), 576, 400, 104, 34);
    BotInternet = BotonNombrado(this, QStringLiteral("BotInternet"), 688, 400, 104, 34);
    BotInternet->setText(QStringLiteral("www"));
    BotImprimir->hide();
    BotInternet->hide();

    TimerAyuda.setInterval(300);
    TimerAyu.setInterval(50);
}

void TCertifica::Estilo()
{
    const QFont arial(QStringLiteral("Arial"), 10);
    setFont(arial);
    PonerColor({ListSelFp, ListTitFP, ListFPExpli}, QPalette::Base, paleta::ColorCrema);
    PonerColor({PanelSelTit0, PanelSelTit1, PanelSelTit2, PanelResul, PanelAyuda}, QPalette::Window,
               paleta::ColorFondo);
    PonerColor({LabelTit1, LabelTit2, LabelTit3, LabelTitulo}, QPalette::WindowText, paleta::ColorGranate);
    QFont negrita = arial;
    negrita.setBold(true);
    LabelTitulo->setFont(negrita);
}

void TCertifica::Captions()
{
    setWindowTitle(enlace.Texto(338));
    LabelTit1->setText(enlace.Texto(577));
    LabelTit2->setText(enlace.Texto(578));
    LabelTit3->setText(enlace.Texto(579));
    // The lists' headings stand on panels of their own: screen readers name
    // the lists by them.
    ListSelFp->setAccessibleName(LabelTit1->text());
    ListTitFP->setAccessibleName(LabelTit2->text());
    ListFPExpli->setAccessibleName(LabelTit3->text());
    LabelReq->setText(enlace.Texto(581));
    LabelHor->setText(enlace.Texto(582));
    BotRetrocederFP->setText(enlace.Texto(82));
    BotImprimir->setText(enlace.Texto(36));
}

void TCertifica::showEvent(QShowEvent *evento)
{
    Pantalla::showEvent(evento);
    FormActivate();
}

void TCertifica::hideEvent(QHideEvent *evento)
{
    TimerAyuda.stop();
    TimerAyu.stop();
    Pantalla::hideEvent(evento);
}

void TCertifica::changeEvent(QEvent *evento)
{
    Pantalla::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TCertifica::FormActivate()
{
    PanelSelTit0->show();
    // The help plays from its first line every time the screen is activated.
    estado.ContadorAyuda = 0;
    TimerAyuda.start();
    LabelTit1->move(PanelSelTit0->width(), LabelTit1->y());
    LabelTit2->move(PanelSelTit1->width(), LabelTit2->y());
    LabelTit3->move(PanelSelTit2->width() + 250, LabelTit3->y());
    for (QLabel *l : LabelAyu)
        l->clear();
}

void TCertifica::TimerAyudaTimer()
{
    const int n = ++estado.ContadorAyuda;
    if (n >= 15) {
        TimerAyuda.stop();
        TimerAyu.start();
        estado.ContadorAyuda = 0;
        return;
    }
    if (n >= 9)
        return;
    if (n <= 7)
        LabelAyu[n - 1]->setText(enlace.Texto(561 + n));
    if (n >= 1 && n <= figura_.size())
        chica->setPixmap(figura_[n - 1]);
}

void TCertifica::TimerAyuTimer()
{
    if (PanelSelTit0->isVisible() && LabelTit1->x() > 30)
        LabelTit1->move(LabelTit1->x() - 4, LabelTit1->y());
    if (PanelSelTit1->isVisible() && LabelTit2->x() > 50)
        LabelTit2->move(LabelTit2->x() - 4, LabelTit2->y());
    if (PanelSelTit2->isVisible()) {
        if (LabelTit3->x() >= 81)
            LabelTit3->move(LabelTit3->x() - 4, LabelTit3->y());
        if (LabelTit3->x() < 81)
            TimerAyu.stop();
    }
}

bool TCertifica::eventFilter(QObject *objeto, QEvent *evento)
{
    const bool mueve = evento->type() == QEvent::MouseMove;
    const bool suelta = evento->type() == QEvent::MouseButtonRelease;
    if (mueve || suelta) {
        for (QListWidget *l : {ListSelFp, ListTitFP, ListFPExpli}) {
            if (objeto != l->viewport())
                continue;
            const int fila = l->indexAt(static_cast<QMouseEvent *>(evento)->position().toPoint()).row();
            if (l == ListSelFp)
                mueve ? ListSelFpMouseMove(fila) : ListSelFpMouseUp(fila);
            else if (l == ListTitFP)
                mueve ? ListTitFPMouseMove(fila) : ListTitFPMouseUp(fila);
            else if (suelta)
                ListFPExpliMouseUp(fila);
        }
    }
    return Pantalla::eventFilter(objeto, evento);
}

void TCertifica::SeleccionarSolo(QListWidget *lista, int fila)
{
    lista->clearSelection();
    if (QListWidgetItem *item = lista->item(fila)) {
        lista->setCurrentItem(item);
        item->setSelected(true);
    }
}

void TCertifica::Llenar(QListWidget *lista, const std::vector<FilaCertificado> &filas, std::vector<int> &lineas)
{
    lista->clear();
    lineas.clear();
    for (const FilaCertificado &f : filas) {
        auto *item = new QListWidgetItem(DesdeAnsi(f.texto), lista);
        item->setSizeHint(QSize(lista->width() - 4, kAltoFila));
        lineas.push_back(f.linea);
    }
    lista->resize(lista->width(), kAltoFila * static_cast<int>(filas.size()) + 4);
}

void TCertifica::ListSelFpMouseMove(int fila)
{
    if (enlace.SeleccionFija)
        return;
    const int r = fila + 1;
    if (fila < 0 || r == estado.FamiliaRaton)
        return;
    SeleccionarSolo(ListSelFp, fila);
    estado.FamiliaRaton = r;
}

void TCertifica::ListSelFpMouseUp(int fila)
{
    if (fila < 0 || fila >= kFamiliasCert)
        return;
    estado.FilaCertSel = fila + 1;
    SeleccionarSolo(ListSelFp, fila);
    enlace.SeleccionFija = false;
    estado.SubgrupoRaton = 0;
    const auto subgrupos =
        SubgruposDeFamilia(enlace, estado.familias.CodigosFamiliaCert[static_cast<size_t>(estado.FilaCertSel)]);
    ListSelFp->hide();
    PanelSelTit0->hide();
    PanelSelTit1->show();
    ListTitFP->show();
    Llenar(ListTitFP, subgrupos, estado.LineaSubgrupo);
    ListFPExpli->clear();
    estado.LineaCertificado.clear();
}

void TCertifica::ListTitFPMouseMove(int fila)
{
    if (enlace.SeleccionFija)
        return;
    const int r = fila + 1;
    if (fila < 0 || fila >= ListTitFP->count() || r == estado.SubgrupoRaton)
        return;
    ListFPExpli->show();
    PanelSelTit2->show();
    // Level with the row under the mouse.
    ListFPExpli->move(ListFPExpli->x(), ListTitFP->y() + ListTitFP->visualItemRect(ListTitFP->item(fila)).top());
    PanelSelTit2->move(PanelSelTit2->x(), ListFPExpli->y() - PanelSelTit2->height() + 1);
    SeleccionarSolo(ListTitFP, fila);
    estado.SubgrupoRaton = r;
    const std::string &subgrupo = enlace.NombresCertificados[estado.LineaSubgrupo[static_cast<size_t>(fila)]];
    Llenar(ListFPExpli, CertificadosDeSubgrupo(enlace, subgrupo.empty() ? ' ' : subgrupo[0]),
           estado.LineaCertificado);
}

void TCertifica::ListTitFPMouseUp(int fila)
{
    if (fila < 0)
        return;
    // One click freezes the certificates of the row, the next releases them.
    enlace.SeleccionFija = !enlace.SeleccionFija;
    BotImprimir->show();
    BotInternet->show();
    SeleccionarSolo(ListTitFP, fila);
}

void TCertifica::ListFPExpliMouseUp(int fila)
{
    if (fila < 0 || fila >= static_cast<int>(estado.LineaCertificado.size()))
        return;
    enlace.SeleccionFija = false;
    estado.FilaCertSel = fila + 1;
    SeleccionarSolo(ListFPExpli, fila);
    const int linea = estado.LineaCertificado[static_cast<size_t>(fila)];
    QStringList requisitos;
    for (const std::string &r : RequisitosCertificado(enlace, linea))
        requisitos << DesdeAnsi(r);
    BotImprimir->show();
    BotInternet->show();
    PanelResul->show();
    LabelTitulo->setText(DesdeAnsi(NombreCertificado(enlace, linea)));
    LabelRequisitos->setText(requisitos.join('\n'));
    LabelHoras->setText(DesdeAnsi(HorasCertificado(enlace, linea)));
    LabelDes->setText(DesdeAnsi(DescripcionCertificado(enlace, linea)));
}

void TCertifica::BotImprimirClick()
{
    // Every certificate of the list prints, however many there are.
    const InformeFP informe = InformeSubgrupo(enlace, enlace.Textos, estado.LineaCertificado);
    if (informe.lineas.empty())
        return;
    VolcarInforme(informe, enlace);
    Imprimir(Informe::Lista(enlace.LineasInforme, enlace.NumLineasInforme, false, 12));
}

void TCertifica::BotInternetMouseUp()
{
    AbrirWeb(QString::fromLatin1(kPaginaEmpleo), enlace.RutaDatos);
}

bool TCertifica::VolverAFamilias()
{
    for (QWidget *w : {static_cast<QWidget *>(PanelSelTit1), PanelSelTit2, static_cast<QWidget *>(ListTitFP),
                       static_cast<QWidget *>(ListFPExpli), static_cast<QWidget *>(BotImprimir),
                       static_cast<QWidget *>(BotInternet)})
        w->hide();
    if (ListSelFp->isHidden()) {
        ListSelFp->show();
        PanelSelTit0->show();
        return true;
    }
    return false;
}

void TCertifica::BotRetrocederFPClick()
{
    if (VolverAFamilias())
        return;
    PanelResul->hide();
    // The screen has no flag of its own for the assistant.
    bool ninguno = false;
    Salir(ninguno);
}

void TCertifica::AlVolverPorCierre()
{
    if (!VolverAFamilias())
        PanelResul->hide();
}

} // namespace norvela
