// The place route of the higher-cycle screen: the maps, provinces,
// districts, zones and localities, and the centre grid.
#include "superior.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "cadenas.h"
#include "controles_fp.h"
#include "enlace.h"
#include "grupos_fp.h"
#include "lugares_fp.h"
#include "mapa_regiones.h"

#include "panel_efectos.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <algorithm>

namespace norvela {

void TForm8::MenuFP2Click()
{
    enlace.FPSuperiorActivo = true;
    ModoPorLugar = true;
    TerminarSeleccionImpresion();
    Ocultar({ListPreFam, listSelFP, PanelFpTit, PanelFP});
    PanelSelTit->clear();
    PanelSelTit->show();
    PanelSel->show();
    PanelEstrellas->show();
    BotRetrocederFP->show();
    reja->setCursor(Qt::PointingHandCursor);
    CentrosEnRejilla = true;
}

void TForm8::botTodaFPMouseUp()
{
    RelistarLocalidades = true;
    TodaFP = !TodaFP;
    VaciarRejilla(reja);
    ListSelLugFPClick(ListSelLugFP->currentRow());
}

void TForm8::BotInternetCMouseUp()
{
    const int c = enlace.ComunidadSel;
    if (!enlace.WebComunidad.Contiene(c))
        return;
    // The data give the address without its scheme.
    AbrirWeb(DesdeAnsi(enlace.WebComunidad[c]), enlace.RutaDatos);
}

void TForm8::mapaMouseMove(int x, int y)
{
    if (x < 1 || x > kPuntosFilas || y < 1 || y > kAltoMapa)
        return;
    enlace.ComunidadRaton = enlace.MapaComunidades.Valor(x, y);
    const int c = ComunidadEn(enlace, x, y);
    mapa->MostrarPista(x, y, c ? DesdeAnsi(PistaComunidad(enlace, c, enlace.AnchoLista)) : QString(),
                      enlace.AnchoPanelMapa);
    mapa->setCursor(c ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm8::mapacMouseMove(int x, int y)
{
    if (x < 1 || x > kPuntosFilas || y < 1 || y > kAltoMapaDetalle)
        return;
    enlace.ComunidadRaton = enlace.MapaRegionesC.Valor(x, y);
    const int r = ComarcaEn(enlace, x, y);
    mapac->MostrarPista(x, y, r ? DesdeAnsi(PistaComarca(enlace, r)) : QString(), enlace.AnchoPanelMapa);
    mapac->setCursor(r ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm8::mapamMouseMove(int x, int y)
{
    if (x < 1 || x > kPuntosFilas || y < 1 || y > kAltoMapaDetalle)
        return;
    enlace.ComunidadRaton = enlace.MapaRegionesM.Valor(x, y);
    const int z = ZonaEn(enlace, x, y);
    mapam->MostrarPista(x, y, z ? DesdeAnsi(PistaZona(enlace, z)) : QString(), z ? 250 : enlace.AnchoPanelMapa);
    mapam->setCursor(z ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm8::degradeiniMouseMove()
{
    PanelMapa->hide();
}

void TForm8::LlenarProvinciasSel()
{
    ListSelLugFP->clear();
    for (int k = 1; k <= enlace.NumProvinciasSel; ++k) {
        auto *item = new QListWidgetItem(DesdeAnsi(enlace.NombresProvinciasSel[k]).trimmed(), ListSelLugFP);
        item->setData(Qt::DecorationRole, IconoLista(5));
    }
}

void TForm8::mapaClick()
{
    const int c = enlace.ComunidadRaton;
    if (c < 1 || c > kNumComunidades)
        return;
    enlace.ComunidadSel = c;
    PanelMapa->hide();
    if (enlace.SeleccionImpresion) {
        AnadirComunidadSeleccion(c);
        return;
    }
    SeleccionarComunidad(enlace, enlace, c, enlace.AnchoLista);
    if (!enlace.CodigoProvincia.Contiene(enlace.PrimeraProvincia))
        return;
    if (!ModoPorLugar) {
        enlace.GrupoSel = enlace.CodigoProvincia[enlace.PrimeraProvincia][0];
        ListarCentrosTitulo(GrupoDe(enlace, enlace, enlace.GrupoSel));
        return;
    }
    enlace.LocalidadesListadas = false;
    Ocultar({PanelEstrellas, mapac, mapam});
    BotInternetC->show();
    botTodaFP->show();
    ListSelLugFP->setVisible(c != kComunidadComarcas && c != kComunidadZonas);
    LlenarProvinciasSel();
    enlace.ModoComarcas = c == kComunidadComarcas;
    enlace.ComarcaSel = 0;
    mapac->setVisible(enlace.ModoComarcas);
    enlace.ModoZonas = c == kComunidadZonas;
    enlace.ZonaSel = 0;
    mapam->setVisible(enlace.ModoZonas);
    enlace.ListaDeLugares = true;
}

void TForm8::mapacClick()
{
    const int r = enlace.ComunidadRaton;
    if (r < 1 || r > kNumComarcasMapa)
        return;
    enlace.ComarcaSel = r;
    PanelMapa->hide();
    if (r == kComarcaBarcelones) {
        listBarcelona->show();
        listBarcelona->raise();
        BotCerrar->show();
        BotCerrar->raise();
        return;
    }
    ListSelLugFPClick(-1);
}

void TForm8::listBarcelonaClick(int i)
{
    const int r = SubcomarcaBarcelona(enlace, i);
    if (r == 0)
        return;
    enlace.ComunidadRaton = r;
    enlace.ComarcaSel = r;
    ListSelLugFPClick(-1);
}

void TForm8::BotCerrarClick()
{
    listBarcelona->hide();
    BotCerrar->hide();
}

void TForm8::mapamClick()
{
    const int z = enlace.ComunidadRaton;
    if (z < 1 || z > kNumZonasMapa)
        return;
    PanelMapa->hide();
    enlace.ZonaSel = z;
    ListSelLugFPClick(-1);
}

void TForm8::ListSelLugFPClick(int i)
{
    if (i < 0 && !enlace.ModoComarcas && !enlace.ModoZonas)
        return;
    if ((enlace.ModoZonas && enlace.ZonaSel == 0) || (enlace.ModoComarcas && enlace.ComarcaSel == 0))
        return;
    BotImprimir->show();
    PanelSelTit->setText(TodaFP ? T(391) : T(392));
    botTodaFP->setText(TodaFP ? T(392) : T(391));
    char provincia = ' ';
    if (!enlace.LocalidadesListadas) {
        if (i >= 0) {
            const int k = enlace.PrimeraProvincia + i;
            if (!enlace.CodigoProvincia.Contiene(k))
                return;
            const std::string &codigo = enlace.CodigoProvincia[k];
            enlace.GrupoSel = codigo[0];
            provincia = codigo[1];
        }
    } else {
        if (i < 0)
            return;
        enlace.LocalidadSel = i + 1;
        provincia = enlace.ProvinciaGuardada;
        enlace.GrupoSel = enlace.GrupoGuardado;
    }
    enlace.NombresLargos = EsProvinciaNombresLargos(enlace.GrupoSel, provincia);
    enlace.LetraGrupo = enlace.GrupoSel;
    if (enlace.ModoComarcas)
        enlace.LetraGrupo = '4';
    if (enlace.ModoZonas)
        enlace.LetraGrupo = '2';
    if (enlace.LetraGrupo < '1' || enlace.LetraGrupo > '4')
        return;
    ListarCentrosProvincia(false, provincia, GrupoDe(enlace, enlace, enlace.LetraGrupo));
}

void TForm8::ListarCentrosProvincia(bool imprimir, char provincia, const GrupoCentros &g)
{
    std::vector<int> centros;
    int primerVisible = 0;
    if (enlace.ModoComarcas) {
        if (!enlace.CodigosComarcas.Contiene(enlace.ComarcaSel))
            return;
        centros =
            CentrosConCodigo(enlace.CodigoComarcaCentro, enlace.NumCentros4, enlace.CodigosComarcas[enlace.ComarcaSel]);
    } else if (enlace.ModoZonas) {
        if (enlace.ZonaSel < 1 || enlace.ZonaSel > kNumZonasMapa)
            return;
        const int linea = enlace.LineasDeZona.En(enlace.ZonaSel, 1);
        if (!enlace.CodigosZonas.Contiene(linea))
            return;
        centros = CentrosConCodigo(enlace.CodigoZonaCentro, enlace.NumCentros2, enlace.CodigosZonas[linea]);
    } else {
        centros = CentrosDeProvincia(g, provincia, NivelFP::Superior, TodaFP);
        if (!g.centros)
            return;
        localidades_ = LocalidadesDe(*g.centros, centros, enlace.NombresLargos);
        if (!enlace.LocalidadesListadas || RelistarLocalidades) {
            enlace.ProvinciaGuardada = provincia;
            enlace.GrupoGuardado = enlace.GrupoSel;
            if (!enlace.LocalidadesListadas && ListSelLugFP->currentItem())
                enlace.NombreProvinciaSel = HaciaAnsi(ListSelLugFP->currentItem()->text());
            PanelCarSel->setText(DesdeAnsi(QuitarBlancosFinales(enlace.NombreProvinciaSel)));
            PanelCarSel->show();
            reja->show();
            ListSelLugFP->show();
            ListSelLugFP->clear();
            for (const Localidad &l : localidades_) {
                auto *item = new QListWidgetItem(DesdeAnsi(l.nombre).trimmed(), ListSelLugFP);
                item->setData(Qt::DecorationRole, IconoLista(5));
            }
            enlace.LocalidadesListadas = true;
            RelistarLocalidades = false;
            return;
        }
        if (imprimir && enlace.LocalidadSel == 0)
            enlace.LocalidadSel = 1;
        if (enlace.LocalidadSel >= 1 && enlace.LocalidadSel <= static_cast<int>(localidades_.size()))
            primerVisible = localidades_[static_cast<size_t>(enlace.LocalidadSel - 1)].primerCentro;
    }

    NombresTitulos nombres{&enlace.NombresFPSuperior, &enlace.NombresFPMedio, &enlace.NombresFPBasica,
                           HaciaAnsi(T(263))};
    const int inicial = imprimir ? enlace.NumLineasInforme : 0;
    const FilasCentros filas = FilasDeCentros(g, centros, nombres, TodaFP, primerVisible, inicial);
    if (!centros.empty()) {
        PanelSelTit->setText(T(190) + QStringLiteral(" - ") + (TodaFP ? T(391) : T(392)));
        CentrosEnRejilla = true;
    }

    if (enlace.ModoZonas)
        PanelCarSel->setText(QStringLiteral("Madrid"));
    else if (enlace.ModoComarcas)
        PanelCarSel->setText(DesdeAnsi(QuitarBlancosFinales(enlace.NombresComarcas[enlace.ComarcaSel])));
    else
        PanelCarSel->setText(DesdeAnsi(QuitarBlancosFinales(enlace.NombreProvinciaSel)));
    PanelCarSel->show();
    listSelFP->hide();
    reja->show();
    if (!enlace.DesdeAsistente)
        reja->setFocus();

    std::vector<FilaRejilla> todas;
    if (imprimir) {
        // The grid shows the whole report so far, then the new rows.
        for (int r = 1; r <= enlace.NumLineasInforme; ++r)
            todas.push_back({enlace.LineasInforme[r], enlace.LineasInforme2[r], 0});
        for (const FilaRejilla &f : filas.filas) {
            if (!enlace.LineasInforme.Contiene(enlace.NumLineasInforme + 1))
                break;
            ++enlace.NumLineasInforme;
            enlace.LineasInforme.Poner(enlace.NumLineasInforme, f.col0);
            enlace.LineasInforme2.Poner(enlace.NumLineasInforme, f.col1);
        }
    }
    todas.insert(todas.end(), filas.filas.begin(), filas.filas.end());
    ConTransicion(false, [&] { LlenarRejilla(reja, todas, 0, enlace.MarcaCarga); });
    // Scrolled once the grid is shown again and its rows have their places.
    reja->doItemsLayout();
    if (filas.filaSuperior > 0 && filas.filaSuperior < reja->rowCount())
        reja->scrollToItem(reja->item(filas.filaSuperior, 0), QAbstractItemView::PositionAtTop);
    else
        reja->scrollToTop();
    enlace.ListaDeLugares = false;
}

void TForm8::ListarCentrosTitulo(const GrupoCentros &g)
{
    if (!g.centros || !g.ofertaGS)
        return;
    const std::vector<FilaRejilla> filas = FilasTitulo(g, *g.ofertaGS, enlace.NumProvinciasSel, enlace.PrimeraProvincia,
                                                       enlace.CodigoProvincia, enlace.NombresProvinciasSel, TituloSel);
    if (enlace.ModoImpresion && !filas.empty()) {
        const std::string nombre = enlace.Lugares[enlace.ComunidadSel].size() > 2
                                       ? Cortar(enlace.Lugares[enlace.ComunidadSel].substr(2), 30)
                                       : std::string();
        for (const std::string &s : LineasTituloInforme(nombre, filas)) {
            if (!enlace.LineasInforme.Contiene(enlace.NumLineasInforme + 1))
                break;
            enlace.LineasInforme.Poner(++enlace.NumLineasInforme, s);
        }
        return;
    }
    PanelSelTit->setText(T(323));
    PanelSelTit->show();
    listSelFP->hide();
    reja->show();
    if (filas.empty()) {
        LlenarRejilla(reja, {FilaRejilla{HaciaAnsi(T(292)), {}, 0}}, 0, true);
        return;
    }
    ConTransicion(false, [&] {
        LlenarRejilla(reja, filas, 44, true);
        reja->scrollToTop();
    });
    enlace.ListaDeLugares = false;
}

void TForm8::rejaDblClick(int fila)
{
    if (!CentrosEnRejilla || fila < 0 || fila >= reja->rowCount() || !reja->item(fila, 0))
        return;
    const int titulo = reja->item(fila, 0)->data(RolTitulo).toInt();
    if (titulo == 0)
        return;
    TituloDesdeRejilla = true;
    enlace.ElementoElegido = titulo;
    PanelSelTit->clear();
    Ocultar({BotImprimir, ListSelLugFP, BotInternetC, botTodaFP, mapac, mapam, PanelEstrellas, reja, BotRetrocederFP,
             PanelFP, listBarcelona, BotCerrar});
    mapa->Redibujar();
    enlace.LocalidadesListadas = false;
    PanelSel->show();
    PanelSelTit->show();
    listSelFP->show();
    enlace.FPSuperiorActivo = true;
    TerminarSeleccionImpresion();
    ModoPorLugar = false;
    reja->setCursor(Qt::ArrowCursor);
    CentrosEnRejilla = false;
    ListTitFPClick(-1);
    TituloDesdeRejilla = false;
}

} // namespace norvela
