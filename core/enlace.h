// The shared state of the program: paths and language, the settings, the
// interface texts, every table, picture, flag and colour that more than one
// screen uses. It is built once, before any window, by Inicializar from a
// program folder and a command line; screens receive it at construction.
#pragma once

#include "ajustes.h"
#include "mapa_regiones.h"
#include "mensajes.h"
#include "tablas.h"
#include "textos_interfaz.h"
#include "version_graficos.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>
#include <memory>

namespace norvela {

// Table layouts.
inline TablaTexto L60() { return TablaTexto(0, 1100, 60); }
inline TablaTexto L75() { return TablaTexto(0, 1100, 75); }
inline TablaTexto R65() { return TablaTexto(0, 1500, 65); }
inline TablaTexto L90() { return TablaTexto(0, 250, 90); }
inline TablaBloques B26() { return TablaBloques(200, 25, 60); }
inline TablaBloques B51() { return TablaBloques(50, 60, 60); }
inline TablaBytes C20() { return TablaBytes(20, 50); }
inline TablaBytes N350() { return TablaBytes(350, 125); }

// Rows 1..1100 (one per centre of a group) of a count and up to 25 titles.
inline std::array<TablaEnteros, 4> Ofertas()
{
    return {TablaEnteros(1, 1100, 0, 25), TablaEnteros(1, 1100, 0, 25), TablaEnteros(1, 1100, 0, 25),
            TablaEnteros(1, 1100, 0, 25)};
}

struct OpcionesInicio {
    QString rutaPrograma;          // folder of the executable
    QStringList argumentos;        // command-line arguments, without the program name
    QString carpetaUsuario;        // settings folder when the data folder is not writable
    ProveedorVersion versionGraficos = VersionRegistradaDelSistema;
};

class Enlace {
public:
    explicit Enlace(Mensajes &mensajes);
    Enlace(const Enlace &) = delete;
    Enlace &operator=(const Enlace &) = delete;

    Mensajes &Avisos() { return *mensajes_; }
    // "Faltan ficheros (" + ruta + "). Vuelva a instalar el programa", and ErrorFicheros.
    void FaltaFichero(const QString &ruta);
    // Where a data file is: in the data folder, or in the language folder.
    QString Fichero(const QString &nombre) const { return RutaDatos + nombre; }
    QString FicheroIdioma(const QString &nombre) const { return RutaDatos + CarpetaIdioma + nombre; }
    // Interface text k for a screen.
    QString Texto(int k) const { return Textos.Texto(k); }

    // Paths and language.
    QString RutaPrograma;
    QString RutaDatos;
    QString CarpetaIdioma = QStringLiteral("cas/");
    int IdiomaSel = 0;
    bool OrdenAlfabetico = false;
    bool ModoAnimado = false;
    bool AnimacionSi = false;
    std::unique_ptr<AlmacenAjustes> Almacen;
    // The record as last read or successfully written; the settings panel
    // compares with it and saves its alphabetical flag, so a one-run command
    // line never becomes permanent.
    Ajustes AjustesGuardados;

    // Flags.
    bool ErrorFicheros = false;
    bool CentrarFormularios = true;
    bool AnimacionIniciada = false;
    int VersionDirectX = 0;

    // Widths used by the list loaders.
    int AnchoLista = 60;
    int AnchoTexto = 60;
    int AnchoLargo = 90;
    int AnchoCorto = 55;

