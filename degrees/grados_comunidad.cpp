// Universities by region on the start panel's map: the hover label, the
// click that lists a community's universities, double-degree groups or
// plastic-arts centres, and the community list's rows with what a click on
// each shows (a university's degrees and marks, a degree's double degrees,
// the centres of a speciality, a sports or other study and its links).
#include "grados.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "cadenas.h"
#include "comunidad_grados.h"
#include "comunidades.h"
#include "enlace.h"
#include "grados_dibujo.h"
#include "rejilla_accesible.h"
#include "panel_efectos.h"
#include "universidades_grado.h"
#include "vista_mapa.h"

#include <QEvent>
#include <functional>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextEdit>
#include <QTextList>

namespace norvela {

namespace {

// Rows of the community list: headings ("-") on red, the others with the
// icon of the list's mode.
class DelegadoComunidad : public QStyledItemDelegate {
public:
    // `icono`: the icon of a row's text, -1 for none.
    DelegadoComunidad(const QList<QPixmap> &iconos, std::function<int(const QString &)> icono, QObject *padre)
        : QStyledItemDelegate(padre), iconos_(iconos), icono_(std::move(icono))
    {
    }

    void paint(QPainter *p, const QStyleOptionViewItem &opcion, const QModelIndex &indice) const override
    {
        const QString texto = indice.data(Qt::DisplayRole).toString();
        const QRect r = opcion.rect;
        p->save();
        const bool elegida = opcion.state & QStyle::State_Selected;
        if (texto.startsWith('-')) {
            p->fillRect(r, QColor(231, 90, 94));
            p->setPen(Qt::white);
            p->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, texto);
            p->restore();
            return;
        }
        p->fillRect(r, elegida ? opcion.palette.highlight() : opcion.palette.base());
        p->setPen(elegida ? opcion.palette.highlightedText().color() : opcion.palette.text().color());
        const int icono = icono_(texto);
        int x = r.left();
        if (icono >= 0 && icono < iconos_.size()) {
            const QPixmap &pm = iconos_[icono];
            p->drawPixmap(r.left() + 2, r.top() + (r.height() - pm.height()) / 2, pm);
            x = r.left() + 20;
        }
        p->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter, texto);
        p->restore();
    }

private:
    const QList<QPixmap> &iconos_;
    std::function<int(const QString &)> icono_;
};

// The start panel's background hides the map's hover label.
class FondoOcultaPista : public QObject {
public:
    FondoOcultaPista(QLabel *etiqueta, QObject *padre) : QObject(padre), etiqueta_(etiqueta) {}

protected:
    bool eventFilter(QObject *, QEvent *evento) override
    {
        if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove)
            etiqueta_->hide();
        return false;
    }

private:
    QLabel *etiqueta_;
};

std::array<std::string, 5> NombresRamasTextos(const Enlace &e)
{
    std::array<std::string, 5> r;
    for (int b = 1; b <= 5; ++b)
        r[static_cast<size_t>(b - 1)] = QuitarBlancosFinales(e.Textos[514 + b]);
    return r;
}

} // namespace

void TForm1::ConectarComunidad()
{
    PanelMapa = EtiquetaPistaMapa(Panelinicio, enlace.AnchoPanelMapa);
    // The label's corner at the mouse's picture coordinates taken in the
    // start panel, 130 pixels lower: left of and below the pointer, off the
    // map's north.
    PistaMapa pista;
    pista.etiqueta = PanelMapa;
    pista.desplazamiento = QPoint(0, 130) - mapa->mapTo(Panelinicio, QPoint(0, 0));
    pista.anchoDelTexto = true;
    mapa->PonerPista(pista);
    mapa->setCursor(Qt::ArrowCursor);
    connect(mapa, &VistaMapa::movido, this, &TForm1::mapaMouseMove);
    connect(mapa, &VistaMapa::pulsado, this, &TForm1::mapaClick);
    degradeini->setMouseTracking(true);
    degradeini->installEventFilter(new FondoOcultaPista(PanelMapa, this));

    ListComunidad->setItemDelegate(new DelegadoComunidad(
        ImageList1,
        [this](const QString &texto) {
            if (estado.MenuGradosUsado)
                return 5;
            if (enlace.VistaDobles)
                return 3;
            // Blank rows and the headings, which begin with three blanks, have none.
            if (estado.ModoDeportes && !texto.leftJustified(3).startsWith(QStringLiteral("   ")))
                return 3;
            return -1;
        },
        ListComunidad));
    connect(ListComunidad, &QListWidget::itemClicked, this, [this] { ListComunidadClick(); });
    connect(BotMenuUni, &QPushButton::clicked, this, &TForm1::BotMenuUniClick);
    connect(BotIntUni, &QPushButton::released, this, &TForm1::BotIntUniMouseUp);
    connect(BotImprimir, &QPushButton::clicked, this, &TForm1::BotImprimirClick);
}

