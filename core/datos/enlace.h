// The shared state of the program: paths and language, the settings, the
// interface texts, every table, picture, flag and colour that more than one
// screen uses. It is built once, before any window, by Inicializar from a
// program folder and a command line; screens receive it at construction.
#pragma once

#include "ajustes.h"
#include "datos_cuestionarios.h"
#include "datos_fp.h"
#include "datos_grados.h"
#include "datos_informe.h"
#include "datos_lugares.h"
#include "mapa_regiones.h"
#include "mensajes.h"
#include "tablas.h"
#include "textos_interfaz.h"
#include "version_graficos.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>
#include <memory>

namespace norvela {

struct OpcionesInicio {
    QString rutaPrograma;          // folder of the executable
    QStringList argumentos;        // command-line arguments, without the program name
    QString carpetaUsuario;        // settings folder when the data folder is not writable
    ProveedorVersion versionGraficos = VersionRegistradaDelSistema;
};

// The shared state is grouped in parts (degrees, FP, places, questionnaires,
// reports); a screen may take just the part it reads. The members keep their
// names, so `e.NombresGrado` reads the same through the whole state.
class Enlace : public DatosGrados,
               public DatosFP,
               public DatosLugares,
               public DatosCuestionarios,
               public DatosInforme {
public:
    explicit Enlace(Mensajes &mensajes);
    Enlace(const Enlace &) = delete;
    Enlace &operator=(const Enlace &) = delete;

    Mensajes &Avisos() { return *mensajes_; }
    // "Faltan ficheros (" + ruta + "). Vuelva a instalar el programa", and
    // ErrorFicheros; once a file, however many loaders read it.
    void FaltaFichero(const QString &ruta);
    // The same message alone, for a file a view reads while the program runs.
    void AvisarFaltaFichero(const QString &ruta);
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

    // Lines of the last ";" file read.
    std::vector<std::string> LineasFichero;
    // Lines of the interface-text file.
    TablaTexto TextosLeidos{0, 1100, 75};

    // Interface texts.
    TextosInterfaz Textos;

    // Access requirements and baccalaureate subjects of the language folder.
    TablaTexto Requisitos{1, 600, 100};
    TablaTexto Materias{1, 600, 100};
    int NumRequisitos = 0;
    int NumMaterias = 0;

    // Shared pictures.
    QImage BmpChica, BmpParte, BmpHeli, BmpMapa, BmpMapaC, BmpMapaM, BmpSuelo, BmpMarcoD, BmpMarcoI,
        BmpMarcoAr, BmpImagen;
    std::array<QImage, 6> BmpItinerario;   // BmpItinerario1..6, made by the itineraries screen

    // File names kept for other screens.
    const QString FicheroSegDXG = QStringLiteral("segdxg1.DXG");
    const QString FicheroVectorDXG = QStringLiteral("vector.DXG");
    const QString FicheroImagen = QStringLiteral("imagen");
    const QString FicheroRotulo = QStringLiteral("rotulon.bmp");

    // State handed between screens.
    // The student came through the assistant: set by the main menu's
    // assistant door, cleared by the main menu's creation and by the
    // assistant's back button and close box; the screens' leave handlers
    // read it to go back to the assistant instead of the home screen.
    bool DesdeAsistente = false;
    // The assistant opened this screen: set by the assistant's buttons,
    // each cleared by its own screen when the student leaves it.
    bool GradosDesdeAsistente = false;
    bool FPSuperiorDesdeAsistente = false;
    bool FPMedioDesdeAsistente = false;
    // 0, or -2 on a screen of more than 100 pixels per inch: set by the
    // main menu's creation, added to font sizes by the print previews.
    int AjusteFuente = 0;
    // Set by the degrees screen's start-up data step; the FP screens' centre grids
    // read it. Never cleared.
    bool MarcaCarga = false;
    // The display mode was switched: set and cleared by the display-mode
    // change, read on the way out to restore it.
    bool PantallaCambiada = false;

    // The engine sound, made by the desktop layer on its first use. It goes
    // with the shared state, while the application object still lives: the
    // sound's loader thread must have ended before the application does.
    std::unique_ptr<QObject> Sonido;

    bool Liberada() const { return liberada_; }

private:
    friend void LiberarMemoria(Enlace &e);

    Mensajes *mensajes_ = nullptr;
    bool liberada_ = false;
    QStringList faltas_;
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