    // Heap tables.
    TablaTexto NombresGrado = L60();
    TablaTexto NombresGrupo = L60();
    TablaTexto NombresFPSuperior = L60();
    TablaTexto NombresOtros = L60();
    TablaBloques AsignaturasFPSuperior = B26();
    TablaBloques AsignaturasFPMedio = B26();
    TablaBloques AsignaturasFPBasica = B26();
    TablaBloques AsignaturasOtros = B51();
    TablaTexto Lugares = L60();
    TablaTexto LineasInforme = R65();
    TablaTexto LineasInforme2 = R65();
    TablaTexto InformeCuesGM = R65();
    TablaTexto ListaAux = L60();
    TablaTexto ListaGrados = L60();
    TablaTexto ListaGMAux = L75();
    TablaTexto RequisitosFP = L60();
    TablaBytes TablaCuestioCua = C20();
    TablaBytes TablaCuestioInt = C20();
    TablaBytes TablaCuestioESO = C20();
    TablaTexto NombresActividad = L60();
    // As wide as the file's field, so an address is never cut.
    TablaTexto WebUniversidad{0, 1100, 100};
    TablaTexto NombresUniversidad = L60();
    TablaTexto Centros1 = L60();
    TablaTexto Centros2 = L60();
    TablaTexto Centros3 = L60();
    TablaTexto Centros4 = L60();
    TablaTexto NombresFPMedio = L60();
    TablaTexto NombresFPBasica = L60();
    TablaTexto NombresCertificados = L60();
    TablaTexto EncabezadosFPSuperior = L60();
    TablaTexto EncabezadosFPMedio = L60();
    TablaTexto ExplicacionCertificados = L90();
    TablaBytes NotasCorteUni = N350();
    TablaBytes NotasCorte = N350();
    TablaTexto NombresFamilias = L60();
    TablaTexto ListaMarcas = L60();
    TablaTexto Cuestiones = L60();
    TablaTexto ListaCualidades = L60();
    TablaTexto ListaIntereses = L60();
    TablaTexto ResulCualidad = L60();
    TablaTexto ResulInteres = L60();
    TablaTexto NombresAreas = L60();
    TablaTexto ListaGM75 = L75();
    TablaTexto CuestionesGM = L75();
    TablaTexto ListaItinerarios1 = L60();
    TablaTexto ListaItinerarios2 = L60();
    TablaTexto TextosLeidos = L75();

    int NumGrados = 0;
    int NumFPSuperior = 0;
    int NumFPMedio = 0;
    int NumFPBasica = 0;
    int NumUniversidades = 0;
    int NumNuevosTitulos = 0;
    int NumCentros1 = 0;
    int NumCentros2 = 0;
    int NumCentros3 = 0;
    int NumCentros4 = 0;

    // Tables of the fixed-column files.
    TablaTexto NuevosTitulos{1, 350, 120};
    TablaTexto NombresComarcas{1, 60, 60};
    TablaTexto CodigosComarcas{1, 60, 2};
    int NumComarcas = 0;
    TablaTexto NombresZonas{0, 100, 60};
    TablaTexto CodigosZonas{1, 100, 2};
    TablaEnteros LineasDeZona{1, 28, 1, 3};
    int NumZonas = 0;
    TablaValores<int> ComunidadUniversidad{1, 1100};
    TablaTexto WebComunidad{1, 20, 100};
    int NumWebComunidades = 0;
    TablaTexto DoblesNombre{0, 200, 40};
    TablaValores<int> DoblesNumero{1, 200};
    TablaEnteros DoblesCuenta{1, 200, 0, 50};
    TablaEnteros DoblesGradoA{1, 200, 1, 50};
    TablaEnteros DoblesGradoB{1, 200, 1, 50};
    TablaBloques DoblesEtiqueta{200, 50, 4};
    int NumDobles = 0;

    // Tables of the ";" files. LineasFichero holds the lines of the last one read.
    std::vector<std::string> LineasFichero;
    std::array<TablaEnteros, 4> OfertaGS = Ofertas();
    std::array<TablaEnteros, 4> OfertaGM = Ofertas();
    std::array<TablaEnteros, 4> OfertaFPB = Ofertas();
    TablaEnteros TablaGrados{1, 350, 1, 14};
    TablaEnteros TablaFPSuperior{1, 200, 1, 25};
    TablaEnteros TablaFPMedio{1, 200, 1, 7};
    TablaBytes NotasCorteTitulo = N350();
    TablaEnteros EnlacesGrado{1, 350, 0, 15};

    // Interface texts.
    TextosInterfaz Textos;

    // Access requirements and baccalaureate subjects of the language folder.
    TablaTexto Requisitos{1, 600, 100};
    TablaTexto Materias{1, 600, 100};
    int NumRequisitos = 0;
    int NumMaterias = 0;

    // Region model.
    MapaBytes MapaComunidades{kPuntosFilas, kAltoMapa};
    MapaBytes MapaRegionesC{kPuntosFilas, kAltoMapaDetalle};
    MapaBytes MapaRegionesM{kPuntosFilas, kAltoMapaDetalle};
    TablaValores<int> PosicionComunidadX{1, kNumComunidades};
    TablaValores<int> PosicionComunidadY{1, kNumComunidades};
    TablaTexto CodigoProvincia{1, 64, 2};

