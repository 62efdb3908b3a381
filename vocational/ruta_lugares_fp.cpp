#include "ruta_lugares_fp.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "informe_fp_centros.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace norvela {

namespace {

void Poner(QWidget *w, bool visible)
{
    if (w)
        w->setVisible(visible);
}

void Ocultar(std::initializer_list<QWidget *> controles)
{
    for (QWidget *w : controles)
        Poner(w, false);
}

} // namespace

RutaLugaresFP::RutaLugaresFP(Enlace &e, NivelFPDatos nivel, const ControlesRutaFP &controles, QWidget *pantalla)
    : QObject(pantalla), e_(e), nivel_(std::move(nivel)), c_(controles)
{
}

QString RutaLugaresFP::T(int k) const
{
    return e_.Texto(k);
}

void RutaLugaresFP::ConTransicion(bool circulo, const std::function<void()> &cambio)
{
    if (Transicion)
        Transicion(circulo, cambio);
    else
        cambio();
}

void RutaLugaresFP::Conectar()
{
    if (c_.mapa) {
        connect(c_.mapa, &VistaMapa::movido, this, &RutaLugaresFP::mapaMouseMove);
        connect(c_.mapa, &VistaMapa::pulsado, this, &RutaLugaresFP::mapaClick);
    }
    if (c_.mapac) {
        connect(c_.mapac, &VistaMapa::movido, this, &RutaLugaresFP::mapacMouseMove);
        connect(c_.mapac, &VistaMapa::pulsado, this, &RutaLugaresFP::mapacClick);
    }
    if (c_.mapam) {
        connect(c_.mapam, &VistaMapa::movido, this, &RutaLugaresFP::mapamMouseMove);
        connect(c_.mapam, &VistaMapa::pulsado, this, &RutaLugaresFP::mapamClick);
    }
    if (c_.listBarcelona)
        connect(c_.listBarcelona, &QListWidget::itemClicked, this,
                [this](QListWidgetItem *i) { listBarcelonaClick(c_.listBarcelona->row(i)); });
    if (c_.BotCerrar)
        connect(c_.BotCerrar, &QPushButton::clicked, this, &RutaLugaresFP::BotCerrarClick);
    if (c_.ListSelLugFP)
        connect(c_.ListSelLugFP, &QListWidget::itemClicked, this,
                [this](QListWidgetItem *i) { ListSelLugFPClick(c_.ListSelLugFP->row(i)); });
    if (c_.reja)
        connect(c_.reja, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) { rejaDblClick(fila); });
    if (c_.botTodaFP)
        connect(c_.botTodaFP, &QPushButton::clicked, this, &RutaLugaresFP::botTodaFPMouseUp);
    if (c_.BotInternetC)
        connect(c_.BotInternetC, &QPushButton::clicked, this, &RutaLugaresFP::BotInternetCMouseUp);
}

// --- Maps ---

