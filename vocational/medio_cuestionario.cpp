// The intermediate-cycle questionnaire: the student ticks what they like,
// then the statements that match it, and gets the titles those lead to;
// one title opens on the map of where it is taught.
#include "medio.h"

#include "ansi.h"
#include "aviso.h"
#include "cadenas.h"
#include "enlace.h"
#include "controles_fp.h"
#include "etiquetas.h"
#include "heli_peque.h"
#include "lugares_fp.h"
#include "marco.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas.h"
#include "ruta_lugares_fp.h"
#include "textos_propios.h"
#include "vista_mapa.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>
#include <utility>

namespace norvela {

namespace {

// Ten options with a code, and the place route.
constexpr int kOpcionesCuestionarioGM = 11;
constexpr int kAltoFila = 30;
constexpr int kListaX = 40, kListaY = 170, kListaAncho = 700, kListaAlto = 11 * kAltoFila + 6;
constexpr int kListaAlto2 = 480;
// The bottom of the mini list, above the arrows, and its least height.
constexpr int kAbajo = 680, kAltoPeque = 120;

QListWidget *ListaCuestionario(QWidget *padre, const QString &nombre, int alto)
{
    auto *l = new QListWidget(padre);
    l->setObjectName(nombre);
    l->setGeometry(kListaX, kListaY, kListaAncho, alto);
    l->setSelectionMode(QAbstractItemView::MultiSelection);
    l->setUniformItemSizes(true);
    l->setFont(QFont(QStringLiteral("Arial"), 12));
    l->setCursor(Qt::PointingHandCursor);
    l->hide();
    return l;
}

void Anadir(QListWidget *l, const QString &texto, const QPixmap &icono = {})
{
    auto *i = new QListWidgetItem(texto, l);
    i->setSizeHint(QSize(0, kAltoFila));
    if (!icono.isNull())
        i->setData(Qt::DecorationRole, icono);
}

// The ticked rows, top to bottom.
std::vector<int> FilasMarcadas(const QListWidget *l)
{
    std::vector<int> filas;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected())
            filas.push_back(i);
    return filas;
}

// The arrows between the questionnaire's steps, drawn by the program: back
// to the left, on to the right.
QIcon Flecha(bool adelante)
{
    // At the size a button shows its icon.
    QPixmap dibujo(16, 16);
    dibujo.fill(Qt::transparent);
    QPainter p(&dibujo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(paleta::ColorTitulo);
    const QPolygonF izquierda{{1, 8}, {8, 1}, {8, 5}, {15, 5}, {15, 11}, {8, 11}, {8, 15}};
    p.drawPolygon(adelante ? QTransform(-1, 0, 0, 1, 16, 0).map(izquierda) : izquierda);
    p.end();
    return QIcon(dibujo);
}

} // namespace

void TForm3::ConstruirCuestionario()
{
    ListGM = ListaCuestionario(this, QStringLiteral("ListGM"), kListaAlto);
    ListGM2 = ListaCuestionario(this, QStringLiteral("ListGM2"), kListaAlto2);
    ListGM->setAccessibleName(T(163));
    ListPeque = new QListWidget(this);
    ListPeque->setObjectName(QStringLiteral("ListPeque"));
    ListPeque->setGeometry(50, 500, 480, 200);
    ListPeque->setCursor(Qt::PointingHandCursor);
    ListPeque->setItemDelegate(new DelegadoIconoTexto(20, 0, 20, ListPeque));
    ListPeque->hide();
    // Options: the option's icon, the text beside it; titles: the small list icon.
    dibujoOpcionesGM_ = new DelegadoIconoTexto(35, 2, kAltoFila, ListGM);
    dibujoTitulosGM_ = new DelegadoIconoTexto(20, 0, kAltoFila, ListGM);
    DibujoListGM(false);
    LabelPeque = Etiqueta(this, 70, 470, 460, 24, T(395), 10);
    LabelPeque->setObjectName(QStringLiteral("LabelPeque"));
    // Screen readers name the mini list by the caption above it.
    ListPeque->setAccessibleName(LabelPeque->text());
    LabelPeque->hide();
    LabAyuGM = Etiqueta(this, width(), kListaY - 50, 700, 30, {}, 12);
    LabAyuGM->setObjectName(QStringLiteral("LabAyuGM"));
    LabAyuGM->hide();
    HeliPeque = new QLabel(this);
    HeliPeque->setObjectName(QStringLiteral("HeliPeque"));
    HeliPeque->setAccessibleName(TextoPropio(Propio::Helicoptero));
    HeliPeque->setPixmap(DibujoHeliPeque());
    HeliPeque->resize(kAnchoHeliPeque, kAltoHeliPeque);
    HeliPeque->setAttribute(Qt::WA_TransparentForMouseEvents);
    HeliPeque->hide();

    const auto boton = [this](const QString &nombre, int x, int y, int w, int h) {
        QPushButton *b = BotonNombrado(this, nombre, x, y, w, h);
        b->hide();
        return b;
    };
    BitFleGMiz = boton(QStringLiteral("BitFleGMiz"), 600, 690, 64, 44);
    BitFleGMiz->setIcon(Flecha(false));
    BitFleGMde = boton(QStringLiteral("BitFleGMde"), 676, 690, 64, 44);
    BitFleGMde->setIcon(Flecha(true));
    // The arrows have no caption: screen readers say where they lead.
    BitFleGMiz->setAccessibleName(TextoPropio(Propio::Anterior));
    BitFleGMde->setAccessibleName(TextoPropio(Propio::Siguiente));
    BotSalirCues = boton(QStringLiteral("BotSalirCues"), kListaX, 690, 160, 44);
    BotSalirCues->setText(T(54));
    BotImprimirCuesGM = boton(QStringLiteral("BotImprimirCuesGM"), 212, 690, 160, 44);
    BotImprimirCuesGM->setText(T(36));

    // Children of the screen, so tools find the timers by their names.
    for (auto [timer, nombre] : {std::pair{&TimerAyu, "TimerAyu"}, std::pair{&TimerReduce, "TimerReduce"}}) {
        timer->setParent(this);
        timer->setObjectName(QString::fromLatin1(nombre));
        timer->setInterval(100);
    }
    connect(BitFleGMde, &QPushButton::clicked, this, &TForm3::BitFleGMdeClick);
    connect(BitFleGMiz, &QPushButton::clicked, this, &TForm3::BitFleGMizClick);
    connect(BotSalirCues, &QPushButton::clicked, this, &TForm3::BotSalirCuesClick);
    connect(BotImprimirCuesGM, &QPushButton::clicked, this, &TForm3::BotImprimirCuesGMClick);
    connect(ListGM, &QListWidget::itemClicked, this, [this](QListWidgetItem *i) { ListGMClick(ListGM->row(i)); });
    connect(ListPeque, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { ListPequeClick(ListPeque->row(i)); });
    connect(&TimerAyu, &QTimer::timeout, this, &TForm3::TimerAyuTimer);
    connect(&TimerReduce, &QTimer::timeout, this, &TForm3::TimerReduceTimer);
}

void TForm3::EntrarCuestionario()
{
    OcultarMenu();
    propio.CodigosOpcionesGM.clear();
    propio.TitulosListadosGM = false;
    propio.ListaGMTitulos = false;
    propio.DetalleTituloGM = false;
    Ruta->estado.RutaPorTitulo = false;
    Ruta->estado.RutaPorLugar = false;
    MostrarControles({BotSalirCues, BitFleGMde});
    Ocultar({BitFleGMiz, ListGM2, ListPeque, LabelPeque, BotImprimirCuesGM});
    ListGM->setGeometry(kListaX, kListaY, kListaAncho, kListaAlto);
    LlenarOpcionesGM();
    ListGM->show();
    AyudaGM(T(163), true);
    // Each step's list is named for screen readers by its help line.
    ListGM->setAccessibleName(T(163));
}

void TForm3::DibujoListGM(bool titulos)
{
    ListGM->setItemDelegate(titulos ? dibujoTitulosGM_ : dibujoOpcionesGM_);
}

void TForm3::LlenarOpcionesGM()
{
    ListGM->clear();
    ListGM->setSelectionMode(QAbstractItemView::MultiSelection);
    DibujoListGM(false);
    for (int i = 1; i <= kOpcionesCuestionarioGM; ++i)
        Anadir(ListGM, DesdeAnsi(QuitarBlancosFinales(enlace.ListaGM75[i])), IconoEstudios(IconoOpcionGM(i - 1)));
    // The ticked options ticked again: code c is option c, code 0 option 10.
    for (int c : propio.CodigosOpcionesGM) {
        const int fila = c == 0 ? 9 : c - 1;
        if (fila >= 0 && fila < ListGM->count())
            ListGM->item(fila)->setSelected(true);
    }
}

void TForm3::AyudaGM(const QString &texto, bool primera)
{
    LabAyuGM->setText(texto);
    LabAyuGM->adjustSize();
    if (primera) {
        ayudaGM.Empezar(width(), ListGM->y() - 50);
        LabAyuGM->show();
    } else {
        ayudaGM.Reanudar(width());
    }
    AplicarAyuda();
    // A hidden line stays where it was put until it is shown again.
    if (LabAyuGM->isHidden()) {
        ayudaGM.enMarcha = false;
        return;
    }
    LabAyuGM->raise();
    HeliPeque->raise();
    TimerAyu.start();
}

void TForm3::TimerAyuTimer()
{
    if (!ayudaGM.Tick(width()))
        TimerAyu.stop();
    LabAyuGM->show();
    AplicarAyuda();
}

void TForm3::AplicarAyuda()
{
    // As wide as the line says, never narrower than its text.
    LabAyuGM->setGeometry(ayudaGM.left, ayudaGM.top, std::max(ayudaGM.ancho, LabAyuGM->sizeHint().width()),
                          LabAyuGM->height());
    HeliPeque->move(ayudaGM.heliLeft, ayudaGM.heliTop);
    HeliPeque->setVisible(ayudaGM.heliVisible);
}

void TForm3::BitFleGMdeClick()
{
    if (!propio.TitulosListadosGM)
        ListarLineasCuestionarioGM();
    else
        ListarTitulosCuestionarioGM();
}

void TForm3::ListarLineasCuestionarioGM()
{
    const std::vector<int> marcadas = FilasMarcadas(ListGM);
    // The eleventh option is the place route.
    if (ListGM->count() >= kOpcionesCuestionarioGM && ListGM->item(kOpcionesCuestionarioGM - 1)->isSelected()) {
        SalirARutaLugaresGM();
        return;
    }
    if (marcadas.empty()) {
        QApplication::beep();
        return;
    }
    BitFleGMiz->show();
    propio.CodigosOpcionesGM.clear();
    QStringList opciones;
    for (int fila : marcadas) {
        propio.CodigosOpcionesGM.push_back(CodigoOpcionGM(fila + 1));
        opciones << ListGM->item(fila)->text();
    }
    informeCuesGM.Opciones(opciones);
    propio.TitulosListadosGM = true;
    AyudaGM(T(164) + QLatin1Char(' ') + T(165), false);
    ListGM2->setAccessibleName(T(164) + QLatin1Char(' ') + T(165));

    std::vector<int> c1, c2;
    for (int j = 1; j <= enlace.NumCuesGM; ++j) {
        c1.push_back(enlace.CodigoGM1[j]);
        c2.push_back(enlace.CodigoGM2[j]);
    }
    propio.LineaCuestionarioGM = LineasCoincidentesGM(propio.CodigosOpcionesGM, c1, c2);
    ListGM->hide();
    ListGM2->clear();
    for (int j : propio.LineaCuestionarioGM) {
        const std::string &linea = enlace.CuestionesGM[j];
        Anadir(ListGM2, DesdeAnsi(QuitarBlancosFinales(linea.size() > 2 ? linea.substr(2, 70) : std::string())));
    }
    ListGM2->show();
}

void TForm3::SalirARutaLugaresGM()
{
    Ocultar({BitFleGMde, ListGM, BotSalirCues, LabAyuGM});
    TimerAyu.stop();
    ayudaGM.OcultarHeli();
    AplicarAyuda();
    enlace.CuestionarioGM = false;
    botLug2Click();
}

void TForm3::ListarTitulosCuestionarioGM()
{
    const std::vector<int> marcadas = FilasMarcadas(ListGM2);
    if (marcadas.empty()) {
        QApplication::beep();
        return;
    }
    propio.DetalleTituloGM = false;
    propio.ListaGMTitulos = true;
    AyudaGM(T(189), false);
    ListGM->setAccessibleName(T(189));
    QStringList lineas;
    std::vector<int> numeros;
    for (int fila : marcadas) {
        lineas << ListGM2->item(fila)->text();
        numeros.push_back(propio.LineaCuestionarioGM[static_cast<size_t>(fila)]);
    }
    informeCuesGM.Lineas(lineas);
    std::vector<std::array<int, 3>> campos;
    for (int t = 1; t <= enlace.NumFPMedio; ++t)
        campos.push_back({enlace.TablaFPMedio.En(t, 5), enlace.TablaFPMedio.En(t, 6), enlace.TablaFPMedio.En(t, 7)});
    propio.TitulosCuestionarioGM = TitulosDeLineasGM(numeros, campos);
    ListGM2->hide();
    ListGM->clear();
    ListGM->setSelectionMode(QAbstractItemView::SingleSelection);
    DibujoListGM(true);
    QStringList titulos;
    for (int t : propio.TitulosCuestionarioGM) {
        titulos << DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPMedio[t]));
        Anadir(ListGM, titulos.back(), IconoLista(3));
    }
    informeCuesGM.Titulos(propio.TitulosCuestionarioGM, titulos);
    ListGM->show();
    // The titles are the last step.
    BitFleGMde->hide();
}

