// The higher artistic studies (plastic arts and design, music, dance,
// drama) with their titles, specialities and places, and the list of
// sports and other studies.
#include "grados.h"

#include "abrir_enlace.h"
#include "ansi.h"
#include "artes_grados.h"
#include "cadenas.h"
#include "enlace.h"
#include "errores.h"
#include "lectura.h"
#include "panel_efectos.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace norvela {

namespace {

// A ListSel line that holds a web address to open on a double click.
constexpr int kRolWeb = Qt::UserRole + 1;

} // namespace

void TForm1::ConectarArtes()
{
    connect(BotArtesPlas, &QPushButton::clicked, this, &TForm1::BotArtesPlasClick);
    connect(BotMusica, &QPushButton::clicked, this, &TForm1::BotMusicaClick);
    connect(BotDanza, &QPushButton::clicked, this, &TForm1::BotDanzaClick);
    connect(BotDramatico, &QPushButton::clicked, this, &TForm1::BotDramaticoClick);
    connect(BotArtesTit, &QPushButton::clicked, this, &TForm1::BotArtesTitClick);
    connect(BotArtesEsp, &QPushButton::clicked, this, &TForm1::BotArtesEspClick);
    connect(BotArtesLug, &QPushButton::clicked, this, &TForm1::BotArtesLugClick);
    connect(BotMenuDepor, &QPushButton::clicked, this, &TForm1::BotMenuDeporClick);
    connect(ListSel, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        if (estado.ModoArtes && item && item->data(kRolWeb).toBool())
            AbrirWeb(item->text().trimmed(), enlace.RutaDatos);
    });
}

void TForm1::LlenarListaSel(const QStringList &lineas, bool rollo)
{
    if (rollo)
        MostrarConRollo(PanelSel, 0);
    else
        MostrarConCirculo(PanelSel, 0);
    ListSel->clear();
    ListSel->addItems(lineas);
    if (rollo)
        MostrarConRollo(PanelSel, 1);
    else
        MostrarConCirculo(PanelSel, 1);
}

void TForm1::AbrirFamiliaArtes(FamiliaArtes f, int texto)
{
    estado.ModoArtes = true;
    estado.ArtesPlasticas = f == FamiliaArtes::Plasticas;
    estado.ArtesMusica = f == FamiliaArtes::Musica;
    estado.ArtesDanza = f == FamiliaArtes::Danza;
    estado.ArtesDramatico = f == FamiliaArtes::Dramatico;
    if (f == FamiliaArtes::Plasticas) {
        enlace.FPSuperiorActivo = false;
        estado.ModoDeportes = false;
        estado.ModoGrados = false;
        enlace.VistaDobles = false;
        estado.UltimaEspecialidad = kUltimaEspecialidadPlasticas;
    }
    PanelMenu->hide();
    PanelMenu4->hide();
    // The family's heading takes the title bar's place: the caption (the
    // community or speciality shown) and the panel stand one bar lower.
    const int barra = PanelCarSel->height() + 4;
    PanelCarSel->move(PanelCarSel->x(), estado.TopePanelCarSel);
    PanelSelTit->move(PanelSelTit->x(), estado.TopePanelSelTit + barra);
    PanelSel->move(PanelSel->x(), estado.TopePanelSel + barra);
    PanelSelTit->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{PanelSel, PanelSelTit, ListSel, BotImprimirN, BotRetroceder,
                                                       BotArtesTit, BotArtesEsp, BotArtesLug, PanelCarSel})
        w->show();
    PanelCarSel->setText(enlace.Texto(texto));

    const QString ruta = enlace.FicheroIdioma(QString::fromLatin1(FicheroFamiliaArtes(f)));
    estado.ListaArtes.clear();
    estado.EspecialidadesArtes.clear();
    // A file that cannot be used is told, and the list shows nothing of it.
    try {
        if (auto lineas = LeerLineas(ruta)) {
            if (static_cast<int>(lineas->size()) > kMaxLineasArtes)
                throw ErrorRango(ruta, kMaxLineasArtes + 1, QStringLiteral("demasiadas l\u00edneas"));
            estado.ListaArtes = std::move(*lineas);
        } else {
            enlace.AvisarFaltaFichero(ruta);
        }
    } catch (const ErrorDatos &error) {
        enlace.Avisos().Aviso(error.Mensaje());
    }
    if (f == FamiliaArtes::Plasticas)
        estado.EspecialidadesArtes = EspecialidadesArtes(estado.ListaArtes, f);
    MostrarTitulosArtes();
}