QString TForm1::NombreComunidadSel() const
{
    return DesdeAnsi(NombreComunidad(enlace, estado.ComunidadSel, enlace.AnchoLista));
}

void TForm1::BotMenuUniClick()
{
    estado.GradoDesdeMapa = false;
    estado.ModoGrados = false;
    estado.ModoDeportes = false;
    estado.ArtesPlasticas = false;
    enlace.VistaDobles = false;
    enlace.FPSuperiorActivo = false;
    estado.MenuGradosUsado = true;
    PanelMenu->hide();
    PanelMenu2->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{PanelEstrellas, PanelSel, PanelSelTit, BotRetroceder})
        w->show();
    ListSel->setCursor(Qt::PointingHandCursor);
}

void TForm1::mapaMouseMove(int x, int y)
{
    if (x < 1 || x > 281 || y < 1 || y > 196)
        return;
    enlace.ComunidadRaton = ComunidadEn(enlace, x, y);
    const bool hay = enlace.ComunidadRaton >= 1 && enlace.ComunidadRaton <= kComunidades;
    const QString nombre = hay ? DesdeAnsi(NombreComunidad(enlace, enlace.ComunidadRaton, enlace.AnchoLista)) : QString();
    mapa->setToolTip(QString());
    mapa->setCursor(hay ? Qt::PointingHandCursor : Qt::ArrowCursor);
    mapa->MostrarPista(x, y, nombre, enlace.AnchoPanelMapa);
    PanelMapa->show();
    PanelMapa->raise();
}

void TForm1::mapaClick()
{
    ModosMapa modos;
    modos.artesPlasticas = estado.ArtesPlasticas;
    modos.impresion = estado.ModoImpresion;
    modos.fpSuperior = enlace.FPSuperiorActivo;
    modos.menuGrados = estado.MenuGradosUsado;
    modos.vistaDobles = enlace.VistaDobles;
    const ClicMapa clic = DecidirClicMapa(enlace, modos, enlace.ComunidadRaton);
    if (clic.accion == AccionMapa::Ninguna)
        return;
    estado.ComunidadSel = clic.comunidad;
    PanelMapa->hide();
    switch (clic.accion) {
    case AccionMapa::Ninguna:
    case AccionMapa::SoloComunidad:
        return;
    case AccionMapa::CentrosArtes:
        ListarCentrosArtes(clic.comunidad);
        return;
    case AccionMapa::SinDobles:
        ListSel->show();
        ListSel->clear();
        ListSel->setAccessibleName(enlace.Texto(242));
        ListSel->addItem(enlace.Texto(292));
        return;
    case AccionMapa::Universidades:
    case AccionMapa::Filas:
        break;
    }
    ListComunidad->clear();
    ListComunidad->setAccessibleName(
        enlace.Texto(clic.accion == AccionMapa::Filas && enlace.VistaDobles ? 242 : 503));
    estado.FilaUniversidad.clear();
    for (const FilaComunidad &f : clic.filas) {
        ListComunidad->addItem(DesdeAnsi(f.texto));
        estado.FilaUniversidad.push_back(f.numero);
    }
    if (clic.filas.empty())
        ListComunidad->addItem(enlace.Texto(292));
    ListComunidad->show();
    PanelEstrellas->hide();
}