void TForm3::ListGMClick(int fila)
{
    TimerAyu.stop();
    if (!propio.ListaGMTitulos || propio.DetalleTituloGM)
        return;
    const int titulo = TituloEnFilaGM(propio.TitulosCuestionarioGM, fila);
    if (titulo == 0)
        return;
    propio.DetalleTituloGM = true;
    BotImprimirCuesGM->show();
    AbrirTituloCuestionario(titulo);
    // The title list shrinks into the mini list below the map.
    const int y = std::min(PanelEstrellas->geometry().bottom() + 66, kAbajo - kAltoPeque);
    ListPeque->setGeometry(PanelEstrellas->x(), y, PanelEstrellas->width(), kAbajo - y);
    LabelPeque->move(PanelEstrellas->x() + 20, y - 30);
    propio.PasoReduccion = 0;
    TimerReduce.start();
}

void TForm3::ListPequeClick(int fila)
{
    if (!propio.DetalleTituloGM || !propio.ListaGMTitulos)
        return;
    BotImprimirCuesGM->hide();
    VaciarRejilla(reja);
    const int titulo = TituloEnFilaGM(propio.TitulosCuestionarioGM, fila);
    if (titulo == 0)
        return;
    AbrirTituloCuestionario(titulo);
}

void TForm3::AbrirTituloCuestionario(int titulo)
{
    estado.TituloSel = titulo;
    Ruta->estado.RutaPorTitulo = true;
    Ruta->estado.RutaPorLugar = false;
    IniciarCodigosProvincia(enlace.CodigoProvincia);
    // The title view shows its name in the help line.
    propio.TituloDesdeCuestionario = true;
    ListTitClick(-1);
    PanelSelec->show();
}