    // Shared pictures.
    QImage BmpChica, BmpParte, BmpHeli, BmpMapa, BmpMapaC, BmpMapaM, BmpSuelo, BmpMarcoD, BmpMarcoI,
        BmpMarcoAr, BmpImagen, BmpAux1, BmpAux2, BmpAux3;
    std::array<QImage, 6> BmpItinerario;   // BmpItinerario1..6, made by the itineraries screen

    // File names kept for other screens.
    const QString FicheroSegDXG = QStringLiteral("segdxg1.DXG");
    const QString FicheroVectorDXG = QStringLiteral("vector.DXG");
    const QString FicheroImagen = QStringLiteral("imagen");
    const QString FicheroRotulo = QStringLiteral("rotulon.bmp");

    // State handed between screens.
    bool DesdeAsistente = false;
    bool GradosDesdeAsistente = false;
    bool FPSuperiorDesdeAsistente = false;
    bool ConsejoDesdeAsistente = false;
    bool ItinerariosDesdeAsistente = false;
    bool FPMedioDesdeAsistente = false;
    int AjusteFuente = 0;
    int ContadorAyuda = 0;
    int NumLineasInforme = 0;
    TablaValores<int> LineasNegrita{0, 200};
    QString NombreAlumno;
    bool ModoImpresion = false;
    TablaValores<int> FilaGrado{1, 1100};
    TablaValores<int> FilaElemento{1, 1100};
    TablaValores<int> FilaTituloGM{1, 1100};
    int ElementoElegido = 0;
    bool ListaDeLugares = false;
    bool SeleccionFija = false;
    bool LocalidadesListadas = false;
    bool MarcaCarga = false;
    TablaValores<uint8_t> MarcasEstrellas{1, kNumComunidades};
    int FaseEstrellas = 0;
    int FaseEstrellas2 = 0;
    TablaTexto GruposFamilias{1, 10, 60};
    bool RetornoMenuGrados = false;
    int SeccionGMDesde = 0;
    int SeccionGMHasta = 0;
    int LimiteSeccionGS = 0;
    int NumListaAux = 0;
    bool ReqDesdeCatalogo = false;
    bool VistaDobles = false;
    TablaValores<int> FilaComunidadNotas{1, kNumComunidades};
    TablaValores<uint8_t> CodigoGM1{1, 100};
    TablaValores<uint8_t> CodigoGM2{1, 100};
    bool IntroHelicoptero = false;
    // The intermediate-cycle screen runs in questionnaire mode (set by the
    // itineraries screen and the doors that open the intermediate cycles).
    bool CuestionarioGM = false;
    bool RutaPorTitulo = false;
    bool RutaPorLugar = false;
    bool PantallaCambiada = false;
    int ComunidadRaton = 1;
    int AnchoPanelMapa = 115;
    bool GradoDesdeMapa = false;

    bool Liberada() const { return liberada_; }

private:
    friend void LiberarMemoria(Enlace &e);

    Mensajes *mensajes_;
    bool liberada_ = false;
};

// The start-up loading, in its fixed order. Any failure has been reported
// to the user and ErrorFicheros is set when it returns; the program then
// stops before its main window is used.
void Inicializar(Enlace &e, const OpcionesInicio &opciones);

// The command line overrides the settings record for this run only.
void AplicarLineaComandos(Enlace &e, const QStringList &argumentos);

// Stores IdiomaSel and AnimacionSi with the alphabetical flag as it was read
// from the record (a command-line override is for one run only). On failure
// shows "Lo siento. No puedo grabar." and returns false; the stored record
// is then left as it was.
bool GrabarAjustes(Enlace &e);

// Reads "informa_l" style lists: one padded line an entry. A missing file
// shows "Faltan ficheros (...)" and sets ErrorFicheros; a 601st line is an
// ErrorRango, the lines before it stay and n is not written.
void CargarListaAncho(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n, int ancho);

// Frees the tables and pictures. Only after the event loop has stopped:
// nothing may touch them afterwards.
void LiberarMemoria(Enlace &e);

} // namespace norvela