void TForm1::ListarCentrosArtes(int comunidad)
{
    PanelSelTit->setText(NombreComunidadSel());
    ListSel->setAccessibleName(PanelSelTit->text());
    const auto centros = CentrosPlasticas(estado.ListaArtes);
    if (estado.ModoImpresion) {
        PanelSelTit->clear();
        for (const std::string &l : LineasCentrosInforme(centros, estado.EspecialidadesArtes, enlace))
            enlace.LineasInforme.Poner(++enlace.NumLineasInforme, l);
        return;
    }
    QStringList lineas;
    for (const std::string &l : LineasCentrosComunidad(centros, estado.EspecialidadesArtes, comunidad))
        lineas << DesdeAnsi(l);
    // A community without centres (Ceuta) says so, as an empty list of
    // universities does, rather than show nothing.
    const bool hay = !lineas.isEmpty();
    if (!hay)
        lineas << enlace.Texto(292);
    LlenarListaSel(lineas, true);
    ListSel->setCursor(hay ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
}

void TForm1::BotIntUniMouseUp()
{
    const int u = estado.UniversidadSel;
    const std::string web = u >= 1 && u <= enlace.NumUniversidades ? QuitarBlancosFinales(enlace.WebUniversidad[u])
                                                                    : std::string();
    AbrirWeb(QStringLiteral("http://www.") + DesdeAnsi(web).trimmed(), enlace.RutaDatos);
}

void TForm1::ListComunidadClick()
{
    const int fila = ListComunidad->currentRow();
    if (fila < 0)
        return;
    if (estado.ArtesPlasticas) {
        ListarCentrosEspecialidad(fila);
        return;
    }
    if (estado.MenuGradosUsado && estado.ModoGrados) {
        for (QWidget *w : std::initializer_list<QWidget *>{BotUni, BotReq, BotSal, BotDoblesCar, BotPonde, BotCorte,
                                                           BotImprimirN})
            w->show();
        PanelSelTit->setText(ListComunidad->item(fila)->text());
        BotUniClick();
        return;
    }
    if (estado.MenuGradosUsado) {
        MostrarGradosUniversidad(fila);
        return;
    }
    BotImprimir->show();
    if (enlace.VistaDobles && estado.ModoGrados && !estado.ModoDeportes)
        MostrarDoblesDelGrado(fila);
    else if (estado.ModoDeportes)
        FilaOtrosClick(fila);
}

void TForm1::ListarCentrosEspecialidad(int fila)
{
    estado.GradoSel = fila;
    PanelSelTit->setText(ListComunidad->item(fila)->text().trimmed());
    ListSel->setAccessibleName(PanelSelTit->text());
    const auto lineas = LineasCentrosEspecialidad(CentrosPlasticas(estado.ListaArtes), fila, enlace);
    if (lineas.empty()) {
        ListSel->clear();
        return;
    }
    QStringList texto;
    for (const std::string &l : lineas)
        texto << DesdeAnsi(l);
    LlenarListaSel(texto, true);
    ListSel->setCursor(Qt::PointingHandCursor);
}

void TForm1::MostrarGradosUniversidad(int fila)
{
    const QString texto = ListComunidad->item(fila)->text();
    const int u = estado.UniversidadEnFila(fila);
    // The "nothing here" row stands for no university.
    if (u < 1)
        return;
    PanelSelTit->setText(texto);
    // The grid holds the university's degrees: it goes by the university.
    GridNotas->setAccessibleName(texto.trimmed());
    const auto filas = GradosDeUniversidad(enlace, u, NombresRamasTextos(enlace), enlace.Textos[242]);
    estado.GradoDeFilaNotas.clear();
    for (const FilaNotasUni &f : filas)
        estado.GradoDeFilaNotas.push_back(f.grado);
    BotIntUni->show();
    estado.UniversidadSel = u;
    PanelSelTit->show();
    ListSel->hide();
    listSel2->hide();
    GridNotas->show();
    GridNotas->scrollToTop();
    GridNotas->clearContents();
    GridNotas->setRowCount(static_cast<int>(filas.size()));
    GridNotas->clearSelection();
    GridNotas->setCurrentItem(nullptr);
    MostrarConRollo(PanelSel, 0);
    int r = 0;
    for (const FilaNotasUni &f : filas) {
        const QString c0 = DesdeAnsi(f.Col0());
        auto *item = new QTableWidgetItem(c0);
        auto *nota = new QTableWidgetItem(DesdeAnsi(f.Col1()));
        TextoAccesibleNotas(item);
        TextoAccesibleNotas(nota);
        GridNotas->setItem(r, 0, item);
        GridNotas->setItem(r, 1, nota);
        ++r;
    }
    // The grid's degrees and their marks: screen readers name its columns so.
    NombrarColumnas(GridNotas, {enlace.Texto(84), enlace.Texto(296)});
    MostrarConRollo(PanelSel, 1);
    BotImprimir->show();
}

void TForm1::MostrarDoblesDelGrado(int fila)
{
    const int d = estado.GradoEnFilaDobles(fila);
    estado.LineasDobles = DoblesDelGrado(enlace, d);
    if (estado.ImprimirDobles) {
        estado.ImprimirDobles = false;
        const InformeFP informe = InformeDobles(enlace.Textos[242], enlace.NombresGrado[d], estado.LineasDobles);
        VolcarInforme(informe, enlace);
        Imprimir(Informe::Lista(enlace.LineasInforme, informe.NumLineas(), false, 10));
        estado.ModoImpresion = false;
        return;
    }
    MostrarConRollo(PanelSel, 0);
    PanelSelTit->setText(enlace.Texto(242));
    PanelSelTit->show();
    ListSel->hide();
    GridNotas->hide();
    listSel2->setAccessibleName(PanelSelTit->text());
    listSel2->show();
    listSel2->clear();
    QFont fuente = listSel2->font();
    fuente.setPointSize(9);
    listSel2->setFont(fuente);
    QTextCursor cursor(listSel2->document());
    bool primera = true;
    for (size_t i = 1; i < estado.LineasDobles.size(); ++i) {
        const std::string &l = estado.LineasDobles[i];
        const bool encabezado = l.rfind("        ", 0) == 0 && !EsBlanco(l);
        QTextCharFormat formato;
        formato.setForeground(encabezado ? QColor(255, 0, 0) : QColor(0, 0, 128));
        if (encabezado)
            formato.setFontWeight(QFont::Bold);
        QTextBlockFormat bloque;
        if (!primera)
            cursor.insertBlock(bloque);
        primera = false;
        if (!encabezado && !l.empty()) {
            QTextListFormat vinetas;
            vinetas.setStyle(QTextListFormat::ListDisc);
            cursor.createList(vinetas);
        }
        cursor.insertText(DesdeAnsi(l), formato);
    }
    MostrarConRollo(PanelSel, 1);
    listSel2->moveCursor(QTextCursor::Start);
}

void TForm1::FilaOtrosClick(int fila)
{
    BotImprimir->hide();
    const std::string texto = fila + 1 <= enlace.NumOtros ? enlace.NombresOtros[fila + 1] : std::string();
    const AccionOtros accion = AccionFilaOtros(fila, texto);
    switch (accion) {
    case AccionOtros::Nada:
        return;
    case AccionOtros::PdfCentros:
        AbrirFichero(enlace.RutaDatos + QStringLiteral("pdf/est/DeportesCentros.pdf"), enlace.RutaDatos);
        return;
    case AccionOtros::WebSuperiores:
    case AccionOtros::WebFormacion:
    case AccionOtros::WebNoReglados:
        AbrirWeb(QString::fromStdString(DireccionOtros(accion)), enlace.RutaDatos);
        return;
    case AccionOtros::Detalles:
        break;
    }
    PanelSelTit->setText(DesdeAnsi(texto).trimmed());
    ListSel->setAccessibleName(PanelSelTit->text());
    ListSel->show();
    estado.GradoSel = fila + 1;
    BotImprimir->show();
    QStringList lineas;
    for (const std::string &l : DetallesOtros(enlace, estado.GradoSel))
        lineas << DesdeAnsi(l);
    LlenarListaSel(lineas, true);
}

} // namespace norvela