void TForm3::TimerReduceTimer()
{
    propio.PasoReduccion += 2;
    const int paso = propio.PasoReduccion;
    ListGM->show();
    ListGM->setGeometry(ListGM->x(), ListGM->y() + paso, std::max(0, ListGM->width() - paso - paso / 2),
                        std::max(0, ListGM->height() - paso));
    if (ListGM->y() <= ListPeque->y())
        return;
    TimerReduce.stop();
    propio.PasoReduccion = 0;
    ListGM->hide();
    PanelSelTit->clear();
    MostrarControles({ListPeque, LabelPeque, PanelSelTit, PanelCarSel, listSelFP, PanelEstrellas, PanelSelec});
    LabelPeque->raise();
    ListPeque->raise();
    ListPeque->clear();
    for (int i = 0; i < ListGM->count(); ++i) {
        auto *item = new QListWidgetItem(ListGM->item(i)->text(), ListPeque);
        item->setData(Qt::DecorationRole, IconoLista(3));
    }
    ListGM->setGeometry(ListGM2->geometry().adjusted(0, 0, 0, kAltoFila));
}

void TForm3::CentrosCuestionario(const std::vector<FilaRejilla> &filas)
{
    if (!enlace.CuestionarioGM || !propio.DetalleTituloGM || filas.empty())
        return;
    BotImprimirCuesGM->show();
    QStringList lineas;
    for (const FilaRejilla &f : filas)
        for (const std::string &s : LineasDosCampos(f.col0, 44, f.col1))
            lineas << DesdeAnsi(s);
    // The title's name from the table: the blinking caption may be empty.
    // One block per title and community; a community clicked again for
    // the same title replaces its block.
    informeCuesGM.Centros(estado.TituloSel, propio.ComunidadGM,
                          DesdeAnsi(QuitarBlancosFinales(enlace.NombresFPMedio[estado.TituloSel])), lineas);
}

