#include "carga_grados.h"

#include "ansi.h"
#include "cadenas.h"
#include "cargas_columnas.h"
#include "cargas_listas.h"
#include "cargas_separadas.h"
#include "enlace.h"
#include "lectura.h"
#include "numeros.h"

namespace norvela {

namespace {

constexpr int kMaxMateriasGrado = 100;
constexpr int kMaxProfesiones = 250;
constexpr int kMaxActividades = 30;
constexpr int kFamilias = 26;
constexpr int kGruposFamilias = 9;
constexpr int kItinerarios = 12;

// The lines of a list file; a missing one is reported and gives nullopt.
std::optional<std::vector<std::string>> LineasDeLista(Enlace &e, const QString &fichero, size_t maximo)
{
    auto lineas = LeerLineas(fichero);
    if (!lineas) {
        e.FaltaFichero(fichero);
        return std::nullopt;
    }
    if (lineas->size() > maximo)
        throw ErrorRango(fichero, static_cast<int>(maximo) + 1, QStringLiteral("demasiadas líneas"));
    return lineas;
}

void PonerTexto(Enlace &e, TablaTexto &tabla, int i, int k)
{
    tabla.Poner(i, HaciaAnsi(e.Texto(k)));
}

} // namespace

void CargarLineas70(Enlace &e, const QString &fichero, TablaTexto &tabla, int &n)
{
    const auto lineas = LineasDeLista(e, fichero, kMaxMateriasGrado);
    if (!lineas)
        return;
    int k = 0;
    for (const std::string &linea : *lineas)
        tabla.Poner(++k, Cortar(linea, 70));
    n = k;
}

void LeerProfesionesGrados(Enlace &e, const QString &fichero, int &n)
{
    const auto lineas = LineasDeLista(e, fichero, kMaxProfesiones);
    if (!lineas)
        return;
    int k = 0;
    for (const std::string &leida : *lineas) {
        ++k;
        const std::string linea = leida + std::string(22, ' ');
        e.CodigoProfesion.Poner(k, Columnas(linea, 1, 4));
        e.CodigoProfesion2.Poner(k, Columnas(linea, 6, 9));
        e.NombresProfesion.Poner(k, Columnas(linea, 11, 50));
    }
    n = k;
}

void PrepararActividades(Enlace &e, const QString &fichero)
{
    if (e.NumActividades > kMaxActividades)
        throw ErrorRango(fichero, kMaxActividades + 1, QStringLiteral("más de %1 actividades").arg(kMaxActividades));
    for (int i = 1; i <= e.NumActividades; ++i) {
        const std::string linea = e.NombresActividad[i];
        e.CodActividad.Poner(i, Columnas(linea, 1, 4));
        e.NombresActividad.Poner(i, Cortar(Columnas(linea, 6, static_cast<int>(linea.size())), 60));
    }
}

void PrepararFamilias(Enlace &e, const QString &fichero, int lineas)
{
    e.NumFamilias = kFamilias;
    for (int g = 1; g <= kGruposFamilias; ++g) {
        const int numeroLinea = 29 + g;
        // A line the file does not have is an empty record: its pairs are no numbers.
        const std::string linea = numeroLinea <= lineas ? e.NombresFamilias[numeroLinea] : std::string();
        e.GruposFamilias.Poner(g, QuitarBlancosFinales(Cortar(Columnas(linea, 7, static_cast<int>(linea.size())),
                                                              e.AnchoLista)));
        for (int j = 1; j <= 3; ++j) {
            const auto par = Columnas(linea, 2 * j - 1, 2 * j);
            const auto familia = NumeroColumna(par);
            if (!familia || par.size() < 2)
                throw ErrorConversion(fichero, numeroLinea,
                                      QStringLiteral("número no válido: \"%1\"").arg(DesdeAnsi(par)));
            if (*familia < 0 || *familia > kFamilias)
                throw ErrorRango(fichero, numeroLinea, QStringLiteral("familia fuera de 0..26: %1").arg(*familia));
            e.RangosGruposFamilias.Poner(g, j, *familia);
        }
    }
    e.NumGruposFamilias = kGruposFamilias;
}

void CalcularSeccionesGS(Enlace &e)
{
    for (int i = 1; i <= e.NumEncabezadosFPSuperior; ++i)
        if (!e.EncabezadosFPSuperior[i].empty() && e.EncabezadosFPSuperior[i][0] == '|') {
            e.EncabezadoSeccionGS = i - 1;
            break;
        }
    for (int i = 1; i <= e.NumFPSuperior; ++i)
        if (e.NombresFPSuperior[i].size() >= 2 && e.NombresFPSuperior[i][1] == '|') {
            e.LimiteSeccionGS = i;
            break;
        }
}

void PonerRegistrosCero(Enlace &e)
{
    PonerTexto(e, e.NombresGrado, 0, 48);
    PonerTexto(e, e.Lugares, 0, 275);
    for (TablaTexto *centros : {&e.Centros1, &e.Centros2, &e.Centros3, &e.Centros4})
        PonerTexto(e, *centros, 0, 276);
    PonerTexto(e, e.RequisitosFP, 0, 277);
    PonerTexto(e, e.Cuestiones, 0, 279);
    PonerTexto(e, e.ListaCualidades, 0, 279);
    PonerTexto(e, e.ListaIntereses, 0, 280);
    PonerTexto(e, e.NombresAreas, 0, 281);
    PonerTexto(e, e.NombresFPSuperior, 0, 294);
}

void PonerNombresRamas(Enlace &e)
{
    for (int b = 0; b < 5; ++b)
        PonerTexto(e, e.NombresRamas, b, 515 + b);
}

bool CargarDatosGrados(Enlace &e)
{
    PonerNombresRamas(e);
    CargarLineas70(e, e.FicheroIdioma("materiasp"), e.MateriasGrado, e.NumMateriasGrado);
    CargarListaTexto(e, e.FicheroIdioma("carreran"), e.NombresGrado, e.NumGrados, e.AnchoLista);
    CargarLista120(e, e.FicheroIdioma("carrenue"), e.NuevosTitulos, e.NumNuevosTitulos);
    CargarListaTexto(e, e.FicheroIdioma("carreranb"), e.NombresGrupo, e.NumGrupos, e.AnchoLista);
    CargarListaTexto(e, e.FicheroIdioma("otros"), e.NombresOtros, e.NumOtros, 55);
    CargarListaTexto(e, e.FicheroIdioma("itinerar"), e.NombresAreas, e.NumAreas, e.AnchoLista);
    CargarListaTexto(e, e.FicheroIdioma("fp"), e.NombresFPSuperior, e.NumFPSuperior, 60);
    CargarEncabezados(e, e.FicheroIdioma("fp"), e.EncabezadosFPSuperior, e.NumEncabezadosFPSuperior, e.FilaTituloGS,
                      60);
    CargarListaTexto(e, e.FicheroIdioma("reqfp"), e.RequisitosFP, e.NumRequisitosFP, 55);
    CargarBloques26(e, e.FicheroIdioma("asignafp"), e.AsignaturasFPSuperior);
    CargarBloques50(e, e.FicheroIdioma("asignaot"));

    // Post-processing runs only on a file that was read: a missing one has
    // been reported and its table stays empty.
    const QString actividades = e.FicheroIdioma("activida");
    int leidas = -1;
    CargarLista60(e, actividades, e.NombresActividad, leidas);
    if (leidas >= 0) {
        e.NumActividades = leidas;
        PrepararActividades(e, actividades);
    }
    e.NumAreas = kItinerarios;

    const QString familias = e.FicheroIdioma("familias");
    leidas = -1;
    CargarLista60(e, familias, e.NombresFamilias, leidas);
    if (leidas >= 0)
        PrepararFamilias(e, familias, leidas);

    LeerProfesionesGrados(e, e.FicheroIdioma("profesio"), e.NumProfesiones);

    // The tables loaded next point into these lists: nothing more is read
    // once one of them is missing (or empty).
    if (e.ErrorFicheros)
        return false;
    CalcularSeccionesGS(e);
    PonerRegistrosCero(e);
    return true;
}

void ComprobarTablaGrados(const Enlace &e, const QString &fichero)
{
    // Groups, professions and subjects are lines of these lists.
    struct Lista {
        QString fichero;
        int lineas;
        int capacidad;
    };
    const Lista grupos{e.FicheroIdioma("carreranb"), e.NumGrupos, e.NombresGrupo.Ultimo()};
    const Lista profesiones{e.FicheroIdioma("profesio"), e.NumProfesiones, kMaxProfesiones};
    const Lista materias{e.FicheroIdioma("materiasp"), e.NumMateriasGrado, kMaxMateriasGrado};
    for (int r = 1; r <= e.NumGrados; ++r) {
        const auto campo = [&](int c, int desde, int hasta, const Lista *lista = nullptr) {
            const int v = e.TablaGrados.En(r, c);
            if (lista)
                ComprobarListaCorta(lista->fichero, lista->lineas, lista->capacidad, fichero, r, v);
            if (v < desde || v > hasta)
                throw ErrorRango(fichero, r,
                                 QStringLiteral("campo %1 fuera de %2..%3: %4").arg(c).arg(desde).arg(hasta).arg(v));
        };
        campo(1, 1, 5);
        campo(2, 0, e.NumGrupos, &grupos);
        campo(3, 0, e.NumAreas);
        campo(4, 0, e.NumAreas);
        for (int c = 5; c <= 8; ++c)
            campo(c, 0, e.NumProfesiones, &profesiones);
        // Subject lines: 0 or less is skipped and 50 ends the list.
        for (int c = 11; c <= 14; ++c)
            if (const int v = e.TablaGrados.En(r, c); v > 0 && v != 50)
                campo(c, 1, e.NumMateriasGrado, &materias);
    }
}

void CargarTablasGrados(Enlace &e)
{
    CargarListaTexto(e, e.Fichero("comunida"), e.Lugares, e.NumLugares, 55);
    CargarTitulosCodigo(e, e.Fichero("lugar"), e.NumUniversidades);
    CargarWebComunidades(e, e.Fichero("comuint"), e.NumWebComunidades);
    CargarListaTexto(e, e.Fichero("lu1"), e.Centros1, e.NumCentros1, e.AnchoLista);
    CargarListaTexto(e, e.Fichero("lu2"), e.Centros2, e.NumCentros2, e.AnchoLista);
    CargarListaTexto(e, e.Fichero("lu3"), e.Centros3, e.NumCentros3, e.AnchoLista);
    CargarListaTexto(e, e.Fichero("lu4"), e.Centros4, e.NumCentros4, e.AnchoLista);
    // The offers are rows of these centre lists.
    if (e.ErrorFicheros)
        return;
    CargarTablaBytes(e, e.Fichero("cuestiocua"), e.TablaCuestioCua);
    CargarTablaBytes(e, e.Fichero("cuestioint"), e.TablaCuestioInt);
    CargarTablaBytes(e, e.Fichero("cuestioESO"), e.TablaCuestioESO);
    CargarNotasCorte(e, e.Fichero("datcarnphp"));
    const QString grados = e.Fichero("datgradosphp");
    CargarTablaGrados(e, grados);
    for (int r = 1; r <= e.NumGrados; ++r)
        e.RamaGrado[r] = e.TablaGrados.En(r, 1);
    ComprobarTablaGrados(e, grados);
    CargarTablaFPSuperior(e, e.Fichero("datfpsphp"));
    CargarOfertaGS(e, e.Fichero("datluggsphp"));
    CargarDobles(e, e.Fichero("dobles"), e.NumDobles);
}

} // namespace norvela