void RutaLugaresFP::mapaMouseMove(int x, int y)
{
    if (x < 1 || x > kPuntosFilas || y < 1 || y > kAltoMapa)
        return;
    e_.ComunidadRaton = e_.MapaComunidades.Valor(x, y);
    const int c = ComunidadEn(e_, x, y);
    const int ancho = nivel_.anchoPistaComunidad ? nivel_.anchoPistaComunidad : e_.AnchoLista;
    c_.mapa->MostrarPista(x, y, c ? DesdeAnsi(PistaComunidad(e_, c, ancho)) : QString(), e_.AnchoPanelMapa);
    c_.mapa->setCursor(c ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RutaLugaresFP::mapacMouseMove(int x, int y)
{
    if (x < 1 || x > kPuntosFilas || y < 1 || y > kAltoMapaDetalle)
        return;
    e_.ComunidadRaton = e_.MapaRegionesC.Valor(x, y);
    const int r = ComarcaEn(e_, x, y);
    c_.mapac->MostrarPista(x, y, r ? DesdeAnsi(PistaComarca(e_, r)) : QString(), e_.AnchoPanelMapa);
    c_.mapac->setCursor(r ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RutaLugaresFP::mapamMouseMove(int x, int y)
{
    if (x < 1 || x > kPuntosFilas || y < 1 || y > kAltoMapaDetalle)
        return;
    e_.ComunidadRaton = e_.MapaRegionesM.Valor(x, y);
    const int z = ZonaEn(e_, x, y);
    // Up to three zone names: the caption is wider over a zone.
    c_.mapam->MostrarPista(x, y, z ? DesdeAnsi(PistaZona(e_, z)) : QString(), z ? 250 : e_.AnchoPanelMapa);
    c_.mapam->setCursor(z ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void RutaLugaresFP::OcultarPista()
{
    Poner(c_.PanelMapa, false);
}

void RutaLugaresFP::mapaClick()
{
    const int c = e_.ComunidadRaton;
    if (c < 1 || c > kNumComunidades)
        return;
    lugar.ComunidadSel = c;
    OcultarPista();
    if (AnadirSeleccion && AnadirSeleccion(c))
        return;
    SeleccionarComunidad(e_, lugar, e_, c, e_.AnchoLista);
    if (!e_.CodigoProvincia.Contiene(lugar.PrimeraProvincia))
        return;
    if (!estado.RutaPorLugar) {
        if (ComunidadElegida)
            ComunidadElegida(c);
        lugar.GrupoSel = e_.CodigoProvincia[lugar.PrimeraProvincia][0];
        ListarCentrosTitulo(nivel_.Grupo(lugar.GrupoSel));
        return;
    }
    estado.LocalidadesListadas = false;
    Ocultar({c_.PanelEstrellas, c_.mapac, c_.mapam});
    Poner(c_.BotInternetC, true);
    Poner(c_.botTodaFP, true);
    LlenarProvinciasSel();
    lugar.ModoComarcas = nivel_.mapasDetalle && c == kComunidadComarcas;
    lugar.ComarcaSel = 0;
    lugar.ModoZonas = nivel_.mapasDetalle && c == kComunidadZonas;
    lugar.ZonaSel = 0;
    const bool detalle = lugar.ModoComarcas || lugar.ModoZonas;
    if (nivel_.saltarProvinciaUnica && !detalle && lugar.NumProvinciasSel == 1) {
        // One province: straight to its localities.
        estado.NombreProvinciaUnica = QuitarBlancosFinales(e_.ListaGrados[1]);
        ListSelLugFPClick(0);
        return;
    }
    Poner(c_.ListSelLugFP, !detalle);
    Poner(c_.mapac, lugar.ModoComarcas);
    Poner(c_.mapam, lugar.ModoZonas);
}

void RutaLugaresFP::mapacClick()
{
    const int r = e_.ComunidadRaton;
    if (r < 1 || r > kNumComarcasMapa)
        return;
    lugar.ComarcaSel = r;
    OcultarPista();
    if (r == kComarcaBarcelones && c_.listBarcelona) {
        c_.listBarcelona->show();
        c_.listBarcelona->raise();
        if (c_.BotCerrar) {
            c_.BotCerrar->show();
            c_.BotCerrar->raise();
        }
        return;
    }
    ListSelLugFPClick(-1);
}

void RutaLugaresFP::listBarcelonaClick(int i)
{
    const int r = SubcomarcaBarcelona(e_, i);
    if (r == 0)
        return;
    e_.ComunidadRaton = r;
    lugar.ComarcaSel = r;
    ListSelLugFPClick(-1);
}

void RutaLugaresFP::BotCerrarClick()
{
    Ocultar({c_.listBarcelona, c_.BotCerrar});
}

void RutaLugaresFP::mapamClick()
{
    const int z = e_.ComunidadRaton;
    if (z < 1 || z > kNumZonasMapa)
        return;
    OcultarPista();
    lugar.ZonaSel = z;
    ListSelLugFPClick(-1);
}

// --- Lists and grid ---

void RutaLugaresFP::LlenarProvinciasSel()
{
    if (!c_.ListSelLugFP)
        return;
    c_.ListSelLugFP->clear();
    for (int k = 1; k <= lugar.NumProvinciasSel; ++k) {
        auto *item = new QListWidgetItem(DesdeAnsi(lugar.NombresProvinciasSel[k]).trimmed(), c_.ListSelLugFP);
        item->setData(Qt::DecorationRole, IconoLista(5));
    }
}

void RutaLugaresFP::ListSelLugFPClick(int i)
{
    // The heading and the all-levels button say which list the route is on
    // even when nothing is chosen yet: the all-levels button and back come
    // here with no row, and the list they leave must not contradict them.
    if (nivel_.textoUnNivel) {
        if (c_.PanelSelTit)
            c_.PanelSelTit->setText(estado.TodaFP ? T(391) : T(nivel_.textoUnNivel));
        if (c_.botTodaFP)
            c_.botTodaFP->setText(estado.TodaFP ? T(nivel_.textoUnNivel) : T(391));
    }
    // A one-province community has no province list: its province is row 0.
    if (nivel_.saltarProvinciaUnica && !estado.LocalidadesListadas && lugar.NumProvinciasSel == 1 && !lugar.ModoComarcas &&
        !lugar.ModoZonas)
        i = 0;
    // Localities listed for the other levels are listed again even with no
    // locality chosen, so that the list and the button agree.
    const bool relistar = estado.LocalidadesListadas && estado.RelistarLocalidades;
    if (i < 0 && !relistar && !lugar.ModoComarcas && !lugar.ModoZonas)
        return;
    if ((lugar.ModoZonas && lugar.ZonaSel == 0) || (lugar.ModoComarcas && lugar.ComarcaSel == 0))
        return;
    Poner(c_.BotImprimir, true);
    char provincia = ' ';
    if (!estado.LocalidadesListadas) {
        if (i >= 0) {
            int k = lugar.PrimeraProvincia + i;
            if (nivel_.provincia35Es34 && k == 35)
                k = 34;
            if (!e_.CodigoProvincia.Contiene(k))
                return;
            const std::string &codigo = e_.CodigoProvincia[k];
            lugar.GrupoSel = codigo[0];
            provincia = codigo[1];
        }
    } else {
        if (i >= 0)
            lugar.LocalidadSel = i + 1;
        provincia = lugar.ProvinciaGuardada;
        lugar.GrupoSel = lugar.GrupoGuardado;
    }
    lugar.NombresLargos = EsProvinciaNombresLargos(lugar.GrupoSel, provincia, nivel_.nombresLargos2H);
    lugar.LetraGrupo = lugar.GrupoSel;
    if (lugar.ModoComarcas)
        lugar.LetraGrupo = '4';
    if (lugar.ModoZonas)
        lugar.LetraGrupo = '2';
    if (lugar.LetraGrupo < '1' || lugar.LetraGrupo > '4')
        return;
    ListarCentrosProvincia(false, provincia, nivel_.Grupo(lugar.LetraGrupo));
}

void RutaLugaresFP::ListarCentrosProvincia(bool imprimir, char provincia, const GrupoCentros &g)
{
    const int inicial = imprimir ? e_.*nivel_.contadorInforme : 0;
    std::vector<int> centros;
    int primerVisible = 0;
    if (lugar.ModoComarcas || lugar.ModoZonas) {
        std::optional<std::vector<int>> elegidos = CentrosDeComarcaOZona();
        if (!elegidos)
            return;
        centros = std::move(*elegidos);
    } else {
        if (!g.centros)
            return;
        centros = CentrosDeProvincia(g, provincia, nivel_.nivel, estado.TodaFP);
        estado.localidades = LocalidadesDe(*g.centros, centros, lugar.NombresLargos);
        if (!estado.LocalidadesListadas || estado.RelistarLocalidades) {
            ListarLocalidades(provincia);
            return;
        }
        primerVisible = PrimerCentroDeLocalidad(imprimir);
    }

    const NombresTitulos nombres{&e_.NombresFPSuperior, &e_.NombresFPMedio, &e_.NombresFPBasica, HaciaAnsi(T(263))};
    const FilasCentros filas = FilasDeCentros(g, centros, nombres, nivel_.nivel, estado.TodaFP, primerVisible,
                                              inicial, nivel_.filaTrasCentro);
    MostrarRotulosCentros(!centros.empty());
    if (!c_.reja)
        return;
    c_.reja->show();
    if (!e_.DesdeAsistente)
        c_.reja->setFocus();
    if (imprimir)
        MostrarRejilla(AnadirAlInforme(filas.filas), filas.filaSuperior);
    else
        MostrarRejilla(filas.filas, filas.filaSuperior);
}

std::optional<std::vector<int>> RutaLugaresFP::CentrosDeComarcaOZona() const
{
    if (lugar.ModoComarcas) {
        if (!e_.CodigosComarcas.Contiene(lugar.ComarcaSel))
            return std::nullopt;
        return CentrosConCodigo(e_.CodigoComarcaCentro, e_.NumCentros4, e_.CodigosComarcas[lugar.ComarcaSel]);
    }
    if (lugar.ZonaSel < 1 || lugar.ZonaSel > kNumZonasMapa)
        return std::nullopt;
    const int linea = e_.LineasDeZona.En(lugar.ZonaSel, 1);
    if (!e_.CodigosZonas.Contiene(linea))
        return std::nullopt;
    return CentrosConCodigo(e_.CodigoZonaCentro, e_.NumCentros2, e_.CodigosZonas[linea]);
}

void RutaLugaresFP::ListarLocalidades(char provincia)
{
    lugar.ProvinciaGuardada = provincia;
    lugar.GrupoGuardado = lugar.GrupoSel;
    if (!estado.LocalidadesListadas) {
        if (nivel_.saltarProvinciaUnica && lugar.NumProvinciasSel == 1)
            lugar.NombreProvinciaSel = estado.NombreProvinciaUnica;
        else if (c_.ListSelLugFP && c_.ListSelLugFP->currentItem())
            lugar.NombreProvinciaSel = HaciaAnsi(c_.ListSelLugFP->currentItem()->text());
    }
    if (c_.PanelCarSel) {
        c_.PanelCarSel->setText(DesdeAnsi(QuitarBlancosFinales(lugar.NombreProvinciaSel)));
        c_.PanelCarSel->show();
    }
    Poner(c_.reja, true);
    if (c_.ListSelLugFP) {
        c_.ListSelLugFP->show();
        c_.ListSelLugFP->clear();
        for (const Localidad &l : estado.localidades) {
            auto *item = new QListWidgetItem(DesdeAnsi(l.nombre).trimmed(), c_.ListSelLugFP);
            item->setData(Qt::DecorationRole, IconoLista(5));
        }
    }
    estado.LocalidadesListadas = true;
    estado.RelistarLocalidades = false;
}

int RutaLugaresFP::PrimerCentroDeLocalidad(bool imprimir)
{
    if (imprimir && lugar.LocalidadSel == 0)
        lugar.LocalidadSel = 1;
    if (lugar.LocalidadSel >= 1 && lugar.LocalidadSel <= static_cast<int>(estado.localidades.size()))
        return estado.localidades[static_cast<size_t>(lugar.LocalidadSel - 1)].primerCentro;
    return 0;
}

void RutaLugaresFP::MostrarRotulosCentros(bool hayCentros)
{
    if (hayCentros) {
        if (c_.PanelSelTit && nivel_.textoUnNivel)
            c_.PanelSelTit->setText(T(190) + QStringLiteral(" - ") + (estado.TodaFP ? T(391) : T(nivel_.textoUnNivel)));
        estado.CentrosEnRejilla = true;
    }
    // The grid's caption shows with it, whatever a back step hid before.
    if (nivel_.textoUnNivel)
        Poner(c_.PanelSelTit, true);

    if (c_.PanelCarSel) {
        if (lugar.ModoZonas)
            c_.PanelCarSel->setText(QStringLiteral("Madrid"));
        else if (lugar.ModoComarcas)
            c_.PanelCarSel->setText(DesdeAnsi(QuitarBlancosFinales(e_.NombresComarcas[lugar.ComarcaSel])));
        else
            c_.PanelCarSel->setText(DesdeAnsi(QuitarBlancosFinales(lugar.NombreProvinciaSel)));
        c_.PanelCarSel->show();
    }
    Poner(c_.listSelFP, false);
}

std::vector<FilaRejilla> RutaLugaresFP::AnadirAlInforme(const std::vector<FilaRejilla> &nuevas)
{
    int &contador = e_.*nivel_.contadorInforme;
    // The grid shows the whole report so far, then the new rows.
    std::vector<FilaRejilla> todas;
    for (int r = 1; r <= contador; ++r)
        todas.push_back({e_.LineasInforme[r], e_.LineasInforme2[r], 0});
    for (const FilaRejilla &f : nuevas) {
        if (!e_.LineasInforme.Contiene(contador + 1))
            break;
        ++contador;
        e_.LineasInforme.Poner(contador, f.col0);
        e_.LineasInforme2.Poner(contador, f.col1);
    }
    todas.insert(todas.end(), nuevas.begin(), nuevas.end());
    return todas;
}

void RutaLugaresFP::MostrarRejilla(const std::vector<FilaRejilla> &filas, int filaSuperior)
{
    ConTransicion(false, [&] { LlenarRejilla(c_.reja, filas, 0, e_.MarcaCarga); });
    // Scrolled once the grid is shown again and its rows have their places.
    c_.reja->doItemsLayout();
    if (filaSuperior > 0 && filaSuperior < c_.reja->rowCount())
        c_.reja->scrollToItem(c_.reja->item(filaSuperior, 0), QAbstractItemView::PositionAtTop);
    else
        c_.reja->scrollToTop();
}

void RutaLugaresFP::ListarCentrosTitulo(const GrupoCentros &g)
{
    const TablaEnteros *oferta = nivel_.Oferta(g);
    if (!g.centros || !oferta || !c_.reja)
        return;
    const int titulo = TituloElegido ? TituloElegido() : 0;
    const std::vector<FilaRejilla> filas = FilasTitulo(g, *oferta, lugar.NumProvinciasSel, lugar.PrimeraProvincia,
                                                       e_.CodigoProvincia, lugar.NombresProvinciasSel, titulo);
    if (c_.PanelSelTit) {
        c_.PanelSelTit->setText(T(323));
        c_.PanelSelTit->show();
    }
    Poner(c_.listSelFP, false);
    c_.reja->show();
    if (filas.empty()) {
        LlenarRejilla(c_.reja, {FilaRejilla{HaciaAnsi(T(292)), {}, 0}}, 0, true);
        if (SinCentros)
            SinCentros();
        return;
    }
    ConTransicion(false, [&] {
        LlenarRejilla(c_.reja, filas, 44, true);
        c_.reja->scrollToTop();
    });
    if (CentrosListados)
        CentrosListados(filas);
}

void RutaLugaresFP::rejaDblClick(int fila)
{
    QTableWidget *reja = c_.reja;
    if (!estado.CentrosEnRejilla || !reja || fila < 0 || fila >= reja->rowCount() || !reja->item(fila, 0))
        return;
    const int titulo = reja->item(fila, 0)->data(RolTitulo).toInt();
    if (titulo == 0)
        return;
    e_.ElementoElegido = titulo;
    if (c_.PanelSelTit)
        c_.PanelSelTit->clear();
    Ocultar({c_.BotImprimir, c_.ListSelLugFP, c_.BotInternetC, c_.botTodaFP, c_.mapac, c_.mapam, c_.PanelEstrellas,
             reja, c_.listBarcelona, c_.BotCerrar});
    if (c_.mapa)
        c_.mapa->Redibujar();
    estado.LocalidadesListadas = false;
    reja->setCursor(Qt::ArrowCursor);
    estado.CentrosEnRejilla = false;
    if (AbrirTitulo)
        AbrirTitulo(titulo);
}

void RutaLugaresFP::botTodaFPMouseUp()
{
    estado.RelistarLocalidades = true;
    estado.TodaFP = !estado.TodaFP;
    if (c_.reja)
        VaciarRejilla(c_.reja);
    ListSelLugFPClick(c_.ListSelLugFP ? c_.ListSelLugFP->currentRow() : -1);
}

void RutaLugaresFP::BotInternetCMouseUp()
{
    const int c = lugar.ComunidadSel;
    if (!e_.WebComunidad.Contiene(c))
        return;
    // The data give the address without its scheme.
    AbrirWeb(DesdeAnsi(e_.WebComunidad[c]), e_.RutaDatos);
}

// --- Back steps ---

bool RutaLugaresFP::VolverAProvincias()
{
    if (!estado.LocalidadesListadas)
        return false;
    estado.LocalidadesListadas = false;
    if (nivel_.saltarProvinciaUnica && lugar.NumProvinciasSel < 2)
        return false;
    LlenarProvinciasSel();
    if (c_.reja)
        VaciarRejilla(c_.reja);
    // No province is chosen over the province list.
    if (c_.PanelCarSel)
        c_.PanelCarSel->clear();
    ListSelLugFPClick(-1);
    return true;
}

void RutaLugaresFP::VolverAlMapa()
{
    Ocultar({c_.reja, c_.mapac, c_.mapam, c_.ListSelLugFP, c_.BotInternetC, c_.botTodaFP, c_.listBarcelona,
             c_.BotCerrar, c_.PanelMapa});
    Poner(c_.PanelEstrellas, true);
    if (c_.reja)
        VaciarRejilla(c_.reja);
    if (c_.PanelSelTit)
        c_.PanelSelTit->clear();
    if (c_.PanelCarSel)
        c_.PanelCarSel->clear();
    estado.TodaFP = false;
    if (c_.botTodaFP)
        c_.botTodaFP->setText(T(391));
}

// --- Printing ---

std::optional<InformeFP> RutaLugaresFP::InformeDeLista()
{
    if (!lugar.ModoComarcas && !lugar.ModoZonas && !estado.LocalidadesListadas &&
        !(c_.ListSelLugFP && c_.ListSelLugFP->currentItem()))
        return std::nullopt;
    // Nothing on the grid yet: no district or zone has been chosen.
    if ((lugar.ModoComarcas && lugar.ComarcaSel == 0) || (lugar.ModoZonas && lugar.ZonaSel == 0))
        return std::nullopt;
    const OrigenListaCentros origen = OrigenDeListaCentros(e_, lugar);
    if (origen.grupo < '1' || origen.grupo > '4')
        return std::nullopt;
    e_.*nivel_.contadorInforme = 0;
    ListarCentrosProvincia(true, origen.provincia, nivel_.Grupo(origen.grupo));
    return InformeListaCentros(e_.Textos, nivel_, origen.nombre, e_);
}

} // namespace norvela