void TForm3::BotImprimirCuesGMClick()
{
    TForm4 *dialogo = pantallas.Form4;
    if (!dialogo)
        return;
    const std::optional<QString> nombre = dialogo->PedirNombre(T(339), 45);
    if (!nombre)
        return;
    enlace.NombreCursoAlumno = *nombre;
    const InformeCuestionarioGM::Resultado r = informeCuesGM.Construir({T(594), T(595), T(190), T(592), T(593)});
    enlace.InformeCuesGM.Poner(0, HaciaAnsi(*nombre));
    for (int i = 0; i < r.lineas.size(); ++i)
        enlace.InformeCuesGM.Poner(i + 1, HaciaAnsi(r.lineas.at(i)));
    enlace.NumLineasCuestionario = static_cast<int>(r.lineas.size());
    enlace.LineasNegrita[0] = static_cast<int>(r.negritas.size());
    for (size_t k = 0; k < r.negritas.size(); ++k)
        enlace.LineasNegrita[static_cast<int>(k) + 1] = r.negritas[k];
    Imprimir(Informe::Lista(enlace.InformeCuesGM, enlace.NumLineasCuestionario, true, 10));
}

void TForm3::BitFleGMizClick()
{
    BotImprimirCuesGM->hide();
    if (propio.DetalleTituloGM) {
        OcultarBocadillo();
        propio.DetalleTituloGM = false;
        TimerReduce.stop();
        TimerEstrellas.stop();
        TimerParpadeo->Detener();
        Ocultar({PanelSelTit, PanelCarSel, PanelSelec, listSelFP, mapac, mapam, listBarcelona, BotCerrar,
                 PanelEstrellas, PanelMapa, ListPeque, LabelPeque, reja, BotRetrocederFP, BotImprimir});
        ListGM->setGeometry(kListaX, kListaY, kListaAncho, kListaAlto2);
        ListGM->show();
        // The help line of the titles again, in place of the title's name.
        LabAyuGM->show();
        AyudaGM(T(189), false);
        return;
    }
    if (propio.ListaGMTitulos) {
        propio.ListaGMTitulos = false;
        MostrarControles({BitFleGMde, ListGM2});
        ListGM->hide();
        ListGM->setGeometry(kListaX, kListaY, kListaAncho, kListaAlto);
        LlenarOpcionesGM();
        AyudaGM(T(164) + QLatin1Char(' ') + T(165), false);
        return;
    }
    if (propio.TitulosListadosGM) {
        propio.TitulosListadosGM = false;
        BitFleGMde->show();
        BitFleGMiz->hide();
        ListGM2->hide();
        LlenarOpcionesGM();
        ListGM->show();
        AyudaGM(T(163), false);
        ListGM->setAccessibleName(T(163));
    }
}

