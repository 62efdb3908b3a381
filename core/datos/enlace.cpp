#include "enlace.h"

#include "cadenas.h"
#include "cargas_listas.h"
#include "errores.h"
#include "imagenes.h"
#include "lectura.h"
#include "textos_propios.h"

#include <QDir>
#include <QFileInfo>

namespace norvela {

namespace {

const char *const kCarpetasIdioma[4] = {"cas/", "catVal/", "galego/", "euskera/"};

// The start-up pictures. One that cannot be used (a map of the wrong size
// too) is told like any missing file, by its path. The first failure stops:
// start-up ends at the next check.
void CargarImagenes(Enlace &e)
{
    struct Imagen {
        const char *fichero;
        QImage *destino;
        QSize tamano;   // the maps match "puntos3" pixel for pixel
    };
    const QSize mapa(kPuntosFilas, kAltoMapa);
    const QSize detalle(kPuntosFilas, kAltoMapaDetalle);
    const Imagen imagenes[] = {
        {"chica.bmp", &e.BmpChica, {}}, {"parte", &e.BmpParte, {}},   {"heli.bmp", &e.BmpHeli, {}},
        {"mapa", &e.BmpMapa, mapa},     {"mapac", &e.BmpMapaC, detalle}, {"mapam", &e.BmpMapaM, detalle},
        {"suelo", &e.BmpSuelo, {}},     {"marcod", &e.BmpMarcoD, {}}, {"marcoi", &e.BmpMarcoI, {}},
        {"marcoar", &e.BmpMarcoAr, {}},
    };
    for (const Imagen &im : imagenes) {
        const QString ruta = e.Fichero(im.fichero);
        if (CargarImagen(ruta, *im.destino, im.tamano))
            continue;
        e.FaltaFichero(ruta);
        return;
    }
}

// A "puntos3" that is missing, short or holds a value outside 0..255 is
// reported like a missing file.
bool CargarMapas(Enlace &e)
{
    const QString ruta = e.Fichero("puntos3");
    const auto puntos = CargarPuntos(ruta);
    if (puntos && DividirPuntos(*puntos, e.MapaComunidades, e.MapaRegionesC, e.MapaRegionesM))
        return true;
    e.FaltaFichero(ruta);
    return false;
}

bool Existe(const QString &ruta)
{
    return QFileInfo(ruta).isFile();
}

void PasosDeInicio(Enlace &e, const OpcionesInicio &opciones)
{
    // Paths.
    e.RutaPrograma = QDir(opciones.rutaPrograma).absolutePath();
    if (!e.RutaPrograma.endsWith('/'))
        e.RutaPrograma += '/';
    e.RutaDatos = e.RutaPrograma + QStringLiteral("norvela19_20/");

    // Settings record.
    e.Almacen = std::make_unique<AlmacenAjustes>(e.RutaDatos, opciones.carpetaUsuario);
    e.AjustesGuardados = e.Almacen->Leer();
    e.IdiomaSel = e.AjustesGuardados.idioma;
    e.OrdenAlfabetico = e.AjustesGuardados.orden;
    e.AnimacionSi = e.AjustesGuardados.animacion;
    e.CarpetaIdioma = kCarpetasIdioma[e.IdiomaSel];
    PonerIdiomaPropio(e.IdiomaSel);
    e.ModoAnimado = e.AnimacionSi;

    AplicarLineaComandos(e, opciones.argumentos);

    // Interface texts.
    CargarTextos(e, e.FicheroIdioma("textos"), e.TextosLeidos);
    if (e.ErrorFicheros)
        return;
    AsignarTextos(e);

    e.CentrarFormularios = true;
    e.AnimacionIniciada = false;

    // The animated home screen needs both image packs and a recent enough
    // graphics library.
    if (!Existe(e.Fichero(e.FicheroSegDXG)) || !Existe(e.Fichero(e.FicheroVectorDXG)))
        e.ModoAnimado = false;
    e.VersionDirectX = -1;
    e.VersionDirectX = LeerVersionDirectX(opciones.versionGraficos);
    if (e.VersionDirectX < 7)
        e.ModoAnimado = false;

    e.AnchoPanelMapa = 115;
    e.ComunidadRaton = 1;
    e.ElementoElegido = 0;

    CargarImagenes(e);
    if (e.ErrorFicheros)
        return;
    IniciarPuntosMapa(e.PosicionComunidadX, e.PosicionComunidadY);
    if (!CargarMapas(e))
        return;

    CargarListaAncho(e, e.FicheroIdioma("informa_l"), e.Requisitos, e.NumRequisitos, e.AnchoLista);
    CargarListaAncho(e, e.FicheroIdioma("materias_l"), e.Materias, e.NumMaterias, e.AnchoLista);
}

} // namespace

Enlace::Enlace(Mensajes &mensajes) : mensajes_(&mensajes) {}

void Enlace::FaltaFichero(const QString &ruta)
{
    if (!faltas_.contains(ruta)) {
        faltas_.append(ruta);
        AvisarFaltaFichero(ruta);
    }
    ErrorFicheros = true;
}

void Enlace::AvisarFaltaFichero(const QString &ruta)
{
    mensajes_->Aviso(TextoFaltaFichero(ruta));
}

void AplicarLineaComandos(Enlace &e, const QStringList &argumentos)
{
    // The language first: the box of "A" speaks it.
    if (argumentos.size() >= 2) {
        bool esNumero = false;
        const int valor = argumentos[1].toInt(&esNumero);
        // Not a whole number: the argument is ignored.
        if (esNumero) {
            if (valor >= 0 && valor <= 3 && argumentos[1].size() == 1) {
                e.CarpetaIdioma = kCarpetasIdioma[valor];
                PonerIdiomaPropio(valor);
            }
            e.OrdenAlfabetico = valor >= 1;
        }
    }
    if (!argumentos.isEmpty()) {
        const QString &primero = argumentos[0];
        if (primero == QLatin1String("A"))
            e.Avisos().Aviso(QStringLiteral("Programa Norvela actualizado"));
        else if (primero == QLatin1String("S"))
            e.ModoAnimado = true;
        else if (primero == QLatin1String("N"))
            e.ModoAnimado = false;
    }
}

bool GrabarAjustes(Enlace &e)
{
    const Ajustes nuevos{e.IdiomaSel, e.AjustesGuardados.orden, e.AnimacionSi};
    if (!e.Almacen || !e.Almacen->Grabar(nuevos)) {
        e.Avisos().Aviso(QStringLiteral("Lo siento. No puedo grabar."));
        return false;
    }
    e.AjustesGuardados = nuevos;
    return true;
}

void Inicializar(Enlace &e, const OpcionesInicio &opciones)
{
    e.ErrorFicheros = false;
    try {
        PasosDeInicio(e, opciones);
    } catch (const ErrorDatos &error) {
        e.Avisos().Aviso(error.Mensaje());
        e.ErrorFicheros = true;
    } catch (const std::exception &error) {
        e.Avisos().Aviso(QString::fromUtf8(error.what()));
        e.ErrorFicheros = true;
    }
}

void LiberarMemoria(Enlace &e)
{
    if (e.liberada_)
        return;
    e.liberada_ = true;
    e.TextosLeidos.Liberar();
    for (TablaTexto *t : {&e.NombresGrado, &e.NombresGrupo, &e.NombresFPSuperior, &e.NombresOtros, &e.Lugares,
                          &e.LineasInforme, &e.LineasInforme2, &e.InformeCuesGM, &e.ListaAux, &e.ListaGrados,
                          &e.RequisitosFP, &e.NombresActividad, &e.WebUniversidad, &e.NombresUniversidad, &e.Centros1,
                          &e.Centros2, &e.Centros3, &e.Centros4, &e.NombresFPMedio, &e.NombresFPBasica,
                          &e.NombresCertificados, &e.EncabezadosFPSuperior, &e.EncabezadosFPMedio,
                          &e.ExplicacionCertificados, &e.NombresFamilias, &e.Cuestiones, &e.ListaCualidades,
                          &e.ListaIntereses, &e.NombresAreas, &e.ListaGM75, &e.CuestionesGM, &e.ListaItinerarios1,
                          &e.Requisitos, &e.Materias})
        t->Liberar();
    for (TablaBloques *t : {&e.AsignaturasFPSuperior, &e.AsignaturasFPMedio, &e.AsignaturasFPBasica,
                            &e.AsignaturasOtros})
        t->Liberar();
    for (TablaBytes *t : {&e.TablaCuestioCua, &e.TablaCuestioInt, &e.TablaCuestioESO, &e.NotasCorteUni,
                          &e.NotasCorte})
        t->Liberar();
    for (MapaBytes *m : {&e.MapaComunidades, &e.MapaRegionesC, &e.MapaRegionesM})
        m->Liberar();
    for (QImage *im : {&e.BmpChica, &e.BmpSuelo, &e.BmpMapa, &e.BmpMapaC, &e.BmpMapaM, &e.BmpMarcoD, &e.BmpMarcoI,
                       &e.BmpMarcoAr, &e.BmpHeli, &e.BmpParte, &e.BmpImagen})
        *im = QImage();
    for (QImage &im : e.BmpItinerario)
        im = QImage();
}

} // namespace norvela
