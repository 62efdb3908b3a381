// The doors of the main menu: the door opening, the zoom, and the screen
// each door leads to.
#include "principal.h"

#include "asistente.h"
#include "catU.h"
#include "certifiU.h"
#include "enlace.h"
#include "etiquetas.h"
#include "formconsejo.h"
#include "grados.h"
#include "inipro.h"
#include "itinerarios.h"
#include "medio.h"
#include "paleta.h"
#include "panel_efectos.h"
#include "pantallas_creadas.h"
#include "profeU.h"
#include "superior.h"
#include "zoom_puerta.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace norvela {

void Tform0::AbrirPuerta(EtiquetaActiva *etiqueta, int codigo)
{
    if (panelConfigu->isVisible())
        return;
    if (abriendo_) {
        // The door clicked last is the one that opens: another door drops
        // this opening and starts its own, the same door goes on as it was.
        if (codigo == MenuElegido)
            return;
        DejarPuerta();
    }
    abriendo_ = true;
    MenuElegido = codigo;
    if (enlace.AnimacionIniciada) {
        // Coming from the animated screen: the screen opens on the first zoom tick.
        piloto.stop();
        Progreso = 110;
        TimerZoom.start();
        return;
    }
    piloto.stop();
    etiqueta->PonerColorFondo(paleta::ColorFondo);
    TimerTexto.stop();
    Bocadillo1->hide();
    LabelBocadillo1->hide();
    labelBocadillo2->hide();
    ActivarHint(etiqueta, false);
    PuertaX = PosicionPuerta(etiqueta).x();
    PuertaY = PosicionPuerta(etiqueta).y();
    Progreso = 0;
    Fotograma = 0;
    TimerPuerta.start();
}

void Tform0::TimerPuertaTimer()
{
    LabelBocadillo1->hide();
    labelBocadillo2->hide();
    anda->move(PuertaX, PuertaY - kPasoVertical * Progreso);
    anda->setPixmap(ImageListPuerta.value(Fotograma));
    anda->show();
    PuertaArriba = anda->y();
    ++Progreso;
    ++Fotograma;
    if (Fotograma == ImageListPuerta.size()) {
        // The open door stays until the zoom draws it, so it never shows
        // closed in between.
        TimerPuerta.stop();
        TimerZoom.start();
    }
}

QRect Tform0::RectanguloZoom() const
{
    const bool abajo = MenuElegido >= kPuertaProfe;
    const int columna = abajo ? MenuElegido - 5 : MenuElegido;
    const int y0 = abajo ? 305 : 0;
    const int izquierda = (columna - 1) * W - Progreso / 2;
    const int derecha = (columna - 1) * W + W + Progreso / 2;
    return QRect(QPoint(izquierda, y0), QPoint(derecha - 1, y0 + H + Progreso - 1));
}

void Tform0::TimerZoomTimer()
{
    if (Progreso < 100) {
        Progreso += 10;
        // The door's bay as the corridor shows it, its door open, growing.
        const bool abajo = MenuElegido >= kPuertaProfe;
        const int columna = abajo ? MenuElegido - 5 : MenuElegido;
        const QRect bahia((columna - 1) * W, abajo ? 305 : 0, W, H);
        QImage vista = mosaico->pixmap().copy(bahia).toImage().convertToFormat(QImage::Format_RGB32);
        {
            QPainter lienzo(&vista);
            lienzo.drawPixmap(QPoint(PuertaX, PuertaArriba) - bahia.topLeft(), ImageListPuerta.value(4));
        }
        zoom_->Dibujar(vista, RectanguloZoom(), ImageListPuerta.value(4), QPoint(PuertaX, PuertaArriba));
        anda->hide();
        // A screen opened for the first time is built on the zoom's first
        // step, a second before it shows: the zoom's end then only shows it.
        Destino(MenuElegido);
        return;
    }
    TimerZoom.stop();
    if (EtiquetaActiva *etiqueta = EtiquetaDePuerta(MenuElegido))
        ActivarHint(etiqueta, true);
    if (AbrirDestinoPuerta(MenuElegido))
        hide();
    zoom_->hide();
    anda->hide();
    abriendo_ = false;
}

void Tform0::DejarPuerta()
{
    TimerPuerta.stop();
    TimerZoom.stop();
    zoom_->hide();
    anda->hide();
    if (EtiquetaActiva *etiqueta = EtiquetaDePuerta(MenuElegido))
        ActivarHint(etiqueta, true);
    abriendo_ = false;
}

EtiquetaActiva *Tform0::EtiquetaDePuerta(int codigo) const
{
    for (const auto &[etiqueta, c] : puertas_)
        if (c == codigo)
            return etiqueta;
    return nullptr;
}

Pantalla *Tform0::Destino(int codigo) const
{
    PantallasCreadas &p = creadas_;
    switch (codigo) {
    case puerta::Dejar:
        return p.Certifica.get();
    case kPuertaCarreras:
        return p.Form1.get();
    case kPuertaCat:
        return p.FormCat.get();
    case kPuertaFpS:
        return p.Form8.get();
    case kPuertaIti:
    case kPuertaCuesE:
        return p.Form2.get();
    case kPuertaFPM:
        return p.Form3.get();
    case kPuertaFPip:
        return p.FIniPro.get();
    case kPuertaProfe:
        return p.profe.get();
    case kPuertaCuesB:
        return p.FormCon.get();
    case kPuertaAsistente:
        return p.Form5.get();
    default:
        return nullptr;
    }
}

bool Tform0::AbrirDestinoPuerta(int codigo)
{
    // Built here if it was not yet. A screen whose own creation is still
    // under way is not there yet: nothing opens and the menu stays.
    if (!Destino(codigo))
        return false;
    PantallasCreadas &p = creadas_;
    switch (codigo) {
    case puerta::Dejar:
        p.Certifica->Mostrar();
        break;
    case kPuertaCarreras:
        p.Form1->botinformacionClick();
        p.Form1->Mostrar();
        break;
    case kPuertaCat:
        p.FormCat->Mostrar();
        break;
    case kPuertaFpS:
        p.Form8->MostrarInicio(true);
        break;
    case kPuertaIti:
        p.Form2->MostrarConDiagrama();
        break;
    case kPuertaFPM:
        if (enlace.IntroHelicoptero)
            enlace.CuestionarioGM = false;
        else
            p.Form3->PararHelicoptero();
        p.Form3->Mostrar();
        break;
    case kPuertaFPip:
        p.FIniPro->AbrirPorTitulo();
        break;
    case kPuertaProfe:
        p.profe->BotCuestioClick();
        p.profe->Mostrar();
        break;
    case kPuertaCuesB:
        p.FormCon->Mostrar();
        break;
    case kPuertaCuesE:
        p.Form2->MostrarConCuestionario();
        break;
    case kPuertaAsistente:
        enlace.DesdeAsistente = true;
        p.Form5->Mostrar();
        break;
    default:
        break;
    }
    return true;
}

} // namespace norvela