void TForm1::MostrarTitulosArtes()
{
    ListSel->clear();
    ListSel->setAccessibleName(enlace.Texto(533));
    for (const std::string &l : TitulosArtes(estado.ListaArtes))
        ListSel->addItem(DesdeAnsi(l));
}

void TForm1::BotArtesPlasClick()
{
    AbrirFamiliaArtes(FamiliaArtes::Plasticas, 529);
}

void TForm1::BotMusicaClick()
{
    AbrirFamiliaArtes(FamiliaArtes::Musica, 530);
}

void TForm1::BotDanzaClick()
{
    AbrirFamiliaArtes(FamiliaArtes::Danza, 531);
}

void TForm1::BotDramaticoClick()
{
    AbrirFamiliaArtes(FamiliaArtes::Dramatico, 532);
}

void TForm1::BotArtesTitClick()
{
    ListSel->setCursor(Qt::ForbiddenCursor);
    MostrarTitulosArtes();
}

void TForm1::BotArtesEspClick()
{
    ListSel->setCursor(Qt::ForbiddenCursor);
    if (estado.ArtesPlasticas) {
        ListComunidad->show();
        MostrarConCirculo(PanelSel, 0);
        ListComunidad->clear();
        ListComunidad->setAccessibleName(enlace.Texto(534));
        for (const std::string &n : estado.EspecialidadesArtes)
            ListComunidad->addItem(DesdeAnsi(n));
        MostrarConCirculo(PanelSel, 1);
        return;
    }
    const FamiliaArtes f = estado.ArtesMusica  ? FamiliaArtes::Musica
                           : estado.ArtesDanza ? FamiliaArtes::Danza
                                               : FamiliaArtes::Dramatico;
    QStringList lineas;
    for (const std::string &l : EspecialidadesArtes(estado.ListaArtes, f))
        lineas << DesdeAnsi(l);
    ListSel->setAccessibleName(enlace.Texto(534));
    LlenarListaSel(lineas, false);
}

void TForm1::BotArtesLugClick()
{
    if (estado.ArtesPlasticas) {
        ListComunidad->hide();
        PanelMenu->hide();
        for (QWidget *w : std::initializer_list<QWidget *>{PanelEstrellas, PanelSel, PanelSelTit, ListSel, BotRetroceder})
            w->show();
        ListSel->setAccessibleName(enlace.Texto(535));
        ListSel->setCursor(Qt::ForbiddenCursor);
        return;
    }
    const FamiliaArtes f = estado.ArtesMusica  ? FamiliaArtes::Musica
                           : estado.ArtesDanza ? FamiliaArtes::Danza
                                               : FamiliaArtes::Dramatico;
    const auto lugares = LugaresArtes(estado.ListaArtes, f, enlace);
    if (estado.ArtesDramatico && estado.ModoImpresion) {
        for (const LineaLugar &l : lugares)
            enlace.LineasInforme.Poner(++enlace.NumLineasInforme, l.texto);
        return;
    }
    MostrarConCirculo(PanelSel, 0);
    ListSel->clear();
    ListSel->setAccessibleName(enlace.Texto(535));
    for (const LineaLugar &l : lugares) {
        auto *item = new QListWidgetItem(DesdeAnsi(l.texto), ListSel);
        item->setData(kRolWeb, l.web);
    }
    MostrarConCirculo(PanelSel, 1);
    ListSel->setCursor(Qt::PointingHandCursor);
}

void TForm1::BotMenuDeporClick()
{
    estado.ModoDeportes = true;
    estado.ArtesPlasticas = false;
    estado.ModoGrados = false;
    enlace.VistaDobles = false;
    PanelMenu->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{ListSel, PanelSel, PanelSelTit})
        w->show();
    ListComunidad->clear();
    ListComunidad->setAccessibleName(enlace.Texto(300));
    ListComunidad->show();
    BotRetroceder->show();
    // The padding of the stored lines would widen the rows past the list.
    for (int k = 1; k <= enlace.NumOtros; ++k)
        ListComunidad->addItem(DesdeAnsi(QuitarBlancosFinales(enlace.NombresOtros[k])));
}

} // namespace norvela