void TForm3::OcultarCuestionario()
{
    TimerAyu.stop();
    ayudaGM.OcultarHeli();
    AplicarAyuda();
    TimerReduce.stop();
    propio.TitulosListadosGM = propio.ListaGMTitulos = propio.DetalleTituloGM = false;
    propio.CodigosOpcionesGM.clear();
    Ocultar({BitFleGMde, BitFleGMiz, ListGM2, ListGM, BotSalirCues, LabAyuGM, ListPeque, LabelPeque,
             BotImprimirCuesGM});
}

void TForm3::BotSalirCuesClick()
{
    enlace.CuestionarioGM = false;
    enlace.NombreCursoAlumno.clear();
    degradeMapa2->show();
    TimerAyu.stop();
    TimerReduce.stop();
    TimerEstrellas.stop();
    TimerParpadeo->Detener();
    OcultarCuestionario();
    Ocultar({PanelEstrellas, mapac, mapam, listBarcelona, BotCerrar, PanelCarSel, PanelSelec, PanelSelTit, listSelFP,
             reja, PanelMapa, BotRetrocederFP, BotImprimir});
    Ruta->estado.RutaPorTitulo = false;
    Ruta->estado.RutaPorLugar = false;
    if (Pantalla *asistente = enlace.DesdeAsistente ? pantallas.Por(Papel::Asistente) : nullptr) {
        asistente->Mostrar();
    } else if (MostrarItinerarios) {
        MostrarItinerarios();
    }
    hide();
}

} // namespace norvela
